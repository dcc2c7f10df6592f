// What the page embeds from assets/: the card pictures cardgen wrote, the
// icon and the cues, and the module that hands them to the page as text.
import { readFileSync } from "node:fs";
import { join } from "node:path";

export const base64 = (bytes) => Buffer.from(bytes).toString("base64");
export const dataUrl = (type, bytes) => `data:${type};base64,${base64(bytes)}`;

// The card pictures in PNG, one for each card the design names; the cues by
// the names the design gives them.
export function readAssets(repo, design) {
  const pictures = design.cardNames.map((_, i) =>
    readFileSync(join(repo, "assets/cards", `${String(i + 1).padStart(2, "0")}.png`)),
  );
  const icon = readFileSync(join(repo, "assets/icon.png"));
  const cues = Object.fromEntries(design.cues.map((name) => [name, readFileSync(join(repo, "assets", name))]));
  return { pictures, icon, cues };
}

// The source of the module the page imports as toranpu:assets.
export function assetsModule({ pictures, icon, cues }, wasm) {
  return [
    `export const cards = ${JSON.stringify(pictures.map((png) => dataUrl("image/png", png)))};`,
    `export const icon = ${JSON.stringify(dataUrl("image/png", icon))};`,
    `export const cues = ${JSON.stringify(Object.fromEntries(Object.entries(cues).map(([n, b]) => [n, base64(b)])))};`,
    `export const wasm = ${JSON.stringify(base64(wasm))};`,
  ].join("\n");
}
