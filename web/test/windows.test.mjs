// The graph and the help as in-page windows, the exit box, the cues and copying.
import assert from "node:assert/strict";
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { describe, test } from "node:test";
import { button, runFrames, windowButton } from "../harness/virtual-time.mjs";
import { classLines, shiftJisBytes } from "../harness/class-lines.mjs";
import {
  classShown,
  curvePixels,
  focusedName,
  inspectCore,
  pagesOnVirtualTime,
  shown,
  typeIntoClassBox,
  visibleWindows,
} from "./driver.mjs";

const finished = () => !document.querySelectorAll("#main-window button.command")[5].disabled;

// Tab or Shift+Tab, then what has the focus: a button's caption or another
// element's accessible name.
async function tabTo(page, back = false) {
  if (back) {
    await page.keyboard.down("Shift");
  }
  await page.keyboard.press("Tab");
  if (back) {
    await page.keyboard.up("Shift");
  }
  return page.evaluate(() => {
    const focused = document.activeElement;
    return !focused || focused === document.body ? "(none)" : (focused.getAttribute("aria-label") ?? focused.textContent);
  });
}

// Records the cues started (their lengths, and with the stops in order in
// `playing`) and what is written to the clipboard.
function listen() {
  globalThis.heard = [];
  globalThis.playing = [];
  const sources = new WeakMap();
  const { start, stop } = AudioBufferSourceNode.prototype;
  AudioBufferSourceNode.prototype.start = function (...args) {
    heard.push(this.buffer.duration);
    sources.set(this, heard.length);
    playing.push(`start ${heard.length}`);
    return start.apply(this, args);
  };
  AudioBufferSourceNode.prototype.stop = function (...args) {
    playing.push(`stop ${sources.get(this)}`);
    return stop.apply(this, args);
  };
  globalThis.copied = [];
  Object.defineProperty(navigator, "clipboard", {
    value: {
      writeText: async (text) => copied.push(text),
      write: async ([item]) => {
        const blob = await item.getType("image/png");
        const picture = await createImageBitmap(blob);
        copied.push({ type: blob.type, width: picture.width, height: picture.height });
      },
    },
  });
}

// A cue's length in seconds, from its 16-bit mono WAV file.
function cueSeconds(name) {
  const wav = readFileSync(new URL(`../../assets/${name}`, import.meta.url));
  const dataBytes = wav.readUInt32LE(wav.indexOf("data") + 4);
  return dataBytes / 2 / wav.readUInt32LE(24);
}

const pages = pagesOnVirtualTime();
let page;

async function open(viewport = {}) {
  page = await pages.open({ ...viewport, before: [listen, inspectCore] });
}

const rectOf = (id) =>
  page.evaluate((id) => {
    const r = document.getElementById(id).getBoundingClientRect();
    return { left: r.left, top: r.top, right: r.right, bottom: r.bottom };
  }, id);

const heard = () => page.evaluate(() => heard);

async function waitForCues(count) {
  await page.waitForFunction((count) => heard.length >= count, {}, count);
  return heard();
}

describe("graph", () => {
  test("takes the main window's place until 閉じる or its frame closes it", async () => {
    await open();
    await button(page, "自動 Start").click();
    await runFrames(page, { until: finished });
    await button(page, "グラフ表示").click();
    assert.deepEqual(await visibleWindows(page), ["graph-window"]);
    assert.equal(await focusedName(page), "閉じる");
    // With the main window hidden, Tab goes round the graph's own controls.
    const figureName = await page.evaluate(() => document.querySelector("#graph-window canvas").getAttribute("aria-label"));
    assert.deepEqual(
      [await tabTo(page), await tabTo(page), await tabTo(page, true), await tabTo(page, true)],
      [figureName, "閉じる", figureName, "閉じる"],
    );
    const blue = await curvePixels(page);
    assert.ok(blue > 1000, `${blue} pixels of the curve`);

    await windowButton(page, "graph-window", "閉じる").click();
    assert.deepEqual(await visibleWindows(page), ["main-window"]);
    assert.equal(await focusedName(page), "グラフ表示");

    await button(page, "グラフ表示").click();
    await page.locator('#graph-window ::-p-aria(ウィンドウを閉じる[role="button"])').click();
    assert.deepEqual(await visibleWindows(page), ["main-window"]);
  });
});

