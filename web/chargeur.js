// The program's start, before emscripten's script: its WebAssembly is in the
// page deflated and in base64 (ORBELINE_PROGRAMME, written by web/assemble.py),
// a third of its size as it is; the browser's own DecompressionStream inflates it.
var Module = {
  instantiateWasm: function (imports, recoit) {
    const texte = atob(ORBELINE_PROGRAMME), octets = new Uint8Array(texte.length);
    for (let i = 0; i < texte.length; ++i) octets[i] = texte.charCodeAt(i);
    new Response(new Blob([octets]).stream().pipeThrough(new DecompressionStream('deflate'))).arrayBuffer()
      .then(function (wasm) { return WebAssembly.instantiate(wasm, imports); })
      .then(function (r) { recoit(r.instance, r.module); });
    return {};
  },
};
