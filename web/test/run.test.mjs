// Time and counting: ticks only inside frames, paced at 1 ms against the
// clock; an automatic run ends at exactly 1000 over about a second of frames;
// a draw counts the card on show.
import assert from "node:assert/strict";
import { beforeEach, test } from "node:test";
import { FrameMs, button, runFrames } from "../harness/virtual-time.mjs";
import { inspectCore, pagesOnVirtualTime, paintedCard, shown } from "./driver.mjs";

const AutoTrialLimit = 1000;
const TimerIntervalMs = 1;
// The most ticks one frame may count, however late it comes.
const MaxTicksPerFrame = 50;

const finished = () => !document.querySelectorAll("#main-window button.command")[5].disabled;
const now = (page) => page.evaluate(() => virtualTime.now);
const isHit = (card) => (((card - 1) % 13) + 1) % 3 === 0;

const pages = pagesOnVirtualTime();
let page;
beforeEach(async () => {
  page = await pages.open({ before: inspectCore });
});

test("an automatic run counts 1000 trials over at least 1000 ms of frames and stops", async () => {
  await button(page, "自動 Start").click();
  const start = await now(page);
  const frames = await runFrames(page, { until: finished });
  const elapsed = (await now(page)) - start;
  const end = await shown(page);
  // About a second: the designed interval, never a frame's worth at a time.
  assert.ok(elapsed >= AutoTrialLimit * TimerIntervalMs, `${elapsed} ms`);
  assert.ok(elapsed <= AutoTrialLimit * TimerIntervalMs + 2 * FrameMs, `${elapsed} ms`);
  assert.ok(frames > 1 && frames >= (AutoTrialLimit * TimerIntervalMs) / FrameMs, `${frames} frames`);
  assert.equal(end.trials, String(AutoTrialLimit));
  const hits = Number(end.hits);
  assert.equal(end.frequency, Math.fround(hits / AutoTrialLimit).toFixed(7));
  // Nothing more is counted once the run has stopped.
  await runFrames(page, { count: 5 });
  assert.deepEqual(await shown(page), end);
});

test("the first tick of an automatic run falls one interval after 自動 Start, not at once", async () => {
  await button(page, "自動 Start").click();
  const counted = [];
  for (const frameMs of [0, TimerIntervalMs / 2, TimerIntervalMs / 2]) {
    await runFrames(page, { count: 1, frameMs });
    counted.push((await shown(page)).trials.trim());
  }
  assert.deepEqual(counted, ["0", "0", "1"]);
});

test("a late frame counts at most its share and the run resumes at pace", async () => {
  await button(page, "自動 Start").click();
  await runFrames(page, { count: 1, frameMs: 10000 });
  assert.equal((await shown(page)).trials, String(MaxTicksPerFrame));
  await runFrames(page, { count: 1, frameMs: FrameMs });
  assert.equal((await shown(page)).trials, String(MaxTicksPerFrame + FrameMs / TimerIntervalMs));
});

test("without frames nothing ticks: the card stays while the shuffle waits", async () => {
  await button(page, "トランプをきる").click();
  await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 50)));
  assert.deepEqual((await shown(page)).cards, [1]);
});

test("each draw by hand counts the card on show", async () => {
  let hits = 0;
  for (let trial = 1; trial <= 12; ++trial) {
    await button(page, "トランプをきる").click();
    await runFrames(page, { count: 1 + (trial % 3) });
    const [card] = (await shown(page)).cards;
    await button(page, "トランプを引く").click();
    const after = await shown(page);
    hits += isHit(card) ? 1 : 0;
    assert.deepEqual(after.cards, [card], "the counted card stays on show");
    if (trial % 4 === 0) {
      assert.equal(await paintedCard(page), card, "the picture painted is the card counted");
      assert.equal(after.cardName, await page.evaluate((c) => toranpu.design.cardNames[c - 1], card));
    }
    assert.equal(after.trials.trim(), String(trial));
    assert.equal(after.hits.trim(), String(hits), `trial ${trial}: card ${card}`);
    assert.equal(after.frequency, Math.fround(hits / trial).toFixed(7));
  }
});