// The graph's canvas read back as the figure's rows and columns: for the
// heights of ratios and the trials, where the design maps them (trial n at
// x = n + 100 of 1100 units, ratio r at y = 110 - 100 r of 120).
function figure() {
  return page.evaluate(() => {
    const canvas = document.querySelector("#graph-window canvas");
    const { width, height } = canvas;
    const data = canvas.getContext("2d").getImageData(0, 0, width, height).data;
    const colour = (x, y) => {
      const i = 4 * (y * width + x);
      return data[i] === 0 && data[i + 1] === 0 ? (data[i + 2] === 255 ? "blue" : data[i + 2] === 0 ? "black" : "") : "";
    };
    const row = (ratio) => Math.floor(((110 - 100 * ratio) * height) / 120);
    const column = (trial) => Math.min(width - 1, Math.floor(((trial + 100) * width) / 1100));
    // Runs of black along the row of the reference ratio, from the origin on.
    let dashes = 0;
    for (let x = column(0), inRun = false; x < width; ++x) {
      const black = colour(x, row(0.3)) === "black";
      dashes += black && !inRun ? 1 : 0;
      inRun = black;
    }
    const bluesIn = (x) => [...Array(height).keys()].filter((y) => colour(x, y) === "blue");
    const shown = Number(document.querySelector('[data-label="6"] .value').textContent);
    return { dashes, lastRow: row(shown), lastColumn: bluesIn(column(1000)), anyBlue: bluesIn(column(1)).length > 0 };
  });
}

// Counts trials by hand through the rules until `trials` are counted, with
// the page out of view meanwhile: laying it out again after each of 100000
// draws would take minutes.
function drawByHandUpTo(trials) {
  return page.evaluate((trials) => {
    const { program } = toranpu;
    const stage = document.getElementById("stage");
    stage.style.display = "none";
    // The trials so far as the results line gives them; each draw counts one.
    const counted = Number(program.resultsText(false).split("\t")[0]);
    for (let n = counted; n < trials; ++n) {
      program.shuffle();
      program.tick();
      program.takeCard();
    }
    stage.style.display = "";
  }, trials);
}

describe("graph figure", () => {
  test("the dashed line at 0.30 and the curve's end at the ratio shown", async () => {
    await open();
    // One trial: its single point stands at 0 or 1, away from the dashes.
    await button(page, "トランプをきる").click();
    await button(page, "トランプを引く").click();
    await button(page, "グラフ表示").click();
    assert.equal((await figure()).dashes, 50);
    await windowButton(page, "graph-window", "閉じる").click();

    await button(page, "自動 Start").click();
    await runFrames(page, { until: finished });
    await button(page, "グラフ表示").click();
    const { lastRow, lastColumn } = await figure();
    assert.ok(
      lastColumn.some((y) => Math.abs(y - lastRow) <= 2),
      `the curve ends at rows ${lastColumn}, the ratio shown is at row ${lastRow}`,
    );
  });

  test("opens at the bounds of the count without a hang", async () => {
    await open();
    for (const trials of [1001, 1002, 32767, 32768, 100000]) {
      await drawByHandUpTo(trials);
      await button(page, "グラフ表示").click();
      const { lastColumn, anyBlue } = await figure();
      assert.ok(anyBlue && lastColumn.length > 0, `the curve spans the figure at ${trials} trials`);
      await windowButton(page, "graph-window", "閉じる").click();
    }
  });

  test("lines to the canvas's right edge and past it stay on their rows", async () => {
    await open();
    await button(page, "トランプをきる").click();
    await button(page, "トランプを引く").click();
    await button(page, "グラフ表示").click();
    const blueInLeftHalf = await page.evaluate(() => {
      const { graph } = toranpu;
      const { left, top, width, height } = graph.layout.scale;
      const [line, curveColour] = [0, 9];
      const ends = [0.25, 0.75].flatMap((y) => [1, 1.5].map((x) => [left + width * x, top + height * y]));
      const numbers = ends.flatMap(([x, y]) => [line, left + width / 2, top + height / 2, x, y, curveColour]);
      graph.setFigure({ numbers: new Float32Array(numbers), texts: [], palette: graph.figure.palette }, "");
      let count = 0;
      // Pens of one pixel and of two.
      for (const ratio of [1, 2]) {
        graph.draw(ratio);
        const canvas = graph.canvas;
        const data = canvas.getContext("2d").getImageData(0, 0, canvas.width / 2, canvas.height).data;
        for (let i = 0; i < data.length; i += 4) {
          count += data[i] === 0 && data[i + 1] === 0 && data[i + 2] === 255 ? 1 : 0;
        }
      }
      return count;
    });
    assert.equal(blueInLeftHalf, 0);
  });
});

