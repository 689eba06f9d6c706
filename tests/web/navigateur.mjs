// The browser tests' harness: Debian's chromium, headless, on a fresh profile,
// driven by puppeteer-core. Every console error and uncaught exception of the
// page is kept, and a test's end fails on any (see `sansErreur`).
import assert from 'node:assert/strict';
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

/** A new tab on the page at `url` (file:// by default), `ratio` device pixels
 *  per CSS pixel, ready: the program loaded. */
export async function ouvre(navigateur, { url = urlFichier(), ratio = 1 } = {}) {
  const page = await navigateur.newPage();
  const erreurs = [];
  page.on('console', (m) => { if (m.type() === 'error') erreurs.push(m.text()); });
  page.on('pageerror', (e) => erreurs.push(String(e)));
  await page.setViewport({ width: 800, height: 600, deviceScaleFactor: ratio });
  await page.goto(url);
  await page.waitForSelector('#Command1:not([disabled])');
  return { page, erreurs, sansErreur: () => assert.deepEqual(erreurs, [], 'erreurs de la page') };
}

/** Resolves after the page's next animation frame. */
export const imageSuivante = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => r())));

/** Pixels of one of an area's canvases (0 the drawing, 1 the marker layer),
 *  read in CSS px: { largeur, hauteur (device px), rgb(x, y), compte(rgb) }. */
export async function pixels(page, idZone, calque = 0) {
  const { largeur, hauteur, ratio, donnees } = await page.$eval(`#${idZone}`, (zone, calque) => {
    const c = zone.querySelectorAll('canvas')[calque];
    return {
      largeur: c.width, hauteur: c.height, ratio: window.devicePixelRatio,
      donnees: Array.from(c.getContext('2d').getImageData(0, 0, c.width, c.height).data),
    };
  }, calque);
  return {
    largeur, hauteur,
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
