#!/usr/bin/env node
// Real durations of the web edition in headless Chromium, on the real clock
// and frames: the load (from navigation to the windows ready, median of
// several loads) and automatic runs of 1000 trials (click to 初期化 enabled).
//   web/bench.mjs [RUNS]       (after web/build)
import { launch, openPage } from "./test/browser.mjs";

const runs = Number(process.argv[2] ?? 5);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Counts the frames the page asks for, and notes when it becomes ready.
function watch() {
  globalThis.benchFrames = 0;
  const request = globalThis.requestAnimationFrame.bind(globalThis);
  globalThis.requestAnimationFrame = (callback) => {
    ++globalThis.benchFrames;
    return request(callback);
  };
  new MutationObserver((_, observer) => {
    if (document.getElementById("stage")?.getAttribute("aria-busy") === "false") {
      globalThis.benchReady = performance.now();
      observer.disconnect();
    }
  }).observe(document, { subtree: true, attributes: true, attributeFilter: ["aria-busy"] });
}

const browser = await launch();
try {
  const loads = [];
  let page;
  for (let i = 0; i < runs; ++i) {
    await page?.close();
    ({ page } = await openPage(browser, { before: watch }));
    loads.push(await page.evaluate(() => benchReady));
  }
  const durations = [];
  const frames = [];
  for (let i = 0; i < runs; ++i) {
    const result = await page.evaluate(
      () =>
        new Promise((resolve) => {
          const buttons = document.querySelectorAll("#main-window button.command");
          const [start, initialise] = [buttons[3], buttons[5]];
          const observer = new MutationObserver(() => {
            if (!initialise.disabled) {
              observer.disconnect();
              resolve({ ms: performance.now() - began, frames: benchFrames - framesBefore });
            }
          });
          observer.observe(initialise, { attributes: true });
          const framesBefore = benchFrames;
          const began = performance.now();
          start.click();
        }),
    );
    durations.push(result.ms);
    frames.push(result.frames);
    await page.evaluate(() => document.querySelectorAll("#main-window button.command")[5].click());
  }
  const format = (values) => values.map((v) => v.toFixed(0)).join(", ");
  console.log(`load (navigation to ready): median ${median(loads).toFixed(0)} ms [${format(loads)}]`);
  console.log(`1000-trial run: median ${median(durations).toFixed(0)} ms [${format(durations)}]`);
  console.log(`frames per run: median ${median(frames)} [${frames.join(", ")}]`);
} finally {
  await browser.close();
}
