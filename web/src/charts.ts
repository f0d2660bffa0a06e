// Charts on a canvas: the histogram's bars (linear or log counts) and the
// emittance page's cloud of every ion. Texts and bar labels come from the
// core; the tick marks are the chart's own, as in the desktop's chart.

const kMargin = { left: 70, right: 16, top: 14, bottom: 58 };
const kInk = '#1b1f24';
const kBars = '#2a5db0';
const kPoints = [20, 60, 150];

interface Frame {
  context: CanvasRenderingContext2D;
  width: number;
  height: number;
  plotWidth: number;
  plotHeight: number;
}

function frameOf(canvas: HTMLCanvasElement): Frame {
  const width = canvas.width;
  const height = canvas.height;
  const context = canvas.getContext('2d')!;
  context.fillStyle = '#ffffff';
  context.fillRect(0, 0, width, height);
  context.font = '12px sans-serif';
  context.fillStyle = kInk;
  context.strokeStyle = kInk;
  return {
    context,
    width,
    height,
    plotWidth: width - kMargin.left - kMargin.right,
    plotHeight: height - kMargin.top - kMargin.bottom,
  };
}

function tickText(value: number): string {
  if (value === 0) return '0';
  const magnitude = Math.abs(value);
  return magnitude >= 1e4 || magnitude < 1e-2 ? value.toExponential(2) : String(Number(value.toPrecision(4)));
}

// About five round steps over [low, high].
function ticks(low: number, high: number): number[] {
  const span = high - low;
  if (!(span > 0) || !isFinite(span)) return [low];
  const raw = span / 5;
  const power = Math.pow(10, Math.floor(Math.log10(raw)));
  const step = [1, 2, 5, 10].map((m) => m * power).find((s) => s >= raw)!;
  const values: number[] = [];
  for (let v = Math.ceil(low / step) * step; v <= high + step * 1e-9; v += step) values.push(Math.abs(v) < step * 1e-9 ? 0 : v);
  return values;
}

function axes(f: Frame, bottomTitle: string, leftTitle: string): void {
  const c = f.context;
  c.strokeRect(kMargin.left, kMargin.top, f.plotWidth, f.plotHeight);
  c.textAlign = 'center';
  c.fillText(bottomTitle, kMargin.left + f.plotWidth / 2, f.height - 10);
  c.save();
  c.translate(14, kMargin.top + f.plotHeight / 2);
  c.rotate(-Math.PI / 2);
  c.fillText(leftTitle, 0, 0);
  c.restore();
}

function leftTicks(f: Frame, values: number[], toY: (v: number) => number, text: (v: number) => string): void {
  const c = f.context;
  c.textAlign = 'right';
  for (const v of values) {
    const y = toY(v);
    c.beginPath();
    c.moveTo(kMargin.left - 4, y);
    c.lineTo(kMargin.left, y);
    c.stroke();
    c.fillText(text(v), kMargin.left - 6, y + 4);
  }
}

export interface Bars {
  counts: number[];
  labels: string[];
  axisCaption: string;
}

export function drawHistogram(canvas: HTMLCanvasElement, bars: Bars, logarithmic: boolean): void {
  const f = frameOf(canvas);
  const c = f.context;
  const n = bars.counts.length;
  const largest = Math.max(1, ...bars.counts);
  const top = logarithmic ? Math.pow(10, Math.ceil(Math.log10(largest)) || 1) : largest * 1.05;
  const toY = logarithmic
    ? (v: number) => kMargin.top + f.plotHeight * (1 - Math.log10(Math.max(v, 1)) / Math.log10(top))
    : (v: number) => kMargin.top + f.plotHeight * (1 - v / top);
  const slot = f.plotWidth / Math.max(n, 1);
  c.fillStyle = kBars;
  bars.counts.forEach((count, k) => {
    if (count <= 0) return;
    const y = toY(count);
    c.fillRect(kMargin.left + k * slot + slot * 0.1, y, Math.max(slot * 0.8, 1), kMargin.top + f.plotHeight - y);
  });
  c.fillStyle = kInk;
  const powers = [];
  for (let p = 1; p <= top; p *= 10) powers.push(p);
  leftTicks(f, logarithmic ? powers : ticks(0, top).filter((v) => Number.isInteger(v)), toY, (v) => String(v));
  // Bar labels as the core wrote them, as many as fit.
  const every = Math.max(1, Math.ceil((n * 90) / f.plotWidth));
  c.textAlign = 'center';
  for (let k = 0; k < n; k += every) c.fillText(bars.labels[k], kMargin.left + (k + 0.5) * slot, kMargin.top + f.plotHeight + 16);
  axes(f, bars.axisCaption, logarithmic ? 'Number of ions (log)' : 'Number of ions');
}

export interface Cloud {
  points: Float32Array;
  bottom: { min: number; max: number };
  left: { min: number; max: number };
  bottomTitle: string;
  leftTitle: string;
}

// Every ion is one pixel; pixels hit by more ions get darker.
export function drawCloud(canvas: HTMLCanvasElement, cloud: Cloud): void {
  const f = frameOf(canvas);
  const c = f.context;
  const image = c.getImageData(kMargin.left, kMargin.top, f.plotWidth, f.plotHeight);
  const hits = new Uint32Array(f.plotWidth * f.plotHeight);
  const { points, bottom, left } = cloud;
  const sx = (f.plotWidth - 1) / (bottom.max - bottom.min);
  const sy = (f.plotHeight - 1) / (left.max - left.min);
  // A few ions are drawn as small squares, so that each can be seen.
  const reach = points.length < 40_000 ? 1 : 0;
  for (let k = 0; k < points.length; k += 2) {
    const x = Math.round((points[k] - bottom.min) * sx);
    const y = Math.round((left.max - points[k + 1]) * sy);
    for (let dy = -reach; dy <= reach; dy++)
      for (let dx = -reach; dx <= reach; dx++) {
        const px = x + dx;
        const py = y + dy;
        if (px >= 0 && px < f.plotWidth && py >= 0 && py < f.plotHeight) hits[py * f.plotWidth + px]++;
      }
  }
  const data = image.data;
  for (let p = 0; p < hits.length; p++) {
    if (hits[p] === 0) continue;
    const shade = Math.max(0.35, 1 - Math.log2(hits[p]) / 10);
    data[p * 4] = kPoints[0] * shade;
    data[p * 4 + 1] = kPoints[1] * shade;
    data[p * 4 + 2] = kPoints[2] + (255 - kPoints[2]) * (1 - shade) * 0.2;
  }
  c.putImageData(image, kMargin.left, kMargin.top);
  leftTicks(f, ticks(left.min, left.max), (v) => kMargin.top + (left.max - v) * sy, tickText);
  c.textAlign = 'center';
  for (const v of ticks(bottom.min, bottom.max)) {
    const x = kMargin.left + (v - bottom.min) * sx;
    c.fillText(tickText(v), x, kMargin.top + f.plotHeight + 16);
  }
  axes(f, cloud.bottomTitle, cloud.leftTitle);
}

export function downloadCanvas(canvas: HTMLCanvasElement, name: string): void {
  canvas.toBlob((blob) => blob && downloadBlob(blob, name), 'image/png');
}

export function downloadBlob(blob: Blob, name: string): void {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60_000);
}
