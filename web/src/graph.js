// The graph window: the relative frequency over the trials, painted on a
// canvas from the figure's drawing steps, which the core computes in the
// surface's user units (the same steps the desktop paints).
import { element, keepTabInside } from "./dom.js";
import { NoFigure, Surface } from "./figure-surface.js";
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
    this.figure = NoFigure;
    // The pixels of the figure up to its last text, kept between paints of
    // the same size: the texts are the slow part to draw.
    this.fixedPart = {};
    // The main window is hidden while the graph is on view: Tab stays here.
    keepTabInside(this.element);
  }

  // The figure to show: the core's drawing steps, packed (see Kind), and what
  // it shows in words. On view, it is drawn again at once.
  setFigure(figure, description) {
    this.figure = figure;
    this.description.textContent = description;
    if (this.visible && this.ratio) {
      this.draw(this.ratio);
    }
  }

  // Draws at `ratio` device pixels per CSS pixel, so the figure stays sharp at
  // any scale.
  draw(ratio) {
    this.ratio = ratio;
    // Each paint covers every pixel: the canvas is cleared only by a new size.
    const width = Math.max(1, Math.round(this.inner.width * ratio));
    const height = Math.max(1, Math.round(this.inner.height * ratio));
    if (this.canvas.width !== width || this.canvas.height !== height) {
      this.canvas.width = width;
      this.canvas.height = height;
    }
    new Surface(this.canvas, ratio, this.layout, this.fixedPart).paint(this.figure);
  }

  // The figure at a given resolution, for the clipboard.
  snapshot(ratio = 1) {
    const canvas = element("canvas");
    canvas.width = Math.round(this.inner.width * ratio);
    canvas.height = Math.round(this.inner.height * ratio);
    new Surface(canvas, ratio, this.layout).paint(this.figure);
    return canvas;
  }
}
