// Produces docs/capture-navigateur.png, the README's picture of the web page
// beside the desktop's (docs/capture.png, scripts/screenshot.sh): the same
// steps in headless chromium, past the start screen, both chart groups
// checked, a launch on the geostationary orbit, then the default launch (the
// fall onto the Earth) with its impact texts. Run by `make screenshot`.
import { ferme, ouvre, tape } from '../tests/web/navigateur.mjs';

try {
  const { page, sansErreur } = await ouvre();
  await page.click('#vitesse');
  await page.click('#xy');
  for (const [champ, valeur] of [['Text3', '0'], ['Text4', '42164'], ['Text1', '3078']]) await tape(page, champ, valeur);
  await page.click('#Command1');
  for (const [champ, valeur] of [['Text3', '-30000'], ['Text4', '0'], ['Text1', '0']]) await tape(page, champ, valeur);
  await page.click('#Command1');
  await page.mouse.move(0, 599);
  await new Promise((r) => setTimeout(r, 1000));   // the star's frames, then the charts
  await (await page.$('#fenetre')).screenshot({ path: new URL('../docs/capture-navigateur.png', import.meta.url).pathname });
  await sansErreur();
  console.log('docs/capture-navigateur.png écrit');
} finally {
  await ferme();
}
