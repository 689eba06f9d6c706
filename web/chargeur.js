// The program's start. Its WebAssembly is at the end of the page, deflated and
// in base64 (web/assemble.py), a third of its size as it is: once the page is
// read, the browser's own DecompressionStream inflates it, and emscripten's
// script, which web/assemble.py wraps in `programme`, instantiates it.
(function () {
  const charge = function () {
    const texte = atob(document.getElementById('programme').textContent), octets = new Uint8Array(texte.length);
    for (let i = 0; i < texte.length; ++i) octets[i] = texte.charCodeAt(i);
    new Response(new Blob([octets]).stream().pipeThrough(new DecompressionStream('deflate'))).arrayBuffer()
      .then(function (wasm) { programme({ wasm: wasm }); });
  };
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', charge);
  else charge();
})();
