// The scenarios of scenarios.json typed into the page, launched with Enter or the
// button (tapped where the engine emulates a touch screen), against the desktop's
// procedures run natively: captions and messages byte for byte, with glibc's default
// pow (an FMA one on CPUs that have it; the page's musl has none); the points' table
// (Ctrl+Shift+C) bit for bit against glibc's portable pow.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, afterEach, test } from 'node:test';
import { ferme, natif, nomMoteur, ouvre, sansErreur, tape, texte, touche } from './navigateur.mjs';

const scenarios = JSON.parse(readFileSync(new URL('./scenarios.json', import.meta.url), 'utf8'));
const actions = scenarios.flatMap((s) => [...s.actions, 'Lancer', 'Fin']);

after(ferme);
afterEach(sansErreur);

test('the scenarios give the desktop\'s captions, messages and tables', async () => {
  const [attendus, portables] = [natif(actions), natif(actions, { portable: true })];
  const tactile = nomMoteur === 'chromium';
  const { page } = await ouvre({ tactile });
  const appuie = (selecteur) => (tactile ? page.tap(selecteur) : page.click(selecteur));
  for (const [i, s] of scenarios.entries()) {
    for (const a of s.actions) {
      const [nom, valeur] = a.split('=');
      await (nom.startsWith('Text') ? tape(page, nom, a.slice(nom.length + 1)) : appuie(`#${nom}_${valeur}`));
    }
    await (s.par === 'entree' ? page.keyboard.press('Enter') : appuie('#Command1'));
    await page.evaluate(() => { window.copies = []; });
    await touche(page, 'Control', 'Shift', 'KeyC');
    const cas = `« ${s.nom} »`, table = (await page.evaluate(() => window.copies))[0] ?? '';
    for (const id of ['Label11', 'Label12', 'message'])
      assert.equal(await texte(page, id), attendus[i][id.toLowerCase()], `${cas} : ${id}`);
    assert.equal(table, portables[i].table, `${cas} : tableau, pow portable`);
  }
});
