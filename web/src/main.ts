// The page: five parts over one core in a worker.
import { installFilePart, onLoaded } from './file_part';
import { installGeneratePart } from './generate_part';
import { installOpticsPart, resetOpticsPart } from './optics_part';
import type { Catalogue } from './protocol';
import { installStatsPart, resetStatsPart } from './stats_part';
import { byId, clearMessage, core } from './ui';

function installTabs(): void {
  const tabs = [...document.querySelectorAll<HTMLButtonElement>('[role="tab"]')];
  const select = (tab: HTMLButtonElement, focus = true) => {
    for (const other of tabs) {
      const chosen = other === tab;
      other.setAttribute('aria-selected', String(chosen));
      other.tabIndex = chosen ? 0 : -1;
      byId(other.getAttribute('aria-controls')!).hidden = !chosen;
    }
    if (focus) tab.focus();
  };
  tabs.forEach((tab, k) => {
    tab.addEventListener('click', () => select(tab));
    tab.addEventListener('keydown', (event) => {
      const step = event.key === 'ArrowRight' ? 1 : event.key === 'ArrowLeft' ? -1 : 0;
      if (step) select(tabs[(k + step + tabs.length) % tabs.length]);
    });
  });
  select(tabs[0], false);
}

async function start(): Promise<void> {
  installTabs();
  byId('messageClose').addEventListener('click', clearMessage);
  const answer = await core.call<Catalogue>('catalogue', [], undefined, true);
  const catalogue = answer.ok!;
  installFilePart();
  installStatsPart(catalogue);
  installOpticsPart(catalogue);
  installGeneratePart();
  onLoaded((facts) => {
    resetStatsPart();
    resetOpticsPart(facts.count);
  });
  document.body.dataset.ready = 'true';
}

void start();
