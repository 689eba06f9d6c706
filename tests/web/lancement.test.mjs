// The page in every engine: "Lancer" opened from a disk and from a web
// server, at two pixel ratios where the engine sets them; a link's situation,
// kept across a reload; the guide, downloads and languages, under the page's policy.
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, afterEach, test } from 'node:test';
import { pathToFileURL } from 'node:url';
import { attends, attendsGraphe, fichierPage, ferme, imageSuivante, moteur, nomMoteur, ouvre, pixels, sansErreur, sert, tape,
  telecharge, texte, touche, urlFichier } from './navigateur.mjs';

const serveur = await sert();
after(async () => { await Promise.all([ferme(), serveur.ferme()]); });
afterEach(sansErreur);

// Set as the page loads: a browser without its own base64 decoder, which has the page's program decoded from a data: address.
const sansFromBase64 = () => { delete Uint8Array.fromBase64; };

test('Lancer draws the default launch from file:// and from a web server, with or without Uint8Array.fromBase64', async () => {
  // WebKit's driver installs its scripts after the page's: that row where the engine can.
  const ancien = nomMoteur === 'webkit' ? [] : [[urlFichier(), 1, sansFromBase64]];
  for (const [url, demande, avant] of [[urlFichier(), 1], [serveur.url, 2], ...ancien]) {
    const { page } = await ouvre({ url, ratio: demande, avant });
    const ratio = await page.evaluate(() => devicePixelRatio);
    const cas = `${url.slice(0, 5)}, ratio ${ratio}${avant ? ', sans fromBase64' : ''}`;
    if (avant) assert.equal(await page.evaluate(() => 'fromBase64' in Uint8Array), false, cas);
    await page.click('#Command1');
    assert.equal(await texte(page, 'Label11'), 'Impact à t =  8772 s', cas);
    const dessin = await pixels(page, 'Picture1');
    assert.deepEqual([dessin.largeur, dessin.hauteur], [496 * ratio, 496 * ratio], cas);
    assert.deepEqual(await dessin.rgb(268, 268), [0, 128, 128], `${cas}: the Earth filled in teal`);
    assert.ok(await dessin.compte([0, 0, 0]) > 100 * ratio * ratio, `${cas}: the trajectory in black`);
    await imageSuivante(page);
    assert.ok(await (await pixels(page, 'Picture1', 1)).compte([0, 0, 255]) > 0, `${cas}: the marker at the next frame`);
  }
});

