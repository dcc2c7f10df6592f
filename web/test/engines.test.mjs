// One walk through the page in each of the three browser engines a pupil's
// device may run (WebKit is the only one on an iPad): load without a script
// error, five draws by hand, an automatic run to exactly 1000, the graph and
// the help opened and closed, the copy menu, the exit box answered いいえ
// and then はい, and the program started again from the closed screen. On the
// real clock; nothing here asserts a time.
import assert from "node:assert/strict";
import { dirname } from "node:path";
import { after, before, describe, test } from "node:test";
import { PagePath } from "../harness/browser.mjs";
import { Engines, launchEngine, until } from "../harness/engines.mjs";
import { StaticServer } from "../harness/server.mjs";
import { classLines } from "../harness/class-lines.mjs";
import { classShown, curvePixels, typeIntoClassBox } from "./driver.mjs";

// Runs in the page before its own scripts: keeps its errors and what it
// writes to the clipboard.
function record() {
  globalThis.walkErrors = [];
  addEventListener("error", (event) => walkErrors.push(String(event.message)));
  addEventListener("unhandledrejection", (event) => walkErrors.push(String(event.reason)));
  globalThis.copied = [];
  Object.defineProperty(navigator, "clipboard", {
    configurable: true,
    value: {
      writeText: async (text) => copied.push(text),
      write: async () => copied.push("picture"),
    },
  });
}

const mainButton = (name) => `//section[@id='main-window']//button[normalize-space(.)='${name}']`;
const windowButton = (id, name) => `//section[@id='${id}']//button[normalize-space(.)='${name}']`;
const boxButton = (name) => `//dialog//button[normalize-space(.)='${name}']`;
const menuItem = (name) => `//*[@role='menuitem'][normalize-space(.)='${name}']`;

const seen = (page) =>
  page.evaluate(() => {
    const value = (n) => document.querySelector(`[data-label="${n}"] .value`).textContent.trim();
    const visible = [...document.querySelectorAll(".window")].filter((w) => !w.hidden).map((w) => w.id);
    return { trials: value(3), hits: value(4), frequency: value(6), theory: value(7), visible };
  });

const server = new StaticServer(dirname(PagePath), { file: "toranpu.html", inject: `(${record})();` });
before(() => server.start());
after(() => server.stop());

for (const engine of Engines) {
  describe(engine, () => {
    let browser;
    before(async () => {
      browser = await launchEngine(engine);
    });
    after(() => browser?.close());

    test("a walk through the lesson", async () => {
      const page = await browser.newPage(`${server.origin}/`);
      const started = { trials: "0", hits: "0", frequency: "", theory: "0.3076923", visible: ["main-window"] };
      assert.deepEqual(await seen(page), started);

      for (let draw = 1; draw <= 5; ++draw) {
        await page.click(mainButton("トランプをきる"));
        await page.click(mainButton("トランプを引く"));
        assert.equal((await seen(page)).trials, String(draw));
      }

      await page.click(mainButton("自動 Start"));
      await until(() => page.evaluate(() => !document.querySelectorAll("#main-window button.command")[5].disabled));
      assert.equal((await seen(page)).trials, "1000");

      await page.click(mainButton("グラフ表示"));
      assert.deepEqual((await seen(page)).visible, ["graph-window"]);
      const curve = await curvePixels(page);
      assert.ok(curve > 500, `${curve} pixels of the curve`);
      await page.click(windowButton("graph-window", "閉じる"));
      assert.deepEqual((await seen(page)).visible, ["main-window"]);

      await page.click(mainButton("HELP"));
      assert.deepEqual((await seen(page)).visible, ["main-window", "help-window"]);
      assert.equal(await page.evaluate(() => document.querySelectorAll("#help-window .printed .line").length), 23);
      await page.click(windowButton("help-window", "閉じる"));
      assert.deepEqual((await seen(page)).visible, ["main-window"]);

      await page.contextClick("//*[@data-label='13']");
      await page.click(menuItem("クラスの集計..."));
      assert.deepEqual((await seen(page)).visible, ["main-window", "class-window"]);
      const pupils = classLines();
      await typeIntoClassBox(page, pupils.lines.join("\n"));
      await until(async () => (await classShown(page)).rows.length === pupils.pupils);
      const pooled = await classShown(page);
      assert.ok(pooled.totals.includes(pupils.ratio) && pooled.totals.includes(String(pupils.hits)), pooled.totals);
      assert.ok(pooled.inked.every((pixels) => pixels > 500), `figures painted: ${pooled.inked}`);
      await page.click(windowButton("class-window", "閉じる"));
      assert.deepEqual((await seen(page)).visible, ["main-window"]);

      await page.contextClick("//*[@data-label='13']");
      await page.click(menuItem("結果をコピー"));
      const { hits, frequency } = await seen(page);
      await until(() => page.evaluate(() => copied.length > 0));
      const copiedLines = await page.evaluate(() => copied);
      assert.equal(copiedLines.length, 1);
      // The columns on show, then the hits by trial 10, 50, 100, 500 and 1000.
      const columns = copiedLines[0].split("\t");
      assert.deepEqual(columns.slice(0, 4), ["1000", hits, frequency, "0.3076923"]);
      assert.equal(columns[8], hits);
      assert.ok(columns.slice(4).every((n, i, all) => /^\d+$/.test(n) && (i === 0 || Number(n) >= Number(all[i - 1]))));

      await page.click(mainButton("終了"));
      assert.equal(await page.evaluate(() => document.querySelector("dialog").open), true);
      await page.click(boxButton("いいえ"));
      assert.equal(await page.evaluate(() => document.querySelector("dialog").open), false);
      assert.equal((await seen(page)).trials, "1000");
      await page.click(mainButton("終了"));
      await page.click(boxButton("はい"));
      assert.equal(
        await page.evaluate(() => document.getElementById("closed").textContent),
        "終了しました。このページを閉じてください。",
      );
      assert.deepEqual(await page.evaluate(() => walkErrors), []);

      await page.click("//button[normalize-space(.)='もう一度はじめる']");
      // Started afresh, as a reload does: a new page, whose closed screen is hidden.
      const restarted = () => document.getElementById("closed-screen").hidden && !!document.getElementById("main-window");
      await until(() => page.evaluate(restarted));
      await page.ready();
      assert.deepEqual(await seen(page), started);
      assert.deepEqual(await page.evaluate(() => walkErrors), []);
      await page.close();
    });
  });
}
