// The page from its template (web/src/page.html): the parts both the single
// file and the site fill in, and the single file itself.
import { readFileSync, writeFileSync } from "node:fs";
import { join } from "node:path";
import { dataUrl } from "./assets.mjs";

// Replaces every mark in `template` by its part, as written.
export function fill(template, parts) {
  let text = template;
  for (const [mark, value] of Object.entries(parts)) {
    text = text.replaceAll(mark, () => value);
  }
  return text;
}

export const pageTemplate = (web) => readFileSync(join(web, "src/page.html"), "utf8");

// The marks every edition of the page fills the same way.
export function pageParts({ title, icon, font, scripts }) {
  return {
    "{{title}}": title,
    "{{icon}}": dataUrl("image/png", icon),
    "{{font}}": dataUrl("font/woff2", font),
    "{{style}}": scripts.style.trim(),
    "{{script}}": scripts.code.trim(),
    "{{support-check}}": scripts.supportCheck.trim(),
  };
}

// toranpu.html: the page alone, nothing of the site's. Returns its text.
export function writeSingleFile(template, parts, out) {
  const html = fill(template, { ...parts, "{{site-images}}": "", "{{site-sources}}": "", "{{site}}": "" });
  writeFileSync(out, html);
  return html;
}
