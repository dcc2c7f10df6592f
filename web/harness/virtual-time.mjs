// The page on virtual time, for the tests, the screenshots and whatever else
// drives it step by step: the page's clock and frame source are replaced
// before it loads, and the driver steps them.
import { openPage } from "./browser.mjs";

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

// The page on virtual time; `before`, a function or a list of them, runs in
// the page after the clock is installed.
export function openVirtual(browser, options = {}) {
  const scripts = [installVirtualTime, ...[options.before ?? []].flat()];
  return openPage(browser, { ...options, before: scripts.map((script) => `(${script})();`).join("\n") });
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