test('a page cut short on its way says so, in French then English, rather than stay blank', async () => {
  const octets = readFileSync(fichierPage), programme = octets.indexOf('<script type="application/octet-stream"');
  const dossier = mkdtempSync(join(tmpdir(), 'orbeline-coupee-')), fichier = join(dossier, 'orbeline.html');
  try {
    const { page } = await moteur();
    for (const [cas, fin] of [['cut in the program', programme + 60000], ['cut before it', programme]]) {
      writeFileSync(fichier, octets.subarray(0, fin));
      await page.goto(pathToFileURL(fichier).href);
      await page.waitForSelector('[role="alert"]');
      assert.match(await page.$eval('[role="alert"]', (p) => p.textContent),
        /^Orbeline n'a pas pu démarrer\u00a0: ce fichier est incomplet ou abîmé.*Orbeline could not start/, cas);
      await page.releveErreurs?.();
      page.erreurs.splice(0);   // its cause, which the console has too
    }
  } finally {
    rmSync(dossier, { recursive: true, force: true });
  }
});

test('a link\'s values read once each, kept across reloads; the guide; the situation saved', async () => {
  // "%", "&", blanks and markup inside values, an encoded "%26" that must stay as it is, and
  // a link longer than the page's first buffer (63 bytes).
  const { page } = await ouvre({
    url: `${urlFichier()}?vox=5%25&voy=12%2635&x=%2526&y=6%20880%2C5&masse=1e-3%20%26%20%3Cb%3E` });
  const champs = () => Promise.all(['Text1', 'Text2', 'Text3', 'Text4', 'Text5'].map((id) => texte(page, id)));
  assert.deepEqual(await champs(), ['5%', '12&35', '%26', '6 880,5', '1e-3 & <b>']);
  await tape(page, 'Text4', '42164');
  for (const [cas, lance, question] of [['no launch', false, []], ['after a launch', true, ['beforeunload']]]) {
    if (lance) await page.click('#Command1');
    page.dialogues.length = 0;
    await page.reload();
    await page.waitForSelector('#Command1');   // the window at once, no start screen
    assert.deepEqual(await champs(), ['5%', '12&35', '%26', '42164', '1e-3 & <b>'], cas);
    // WebKit's driver accepts the question unseen.
    if (nomMoteur !== 'webkit') assert.deepEqual(page.dialogues, question, `${cas}: the question before leaving`);
  }
  await touche(page, 'F1');
  assert.ok(await page.$eval('#guide', (d) => d.open), 'F1');
  await page.click('#guide button');
  assert.ok(!(await page.$eval('#guide', (d) => d.open)), '"Fermer"');
  await touche(page, 'Control', 'Shift', 'KeyS');
  assert.match(await telecharge('situation.orbeline'), /^voy=12&35$/m);
});

test('after a zoom or a pinch the view and the charts are drawn again at the new ratio, as if drawn there from the start',
  { skip: nomMoteur !== 'chromium' && 'zoom and pinch emulated by Chromium only' }, async () => {
  const zooms = {
    // The browser's zoom changes the ratio and the viewport's size in CSS px: the window is arranged for it.
    zoom: [(page) => page.setViewport({ width: 400, height: 300, deviceScaleFactor: 2, hasTouch: false }), [400, 300]],
    pinch: [async (page) => (await page.createCDPSession()).send('Emulation.setPageScaleFactor', { pageScaleFactor: 2 }), [800, 600]],
  };
  // Each area's width in device pixels and its pixels' hash, after a launch, zoomed after it or opened so.
  const dessin = async (zoom, ecran) => {
    const { page } = await ouvre({ ratio: zoom ? 1 : 2, ecran: zoom ? [800, 600] : ecran });
    await page.click('#vitesse');
    await page.click('#Command1');
    await attendsGraphe(page);   // the star's frames, then the charts
    if (zoom) await zoom(page);
    await attends(300);
    const d = await Promise.all(['Picture1', 'Picture2'].map(async (id) => {
      const p = await pixels(page, id);
      return `${id} ${p.largeur} ${await p.empreinte()}`;
    }));
    await (await page.createCDPSession()).send('Emulation.setPageScaleFactor', { pageScaleFactor: 1 });
    return d;
  };
  for (const [cas, [zoom, ecran]] of Object.entries(zooms)) assert.deepEqual(await dessin(zoom, ecran), await dessin(null, ecran), cas);
});

test('English from the link or the browser, French for an unknown language', async () => {
  // The points' table copied, under its title line.
  const tableau = async (p) => {
    await touche(p, 'Control', 'Shift', 'KeyC');
    const copie = (await p.evaluate(() => window.copies)).at(-1);
    assert.match(copie, /^t \(s\)\t/, 'the table itself, not a link');
    return copie.split('\n').slice(1).join('\n');
  };
  const { page } = await ouvre();
  await page.click('#Command1');
  const francais = await tableau(page);
  const anglais = ['Launch', '1 square = ', 'File', 'Impact at t =  8772 s'];
  const routes = [
    // [how, captions of "Lancer", the scale, the first menu, the impact]
    [{ url: `${urlFichier()}?langue=en` }, anglais],
    [{ langue: 'en-US' }, anglais],
    // "C": a system without a language, which the browser's number formats refuse.
    [{ langue: 'C' }, ['Lancer', '1 carreau = ', 'Fichier', 'Impact à t =  8772 s']],
  ];
  // WebKit's spies come after the page's scripts: there, a language from the link only.
  for (const [route, legendes] of routes.filter(([r]) => r.url || nomMoteur !== 'webkit')) {
    const { page: p } = await ouvre(route);
    const cas = JSON.stringify(route);
    await p.click('#Command1');
    const vues = await Promise.all(['Command1', 'Frame2-legende', 'menu-0', 'Label11']
      .map((id) => p.$eval(`#${id}`, (e) => e.textContent)));
    assert.deepEqual([...vues, await p.evaluate(() => document.title)], [...legendes, 'orbelines'], cas);
    // English numbers with decimal points, the same digits.
    const [vu, attendu] = [await tableau(p), francais].map((t) => (legendes === anglais ? t.replaceAll(',', '.') : t));
    assert.equal(vu, attendu, `${cas}: the numbers`);
  }
});
