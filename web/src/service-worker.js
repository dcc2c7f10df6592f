// The published site's service worker. On the first visit it stores the site,
// so that the program starts from there with no network at all. Each release
// has a store of its own: when a new release is published, the next visit
// with a network installs it, and the stores of older releases are deleted.
const Store = "toranpu-{{release}}";
const Files = {{files}};
// What marks this release's page, so that a page kept from before is never
// stored as this release's.
const ReleaseMark = '<meta name="toranpu-release" content="{{release}}">';
// How long a start waits for the network before it opens the stored page.
const NetworkWaitMs = 3000;

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches
      .open(Store)
      .then((store) => Promise.all([keepPage(store), store.addAll(Files.slice(1))]))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((name) => name !== Store).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener("fetch", (event) => {
  const { request } = event;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) {
    return;
  }
  event.respondWith(request.mode === "navigate" ? page(request) : stored(request));
});

// The page the browser has just fetched to open the site is in its own cache:
// stored from there, the first visit downloads it once. Fetched again only
// where that copy is missing or of another release.
async function keepPage(store) {
  const kept = await fetch(Files[0], { cache: "force-cache" });
  if (kept.ok && (await kept.clone().text()).includes(ReleaseMark)) {
    return store.put(Files[0], kept);
  }
  return store.add(new Request(Files[0], { cache: "no-cache" }));
}

// The page from the network while there is one, so that a newly published
// release is what opens; the stored copy otherwise.
async function page(request) {
  const store = await caches.open(Store);
  try {
    const response = await Promise.race([
      fetch(request),
      new Promise((_, reject) => setTimeout(reject, NetworkWaitMs)),
    ]);
    if (response.ok) {
      await store.put(Files[0], response.clone());
      return response;
    }
  } catch {
    // No network, or too slow: the stored page.
  }
  return (await store.match(Files[0])) ?? Response.error();
}

async function stored(request) {
  return (await caches.match(request, { ignoreSearch: true })) ?? fetch(request);
}
