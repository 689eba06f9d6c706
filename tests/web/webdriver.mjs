// WebKitGTK's MiniBrowser on a private Xvfb display, driven over W3C WebDriver
// on the loopback, behind the part of puppeteer's Page the shared tests use.
import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const kMiniBrowser = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

// Puppeteer's key names as WebDriver's key values.
const kTouches = { Enter: '\uE007', Backspace: '\uE003', Shift: '\uE008', Control: '\uE009', F1: '\uE031' };
const valeurTouche = (k) => kTouches[k] ?? (/^Key[A-Z]$/.test(k) ? k.slice(3).toLowerCase() : k);

const attends = (ms) => new Promise((r) => setTimeout(r, ms));

const portLibre = () => new Promise((fini) => {
  const s = createServer().listen(0, '127.0.0.1', () => { const { port } = s.address(); s.close(() => fini(port)); });
});

// The first line a server writes on `flux` as it starts: its address, its display number.
const premiereLigne = (processus, flux, quoi) => new Promise((pret, echec) => {
  processus.once('exit', () => echec(new Error(`${quoi} n'a pas démarré`)));
  flux.once('data', (d) => pret(String(d).trim()));
});

// Ends a process and resolves once it has gone.
export const termine = (processus) => new Promise((fini) => {
  if (processus.exitCode !== null || processus.signalCode !== null) return fini();
  processus.once('exit', fini);
  processus.kill();
});

/** A session bus of the tests' own that starts no service (scripts/bus-prive.conf): no desktop
 *  portal mounts anything in a temporary home, nothing outlives the run. Resolves to { adresse, arrete() }. */
