// The page's side of the worker: one promise per call, progress reported
// while the call runs. Calls run one after another, as on the desktop.
import type { Answer, Reply, Request } from './protocol';

declare const WORKER_SOURCE: string;

export type ProgressListener = (percent: number | null) => void;

export class CoreClient {
  private readonly worker: Worker;
  private nextId = 1;
  private readonly quiet = new Set<number>();
  private readonly waiting = new Map<number, { resolve: (a: Answer<unknown>) => void; reject: (e: Error) => void }>();

  constructor(private readonly onProgress: ProgressListener) {
    // A page opened from file:// may not start a worker from another file;
    // the worker's script is inside this one.
    const url = URL.createObjectURL(new Blob([WORKER_SOURCE], { type: 'text/javascript' }));
    this.worker = new Worker(url);
    this.worker.onmessage = (event: MessageEvent<Reply>) => this.receive(event.data);
  }

  // quiet: a call too short for the progress bar (rows scrolled into view).
  call<T>(call: string, args: unknown[], file?: File, quiet = false): Promise<Answer<T>> {
    const id = this.nextId++;
    const request: Request = { id, call, args, file };
    if (quiet) this.quiet.add(id);
    else this.onProgress(0);
    return new Promise<Answer<T>>((resolve, reject) => {
      this.waiting.set(id, { resolve: resolve as (a: Answer<unknown>) => void, reject });
      this.worker.postMessage(request);
    });
  }

  private receive(reply: Reply): void {
    if (reply.kind === 'progress') return this.onProgress(reply.percent);
    const pending = this.waiting.get(reply.id);
    if (!pending) return;
    this.waiting.delete(reply.id);
    if (![...this.waiting.keys()].some((k) => !this.quiet.has(k))) this.onProgress(null);
    this.quiet.delete(reply.id);
    if (reply.kind === 'answer') pending.resolve(reply.answer);
    else pending.reject(new Error(reply.text));
  }
}
