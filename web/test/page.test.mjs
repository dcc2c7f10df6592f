// The file itself: its size, what it shows at start, the designed geometry
// at scale 1, the card pictures and the help's printed lines; and what it
// says where the browser cannot run it.
import assert from "node:assert/strict";
import { readFileSync, statSync } from "node:fs";
import { after, before, describe, test } from "node:test";
import { PagePath, PageUrl, launch } from "./browser.mjs";
import { button, inspectCore, openVirtual, shown, windowButton } from "./driver.mjs";

const SizeLimit = 1572864;
// The main window alone at scale 1: its client area, the frame and the margin.
const DesignedViewport = { width: 586, height: 393 };


let browser;
before(async () => {
  browser = await launch();
});
after(() => browser?.close());

test("the file is one self-contained page under 1.5 MiB", () => {
  const size = statSync(PagePath).size;
  assert.ok(size < SizeLimit, `${size} bytes`);
  const html = readFileSync(PagePath, "utf8");
  assert.doesNotMatch(html, /(src|href)="(?!data:)[^"]+"/, "every address is embedded");
  assert.match(html, /UmeFont license/);
});

describe("at start", () => {
  let page;
  let refused;
  before(async () => {
    ({ page, refused } = await openVirtual(browser, { ...DesignedViewport, before: inspectCore }));
  });
  after(() => page.close());

  test("shows the ace of spades, 0, 0, 16, 52 and the theoretical probability", async () => {
    assert.deepEqual(await shown(page), {
      trials: "0",
      hits: "0",
      frequency: "",
      theory: "0.3076923",
      hitsInDeck: "16",
      deck: "52",
      cards: [1],
      cardName: "スペードの1",
    });
    assert.equal(await page.title(), "３の倍数のトランプカード");
    assert.deepEqual(refused, []);
  });

  test("places every button and label where the design puts them, at scale 1", async () => {
    const { placed, designed } = await page.evaluate(() => {
      const client = document.querySelector("#main-window .client").getBoundingClientRect();
      const rect = (node) => {
        const r = node.getBoundingClientRect();
        return { left: r.left - client.left, top: r.top - client.top, width: r.width, height: r.height };
      };
      const { main } = toranpu.design;
      return {
        placed: {
          client: { width: client.width, height: client.height },
          buttons: [...document.querySelectorAll("#main-window button.command")].map((b) => [b.textContent, rect(b)]),
          labels: [...document.querySelectorAll("[data-label]")]
            .sort((a, b) => a.dataset.label - b.dataset.label)
            .map((l) => rect(l)),
          card: rect(document.querySelector("img.card")),
          rule: rect(document.querySelector("#main-window .rule")),
        },
        designed: {
          client: main.client,
          buttons: main.buttons.map((b) => [b.caption, b.rect]),
          labels: main.labels.map((l) => l.rect),
          card: main.card,
          rule: { ...main.rule, height: 1 },
        },
      };
    });
    assert.deepEqual(placed, designed);
    // The design's twips at 15 to the pixel: the window and the card's box.
    assert.deepEqual(designed.client, { width: 568, height: 351 });
    assert.deepEqual(designed.card, { left: 248, top: 208, width: 73, height: 105 });
  });

  test("writes the numbers in the designed faces and colours", async () => {
    const styles = await page.evaluate(() =>
      [3, 9, 13].map((n) => {
        const style = getComputedStyle(document.querySelector(`[data-label="${n}"]`));
        return [style.fontSize, style.fontWeight, style.color, style.backgroundColor];
      }),
    );
    assert.deepEqual(styles, [
      ["21px", "700", "rgb(255, 0, 0)", "rgb(255, 255, 255)"],
      ["21px", "400", "rgb(0, 0, 0)", "rgb(255, 255, 255)"],
      ["21px", "700", "rgb(0, 0, 0)", "rgb(255, 255, 192)"],
    ]);
    assert.ok(await page.evaluate(() => document.fonts.check('21px "Toranpu Ume P Gothic"', "３の倍数")));
  });

  test("embeds all 52 card pictures as cardgen wrote them, at the designed size", async () => {
    const { pictures, designed } = await page.evaluate(async () => ({
      pictures: await Promise.all(
        toranpu.cards.map(async (source) => {
          const img = new Image();
          img.src = source;
          await img.decode();
          return { source, size: { width: img.naturalWidth, height: img.naturalHeight } };
        }),
      ),
      designed: toranpu.design.main.cardPicture,
    }));
    assert.equal(pictures.length, 52);
    pictures.forEach(({ source, size }, i) => {
      const file = new URL(`../../assets/cards/${String(i + 1).padStart(2, "0")}.png`, import.meta.url);
      assert.equal(source, `data:image/png;base64,${readFileSync(file).toString("base64")}`, `card ${i + 1}`);
      assert.deepEqual(size, designed, `card ${i + 1}`);
    });
  });

  test("prints the help's 23 lines, none clipped", async () => {
    await button(page, "HELP").click();
    const lines = await page.evaluate(() => {
      const printed = document.querySelector("#help-window .printed");
      return {
        width: printed.parentElement.clientWidth,
        height: printed.parentElement.clientHeight,
        texts: [...printed.children].map((line) => line.textContent),
        widths: [...printed.children].map((line) => line.scrollWidth),
        bottom: printed.lastChild.offsetTop + printed.lastChild.offsetHeight,
      };
    });
    // The rule under 閉じる where the design's pixels put it: 8 to 560 px.
    const rules = await page.evaluate(() => {
      // Layout pixels of the client area, whatever the scale the stage is shown at.
      const r = document.querySelector("#help-window .rule");
      return {
        placed: { left: r.offsetLeft, top: r.offsetTop, width: r.offsetWidth, height: r.offsetHeight },
        designed: { ...toranpu.design.help.rule, height: 1 },
      };
    });
    assert.deepEqual(rules.placed, rules.designed);
    assert.deepEqual(rules.designed, { left: 8, top: 24, width: 552, height: 1 });
    assert.equal(lines.texts.length, 23);
    assert.equal(lines.texts[1], "　【問　　題】");
    assert.equal(lines.texts[2], "　　　　　　　　ここにトランプが１組あります。");
    assert.ok(Math.max(...lines.widths) <= lines.width, `${Math.max(...lines.widths)} > ${lines.width}`);
    assert.ok(lines.bottom <= lines.height);
    await windowButton(page, "help-window", "閉じる").click();
  });
});

