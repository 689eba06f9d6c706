// The page as a pupil meets it: the start screen, the keyboard's route
// through the window (the same handlers as the mouse), the pointer on the
// orbit view, the star's frames, the menus, and an accessibility scan. One
// load: each test after the first starts from the starting values.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { after, afterEach, test } from 'node:test';
import { attends, attendsGraphe, ferme, imageSuivante, natif, ouvre, pixels, remet, sansErreur, tape, telecharge, texte, touche,
  tropPetits } from './navigateur.mjs';

const axe = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const montre = (page, id) => page.$eval(`#${id}`, (e) => !e.closest('[hidden]'));
const bulle = async (page) => (await montre(page, 'bulle') ? texte(page, 'bulle') : '');   // the tooltip shown

// axe-core's violations on what the page shows, as "rule: element" texts.
const violations = (page) => page.evaluate(axe).then(() => page.evaluate(async () =>
  (await window.axe.run()).violations.flatMap((v) => v.nodes.map((n) => `${v.id}: ${n.target}`))));

// The selector of the control a person reads as `nom` (access keys' "&" aside): a button's caption (an entry's
// shortcut aside), a box's, or an accessible name.
const vu = (page, nom) => page.$$eval('button, label, [aria-label]', (c, nom) => {
  const e = c.find((x) => x.getAttribute('aria-label') === nom || (x.tagName === 'BUTTON' ? x.firstElementChild ?? x : x).textContent === nom);
  return e && `#${e.id}`;
}, nom.replaceAll('&', ''));
// A key of the menus' table ("Ctrl", "Right", "S") as puppeteer names it.
const nomTouche = (k) => ({ Ctrl: 'Control', Left: 'ArrowLeft', Right: 'ArrowRight' })[k] ?? (k.length > 1 ? k : `Key${k}`);
const appuie = async (page, ...noms) => { for (const n of noms) await page.click(await vu(page, n)); };

after(ferme);
afterEach(sansErreur);

