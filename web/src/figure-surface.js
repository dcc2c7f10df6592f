// Painting a figure's drawing steps, packed as the core hands them over, on
// a canvas.
import { FontFamily, Theme, pointsToPixels } from "./layout.js";

// The core hands the figure over packed, as thousands of small objects would
// cross slowly, and it is painted as it comes: `numbers` holds six per step
// (kind, x1, y1, x2, y2, palette number), `texts` the text steps' texts in
// order, `palette` the colours.
export const Kind = { line: 0, point: 1, text: 2 };
export const NumbersPerStep = 6;
export const NoFigure = { numbers: new Float32Array(0), texts: [], palette: [] };

// The canvas as the desktop's drawing surface: user units to the device pixel
// whose area holds the point, lines and points in whole pixels without
// smoothing and as wide as one CSS pixel, text with its top-left corner at
// the point. Lines and points are set in the canvas's pixels directly, which
// keeps a figure of ten thousand lines to a few milliseconds; the texts are
// written by the canvas over what is drawn before them. `fixedPart` keeps
// the pixels up to the last text for the next paint of the same figure.
// `layout` gives the surface's user units (`scale`: left, top, width,
// height), its background (`surfaceBack`) and its font (`font.points`).
export class Surface {
  constructor(canvas, ratio, layout, fixedPart = {}) {
    this.context = canvas.getContext("2d", { willReadFrequently: true });
    this.width = canvas.width;
    this.height = canvas.height;
    this.ratio = ratio;
    this.pen = Math.max(1, Math.round(ratio));
    this.layout = layout;
    this.fixedPart = fixedPart;
    this.colours = new Map();
  }

  paint({ numbers, texts, palette }) {
    const context = this.context;
    const steps = numbers.length / NumbersPerStep;
    const kind = (step) => numbers[step * NumbersPerStep];
    let lastText = steps - 1;
    while (lastText >= 0 && kind(lastText) !== Kind.text) {
      --lastText;
    }
    const fixedNumbers = Array.from(numbers.subarray(0, (lastText + 1) * NumbersPerStep));
    const key = JSON.stringify([this.width, this.height, this.ratio, fixedNumbers, texts]);
    let from = 0;
    if (this.fixedPart.key === key) {
      this.image = context.createImageData(this.width, this.height);
      this.pixels = new Uint32Array(this.image.data.buffer);
      this.pixels.set(this.fixedPart.pixels);
      from = lastText + 1;
    } else {
      context.fillStyle = this.layout.surfaceBack;
      context.fillRect(0, 0, this.width, this.height);
      this.prepareText();
      this.readPixels();
    }
    // Every text stands before the last one's end.
    let text = from === 0 ? 0 : texts.length;
    for (let step = from; step < steps; ++step) {
      const at = step * NumbersPerStep;
      const colour = palette[numbers[at + 5]];
      if (kind(step) === Kind.line) {
        this.line(numbers[at + 1], numbers[at + 2], numbers[at + 3], numbers[at + 4], colour);
      } else if (kind(step) === Kind.point) {
        this.point(numbers[at + 1], numbers[at + 2], colour);
      } else {
        // The canvas writes the texts over the pixels drawn so far.
        context.putImageData(this.image, 0, 0);
        for (; step < steps && kind(step) === Kind.text; ++step) {
          this.text(numbers[step * NumbersPerStep + 1], numbers[step * NumbersPerStep + 2], texts[text++]);
        }
        --step;
        this.readPixels();
        if (step === lastText) {
          this.fixedPart.key = key;
          this.fixedPart.pixels = this.pixels.slice();
        }
      }
    }
    context.putImageData(this.image, 0, 0);
  }

  readPixels() {
    this.image = this.context.getImageData(0, 0, this.width, this.height);
    this.pixels = new Uint32Array(this.image.data.buffer);
  }

  // "#rrggbb" as the pixel's four bytes, red first in memory.
  pixelValue(colour) {
    let value = this.colours.get(colour);
    if (value === undefined) {
      const [red, green, blue] = [1, 3, 5].map((at) => parseInt(colour.slice(at, at + 2), 16));
      const bytes = new Uint8ClampedArray([red, green, blue, 255]);
      value = new Uint32Array(bytes.buffer)[0];
      this.colours.set(colour, value);
    }
    return value;
  }

  pixel(x, y) {
    const { left, top, width, height } = this.layout.scale;
    return [
      Math.floor(((x - left) * this.width) / width),
      Math.floor(((y - top) * this.height) / height),
    ];
  }

  // The pixels of a rectangle, clipped to the canvas.
  fillRect(left, top, width, height, value) {
    const x0 = Math.max(0, left);
    const x1 = Math.min(this.width, left + width);
    const y1 = Math.min(this.height, top + height);
    for (let y = Math.max(0, top); y < y1; ++y) {
      if (x1 > x0) {
        this.pixels.fill(value, y * this.width + x0, y * this.width + x1);
      }
    }
  }

  point(x, y, colour) {
    const [px, py] = this.pixel(x, y);
    this.fillRect(px, py, this.pen, this.pen, this.pixelValue(colour));
  }

  // Bresenham's line, both ends included, each pixel a pen-wide square.
  line(x1, y1, x2, y2, colour) {
    const value = this.pixelValue(colour);
    const pen = this.pen;
    let [px, py] = this.pixel(x1, y1);
    const [qx, qy] = this.pixel(x2, y2);
    if (px === qx || py === qy) {
      const left = Math.min(px, qx);
      const top = Math.min(py, qy);
      this.fillRect(left, top, Math.abs(qx - px) + pen, Math.abs(qy - py) + pen, value);
      return;
    }
    const dx = Math.abs(qx - px);
    const dy = -Math.abs(qy - py);
    const sx = px < qx ? 1 : -1;
    const sy = py < qy ? 1 : -1;
    let error = dx + dy;
    const pixels = this.pixels;
    const { width, height } = this;
    for (;;) {
      if (pen === 1) {
        if (px >= 0 && px < width && py >= 0 && py < height) {
          pixels[py * width + px] = value;
        }
      } else {
        this.fillRect(px, py, pen, pen, value);
      }
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
