// The page's one script made small, for web/assemble.py: standard input to
// standard output through Debian's terser (node-terser), its names shortened.
// The script is a classic one whose only top-level name, `programme`, is its
// own: nothing outside it (the markup, the tests) calls it by name.
const { minify } = require('terser');

let source = '';
process.stdin.setEncoding('utf8');
process.stdin.on('data', (morceau) => { source += morceau; });
process.stdin.on('end', async () => {
  // Function expressions and object properties that are functions written as
  // arrows and methods where nothing uses their `this` or builds with `new`
  // (0.08 kB less gzip).
  const r = await minify(source, {
    ecma: 2020,
    toplevel: true,
    compress: { passes: 3, ecma: 2020, unsafe_arrows: true, unsafe_methods: true },
    mangle: { toplevel: true },
  });
  process.stdout.write(r.code);
});
