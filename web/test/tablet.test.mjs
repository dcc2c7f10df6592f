// The page on a tablet, by touch alone: a long press opens the copy menu at
// the finger on the main window and on the graph, with the share items where
// the device can share; a tap acts at once; held upright, the help stands
// below the main window so that every number stays in sight.
import assert from "node:assert/strict";
import { describe, test } from "node:test";
import { button, inspectCore, pagesOnVirtualTime, runFrames, windowButton } from "./driver.mjs";

const IPadPortrait = { width: 820, height: 1180, scale: 2, touch: true };
const IPadLandscape = { width: 1180, height: 820, scale: 2, touch: true };
const LongPressHoldMs = 700;

// A device with a share sheet: records what is handed to it, as the copy
// stub records the clipboard.
function shareSheet() {
  globalThis.shared = [];
  navigator.share = async ({ text, files }) => {
    if (files) {
      const picture = await createImageBitmap(files[0]);
      shared.push({ type: files[0].type, width: picture.width, height: picture.height });
    } else {
      shared.push(text);
    }
  };
  navigator.canShare = () => true;
}

function clipboard() {
  globalThis.copied = [];
  Object.defineProperty(navigator, "clipboard", {
    value: { writeText: async (text) => copied.push(text), write: async () => copied.push("picture") },
  });
}

const pages = pagesOnVirtualTime();
let page;

const centre = (selector) =>
  page.evaluate((selector) => {
    const r = document.querySelector(selector).getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  }, selector);

async function longPress({ x, y }, { moveBy = 0 } = {}) {
  await page.touchscreen.touchStart(x, y);
  if (moveBy) {
    await page.touchscreen.touchMove(x + moveBy, y);
  }
  await new Promise((done) => setTimeout(done, LongPressHoldMs));
  await page.touchscreen.touchEnd();
}

// The menu as a finger meets it: where it opened, its items and their height.
const menu = () =>
  page.evaluate(() => {
    const open = document.querySelector(".copy-menu:not([hidden])");
    if (!open) {
      return null;
    }
    const r = open.getBoundingClientRect();
    const items = [...open.querySelectorAll('[role="menuitem"]')];
    return {
      at: { x: r.left, y: r.top },
      items: items.map((item) => item.textContent),
      lowest: Math.min(...items.map((item) => item.getBoundingClientRect().height)),
      selected: String(getSelection()),
    };
  });

// A finger's tap on what a locator finds.
async function tap(locator) {
  await (await locator.waitHandle()).tap();
}

async function tapItem(name) {
  await tap(page.locator(`::-p-aria(${name}[role="menuitem"])`));
}

describe("a long press", () => {
  test("opens the copy menu at the finger on the card, a number box and the title", async () => {
    page = await pages.open({ ...IPadPortrait, before: [clipboard, shareSheet] });
    for (const target of ["#main-window img.card", '[data-label="3"]', "#main-window .titlebar"]) {
      const finger = await centre(target);
      await longPress(finger);
      const opened = await menu();
      assert.ok(opened, `a menu opens on ${target}`);
      assert.deepEqual(opened.items, ["結果をコピー", "見出しと結果をコピー", "結果を送る"]);
      assert.ok(Math.abs(opened.at.x - finger.x) <= 1 && Math.abs(opened.at.y - finger.y) <= 1, "at the finger");
      assert.ok(opened.lowest >= 44, `items ${opened.lowest} px high`);
      assert.equal(opened.selected, "", "no text selected");
      await page.touchscreen.tap(10, 10);
      assert.equal(await menu(), null, "a tap elsewhere closes it");
    }
    // A finger that moves, or lifts early, is no long press.
    await longPress(await centre('[data-label="4"]'), { moveBy: 40 });
    assert.equal(await menu(), null);
  });

  test("copies and shares the results line and the graph by touch", async () => {
    page = await pages.open({ ...IPadPortrait, before: [clipboard, shareSheet] });
    await tap(button(page, "トランプをきる"));
    await runFrames(page, { count: 2 });
    await tap(button(page, "トランプを引く"));
    await longPress(await centre('[data-label="6"]'));
    await tapItem("結果をコピー");
    await longPress(await centre('[data-label="6"]'));
    await tapItem("結果を送る");
    const line = await page.evaluate(() => copied[0]);
    assert.match(line, /^1\t[01]\t[01]\.0000000\t0\.3076923\t\t\t\t\t$/);
    await page.waitForFunction(() => shared.length > 0);
    assert.deepEqual(await page.evaluate(() => shared), [line]);

    await tap(button(page, "グラフ表示"));
    await longPress(await centre("#graph-window canvas"));
    assert.deepEqual((await menu()).items, ["グラフをコピー", "グラフを送る"]);
    await tapItem("グラフを送る");
    await page.waitForFunction(() => shared.length > 1);
    // The figure at the screen's resolution: twice the surface's 629 x 317.
    assert.deepEqual(await page.evaluate(() => shared[1]), { type: "image/png", width: 1258, height: 634 });
  });

  test("offers no send items where the device cannot share", async () => {
    page = await pages.open({ ...IPadLandscape, before: [clipboard] });
    await longPress(await centre("#main-window img.card"));
    assert.deepEqual((await menu()).items, ["結果をコピー", "見出しと結果をコピー"]);
  });
});

describe("held upright", () => {
  for (const viewport of [IPadPortrait, { width: 768, height: 1024, scale: 2, touch: true }, IPadLandscape]) {
    test(`${viewport.width}x${viewport.height}: every number box in sight with the help open`, async () => {
      page = await pages.open({ ...viewport, before: inspectCore });
      await tap(button(page, "HELP"));
      const placed = await page.evaluate(() => {
        const rect = (element) => element.getBoundingClientRect();
        const inSight = (n) => {
          const box = document.querySelector(`[data-label="${n}"]`);
          const r = rect(box);
          const atCentre = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
          return r.top >= 0 && r.bottom <= innerHeight && r.left >= 0 && r.right <= innerWidth && box.contains(atCentre);
        };
        const [main, help] = ["main-window", "help-window"].map((id) => rect(document.getElementById(id)));
        return {
          inSight: toranpu.design.main.numberLabels.map(inSight),
          below: help.top >= main.bottom,
          beside: help.left >= main.right,
          touchAction: getComputedStyle(document.querySelector("#main-window button")).touchAction,
        };
      });
      const upright = viewport.height > viewport.width;
      assert.deepEqual(placed, { inSight: [true, true, true, true], below: upright, beside: !upright, touchAction: "manipulation" });
      await tap(windowButton(page, "help-window", "閉じる"));
    });
  }
});
