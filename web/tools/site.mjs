// The site: the same page, which there registers its service worker, with
// what a browser needs to install it as an app: a web app manifest with its
// icons, an icon for an iPad's home screen and the service worker that keeps
// the site offline.
import { copyFileSync, mkdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { fill } from "./page.mjs";

const ShortName = "トランプ";
const SiteIcons = {
  "icon-192.png": "web-192.png",
  "icon-512.png": "web-512.png",
  "icon-maskable-512.png": "web-maskable-512.png",
  "apple-touch-icon.png": "web-180.png",
};

function manifest({ title, themeColour, backgroundColour }) {
  return {
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
}

function siteHead({ themeColour, release }) {
  return [
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
}

// Writes the site afresh into `site`.
export function writeSite({ repo, web, site, design, release, template, parts }) {
  rmSync(site, { recursive: true, force: true });
  mkdirSync(site);
  for (const [name, source] of Object.entries(SiteIcons)) {
    copyFileSync(join(repo, "assets/icons", source), join(site, name));
  }
  const colours = {
    themeColour: design.main.labels[design.main.headingLabel - 1].back,
    backgroundColour: design.graph.surfaceBack,
  };
  const title = parts["{{title}}"];
  writeFileSync(join(site, "manifest.webmanifest"), `${JSON.stringify(manifest({ title, ...colours }), null, 2)}\n`);
  writeFileSync(
    join(site, "index.html"),
    fill(template, {
      ...parts,
      "{{site-images}}": " 'self'",
      "{{site-sources}}": "; manifest-src 'self'; worker-src 'self'",
      "{{site}}": `\n${siteHead({ themeColour: colours.themeColour, release })}`,
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
}
