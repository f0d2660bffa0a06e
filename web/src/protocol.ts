// The messages between the page and the worker that runs the core.

export interface CoreMessage {
  text: string;
  caption: string;
  icon: 'error' | 'warning' | 'information';
}

// Every answer of the core: a value, or the program's message.
export type Answer<T> = { ok: T; refused?: undefined } | { ok?: undefined; refused: CoreMessage };

export interface Request {
  id: number;
  call: string;
  args: unknown[];
  file?: File;
}

export type Reply =
  | { id: number; kind: 'progress'; percent: number }
  | { id: number; kind: 'answer'; answer: Answer<unknown> }
  | { id: number; kind: 'failure'; text: string };

export interface QuantityFacts {
  name: string;
  page: number;
  units: string[];
  captions: string[];
  rangeLabels: string[];
}

export interface Catalogue {
  quantities: QuantityFacts[];
  matrixNames: string[];
  matrixIdentity: string[];
  noFilter: string;
}

export interface LoadFacts {
  kind: string;
  count: number;
  lineCount: number;
  atomZ: number;
  header: string;
  warnings: string;
  columns: string[];
}

export interface Choice {
  name: string;
  unit: string;
}

export interface Report {
  rows: string[] | null;
  more?: string[];
  tooLow?: CoreMessage | null;
  rejection?: string;
  status: string;
}

export interface HistogramAnswer {
  width: string;
  intervals: string;
  header: string[];
  rows: string[][];
  counts: number[];
  labels: string[];
  axisCaption: string;
}

export interface PlotAnswer {
  bottomTitle: string;
  leftTitle: string;
  bottom: { min: number; max: number };
  left: { min: number; max: number };
  points: Float32Array;
}

export interface SigmaAnswer {
  rows: string[][];
  lines: string[];
}
