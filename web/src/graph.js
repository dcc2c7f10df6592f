// The graph window: the relative frequency over the trials, drawn on a canvas
// in the designed user coordinates (1100 x 120 units over the surface).
import { Colours, FontFamily, GraphLayout, pointsToPixels } from "./layout.js";
import { element } from "./dom.js";
import { PageWindow, surfaceWindow } from "./frame.js";

// Y labels stand left of the axis at their ratio; x labels start 20 units
// left of their tick, under the axis.
const XLabelY = 112;
const YLabels = [[60, 110, "0.00"], [60, 77, "0.30"], [60, 8, "1.00"]];
const XLabels = [100, 200, 300, 400, 500, 600, 700, 800, 900].map((n) => [n + 80, XLabelY, String(n)]);
const Captions = [
  [140, 10, "(縦軸は３の倍数のトランプカードを引いた割合)"],
  [900, 100, "(横軸は実験回数)"],
];

const AxisLeft = 100;
const AxisRight = 1100;
const AxisBottom = 110;
const AxisTop = 5;
const YTickLeft = 95;
const YTickRight = 105;
const YTickStep = 10;
const XTickTop = 109;
const XTickBottom = 111;
const XTickStep = 100;
const DashY = 80; // the ratio 0.30
const DashLength = 10;
const DashStep = 20;
const DashLast = 1080;

// Where the graph puts trial n and ratio r, in user units; the ratio is
// computed wide and rounded once to single precision, as the desktop does.
const trialToX = (n) => n + 100;
const ratioToY = (ratio) => Math.fround(110 - ratio * 100);

export class GraphWindow extends PageWindow {
  constructor({ icon, onClose }) {
    super({ id: "graph-window", layout: GraphLayout, icon, role: "dialog", onFrameClose: onClose });
    const { close, surface, inner } = surfaceWindow(this, GraphLayout, onClose);
    this.closeButton = close;
    this.inner = inner;
    this.canvas = element("canvas", {
      role: "img",
      "aria-label": `${GraphLayout.name} ${Captions.map(([, , text]) => text).join("")}`,
    });
    this.canvas.style.width = `${inner.width}px`;
    this.canvas.style.height = `${inner.height}px`;
    surface.append(this.canvas);
    this.history = new Float32Array(1);
    this.trials = 0;
  }

  // Shows the tally: `history[n]` is the frequency after trial n.
  setData(history, trials) {
    this.history = history;
    this.trials = trials;
  }

  // Draws at `ratio` device pixels per CSS pixel, so the figure stays sharp at
  // any scale.
  draw(ratio) {
    const width = Math.max(1, Math.round(this.inner.width * ratio));
    const height = Math.max(1, Math.round(this.inner.height * ratio));
    this.canvas.width = width;
    this.canvas.height = height;
    drawFigure(new Surface(this.canvas, ratio), this.history, this.trials);
  }

  // The figure at the designed size, for the clipboard.
  snapshot(ratio = 1) {
    const canvas = element("canvas");
    canvas.width = Math.round(this.inner.width * ratio);
    canvas.height = Math.round(this.inner.height * ratio);
    drawFigure(new Surface(canvas, ratio), this.history, this.trials);
    return canvas;
  }
}

function drawFigure(surface, history, trials) {
  surface.clear(GraphLayout.surfaceBack);
  surface.line(AxisLeft, AxisTop, AxisLeft, AxisBottom, Colours.black);
  surface.line(AxisLeft, AxisBottom, AxisRight, AxisBottom, Colours.black);
  for (let y = YTickStep; y <= AxisBottom - YTickStep; y += YTickStep) {
    surface.line(YTickLeft, y, YTickRight, y, Colours.black);
  }
  for (let x = AxisLeft; x <= DashLast; x += DashStep) {
    surface.line(x, DashY, x + DashLength, DashY, Colours.black);
  }
  surface.print(YLabels);
  for (let x = AxisLeft; x <= DashLast; x += XTickStep) {
    surface.line(x, XTickTop, x, XTickBottom, Colours.black);
  }
  surface.print(XLabels);
  surface.print(Captions);
  // Trials beyond the automatic run's end lie right of the surface.
  const last = Math.min(trials, history.length - 1);
  if (last < 1) {
    return;
  }
  let x = trialToX(1);
  let y = ratioToY(history[1]);
  surface.point(x, y, Colours.lightBlue);
  for (let n = 2; n <= last; ++n) {
    const nextX = trialToX(n);
    const nextY = ratioToY(history[n]);
    surface.line(x, y, nextX, nextY, Colours.lightBlue);
    x = nextX;
    y = nextY;
  }
}

// The canvas as the desktop's drawing surface: user units to the device pixel
// whose area holds the point, lines and points in whole pixels without
// smoothing and as wide as one CSS pixel, text with its top-left corner at
// the point.
class Surface {
  constructor(canvas, ratio) {
    this.context = canvas.getContext("2d");
    this.width = canvas.width;
    this.height = canvas.height;
    this.ratio = ratio;
    this.pen = Math.max(1, Math.round(ratio));
    const { left, top, width, height } = GraphLayout.scale;
    this.scale = { left, top, width, height };
  }

  pixel(x, y) {
    const { left, top, width, height } = this.scale;
    return [
      Math.floor(((x - left) * this.width) / width),
      Math.floor(((y - top) * this.height) / height),
    ];
  }

  clear(colour) {
    this.context.fillStyle = colour;
    this.context.fillRect(0, 0, this.width, this.height);
  }

  point(x, y, colour) {
    const [px, py] = this.pixel(x, y);
    this.context.fillStyle = colour;
    this.context.fillRect(px, py, this.pen, this.pen);
  }

  // Bresenham's line, both ends included, each pixel a pen-wide square.
  line(x1, y1, x2, y2, colour) {
    const context = this.context;
    context.fillStyle = colour;
    let [px, py] = this.pixel(x1, y1);
    const [qx, qy] = this.pixel(x2, y2);
    if (px === qx || py === qy) {
      const left = Math.min(px, qx);
      const top = Math.min(py, qy);
      context.fillRect(left, top, Math.abs(qx - px) + this.pen, Math.abs(qy - py) + this.pen);
      return;
    }
    const dx = Math.abs(qx - px);
    const dy = -Math.abs(qy - py);
    const sx = px < qx ? 1 : -1;
    const sy = py < qy ? 1 : -1;
    let error = dx + dy;
    for (;;) {
      context.fillRect(px, py, this.pen, this.pen);
      if (px === qx && py === qy) {
        return;
      }
      const doubled = 2 * error;
      if (doubled >= dy) {
        error += dy;
        px += sx;
      }
      if (doubled <= dx) {
        error += dx;
        py += sy;
      }
    }
  }

  // Each label as [x, y, text] in user units.
  print(labels) {
    const context = this.context;
    const size = pointsToPixels(GraphLayout.font.points) * this.ratio;
    context.font = `${size}px ${FontFamily}`;
    context.fillStyle = Colours.windowText;
    context.textBaseline = "alphabetic";
    const ascent = context.measureText("0").fontBoundingBoxAscent ?? size;
    for (const [x, y, text] of labels) {
      const [px, py] = this.pixel(x, y);
      context.fillText(text, px, py + ascent);
    }
  }
}