// The figure's steps by palette number, as the core hands them over.
const stepColours = () =>
  page.evaluate(() => {
    const { numbers } = toranpu.program.graphFigure();
    const counts = {};
    for (let at = 5; at < numbers.length; at += 6) {
      counts[numbers[at]] = (counts[numbers[at]] ?? 0) + 1;
    }
    return { counts, last: numbers[numbers.length - 1] };
  });

// Pixels of a colour on the graph's canvas.
const canvasPixels = (rgb) =>
  page.evaluate((rgb) => {
    const canvas = document.querySelector("#graph-window canvas");
    const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
    let count = 0;
    for (let i = 0; i < data.length; i += 4) {
      count += data[i] === rgb[0] && data[i + 1] === rgb[1] && data[i + 2] === rgb[2] ? 1 : 0;
    }
    return count;
  }, rgb);

describe("graph menu's choices", () => {
  test("by the keyboard: the spread and the earlier experiments under the curve, and in words", async () => {
    await open();
    // Three experiments kept by 初期化; one of 0 trials is not.
    for (const trials of [40, 400, 800, 0]) {
      await drawByHandUpTo(trials);
      await page.evaluate(() => toranpu.program.initialise());
    }
    await drawByHandUpTo(1000);
    await button(page, "グラフ表示").click();
    // Both off: the designed figure, black and light blue alone.
    assert.deepEqual(await stepColours(), { counts: { 0: 72 + 14, 9: 1000 }, last: 9 });
    const [magenta, grey] = [
      [255, 0, 255],
      [192, 192, 192],
    ];
    // (Grey also smooths the labels' edges.)
    const greyAsDesigned = await canvasPixels(grey);
    assert.equal(await canvasPixels(magenta), 0);

    const choices = () =>
      page.evaluate(() =>
        [...document.querySelectorAll('.copy-menu [role="menuitemcheckbox"]')].map(
          (item) => `${item.textContent} ${item.getAttribute("aria-checked")}`,
        ),
      );
    await page.focus("#graph-window canvas");
    await page.keyboard.press("ContextMenu");
    assert.deepEqual(await choices(), ["ばらつきの目安を表示 false", "前の実験も表示 false"]);
    await page.keyboard.press("ArrowDown");
    await page.keyboard.press("Space");
    await page.keyboard.press("ContextMenu");
    await page.keyboard.press("ArrowUp");
    await page.keyboard.press("Enter");
    await page.keyboard.press("ContextMenu");
    assert.deepEqual(await choices(), ["ばらつきの目安を表示 true", "前の実験も表示 true"]);
    await page.keyboard.press("Escape");

    // The bounds enter the axes' box at trials 2 and 9; the earlier curves
    // reach their ends; the current curve comes last.
    assert.deepEqual(await stepColours(), { counts: { 0: 86, 7: 40 + 400 + 800, 9: 1000, 13: 999 + 992 }, last: 9 });
    assert.ok((await canvasPixels(magenta)) > 1000 && (await canvasPixels(grey)) > greyAsDesigned + 100);
    const description = await page.evaluate(() => document.getElementById("graph-description").textContent);
    assert.match(
      description,
      /^実験回数 1000 回、割合 0\.\d{7}、理論上の確率 0\.3076923。ばらつきの目安: 0\.2785〜0\.3369（1000 回）。前の実験 3 回分: 40 回 割合 0\.\d{7}、400 回 割合 0\.\d{7}、800 回 割合 0\.\d{7}$/,
    );
    // A change is told as it is made.
    assert.equal(await page.evaluate(() => document.getElementById("announcer").textContent), description);

    // Both off again: the designed figure again, nothing left of the others.
    for (const move of ["ArrowDown", "ArrowUp"]) {
      await page.keyboard.press("ContextMenu");
      await page.keyboard.press(move);
      await page.keyboard.press("Enter");
    }
    assert.equal(await canvasPixels(magenta), 0);
    assert.equal(await canvasPixels(grey), greyAsDesigned);
  });
});

