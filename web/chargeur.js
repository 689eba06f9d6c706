// The program's start. Its WebAssembly is at the end of the page, deflated and
// in base64 (web/assemble.py), a third of its size as it is: once the page is
// read, the browser's own DecompressionStream inflates it into an array of the
// size the data block gives, and emscripten's script, which web/assemble.py
// wraps in `programme`, instantiates it.
(function () {
  const charge = function () {
    const bloc = document.getElementById('programme'), texte = atob(bloc.textContent);
    const deflate = new Uint8Array(texte.length), wasm = new Uint8Array(+bloc.dataset.octets);
    for (let i = 0; i < texte.length; ++i) deflate[i] = texte.charCodeAt(i);
    const inflate = new DecompressionStream('deflate'), ecrit = inflate.writable.getWriter();
    ecrit.write(deflate);
    ecrit.close();
    const lit = inflate.readable.getReader();
    let n = 0;
    const suite = function (morceau) {
      if (morceau.done) return programme({ wasm: wasm });
      wasm.set(morceau.value, n);
      n += morceau.value.length;
      return lit.read().then(suite);
    };
    lit.read().then(suite);
  };
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', charge);
  else charge();
})();
