// The web page in headless chromium (make bench): its size, gzip size, the
// time until it is ready with the default launch drawn beside its floor, at
// full speed and with the CPU slowed 4×, and "Lancer" to drawn, medians over
// repeated runs, beside the desktop's handler from the same run
// (ORBELINE_LANCER_NATIF, ms, given by scripts/run-bench.sh).
//  - Page ready: from the navigation to the first frame that shows the
//    default launch, "Suite" pressed as soon as the start screen is up and
//    "Lancer" as soon as the main window is.
//  - Floor: a blank page with the page's canvases (the same pixels, at the
//    same places) and an empty WebAssembly module, ready at the first frame
//    after the module is instantiated; loads of the two alternate.
//  - Lancer: the click's handler, and the same with the rasterisation of the
//    drawings, after a few launches for the engine to warm up. The marker
//    layer, a disc and at most the star painted at the next frame, and the
//    wait for that frame (the screen's clock) are left out.
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { pathToFileURL } from 'node:url';
import { demarre, fichierPage } from '../tests/web/navigateur.mjs';

const CHARGEMENTS = 10;
const LANCEMENTS = 20;
const ECHAUFFEMENT = 5;
const RALENTIS = [[1, 2], [4, 2.5]];   // CPU slowdown, and the ready time's target against the floor
const mediane = (v) => { const t = [...v].sort((a, b) => a - b); return (t[(t.length - 1) >> 1] + t[t.length >> 1]) / 2; };

// In the page before its scripts: "Suite" then "Lancer" once the program is
// loaded (after its start-up has returned), then the time of the next frame.
function lanceDesQuePret() {
  window.mesurePret = new Promise((fini) => {
    document.addEventListener('orbeline-pret', () => queueMicrotask(() => {
      document.getElementById('accueil-Command1').click();
      document.getElementById('Command1').click();
      requestAnimationFrame(() => fini(performance.now()));
    }));
  });
}

// The page's canvases as they stand: pixel size, then place and size in CSS px.
const canevas = () => [...document.querySelectorAll('canvas')].map((c) => {
  const r = c.getBoundingClientRect();
  return [c.width, c.height, r.left, r.top, r.width, r.height];
});

// The floor's page: those canvases, blank, and an empty module.
function plancher(liste) {
  const toiles = liste.map(([w, h, x, y, l, ht]) =>
    `<canvas width="${w}" height="${h}" style="position:absolute;left:${x}px;top:${y}px;width:${l}px;height:${ht}px"></canvas>`);
  return `<!DOCTYPE html><html lang="fr"><head><meta charset="utf-8"><title>Plancher</title></head>
<body style="margin:0">${toiles.join('')}<script>
WebAssembly.instantiate(new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0])).then(function () {
  requestAnimationFrame(function () { window.pret = performance.now(); });
});
</script></body></html>`;
}

// Each launch from its own frame: the handler alone, then with the
// rasterisation of the six drawings (a one-pixel read of each forces it).
async function mesureLancer(echauffement, n) {
  const b = document.getElementById('Command1');
  const fonds = [...document.querySelectorAll('.picture canvas:first-child')];
  const durees = [];
  for (let i = 0; i < echauffement + n; ++i) {
    await new Promise((r) => requestAnimationFrame(r));
    const t0 = performance.now();
    b.click();
    const t1 = performance.now();
    for (const c of fonds) c.getContext('2d').getImageData(0, 0, 1, 1);
    if (i >= echauffement) durees.push([t1 - t0, performance.now() - t0]);
  }
  return durees;
}

// A tab at `url` with the CPU slowed `ralenti` times; its ready time.
async function charge(navigateur, url, ralenti, page) {
  const onglet = await navigateur.newPage();
  await (await onglet.createCDPSession()).send('Emulation.setCPUThrottlingRate', { rate: ralenti });
  if (page) await onglet.evaluateOnNewDocument(lanceDesQuePret);
  await onglet.goto(url);
  const pret = page ? await onglet.evaluate(() => window.mesurePret)
    : await onglet.waitForFunction(() => window.pret).then((p) => p.jsonValue());
  return { onglet, pret };
}

const chromium = await demarre();
const dossier = mkdtempSync(join(tmpdir(), 'orbeline-plancher-'));
try {
  const url = pathToFileURL(fichierPage).href;
  const { onglet } = await charge(chromium.navigateur, url, 1, true);
  const lancers = await onglet.evaluate(mesureLancer, ECHAUFFEMENT, LANCEMENTS);
  const urlPlancher = pathToFileURL(join(dossier, 'plancher.html')).href;
  writeFileSync(join(dossier, 'plancher.html'), plancher(await onglet.evaluate(canevas)));
  await onglet.close();

  // The gzip size as `gzip -9` gives it; node's zlib where there is no gzip.
  const octets = readFileSync(fichierPage);
  const gzip = spawnSync('gzip', ['-9', '-n', '-c'], { input: octets, maxBuffer: 1 << 26 });
  const compresse = gzip.status === 0 ? gzip.stdout.length : gzipSync(octets, { level: 9 }).length;
  console.log(`== navigateur (chromium sans tête, ${fichierPage.replace(process.cwd() + '/', '')})`);
  console.log(`Page : ${octets.length} octets (${(octets.length / 1000).toFixed(1)} ko), ` +
    `${compresse} octets en gzip -9 (${(compresse / 1000).toFixed(1)} ko, cible 100 ko)`);
  for (const [ralenti, cible] of RALENTIS) {
    const prets = [], planchers = [];
    for (let i = 0; i < CHARGEMENTS; ++i) {
      for (const [liste, u, page] of [[prets, url, true], [planchers, urlPlancher, false]]) {
        const c = await charge(chromium.navigateur, u, ralenti, page);
        liste.push(c.pret);
        await c.onglet.close();
      }
    }
    const [p, f] = [mediane(prets), mediane(planchers)];
    console.log(`Page prête, lancement par défaut dessiné, processeur ${ralenti === 1 ? 'à pleine vitesse' : `ralenti ${ralenti}×`} : ` +
      `${p.toFixed(0)} ms, plancher ${f.toFixed(0)} ms, rapport ${(p / f).toFixed(2)}× (cible ${cible}×) ` +
      `(médianes de ${CHARGEMENTS} chargements)`);
  }
  const ms = (k) => mediane(lancers.map((d) => d[k])).toFixed(2);
  console.log(`Lancer (lancement par défaut) : gestionnaire ${ms(0)} ms, dessiné ${ms(1)} ms (médianes de ${LANCEMENTS})`);
  if (process.env.ORBELINE_LANCER_NATIF)
    console.log(`Lancer sur le bureau (Qt, BM_Lancer, même exécution) : ${process.env.ORBELINE_LANCER_NATIF} ms`);
} finally {
  rmSync(dossier, { recursive: true, force: true });
  await chromium.ferme();
}
