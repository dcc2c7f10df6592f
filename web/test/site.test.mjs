// The published site as a pupil's tablet meets it, served from 127.0.0.1 by
// the test: installable as an app, kept for offline use by its service worker
// after one visit (the page downloaded once), kept through a server in
// trouble, and replaced by a newly published release; reached by a host name
// over plain http, where the browser allows no service worker, it says so.
import assert from "node:assert/strict";
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { after, afterEach, before, test } from "node:test";
import { PagePath, launch, openServed, untilReady } from "../harness/browser.mjs";
import { StaticServer } from "../harness/server.mjs";
import { button, installVirtualTime, runFrames } from "../harness/virtual-time.mjs";
import { shown } from "./driver.mjs";

const Site = join(dirname(PagePath), "site");
const finished = () => !document.querySelectorAll("#main-window button.command")[5].disabled;

let browser;
let folder;
let server;
let pages = [];
before(async () => {
  browser = await launch();
});
after(() => browser?.close());
afterEach(async () => {
  await Promise.all(pages.map((page) => page.close()));
  pages = [];
  await server?.stop();
  rmSync(folder, { recursive: true, force: true });
});

// A copy of the site on a server of its own, so that each test starts on a
// new origin, with nothing stored from another.
async function publish() {
  folder = mkdtempSync(join(tmpdir(), "toranpu-site-"));
  cpSync(Site, folder, { recursive: true });
  server = await new StaticServer(folder).start();
}

async function visit() {
  const { page, elsewhere } = await openServed(browser, `${server.origin}/`, { before: installVirtualTime });
  pages.push(page);
  assert.deepEqual(elsewhere, [], "nothing is asked of any other server");
  return page;
}

const controlled = (page) =>
  page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    return navigator.serviceWorker.controller !== null;
  });

const notice = (page) =>
  page.evaluate(() => {
    const shown = document.getElementById("notice");
    return shown.hidden ? null : shown.textContent;
  });

const release = (page) => page.evaluate(() => document.querySelector('meta[name="toranpu-release"]').content);

test("Chromium finds the site installable as an app", async () => {
  await publish();
  const page = await visit();
  const client = await page.createCDPSession();
  const { installabilityErrors } = await client.send("Page.getInstallabilityErrors");
  assert.deepEqual(installabilityErrors, []);
  const manifest = JSON.parse(readFileSync(join(Site, "manifest.webmanifest"), "utf8"));
  assert.deepEqual(
    [manifest.name, manifest.lang, manifest.display, manifest.start_url, manifest.scope],
    ["３の倍数のトランプカード", "ja", "standalone", "./", "./"],
  );
  assert.deepEqual(
    manifest.icons.map(({ sizes, purpose }) => `${sizes} ${purpose}`),
    ["192x192 any", "512x512 any", "512x512 maskable"],
  );
  const touchIcon = await page.evaluate(() => document.querySelector('link[rel="apple-touch-icon"]').href);
  assert.equal((await fetch(touchIcon)).status, 200);
  assert.equal(await notice(page), null, "from 127.0.0.1 the page is a secure context: no notice");
});

test("a first visit downloads the page once, the service worker storing that copy", async (t) => {
  await publish();
  const page = await visit();
  await page.evaluate(() => navigator.serviceWorker.ready);
  t.diagnostic(`first visit: ${server.bytesSent} bytes`);
  assert.deepEqual(
    server.served.filter((path) => path === "/"),
    ["/"],
  );
  const stored = await page.evaluate(async () => (await (await caches.match("./")).text()).length);
  assert.equal(stored, readFileSync(join(Site, "index.html"), "utf8").length);
});

for (const status of [404, 500]) {
  test(`a server answering ${status} for the page opens the stored one and keeps it`, async () => {
    await publish();
    const first = await visit();
    await first.evaluate(() => navigator.serviceWorker.ready);
    server.pageStatus = status;
    const second = await visit();
    assert.equal(await controlled(second), true);
    await button(second, "トランプをきる").click();
    await button(second, "トランプを引く").click();
    assert.equal((await shown(second)).trials.trim(), "1");

    await server.stop();
    await second.reload({ waitUntil: "load" });
    await untilReady(second);
    assert.equal((await shown(second)).trials.trim(), "0", "the stored page, not the server's answer");
  });
}

test("after one visit the program starts and runs with no network at all", async () => {
  await publish();
  const first = await visit();
  await first.evaluate(() => navigator.serviceWorker.ready);
  const second = await visit();
  assert.equal(await controlled(second), true, "the service worker controls the next visit");

  await server.stop();
  await second.reload({ waitUntil: "load" });
  await untilReady(second);
  await button(second, "自動 Start").click();
  await runFrames(second, { until: finished });
  assert.equal((await shown(second)).trials, "1000");
});

test("a newly published release replaces the stored one on the next visit", async () => {
  await publish();
  const first = await visit();
  await first.evaluate(() => navigator.serviceWorker.ready);
  const old = await release(first);

  // The school publishes a new release over the old one.
  const next = "99.0.0";
  for (const file of ["index.html", "sw.js"]) {
    const path = join(folder, file);
    writeFileSync(path, readFileSync(path, "utf8").replaceAll(old, next));
  }
  const second = await visit();
  assert.equal(await release(second), next, "the next visit shows the new release");
  await second.waitForFunction(
    async (next) => JSON.stringify(await caches.keys()) === JSON.stringify([`toranpu-${next}`]),
    {},
    next,
  );

  // And it is the new release that starts offline.
  await server.stop();
  await second.reload({ waitUntil: "load" });
  await untilReady(second);
  assert.equal(await release(second), next);
});

test("over plain http by a host name, the page says it cannot work offline or install, and runs", async () => {
  await publish();
  // A school's intranet name, resolved to this machine.
  const Host = "school.example";
  const named = await launch([`--host-resolver-rules=MAP ${Host} 127.0.0.1`]);
  try {
    const warnings = [];
    const { page, elsewhere } = await openServed(named, `http://${Host}:${server.port}/`, {
      before: installVirtualTime,
      width: 820,
      height: 1180,
    });
    page.on("console", (message) => warnings.push(message.text()));
    assert.deepEqual(elsewhere, []);
    assert.equal(
      await notice(page),
      "このページは https ではなく http で開かれているため、ネットワークがないときには使えず、アプリとして追加することもできません。",
    );
    await page.reload({ waitUntil: "load" });
    await untilReady(page);
    assert.ok(warnings.some((text) => /secure context/.test(text)), warnings.join("\n"));
    const placed = await page.evaluate(() => {
      const [main, notice] = ["main-window", "notice"].map((id) => document.getElementById(id).getBoundingClientRect());
      return { worker: "serviceWorker" in navigator, clear: main.bottom <= notice.top };
    });
    assert.deepEqual(placed, { worker: false, clear: true });
    await button(page, "自動 Start").click();
    await runFrames(page, { until: finished });
    assert.equal((await shown(page)).trials, "1000");
  } finally {
    await named.close();
  }
});
