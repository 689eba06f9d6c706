// The page from file://: "Lancer" runs the default launch, its captions and drawing show.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { demarre, ouvre, pixels } from './navigateur.mjs';

let chromium;
before(async () => { chromium = await demarre(); });
after(async () => { await chromium?.ferme(); });

test('Lancer: impact captions and the orbit drawn', async () => {
  const { page, sansErreur } = await ouvre(chromium.navigateur);
  await page.click('#Command1');
  assert.equal(await page.$eval('#Label11', (e) => e.textContent), 'Impact à t =  8772 s');
  const p = await pixels(page, 'Picture1');
  assert.deepEqual(p.rgb(268, 268), [0, 128, 128], 'the Earth filled in teal');
  assert.ok(p.compte([0, 0, 0]) > 100, 'the trajectory in black');
  sansErreur();
});
