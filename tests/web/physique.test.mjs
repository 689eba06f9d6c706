// What a seconde class sees in the page: a situation's options checked in the Affichage menu, Kepler's chart and
// the legend's T²/a³, and the replay moving the satellite with the time, one point per arrow key, from a field too.
import assert from 'node:assert/strict';
import { after, afterEach, test } from 'node:test';
import { attends, ferme, ouvre, sansErreur, texte, urlFichier } from './navigateur.mjs';

after(ferme);
afterEach(sansErreur);

const temps = async (page) => Number((await texte(page, 'Label14')).replace(/[^\d]/g, ''));   // "t =  946 s"
const menu = async (page, legende) => {
  await page.click('#menu-2');
  const id = await page.$$eval('#menu-2-liste button', (b, l) => b.find((e) => e.textContent.startsWith(l)).id, legende);
  await page.click(`#${id}`);
};

test('the options of a situation, Kepler\'s chart, and "Rejouer" moving the satellite in time, → a point', async () => {
  const { page } = await ouvre({ url: `${urlFichier()}?langue=fr&vox=2000&x=0&y=42164&points=100&force=1&kepler=1`, ecran: [1300, 700] });
  await page.click('#Command1');
  const coches = await page.$$eval('#menu-2-liste button[aria-pressed="true"]', (b) => b.map((e) => e.textContent));
  assert.deepEqual(coches, ['Force', 'Loi de Kepler\u00a0: T² et a³', 'Rejeu\u00a0: 1\u00a0s pour 1\u00a0heure']);
  assert.ok(await page.$eval('#Picture8', (e) => !e.closest('[hidden]')), 'Kepler\'s chart shown');
  const rapport = await page.$eval('#Legende table', (t) => {   // the first launch's cell under "T²/a³"
    const i = [...t.tHead.rows[0].cells].findIndex((c) => c.textContent.startsWith('T²/a³'));
    return t.tBodies[0].rows[0].cells[i].textContent;
  });
  assert.match(rapport, /^9,8\d\d\u00a0×\u00a010⁻¹⁴$/);
  await page.keyboard.press('ArrowRight');   // no replay yet: nothing happens
  assert.equal(await texte(page, 'Label14'), 'Label14');
  await menu(page, 'Rejouer');
  await attends(400);
  await menu(page, 'Pause');
  const t = await temps(page);
  assert.ok(t > 0 && (await texte(page, 'message')).startsWith('Rejeu du lancement 1'), `${t}`);
  await page.keyboard.press('ArrowRight');
  assert.equal(await temps(page), t + 860);
  await page.focus('#Text1');
  await page.$eval('#Text1', (e) => e.setSelectionRange(1, 1));
  await page.keyboard.press('ArrowLeft');
  assert.deepEqual([await temps(page), await page.$eval('#Text1', (e) => e.selectionStart)], [t, 1]);
});
