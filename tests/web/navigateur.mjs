// The browser tests' harness: one engine a run, ORBELINE_MOTEUR (chromium, the
// default; firefox over WebDriver BiDi; webkit, webdriver.mjs), one tab for
// every test file. The page's console errors, exceptions and policy violations
// are kept; `sansErreur`, which each test file runs after each test, fails on any.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { createServer } from 'node:http';
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';
import { demarreBus, demarreWebKit } from './webdriver.mjs';

// The single HTML file `make web` writes; ORBELINE_PAGE names another.
export const fichierPage = resolve(process.env.ORBELINE_PAGE ??
  new URL('../../build-web/web/orbeline.html', import.meta.url).pathname);

export const nomMoteur = process.env.ORBELINE_MOTEUR ?? 'chromium';

const pagePresente = () => assert.ok(existsSync(fichierPage), `page absente : ${fichierPage} (lancez make web)`);

// A browser on a session bus of its own, which it outlives by nothing: { navigateur, ferme() }.
async function surBusPrive(options) {
  const bus = await demarreBus();
  const navigateur = await puppeteer.launch({ ...options, env: { ...process.env, DBUS_SESSION_BUS_ADDRESS: bus.adresse } })
    .catch(async (e) => { await bus.arrete(); throw e; });
  return { navigateur, ferme: () => navigateur.close().finally(bus.arrete) };
}

/** Chromium alone, also for the benchmark. */
export async function demarre() {
  pagePresente();
  return surBusPrive({   // its own profile, in a folder puppeteer removes
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', headless: true,
    args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
}

// Set as the page loads: the browser's language `l`.
function parle(l) {
  for (const [nom, valeur] of [['language', l], ['languages', [l]]])
    Object.defineProperty(navigator, nom, { get: () => valeur, configurable: true });
}

// Set as the page loads: the clipboard's writes kept in `window.copies`,
// errors in `window.erreursVues` (WebKit's driver reports none).
function espions() {
  window.copies = [];
  if (navigator.clipboard) navigator.clipboard.writeText = (t) => { window.copies.push(t); return Promise.resolve(); };
  const vues = window.erreursVues = [];
  document.addEventListener('securitypolicyviolation', (e) => vues.push(`CSP : ${e.violatedDirective} ${e.blockedURI}`));
  window.addEventListener('error', (e) => vues.push(String(e.message)));
  window.addEventListener('unhandledrejection', (e) => vues.push(String(e.reason)));
}

async function demarreMoteur() {
  pagePresente();
  const dossier = mkdtempSync(join(tmpdir(), `orbeline-${nomMoteur}-`));   // its downloads
  let page, navigateur, fin;
  if (nomMoteur === 'webkit') {
    // Its downloads go to its home; French, the page's language.
    ({ page, ferme: fin } = await demarreWebKit({ installe: espions, env: { HOME: dossier, LANG: 'fr_FR.UTF-8', LANGUAGE: '', LC_ALL: '' } }));
  } else {
    // Firefox ESR over WebDriver BiDi, its downloads into `dossier`.
    ({ navigateur, ferme: fin } = nomMoteur === 'firefox' ? await surBusPrive({
      browser: 'firefox', executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr', headless: true,
      extraPrefsFirefox: { 'browser.download.dir': dossier, 'browser.download.folderList': 2, 'browser.download.useDownloadDir': true },
    }) : await demarre());
    // A puppeteer tab: its errors and dialogs kept (each accepted), its downloads into `dossier`.
    page = Object.assign(await navigateur.newPage(), { erreurs: [], dialogues: [] });
    page.on('console', (m) => { if (m.type() === 'error') page.erreurs.push(m.text()); });
    page.on('pageerror', (e) => page.erreurs.push(String(e)));
    page.on('dialog', (d) => { page.dialogues.push(d.type()); d.accept(); });
    await page.evaluateOnNewDocument(parle, 'fr-FR');
    await page.evaluateOnNewDocument(espions);
    if (nomMoteur === 'chromium')
      await (await page.createCDPSession()).send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: dossier });
  }
  return { page, dossier, ferme: () => fin().then(() => rmSync(dossier, { recursive: true, force: true })) };
}

