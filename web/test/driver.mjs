// The tests' side of driving the page: a fresh page on virtual time for each
// test (the clock and the buttons by name are in ../harness/virtual-time.mjs)
// and readers of what the page shows.
import assert from "node:assert/strict";
import { after, afterEach, before } from "node:test";
import { launch } from "../harness/browser.mjs";
import { openVirtual } from "../harness/virtual-time.mjs";

// Runs in the page before its own scripts: keeps what the page hands tests,
// the core, its design and the running program, as `toranpu`.
export function inspectCore() {
  globalThis.toranpuInspect = (handed) => {
    globalThis.toranpu = handed;
  };
}

// One browser for a test file and a fresh page on virtual time for each test
// that opens one; after each test, no request may have left the page. The
// browser itself is there for a test that sets up a page of its own.
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
    get browser() {
      return browser;
    },
    async open(options = {}) {
      current = await openVirtual(browser, options);
      return current.page;
    },
  };
}

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

// What the class window shows: its totals, its table's rows, its answers and
// how many pixels of each figure differ from the surface's background; works
// on any engine's page that has `evaluate`.
export function classShown(page) {
  return page.evaluate(() => {
    const inked = (canvas) => {
      const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
      let count = 0;
      for (let i = 0; i < data.length; i += 4) {
        count += data[i] !== data[0] || data[i + 1] !== data[1] || data[i + 2] !== data[2] ? 1 : 0;
      }
      return count;
    };
    const window = document.getElementById("class-window");
    return {
      totals: window.querySelector(".class-totals").textContent,
      rows: [...window.querySelectorAll(".class-table tbody tr")].map((row) =>
        [...row.cells].map((cell) => cell.textContent),
      ),
      answers: [...window.querySelectorAll(".class-answers li")].map((item) => item.textContent),
      inked: [...window.querySelectorAll("canvas")].map(inked),
    };
  });
}

// Puts text in the class window's box as typing or a paste does: the box
// changes, then says so.
export function typeIntoClassBox(page, text) {
  return page.evaluate((text) => {
    const box = document.getElementById("class-paste");
    box.value += text;
    box.dispatchEvent(new Event("input", { bubbles: true }));
  }, text);
}
