#!/usr/bin/env node
// Real figures of the web edition in each browser engine, on the real clock
// and frames, the page served from 127.0.0.1: the load (navigation to the
// windows ready, median of several loads), the frame rate of an idle page and
// while cards cycle, and automatic runs of 1000 trials (click to 初期化
// enabled) against their floor of 1001 ticks of 1 ms, and the graph at its
// largest (both choices on, nine earlier runs of 1000, a current one of
// 100000): its figure computed and painted; and the class window given 1000
// pupils' lines: read, pooled and both figures painted.
//   web/bench.mjs [RUNS] [ENGINE...]      (after web/build)
import { dirname } from "node:path";
import { PagePath, ReadySelector } from "./harness/browser.mjs";
import { Engines, launchEngine } from "./harness/engines.mjs";
import { StaticServer } from "./harness/server.mjs";
import { classLines } from "./harness/class-lines.mjs";

const [runsArgument, ...named] = process.argv.slice(2);
const runs = Number(runsArgument ?? 5);
const engines = named.length > 0 ? named : Engines;
const FloorMs = 1001;
const FrameWindowMs = 2000;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Runs in the page before its own scripts: notes when it becomes ready (shows
// `readySelector`) and counts the frames it asks for.
function watch(readySelector) {
  globalThis.benchFrames = 0;
  globalThis.toranpuInspect = (handed) => {
    globalThis.benchHanded = handed;
  };
  const request = globalThis.requestAnimationFrame.bind(globalThis);
  globalThis.benchRequestFrame = request;
  globalThis.requestAnimationFrame = (callback) => {
    ++globalThis.benchFrames;
    return request(callback);
  };
  new MutationObserver((_, observer) => {
    if (document.querySelector(readySelector)) {
      globalThis.benchReady = performance.now();
      observer.disconnect();
    }
  }).observe(document, { subtree: true, attributes: true, attributeFilter: ["aria-busy"] });
}

// Frames per second the browser paints over a while, with `during` (a
// button's index) clicked at the start and `then` at the end.
const frameRate = (page, during, then) =>
  page.evaluate(
    (windowMs, during, then) =>
      new Promise((resolve) => {
        const buttons = document.querySelectorAll("#main-window button.command");
        buttons[during]?.click();
        let frames = 0;
        const began = performance.now();
        const count = (now) => {
          if (now - began >= windowMs) {
            buttons[then]?.click();
            resolve((frames * 1000) / (now - began));
          } else {
            ++frames;
            benchRequestFrame(count);
          }
        };
        benchRequestFrame(count);
      }),
    FrameWindowMs,
    during,
    then,
  );

const automaticRun = (page) =>
  page.evaluate(
    () =>
      new Promise((resolve) => {
        const buttons = document.querySelectorAll("#main-window button.command");
        const [start, initialise] = [buttons[3], buttons[5]];
        const observer = new MutationObserver(() => {
          if (!initialise.disabled) {
            observer.disconnect();
            const ms = performance.now() - began;
            initialise.click();
            resolve({ ms, frames: benchFrames - framesBefore });
          }
        });
        observer.observe(initialise, { attributes: true });
        const framesBefore = benchFrames;
        const began = performance.now();
        start.click();
      }),
  );

// Milliseconds to compute the graph's figure and paint it, each of `runs`
// times, the graph on view; the cards drawn through the rules with the page
// out of view, as laying it out after each draw would take minutes.
const largestGraph = (page, runs) =>
  page.evaluate((runs) => {
    const { program, graph } = benchHanded;
    const stage = document.getElementById("stage");
    // Each run before this one ended with 初期化, so the count starts at 0.
    const draw = (trials) => {
      for (let n = 0; n < trials; ++n) {
        program.shuffle();
        program.tick();
        program.takeCard();
      }
    };
    stage.style.display = "none";
    for (let kept = 0; kept < 9; ++kept) {
      draw(1000);
      program.initialise();
    }
    draw(100000);
    stage.style.display = "";
    program.setGraphChoices(true, true);
    document.querySelectorAll("#main-window button.command")[6].click();
    const times = [];
    for (let i = 0; i < runs; ++i) {
      const began = performance.now();
      graph.setFigure(program.graphFigure(), program.graphDescription());
      // Reading a pixel back waits for the painting to be done.
      graph.canvas.getContext("2d").getImageData(0, 0, 1, 1);
      times.push(performance.now() - began);
    }
    return times;
  }, runs);

// Milliseconds from 1000 lines handed to the class window's rules to both of
// its figures painted, each of `runs` times; each run's text differs from the
// one before by its last line, so that each is read afresh.
const classOf1000 = (page, runs, lines) =>
  page.evaluate(
    (runs, lines) => {
      const { classSession } = benchHanded;
      classSession.open();
      const canvases = [...document.querySelectorAll("#class-window canvas")];
      const times = [];
      for (let i = 0; i < runs; ++i) {
        const text = `${lines.join("\n")}\n${40 + i} 13`;
        const began = performance.now();
        classSession.rules.textChanged(text);
        classSession.rules.tick();
        for (const canvas of canvases) {
          canvas.getContext("2d").getImageData(0, 0, 1, 1);
        }
        times.push(performance.now() - began);
      }
      classSession.close();
      return times;
    },
    runs,
    lines,
  );

const format = (values, digits = 0) => values.map((v) => v.toFixed(digits)).join(", ");
const NoButton = -1;
const Shuffle = 1;
const Take = 0;

const server = await new StaticServer(dirname(PagePath), { file: "toranpu.html", inject: `(${watch})(${JSON.stringify(ReadySelector)});` }).start();
try {
  for (const engine of engines) {
    const browser = await launchEngine(engine);
    try {
      const loads = [];
      let page;
      for (let i = 0; i < runs; ++i) {
        await page?.close();
        page = await browser.newPage(`${server.origin}/`);
        loads.push(await page.evaluate(() => benchReady));
      }
      const idle = [];
      const shuffling = [];
      const durations = [];
      const frames = [];
      for (let i = 0; i < runs; ++i) {
        idle.push(await frameRate(page, NoButton, NoButton));
        shuffling.push(await frameRate(page, Shuffle, Take));
        const run = await automaticRun(page);
        durations.push(run.ms);
        frames.push(run.frames);
      }
      const graphTimes = await largestGraph(page, Math.max(runs, 10));
      // 999 pupils and one line changed each run: the rules take 1000 lines at most.
      const classTimes = await classOf1000(page, Math.max(runs, 20), classLines({ pupils: 999 }).lines);
      await page.close();
      const ratio = median(shuffling) / median(idle);
      console.log(`${engine}:`);
      console.log(`  load (navigation to ready): median ${median(loads).toFixed(0)} ms [${format(loads)}]`);
      console.log(
        `  frames per second: idle median ${median(idle).toFixed(1)} [${format(idle, 1)}], ` +
          `shuffling median ${median(shuffling).toFixed(1)} [${format(shuffling, 1)}], ratio ${ratio.toFixed(2)}`,
      );
      console.log(
        `  1000-trial run: median ${median(durations).toFixed(0)} ms [${format(durations)}], ` +
          `${(median(durations) / FloorMs).toFixed(3)} of its ${FloorMs} ms floor, ` +
          `over a median of ${median(frames)} frames`,
      );
      console.log(
        `  graph, both choices on, 9 x 1000 earlier and 100000 now, computed and painted: ` +
          `median ${median(graphTimes).toFixed(1)} ms, most ${Math.max(...graphTimes).toFixed(1)} ms ` +
          `[${format(graphTimes, 1)}]`,
      );
      console.log(
        `  class window, 1000 lines read, pooled and both figures painted: ` +
          `median ${median(classTimes).toFixed(1)} ms, most ${Math.max(...classTimes).toFixed(1)} ms ` +
          `[${format(classTimes, 1)}]`,
      );
    } finally {
      await browser.close();
    }
  }
} finally {
  await server.stop();
}
