// The page's one script made small, for web/assemble.py: standard input to
// standard output through Debian's terser (node-terser), its names shortened.
// The script is a classic one whose only top-level name, `programme`, is its
// own: nothing outside it (the markup, the tests) calls it by name.
const { minify } = require('terser');

let source = '';
process.stdin.setEncoding('utf8');
process.stdin.on('data', (morceau) => { source += morceau; });
process.stdin.on('end', async () => {
  const r = await minify(source, { toplevel: true, compress: { passes: 2 }, mangle: { toplevel: true } });
  process.stdout.write(r.code);
});
