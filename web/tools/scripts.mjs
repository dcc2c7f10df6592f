// The page's code and style, minified by esbuild: the program as one module
// with the core and the embedded assets inside, the check for old browsers
// as a classic script, and the style sheet.
import { readFileSync } from "node:fs";
import { join } from "node:path";
import * as esbuild from "esbuild";

const Target = ["es2021", "chrome90", "safari15", "firefox90"];

// The core's module and the embedded assets are two modules made here.
function embedded(coreDir, assetsSource) {
  return {
    name: "embedded",
    setup(build) {
      build.onResolve({ filter: /^toranpu:core$/ }, () => ({ path: join(coreDir, "toranpu-core.mjs") }));
      build.onResolve({ filter: /^toranpu:assets$/ }, () => ({ path: "assets", namespace: "embedded" }));
      build.onLoad({ filter: /.*/, namespace: "embedded" }, () => ({ contents: assetsSource, loader: "js" }));
    },
  };
}

// Returns { code, supportCheck, style }, each ready to stand inside the page.
export async function pageScripts(web, coreDir, assetsSource) {
  const script = await esbuild.build({
    entryPoints: [join(web, "src/app.js")],
    bundle: true,
    format: "esm",
    minify: true,
    target: Target,
    write: false,
    legalComments: "none",
    plugins: [embedded(coreDir, assetsSource)],
    logLevel: "warning",
  });
  const code = script.outputFiles[0].text.replaceAll("</script", "<\\/script");
  // The check for old browsers runs before the module as a classic script, as written.
  const supportCheck = (
    await esbuild.transform(readFileSync(join(web, "src/support-check.js"), "utf8"), {
      minify: true,
      target: "es5",
    })
  ).code;
  const style = (
    await esbuild.transform(readFileSync(join(web, "src/page.css"), "utf8"), {
      loader: "css",
      minify: true,
      target: Target,
    })
  ).code;
  return { code, supportCheck, style };
}
