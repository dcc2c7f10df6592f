// The one live region: what the rules announce, once, after a draw, a run, an
// initialisation or the graph's opening. Each text is cleared once a screen
// reader has had it, so that nothing stale is read again when a box closes or
// a window comes back.

// How long a text stays for a screen reader to take it up.
export const AnnouncementHoldMs = 1000;

export class Announcer {
  // `time.after(ms, callback)` where the page's time offers it (tests step it),
  // otherwise the browser's timer.
  constructor(element, time) {
    this.element = element;
    this.after = time.after ?? ((ms, callback) => setTimeout(callback, ms));
    this.generation = 0;
  }

  announce(text) {
    const generation = ++this.generation;
    this.element.textContent = text;
    this.after(AnnouncementHoldMs, () => {
      if (generation === this.generation) {
        this.element.textContent = "";
      }
    });
  }
}