describe("help", () => {
  test("plays the cue and opens beside the main window where the viewport is wide", async () => {
    await open({ width: 1920, height: 1080 });
    await button(page, "HELP").click();
    assert.deepEqual(await visibleWindows(page), ["main-window", "help-window"]);
    assert.equal(await focusedName(page), "閉じる");
    const [main, help] = [await rectOf("main-window"), await rectOf("help-window")];
    assert.ok(help.left >= main.right, "beside");
    const [cue] = await waitForCues(1);
    assert.ok(Math.abs(cue - cueSeconds("pinpon.wav")) < 0.01, `${cue} s`);

    // The main window stays usable beside it.
    await button(page, "トランプをきる").click();
    assert.equal(await focusedName(page), "トランプを引く");
    await windowButton(page, "help-window", "閉じる").click();
    assert.deepEqual(await visibleWindows(page), ["main-window"]);
  });

  test("stands over the main window on a small viewport, both title bars in reach", async () => {
    await open({ width: 800, height: 600 });
    await button(page, "HELP").click();
    const [main, help] = [await rectOf("main-window"), await rectOf("help-window")];
    assert.ok(help.left < main.right && help.top > main.top, "over, moved down and right");
    assert.ok(help.right <= 800 && help.bottom <= 600, "inside the viewport");
  });

  test("初期化 right after HELP cuts the first chime off", async () => {
    await open();
    await button(page, "トランプをきる").click();
    await button(page, "トランプを引く").click();
    await button(page, "HELP").click();
    await waitForCues(1);
    await button(page, "初期化").click();
    await waitForCues(2);
    assert.deepEqual(await page.evaluate(() => playing), ["start 1", "stop 1", "start 2"]);
  });

  test("closing it leaves the main window hidden while the graph is on view", async () => {
    await open({ width: 1920, height: 1080 });
    await button(page, "トランプをきる").click();
    await button(page, "トランプを引く").click();
    for (const close of ["閉じる", "ウィンドウを閉じる"]) {
      await button(page, "HELP").click();
      await button(page, "グラフ表示").click();
      assert.deepEqual(await visibleWindows(page), ["graph-window", "help-window"]);
      await page.locator(`#help-window ::-p-aria(${close}[role="button"])`).click();
      assert.deepEqual(await visibleWindows(page), ["graph-window"], close);
      await windowButton(page, "graph-window", "閉じる").click();
      assert.deepEqual(await visibleWindows(page), ["main-window"]);
    }
  });
});

describe("exit", () => {
  test("asks in a modal box; いいえ and Escape keep the program, はい ends it", async () => {
    await open();
    await button(page, "トランプをきる").click();
    await button(page, "トランプを引く").click();
    const before = await shown(page);
    await button(page, "終了").click();
    const [cue] = await waitForCues(1);
    assert.ok(Math.abs(cue - cueSeconds("endpinpon.wav")) < 0.01, `${cue} s`);
    const box = await page.evaluate(() => {
      const dialog = document.querySelector("dialog");
      return { open: dialog.open, title: dialog.querySelector(".title").textContent, text: dialog.querySelector("p").textContent };
    });
    assert.deepEqual(box, { open: true, title: "トランプ", text: "終了していいですか？" });
    assert.equal(await focusedName(page), "はい");
    // The box is modal: Tab goes between its buttons, never out of it, and a
    // click on the main window reaches nothing.
    assert.deepEqual(
      [await tabTo(page), await tabTo(page), await tabTo(page, true), await tabTo(page, true)],
      ["いいえ", "はい", "いいえ", "はい"],
    );
    await page.mouse.click(...(await buttonCentre("初期化")));
    assert.deepEqual(await shown(page), before);

    await page.keyboard.press("Escape");
    assert.equal(await page.evaluate(() => document.querySelector("dialog").open), false);
    assert.equal(await focusedName(page), "終了");
    await button(page, "終了").click();
    await button(page, "いいえ").click();
    assert.deepEqual(await shown(page), before);

    await button(page, "終了").click();
    await page.keyboard.press("Enter");
    const closed = await page.evaluate(() => ({
      text: document.getElementById("closed").textContent,
      shown: document.getElementById("closed").checkVisibility(),
      stage: !document.getElementById("stage").hidden,
      timer: virtualTime.waiting,
      restart: document.getElementById("restart").checkVisibility(),
    }));
    assert.deepEqual(closed, {
      text: "終了しました。このページを閉じてください。",
      shown: true,
      stage: false,
      timer: false,
      restart: true,
    });
  });
});

// Found by its text: under a modal box the page is out of the accessibility tree.
function buttonCentre(name) {
  return page.evaluate((name) => {
    const found = [...document.querySelectorAll("button")].find((b) => b.textContent === name);
    const r = found.getBoundingClientRect();
    return [r.left + r.width / 2, r.top + r.height / 2];
  }, name);
}

