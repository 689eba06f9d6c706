// The browser tests' harness: Debian's chromium, headless, on a fresh profile,
// driven by puppeteer-core. Every console error and uncaught exception of the
// page is kept, and a test's end fails on any (see `sansErreur`).
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, existsSync } from 'node:fs';
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

/** A new tab on the page (file://, query `requete`), ready: the program loaded. */
export async function ouvre(navigateur, requete = '') {
  const page = await navigateur.newPage();
  const erreurs = [];
  page.on('console', (m) => { if (m.type() === 'error') erreurs.push(m.text()); });
  page.on('pageerror', (e) => erreurs.push(String(e)));
  await page.goto(pathToFileURL(fichierPage).href + requete);
  await page.waitForSelector('#Command1:not([disabled])');
  return { page, erreurs, sansErreur: () => assert.deepEqual(erreurs, [], 'erreurs de la page') };
}

/** Pixels of an area's drawing canvas: { largeur, hauteur, ratio, rgb(x, y) } in CSS px. */
export async function pixels(page, idZone) {
  const { largeur, hauteur, ratio, donnees } = await page.$eval(`#${idZone} canvas`, (c) => ({
    largeur: c.width, hauteur: c.height, ratio: window.devicePixelRatio,
    donnees: Array.from(c.getContext('2d').getImageData(0, 0, c.width, c.height).data),
  }));
  return {
    largeur, hauteur, ratio,
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
