// Builds toranpu.html: the page with everything embedded, the WebAssembly
// core, the card pictures, the icon, both cues and a subset of the font with
// just the characters the program shows; and site/, the same page as a web
// site to publish (site.mjs).
//   node web/tools/bundle.mjs CORE_DIR OUT_DIR
// CORE_DIR holds toranpu-core.mjs and .wasm; OUT_DIR receives toranpu.html,
// site/, the font subset and sizes.json (the file's size by part).
import { mkdirSync, readFileSync, readdirSync, writeFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import { assetsModule, readAssets } from "./assets.mjs";
import { fontSubset } from "./font-subset.mjs";
import { pageParts, pageTemplate, writeSingleFile } from "./page.mjs";
import { pageScripts } from "./scripts.mjs";
import { writeSite } from "./site.mjs";
import { sizeReport } from "./sizes.mjs";

const web = resolve(dirname(fileURLToPath(import.meta.url)), "..");
const repo = dirname(web);
const [coreDir, outDir] = process.argv.slice(2).map((path) => resolve(path));
if (!coreDir || !outDir) {
  console.error("usage: node web/tools/bundle.mjs CORE_DIR OUT_DIR");
  process.exit(2);
}
mkdirSync(outDir, { recursive: true });

// The page's own texts; the rest of what it shows comes from the design.
const pageSources = readdirSync(join(web, "src")).map((name) => join(web, "src", name));

const wasm = readFileSync(join(coreDir, "toranpu-core.wasm"));
// The core itself, run here once, says what the page will show.
const { default: loadCore } = await import(pathToFileURL(join(coreDir, "toranpu-core.mjs")).href);
const core = await loadCore({ wasmBinary: wasm });
const design = core.design();
const release = core.release();
const assets = readAssets(repo, design);
const font = fontSubset(design, pageSources, outDir);
const scripts = await pageScripts(web, coreDir, assetsModule(assets, wasm));

const template = pageTemplate(web);
const parts = pageParts({ title: design.main.title.trim(), icon: assets.icon, font, scripts });
const out = join(outDir, "toranpu.html");
const html = writeSingleFile(template, parts, out);
const site = join(outDir, "site");
writeSite({ repo, web, site, design, release, template, parts });

const sizes = sizeReport(html, { wasm, font, ...assets });
writeFileSync(join(outDir, "sizes.json"), `${JSON.stringify(sizes, null, 2)}\n`);
console.log(`${out}: ${Object.entries(sizes).map(([part, n]) => `${part} ${n}`).join(", ")}`);
console.log(`${site}/: release ${release}, ${readdirSync(site).join(", ")}`);
