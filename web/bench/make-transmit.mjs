// Writes a TRANSMIT.TXT of N ions in the layout the program's writer uses
// (about 117 bytes an ion), for measuring the page on large files:
//   node make-transmit.mjs N OUT
import { createWriteStream, readFileSync } from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

const [count, out] = [Number(process.argv[2]), process.argv[3]];
const here = path.dirname(fileURLToPath(import.meta.url));
const sample = readFileSync(path.join(here, '../../examples/transmit-sample.txt'), 'latin1');
const header = sample.split('\r\n').slice(0, 12).join('\r\n') + '\r\n';

// A fixed sequence, so every run measures the same file.
let state = 12345;
const uniform = () => ((state = (state * 1103515245 + 12345) % 2147483648) + 0.5) / 2147483648;
const gauss = () => Math.sqrt(-2 * Math.log(uniform())) * Math.cos(2 * Math.PI * uniform());
const exp = (v, digits) => {
  const [mantissa, power] = v.toExponential(digits).split('e');
  const sign = power.startsWith('-') ? '-' : '+';
  return `${mantissa}E${sign}${power.replace(/^[-+]/, '').padStart(2, '0')}`;
};
const signed = (text) => (text.startsWith('-') ? ` ${text}` : `  ${text}`);

const stream = createWriteStream(out);
stream.write(header);
let chunk = '';
for (let ion = 1; ion <= count; ion++) {
  const cy = 0.01 * gauss();
  const cz = 0.01 * gauss();
  const cx = Math.sqrt(1 - cy * cy - cz * cz);
  chunk +=
    `T${String(ion).padStart(5)}  2 ${exp(3.6e6 + 2e4 * gauss(), 6)}  1.000000E+05` +
    `${signed(exp(500 * gauss(), 10))}${signed(exp(500 * gauss(), 10))}` +
    `${signed(cx.toFixed(10))}${signed(cy.toFixed(10))}${signed(cz.toFixed(10))}\r\n`;
  if (chunk.length > 1 << 20) {
    if (!stream.write(chunk)) await new Promise((resolve) => stream.once('drain', resolve));
    chunk = '';
  }
}
stream.end(chunk);
await new Promise((resolve) => stream.on('finish', resolve));
