// Headless Chromium for the page's tests, benchmark and screenshots: the page
// opened from its file:// address, every request other than the page itself
// and its own embedded data: addresses recorded and refused.
import { existsSync } from "node:fs";
import { dirname, resolve } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";
import puppeteer from "puppeteer-core";

const repo = resolve(dirname(fileURLToPath(import.meta.url)), "../..");
export const PagePath = process.env.TORANPU_HTML ?? resolve(repo, "build/web/toranpu.html");
export const PageUrl = pathToFileURL(PagePath).href;

const Chromium = ["/usr/bin/chromium", "/usr/bin/chromium-browser"].find((path) => existsSync(path));

// Flags that keep Chromium from reaching out on its own and let it run as root.
const Flags = [
  "--headless=new",
  "--no-sandbox",
  "--disable-gpu",
  "--disable-quic",
  "--no-first-run",
  "--disable-background-networking",
  "--disable-component-update",
  "--disable-sync",
  "--disable-features=Translate,MediaRouter",
  "--font-render-hinting=none",
];

// `flags`: more of Chromium's own, for a test that needs them.
export function launch(flags = []) {
  if (!Chromium) {
    throw new Error("Chromium is missing: install Debian's chromium package");
  }
  return puppeteer.launch({ executablePath: Chromium, args: [...Flags, ...flags], headless: true });
}

// What an iPad's Safari says it is.
const TabletUserAgent =
  "Mozilla/5.0 (iPad; CPU OS 17_5 like Mac OS X) AppleWebKit/605.1.15 (KHTML, like Gecko) Version/17.5 Mobile/15E148 Safari/604.1";

// A viewport, as a tablet's touch screen where `touch` is set.
async function setViewport(page, { width, height, scale, touch }) {
  if (touch) {
    await page.setUserAgent(TabletUserAgent);
  }
  await page.setViewport({ width, height, deviceScaleFactor: scale, isMobile: touch, hasTouch: touch });
}

// The program has started: the windows are built and the stage is arranged.
export const ReadySelector = "#stage[aria-busy=false]";
export const untilReady = (page) => page.waitForSelector(ReadySelector);

// Opens `url` at a viewport, once `watch(page)` has set up what it hears of
// the page's requests, and waits for the program. `before` runs in the page
// before its own scripts.
async function open(browser, url, { width = 1024, height = 768, scale = 1, touch = false, before } = {}, watch) {
  const page = await browser.newPage();
  await setViewport(page, { width, height, scale, touch });
  await watch(page);
  if (before) {
    await page.evaluateOnNewDocument(before);
  }
  await page.goto(url, { waitUntil: "load" });
  await untilReady(page);
  return page;
}

// The page from its file. Returns the page and the list of refused requests.
export async function openPage(browser, options) {
  const refused = [];
  const page = await open(browser, PageUrl, options, async (page) => {
    await page.setRequestInterception(true);
    page.on("request", (request) => {
      if (request.url() === PageUrl || request.url().startsWith("data:")) {
        request.continue();
      } else {
        refused.push(request.url().slice(0, 80));
        request.abort();
      }
    });
  });
  return { page, refused };
}

// The page served over http by the test itself, as a school's web server
// serves it, with every request that leaves that server or the page's own
// data: addresses recorded (not refused: a service worker must reach it).
export async function openServed(browser, url, options) {
  const elsewhere = [];
  const origin = new URL(url).origin;
  const page = await open(browser, url, options, (page) => {
    page.on("request", (request) => {
      if (!request.url().startsWith(origin) && !request.url().startsWith("data:")) {
        elsewhere.push(request.url().slice(0, 80));
      }
    });
  });
  return { page, elsewhere };
}
