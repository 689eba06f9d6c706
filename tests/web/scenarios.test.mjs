// The scenarios of scenarios.json typed into the page, launched with Enter
// or the button (buttons tapped on a touch screen where the engine emulates
// one), against the desktop's procedures run natively on the same actions:
// captions and messages byte for byte; the points' table (copied with
// Ctrl+Shift+C) bit for bit against glibc's portable pow, and to 14
// significant digits against the native default (glibc picks an FMA pow on
// CPUs that have it, the page's musl does not).
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, test } from 'node:test';
import { ferme, natif, nomMoteur, ouvre, tape, texte, touche } from './navigateur.mjs';

const scenarios = JSON.parse(readFileSync(new URL('./scenarios.json', import.meta.url), 'utf8'));
const actions = scenarios.flatMap((s) => [...s.actions, 'Lancer', 'Fin']);

// Same numbers to 14 significant digits, cell by cell; other cells equal.
function egalA14Chiffres(a, b, cas) {
  const [la, lb] = [a, b].map((t) => t.split('\n'));
  assert.equal(la.length, lb.length, `${cas} : nombre de lignes`);
  la.forEach((ligne, i) => {
    const [ca, cb] = [ligne, lb[i]].map((l) => l.split('\t'));
    assert.equal(ca.length, cb.length, `${cas}, ligne ${i}`);
    ca.forEach((x, j) => {
      const [u, v] = [x, cb[j]].map((t) => Number(t.replace(',', '.')));
      if (x === '' || Number.isNaN(u)) assert.equal(x, cb[j], `${cas}, ligne ${i}`);
      else assert.ok(Math.abs(u - v) <= 5e-14 * Math.max(Math.abs(u), Math.abs(v)), `${cas}, ligne ${i} : ${x} ≠ ${cb[j]}`);
    });
  });
}

after(ferme);

test('the scenarios give the desktop\'s captions, messages and tables', async () => {
  const [attendus, portables] = [natif(actions), natif(actions, { portable: true })];
  // On a touch screen where the engine emulates one: the buttons tapped.
  const tactile = nomMoteur === 'chromium';
  const { page, sansErreur } = await ouvre({ tactile });
  const appuie = (selecteur) => (tactile ? page.tap(selecteur) : page.click(selecteur));
  for (const [i, s] of scenarios.entries()) {
    for (const a of s.actions) {
      const [nom, valeur] = a.split('=');
      if (nom.startsWith('Text')) await tape(page, nom, a.slice(nom.length + 1));
      else await appuie(`#${nom}_${valeur}`);
    }
    if (s.par === 'entree') await page.keyboard.press('Enter');
    else await appuie('#Command1');
    await page.evaluate(() => { window.copies = []; });
    await touche(page, 'Control', 'Shift', 'KeyC');
    const vu = {
      label11: await texte(page, 'Label11'), label12: await texte(page, 'Label12'),
      message: await texte(page, 'message'), table: (await page.evaluate(() => window.copies))[0] ?? '',
    };
    const cas = `« ${s.nom} »`;
    for (const k of ['label11', 'label12', 'message']) assert.equal(vu[k], attendus[i][k], `${cas} : ${k}`);
    assert.equal(vu.table, portables[i].table, `${cas} : tableau, pow portable`);
    egalA14Chiffres(vu.table, attendus[i].table, cas);
  }
  await sansErreur();
});
