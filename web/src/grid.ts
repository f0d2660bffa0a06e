// A grid over millions of rows: only the rows in view exist, fetched from
// the worker as they scroll in. Past a browser's largest element the
// scrollbar maps to rows in proportion.
export type RowSource = (first: number, count: number) => Promise<string[][]>;

const kRowHeight = 22;
const kMaxScrollHeight = 8_000_000;

export class VirtualGrid {
  private readonly scroller: HTMLDivElement;
  private readonly spacer: HTMLDivElement;
  private readonly table: HTMLTableElement;
  private rows = 0;
  private source: RowSource | null = null;
  private shownFirst = -1;
  private pending = false;

  constructor(host: HTMLElement, label: string) {
    this.scroller = document.createElement('div');
    this.scroller.className = 'grid';
    this.scroller.tabIndex = 0;
    this.scroller.setAttribute('role', 'region');
    this.scroller.setAttribute('aria-label', label);
    this.spacer = document.createElement('div');
    this.table = document.createElement('table');
    this.scroller.append(this.spacer, this.table);
    host.append(this.scroller);
    this.scroller.addEventListener('scroll', () => this.schedule());
  }

  show(titles: string[], rows: number, source: RowSource): void {
    this.rows = rows;
    this.source = source;
    this.shownFirst = -1;
    this.table.replaceChildren(this.head(titles), document.createElement('tbody'));
    this.spacer.style.height = `${Math.min(rows * kRowHeight, kMaxScrollHeight) + kRowHeight}px`;
    this.scroller.scrollTop = 0;
    this.scroller.hidden = false;
    this.schedule();
  }

  hide(): void {
    this.scroller.hidden = true;
  }

  private head(titles: string[]): HTMLTableSectionElement {
    const head = document.createElement('thead');
    const row = head.insertRow();
    for (const title of titles) {
      const cell = document.createElement('th');
      cell.textContent = title;
      row.append(cell);
    }
    return head;
  }

  private visibleCount(): number {
    return Math.max(1, Math.ceil(this.scroller.clientHeight / kRowHeight));
  }

  private firstInView(): number {
    const visible = this.visibleCount();
    const room = this.scroller.scrollHeight - this.scroller.clientHeight;
    if (room <= 0 || this.rows <= visible) return 1;
    const share = Math.min(1, this.scroller.scrollTop / room);
    return 1 + Math.round(share * (this.rows - visible + 1));
  }

  private schedule(): void {
    if (this.pending) return;
    this.pending = true;
    requestAnimationFrame(() => {
      this.pending = false;
      void this.refresh();
    });
  }

  private async refresh(): Promise<void> {
    if (!this.source || this.rows === 0) return;
    const first = Math.min(this.firstInView(), Math.max(1, this.rows));
    if (first === this.shownFirst) return this.place();
    this.shownFirst = first;
    const cells = await this.source(first, this.visibleCount());
    if (first !== this.shownFirst) return;
    const body = document.createElement('tbody');
    for (const texts of cells) {
      const row = body.insertRow();
      for (const text of texts) row.insertCell().textContent = text;
    }
    this.table.tBodies[0].replaceWith(body);
    this.place();
  }

  // The table rides at the top of the view.
  private place(): void {
    this.table.style.transform = `translateY(${this.scroller.scrollTop}px)`;
  }
}
