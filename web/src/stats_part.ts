// The Statistics part: the four pages' quantities, the report, the n-sigma
// filter and the histogram, each through the core's own commands.
import { downloadCanvas, drawHistogram } from './charts';
import type { Catalogue, Choice, HistogramAnswer, QuantityFacts, Report } from './protocol';
import { ask, byId, downloadName, inputValue, radioValue, showMessage } from './ui';

let catalogue: Catalogue;
let shown: HistogramAnswer | null = null;
// The unit chosen for each quantity, as each page keeps its own.
const unitOf = new Map<string, number>();

const quantitySelect = () => byId<HTMLSelectElement>('quantity');
const unitSelect = () => byId<HTMLSelectElement>('unit');

function currentQuantity(): QuantityFacts {
  return catalogue.quantities.find((q) => q.name === quantitySelect().value)!;
}

function choice(): Choice {
  const quantity = currentQuantity();
  return { name: quantity.name, unit: quantity.units[unitOf.get(quantity.name) ?? 0] };
}

function fillQuantities(): void {
  const page = Number(radioValue('page'));
  const select = quantitySelect();
  select.replaceChildren();
  for (const q of catalogue.quantities.filter((q) => q.page === page)) {
    select.add(new Option(q.captions[unitOf.get(q.name) ?? 0], q.name));
  }
  byId('speciesBox').hidden = page > 1;
  fillUnits();
}

function fillUnits(): void {
  const quantity = currentQuantity();
  const select = unitSelect();
  select.replaceChildren(...quantity.units.map((u, k) => new Option(u, String(k))));
  select.value = String(unitOf.get(quantity.name) ?? 0);
  relabel();
}

function relabel(): void {
  const quantity = currentQuantity();
  const code = unitOf.get(quantity.name) ?? 0;
  quantitySelect().selectedOptions[0].text = quantity.captions[code];
  byId('rangeLabel').textContent = quantity.rangeLabels[code];
}

function showReport(report: Report): void {
  const lines = [...(report.rows ?? []), ...(report.more ?? [])];
  if (report.rejection) lines.push('', report.rejection);
  byId('report').textContent = lines.join('\n');
  byId('filterStatus').textContent = report.status;
  if (report.tooLow) showMessage(report.tooLow);
}

function drawShown(): void {
  if (shown) drawHistogram(byId<HTMLCanvasElement>('histogramChart'), shown, byId<HTMLInputElement>('logScale').checked);
}

function showHistogram(answer: HistogramAnswer): void {
  shown = answer;
  byId<HTMLInputElement>('width').value = answer.width;
  byId('intervals').textContent = answer.intervals;
  drawShown();
  const table = document.createElement('table');
  table.className = 'histogram';
  const head = table.createTHead().insertRow();
  for (const title of answer.header) {
    const cell = document.createElement('th');
    cell.textContent = title;
    head.append(cell);
  }
  const body = table.createTBody();
  for (const row of answer.rows) {
    const tr = body.insertRow();
    for (const cell of row) tr.insertCell().textContent = cell;
  }
  byId('histogramTable').replaceChildren(table);
}

async function run(call: string, args: unknown[]): Promise<void> {
  const report = await ask<Report>(call, [choice(), ...args, '$progress']);
  if (report) showReport(report);
}

export function installStatsPart(facts: Catalogue): void {
  catalogue = facts;
  byId('filterStatus').textContent = facts.noFilter;
  for (const radio of document.querySelectorAll<HTMLInputElement>('input[name="page"]'))
    radio.addEventListener('change', () => {
      fillQuantities();
      byId('report').textContent = '';
      byId('filterStatus').textContent = '';
    });
  // A click on another quantity goes back to "No Filter", every ion accepted.
  quantitySelect().addEventListener('change', async () => {
    fillUnits();
    const status = await ask<string>('clearFilter', [choice()]);
    if (status !== undefined) byId('filterStatus').textContent = status;
  });
  // A width shown in the old unit is never read in the new one, and a
  // histogram counted in the old unit goes.
  unitSelect().addEventListener('change', async () => {
    const quantity = currentQuantity();
    const from = quantity.units[unitOf.get(quantity.name) ?? 0];
    const to = quantity.units[Number(unitSelect().value)];
    unitOf.set(quantity.name, Number(unitSelect().value));
    relabel();
    hideHistogram();
    const width = await ask<string | null>('convertWidth', [quantity.name, from, to, inputValue('width')]);
    if (typeof width === 'string') byId<HTMLInputElement>('width').value = width;
  });
  byId('speciesApply').addEventListener('click', async () => {
    const taken = await ask<boolean>('species', [inputValue('speciesA'), inputValue('speciesAmu'), inputValue('speciesN')]);
    if (taken) byId('report').textContent = '';
  });
  byId('basicAnalysis').addEventListener('click', () => run('stats', [inputValue('width')]));
  byId('filterSpectrum').addEventListener('click', () => run('filter', [inputValue('sigmaN')]));
  byId('noFilter').addEventListener('click', async () => {
    const status = await ask<string>('clearFilter', [choice()]);
    if (status !== undefined) byId('filterStatus').textContent = status;
  });
  byId('defaultWidth').addEventListener('click', async () => {
    const width = await ask<string>('defaultWidth', [choice(), radioValue('display'), inputValue('zoomN')]);
    if (width !== undefined) byId<HTMLInputElement>('width').value = width;
  });
  byId('data').addEventListener('click', async () => {
    const args = [choice(), inputValue('width'), radioValue('display'), inputValue('zoomN'), '$progress'];
    const answer = await ask<HistogramAnswer>('histogram', args);
    if (answer) showHistogram(answer);
  });
  byId('logScale').addEventListener('change', drawShown);
  byId('histogramPng').addEventListener('click', () =>
    downloadCanvas(byId<HTMLCanvasElement>('histogramChart'), downloadName(`_${choice().name}`, '.png')),
  );
  fillQuantities();
}

function hideHistogram(): void {
  shown = null;
  byId('intervals').textContent = '';
  byId('histogramTable').replaceChildren();
  const canvas = byId<HTMLCanvasElement>('histogramChart');
  canvas.getContext('2d')!.clearRect(0, 0, canvas.width, canvas.height);
}

export function resetStatsPart(): void {
  byId('report').textContent = '';
  byId('filterStatus').textContent = catalogue.noFilter;
  hideHistogram();
}
