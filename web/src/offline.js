// Served from a web site, the page keeps itself for offline use through its
// service worker; a file opened from a disk or a file share has none.
import { noticeInsecureSite } from "./secure-notice.js";

export function keepForOffline() {
  const worker = document.querySelector('meta[name="toranpu-service-worker"]')?.content;
  if (noticeInsecureSite(worker)) {
    return;
  }
  if (worker && /^https?:$/.test(location.protocol) && navigator.serviceWorker) {
    navigator.serviceWorker.register(worker).catch(() => {});
  }
}