async function pressCopy() {
  await page.keyboard.down("Control");
  await page.keyboard.press("c");
  await page.keyboard.up("Control");
}

describe("copying", () => {
  // The text is the help's (the windows' own is not selectable), the window
  // that has the focus the main window or the graph, which would copy.
  for (const [where, steps, focused] of [
    ["the main window", ["HELP"], "#main-window button.command"],
    ["the graph", ["HELP", "グラフ表示"], "#graph-window button"],
  ]) {
    test(`Ctrl+C in ${where} leaves text the user selected to the browser's own copy`, async () => {
      await open({ width: 1920, height: 1080 });
      await button(page, "トランプをきる").click();
      await button(page, "トランプを引く").click();
      for (const name of steps) {
        await button(page, name).click();
      }
      await page.evaluate((focused) => {
        [...document.querySelectorAll(focused)].find((enabled) => !enabled.disabled).focus();
      }, focused);
      assert.equal(await page.evaluate((focused) => document.activeElement.matches(focused), focused), true);
      await page.evaluate(() => {
        const line = document.querySelectorAll("#help-window .printed .line")[2];
        getSelection().selectAllChildren(line);
        // After the page's own handler: whether it took the key from the browser.
        addEventListener("keydown", (event) => {
          globalThis.copyKeyTaken = event.defaultPrevented;
        });
      });
      await pressCopy();
      const after = await page.evaluate(() => ({ selected: String(getSelection()), taken: copyKeyTaken, copied }));
      assert.deepEqual(after, { selected: "　　　　　　　　ここにトランプが１組あります。", taken: false, copied: [] });
    });
  }

  test("the arrow keys move round the menu's items, wrapping at both ends", async () => {
    await open();
    await page.mouse.click(300, 300, { button: "right" });
    const focused = () => page.evaluate(() => document.activeElement.textContent);
    assert.equal(await focused(), "結果をコピー");
    await page.keyboard.press("ArrowUp");
    assert.equal(await focused(), "クラスの集計...");
    await page.keyboard.press("ArrowDown");
    assert.equal(await focused(), "結果をコピー");
    await page.keyboard.press("End");
    await page.keyboard.press("ArrowDown");
    assert.equal(await focused(), "結果をコピー");
    await page.keyboard.press("Escape");
    assert.equal(await page.evaluate(() => document.querySelector(".copy-menu").hidden), true);
  });

  test("the results line by Ctrl+C and by the context menu, the graph as a picture", async () => {
    // The hits by each checkpoint follow the four columns on show, empty until reached.
    const checkpointHeader = [10, 50, 100, 500, 1000]
      .map((trial) => `${trial}回目までに引いた３の倍数のカード枚数`)
      .join("\t");
    await open();
    await pressCopy();
    await button(page, "トランプをきる").click();
    await button(page, "トランプを引く").click();
    const { frequency } = await shown(page);
    await page.mouse.click(300, 300, { button: "right" });
    await page.locator('::-p-aria(見出しと結果をコピー[role="menuitem"])').click();
    await page.mouse.click(300, 300, { button: "right" });
    await page.keyboard.press("Enter");

    await button(page, "グラフ表示").click();
    await pressCopy();
    await page.waitForFunction(() => copied.length >= 4);
    assert.deepEqual(await page.evaluate(() => copied), [
      "0\t0\t\t0.3076923\t\t\t\t\t",
      `引いた全カード枚数\t引いた３の倍数のカード枚数\t３の倍数のカードを引いた割合\t理論上の確率\t${checkpointHeader}\n1\t${frequency === "0.0000000" ? 0 : 1}\t${frequency}\t0.3076923\t\t\t\t\t`,
      `1\t${frequency === "0.0000000" ? 0 : 1}\t${frequency}\t0.3076923\t\t\t\t\t`,
      { type: "image/png", width: 629, height: 317 },
    ]);
  });
});

// The class window settles: the rules recompute on their timer, then stop it
// and announce the results.
const settle = () => runFrames(page, { until: () => !virtualTime.waiting, frameMs: 250 });

