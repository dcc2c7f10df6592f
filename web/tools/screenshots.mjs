// Screenshots of the web edition for the README and for review, with the
// same draws every time: the time of day the draw reads moves on 1 ms per
// reading, and frames come on virtual time.
//   node web/tools/screenshots.mjs OUT_DIR      (after web/build)
import { mkdirSync } from "node:fs";
import { join, resolve } from "node:path";
import { launch } from "../harness/browser.mjs";
import { button, openVirtual, runFrames } from "../harness/virtual-time.mjs";
import { BadLines, classLines } from "../harness/class-lines.mjs";

const outDir = resolve(process.argv[2] ?? "docs/screenshots");
mkdirSync(outDir, { recursive: true });

function steppingTimeOfDay() {
  let reading = Date.UTC(2024, 3, 1, 10, 0, 0);
  Date.now = () => ++reading;
}

// An automatic run stopped by hand, so the card on show is the card counted.
async function runAndStop(page) {
  await button(page, "自動 Start").click();
  await runFrames(page, { count: 40 });
  await button(page, "自動 Stop").click();
}

// The class window with a class of 35 and two lines it refuses, pasted, its
// results settled; the main window's run stays as it is beside it.
async function pooledClass(page) {
  await runAndStop(page);
  const { x, y } = await page.evaluate(() => {
    const r = document.querySelector('[data-label="6"]').getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  });
  await page.mouse.click(x, y, { button: "right" });
  await page.locator('::-p-aria(クラスの集計...[role="menuitem"])').click();
  const { lines } = classLines();
  const text = [...lines.slice(0, 10), BadLines[0], ...lines.slice(10, 30), BadLines[1], ...lines.slice(30)].join("\n");
  await page.keyboard.sendCharacter(text);
  await runFrames(page, { until: () => !virtualTime.waiting, frameMs: 250 });
  // The text from its start, names and header in view.
  await page.evaluate(() => {
    const box = document.getElementById("class-paste");
    box.setSelectionRange(0, 0);
    box.scrollTop = 0;
    box.scrollLeft = 0;
  });
}

const Shots = [
  // The main window alone at scale 1.
  { name: "web-designed", width: 586, height: 393, show: runAndStop },
  // A tablet held sideways, for the README.
  { name: "web-tablet", width: 1180, height: 820, show: runAndStop },
  {
    name: "web-1024x768",
    width: 1024,
    height: 768,
    show: async (page) => {
      await runAndStop(page);
      await button(page, "HELP").click();
    },
  },
  {
    // An iPad held upright with the help open: the help below the counts.
    name: "web-ipad-portrait-help",
    width: 820,
    height: 1180,
    touch: true,
    show: async (page) => {
      await runAndStop(page);
      await button(page, "HELP").click();
    },
  },
  {
    // The copy menu a long press opens, sized for a finger.
    name: "web-ipad-long-press",
    width: 1180,
    height: 820,
    touch: true,
    show: async (page) => {
      await runAndStop(page);
      const { x, y } = await page.evaluate(() => {
        const r = document.querySelector('[data-label="6"]').getBoundingClientRect();
        return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
      });
      await page.touchscreen.touchStart(x, y);
      await new Promise((done) => setTimeout(done, 700));
      await page.touchscreen.touchEnd();
    },
  },
  {
    name: "web-1920x1080",
    width: 1920,
    height: 1080,
    show: async (page) => {
      // The help beside the graph, which has taken the main window's place.
      await runAndStop(page);
      await button(page, "HELP").click();
      await button(page, "グラフ表示").click();
    },
  },
  {
    // The graph with both of its choices on after four automatic runs, its
    // menu open again to show them ticked.
    name: "web-graph-choices",
    width: 1024,
    height: 768,
    show: async (page) => {
      const finished = () => !document.querySelectorAll("#main-window button.command")[5].disabled;
      for (let run = 0; run < 4; ++run) {
        if (run > 0) {
          await button(page, "初期化").click();
        }
        await button(page, "自動 Start").click();
        await runFrames(page, { until: finished });
      }
      await button(page, "グラフ表示").click();
      const canvas = await page.$("#graph-window canvas");
      for (const name of ["ばらつきの目安を表示", "前の実験も表示"]) {
        await canvas.click({ button: "right" });
        await page.locator(`::-p-aria(${name}[role="menuitemcheckbox"])`).click();
      }
      await canvas.click({ button: "right", offset: { x: 420, y: 60 } });
    },
  },
  { name: "web-class", width: 1180, height: 820, show: pooledClass },
  { name: "web-ipad-portrait-class", width: 820, height: 1180, touch: true, show: pooledClass },
];

const browser = await launch();
try {
  for (const { name, width, height, touch = false, show } of Shots) {
    const { page } = await openVirtual(browser, { width, height, touch, before: steppingTimeOfDay });
    await show(page);
    const path = join(outDir, `${name}.png`);
    await page.screenshot({ path });
    console.log(path);
    await page.close();
  }
} finally {
  await browser.close();
}
