// The worker: the core runs here, so the page stays responsive while a file
// of a million ions loads. A chosen or dropped File is mounted with WORKERFS:
// the readers read it in slices and it never sits in memory whole.
import type { Answer, Reply, Request } from './protocol';

interface CoreModule {
  FS: {
    mkdir(path: string): void;
    mount(type: unknown, options: unknown, path: string): void;
    unmount(path: string): void;
    filesystems: Record<string, unknown>;
  };
  WebCore: new () => Record<string, (...args: unknown[]) => unknown>;
}

declare const createZelkorCore: () => Promise<CoreModule>;
declare const self: DedicatedWorkerGlobalScope;

const kInput = '/input';
const ready = createZelkorCore().then((module) => {
  module.FS.mkdir(kInput);
  return { module, core: new module.WebCore() };
});

function reply(message: Reply, transfer: Transferable[] = []): void {
  self.postMessage(message, transfer);
}

// Typed arrays in an answer cross without a copy.
function transferables(value: unknown, found: Transferable[] = []): Transferable[] {
  if (ArrayBuffer.isView(value)) found.push(value.buffer as ArrayBuffer);
  else if (value && typeof value === 'object') for (const v of Object.values(value)) transferables(v, found);
  return found;
}

async function handle(request: Request): Promise<void> {
  const { module, core } = await ready;
  const progress = (percent: number) => reply({ id: request.id, kind: 'progress', percent });
  const args = request.args.map((a) => (a === '$progress' ? progress : a));
  if (request.file) {
    module.FS.mount(module.FS.filesystems.WORKERFS, { files: [request.file] }, kInput);
    args[0] = `${kInput}/${request.file.name}`;
  }
  try {
    const answer = core[request.call](...args) as Answer<unknown>;
    reply({ id: request.id, kind: 'answer', answer }, transferables(answer));
  } finally {
    if (request.file) module.FS.unmount(kInput);
  }
}

self.onmessage = (event: MessageEvent<Request>) => {
  handle(event.data).catch((error: unknown) =>
    reply({ id: event.data.id, kind: 'failure', text: String(error) }),
  );
};