let enCours = null;
/** The engine of this run, started at the first call: { page, dossier }. */
export const moteur = () => (enCours ??= demarreMoteur());
export const ferme = async () => { const m = enCours; enCours = null; await (await m)?.ferme(); };

/** The page from file://. */
export const urlFichier = () => pathToFileURL(fichierPage).href;

/** The page from a web server on the loopback: { url, ferme() }. */
export async function sert() {
  const page = readFileSync(fichierPage);
  const serveur = createServer((_, rep) => rep.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' }).end(page));
  await new Promise((pret) => serveur.listen(0, '127.0.0.1', pret));
  return { url: `http://127.0.0.1:${serveur.address().port}/orbeline.html`, ferme: () => new Promise((f) => serveur.close(f)) };
}

/** The tab on the page at `url` loaded afresh, past the start screen unless
 *  `accueil`; where the engine can: pixel `ratio`, `tactile`, `mobile`, `ecran` size, `langue`,
 *  a function run `avant` the page's scripts for this load. */
export async function ouvre({ url = urlFichier(), ratio = 1, tactile = false, mobile = false, ecran = [800, 600],
  accueil = false, langue = null, avant = null } = {}) {
  const { page } = await moteur();
  await page.setViewport?.({ width: ecran[0], height: ecran[1], deviceScaleFactor: ratio, hasTouch: tactile, isMobile: mobile });
  const langueVue = langue && await page.evaluateOnNewDocument(parle, langue);
  const avantVu = avant && await page.evaluateOnNewDocument(avant);
  await page.evaluate(() => { try { sessionStorage.clear(); } catch { /* not the page yet */ } });
  // WebKit's spies come after the page's scripts: its language comes with the link.
  if (nomMoteur === 'webkit' && !langue && !url.includes('langue=')) url += (url.includes('?') ? '&' : '?') + 'langue=fr';
  await page.goto(url);
  for (const vu of [langueVue, avantVu]) if (vu) await page.removeScriptToEvaluateOnNewDocument(vu.identifier);
  await page.waitForSelector('#accueil-Command1');
  if (!accueil) await page.click('#accueil-Command1').then(() => page.waitForSelector('#Command1'));
  return { page, sansErreur };
}

/** Fails on the errors the page reported since the last call. */
export async function sansErreur() {
  const { page } = await moteur();
  await page.releveErreurs?.();
  assert.deepEqual(page.erreurs.splice(0), [], 'erreurs de la page');
}

/** The window at its starting values without a load ("Valeurs de départ"), dialogs closed. */
export async function remet() {
  const { page } = await moteur();
  if (!await page.evaluate(() => !!document.getElementById('Command1'))) return ouvre();   // start screen, or quit
  await page.evaluate(() => { for (const d of document.querySelectorAll('dialog[open]')) d.close(); window.copies = []; });
  await page.click('#menu-1');
  await page.click('#action-8');
  await page.focus('#Text1');
  return { page, sansErreur };
}

/** Types into a field as the pupil does: select all, then each key (or Backspace for ""). */
export async function tape(page, id, texte) {
  await page.focus(`#${id}`);
  await touche(page, 'Control', 'KeyA');
  await (texte === '' ? page.keyboard.press('Backspace') : page.keyboard.type(texte));
}

/** A key with modifiers: touche(page, 'Control', 'Shift', 'KeyC'). */
export async function touche(page, ...touches) {
  for (const t of touches) await page.keyboard.down(t);
  for (const t of touches.reverse()) await page.keyboard.up(t);
}

/** Text shown by an element; a field's value. */
export const texte = (page, id) => page.$eval(`#${id}`, (e) => ('value' in e ? e.value : e.textContent));

/** The file the page downloads as `nom` (bytes for `encodage` null), then removed. */
export async function telecharge(nom, encodage = 'utf8') {
  const { dossier } = await moteur(), chemin = join(dossier, nom);
  // Firefox writes beside it first (.part), Chromium too (.crdownload), and Chromium may
  // make the file itself, empty, before it moves the download over it.
  const enCours = () => readdirSync(dossier).some((f) => f.endsWith('.part') || f.endsWith('.crdownload'));
  const fini = () => existsSync(chemin) && !enCours() && statSync(chemin).size > 0;
  for (let i = 0; i < 100 && !fini(); ++i) await new Promise((r) => setTimeout(r, 50));
  const contenu = readFileSync(chemin, encodage);
  rmSync(chemin);
  return contenu;
}

/** The desktop's results for these actions (scenarios.cpp), one per "Fin";
 *  `portable`: glibc's pow without FMA, as the page's C library has. */
export function natif(actions, { portable = false } = {}) {
  const programme = process.env.ORBELINE_SCENARIOS ??
    new URL('../../build/tests/web/scenarios_natifs', import.meta.url).pathname;
  const env = { ...process.env, ...(portable && { GLIBC_TUNABLES: 'glibc.cpu.hwcaps=-FMA,-AVX2' }) };
  const r = spawnSync(programme, { input: actions.join('\n') + '\n', env, encoding: 'utf8', maxBuffer: 64 << 20 });
  assert.equal(r.status, 0, `${programme} : ${r.stderr}`);
  return r.stdout.trim().split('\n').map((l) => JSON.parse(l));
}

export const attends = (ms) => new Promise((r) => setTimeout(r, ms));

/** Waits until the speed chart has marks, at any size and ratio: the star's frames come first, as slowly as the machine runs them. */
export async function attendsGraphe(page) {
  const blanc = async () => { const p = await pixels(page, 'Picture2'); return await p.compte([255, 255, 255]) === p.largeur * p.hauteur; };
  for (let i = 0; i < 200 && await blanc(); ++i) await attends(50);
}

/** Resolves after the page's next animation frame. */
export const imageSuivante = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => r())));

