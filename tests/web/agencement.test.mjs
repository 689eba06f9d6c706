// The page arranged by the room it has, whatever points on it, in the three engines (Firefox's and WebKitGTK's
// drivers report no finger: a mouse's case, the one to check there).
import assert from 'node:assert/strict';
import { after, afterEach, test } from 'node:test';
import { attends, attendsGraphe, ferme, nomMoteur, ouvre, pixels, sansErreur, tropPetits } from './navigateur.mjs';

after(ferme);
afterEach(sansErreur);

test('a window narrower or shorter than the desktop\'s has no sideways scroll, no text under 12 px nor target under 24 px, '
  + 'and shows "Lancer", the message strip and the orbit view at once; a screen much larger shows the window larger', async () => {
  // A Chromebook at 200 %, a half-screen window, a narrow one, a phone's width, a phone on its side by touch, a netbook.
  const ecrans = nomMoteur === 'chromium' ? [[683, 384], [500, 700], [760, 600], [390, 844], [844, 390, true], [1024, 515]]
    : [[390, 844], [683, 384]];
  for (const [l, h, tactile = false] of ecrans) {
    const { page } = await ouvre({ ecran: [l, h], tactile, mobile: tactile });
    await page.click('#vitesse');
    await page.click('#Command1');
    await attendsGraphe(page);
    const vus = await page.evaluate(() => ['message', 'Command1', 'Picture1'].filter((id) => {
      const r = document.getElementById(id).getBoundingClientRect();
      return scrollY === 0 && r.left >= 0 && r.top >= 0 && r.right <= innerWidth && r.bottom <= innerHeight;
    }));
    assert.deepEqual({ ...await tropPetits(page), vus }, { textes: [], cibles: [], deborde: false, vus: ['message', 'Command1', 'Picture1'] },
      `${l} × ${h}`);
  }
  // 1920 × 1080: the window at 1.8 times its size, its smallest text 11 px × 1.8.
  const { page } = await ouvre({ ecran: [1920, 1080] });
  assert.deepEqual(await page.evaluate(() => [document.getElementById('fenetre').offsetWidth / innerWidth > 0.6,
    Math.round(10 * Math.min(...[...document.querySelectorAll('#fenetre *')].filter((e) => e.getClientRects().length
      && !e.closest('[hidden], .invisible') && [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim()))
      .map((e) => parseFloat(getComputedStyle(e).fontSize)))) / 10]), [true, 19.8]);
});

test('resized, the page is as opened at its new size: the view\'s drawing in two columns; the window, where it fits again',
  async () => {
  // Opened at `ecran`, launched (with the speed's charts), resized to `vers` if given: what `lis` reads then.
  const lance = async (ecran, vers, lis) => {
    const { page } = await ouvre({ ecran });
    await page.click('#vitesse');
    await page.click('#Command1');
    await attendsGraphe(page);
    if (vers) await page.setViewport({ width: vers[0], height: vers[1], deviceScaleFactor: 1, hasTouch: false, isMobile: false });
    await attends(300);
    return lis(page);
  };
  const dessin = async (page) => (await pixels(page, 'Picture1')).empreinte();
  assert.equal(await lance([1024, 700], [844, 390], dessin), await lance([844, 390], null, dessin), 'the view after the window shrank');
  if (nomMoteur !== 'chromium') return;   // the window's pixels, from two columns and from 1.8 times larger
  const fenetre = (page) => page.screenshot({ clip: { x: 0, y: 0, width: 800, height: 600 } });
  const ici = await lance([800, 600], null, fenetre);
  for (const ecran of [[1024, 515], [1920, 1080]]) assert.ok((await lance(ecran, [800, 600], fenetre)).equals(ici), ecran.join(' × '));
});
