// Drives the page as a user does, by role and name, on virtual time: the
// page's clock and frame source are replaced before it loads, and a test
// steps them.
import assert from "node:assert/strict";
import { after, afterEach, before } from "node:test";
import { launch, openPage } from "./browser.mjs";

// Runs in the page before its own scripts.
export function installVirtualTime() {
  let now = 0;
  let handles = 0;
  const frames = new Map();
  globalThis.toranpuTime = {
    now: () => now,
    requestFrame(callback) {
      frames.set(++handles, callback);
      return handles;
    },
    cancelFrame(handle) {
      frames.delete(handle);
    },
  };
  // What the page leaves for later (the announcer's clearing) runs when the
  // clock passes its time.
  const later = [];
  globalThis.toranpuTime.after = (ms, callback) => {
    later.push({ due: now + ms, callback });
  };
  globalThis.virtualTime = {
    // Whether the page has asked for a frame: it does only while its timer runs.
    get waiting() {
      return frames.size > 0;
    },
    get now() {
      return now;
    },
    // Moves the clock on and runs the frame callbacks that were due.
    frame(ms) {
      now += ms;
      const due = [...frames.values()];
      frames.clear();
      for (const callback of due) {
        callback(now);
      }
      for (const entry of later.filter((entry) => entry.due <= now)) {
        later.splice(later.indexOf(entry), 1);
        entry.callback();
      }
    },
  };
}

// Runs in the page before its own scripts: keeps what the page hands tests,
// the core, its design and the running program, as `toranpu`.
export function inspectCore() {
  globalThis.toranpuInspect = (handed) => {
    globalThis.toranpu = handed;
  };
}

// The page on virtual time; `before`, a function or a list of them, runs in
// the page after the clock is installed.
export function openVirtual(browser, options = {}) {
  const scripts = [installVirtualTime, ...[options.before ?? []].flat()];
  return openPage(browser, { ...options, before: scripts.map((script) => `(${script})();`).join("\n") });
}

// One browser for a test file and a fresh page on virtual time for each test
// that opens one; after each test, no request may have left the page.
export function pagesOnVirtualTime() {
  let browser;
  let current = null;
  before(async () => {
    browser = await launch();
  });
  after(() => browser?.close());
  afterEach(async () => {
    if (current !== null) {
      assert.deepEqual(current.refused, [], "no request leaves the page");
      await current.page.close();
      current = null;
    }
  });
  return {
    async open(options = {}) {
      current = await openVirtual(browser, options);
      return current.page;
    },
  };
}

export const FrameMs = 16;

// Runs frames of `frameMs` until `until` (a function run in the page) holds,
// or `count` frames have run. Returns the number of frames.
export async function runFrames(page, { count = Infinity, until = null, frameMs = FrameMs } = {}) {
  let frames = 0;
  while (frames < count && !(until && (await page.evaluate(until)))) {
    await page.evaluate((ms) => virtualTime.frame(ms), frameMs);
    ++frames;
  }
  return frames;
}

export const button = (page, name) => page.locator(`::-p-aria(${name}[role="button"])`);

// Clicks the button of that name inside one window.
export const windowButton = (page, windowId, name) =>
  page.locator(`#${windowId} ::-p-aria(${name}[role="button"])`);

// The eight buttons' enabled flags (E or D in tab order) and whether the timer runs.
export function buttonsAndTimer(page) {
  return page.evaluate(() => ({
    buttons: [...document.querySelectorAll("#main-window button.command")]
      .map((b) => (b.disabled ? "D" : "E"))
      .join(""),
    timer: virtualTime.waiting,
  }));
}

// The texts on show, by what they stand for.
export function shown(page) {
  return page.evaluate(() => {
    // A number box is named by its row.
    const value = (row) => document.querySelector(`#main-window [aria-label="${row}"] .value`).textContent;
    const card = document.querySelector("#main-window img.card");
    return {
      trials: value("引いた全カード枚数"),
      hits: value("引いた３の倍数のカード枚数"),
      frequency: value("３の倍数のカードを引いた割合"),
      theory: value("理論上の確率"),
      hitsInDeck: value("３の倍数のカードの全枚数"),
      deck: value("トランプカードの全枚数"),
      cards: [Number(card.dataset.card)],
      cardName: card.alt,
    };
  });
}

// The card whose picture is on show, as its image's address tells (needs
// inspectCore), once the picture is there to see.
export function paintedCard(page) {
  return page.evaluate(async () => {
    const shown = document.querySelector("#main-window img.card");
    await shown.decode();
    return toranpu.cards.indexOf(shown.src) + 1;
  });
}

// How many pixels of the graph's canvas are the curve's light blue; works on
// any engine's page that has `evaluate`.
export function curvePixels(page) {
  return page.evaluate(() => {
    const canvas = document.querySelector("#graph-window canvas");
    const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
    let count = 0;
    for (let i = 0; i < data.length; i += 4) {
      count += data[i] === 0 && data[i + 1] === 0 && data[i + 2] === 255 ? 1 : 0;
    }
    return count;
  });
}

export const focusedName = (page) => page.evaluate(() => document.activeElement?.textContent);

export const visibleWindows = (page) =>
  page.evaluate(() => [...document.querySelectorAll(".window")].filter((w) => !w.hidden).map((w) => w.id));