// What a class of 35 shows once pooled: a row per pupil, the totals, both
// figures painted.
async function assertPooledClass(pupils) {
  const { rows, totals, inked } = await classShown(page);
  assert.equal(rows.length, pupils.pupils);
  assert.deepEqual(rows[0], pupils.lines[1].split(/[\t,]/).slice(0, 4));
  for (const number of [pupils.pupils, pupils.trials, pupils.hits, pupils.ratio]) {
    assert.ok(totals.includes(String(number)), `${number} in 「${totals}」`);
  }
  assert.ok(inked.every((pixels) => pixels > 500), `figures painted: ${inked}`);
}

describe("class window", () => {
  test("opened from the menu by keyboard: 35 pasted lines pooled, announced once, Tab in order, Escape back", async () => {
    page = await pages.open({ before: [listen, inspectCore, hearing] });
    const pupils = classLines();
    assert.equal(await focusedName(page), "トランプをきる");
    await page.keyboard.press("ContextMenu");
    await page.keyboard.press("End");
    await page.keyboard.press("Enter");
    assert.deepEqual(await visibleWindows(page), ["main-window", "class-window"]);
    assert.equal(await page.evaluate(() => document.activeElement.id), "class-paste");

    // A paste: the text arrives at the caret as one input.
    await page.keyboard.sendCharacter(pupils.lines.join("\n"));
    await settle();
    await assertPooledClass(pupils);
    const said = `${pupils.pupils}人、${pupils.trials}回、３の倍数 ${pupils.hits}枚、割合 ${pupils.ratio}`;
    assert.deepEqual(await page.evaluate(() => announced), [said]);
    const { answers } = await classShown(page);
    assert.equal(answers.length, pupils.pupils + 1, "the header passed over, every line answered");

    const figureNames = await page.evaluate(() =>
      [...document.querySelectorAll("#class-window canvas")].map((canvas) => canvas.getAttribute("aria-label")),
    );
    const order = [];
    for (let stop = 0; stop < 8; ++stop) {
      order.push(await tabTo(page));
    }
    assert.deepEqual(order, [
      "ファイルを開く...",
      "集計をコピー",
      "グラフをコピー",
      "読み取った行",
      "各行の読み取り結果",
      ...figureNames,
      "閉じる",
    ]);
    // The figures say in words what they show.
    const described = await page.evaluate(() =>
      [...document.querySelectorAll("#class-window canvas")].map((canvas) => document.getElementById(canvas.getAttribute("aria-describedby")).textContent),
    );
    assert.ok(described[0].includes(pupils.ratio) && described[1] !== "", JSON.stringify(described));

    // The summary as text, a header, a row per pupil and the totals; both
    // figures as one picture, one above the other.
    await windowButton(page, "class-window", "集計をコピー").click();
    await windowButton(page, "class-window", "グラフをコピー").click();
    await page.waitForFunction(() => copied.length >= 2);
    const [summary, picture] = await page.evaluate(() => copied);
    assert.equal(summary.trimEnd().split("\n").length, pupils.pupils + 2);
    assert.deepEqual(picture, { type: "image/png", width: 440, height: 552 });

    await page.keyboard.press("Escape");
    assert.deepEqual(await visibleWindows(page), ["main-window"]);
    assert.equal(await focusedName(page), "トランプをきる", "back where the focus was");
    assert.equal((await shown(page)).trials.trim(), "0", "the pupil's experiment untouched");
  });

  test("a Shift_JIS CSV with CR LF opened by ファイルを開く, a dropped file at the caret, one too large refused", async () => {
    await open();
    const pupils = classLines({ separator: "," });
    const folder = mkdtempSync(join(tmpdir(), "class-"));
    try {
      const file = join(folder, "クラス.csv");
      writeFileSync(file, shiftJisBytes(`${pupils.lines.join("\r\n")}\r\n`));
      await page.mouse.click(300, 300, { button: "right" });
      await page.locator('::-p-aria(クラスの集計...[role="menuitem"])').click();
      const [chooser] = await Promise.all([
        page.waitForFileChooser(),
        windowButton(page, "class-window", "ファイルを開く...").click(),
      ]);
      await chooser.accept([file]);
      await page.waitForFunction(() => document.getElementById("class-paste").value !== "");
      await settle();
      await assertPooledClass(pupils);
    } finally {
      rmSync(folder, { recursive: true });
    }

    // Typed first, the caret inside the first line; the file's lines go in
    // after that line, and nothing typed is split or lost.
    const dropped = await page.evaluate(() => {
      const box = document.getElementById("class-paste");
      box.value = "40 13\n400 120";
      box.setSelectionRange(2, 2);
      const utf8WithMark = new Uint8Array([0xef, 0xbb, 0xbf, ...new TextEncoder().encode("一班,800,250")]);
      const transfer = new DataTransfer();
      transfer.items.add(new File([utf8WithMark], "一班.csv", { type: "text/csv" }));
      box.dispatchEvent(new DragEvent("drop", { dataTransfer: transfer, bubbles: true, cancelable: true }));
      return new Promise((resolve) => box.addEventListener("input", () => resolve(box.value), { once: true }));
    });
    assert.equal(dropped, "40 13\n一班,800,250\n400 120");
    await settle();
    assert.deepEqual((await classShown(page)).rows.map((row) => row.slice(0, 3)), [
      ["1行目", "40", "13"],
      ["一班", "800", "250"],
      ["3行目", "400", "120"],
    ]);

    await page.evaluate(() => {
      const transfer = new DataTransfer();
      transfer.items.add(new File([new Uint8Array(1024 * 1024 + 1)], "big.csv"));
      const window = document.getElementById("class-window");
      window.dispatchEvent(new DragEvent("drop", { dataTransfer: transfer, bubbles: true, cancelable: true }));
    });
    await page.waitForFunction(() => document.querySelector("dialog").open);
    assert.match(await page.evaluate(() => document.querySelector("dialog p").textContent), /1MB/);
    assert.equal(await page.evaluate(() => document.getElementById("class-paste").value), dropped, "nothing added");
  });

  test("pasted markup stays text: shown as typed, never run", async () => {
    const dialogs = [];
    await open();
    page.on("dialog", (dialog) => {
      dialogs.push(dialog.message());
      dialog.dismiss();
    });
    const markup = "<img src=x onerror=alert(1)>";
    const images = () => page.evaluate(() => document.images.length);
    const before = await images();
    await page.evaluate(() => toranpu.classSession.open());
    await typeIntoClassBox(page, `${markup}\n${markup}\t40\t13\n`);
    await settle();
    const { rows, answers } = await classShown(page);
    assert.equal(rows[0][0], markup);
    assert.equal(answers.length, 2);
    assert.equal(await page.evaluate(() => document.getElementById("class-paste").value), `${markup}\n${markup}\t40\t13\n`);
    assert.equal(await images(), before, "no picture added");
    assert.deepEqual(dialogs, []);
  });
});

