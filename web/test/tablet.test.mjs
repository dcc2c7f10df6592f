// The page on a tablet, by touch alone: a long press opens the copy menu at
// the finger on the main window and on the graph, with the share items where
// the device can share; a tap acts at once; held upright, the help stands
// below the main window so that every number stays in sight; the chimes come
// back after a lock; installed as an app, the closed screen starts it again.
import assert from "node:assert/strict";
import { describe, test } from "node:test";
import { untilReady } from "../harness/browser.mjs";
import { button, runFrames, windowButton } from "../harness/virtual-time.mjs";
import { classLines } from "../harness/class-lines.mjs";
import { classShown, inspectCore, pagesOnVirtualTime, typeIntoClassBox } from "./driver.mjs";

const IPadPortrait = { width: 820, height: 1180, scale: 2, touch: true };
const IPadLandscape = { width: 1180, height: 820, scale: 2, touch: true };
const LongPressHoldMs = 700;
// The viewport's margin and the gap between the windows, in CSS pixels.
const StageLayout = { margin: 8, gap: 8 };

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

async function longPress({ x, y }, { moveBy = [0, 0] } = {}) {
  await page.touchscreen.touchStart(x, y);
  if (moveBy[0] || moveBy[1]) {
    await page.touchscreen.touchMove(x + moveBy[0], y + moveBy[1]);
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
      assert.deepEqual(opened.items, ["結果をコピー", "見出しと結果をコピー", "結果を送る", "クラスの集計..."]);
      assert.ok(Math.abs(opened.at.x - finger.x) <= 1 && Math.abs(opened.at.y - finger.y) <= 1, "at the finger");
      assert.ok(opened.lowest >= 44, `items ${opened.lowest} px high`);
      assert.equal(opened.selected, "", "no text selected");
      await page.touchscreen.tap(10, 10);
      assert.equal(await menu(), null, "a tap elsewhere closes it");
    }
    // A finger that moves, by a little or by a lot, is no long press.
    for (const moveBy of [[20, 0], [0, -50], [64, 64]]) {
      await longPress(await centre('[data-label="4"]'), { moveBy });
      assert.equal(await menu(), null, `moved by ${moveBy}`);
    }
    // Chromium cancels a moving touch itself; a browser that keeps sending
    // the moves must meet the page's own limit.
    for (const moveBy of [20, 90]) {
      await page.evaluate((moveBy) => {
        const target = document.querySelector('[data-label="4"]');
        const r = target.getBoundingClientRect();
        const at = (dx) => ({
          pointerId: 9,
          pointerType: "touch",
          isPrimary: true,
          bubbles: true,
          clientX: r.left + 4 + dx,
          clientY: r.top + 4,
        });
        target.dispatchEvent(new PointerEvent("pointerdown", at(0)));
        target.dispatchEvent(new PointerEvent("pointermove", at(moveBy)));
      }, moveBy);
      await new Promise((done) => setTimeout(done, LongPressHoldMs));
      assert.equal(await menu(), null, `a finger kept moving ${moveBy} px`);
      await page.evaluate(() => {
        const lift = { pointerId: 9, pointerType: "touch", bubbles: true };
        document.querySelector('[data-label="4"]').dispatchEvent(new PointerEvent("pointerup", lift));
      });
    }
    assert.deepEqual(
      await page.evaluate(() => {
        const card = document.querySelector("#main-window img.card");
        return { draggable: card.draggable, drag: getComputedStyle(card).webkitUserDrag };
      }),
      { draggable: false, drag: "none" },
      "the card picture cannot be dragged away instead",
    );
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

    // The graph's choices by touch, ticked where they are on.
    await longPress(await centre("#graph-window canvas"));
    await tap(page.locator('::-p-aria(ばらつきの目安を表示[role="menuitemcheckbox"])'));
    await longPress(await centre("#graph-window canvas"));
    const ticked = await page.evaluate(() =>
      [...document.querySelectorAll('.copy-menu [role="menuitemcheckbox"]')].map((item) => item.ariaChecked),
    );
    assert.deepEqual(ticked, ["true", "false"]);
    assert.match(await page.evaluate(() => document.getElementById("graph-description").textContent), /ばらつきの目安/);
  });

  // A device with no share sheet, and one that shares text but no files.
  for (const [device, before, sendsResults] of [
    ["cannot share", [clipboard], false],
    ["shares text only", [clipboard, shareSheet, () => (navigator.canShare = ({ files }) => !files)], true],
  ]) {
    test(`offers only the send items a device that ${device} can send`, async () => {
      page = await pages.open({ ...IPadLandscape, before });
      await longPress(await centre("#main-window img.card"));
      const copyItems = ["結果をコピー", "見出しと結果をコピー"];
      const sendItems = sendsResults ? ["結果を送る"] : [];
      assert.deepEqual((await menu()).items, [...copyItems, ...sendItems, "クラスの集計..."]);
      await page.touchscreen.tap(10, 10);
      await tap(button(page, "トランプをきる"));
      await tap(button(page, "トランプを引く"));
      await tap(button(page, "グラフ表示"));
      await longPress(await centre("#graph-window canvas"));
      assert.deepEqual((await menu()).items, ["グラフをコピー"]);
    });
  }
});

