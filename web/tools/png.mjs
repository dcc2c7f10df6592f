// Turns the card pictures (24-bit Windows bitmaps) into PNG files, pixel for
// pixel: a palette image where 256 colours suffice, else truecolour.
import { deflateSync } from "node:zlib";

const BitmapHeader = 14;
const BitmapSignature = "BM";
const TrueColourBits = 24;
const PaletteLimit = 256;

// The pixels of a bottom-up or top-down 24-bit bitmap as RGB rows, top first.
export function readBitmap(file) {
  if (file.toString("latin1", 0, 2) !== BitmapSignature) {
    throw new Error("not a Windows bitmap");
  }
  const pixelsAt = file.readUInt32LE(10);
  const width = file.readInt32LE(BitmapHeader + 4);
  const signedHeight = file.readInt32LE(BitmapHeader + 8);
  const bits = file.readUInt16LE(BitmapHeader + 14);
  const compression = file.readUInt32LE(BitmapHeader + 16);
  if (bits !== TrueColourBits || compression !== 0) {
    throw new Error(`unsupported bitmap: ${bits} bits, compression ${compression}`);
  }
  const height = Math.abs(signedHeight);
  const stride = Math.ceil((width * 3) / 4) * 4;
  const rgb = Buffer.alloc(width * height * 3);
  for (let y = 0; y < height; ++y) {
    const source = pixelsAt + stride * (signedHeight > 0 ? height - 1 - y : y);
    for (let x = 0; x < width; ++x) {
      const at = source + 3 * x;
      const to = 3 * (y * width + x);
      rgb[to] = file[at + 2];
      rgb[to + 1] = file[at + 1];
      rgb[to + 2] = file[at];
    }
  }
  return { width, height, rgb };
}

const crcTable = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; ++k) {
    c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  }
  return c >>> 0;
});

function crc32(bytes) {
  let c = 0xffffffff;
  for (const byte of bytes) {
    c = crcTable[(c ^ byte) & 0xff] ^ (c >>> 8);
  }
  return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
  const body = Buffer.concat([Buffer.from(type, "latin1"), data]);
  const length = Buffer.alloc(4);
  length.writeUInt32BE(data.length);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(body));
  return Buffer.concat([length, body, crc]);
}

const PngSignature = Buffer.from([0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a]);
const ColourTypeTruecolour = 2;
const ColourTypePalette = 3;
const FilterNone = 0;
const FilterSub = 1;
const FilterUp = 2;

// Each row filtered by None, Sub or Up, whichever deflates best as a whole.
function scanlines(rows, bytesPerPixel) {
  const candidates = [FilterNone, FilterSub, FilterUp].map((filter) => {
    const out = [];
    rows.forEach((row, y) => {
      const line = Buffer.alloc(row.length + 1);
      line[0] = filter;
      for (let i = 0; i < row.length; ++i) {
        const left = i >= bytesPerPixel ? row[i - bytesPerPixel] : 0;
        const up = y > 0 ? rows[y - 1][i] : 0;
        const base = filter === FilterSub ? left : filter === FilterUp ? up : 0;
        line[i + 1] = (row[i] - base) & 0xff;
      }
      out.push(line);
    });
    return deflateSync(Buffer.concat(out), { level: 9 });
  });
  return candidates.reduce((best, next) => (next.length < best.length ? next : best));
}

export function encodePng({ width, height, rgb }) {
  const colours = new Map();
  for (let i = 0; i < rgb.length && colours.size <= PaletteLimit; i += 3) {
    const key = rgb.readUIntBE(i, 3);
    if (!colours.has(key)) {
      colours.set(key, colours.size);
    }
  }
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header[8] = 8;
  const parts = [PngSignature];
  let rows;
  let bytesPerPixel;
  if (colours.size <= PaletteLimit) {
    header[9] = ColourTypePalette;
    const palette = Buffer.alloc(colours.size * 3);
    for (const [key, index] of colours) {
      palette.writeUIntBE(key, index * 3, 3);
    }
    rows = Array.from({ length: height }, (_, y) =>
      Buffer.from(Array.from({ length: width }, (_, x) => colours.get(rgb.readUIntBE(3 * (y * width + x), 3)))),
    );
    bytesPerPixel = 1;
    parts.push(chunk("IHDR", header), chunk("PLTE", palette));
  } else {
    header[9] = ColourTypeTruecolour;
    rows = Array.from({ length: height }, (_, y) => rgb.subarray(3 * y * width, 3 * (y + 1) * width));
    bytesPerPixel = 3;
    parts.push(chunk("IHDR", header));
  }
  parts.push(chunk("IDAT", scanlines(rows, bytesPerPixel)), chunk("IEND", Buffer.alloc(0)));
  return Buffer.concat(parts);
}
