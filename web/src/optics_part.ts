// The Emittance and Transform parts.
import { downloadBlob, downloadCanvas, drawCloud } from './charts';
import { rows } from './file_part';
import { VirtualGrid } from './grid';
import type { Catalogue, PlotAnswer, SigmaAnswer } from './protocol';
import { ask, byId, downloadName, inputValue, radioValue } from './ui';

const listing = new VirtualGrid(byId('transformGrid'), 'Transformed ions');
listing.hide();
let ionCount = 0;
const canvas = () => byId<HTMLCanvasElement>('emittanceChart');

function showSigma(answer: SigmaAnswer): void {
  const table = byId<HTMLTableElement>('sigmaMatrix');
  table.replaceChildren();
  for (const row of answer.rows) {
    const tr = table.insertRow();
    for (const cell of row) tr.insertCell().textContent = cell;
  }
  byId('beamParameters').textContent = answer.lines.join('\n');
  byId('sigmaBox').hidden = false;
  canvas().hidden = true;
}

async function display(): Promise<void> {
  const mode = radioValue('mode');
  if (mode === 'sigma') {
    const answer = await ask<SigmaAnswer>('sigmaMatrix', []);
    if (answer) showSigma(answer);
    return;
  }
  const plot = await ask<PlotAnswer>('emittance', [mode, inputValue('scaleH'), inputValue('scaleV')]);
  if (!plot) return;
  byId('sigmaBox').hidden = true;
  canvas().hidden = false;
  drawCloud(canvas(), plot);
}

function matrixEdits(facts: Catalogue): HTMLInputElement[] {
  return facts.matrixNames.map((name, k) => {
    const label = document.createElement('label');
    const input = document.createElement('input');
    input.size = 12;
    input.value = facts.matrixIdentity[k];
    input.dataset.name = name;
    label.append(name, input);
    byId('matrix').append(label);
    return input;
  });
}

export function installOpticsPart(facts: Catalogue): void {
  byId('display').addEventListener('click', display);
  byId('emittancePng').addEventListener('click', () => downloadCanvas(canvas(), downloadName(`_${radioValue('mode')}`, '.png')));
  const edits = matrixEdits(facts);
  byId('calculate').addEventListener('click', async () => {
    const titles = await ask<string[]>('setMatrix', [edits.map((e) => e.value)]);
    if (titles) listing.show(titles, ionCount, (first, count) => rows('transformRows', first, count));
  });
  byId('saveTransformed').addEventListener('click', async () => {
    const bytes = await ask<Uint8Array>('saveTransformed', ['$progress']);
    if (bytes) downloadBlob(new Blob([bytes as BlobPart]), downloadName('_transformed'));
  });
  resetOptics = () => {
    edits.forEach((e, k) => (e.value = facts.matrixIdentity[k]));
    listing.hide();
    byId('sigmaBox').hidden = true;
    const c = canvas();
    c.getContext('2d')!.clearRect(0, 0, c.width, c.height);
  };
}

let resetOptics = () => {};
export function resetOpticsPart(count: number): void {
  ionCount = count;
  resetOptics();
}
