// The graph window: the relative frequency over the trials, painted on a
// canvas from the figure's drawing steps, which the core computes in the
// surface's user units (the same steps the desktop paints).
import { FontFamily, Theme, pointsToPixels } from "./layout.js";
import { element, keepTabInside } from "./dom.js";
import { PageWindow, surfaceWindow } from "./frame.js";

export class GraphWindow extends PageWindow {
  constructor({ design, icon, onClose }) {
    const layout = design.graph;
    super({ id: "graph-window", layout, icon, role: "dialog", onFrameClose: onClose });
    this.layout = layout;
    const { close, surface, inner } = surfaceWindow(this, layout, design.texts.close, onClose);
    this.closeButton = close;
    this.inner = inner;
    // What the class sees, in words: the trials, the frequency at the last
    // one and the theoretical value. Only the figure's description: read in
    // the text as well, it would be heard twice.
    this.description = element("p", { id: "graph-description", className: "spoken", "aria-hidden": "true" });
    // A tab stop after 閉じる, so that the description can be read again.
    this.canvas = element("canvas", {
      role: "img",
      tabIndex: 0,
      "aria-label": `${layout.surfaceName} ${layout.description}`,
      "aria-describedby": this.description.id,
    });
    this.canvas.style.width = `${inner.width}px`;
    this.canvas.style.height = `${inner.height}px`;
    surface.append(this.canvas, this.description);
    this.steps = [];
    // The main window is hidden while the graph is on view: Tab stays here.
    keepTabInside(this.element);
  }

  // The figure to show: the core's drawing steps, and what it shows in words.
  setFigure(steps, description) {
    this.steps = steps;
    this.description.textContent = description;
  }

  // Draws at `ratio` device pixels per CSS pixel, so the figure stays sharp at
  // any scale.
  draw(ratio) {
    this.canvas.width = Math.max(1, Math.round(this.inner.width * ratio));
    this.canvas.height = Math.max(1, Math.round(this.inner.height * ratio));
    new Surface(this.canvas, ratio, this.layout).paint(this.steps);
  }

  // The figure at a given resolution, for the clipboard.
  snapshot(ratio = 1) {
    const canvas = element("canvas");
    canvas.width = Math.round(this.inner.width * ratio);
    canvas.height = Math.round(this.inner.height * ratio);
    new Surface(canvas, ratio, this.layout).paint(this.steps);
    return canvas;
  }
}

// The canvas as the desktop's drawing surface: user units to the device pixel
// whose area holds the point, lines and points in whole pixels without
// smoothing and as wide as one CSS pixel, text with its top-left corner at
// the point.
class Surface {
  constructor(canvas, ratio, layout) {
    this.context = canvas.getContext("2d");
    this.width = canvas.width;
    this.height = canvas.height;
    this.ratio = ratio;
    this.pen = Math.max(1, Math.round(ratio));
    this.layout = layout;
  }

  paint(steps) {
    this.context.fillStyle = this.layout.surfaceBack;
    this.context.fillRect(0, 0, this.width, this.height);
    this.prepareText();
    for (const step of steps) {
      if (step.kind === "line") {
        this.line(step.x1, step.y1, step.x2, step.y2, step.colour);
      } else if (step.kind === "point") {
        this.point(step.x1, step.y1, step.colour);
      } else {
        this.text(step.x1, step.y1, step.text);
      }
    }
  }

  pixel(x, y) {
    const { left, top, width, height } = this.layout.scale;
    return [
      Math.floor(((x - left) * this.width) / width),
      Math.floor(((y - top) * this.height) / height),
    ];
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

  prepareText() {
    const context = this.context;
    const size = pointsToPixels(this.layout.font.points) * this.ratio;
    context.font = `${size}px ${FontFamily}`;
    context.textBaseline = "alphabetic";
    this.ascent = context.measureText("0").fontBoundingBoxAscent ?? size;
  }

  text(x, y, text) {
    const [px, py] = this.pixel(x, y);
    this.context.fillStyle = Theme.windowText;
    this.context.fillText(text, px, py + this.ascent);
  }
}
