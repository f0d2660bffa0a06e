// What every part of the page shares: the core's client, its messages and
// the busy state while a call runs.
import { CoreClient } from './client';
import type { Answer, CoreMessage } from './protocol';

export function byId<T extends HTMLElement = HTMLElement>(id: string): T {
  const element = document.getElementById(id);
  if (!element) throw new Error(`no element ${id}`);
  return element as T;
}

export function showMessage(message: CoreMessage): void {
  const box = byId('message');
  box.className = message.icon;
  byId('messageCaption').textContent = `${message.caption}:`;
  byId('messageText').textContent = message.text;
  box.hidden = false;
  byId('messageClose').focus();
}

export function clearMessage(): void {
  byId('message').hidden = true;
  byId('messageCaption').textContent = '';
  byId('messageText').textContent = '';
}

function showProgress(percent: number | null): void {
  const box = byId('progress');
  box.hidden = percent === null;
  document.body.toggleAttribute('aria-busy', percent !== null);
  if (percent !== null) byId<HTMLProgressElement>('progressBar').value = percent;
}

export const core = new CoreClient(showProgress);

// A call whose refusal is shown as the program's message box; undefined then.
export async function ask<T>(call: string, args: unknown[], file?: File): Promise<T | undefined> {
  clearMessage();
  let answer: Answer<T>;
  try {
    answer = await core.call<T>(call, args, file);
  } catch (error) {
    showMessage({ text: String(error), caption: 'Error', icon: 'error' });
    return undefined;
  }
  if (answer.refused) {
    showMessage(answer.refused);
    return undefined;
  }
  return answer.ok;
}

export function radioValue(name: string): string {
  return document.querySelector<HTMLInputElement>(`input[name="${name}"]:checked`)!.value;
}

export function inputValue(id: string): string {
  return byId<HTMLInputElement>(id).value;
}

// The name a download gets: the loaded file's name with a suffix.
let loadedName = 'ions.txt';
export function setLoadedName(name: string): void {
  loadedName = name;
}
export function downloadName(suffix: string, extension?: string): string {
  const dot = loadedName.lastIndexOf('.');
  const base = dot > 0 ? loadedName.slice(0, dot) : loadedName;
  const ext = extension ?? (dot > 0 ? loadedName.slice(dot) : '.txt');
  return `${base}${suffix}${ext}`;
}
