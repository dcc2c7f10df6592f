// A subset of the font with just the characters the program shows, written
// by Debian's pyftsubset command (its own interpreter has Debian's fontTools
// and brotli).
import { execFileSync } from "node:child_process";
import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";

const FontFile = "/usr/share/fonts/truetype/horai-umefont/ume-pgo4.ttf";
const FirstPrintableAscii = 0x20;
const LastPrintableAscii = 0x7e;

// Every text in the design, wherever it stands in it.
function designTexts(value) {
  if (typeof value === "string") {
    return [value];
  }
  return value && typeof value === "object" ? Object.values(value).flatMap(designTexts) : [];
}

// Every character outside ASCII that the design and the page's own sources
// hold, and all of printable ASCII for the numbers, in code point order so
// the subset is reproducible.
export function shownCharacters(design, pageSources) {
  const characters = new Set();
  for (let code = FirstPrintableAscii; code <= LastPrintableAscii; ++code) {
    characters.add(String.fromCodePoint(code));
  }
  const texts = [...designTexts(design), ...pageSources.map((file) => readFileSync(file, "utf8"))];
  for (const text of texts) {
    for (const character of text) {
      if (character.codePointAt(0) > LastPrintableAscii) {
        characters.add(character);
      }
    }
  }
  return [...characters].sort((a, b) => a.codePointAt(0) - b.codePointAt(0)).join("");
}

// Writes the characters and the subset into `outDir`; returns the subset's bytes.
export function fontSubset(design, pageSources, outDir) {
  const textFile = join(outDir, "font-characters.txt");
  const fontOut = join(outDir, "ume-pgo4-subset.woff2");
  writeFileSync(textFile, shownCharacters(design, pageSources));
  execFileSync(
    "pyftsubset",
    [FontFile, `--text-file=${textFile}`, "--flavor=woff2", `--output-file=${fontOut}`, "--layout-features=*"],
    { stdio: ["ignore", "ignore", "pipe"] },
  );
  return readFileSync(fontOut);
}
