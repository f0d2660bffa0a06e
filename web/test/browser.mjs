// Starts Debian's chromium headless through puppeteer-core (never a browser
// of its own) with a fresh profile, and opens the page from disk.
import puppeteer from 'puppeteer-core';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

export async function openPage(htmlPath, { downloads } = {}) {
  const profile = await mkdtemp(path.join(tmpdir(), 'zelkor-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--js-flags=--max-old-space-size=4096',
    ],
  });
  const page = await browser.newPage();
  await page.setViewport({ width: 1200, height: 900 });
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  if (downloads) {
    const session = await page.createCDPSession();
    await session.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  }
  await page.goto(pathToFileURL(htmlPath).href);
  await page.waitForSelector('body[data-ready="true"]', { timeout: 60_000 });
  const close = async () => {
    await browser.close();
    await rm(profile, { recursive: true, force: true });
  };
  return { browser, page, errors, close };
}

// Chooses a file through the file input and waits for the load to end.
export async function chooseFile(page, filePath) {
  const input = await page.$('#fileInput');
  await input.uploadFile(filePath);
  await idle(page);
}

// Waits until no call of the core runs.
export async function idle(page, timeout = 120_000) {
  await page.waitForFunction(() => !document.body.hasAttribute('aria-busy'), { timeout, polling: 20 });
}

export async function text(page, selector) {
  return page.$eval(selector, (element) => element.textContent ?? '');
}
