// The page's three browser engines behind one small interface, for the walk
// that every engine takes and for the benchmark: Chromium and Firefox ESR
// through puppeteer-core (Chromium over its DevTools protocol, Firefox over
// WebDriver BiDi) and WebKitGTK, the engine of every iPad, through its
// WebDriver and selenium-webdriver. Pages are served by a StaticServer,
// which also slips in the scripts a test runs before the page's own.
import { spawn } from "node:child_process";
import { existsSync } from "node:fs";
import { createServer } from "node:net";
import puppeteer from "puppeteer-core";
import { Builder, By } from "selenium-webdriver";
import { ReadySelector, launch } from "./browser.mjs";

export const Engines = ["chromium", "firefox", "webkit"];

const Firefox = "/usr/bin/firefox-esr";
const WebKitDriver = "/usr/bin/WebKitWebDriver";
const MiniBrowser = ["4.1", "4.0"]
  .map((api) => `/usr/lib/x86_64-linux-gnu/webkit2gtk-${api}/MiniBrowser`)
  .find((path) => existsSync(path));
const StartupMs = 20000;

// A browser of the engine; newPage(url) opens the page and waits for the
// program to be ready.
export async function launchEngine(engine) {
  if (engine === "webkit") {
    return WebKitBrowser.launch();
  }
  const browser =
    engine === "firefox"
      ? await puppeteer.launch({ browser: "firefox", executablePath: Firefox, headless: true })
      : await launch();
  return new PuppeteerBrowser(engine, browser);
}

class PuppeteerBrowser {
  constructor(engine, browser) {
    this.engine = engine;
    this.browser = browser;
  }

  async newPage(url, { width = 1024, height = 768 } = {}) {
    const page = await this.browser.newPage();
    await page.setViewport({ width, height });
    await page.goto(url, { waitUntil: "load" });
    const engined = new PuppeteerPage(page);
    await engined.ready();
    return engined;
  }

  close() {
    return this.browser.close();
  }
}

class PuppeteerPage {
  constructor(page) {
    this.page = page;
  }

  evaluate(fn, ...args) {
    return this.page.evaluate(fn, ...args);
  }

  click(xpath) {
    return this.page.locator(`::-p-xpath(${xpath})`).click();
  }

  async contextClick(xpath) {
    const element = await this.page.locator(`::-p-xpath(${xpath})`).waitHandle();
    await element.click({ button: "right" });
  }

  ready() {
    return this.page.waitForSelector(ReadySelector, { timeout: StartupMs });
  }

  close() {
    return this.page.close();
  }
}

// WebKitGTK's MiniBrowser needs a display: it gets a virtual X server of its own.
class WebKitBrowser {
  static async launch() {
    const display = await startXvfb();
    const port = await freePort();
    const driver = spawn(WebKitDriver, [`--port=${port}`], {
      env: { ...process.env, DISPLAY: display.name },
      stdio: "ignore",
    });
    const server = `http://127.0.0.1:${port}`;
    try {
      await until(async () => (await fetch(`${server}/status`)).ok);
      const session = await new Builder()
        .usingServer(server)
        .withCapabilities({
          browserName: "MiniBrowser",
          "webkitgtk:browserOptions": { binary: MiniBrowser, args: ["--automation"] },
        })
        .build();
      return new WebKitBrowser(session, driver, display.process);
    } catch (error) {
      driver.kill();
      display.process.kill();
      throw error;
    }
  }

  constructor(session, driver, xvfb) {
    this.engine = "webkit";
    this.session = session;
    this.driver = driver;
    this.xvfb = xvfb;
  }

  // One page at a time: each opening navigates the session's window.
  async newPage(url, { width = 1024, height = 768 } = {}) {
    await this.session.manage().window().setRect({ width, height });
    await this.session.get(url);
    const page = new WebKitPage(this.session);
    await page.ready();
    return page;
  }

  async close() {
    try {
      await this.session.quit();
    } finally {
      this.driver.kill();
      this.xvfb.kill();
    }
  }
}

class WebKitPage {
  constructor(session) {
    this.session = session;
  }

  // As puppeteer's: `fn` runs in the page with `args`; a promise is awaited.
  evaluate(fn, ...args) {
    return this.session.executeScript(`return (${fn}).apply(null, arguments);`, ...args);
  }

  async click(xpath) {
    await (await this.session.findElement(By.xpath(xpath))).click();
  }

  async contextClick(xpath) {
    const element = await this.session.findElement(By.xpath(xpath));
    await this.session.actions().contextClick(element).perform();
  }

  ready() {
    return until(() => this.evaluate((selector) => document.querySelector(selector) !== null, ReadySelector));
  }

  async close() {
    await this.session.get("about:blank");
  }
}

async function startXvfb() {
  const process = spawn("Xvfb", ["-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"], {
    stdio: ["ignore", "pipe", "ignore"],
  });
  const number = await new Promise((resolve, reject) => {
    process.stdout.once("data", (data) => resolve(String(data).trim()));
    process.once("exit", () => reject(new Error("Xvfb did not start")));
  });
  return { name: `:${number}`, process };
}

function freePort() {
  return new Promise((resolve) => {
    const probe = createServer();
    probe.listen(0, "127.0.0.1", () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
}

// Polls `check` until it holds, or fails after `ms`.
export async function until(check, ms = StartupMs) {
  const deadline = Date.now() + ms;
  for (;;) {
    try {
      if (await check()) {
        return;
      }
    } catch {
      // Not there yet.
    }
    if (Date.now() > deadline) {
      throw new Error(`timed out after ${ms} ms`);
    }
    await new Promise((done) => setTimeout(done, 50));
  }
}
