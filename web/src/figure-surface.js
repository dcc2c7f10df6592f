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
// the point. Lines and points are set in the canvas's pixels directly, 32
// bits a pixel, which keeps a figure of ten thousand lines to a few
// milliseconds; the texts are written by the canvas over what is drawn before
// them. `fixedPart` keeps the pixels up to the last text for the next paint
// of the same figure at the same size, and the pixels' buffer for reuse.
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
    this.scale = layout.scale;
    this.fixedPart = fixedPart;
  }

  paint({ numbers, texts, palette }) {
    const steps = numbers.length / NumbersPerStep;
    let lastText = steps - 1;
    while (lastText >= 0 && numbers[lastText * NumbersPerStep] !== Kind.text) {
      --lastText;
    }
    const key = {
      width: this.width,
      height: this.height,
      ratio: this.ratio,
      numbers: numbers.slice(0, (lastText + 1) * NumbersPerStep),
      texts: [...texts],
      palette: [...palette],
    };
    const values = Uint32Array.from(palette, pixelValue);
    const fixed = this.fixedPart;
    let from = 0;
    let text = 0;
    if (fixed.key !== undefined && sameKey(fixed.key, key)) {
      this.usePixels(fixed.image);
      this.pixels.set(fixed.pixels);
      from = lastText + 1;
    } else {
      fixed.key = undefined;
      this.usePixels(fixed.image);
      this.pixels.fill(pixelValue(this.layout.surfaceBack));
    }
    for (let step = from; step < steps; ++step) {
      const at = step * NumbersPerStep;
      const kind = numbers[at];
      if (kind === Kind.line) {
        this.line(numbers[at + 1], numbers[at + 2], numbers[at + 3], numbers[at + 4], values[numbers[at + 5]]);
      } else if (kind === Kind.point) {
        this.point(numbers[at + 1], numbers[at + 2], values[numbers[at + 5]]);
      } else {
        const end = this.writeTexts(numbers, step, steps, texts.slice(text));
        text += end - step;
        step = end - 1;
        if (step === lastText) {
          fixed.key = key;
          fixed.pixels = this.pixels.slice();
        }
      }
    }
    this.context.putImageData(this.image, 0, 0);
    fixed.image = this.image;
  }

  // The pixels to draw in: `image`'s when it is of the canvas's size, as
  // a new buffer for each paint would cost as much as the lines.
  usePixels(image) {
    this.image =
      image !== undefined && image.width === this.width && image.height === this.height
        ? image
        : this.context.createImageData(this.width, this.height);
    this.pixels = new Uint32Array(this.image.data.buffer);
  }

  // The canvas writes the texts of the steps from `step` on over the pixels
  // drawn so far, which are then read back; returns the step after them.
  writeTexts(numbers, step, steps, texts) {
    const context = this.context;
    context.putImageData(this.image, 0, 0);
    this.prepareText();
    let at = step;
    for (; at < steps && numbers[at * NumbersPerStep] === Kind.text; ++at) {
      this.text(numbers[at * NumbersPerStep + 1], numbers[at * NumbersPerStep + 2], texts[at - step]);
    }
    this.image = context.getImageData(0, 0, this.width, this.height);
    this.pixels = new Uint32Array(this.image.data.buffer);
    return at;
  }

  pixelX(x) {
    return Math.floor(((x - this.scale.left) * this.width) / this.scale.width);
  }

  pixelY(y) {
    return Math.floor(((y - this.scale.top) * this.height) / this.scale.height);
  }

  // The pixels of a rectangle, clipped to the canvas.
  fillRect(left, top, width, height, value) {
    const x0 = Math.max(0, left);
    const x1 = Math.min(this.width, left + width);
    const y1 = Math.min(this.height, top + height);
    if (x1 <= x0) {
      return;
    }
    for (let y = Math.max(0, top); y < y1; ++y) {
      this.pixels.fill(value, y * this.width + x0, y * this.width + x1);
    }
  }

  point(x, y, value) {
    this.fillRect(this.pixelX(x), this.pixelY(y), this.pen, this.pen, value);
  }

  // Bresenham's line, both ends included, each pixel a pen-wide square.
  line(x1, y1, x2, y2, value) {
    const { pen, width, height, pixels } = this;
    let px = this.pixelX(x1);
    let py = this.pixelY(y1);
    const qx = this.pixelX(x2);
    const qy = this.pixelY(y2);
    const left = Math.min(px, qx);
    const top = Math.min(py, qy);
    const right = Math.max(px, qx) + pen;
    const bottom = Math.max(py, qy) + pen;
    if (right <= 0 || bottom <= 0 || left >= width || top >= height) {
      return;
    }
    if (px === qx || py === qy) {
      this.fillRect(left, top, right - left, bottom - top, value);
      return;
    }
    const dx = Math.abs(qx - px);
    const dy = -Math.abs(qy - py);
    const sx = px < qx ? 1 : -1;
    const sy = py < qy ? 1 : -1;
    let error = dx + dy;
    // Wholly on the canvas, the pixels are set without a look at its edges.
    const inside = left >= 0 && top >= 0 && right <= width && bottom <= height;
    const rowStep = sy * width;
    let index = py * width + px;
    for (;;) {
      if (!inside) {
        this.fillRect(px, py, pen, pen, value);
      } else if (pen === 1) {
        pixels[index] = value;
      } else {
        for (let row = index, end = index + pen * width; row < end; row += width) {
          pixels.fill(value, row, row + pen);
        }
      }
      if (px === qx && py === qy) {
        return;
      }
      const doubled = 2 * error;
      if (doubled >= dy) {
        error += dy;
        px += sx;
        index += sx;
      }
      if (doubled <= dx) {
        error += dx;
        py += sy;
        index += rowStep;
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
    this.context.fillStyle = Theme.windowText;
    this.context.fillText(text, this.pixelX(x), this.pixelY(y) + this.ascent);
  }
}

// "#rrggbb" as the pixel's four bytes, red first in memory.
function pixelValue(colour) {
  const bytes = new Uint8ClampedArray(4);
  [1, 3, 5].forEach((at, i) => {
    bytes[i] = parseInt(colour.slice(at, at + 2), 16);
  });
  bytes[3] = 255;
  return new Uint32Array(bytes.buffer)[0];
}

// Whether the part before the last text is the same.
function sameKey(a, b) {
  return (
    a.width === b.width &&
    a.height === b.height &&
    a.ratio === b.ratio &&
    sameItems(a.numbers, b.numbers) &&
    sameItems(a.texts, b.texts) &&
    sameItems(a.palette, b.palette)
  );
}

function sameItems(a, b) {
  if (a.length !== b.length) {
    return false;
  }
  for (let i = 0; i < a.length; ++i) {
    if (a[i] !== b[i]) {
      return false;
    }
  }
  return true;
}