export async function demarreBus() {
  const config = new URL('../../scripts/bus-prive.conf', import.meta.url).pathname;
  const processus = spawn('dbus-daemon', [`--config-file=${config}`, '--nofork', '--nopidfile', '--print-address=1'],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  const adresse = await premiereLigne(processus, processus.stdout, 'dbus-daemon');
  const tue = () => processus.kill();
  process.once('exit', tue);
  return { adresse, arrete: () => { process.off('exit', tue); return termine(processus); } };
}

// Xvfb on a display number it picks itself, of this size; resolves to { processus, affichage }.
function demarreXvfb([largeur, hauteur]) {
  const processus = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', `${largeur}x${hauteur}x24`, '-nolisten', 'tcp', '-noreset'],
    { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  return premiereLigne(processus, processus.stdio[3], 'Xvfb').then((n) => ({ processus, affichage: `:${n}` }));
}

/** Starts WebKitGTK on a display and a session bus of its own, `installe` run in the page after each
 *  load; resolves to { page, ferme() }, which resolves once every process it started has ended. */
export async function demarreWebKit({ installe, env = {} }) {
  const [xvfb, bus, port] = await Promise.all([demarreXvfb([2000, 1300]), demarreBus(), portLibre()]);
  const pilote = spawn('WebKitWebDriver', [`--port=${port}`, '--host=127.0.0.1'], { stdio: 'ignore',
    env: { ...process.env, ...env, DISPLAY: xvfb.affichage, DBUS_SESSION_BUS_ADDRESS: bus.adresse } });
  // Should the tests end without closing (an exception), the processes go too.
  const tue = () => { pilote.kill(); xvfb.processus.kill(); };
  process.once('exit', tue);
  const arrete = async () => { process.off('exit', tue); await termine(pilote); await termine(xvfb.processus); await bus.arrete(); };
  const dossier = mkdtempSync(join(tmpdir(), 'orbeline-cadre-'));   // a frame's page, see setViewport
  const base = `http://127.0.0.1:${port}`;

  async function requete(methode, chemin, corps) {
    const { value } = await (await fetch(base + chemin, {
      method: methode, headers: { 'Content-Type': 'application/json' },
      body: corps === undefined ? undefined : JSON.stringify(corps), signal: AbortSignal.timeout(60000),
    })).json();
    if (value?.error) throw new Error(`WebDriver ${chemin} : ${value.error} : ${value.message}`);
    return value;
  }
  for (let i = 0; !await requete('GET', '/status').catch((e) => { if (i > 100) throw e; }); ++i) await attends(50);
  const { sessionId } = await requete('POST', '/session', { capabilities: { alwaysMatch: {
    'webkitgtk:browserOptions': { binary: kMiniBrowser, args: ['--automation'] }, unhandledPromptBehavior: 'accept',
  } } });
  const session = (chemin, corps, methode = 'POST') => requete(methode, `/session/${sessionId}${chemin}`, corps);

  // A function's source called in the page (built here: the page's policy forbids eval).
  async function evalue(source, args) {
    const script = `const fini = arguments[arguments.length - 1];
      Promise.resolve().then(() => (${source}).apply(null, Array.from(arguments).slice(0, -1)))
        .then((v) => fini({ v: v === undefined ? null : v }), (e) => fini({ e: String(e) }));`;
    const r = await session('/execute/async', { script, args });
    if (r.e !== undefined) throw new Error(r.e);
    return r.v;
  }
  // Keys down and up; held ones stay down between calls, as a driver's input state does.
  const touches = (liste) => session('/actions', { actions: [{ type: 'key', id: 'clavier', actions: liste }] });
  const bas = (k) => ({ type: 'keyDown', value: valeurTouche(k) }), haut = (k) => ({ type: 'keyUp', value: valeurTouche(k) });

  // A viewport narrower than the window can be (its toolbar's width): the page in a frame of that size, a
  // document of its own whose viewport is the frame's.
  let cadre = null;
  const charge = async (chemin, corps) => {
    await page.releveErreurs();
    if (cadre && chemin === '/url') {
      const f = join(dossier, 'cadre.html');
      writeFileSync(f, `<!DOCTYPE html><body style="margin:0"><iframe src="${corps.url}" style="display:block;border:0;`
        + `width:${cadre[0]}px;height:${cadre[1]}px"></iframe>`);
      corps = { url: pathToFileURL(f).href };
    }
    await session(chemin, corps);
    if (cadre) await session('/frame', { id: 0 });
    await evalue(String(installe), []);
  };
  const page = {
    erreurs: [],
    dialogues: [],   // none seen: the driver accepts them
    async releveErreurs() {
      try { page.erreurs.push(...await evalue('() => (window.erreursVues || []).splice(0)', [])); } catch { /* between pages */ }
    },
    goto: (url) => charge('/url', { url }),
    // The viewport's size, CSS px, from the next load: the window's, less what the browser takes around the page.
    async setViewport({ width, height }) {
      cadre = null;
      await session('/frame', { id: null });
      for (let i = 0; i < 4; ++i) {
        const [l, h] = await evalue('() => [innerWidth, innerHeight]', []);
        if (l === width && h === height) return;
        const f = await session('/window/rect', undefined, 'GET');
        await session('/window/rect', { width: f.width + width - l, height: f.height + height - h });
      }
      cadre = [width, height];   // the window as narrow as it goes, wider
    },
    reload: () => charge('/refresh', {}),
    evaluate: (f, ...args) => evalue(String(f), args),
    $eval: (sel, f, ...args) => evalue(`(s, ...a) => (${f})(document.querySelector(s), ...a)`, [sel, ...args]),
    focus: (sel) => evalue('(s) => document.querySelector(s).focus()', [sel]),
    async click(sel) {
      const el = await session('/element', { using: 'css selector', value: sel });
      await session(`/element/${Object.values(el)[0]}/click`, {});
    },
    async waitForFunction(f, _options, ...args) {
      for (let i = 0; i < 200; ++i) { if (await evalue(String(f), args)) return; await attends(50); }
      throw new Error(`attente trop longue : ${String(f).slice(0, 80)}`);
    },
    waitForSelector: (sel) => page.waitForFunction('(s) => document.querySelector(s)', {}, sel),
    keyboard: {
      down: (k) => touches([bas(k)]),
      up: (k) => touches([haut(k)]),
      press: (k) => touches([bas(k), haut(k)]),
      type: (t) => touches([...t].flatMap((c) => [bas(c), haut(c)])),
    },
  };

  return { page, ferme: () => session('', undefined, 'DELETE').catch(() => {}).then(arrete)
    .finally(() => rmSync(dossier, { recursive: true, force: true })) };
}