describe("where the browser cannot run the program", () => {
  const Said = [
    "このブラウザーでは、このプログラムを使えません。",
    "Safari 15.4 以降か、新しい Chrome、Edge、Firefox で開いてください。",
  ].join("\n\n");
  const html = readFileSync(PagePath, "utf8");
  const cases = [
    { name: "no WebAssembly", before: () => delete globalThis.WebAssembly, page: html },
    { name: "a module it cannot parse", page: html.replace('<script type="module">', '<script type="module">)(') },
    { name: "no dialog", before: () => delete globalThis.HTMLDialogElement, page: html },
  ];
  for (const { name, before: change, page: served } of cases) {
    test(`${name}: it says what is needed, with no window on view`, async () => {
      const page = await browser.newPage();
      await page.setRequestInterception(true);
      page.on("request", (request) =>
        request.url() === PageUrl ? request.respond({ contentType: "text/html", body: served }) : request.continue(),
      );
      if (change) {
        await page.evaluateOnNewDocument(change);
      }
      await page.goto(PageUrl, { waitUntil: "load" });
      const seen = await page.evaluate(() => {
        const notice = document.getElementById("unsupported");
        return {
          said: notice?.checkVisibility() ? notice.innerText : null,
          windows: [...document.querySelectorAll(".window")].filter((window) => window.checkVisibility()).length,
        };
      });
      assert.deepEqual(seen, { said: Said, windows: 0 });
      await page.close();
    });
  }

  test("once the program has started, the notice is gone", async () => {
    const { page } = await openVirtual(browser, DesignedViewport);
    assert.equal(await page.evaluate(() => document.getElementById("unsupported")), null);
    await page.close();
  });
});