test('every entry of the page\'s menus by the keyboard and every shortcut of the table does what the shell says', async () => {
  // From a window launched then set to its starting values, the satellite placed at the view's pixel 248, 124, "5" typed
  // into Vox since: the shell's answer (scenarios.cpp) against what the page shows.
  const { page } = await ouvre();
  await appuie(page, 'Lancer');
  const vue = await page.$eval('#Picture1 canvas', (c) => { const r = c.getBoundingClientRect(); return [r.left + 248, r.top + 124]; });
  const vox = (await vu(page, 'Vox (m/s)')).slice(1);
  for (const c of natif(['Menus'], { portable: true })) {
    const cas = `${c.legende} ${c.raccourci}`;
    await remet();
    await page.evaluate(() => { window.imprime = 0; window.print = () => { ++window.imprime; }; });
    await page.mouse.click(...vue);
    await tape(page, vox, '5');
    if (c.raccourci) await touche(page, ...c.raccourci.split('+').map(nomTouche));
    else {   // the menu opened by Enter, the entry chosen by its underlined letter
      await page.focus(await vu(page, c.menu));
      await page.keyboard.press('Enter');
      await page.keyboard.press(c.legende[c.legende.indexOf('&') + 1].toLowerCase());
    }
    if (c.nom) assert.equal(c.sorte === 'Image' ? (await telecharge(c.nom, null)).subarray(1, 4).toString() : await telecharge(c.nom),
      c.sorte === 'Image' ? 'PNG' : c.contenu, cas);
    // The dialogs open, the clipboard (a link without the page's address), the printing, the fields, the options' ticks.
    assert.deepEqual(await page.evaluate(() => [[...document.querySelectorAll('dialog[open]')].map((d) => d.id),
      (window.copies.at(-1) ?? '').replace(location.href.split(/[?#]/)[0] + '?', ''), window.imprime,
      [...document.querySelectorAll('#client input[type=text]')].map((e) => e.value),
      [...document.querySelectorAll('#menus [aria-pressed]:not([lang])')].map((e) => e.getAttribute('aria-pressed') === 'true')]),
    [{ Guide: ['guide'], APropos: ['apropos'], Fichier: c.lecture ? ['situations'] : [] }[c.sorte] ?? [], c.sorte === 'Copie' ? c.contenu : '', c.sorte === 'Impression' ? 1 : 0,
      c.champs, c.reglages], cas);
    if (c.legende === 'Mode pro&jection') await appuie(page, 'Affichage', 'Mode projection');   // a display's, which the starting values keep
  }
});

test('the start screen: its version, a click on a label stays, any key on "Suite" but Tab goes on', async () => {
  const { page } = await ouvre({ accueil: true });
  assert.match(await texte(page, 'accueil-lblVersion'), /^Version \d+\.\d+\.\d+$/);
  assert.deepEqual(await violations(page), []);
  await page.click('#accueil-lblProductName');
  await page.click('#accueil-picLogo');
  await page.focus('#accueil-Command1');
  await page.keyboard.press('Tab');
  assert.ok(await montre(page, 'accueil-Command1'), 'still on the start screen after Tab on "Suite"');
  await page.focus('#accueil-Command1');
  await page.keyboard.press('KeyQ');
  assert.ok(await montre(page, 'Command1'), 'the main window after a letter');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'Text1');
});

test('every control shown where its row places it; the keyboard reaches them in tab order and runs the mouse\'s handlers',
  async () => {
  const { page } = await remet();
  // Each one's place in its container (an auto-sized label: its corner, the size of its text).
  const ecarts = await page.evaluate((lignes) => lignes.flatMap((l) => {
    const e = document.getElementById(l.boite);
    if (!e || e.closest('[hidden]')) return [];
    const r = e.getBoundingClientRect(), c = document.getElementById(l.cadre || 'client').getBoundingClientRect();
    const vu = [r.left - c.left, r.top - c.top, ...(l.taille ? [r.width, r.height] : l.place.slice(2))];
    return vu.join() === l.place.join() ? [] : [`${l.boite}: ${vu.join(' ')} au lieu de ${l.place.join(' ')}`];
  }), natif(['Disposition']));
  assert.deepEqual(ecarts, []);
  const ordre = [];
  for (let i = 0; i < 16; ++i) {
    ordre.push(await page.evaluate(() => document.activeElement.id));
    await page.keyboard.press('Tab');
  }
  assert.deepEqual(ordre, ['Text1', 'Text2', 'Text3', 'Text4', 'Text5', 'Text6', 'Option3_0', 'Command5', 'Command4',
    'Command1', 'Command2', 'Text7', 'Option1_1', 'Option2_0', 'vitesse', 'xy']);
  // On a touch screen every field brings a decimal keypad whose Enter key launches.
  assert.deepEqual(await page.$$eval('input[type=text]', (c) => c.map((e) => `${e.inputMode} ${e.enterKeyHint}`)), Array(7).fill('decimal go'));
  const impact = () => texte(page, 'Label11');
  const cases = [
    // [what, element focused, keys, what to read, its value]
    ['Space on a box shows its charts', 'vitesse', ['Space'], () => montre(page, 'Picture2'), true],
    ['Enter in a field launches', 'Text4', ['Enter'], impact, 'Impact à t =  8772 s'],
    ['Space on the selected scale runs its preset again', 'Option3_0', ['Space'], impact, ''],
    ['Enter on a button is that button\'s', 'Command1', ['Enter'], impact, 'Impact à t =  8772 s'],
    ['Enter on "Effacer" clears', 'Command4', ['Enter'], impact, ''],
    ['arrows select a scale: its preset runs, no X(t), Y(t) box at 50 millions de km', 'Option3_0', Array(3).fill('ArrowDown'),
      () => page.$eval('#xy', (e) => e.disabled), true],
  ];
  for (const [quoi, id, touches, lis, attendu] of cases) {
    await page.focus(`#${id}`);
    for (const t of touches) await page.keyboard.press(t);
    assert.equal(await lis(), attendu, quoi);
  }
});

test('the pointer on the orbit view: the read-out, a point\'s tooltip', async () => {
  const { page } = await remet();
  const vue = await page.$eval('#Picture1 canvas', (c) => { const r = c.getBoundingClientRect(); return [r.left, r.top]; });
  await page.mouse.move(vue[0] + 248, vue[1] + 248);
  assert.deepEqual([await texte(page, 'Label9'), await texte(page, 'Label10')], ['X =  0', 'Y =  0']);
  await page.click('#Command1');
  // The default launch's first point, 86 s after the start, 3.3 km from it: the same pixel.
  await page.mouse.move(vue[0] + 99, vue[1] + 248);
  assert.match(await bulle(page), /^t = \d+\u00a0s {3}X = -[\d\u00a0]+,\d\u00a0km {3}Y = 0\u00a0km {3}V = [\d\u00a0]+(,\d)?\u00a0m\/s$/);
  await page.mouse.move(vue[0] + 400, vue[1] + 100);
  assert.equal(await bulle(page), '', 'no tooltip away from the points');
});

test('a phone held upright, by touch: 12 px text, 32 px controls, points read within 12 px, the start placed by a press held '
  + 'and undone', async () => {
  const { page } = await ouvre({ ecran: [390, 844], tactile: true, mobile: true, accueil: true });
  const rien = { textes: [], cibles: [], deborde: false };
  assert.deepEqual(await tropPetits(page), rien, 'the start screen');
  await page.tap('#accueil-Command1');
  await page.waitForSelector('#Command1');
  // A place of the orbit view's drawing (496 px wide), where it is on the screen, scrolled to as a pupil does.
  const vue = async (x, y) => page.$eval('#Picture1 canvas', (c, x, y) => {
    c.scrollIntoView({ block: 'nearest' });
    const r = c.getBoundingClientRect();
    return [r.left + x * r.width / c.offsetWidth, r.top + y * r.height / c.offsetHeight];
  }, x, y);
  const debut = () => Promise.all(['Text3', 'Text4'].map((id) => texte(page, id)));
  const appui = async (x, y) => {
    await page.touchscreen.touchStart(...await vue(x, y));
    await attends(700);
    await page.touchscreen.touchEnd();
  };
  const etapes = [
    // [what, by touch, check]
    ['Terre', () => page.tap('#Option2_0'), async () => assert.equal(await texte(page, 'Text1'), '3078')],
    ['a press held places the start, "Annuler" puts it back', async () => {
      await appui(248, 124);
      assert.deepEqual(await debut(), ['0', '25000']);
      await page.tap(await vu(page, 'Annuler'));
    }, async () => assert.deepEqual([...await debut(), await montre(page, 'Command6')], ['-30000', '0', false])],
    ['pressed again, then Lancer and the charts\' boxes', async () => {
      await appui(248, 124);
      for (const id of ['vitesse', 'xy', 'energie', 'Command1']) await page.tap(`#${id}`);
      await attendsGraphe(page);
    }, async () => assert.ok(await montre(page, 'Picture7'))],
    // The first point, 2659 km right of the start and 239 km under it: 13.2 and 1.2 px of the drawing; 10 px of the
    // screen over it (13 of the drawing), outside the orbit, it or the same point of a later turn.
    ['a tap 10 px from a plotted point', async () => { const [x, y] = await vue(261.2, 125.2); await page.touchscreen.tap(x, y - 10); },
      async () => assert.match(await bulle(page), /^t = [\d\u00a0]+\u00a0s {3}X = (2\d|3[01])\d\d,\d\u00a0km {3}Y = 24/)],
    ['a slide across the trajectory', async () => {
      await page.touchscreen.touchStart(...await vue(300, 90));
      for (let y = 95; y <= 160; y += 5) await page.touchscreen.touchMove(...await vue(300, y));
      await page.touchscreen.touchEnd();
    }, async () => assert.match(await bulle(page), /^t = [\d\u00a0]+\u00a0s {3}X = (9|1[01]\u00a0)\d{3},\d\u00a0km/)],   // 52 px right of the start
  ];
  for (const [quoi, geste, verifie] of etapes) {
    await geste();
    await verifie().catch((e) => { e.message = `${quoi} : ${e.message}`; throw e; });
  }
  assert.deepEqual(await debut(), ['0', '25000'], 'reading points left the start where it was');
  await page.tap('#menu-2');
  assert.deepEqual(await tropPetits(page), rien, 'the window with its charts, the last menu open');
});

test('switched to English, no caption passes its control or covers another where the French one does not, and the menus write Shift', async () => {
  // Each control whose caption passes its box, each control over another of its container.
  const fautes = (page) => page.evaluate(() => {
    const vus = [...document.querySelectorAll('#client [id]')].filter((e) => e.getClientRects().length && !e.closest('[hidden], .invisible'));
    const f = vus.filter((e) => e.scrollWidth > e.clientWidth || e.scrollHeight > e.clientHeight).map((e) => e.id);
    for (const e of vus) {
      const a = e.getBoundingClientRect();
      for (const d of vus) {
        const b = d.getBoundingClientRect();
        if (d !== e && d.parentElement === e.parentElement && a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom)
          f.push(`${e.id} over ${d.id}`);
      }
    }
    return f;
  });
  const { page } = await ouvre();   // the window as the layout has it, after the phone's
  await page.click('#vitesse');
  await page.click('#Command1');
  const francais = await fautes(page);
  const langue = (l) => page.click('#menu-3').then(() => page.click(`#menus [data-langue="${l}"]`));
  await langue(1);
  assert.deepEqual((await fautes(page)).filter((f) => !francais.includes(f)), []);
  assert.equal(await texte(page, 'action-1-raccourci'), 'Ctrl+Shift+S');
  await langue(0);
  assert.equal(await texte(page, 'action-1-raccourci'), 'Ctrl+Maj+S');
});

test('the star grows after "Lancer", then goes, then the charts are drawn', async () => {
  const { page } = await remet();
  await page.click('#vitesse');
  // The marker layer's blue pixels at the next frame; whether the speed chart has marks.
  const bleus = () => imageSuivante(page).then(() => pixels(page, 'Picture1', 1)).then((p) => p.compte([0, 0, 255]));
  const graphe = async () => await (await pixels(page, 'Picture2')).compte([255, 255, 255]) < 86 * 86;
  const marqueur = await bleus();
  await page.click('#Command1');
  assert.ok(await bleus() > marqueur + 20, 'the star beside the marker');
  assert.ok(!(await graphe()), 'no chart while the star grows');
  await attendsGraphe(page);
  for (let i = 0; i < 40 && await bleus() >= marqueur + 10; ++i) await attends(50);   // the marker's layer, at its next frame
  assert.ok(await bleus() < marqueur + 10, 'the star gone, the marker moved');
  assert.ok(await graphe(), 'the chart drawn');
});

test('the guide, the about box, the starting values, the printout and the picture with the launches\' legend, quitting; '
  + 'axe-core\'s scans', async () => {
  const { page } = await ouvre({ ecran: [1024, 700] });   // room for the legend's column
  await page.focus(await vu(page, 'Aide'));
  await page.keyboard.press('Enter');
  assert.deepEqual(await violations(page), [], 'a menu open');
  await page.keyboard.press('p');   // the underlined letter of "À propos d'Orbeline"
  assert.match(await texte(page, 'apropos-version'), /^Version \d+\.\d+\.\d+$/);
  await page.keyboard.press('Escape');
  await touche(page, 'F1');
  const guide = await page.$eval('#guide-texte', (e) => [e.querySelector('h2')?.textContent, e.querySelectorAll('ol > li').length,
    e.querySelector('strong')?.textContent, e.querySelectorAll('script, img, a, iframe').length, e.textContent.includes('Pour les développeurs')]);
  assert.deepEqual(guide, ['Guide de l\'élève\u00a0: le TP satellites', 9, 'Suite', 0, false], 'its title, steps, a bold word, no tags, '
    + 'the README\'s section alone');
  assert.deepEqual(await violations(page), [], 'the guide');
  await page.keyboard.press('Escape');

  // "Valeurs de départ" after changes, then the launches' legend and a launch.
  await tape(page, 'Text3', '12');
  await page.click('#Option3_2');
  await remet();
  await appuie(page, 'Affichage', 'Un &coloris par lancement');
  await appuie(page, 'Lancer');
  // Known, left to the layout table: the impact captions' pure red, the
  // desktop's, is 3.5:1 on the window's grey (4.5:1 asked for their size).
  assert.deepEqual(await violations(page), ['color-contrast: #Label11', 'color-contrast: #Label12'], 'after a launch');
  // The browser's own print (its menu, Ctrl+P, the entry) lays out one landscape sheet: the name line, the scales, the table,
  // its swatches printed without the browser's option for backgrounds.
  await page.emulateMediaType('print');
  assert.deepEqual(await page.evaluate(() => {
    dispatchEvent(new Event('beforeprint'));
    const pave = [...document.querySelectorAll('#feuille div div')].find((e) => e.style.background);
    const s = pave && getComputedStyle(pave), vu = s && [s.backgroundColor, s.printColorAdjust ?? s.webkitPrintColorAdjust];
    dispatchEvent(new Event('afterprint'));
    return vu;
  }), ['rgb(0, 0, 0)', 'exact']);
  await page.emulateMediaType(null);
  const pdf = await page.pdf({ preferCSSPageSize: true });
  const lis = (outil, ...args) => spawnSync(outil, [...args, '-'], { input: pdf, encoding: 'utf8' }).stdout;   // from stdin
  assert.match(lis('pdfinfo'), /Pages: +1\n[^]*Page size: +841\.\d+ x 594\.\d+/);
  const feuille = lis('pdftotext', '-').replace(/\s+/g, ' ');
  for (const t of ['Nom : Classe : Date :', 'Quadrillage : 1 carreau = 10 000 km', 'M = 6 × 10²⁴ kg ; τ = 864 s', 'Impact à t'])
    assert.ok(feuille.includes(t), `« ${t} » sur la feuille imprimée`);
  // The picture: the client area with its column, the legend's lines dark in their place.
  await appuie(page, 'Fichier', 'Enregistrer l\'&image…');
  const png = (await telecharge('orbeline.png', null)).toString('base64');
  const image = await page.$eval(await vu(page, 'Légende des lancements'), async (e, png) => {
    const im = await createImageBitmap(new Blob([Uint8Array.from(atob(png), (o) => o.charCodeAt(0))]));
    const c = new OffscreenCanvas(im.width, im.height).getContext('2d');
    c.drawImage(im, 0, 0);
    const r = e.getBoundingClientRect(), client = document.getElementById('client').getBoundingClientRect();
    const d = c.getImageData(r.left - client.left, r.top - client.top, r.width, r.height).data;
    return [im.width, im.height, d.filter((v, i) => i % 4 === 0 && v < 100).length > 100];
  }, png);
  assert.deepEqual(image, [1012, 571, true], 'the picture and its legend');
  await appuie(page, 'Quitter');
  assert.deepEqual([await montre(page, 'fin'), await page.$('#Command1')], [true, null], '"Quitter" ends the program');
});

test('each chart, its box ticked, shows under the pointer what the shell reads there', async () => {
  const { page } = await ouvre({ ecran: [1024, 700] });   // room for the energy chart's column
  const graphes = natif(['Graphes']);
  for (const boite of new Set(graphes.map((g) => g.boite))) await page.click(await vu(page, boite));
  await appuie(page, 'Lancer');
  await attendsGraphe(page);
  for (const g of graphes) {
    const [x, y] = await page.$eval(await vu(page, g.titre), (e, x, y) => {
      const r = e.firstChild.getBoundingClientRect();
      return [r.left + x, r.top + y];
    }, g.x, g.y);
    await page.mouse.move(x, y);
    assert.equal(await bulle(page), g.bulle, g.titre);
  }
});
