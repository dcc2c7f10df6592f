// A site served over plain http from a host that is not this device is no
// secure context: the browser gives it no service worker, so it neither works
// offline nor installs as an app. The page says so in a small notice, and
// tells the console why; over https, from localhost or from a file, nothing.
import { PageTexts } from "./layout.js";

// Whether the page, published with a service worker, is kept from using it.
export function offlineRefused({ protocol, secure, hasWorker }) {
  return hasWorker && protocol === "http:" && !secure;
}

export function noticeInsecureSite(worker) {
  const refused = offlineRefused({
    protocol: location.protocol,
    secure: globalThis.isSecureContext === true,
    hasWorker: Boolean(worker),
  });
  if (!refused) {
    return false;
  }
  console.warn(
    `Offline use and installing as an app need a secure context: https, or localhost. ` +
      `This page was opened over plain http from ${location.host}, so it has no service worker.`,
  );
  const notice = document.getElementById("notice");
  notice.textContent = PageTexts.insecureSite;
  notice.hidden = false;
  return true;
}