describe("held upright", () => {
  for (const viewport of [IPadPortrait, { width: 768, height: 1024, scale: 2, touch: true }, IPadLandscape]) {
    test(`${viewport.width}x${viewport.height}: every number box in sight with the help open`, async () => {
      page = await pages.open({ ...viewport, before: inspectCore });
      await tap(button(page, "HELP"));
      const placed = await page.evaluate(({ margin, gap }) => {
        const rect = (element) => element.getBoundingClientRect();
        const inSight = (n) => {
          const box = document.querySelector(`[data-label="${n}"]`);
          const r = rect(box);
          const atCentre = document.elementFromPoint(r.left + r.width / 2, r.top + r.height / 2);
          return r.top >= 0 && r.bottom <= innerHeight && r.left >= 0 && r.right <= innerWidth && box.contains(atCentre);
        };
        const [main, help] = ["main-window", "help-window"].map((id) => rect(document.getElementById(id)));
        // Upright, the help's top is the main window's outer height and the
        // gap below its top, at the largest scale at which both windows fit.
        const [mainBox, helpBox] = ["main-window", "help-window"].map((id) => document.getElementById(id));
        const scale = Math.min(
          (innerWidth - 2 * margin) / Math.max(mainBox.offsetWidth, helpBox.offsetWidth),
          (innerHeight - 2 * margin) / (mainBox.offsetHeight + gap + helpBox.offsetHeight),
        );
        return {
          helpTop: Math.round(help.top - main.top),
          expectedTop: Math.round((mainBox.offsetHeight + gap) * scale),
          width: Math.round(main.width),
          expectedWidth: Math.round(mainBox.offsetWidth * scale),
          inSight: toranpu.design.main.numberLabels.map(inSight),
          below: help.top >= main.bottom,
          beside: help.left >= main.right,
          touchAction: getComputedStyle(document.querySelector("#main-window button")).touchAction,
        };
      }, StageLayout);
      const upright = viewport.height > viewport.width;
      const { helpTop, expectedTop, width, expectedWidth, ...seen } = placed;
      if (upright) {
        assert.deepEqual([helpTop, width], [expectedTop, expectedWidth], "below, at the largest scale that fits");
      }
      assert.deepEqual(seen, {
        inSight: [true, true, true, true],
        below: upright,
        beside: !upright,
        touchAction: "manipulation",
      });
      await tap(windowButton(page, "help-window", "閉じる"));
    });
  }
});

test("the class window by touch, held upright: below the counts, a paste pooled, 閉じる", async () => {
  page = await pages.open({ ...IPadPortrait, before: [clipboard, shareSheet] });
  await longPress(await centre('[data-label="6"]'));
  await tapItem("クラスの集計...");
  const placed = await page.evaluate(() => {
    const [main, pooled] = ["main-window", "class-window"].map((id) => document.getElementById(id).getBoundingClientRect());
    return { below: pooled.top >= main.bottom, inside: pooled.right <= innerWidth && pooled.bottom <= innerHeight };
  });
  assert.deepEqual(placed, { below: true, inside: true });

  const pupils = classLines();
  await typeIntoClassBox(page, pupils.lines.join("\n"));
  await runFrames(page, { until: () => !virtualTime.waiting, frameMs: 250 });
  const { rows, totals } = await classShown(page);
  assert.equal(rows.length, pupils.pupils);
  assert.ok(totals.includes(pupils.ratio), totals);

  // The text box keeps the device's own callout, with its paste; elsewhere a
  // long press offers the summary and the figures, and sends where it can.
  await longPress(await centre("#class-paste"));
  assert.equal(await menu(), null);
  await longPress(await centre("#class-pooled"));
  assert.deepEqual((await menu()).items, ["集計をコピー", "集計を送る", "グラフをコピー", "グラフを送る"]);
  await tapItem("集計を送る");
  await page.waitForFunction(() => shared.length > 0);
  // A header, a row per pupil and the totals.
  const summary = (await page.evaluate(() => shared[0])).trimEnd().split("\n");
  assert.equal(summary.length, pupils.pupils + 2);
  assert.match(summary.at(-1), new RegExp(`^合計\t${pupils.trials}\t${pupils.hits}\t${pupils.ratio}`));

  await tap(windowButton(page, "class-window", "閉じる"));
  assert.equal(await page.evaluate(() => document.getElementById("class-window").hidden), true);
});

// An iPad after a lock or a call: the audio context is "interrupted", not
// "suspended"; the next press of a button resumes it.
function stubbedAudio() {
  globalThis.audioResumes = 0;
  globalThis.AudioContext = class {
    state = "suspended";
    destination = {};
    constructor() {
      globalThis.audio = this;
    }
    resume() {
      ++audioResumes;
      this.state = "running";
      return Promise.resolve();
    }
    close() {
      return Promise.resolve();
    }
    createBufferSource() {
      return { connect() {}, start() {}, stop() {} };
    }
    decodeAudioData(bytes, done) {
      done({});
    }
  };
}

test("the chimes come back after a lock: the next cue resumes an interrupted audio context", async () => {
  page = await pages.open({ ...IPadPortrait, before: stubbedAudio });
  await tap(button(page, "HELP"));
  await tap(windowButton(page, "help-window", "閉じる"));
  await page.evaluate(() => (audio.state = "interrupted"));
  await tap(button(page, "HELP"));
  assert.deepEqual(await page.evaluate(() => [audioResumes, audio.state]), [2, "running"]);
});

test("installed as an app, the closed screen starts the program again", async () => {
  page = await pages.open({ ...IPadPortrait, before: () => (navigator.standalone = true) });
  await tap(button(page, "トランプをきる"));
  await tap(button(page, "トランプを引く"));
  await tap(button(page, "終了"));
  await tap(button(page, "はい"));
  assert.equal(await page.evaluate(() => document.getElementById("closed").textContent), "終了しました。");
  await Promise.all([page.waitForNavigation({ waitUntil: "load" }), tap(button(page, "もう一度はじめる"))]);
  await untilReady(page);
  assert.deepEqual(
    await page.evaluate(() => [3, 4].map((n) => document.querySelector(`[data-label="${n}"] .value`).textContent)),
    ["0", "0"],
  );
});