/** An area's canvas (0 the drawing, 1 the marker layer), read in the page:
 *  { largeur, hauteur (device px), rgb(x, y) in CSS px, compte(rgb), empreinte() a hash }. */
export async function pixels(page, idZone, calque = 0) {
  const lis = (quoi, args = []) => page.$eval(`#${idZone}`, (zone, calque, quoi, args) => {
    const c = zone.querySelectorAll('canvas')[calque];
    if (quoi === 'taille') return [c.width, c.height];
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    if (quoi === 'empreinte') return d.reduce((h, x) => Math.imul(h ^ x, 16777619), 2166136261) >>> 0;   // FNV-1a
    if (quoi === 'rgb') {
      const i = 4 * (Math.floor(args[1] * devicePixelRatio) * c.width + Math.floor(args[0] * devicePixelRatio));
      return [d[i], d[i + 1], d[i + 2]];
    }
    let n = 0;
    for (let i = 0; i < d.length; i += 4) if (d[i] === args[0] && d[i + 1] === args[1] && d[i + 2] === args[2]) ++n;
    return n;
  }, calque, quoi, args);
  const [largeur, hauteur] = await lis('taille');
  return { largeur, hauteur, rgb: (x, y) => lis('rgb', [x, y]), compte: (c) => lis('compte', c), empreinte: () => lis('empreinte') };
}

/** What a pupil may find too small or out of reach: visible texts under 12 px, controls (a box or an option
 *  with its label) under 24 × 24 px or off the screen's sides, a page wider than the screen. */
export const tropPetits = (page) => page.evaluate(() => {
  const vu = (e) => e.getClientRects().length && !e.closest('.invisible, [hidden]');
  const textes = [...document.querySelectorAll('body *')].filter((e) => vu(e) &&
    [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim()) && parseFloat(getComputedStyle(e).fontSize) < 12);
  const cibles = [...document.querySelectorAll('input:not([type=file]), button, label')].filter(vu)
    .map((e) => (e.closest('label') ?? e)).filter((e) => {
      const r = e.getBoundingClientRect();
      return r.width < 24 || r.height < 24 || r.left < 0 || r.right > innerWidth;
    });
  return { textes: textes.map((e) => e.id || e.textContent), cibles: cibles.map((e) => e.id || e.textContent),
    deborde: document.documentElement.scrollWidth > document.documentElement.clientWidth };
});
