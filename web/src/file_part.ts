// The File part: open or drop a file, its facts and preview, the saves.
import { downloadBlob } from './charts';
import { VirtualGrid } from './grid';
import type { LoadFacts } from './protocol';
import { ask, byId, core, downloadName, inputValue, setLoadedName, showMessage } from './ui';

const preview = new VirtualGrid(byId('preview'), 'Preview of the ions');
preview.hide();
const listeners: Array<(facts: LoadFacts) => void> = [];

export function onLoaded(listener: (facts: LoadFacts) => void): void {
  listeners.push(listener);
}

export async function rows(call: string, first: number, count: number): Promise<string[][]> {
  const answer = await core.call<string[][]>(call, [first, count], undefined, true);
  return answer.ok ?? [];
}

export async function loadFile(file: File): Promise<void> {
  const kind = byId<HTMLSelectElement>('kind').value;
  const facts = await ask<LoadFacts>('load', ['', kind, '$progress'], file);
  if (!facts) return;
  setLoadedName(file.name);
  byId('fileName').textContent = file.name;
  byId('count').textContent = String(facts.count);
  byId('header').textContent = facts.header.replace(/\r?\n$/, '');
  const warnings = byId('warnings');
  warnings.textContent = facts.warnings;
  warnings.hidden = facts.warnings === '';
  if (facts.warnings) showMessage({ text: facts.warnings, caption: 'Warning', icon: 'warning' });
  preview.show(facts.columns, facts.count, (first, count) => rows('previewRows', first, count));
  for (const listener of listeners) listener(facts);
}

async function save(kind: string, suffix: string, extension?: string): Promise<void> {
  const setX = kind === 'trim' && inputValue('setX') !== '' ? inputValue('setX') : null;
  const bytes = await ask<Uint8Array>('save', [kind, setX, '$progress']);
  if (bytes) downloadBlob(new Blob([bytes as BlobPart]), downloadName(suffix, extension));
}

export function installFilePart(): void {
  const input = byId<HTMLInputElement>('fileInput');
  input.addEventListener('change', () => {
    if (input.files?.[0]) void loadFile(input.files[0]);
    input.value = '';
  });
  const drop = byId('drop');
  for (const type of ['dragenter', 'dragover'])
    drop.addEventListener(type, (event) => {
      event.preventDefault();
      drop.classList.add('over');
    });
  drop.addEventListener('dragleave', () => drop.classList.remove('over'));
  drop.addEventListener('drop', (event) => {
    event.preventDefault();
    drop.classList.remove('over');
    const file = event.dataTransfer?.files[0];
    if (file) void loadFile(file);
  });
  byId('saveFiltered').addEventListener('click', () => save('', '_filtered'));
  byId('saveTrim').addEventListener('click', () => save('trim', '_TRIM', '.DAT'));
  byId('savePnt').addEventListener('click', () => save('pnt', '', '.pnt'));
}
