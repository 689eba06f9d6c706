// The program's start. Its WebAssembly is at the end of the page, deflated and
// in base64 (web/assemble.py), a third of its size as it is: once the page is
// read, the browser decodes it (a data: address, off the page's thread) and
// inflates it with its own DecompressionStream into an array of the size the
// data block gives; emscripten's script, which web/assemble.py wraps in
// `programme`, instantiates it.
(function () {
  const charge = function () {
    const bloc = document.getElementById('programme'), wasm = new Uint8Array(+bloc.dataset.octets);
    const decode = fetch('data:application/octet-stream;base64,' + bloc.textContent);
    // Meanwhile the tab's session storage, where the page keeps its situation
    // (web/page.js), is opened: the browser's first access to it waits a few
    // ms on this thread, which would otherwise come in the program's start.
    try { sessionStorage.length; } catch (e) { /* storage refused: nothing kept */ }
    decode.then(function (reponse) {
      const lit = reponse.body.pipeThrough(new DecompressionStream('deflate')).getReader();
      let n = 0;
      const suite = function (morceau) {
        if (morceau.done) return programme({ wasm: wasm });
        wasm.set(morceau.value, n);
        n += morceau.value.length;
        return lit.read().then(suite);
      };
      return lit.read().then(suite);
    });
  };
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', charge);
  else charge();
})();
