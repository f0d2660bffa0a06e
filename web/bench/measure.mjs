// Measures the page in headless chromium on a large TRANSMIT.TXT: load
// (file chosen to count shown) against a plain JavaScript line count of the
// same File, statistics, a 1001-interval histogram, the phase-space plot of
// every ion, and the renderer's memory.
//   node measure.mjs PAGE FILE [FILE_10M]
import { readFileSync, readdirSync, statSync } from 'node:fs';
import { chooseFile, idle, openPage, text } from '../test/browser.mjs';

const [pagePath, file, bigFile] = process.argv.slice(2);

// Resident memory of the browser's renderer processes (page and its worker), in MB.
function rendererMb(browserPid) {
  const parents = new Map();
  for (const pid of readdirSync('/proc').filter((p) => /^\d+$/.test(p))) {
    try {
      parents.set(pid, readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' ')[1]);
    } catch {}
  }
  const descends = (pid) => pid === String(browserPid) || (parents.has(pid) && pid !== '1' && descends(parents.get(pid)));
  let kb = 0;
  for (const pid of parents.keys()) {
    try {
      if (!descends(pid) || !readFileSync(`/proc/${pid}/cmdline`, 'utf8').includes('--type=renderer')) continue;
      kb += Number(/VmRSS:\s+(\d+)/.exec(readFileSync(`/proc/${pid}/status`, 'utf8'))[1]);
    } catch {}
  }
  return Math.round(kb / 1024);
}

// Milliseconds from a click until the page is idle and has drawn.
async function timed(page, selector) {
  return page.evaluate(
    (id) =>
      new Promise((resolve) => {
        const start = performance.now();
        const observer = new MutationObserver(() => {
          if (document.body.hasAttribute('aria-busy')) return;
          observer.disconnect();
          setTimeout(() => resolve(performance.now() - start), 0);
        });
        observer.observe(document.body, { attributes: true });
        document.querySelector(id).click();
      }),
    selector,
  );
}

async function lineCount(page, path) {
  await page.evaluate(() => {
    const input = document.createElement('input');
    input.type = 'file';
    input.id = 'benchInput';
    document.body.append(input);
  });
  await (await page.$('#benchInput')).uploadFile(path);
  return page.evaluate(async () => {
    const start = performance.now();
    const lines = (await document.getElementById('benchInput').files[0].text()).split('\n').length;
    return { ms: performance.now() - start, lines };
  });
}

// The set's storage: a ParticleRecord per ion and the unused record 0.
async function setMb(page) {
  const ions = Number(await text(page, '#count'));
  return Math.round(((ions + 1) * 72) / 1024 / 1024);
}

async function load(page, path) {
  await page.evaluate(() => {
    const input = document.getElementById('fileInput');
    input.addEventListener('change', () => (window.benchStart = performance.now()), { capture: true, once: true });
    const count = document.getElementById('count');
    new MutationObserver(() => (window.benchShown = performance.now())).observe(count, { childList: true });
    // The longest wait between two frames while the worker loads: the page's responsiveness.
    window.benchPause = 0;
    let last = performance.now();
    const frame = (now) => {
      window.benchPause = Math.max(window.benchPause, now - last);
      last = now;
      if (!window.benchShown) requestAnimationFrame(frame);
    };
    window.benchShown = 0;
    requestAnimationFrame(frame);
  });
  await chooseFile(page, path);
  return page.evaluate(() => window.benchShown - window.benchStart);
}

const { browser, page, close } = await openPage(pagePath);
const pid = browser.process().pid;
const report = (name, value) => console.log(`${name.padEnd(44)} ${value}`);
report('page size', `${(statSync(pagePath).size / 1024 / 1024).toFixed(2)} MB`);
// Memory in the freshly opened page: before and after one load.
const before = rendererMb(pid);
report('renderer memory before a load', `${before} MB`);
await load(page, file);
const loaded = rendererMb(pid);
report('renderer memory after a load', `${loaded} MB (+${loaded - before} MB; the set's storage ${await setMb(page)} MB)`);

// The machine may be busy: each figure is the median of three rounds, each
// load in a freshly opened page.
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const loads = [];
const counts = [];
for (let round = 0; round < 3; round++) {
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  loads.push(await load(page, file));
  counts.push((await lineCount(page, file)).ms);
}
report(`plain JS count of lines (${(statSync(file).size / 1e6).toFixed(0)} MB)`, `${median(counts).toFixed(0)} ms`);
report('load, file chosen to count shown', `${median(loads).toFixed(0)} ms (${await text(page, '#count')} ions)`);
report('load / plain count', `${(median(loads) / median(counts)).toFixed(2)}`);
report('longest frame during the last load', `${(await page.evaluate(() => window.benchPause)).toFixed(0)} ms`);
await page.reload();
await page.waitForSelector('body[data-ready="true"]');
await load(page, file);

await page.click('#tab-stats');
report('Basic Analysis (statistics)', `${(await timed(page, '#basicAnalysis')).toFixed(0)} ms`);
await page.click('#tab-stats');
await page.$eval('#width', (input) => (input.value = ''));
await page.click('#defaultWidth');
await idle(page);
// The default width of a range gives about a hundred intervals; a tenth of it about a thousand.
const width = await page.$eval('#width', (input) => input.value);
await page.$eval('#width', (input, w) => (input.value = String(Number(w) / 9.9)), width);
const histogram = await timed(page, '#data');
report(`histogram (${await text(page, '#intervals')})`, `${histogram.toFixed(0)} ms`);
await page.click('#tab-emittance');
report('phase-space plot of every ion', `${(await timed(page, '#display')).toFixed(0)} ms`);
report('renderer memory after the plot', `${rendererMb(pid)} MB`);

if (bigFile) {
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  await page.click('#tab-file');
  report('load of the large file', `${(await load(page, bigFile)).toFixed(0)} ms (${await text(page, '#count')} ions)`);
  report('renderer memory after it', `${rendererMb(pid)} MB`);
}
await close();
