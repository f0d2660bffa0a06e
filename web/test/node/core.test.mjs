// The WebAssembly module under node against zelkor-batch: the same texts to
// the last printed digit and the same file bytes.
import assert from 'node:assert/strict';
import { mkdtempSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { before, describe, test } from 'node:test';
import {
  batchFile, batchLines, batchRun, coreJs, examples, generatorFields, generatorOptions, madeTransmit, matrixTexts,
} from '../reference.mjs';

const transmit = path.join(examples, 'transmit-sample.txt');
const trim = path.join(examples, 'trim-sample.dat');
const points = path.join(examples, 'winagile-sample.pnt');
const made = path.join(mkdtempSync(path.join(tmpdir(), 'zelkor-web-')), 'made.txt');
writeFileSync(made, madeTransmit(), 'latin1');

let Module;
// A fresh core per use, as a freshly opened page; the run's random sequence
// lives as long as its core.
const newCore = () => new Module.WebCore();
const ok = (answer) => {
  assert.equal(answer.refused, undefined, answer.refused?.text);
  return answer.ok;
};
const loaded = (file, kind = '') => {
  const core = newCore();
  ok(core.load(`/host${file}`, kind, null));
  return core;
};

before(async () => {
  Module = await createRequire(import.meta.url)(coreJs)();
  Module.FS.mkdir('/host');
  Module.FS.mount(Module.FS.filesystems.NODEFS, { root: '/' }, '/host');
});

describe('loading', () => {
  test('count, header and the skipped-line warning are the batch tool\'s', () => {
    for (const file of [transmit, trim, points, made]) {
      const facts = ok(newCore().load(`/host${file}`, '', null));
      const info = batchLines('info', file);
      assert.equal(`count: ${facts.count}`, info[1]);
      if (facts.kind !== 'pnt') assert.equal(`header: ${facts.header.replace(/\r?\n$/, '')}`, info[4]);
      assert.equal(facts.warnings, batchRun('info', file).err);
    }
  });

  test('a refused or missing file gives the program\'s message and keeps the loaded set', () => {
    const core = loaded(transmit);
    const refused = core.load(`/host${points}`, 'transmit', null).refused;
    assert.equal(refused.text, batchRun('info', points, '--kind', 'transmit').err);
    assert.equal(core.load('/host/nowhere.txt', '', null).refused.text, 'Cannot open a file!');
    assert.equal(ok(core.previewRows(1, 1))[0][0], '1');
  });
});

describe('statistics', () => {
  const choice = { name: 'KinEnerg', unit: 'keV' };
  test('the report and the more statistics', () => {
    for (const file of [transmit, made]) {
      const answer = ok(loaded(file).stats(choice, '', null));
      assert.deepEqual([...answer.rows, ...answer.more], batchLines('stats', file, '--quantity', 'KinEnerg', '--unit', 'keV', '--more'));
    }
  });

  test('the quantities that need the ion take A and amu as the relativistic window does', () => {
    const core = loaded(transmit);
    const refused = core.stats({ name: 'Mom', unit: 'keV/c' }, '', null).refused;
    assert.equal(refused.text, batchRun('stats', transmit, '--quantity', 'Mom', '--unit', 'keV/c').err);
    assert.equal(core.species('', '4.0026', '').refused.text, batchRun('stats', transmit, '--quantity', 'Mom', '--amu', '4.0026').err);
    ok(core.species('4', '4.0026', ''));
    for (const [name, unit] of [['Mom', 'keV/c'], ['EnergA', 'keV']]) {
      const answer = ok(core.stats({ name, unit }, '', null));
      const args = ['--quantity', name, '--unit', unit, '--A', '4', '--amu', '4.0026', '--more'];
      assert.deepEqual([...answer.rows, ...answer.more], batchLines('stats', transmit, ...args));
    }
  });

  test('the n-sigma filter and its rejection count', () => {
    const answer = ok(loaded(made).filter({ name: 'PosY', unit: 'um' }, '1.5', null));
    assert.deepEqual([...answer.rows, answer.rejection], batchLines('stats', made, '--quantity', 'PosY', '--unit', 'um', '--filter', '1.5'));
    assert.equal(answer.status, '1.5 x sigma');
  });

  test('histograms in the three display modes', () => {
    for (const [display, extra] of [['whole', []], ['filtered', ['--filter', '2']], ['zoom', ['--zoom', '1']]]) {
      const core = loaded(made);
      if (display === 'filtered') ok(core.filter(choice, '2', null));
      const zoom = display === 'zoom' ? '1' : '';
      const width = ok(core.defaultWidth(choice, display, zoom));
      const answer = ok(core.histogram(choice, width, display, zoom, null));
      const expected = batchLines('histogram', made, '--quantity', 'KinEnerg', '--unit', 'keV', '--display', display, ...extra, '--default');
      assert.deepEqual([answer.header, ...answer.rows].map((r) => r.join('\t')), expected);
      assert.equal(answer.counts.length, answer.rows.length);
    }
  });

  test('a width the page refuses gives the page\'s message', () => {
    const refused = loaded(transmit).histogram(choice, '1e-12', 'whole', '', null).refused;
    assert.equal(refused.text, batchRun('histogram', transmit, '--quantity', 'KinEnerg', '--unit', 'keV', '--width', '1e-12').err);
  });
});

describe('beam optics', () => {
  test('sigma matrix and beam parameters', () => {
    for (const file of [transmit, points]) {
      const answer = ok(loaded(file).sigmaMatrix());
      assert.deepEqual([...answer.rows.map((r) => r.join('\t')), ...answer.lines], batchLines('sigma-matrix', file, '--twiss'));
    }
    assert.equal(newCore().sigmaMatrix().refused.text, 'No data available! Open a file please.');
  });

  test('the emittance plots hold every ion\'s point and the batch tool\'s titles', () => {
    for (const mode of ['horizontal', 'vertical', 'real']) {
      const plot = ok(loaded(points).emittance(mode, '', ''));
      const [bottom, left, ...rows] = batchLines('emittance', points, '--mode', mode);
      assert.deepEqual([plot.bottomTitle, plot.leftTitle], [bottom.split('\t')[1], left.split('\t')[1]]);
      const expected = rows.flatMap((row) => row.split('\t').map((v) => Math.fround(Number(v))));
      assert.deepEqual([...plot.points], expected);
    }
  });

  test('the transform listing and the transformed file', () => {
    for (const file of [transmit, points]) {
      const core = loaded(file);
      const header = ok(core.setMatrix(matrixTexts));
      const listing = batchLines('transform', file, '--matrix', matrixTexts.join(' '));
      const rows = ok(core.transformRows(1, 1_000_000));
      assert.deepEqual([header, ...rows].map((r) => r.join('\t')), listing);
      const bytes = ok(core.saveTransformed(null));
      assert.deepEqual(Buffer.from(bytes), batchFile(['transform', file, '--matrix', matrixTexts.join(' ')]));
    }
    const refused = loaded(transmit).setMatrix(matrixTexts.map((t, k) => (k === 5 ? 'x' : t))).refused;
    assert.equal(refused.text, 'Value hh22 must be real number');
  });
});

describe('files', () => {
  test('the writers give the batch tool\'s bytes', () => {
    const core = loaded(made);
    assert.ok(ok(core.filter({ name: 'PosY', unit: 'um' }, '1', null)).rejected > 0);
    const cases = [['', ['convert', made, '--to', 'transmit']], ['pnt', ['convert', made, '--to', 'pnt']]];
    for (const [kind, args] of cases) {
      // The batch tool saves a fresh load: every ion accepted.
      const fresh = loaded(made);
      assert.deepEqual(Buffer.from(ok(fresh.save(kind, null, null))), batchFile(args), kind);
    }
    const trimBytes = ok(loaded(made).save('trim', '5000', null));
    assert.deepEqual(Buffer.from(trimBytes), batchFile(['convert', made, '--to', 'trim', '--set-x', '5000']));
    assert.ok(ok(core.save('', null, null)).length < ok(loaded(made).save('', null, null)).length);
    assert.equal(loaded(trim).save('pnt', null, null).refused.text, 'This function is available only for TRANSMIT.TXT');
  });

  test('generated TRIM.DAT files continue the run\'s sequence byte for byte', () => {
    const core = newCore();
    for (const repeat of [1, 2]) {
      const generated = ok(core.generate(generatorFields, null));
      assert.equal(generated.count, 200);
      assert.deepEqual(Buffer.from(generated.bytes), batchFile(['generate', ...generatorOptions(), '--repeat', repeat]));
    }
    const refused = core.generate({ ...generatorFields, particles: '' }, null).refused;
    assert.equal(refused.text, batchRun('generate', ...generatorOptions({ ...generatorFields, particles: '' }), '-o', '/dev/null').err);
  });
});
