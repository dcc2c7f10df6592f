// A walk through the five states, by clicks and by keys, checked against the
// same state table as the desktop's tests, with the focus on the next natural
// action after each step.
import assert from "node:assert/strict";
import { beforeEach, describe, test } from "node:test";
import { button, runFrames } from "../harness/virtual-time.mjs";
import { buttonsAndTimer, focusedName, pagesOnVirtualTime, shown } from "./driver.mjs";

// Enabled (E) or disabled (D) per button in tab order, and whether the timer runs.
const States = {
  Idle: { buttons: "DEEEDDDE", timer: false },
  Shuffling: { buttons: "EDDDDDDD", timer: true },
  Stopped: { buttons: "DEEEDEEE", timer: false },
  AutoRunning: { buttons: "DDDDEDDD", timer: true },
  Finished: { buttons: "DDEDDEEE", timer: false },
};

const finished = () => !document.querySelectorAll("#main-window button.command")[5].disabled;

const pages = pagesOnVirtualTime();
let page;
beforeEach(async () => {
  page = await pages.open();
});

async function expectState(name, focus) {
  assert.deepEqual(await buttonsAndTimer(page), States[name], name);
  assert.equal(await focusedName(page), focus, `focus in ${name}`);
}

describe("the five states", () => {
  test("by clicks", async () => {
    await expectState("Idle", "トランプをきる");
    await button(page, "トランプをきる").click();
    await expectState("Shuffling", "トランプを引く");
    await runFrames(page, { count: 3 });
    await expectState("Shuffling", "トランプを引く");
    await button(page, "トランプを引く").click();
    await expectState("Stopped", "トランプをきる");
    assert.equal((await shown(page)).trials.trim(), "1");

    await button(page, "自動 Start").click();
    await expectState("AutoRunning", "自動 Stop");
    await runFrames(page, { count: 2 });
    await button(page, "自動 Stop").click();
    await expectState("Stopped", "トランプをきる");

    await button(page, "初期化").click();
    await expectState("Idle", "トランプをきる");
    const reset = await shown(page);
    assert.deepEqual([reset.trials, reset.hits, reset.frequency, reset.cards], ["0", "0", "", [1]]);

    await button(page, "自動 Start").click();
    await runFrames(page, { until: finished });
    await expectState("Finished", "グラフ表示");
  });

  test("by keys alone", async () => {
    await page.keyboard.press("Space");
    await expectState("Shuffling", "トランプを引く");
    await runFrames(page, { count: 2 });
    await page.keyboard.press("Enter");
    await expectState("Stopped", "トランプをきる");

    // Tab visits the enabled buttons in the designed order.
    const order = [];
    for (let step = 0; step < 5; ++step) {
      await page.keyboard.press("Tab");
      order.push(await focusedName(page));
    }
    assert.deepEqual(order, ["終了", "自動 Start", "初期化", "グラフ表示", "HELP"]);

    await page.keyboard.down("Shift");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    await page.keyboard.up("Shift");
    assert.equal(await focusedName(page), "自動 Start");
    await page.keyboard.press("Space");
    await expectState("AutoRunning", "自動 Stop");
    await runFrames(page, { count: 2 });
    await page.keyboard.press("Space");
    await expectState("Stopped", "トランプをきる");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Tab");
    await page.keyboard.press("Space");
    await runFrames(page, { until: finished });
    await expectState("Finished", "グラフ表示");

    // Into the graph and back, the focus where the hand goes next.
    await page.keyboard.press("Space");
    assert.equal(await focusedName(page), "閉じる");
    await page.keyboard.press("Space");
    await expectState("Finished", "グラフ表示");
  });
});
