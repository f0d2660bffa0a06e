// The user guide's pictures of the page: examples/transmit-sample.txt
// through each part, one screenshot each.
//   node pictures.mjs PAGE OUT_DIR
import path from 'node:path';
import { chooseFile, idle, openPage } from '../test/browser.mjs';
import { examples, generatorFields } from '../test/reference.mjs';

const [pagePath, out] = process.argv.slice(2);
const { page, close } = await openPage(pagePath);
await page.setViewport({ width: 1100, height: 820 });
const shot = (name) => page.screenshot({ path: path.join(out, `${name}.png`) });
const click = async (selector) => {
  await page.click(selector);
  await idle(page);
};

await chooseFile(page, path.join(examples, 'transmit-sample.txt'));
await shot('web-file');

await page.click('#tab-stats');
await page.select('#unit', '1');
await page.$eval('#sigmaN', (input) => (input.value = '2'));
await click('#filterSpectrum');
await page.click('input[name="display"][value="filtered"]');
await click('#defaultWidth');
await click('#data');
await page.evaluate(() => window.scrollTo(0, 0));
await shot('web-statistics');
await page.evaluate(() => document.getElementById('intervals').scrollIntoView());
await shot('web-histogram');

await page.click('#tab-emittance');
await click('#display');
await shot('web-emittance');
await page.click('input[name="mode"][value="sigma"]');
await click('#display');
await shot('web-sigma-matrix');

await page.click('#tab-transform');
await click('#calculate');
await shot('web-transform');

await page.click('#tab-generate');
for (const [name, value] of Object.entries(generatorFields)) {
  if (name === 'uniform' || name.startsWith('sign')) continue;
  await page.$eval(`#generator [name="${name}"]`, (input, v) => (input.value = v), value);
}
await shot('web-generate');
await close();
