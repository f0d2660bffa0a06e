// The page opened from disk in headless chromium: every part driven as a
// person would, the texts shown and the files downloaded compared with
// zelkor-batch. Screenshots go to ZELKOR_SCREENSHOTS.
import assert from 'node:assert/strict';
import { existsSync, mkdirSync, mkdtempSync, readFileSync, readdirSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { after, before, describe, test } from 'node:test';
import { chooseFile, idle, openPage, text } from '../browser.mjs';
import {
  batchFile, batchLines, batchRun, examples, generatorFields, generatorOptions, madeTransmit, matrixTexts, pagePath,
} from '../reference.mjs';

const shots = process.env.ZELKOR_SCREENSHOTS ?? path.join(tmpdir(), 'zelkor-screenshots');
mkdirSync(shots, { recursive: true });
const downloads = mkdtempSync(path.join(tmpdir(), 'zelkor-downloads-'));
const made = path.join(mkdtempSync(path.join(tmpdir(), 'zelkor-e2e-')), 'made.txt');
writeFileSync(made, madeTransmit(), 'latin1');
const transmit = path.join(examples, 'transmit-sample.txt');

let browser;
let page;
const shot = (name) => page.screenshot({ path: path.join(shots, `${name}.png`), fullPage: true });
const click = async (selector) => {
  await page.click(selector);
  await idle(page);
};
const fill = async (selector, value) => {
  await page.$eval(selector, (input) => (input.value = ''));
  await page.type(selector, value);
};
const lines = async (selector) => (await text(page, selector)).split('\n').filter((l) => l !== '');

// Waits for a download to end and takes its bytes.
async function downloaded(name) {
  const file = path.join(downloads, name);
  for (let k = 0; k < 300 && !existsSync(file); k++) await new Promise((r) => setTimeout(r, 50));
  assert.ok(existsSync(file), `${name} in ${readdirSync(downloads)}`);
  return readFileSync(file);
}

before(async () => {
  browser = await openPage(pagePath, { downloads });
  page = browser.page;
});
after(async () => {
  assert.deepEqual(browser.errors, []);
  await browser.close();
});

describe('the page from disk', () => {
  test('a file chosen shows its count, header and preview', async () => {
    await chooseFile(page, made);
    const info = batchLines('info', made);
    assert.equal(await text(page, '#count'), info[1].replace('count: ', ''));
    assert.equal(await text(page, '#header'), info[4].replace('header: ', ''));
    assert.equal(await text(page, '#warnings'), batchRun('info', made).err);
    const firstRow = await page.$$eval('#preview tbody tr:first-child td', (cells) => cells.map((c) => c.textContent));
    assert.equal(firstRow[0], '1');
    await shot('file');
  });

  test('the parts are reached with the keyboard', async () => {
    await page.focus('#tab-file');
    await page.keyboard.press('ArrowRight');
    assert.equal(await page.$eval('#part-stats', (part) => part.hidden), false);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'tab-stats');
    await page.keyboard.press('ArrowLeft');
    assert.equal(await page.$eval('#part-file', (part) => part.hidden), false);
  });

  test('a file dropped loads as well', async () => {
    const content = readFileSync(transmit, 'latin1');
    await page.evaluate((bytes) => {
      const transfer = new DataTransfer();
      transfer.items.add(new File([Uint8Array.from(bytes, (c) => c.charCodeAt(0))], 'dropped.txt'));
      document.getElementById('drop').dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true }));
    }, content);
    await idle(page);
    assert.equal(await text(page, '#fileName'), 'dropped.txt');
    assert.equal(await text(page, '#count'), batchLines('info', transmit)[1].replace('count: ', ''));
  });

  test('statistics, filter and histogram show the batch tool\'s texts', async () => {
    await chooseFile(page, made);
    await page.click('#tab-stats');
    await page.select('#unit', '1');
    await click('#basicAnalysis');
    assert.deepEqual(await lines('#report'), batchLines('stats', made, '--quantity', 'KinEnerg', '--unit', 'keV', '--more'));
    await fill('#sigmaN', '2');
    await click('#filterSpectrum');
    assert.deepEqual(await lines('#report'), batchLines('stats', made, '--quantity', 'KinEnerg', '--unit', 'keV', '--filter', '2'));
    await page.click('input[name="display"][value="filtered"]');
    await click('#defaultWidth');
    await click('#data');
    const table = await page.$$eval('#histogramTable tr', (rows) => rows.map((r) => [...r.cells].map((c) => c.textContent).join('\t')));
    const args = ['--quantity', 'KinEnerg', '--unit', 'keV', '--display', 'filtered', '--filter', '2', '--default'];
    assert.deepEqual(table, batchLines('histogram', made, ...args));
    await page.click('#logScale');
    await shot('statistics');
    await page.click('#histogramPng');
    assert.deepEqual([...(await downloaded('made_KinEnerg.png')).subarray(1, 4)], [0x50, 0x4e, 0x47]);
  });

  test('a unit changed converts the width and hides the histogram of the old unit', async () => {
    const before = await page.$eval('#width', (input) => input.value);
    const intervals = await text(page, '#intervals');
    await page.select('#unit', '2');
    await idle(page);
    const after = await page.$eval('#width', (input) => input.value);
    assert.ok(Math.abs(Number(after) * 1000 / Number(before) - 1) < 1e-6, `${before} keV -> ${after} MeV`);
    assert.equal(await page.$$eval('#histogramTable tr', (rows) => rows.length), 0);
    assert.equal(await text(page, '#intervals'), '');
    await click('#data');
    assert.equal(await text(page, '#intervals'), intervals);
  });

  test('emittance plots every ion; the sigma matrix is the batch tool\'s', async () => {
    await page.click('#tab-emittance');
    await click('#display');
    const inked = await page.$eval('#emittanceChart', (canvas) => {
      const data = canvas.getContext('2d').getImageData(80, 20, canvas.width - 100, canvas.height - 90).data;
      let dark = 0;
      for (let k = 0; k < data.length; k += 4) if (data[k] < 200) dark++;
      return dark;
    });
    assert.ok(inked > 20, `${inked} inked pixels`);
    await shot('emittance');
    await page.click('input[name="mode"][value="sigma"]');
    await click('#display');
    const matrix = await page.$$eval('#sigmaMatrix tr', (rows) => rows.map((r) => [...r.cells].map((c) => c.textContent).join('\t')));
    assert.deepEqual([...matrix, ...(await lines('#beamParameters'))], batchLines('sigma-matrix', made, '--twiss'));
  });

  test('the transform lists the ions and downloads the transformed file', async () => {
    await page.click('#tab-transform');
    const edits = await page.$$('#matrix input');
    for (const [k, edit] of edits.entries()) {
      await edit.click({ clickCount: 3 });
      await edit.type(matrixTexts[k]);
    }
    await click('#calculate');
    await page.waitForSelector('#transformGrid tbody tr');
    const first = await page.$$eval('#transformGrid tbody tr:first-child td', (cells) => cells.map((c) => c.textContent));
    const listing = batchLines('transform', made, '--matrix', matrixTexts.join(' '));
    assert.equal(first.join('\t'), listing[1]);
    await shot('transform');
    await page.click('#saveTransformed');
    assert.deepEqual(await downloaded('made_transformed.txt'), batchFile(['transform', made, '--matrix', matrixTexts.join(' ')]));
  });

  test('the conversions download the batch tool\'s bytes', async () => {
    await chooseFile(page, made);
    await page.click('#tab-file');
    await page.click('#saveFiltered');
    assert.deepEqual(await downloaded('made_filtered.txt'), batchFile(['convert', made, '--to', 'transmit']));
    await page.click('#savePnt');
    assert.deepEqual(await downloaded('made.pnt'), batchFile(['convert', made, '--to', 'pnt']));
    await fill('#setX', '5000');
    await page.click('#saveTrim');
    assert.deepEqual(await downloaded('made_TRIM.DAT'), batchFile(['convert', made, '--to', 'trim', '--set-x', '5000']));
  });

  test('the generator checks its fields and writes the batch tool\'s beam', async () => {
    await page.click('#tab-generate');
    for (const [name, value] of Object.entries(generatorFields)) {
      if (name === 'uniform') continue;
      const selector = `#generator [name="${name}"]`;
      if (name.startsWith('sign')) await page.select(selector, value);
      else await fill(selector, value);
    }
    await page.click('#generator input[name="uniform"][value="z"]');
    await fill('#generator [name="particles"]', '');
    await click('#generate');
    const expected = batchRun('generate', ...generatorOptions({ ...generatorFields, particles: '' }), '-o', '/dev/null').err;
    assert.equal(await text(page, '#messageText'), expected);
    await fill('#generator [name="particles"]', '200');
    await click('#generate');
    assert.equal(await text(page, '#generated'), '200');
    assert.deepEqual(await downloaded('TRIM.DAT'), batchFile(['generate', ...generatorOptions()]));
    await shot('generate');
  });

  test('a bad file shows the core\'s message', async () => {
    await page.click('#tab-file');
    await page.select('#kind', 'transmit');
    await chooseFile(page, path.join(examples, 'winagile-sample.pnt'));
    assert.equal(await text(page, '#messageText'), batchRun('info', path.join(examples, 'winagile-sample.pnt'), '--kind', 'transmit').err);
    await shot('refused');
  });
});
