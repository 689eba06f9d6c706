// The web page in headless chromium (make bench): page ready with the default
// launch drawn, and "Lancer" to drawn, medians over repeated runs, beside the
// desktop's handler from the same run (ORBELINE_LANCER_NATIF, ms, given by
// scripts/run-bench.sh).
//  - Page ready: from the navigation to the first frame that shows the
//    default launch, "Suite" pressed as soon as the start screen is up and
//    "Lancer" as soon as the main window is.
//  - Lancer: the click's handler, and the same with the rasterisation of the
//    drawings, after a few launches for the engine to warm up. The marker
//    layer, a disc and at most the star painted at the next frame, and the
//    wait for that frame (the screen's clock) are left out.
import { readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { pathToFileURL } from 'node:url';
import { demarre, fichierPage } from '../tests/web/navigateur.mjs';

const PAGES = 10;
const LANCEMENTS = 20;
const ECHAUFFEMENT = 5;
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

const chromium = await demarre();
try {
  const url = pathToFileURL(fichierPage).href;
  const prets = [];
  let lancers = [];
  for (let i = 0; i < PAGES; ++i) {
    const page = await chromium.navigateur.newPage();
    await page.evaluateOnNewDocument(lanceDesQuePret);
    await page.goto(url);
    prets.push(await page.evaluate(() => window.mesurePret));
    if (i === PAGES - 1) lancers = await page.evaluate(mesureLancer, ECHAUFFEMENT, LANCEMENTS);
    await page.close();
  }
  const octets = readFileSync(fichierPage);
  console.log(`== navigateur (chromium sans tête, ${fichierPage.replace(process.cwd() + '/', '')})`);
  console.log(`Page : ${(octets.length / 1024).toFixed(0)} kio, ${(gzipSync(octets, { level: 9 }).length / 1024).toFixed(0)} kio gzip`);
  console.log(`Page prête, lancement par défaut dessiné : ${mediane(prets).toFixed(0)} ms (médiane de ${PAGES} chargements)`);
  const ms = (k) => mediane(lancers.map((d) => d[k])).toFixed(1);
  console.log(`Lancer (lancement par défaut) : gestionnaire ${ms(0)} ms, dessiné ${ms(1)} ms (médianes de ${LANCEMENTS})`);
  if (process.env.ORBELINE_LANCER_NATIF)
    console.log(`Lancer sur le bureau (Qt, BM_Lancer, même exécution) : ${process.env.ORBELINE_LANCER_NATIF} ms`);
} finally {
  await chromium.ferme();
}
