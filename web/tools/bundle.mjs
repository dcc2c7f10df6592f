// Builds toranpu.html: the page with everything embedded, the WebAssembly
// core, the card pictures, the icon, both cues and a subset of the font with
// just the characters the program shows; and site/, the same page as a web
// site to publish: index.html, a web app manifest with its icons, an icon for
// an iPad's home screen and a service worker that keeps the site offline.
//   node web/tools/bundle.mjs CORE_DIR OUT_DIR
// CORE_DIR holds toranpu-core.mjs and .wasm; OUT_DIR receives toranpu.html,
// site/, the font subset and sizes.json (the file's size by part).
import { execFileSync } from "node:child_process";
import { copyFileSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from "node:fs";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import * as esbuild from "esbuild";

const web = resolve(dirname(fileURLToPath(import.meta.url)), "..");
const repo = dirname(web);
const [coreDir, outDir] = process.argv.slice(2).map((path) => resolve(path));
if (!coreDir || !outDir) {
  console.error("usage: node web/tools/bundle.mjs CORE_DIR OUT_DIR");
  process.exit(2);
}
mkdirSync(outDir, { recursive: true });

const FontFile = "/usr/share/fonts/truetype/horai-umefont/ume-pgo4.ttf";
// The page's own texts; the rest of what it shows comes from the design.
const PageSources = readdirSync(join(web, "src")).map((name) => join(web, "src", name));
const FirstPrintableAscii = 0x20;
const LastPrintableAscii = 0x7e;

const base64 = (bytes) => Buffer.from(bytes).toString("base64");
const dataUrl = (type, bytes) => `data:${type};base64,${base64(bytes)}`;

// The card pictures as cardgen writes them in PNG, one for each card the design names.
function cardPictures(design) {
  return design.cardNames.map((_, i) => readFileSync(join(repo, "assets/cards", `${String(i + 1).padStart(2, "0")}.png`)));
}

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
function shownCharacters(design) {
  const characters = new Set();
  for (let code = FirstPrintableAscii; code <= LastPrintableAscii; ++code) {
    characters.add(String.fromCodePoint(code));
  }
  const texts = [...designTexts(design), ...PageSources.map((file) => readFileSync(file, "utf8"))];
  for (const text of texts) {
    for (const character of text) {
      if (character.codePointAt(0) > LastPrintableAscii) {
        characters.add(character);
      }
    }
  }
  return [...characters].sort((a, b) => a.codePointAt(0) - b.codePointAt(0)).join("");
}

// Debian's pyftsubset command; its own interpreter has Debian's fontTools and brotli.
function fontSubset(design) {
  const textFile = join(outDir, "font-characters.txt");
  const fontOut = join(outDir, "ume-pgo4-subset.woff2");
  writeFileSync(textFile, shownCharacters(design));
  execFileSync(
    "pyftsubset",
    [FontFile, `--text-file=${textFile}`, "--flavor=woff2", `--output-file=${fontOut}`, "--layout-features=*"],
    { stdio: ["ignore", "ignore", "pipe"] },
  );
  return readFileSync(fontOut);
}

const icon = readFileSync(join(repo, "assets/icon.png"));
const wasm = readFileSync(join(coreDir, "toranpu-core.wasm"));
// The core itself, run here once, says what the page will show.
const { default: loadCore } = await import(pathToFileURL(join(coreDir, "toranpu-core.mjs")).href);
const core = await loadCore({ wasmBinary: wasm });
const design = core.design();
const pictures = cardPictures(design);
const cues = Object.fromEntries(design.cues.map((name) => [name, readFileSync(join(repo, "assets", name))]));
const release = core.release();
const font = fontSubset(design);

const assetsModule = [
  `export const cards = ${JSON.stringify(pictures.map((png) => dataUrl("image/png", png)))};`,
  `export const icon = ${JSON.stringify(dataUrl("image/png", icon))};`,
  `export const cues = ${JSON.stringify(Object.fromEntries(Object.entries(cues).map(([n, b]) => [n, base64(b)])))};`,
  `export const wasm = ${JSON.stringify(base64(wasm))};`,
].join("\n");

// The core's module and the embedded assets are two modules made here.
const embedded = {
  name: "embedded",
  setup(build) {
    build.onResolve({ filter: /^toranpu:core$/ }, () => ({ path: join(coreDir, "toranpu-core.mjs") }));
    build.onResolve({ filter: /^toranpu:assets$/ }, () => ({ path: "assets", namespace: "embedded" }));
    build.onLoad({ filter: /.*/, namespace: "embedded" }, () => ({ contents: assetsModule, loader: "js" }));
  },
};

const Target = ["es2021", "chrome90", "safari15", "firefox90"];
const script = await esbuild.build({
  entryPoints: [join(web, "src/app.js")],
  bundle: true,
  format: "esm",
  minify: true,
  target: Target,
  write: false,
  legalComments: "none",
  plugins: [embedded],
  logLevel: "warning",
});
const code = script.outputFiles[0].text.replaceAll("</script", "<\\/script");
// The check for old browsers runs before the module as a classic script, as written.
const supportCheck = (await esbuild.transform(readFileSync(join(web, "src/support-check.js"), "utf8"), {
  minify: true,
  target: "es5",
})).code;
const style = (await esbuild.transform(readFileSync(join(web, "src/page.css"), "utf8"), {
  loader: "css",
  minify: true,
  target: Target,
})).code;

function fill(template, parts) {
  let text = template;
  for (const [mark, value] of Object.entries(parts)) {
    text = text.replaceAll(mark, () => value);
  }
  return text;
}

const title = design.main.title.trim();
const page = {
  "{{title}}": title,
  "{{icon}}": dataUrl("image/png", icon),
  "{{font}}": dataUrl("font/woff2", font),
  "{{style}}": style.trim(),
  "{{script}}": code.trim(),
  "{{support-check}}": supportCheck.trim(),
};
const template = readFileSync(join(web, "src/page.html"), "utf8");
const html = fill(template, { ...page, "{{site-images}}": "", "{{site-sources}}": "", "{{site}}": "" });
const out = join(outDir, "toranpu.html");
writeFileSync(out, html);

// The site: the same page, which there registers its service worker, with
// what a browser needs to install it as an app.
const site = join(outDir, "site");
rmSync(site, { recursive: true, force: true });
mkdirSync(site);
const ShortName = "トランプ";
const SiteIcons = {
  "icon-192.png": "web-192.png",
  "icon-512.png": "web-512.png",
  "icon-maskable-512.png": "web-maskable-512.png",
  "apple-touch-icon.png": "web-180.png",
};
for (const [name, source] of Object.entries(SiteIcons)) {
  copyFileSync(join(repo, "assets/icons", source), join(site, name));
}
const themeColour = design.main.labels[design.main.headingLabel - 1].back;
const backgroundColour = design.graph.surfaceBack;
const manifest = {
  name: title,
  short_name: ShortName,
  lang: "ja",
  dir: "ltr",
  display: "standalone",
  start_url: "./",
  scope: "./",
  theme_color: themeColour,
  background_color: backgroundColour,
  icons: [
    { src: "icon-192.png", sizes: "192x192", type: "image/png", purpose: "any" },
    { src: "icon-512.png", sizes: "512x512", type: "image/png", purpose: "any" },
    { src: "icon-maskable-512.png", sizes: "512x512", type: "image/png", purpose: "maskable" },
  ],
};
writeFileSync(join(site, "manifest.webmanifest"), `${JSON.stringify(manifest, null, 2)}\n`);
const siteHead = [
  `<link rel="manifest" href="manifest.webmanifest">`,
  `<link rel="apple-touch-icon" href="apple-touch-icon.png">`,
  `<meta name="theme-color" content="${themeColour}">`,
  `<meta name="mobile-web-app-capable" content="yes">`,
  `<meta name="apple-mobile-web-app-capable" content="yes">`,
  `<meta name="apple-mobile-web-app-title" content="${ShortName}">`,
  `<meta name="apple-mobile-web-app-status-bar-style" content="default">`,
  `<meta name="toranpu-release" content="${release}">`,
  `<meta name="toranpu-service-worker" content="sw.js">`,
].join("\n");
writeFileSync(
  join(site, "index.html"),
  fill(template, {
    ...page,
    "{{site-images}}": " 'self'",
    "{{site-sources}}": "; manifest-src 'self'; worker-src 'self'",
    "{{site}}": `\n${siteHead}`,
  }),
);
const storedFiles = ["./", "manifest.webmanifest", ...Object.keys(SiteIcons)];
writeFileSync(
  join(site, "sw.js"),
  fill(readFileSync(join(web, "src/service-worker.js"), "utf8"), {
    "{{release}}": release,
    "{{files}}": JSON.stringify(storedFiles),
  }),
);

// The file's size by part, as embedded (base64 where binary).
const encoded = (bytes) => Math.ceil(bytes.length / 3) * 4;
const assetBytes = (bytesList) => bytesList.reduce((sum, bytes) => sum + encoded(bytes), 0);
const sizes = {
  total: Buffer.byteLength(html),
  webAssembly: encoded(wasm),
  pictures: assetBytes(pictures) + 2 * encoded(icon),
  font: encoded(font),
  cues: assetBytes(Object.values(cues)),
};
sizes.code = sizes.total - sizes.webAssembly - sizes.pictures - sizes.font - sizes.cues;
writeFileSync(join(outDir, "sizes.json"), `${JSON.stringify(sizes, null, 2)}\n`);
console.log(`${out}: ${Object.entries(sizes).map(([part, n]) => `${part} ${n}`).join(", ")}`);
console.log(`${site}/: release ${release}, ${readdirSync(site).join(", ")}`);
