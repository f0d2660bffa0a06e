// Bundles the page into one self-contained zelkor.html: the style, the
// script and the worker's script (the core's glue with its WebAssembly
// inside) are all inlined, so the file opens from disk and works offline.
//   node build.mjs CORE_JS OUT_HTML
import { build } from 'esbuild';
import { readFile, writeFile } from 'node:fs/promises';
import { fileURLToPath } from 'node:url';
import path from 'node:path';

const here = path.dirname(fileURLToPath(import.meta.url));
const [coreJs, outHtml] = process.argv.slice(2);
if (!coreJs || !outHtml) {
  console.error('usage: node build.mjs CORE_JS OUT_HTML');
  process.exit(2);
}

async function bundle(entry, define = {}) {
  const result = await build({
    entryPoints: [path.join(here, 'src', entry)],
    bundle: true,
    format: 'iife',
    target: ['chrome110', 'firefox115'],
    minify: true,
    write: false,
    define,
    legalComments: 'none',
  });
  return result.outputFiles[0].text;
}

const glue = await readFile(coreJs, 'utf8');
const worker = `${glue}\n${await bundle('worker.ts')}`;
const script = await bundle('main.ts', { WORKER_SOURCE: JSON.stringify(worker) });
const style = await readFile(path.join(here, 'src', 'style.css'), 'utf8');
const template = await readFile(path.join(here, 'src', 'index.html'), 'utf8');
// Inside an inline script, "</script" would end it early.
const inline = script.replace(/<\/script/gi, '<\\/script');
const html = template.replace('/*STYLE*/', () => style).replace('/*SCRIPT*/', () => inline);
await writeFile(outHtml, html);
console.log(`${outHtml}: ${(html.length / 1024 / 1024).toFixed(2)} MB`);