// What a screen reader hears: every change of a live region and of the
// card's name, with the announcer's texts in order.
function hearing() {
  globalThis.liveChanges = new Map();
  globalThis.announced = [];
  globalThis.cardRenames = 0;
  new MutationObserver((records) => {
    for (const record of records) {
      const target = record.target.nodeType === Node.ELEMENT_NODE ? record.target : record.target.parentElement;
      if (target?.matches?.("img.card") && record.attributeName === "alt") {
        ++cardRenames;
      }
      const region = target?.closest?.("[aria-live]");
      // A region emptied says nothing.
      if (region && region.textContent !== "") {
        liveChanges.set(region.id || region.className, (liveChanges.get(region.id || region.className) ?? 0) + 1);
        if (region.id === "announcer") {
          announced.push(region.textContent);
        }
      }
    }
  }).observe(document, { subtree: true, childList: true, characterData: true, attributes: true });
}

describe("a screen reader", () => {
  test("hears a draw and a run's end once each, nothing of the ticks, and the graph and the exit box in words", async () => {
    page = await pages.open({ before: [listen, inspectCore, hearing] });
    const heard = () => page.evaluate(() => ({ announced, cardRenames, live: Object.fromEntries(liveChanges) }));
    const counts = (s) =>
      `引いた全カード枚数 ${s.trials.trim()}、引いた３の倍数のカード枚数 ${s.hits.trim()}、割合 ${s.frequency}`;

    await button(page, "トランプをきる").click();
    await page.evaluate(() => {
      cardRenames = 0;
    });
    await runFrames(page, { count: 10 });
    assert.deepEqual(await heard(), { announced: [], cardRenames: 0, live: {} }, "nothing while cards cycle");
    await button(page, "トランプを引く").click();
    const drawn = await shown(page);
    assert.deepEqual((await heard()).announced, [`${drawn.cardName}。${counts(drawn)}`]);

    const busy = () => page.evaluate(() => document.getElementById("main-window").getAttribute("aria-busy"));
    await button(page, "自動 Start").click();
    await runFrames(page, { count: 3 });
    assert.equal(await busy(), "true", "the main window is busy while the run is on");
    await runFrames(page, { until: finished });
    assert.equal(await busy(), "false");
    const ran = await shown(page);
    const { announced: said, live } = await heard();
    assert.deepEqual(said, [`${drawn.cardName}。${counts(drawn)}`, `自動の実験が終わりました。${counts(ran)}`]);
    assert.deepEqual(live, { announcer: 2 }, "one live region, changed once a draw and once a run");

    // Read top to bottom: each number row named once, by its box, which
    // reads its number; no status bars.
    const tree = await page.accessibility.snapshot();
    const nodes = [];
    const walk = (node) => {
      nodes.push(node);
      node.children?.forEach(walk);
    };
    walk(tree);
    assert.deepEqual(nodes.filter((node) => node.role === "status"), []);
    const full = [];
    const walkAll = (node) => {
      full.push(node);
      node.children?.forEach(walkAll);
    };
    walkAll(await page.accessibility.snapshot({ interestingOnly: false }));
    const rowName = full.filter((node) => node.name?.trim() === "引いた全カード枚数" || node.description === "引いた全カード枚数");
    assert.deepEqual(
      rowName.map((node) => ({ role: node.role, read: textWithin(node).trim() })),
      [{ role: "group", read: ran.trials.trim() }],
      JSON.stringify(rowName),
    );
    // The one live region is a polite one: a page that shows its texts but
    // never speaks them fails here.
    assert.deepEqual(await liveRegion(page, "#announcer"), { live: "polite", atomic: true });

    // The graph says what it shows once as it opens, and is described by it
    // in one place only.
    const spoken = await heard();
    await button(page, "グラフ表示").click();
    const description = `実験回数 1000 回、割合 ${ran.frequency}、理論上の確率 0.3076923`;
    const afterOpening = await heard();
    assert.deepEqual(afterOpening.announced.slice(spoken.announced.length), [description]);
    await page.evaluate(() => virtualTime.frame(1000));
    assert.equal(await textsInTree(page, description), 1, "the description in one place");
    await windowButton(page, "graph-window", "閉じる").click();

    // 初期化 says that the counts are back at 0, once; then the announcer is
    // cleared, and nothing is read again as the exit box closes.
    await button(page, "初期化").click();
    await page.evaluate(() => virtualTime.frame(1000));
    const initialised = await heard();
    assert.deepEqual(initialised.announced.slice(afterOpening.announced.length), [
      "初期化しました。引いた全カード枚数 0、引いた３の倍数のカード枚数 0",
    ]);
    assert.equal(await page.evaluate(() => document.getElementById("announcer").textContent), "");

    await button(page, "終了").click();
    const box = (await page.accessibility.snapshot()).children.find((node) => node.role === "alertdialog");
    assert.deepEqual(
      { name: box?.name, description: box?.description, focused: box?.children?.find((child) => child.focused)?.name },
      { name: "トランプ", description: undefined, focused: "はい" },
    );
    assert.equal(textWithin(box), "トランプ終了していいですか？", "its title and its question, read once each");
    assert.equal(await textsInTree(page, "終了していいですか？"), 1, "the question in one place");
    await button(page, "いいえ").click();
    assert.deepEqual((await heard()).announced, initialised.announced, "nothing stale read again");
    assert.equal(await page.evaluate(() => document.getElementById("announcer").textContent), "");
  });
});

// The texts a screen reader reads inside a node.
function textWithin(node) {
  return node.role === "StaticText" ? node.name : (node.children ?? []).map(textWithin).join("");
}

// How often a text is exposed in the accessibility tree: as a name, a
// description or a text.
async function textsInTree(page, text) {
  const nodes = [];
  const walk = (node) => {
    nodes.push(node);
    node.children?.forEach(walk);
  };
  walk(await page.accessibility.snapshot({ interestingOnly: false }));
  return nodes.filter(
    (node) => node.role !== "InlineTextBox" && [node.name, node.description, node.value].includes(text),
  ).length;
}

// A live region's politeness and atomicity as the browser exposes them to a
// screen reader.
async function liveRegion(page, selector) {
  const client = await page.createCDPSession();
  const { root } = await client.send("DOM.getDocument");
  const { nodeId } = await client.send("DOM.querySelector", { nodeId: root.nodeId, selector });
  const { nodes } = await client.send("Accessibility.getPartialAXTree", { nodeId, fetchRelatives: false });
  const property = (name) => nodes[0].properties?.find((p) => p.name === name)?.value.value;
  await client.detach();
  return { live: property("live"), atomic: property("atomic") };
}
