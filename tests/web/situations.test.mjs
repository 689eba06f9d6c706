// Situations from outside: a link copied from the page, situation files opened
// (hostile ones too) and saved.
import assert from 'node:assert/strict';
import { writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, afterEach, test } from 'node:test';
import { ferme, moteur, ouvre, remet, sansErreur, telecharge, texte, touche, urlFichier } from './navigateur.mjs';

after(ferme);
afterEach(sansErreur);

// What the window shows of a situation: the fields, the selected buttons, the boxes.
const etat = (page) => page.evaluate(() => [...document.querySelectorAll('#client input')]
  .map((e) => (e.type === 'text' ? e.value : e.checked)));

test('situations: a link given back by "Copier le lien de la situation" and a saved file open the same; '
  + 'a hostile file changes nothing and says why', async () => {
  const { page } = await ouvre({ url: `${urlFichier()}?vox=3078&x=0&y=42164&echelle=50000km&points=100&xy=1` });
  assert.ok(await page.$eval('#Option3_1', (e) => e.checked) && await page.$eval('#Option1_0', (e) => e.checked));
  await page.click('#menu-1');
  await page.click('#action-7');
  const copie = (await page.evaluate(() => window.copies))[0];
  assert.match(copie, /^[^?]*\?vox=3078&voy=0&x=0&y=42164&[^?]*$/, 'the situation alone after the page\'s address');
  const duLien = await etat(page);
  // A lone surrogate in a field reaches the program as U+FFFD and the digits after it stay.
  await page.$eval('#Text2', (e) => { e.value = '-42\uD800164'; e.dispatchEvent(new Event('input', { bubbles: true })); });
  assert.match(await texte(page, 'message'), /lit -42, puis s'arrête sur .*\(U\+FFFD\)/);
  await page.click('#menu-1');
  await page.click('#action-7');
  assert.match((await page.evaluate(() => window.copies))[1], /&voy=-42%EF%BF%BD164&/);
  await ouvre({ url: copie });
  assert.deepEqual(await etat(page), duLien, 'the copied link');
  // Opens a file (put in the engine's folder) with Ctrl+O, past the ready-made ones, then waits until element `id`
  // shows `attendu`.
  const ouvreFichier = async (contenu, [id, attendu]) => {
    const chemin = join((await moteur()).dossier, 'essai.orbeline');
    writeFileSync(chemin, contenu);
    await touche(page, 'Control', 'KeyO');
    const [choix] = await Promise.all([page.waitForFileChooser(), page.click('#situations-autre')]);
    await choix.accept([chemin]);
    await page.waitForFunction((i, a) => { const e = document.getElementById(i); return (e.value ?? e.textContent) === a; }, {}, id, attendu);
  };
  // A ready-made one from the list, each named with what to observe in it.
  await touche(page, 'Control', 'KeyO');
  const ellipse = await page.$$eval('#situations-liste button', (b) => b.map((e) => [e.id, e.textContent]).find(([, t]) => t.startsWith('ellipse')));
  assert.match(ellipse[1], /^ellipsetrop lent pour un cercle/);
  await page.click(`#${ellipse[0]}`);
  assert.deepEqual([await texte(page, 'Text1'), await page.$eval('#consigne p', (p) => p.textContent.slice(0, 22))],
    ['2000', 'trop lent pour un cerc']);
  await page.keyboard.press('Escape');
  const avant = await etat(page);
  const rows = [
    ['10 Mo', 'x=1\n'.repeat(2.5e6), 'Ce fichier est trop grand pour être une situation d\'Orbeline.'],
    ['UTF-8 invalide', Buffer.from('vox=12\nx=\xff\xfe\n', 'latin1'), 'Ce fichier n\'est pas en UTF-8 (ligne 2)\u00a0: enregistrez-le en UTF-8 (texte brut), puis ouvrez-le de nouveau.'],
    ['balises', '<html><script>document.title=1</script>', 'Ce fichier n\'est pas une situation d\'Orbeline\u00a0: il n\'a aucune ligne «\u00a0clé=valeur\u00a0» connue. Ligne 1\u00a0: «\u00a0<html><script>document.title\u00a0» n\'est pas un réglage d\'Orbeline, il est ignoré.'],
  ];
  for (const [cas, contenu, message] of rows) {
    await ouvreFichier(contenu, ['message', message]);
    assert.deepEqual(await etat(page), avant, `${cas} : nothing changed`);
  }
  // A refused value is named with its line, the rest applies, and what to observe is shown.
  await ouvreFichier('\ufeff\ufeffVox=5\npoints=12\n# À observer : la chute\n', ['message', 'Ligne 2\u00a0: «\u00a0points\u00a0» vaut 100 ou 1000, pas «\u00a012\u00a0»\u00a0: ignoré.']);
  assert.deepEqual(await page.$eval('#consigne', (d) => [d.open, d.querySelector('h2').textContent, d.querySelector('p').textContent]),
    [true, 'À observer', 'la chute']);
  await page.keyboard.press('Escape');
  await ouvreFichier('# une orbite\nvox=3078\nx=0\ny=42164\nechelle=500km\nxy=1\n', ['Text1', '3078']);
  await page.click('#Command1');
  await touche(page, 'Control', 'Shift', 'KeyS');
  const fichier = await telecharge('situation.orbeline');
  assert.match(fichier, /^vox=3078$/m);
  const vu = [await etat(page), await texte(page, 'Label11'), await texte(page, 'Label12')];
  await remet();
  await ouvreFichier(fichier, ['Text1', '3078']);
  await page.click('#Command1');
  assert.deepEqual([await etat(page), await texte(page, 'Label11'), await texte(page, 'Label12')], vu);
});
