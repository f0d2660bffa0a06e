// The Generate TRIM.DAT part: the generator window's fields, checked and
// sampled by the core, the run's random sequence going on between calls.
import { downloadBlob } from './charts';
import { ask, byId } from './ui';

interface Generated {
  count: number;
  bytes: Uint8Array;
}

function fieldsOf(form: HTMLFormElement): Record<string, string> {
  const fields: Record<string, string> = {};
  const uniform: string[] = [];
  for (const [name, value] of new FormData(form)) {
    if (name === 'uniform') uniform.push(String(value));
    else fields[name] = String(value);
  }
  fields.uniform = uniform.join(',');
  return fields;
}

export function installGeneratePart(): void {
  const form = byId<HTMLFormElement>('generator');
  form.addEventListener('submit', async (event) => {
    event.preventDefault();
    byId('generated').textContent = '';
    const generated = await ask<Generated>('generate', [fieldsOf(form), '$progress']);
    if (!generated) return;
    byId('generated').textContent = `${generated.count}`;
    downloadBlob(new Blob([generated.bytes as BlobPart]), 'TRIM.DAT');
  });
}
