// What the tests compare with: zelkor-batch of the Linux build, and the files
// they share. ZELKOR_BATCH, ZELKOR_CORE_JS and ZELKOR_PAGE say where the
// builds put them.
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

export const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
export const examples = path.join(root, 'examples');
export const batchPath = process.env.ZELKOR_BATCH ?? path.join(root, 'build/src/batch/zelkor-batch');
export const coreJs = process.env.ZELKOR_CORE_JS ?? path.join(root, 'build-web/src/web/zelkor-core.js');
export const pagePath = process.env.ZELKOR_PAGE ?? path.join(root, 'build-web/zelkor.html');

// stdout lines of a batch command that succeeds.
export function batchLines(...args) {
  return execFileSync(batchPath, args.map(String), { encoding: 'utf8' }).replace(/\n$/, '').split('\n');
}

// The whole result of a batch command, whatever its exit.
export function batchRun(...args) {
  const run = spawnSync(batchPath, args.map(String), { encoding: 'utf8' });
  return { status: run.status, out: run.stdout, err: run.stderr.replace(/\n$/, '') };
}

// A file written by a batch command, as bytes.
export function batchFile(args, name = 'out') {
  const out = path.join(mkdtempSync(path.join(tmpdir(), 'zelkor-batch-')), name);
  execFileSync(batchPath, [...args.map(String), '-o', out]);
  return readFileSync(out);
}

export const generatorFields = {
  description: 'beam', particles: '200', 'atomic-number': '2', amu: '4.0026', angle: '0', energy: '5000',
  'delta-e': '1', 'n-sigma': '3', 'y-total': '1', 'z-total': '1', 'y-rms': '0.3', 'z-rms': '0.3',
  'dydx-total': '2', 'dzdx-total': '2', 'dydx-rms': '0.6', 'dzdx-rms': '0.6', 'eps-y': '0.5', 'eps-z': '0.5',
  'sign-y': 'PLUS', 'sign-z': 'MINUS', 'd-y': '0', 'd-z': '0', 'ddx-y': '0', 'ddx-z': '0', uniform: 'z',
};

export function generatorOptions(fields = generatorFields) {
  return Object.entries(fields).flatMap(([name, value]) => [`--${name}`, value]);
}

// A TRANSMIT.TXT the tests make: the sample's header and records, with one
// line the reader cannot read, and more ions from the sample shifted.
export function madeTransmit() {
  const sample = readFileSync(path.join(examples, 'transmit-sample.txt'), 'latin1');
  const lines = sample.split('\r\n');
  const head = lines.slice(0, 12);
  const records = lines.slice(12).filter((l) => l.startsWith('T'));
  const more = [];
  for (let k = 0; k < 30; k++) more.push(...records.map((r) => r.replace('E+07', k % 2 ? 'E+06' : 'E+07')));
  return [...head, ...records, 'T 99 garbage', ...more, ''].join('\r\n');
}

export const matrixTexts = ['1', '0.5', '0', '0', '0', '1', '0', '0', '0', '0', '1', '-0.25', '0', '0', '0.1', '1'];
