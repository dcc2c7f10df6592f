// The module's side of the old-browser check that runs before it
// (support-check.js): the module says it ran, and whether the check let the
// program start; once the program has started, the check's notice goes.

const NoticeId = "unsupported";

// Whether the program may start here.
export function moduleRan() {
  const notice = document.getElementById(NoticeId);
  if (!notice) {
    return true;
  }
  notice.dataset.module = "ran";
  return notice.hidden;
}

export function programStarted() {
  document.getElementById(NoticeId)?.remove();
}
