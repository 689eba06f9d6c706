// The program's start, before emscripten's script: its WebAssembly is at the
// end of the page, deflated and in base64 (web/assemble.py), a third of its
// size as it is; the browser's own DecompressionStream inflates it once the
// page is read.
var Module = {
  instantiateWasm: function (imports, recoit) {
    const charge = function () {
      const texte = atob(document.getElementById('programme').textContent), octets = new Uint8Array(texte.length);
      for (let i = 0; i < texte.length; ++i) octets[i] = texte.charCodeAt(i);
      new Response(new Blob([octets]).stream().pipeThrough(new DecompressionStream('deflate'))).arrayBuffer()
        .then(function (wasm) { return WebAssembly.instantiate(wasm, imports); })
        .then(function (r) { recoit(r.instance, r.module); });
    };
    if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', charge);
    else charge();
    return {};
  },
};
