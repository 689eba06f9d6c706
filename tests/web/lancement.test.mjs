// "Lancer" on the page, opened from a disk and from a web server, at two
// pixel ratios: the default launch's captions, drawing and marker; a zoom
// after it.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { demarre, imageSuivante, ouvre, pixels, sert, urlFichier } from './navigateur.mjs';

let chromium, serveur;
before(async () => { [chromium, serveur] = await Promise.all([demarre(), sert()]); });
after(async () => { await Promise.all([chromium?.ferme(), serveur?.ferme()]); });

test('Lancer draws the default launch from file:// and from a web server', async () => {
  for (const [url, ratio] of [[urlFichier(), 1], [serveur.url, 2]]) {
    const cas = `${url.slice(0, 5)}, ratio ${ratio}`;
    const { page, sansErreur } = await ouvre(chromium.navigateur, { url, ratio });
    await page.click('#Command1');
    assert.equal(await page.$eval('#Label11', (e) => e.textContent), 'Impact à t =  8772 s', cas);
    const dessin = await pixels(page, 'Picture1');
    assert.deepEqual([dessin.largeur, dessin.hauteur], [496 * ratio, 496 * ratio], cas);
    assert.deepEqual(dessin.rgb(268, 268), [0, 128, 128], `${cas}: the Earth filled in teal`);
    assert.ok(dessin.compte([0, 0, 0]) > 100 * ratio * ratio, `${cas}: the trajectory in black`);
    await imageSuivante(page);
    assert.ok((await pixels(page, 'Picture1', 1)).compte([0, 0, 255]) > 0, `${cas}: the marker at the next frame`);
    sansErreur();
    await page.close();
  }
});

test('After a zoom or a pinch the view and the charts are drawn again at the new ratio, as if drawn there from the start', async () => {
  const zooms = {
    // The browser's zoom changes the ratio and the viewport's size in CSS px.
    zoom: (page) => page.setViewport({ width: 400, height: 300, deviceScaleFactor: 2 }),
    pinch: async (page) => (await page.createCDPSession()).send('Emulation.setPageScaleFactor', { pageScaleFactor: 2 }),
    'drawn at 2': null,
  };
  const dessins = {};
  for (const [cas, zoom] of Object.entries(zooms)) {
    const { page, sansErreur } = await ouvre(chromium.navigateur, { ratio: zoom ? 1 : 2 });
    await page.click('#vitesse');
    await page.click('#Command1');
    await new Promise((r) => setTimeout(r, 800));   // the star's frames, then the charts
    if (zoom) await zoom(page);
    await new Promise((r) => setTimeout(r, 300));
    dessins[cas] = await Promise.all(['Picture1', 'Picture2'].map((id) => pixels(page, id)));
    sansErreur();
    await page.close();
  }
  for (const cas of ['zoom', 'pinch']) {
    for (const [k, id] of ['Picture1', 'Picture2'].entries()) {
      assert.equal(dessins[cas][k].largeur, 2 * [496, 86][k], `${cas}, ${id}`);
      assert.ok(dessins[cas][k].donnees.equals(dessins['drawn at 2'][k].donnees), `${cas}, ${id}: the same pixels`);
    }
  }
});
