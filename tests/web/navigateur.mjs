// The browser tests' harness: Debian's chromium, headless, on a fresh profile,
// driven by puppeteer-core. Every console error and uncaught exception of the
// page is kept, and a test's end fails on any (see `sansErreur`).
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, rmSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

// The single HTML file `make web` writes; ORBELINE_PAGE names another.
export const fichierPage = resolve(process.env.ORBELINE_PAGE ??
  new URL('../../build-web/web/orbeline.html', import.meta.url).pathname);

export const drapeaux = [
  '--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

/** Starts chromium; `drapeauxEnPlus` for a benchmark's own settings. */
export async function demarre(drapeauxEnPlus = []) {
  assert.ok(existsSync(fichierPage), `page absente : ${fichierPage} (lancez make web)`);
  const profil = mkdtempSync(join(tmpdir(), 'orbeline-chromium-'));
  const navigateur = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: [...drapeaux, ...drapeauxEnPlus, `--user-data-dir=${profil}`],
  });
  navigateur.profil = profil;   // downloads go there too, and go with it
  return {
    navigateur,
    async ferme() {
      await navigateur.close();
      rmSync(profil, { recursive: true, force: true });
    },
  };
}

/** The page from file://. */
export const urlFichier = () => pathToFileURL(fichierPage).href;

/** The page from a plain web server on the loopback: { url, ferme() }. */
export async function sert() {
  const page = readFileSync(fichierPage);
  const serveur = createServer((_, rep) => {
    rep.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
    rep.end(page);
  });
  await new Promise((pret) => serveur.listen(0, '127.0.0.1', pret));
  return {
    url: `http://127.0.0.1:${serveur.address().port}/orbeline.html`,
    ferme: () => new Promise((fini) => serveur.close(fini)),
  };
}

// Set in the page before its scripts: the clipboard's writes kept in
// `window.copies`; `langue` as the browser's language (French unless said).
function espions(langue) {
  window.copies = [];
  if (navigator.clipboard) navigator.clipboard.writeText = (t) => { window.copies.push(t); return Promise.resolve(); };
  Object.defineProperty(navigator, 'language', { get: () => langue });
  Object.defineProperty(navigator, 'languages', { get: () => [langue] });
}

/** A new tab on the page at `url` (file:// by default), `ratio` device pixels
 *  per CSS pixel, past the start screen unless `accueil`; `langue` the
 *  browser's language. Its downloads go to `page.dossier`. */
export async function ouvre(navigateur, { url = urlFichier(), ratio = 1, accueil = false, langue = 'fr-FR' } = {}) {
  const page = await navigateur.newPage();
  const erreurs = [];
  page.on('console', (m) => { if (m.type() === 'error') erreurs.push(m.text()); });
  page.on('pageerror', (e) => erreurs.push(String(e)));
  await page.setViewport({ width: 800, height: 600, deviceScaleFactor: ratio });
  await page.evaluateOnNewDocument(espions, langue);
  page.dossier = mkdtempSync(join(navigateur.profil ?? tmpdir(), 'telechargements-'));
  await (await page.createCDPSession()).send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: page.dossier });
  await page.goto(url);
  await page.waitForSelector('#accueil-Command1');
  if (!accueil) {
    await page.click('#accueil-Command1');
    await page.waitForSelector('#Command1');
  }
  return { page, erreurs, sansErreur: () => assert.deepEqual(erreurs, [], 'erreurs de la page') };
}

/** Types into a field as the pupil does: select all, then each key (or Backspace for ""). */
export async function tape(page, id, texte) {
  await page.focus(`#${id}`);
  await page.keyboard.down('Control');
  await page.keyboard.press('KeyA');
  await page.keyboard.up('Control');
  if (texte === '') await page.keyboard.press('Backspace');
  else await page.keyboard.type(texte);
}

/** A key with modifiers: touche(page, 'Control', 'Shift', 'KeyC'). */
export async function touche(page, ...touches) {
  for (const t of touches.slice(0, -1)) await page.keyboard.down(t);
  await page.keyboard.press(touches.at(-1));
  for (const t of touches.slice(0, -1).reverse()) await page.keyboard.up(t);
}

/** Text shown by an element; a field's value. */
export const texte = (page, id) => page.$eval(`#${id}`, (e) => ('value' in e ? e.value : e.textContent));

/** The content of the file the page downloads as `nom`, once it is there
 *  (text, or bytes for `encodage` null). */
export async function telecharge(page, nom, encodage = 'utf8') {
  const chemin = join(page.dossier, nom);
  for (let i = 0; i < 100 && !existsSync(chemin); ++i) await new Promise((r) => setTimeout(r, 50));
  return readFileSync(chemin, encodage);
}

/** The desktop's results for these actions (scenarios.cpp), one per "Fin";
 *  `portable`: with glibc's pow without FMA, the one the page's C library has. */
export function natif(actions, { portable = false } = {}) {
  const programme = process.env.ORBELINE_SCENARIOS ??
    new URL('../../build/tests/web/scenarios_natifs', import.meta.url).pathname;
  const env = { ...process.env, ...(portable ? { GLIBC_TUNABLES: 'glibc.cpu.hwcaps=-FMA,-AVX2' } : {}) };
  const r = spawnSync(programme, { input: actions.join('\n') + '\n', env, encoding: 'utf8', maxBuffer: 64 << 20 });
  assert.equal(r.status, 0, `${programme} : ${r.stderr}`);
  return r.stdout.trim().split('\n').map((l) => JSON.parse(l));
}

/** Resolves after the page's next animation frame. */
export const imageSuivante = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => r())));

/** Pixels of one of an area's canvases (0 the drawing, 1 the marker layer),
 *  read in CSS px: { largeur, hauteur (device px), donnees (RGBA bytes), rgb(x, y), compte(rgb) }. */
export async function pixels(page, idZone, calque = 0) {
  const { largeur, hauteur, ratio, donnees: base64 } = await page.$eval(`#${idZone}`, (zone, calque) => {
    const c = zone.querySelectorAll('canvas')[calque];
    return {
      largeur: c.width, hauteur: c.height, ratio: window.devicePixelRatio,
      // As base64: a million numbers in JSON take seconds.
      donnees: (() => {
        const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
        let b = '';
        for (let i = 0; i < d.length; i += 0x8000) b += String.fromCharCode.apply(null, d.subarray(i, i + 0x8000));
        return btoa(b);
      })(),
    };
  }, calque);
  const donnees = Buffer.from(base64, 'base64');
  return {
    largeur, hauteur, donnees,
    rgb(x, y) {
      const i = 4 * (Math.floor(y * ratio) * largeur + Math.floor(x * ratio));
      return [donnees[i], donnees[i + 1], donnees[i + 2]];
    },
    compte(rgb) {
      let n = 0;
      for (let i = 0; i < donnees.length; i += 4)
        if (donnees[i] === rgb[0] && donnees[i + 1] === rgb[1] && donnees[i + 2] === rgb[2]) ++n;
      return n;
    },
  };
}
