// The program's start. Its WebAssembly is at the end of the page, compressed
// (LZMA) and in base64 (web/assemble.py), 39 % of its size as it is: once the
// page is read, its bytes are decoded, the decoder the data block carries
// (web/decompresse.c, the LZMA SDK's) is inflated (DecompressionStream) and
// compiled, and it inflates the program in its own memory; emscripten's
// script, which web/assemble.py wraps in `programme`, instantiates it.
(function () {
  // Base64 to bytes: the browser's own decoder where it has one (a tenth of
  // a ms, where a data: address costs a round trip of 5 to 15 ms through the
  // browser's network service), else that address.
  const octets = (texte) => Uint8Array.fromBase64 ? Promise.resolve(Uint8Array.fromBase64(texte))
    : fetch('data:application/octet-stream;base64,' + texte).then((r) => r.arrayBuffer());
  // A page cut short or damaged on its way (a download, a USB stick) or a
  // browser without what the loading needs: the page says so rather than
  // stay blank (its text from the catalogue, web/assemble.py), and the error
  // still goes to the console.
  const echec = function (e) {
    document.getElementById('illisible').hidden = false;
    throw e;
  };
  const charge = function () {
    const bloc = document.getElementById('programme'), taille = +bloc.dataset.octets;
    const decodeur = octets(bloc.dataset.decodeur)
      .then((o) => new Response(new Response(o).body.pipeThrough(new DecompressionStream('deflate'))).arrayBuffer())
      .then((o) => WebAssembly.instantiate(o));
    const decode = octets(bloc.textContent);
    // Meanwhile the tab's session storage, where the page keeps its situation
    // (web/page.js), is opened: the browser's first access to it waits a few
    // ms on this thread, which would otherwise come in the program's start.
    try { sessionStorage.length; } catch (e) { /* storage refused: nothing kept */ }
    return Promise.all([decode, decodeur]).then(function ([compresse, d]) {
      // The stream then the program after the decoder's own memory.
      const x = d.instance.exports, debut = x.memory.buffer.byteLength, l = compresse.byteLength;
      x.memory.grow(Math.ceil((l + taille) / 65536));
      new Uint8Array(x.memory.buffer).set(new Uint8Array(compresse), debut);
      if (x.decompresse(debut, l, debut + l, taille)) throw new Error('programme illisible');
      return new Uint8Array(x.memory.buffer, debut + l, taille);
    });
  };
  const demarre = function () {
    let programmeLu;
    try { programmeLu = charge(); } catch (e) { programmeLu = Promise.reject(e); }
    programmeLu.then((wasm) => programme({ wasm: wasm }), echec);
  };
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', demarre);
  else demarre();
})();
