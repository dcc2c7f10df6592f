// The rules' timer, run inside the page's frame callback: every frame counts
// the ticks that fell due since the last one, paced against the clock, so the
// card a tick shows is the card painted and counted. Browsers throttle timers
// to 4 ms or more, hence several ticks per frame rather than one per timer.

// At most this many ticks in one frame: 50 ms of backlog. A frame that comes
// later than that (a hidden or throttled tab) drops the rest and resumes at
// pace, so an automatic run is never over within a frame or two.
export const MaxTicksPerFrame = 50;

// The clock and the frame source of a browser: milliseconds, and a callback
// before each paint. Tests supply their own with the same three members.
export const BrowserTime = {
  now: () => performance.now(),
  requestFrame: (callback) => requestAnimationFrame(callback),
  cancelFrame: (handle) => cancelAnimationFrame(handle),
};

export class FrameTicker {
  constructor(time, intervalMs, tick) {
    this.time = time;
    this.intervalMs = intervalMs;
    this.tick = tick;
    this.running = false;
    this.due = 0;
    this.frame = null;
    this.onFrame = this.onFrame.bind(this);
  }

  // Like a timer's start: the first tick falls one interval from now.
  start() {
    this.running = true;
    this.due = this.time.now() + this.intervalMs;
    this.frame ??= this.time.requestFrame(this.onFrame);
  }

  stop() {
    this.running = false;
    if (this.frame !== null) {
      this.time.cancelFrame(this.frame);
      this.frame = null;
    }
  }

  onFrame() {
    this.frame = null;
    const now = this.time.now();
    for (let ticks = 0; this.running && this.due <= now && ticks < MaxTicksPerFrame; ++ticks) {
      this.due += this.intervalMs;
      this.tick();
    }
    if (!this.running) {
      return;
    }
    if (this.due <= now) {
      this.due = now + this.intervalMs;
    }
    this.frame ??= this.time.requestFrame(this.onFrame);
  }
}
