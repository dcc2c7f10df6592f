// The stage: the windows on view, arranged and scaled as one to fit the
// viewport. The main window or the graph stands at the top left; a window
// beside it (the help, the class window) stands below it on a viewport
// taller than wide (a tablet held upright), so that every number stays in
// sight, and beside it on a wider one where that keeps the windows at their
// size, otherwise over it, moved down and right so that both title bars stay
// in reach; a second one open stands over the first, moved on again. The windows keep inside the
// device's safe area (clear of an iPad's rounded corners and home indicator)
// and above the page's notice when one shows.
import { StageLayout } from "./layout.js";

// However small the viewport, the stage keeps at least this scale.
const MinScale = 0.1;

export class Stage {
  // `secondaries` stand beside the primary on view, in the order given;
  // `onScale` hears the device pixels per CSS pixel of the windows;
  // `safeArea` is an element padded by the safe area's insets, `notice` the
  // page's notice along the bottom.
  constructor(element, { primaries, secondaries, onScale, safeArea, notice }) {
    this.element = element;
    this.safeArea = safeArea;
    this.notice = notice;
    this.primaries = primaries;
    this.secondaries = secondaries;
    this.all = [...primaries, ...secondaries];
    this.onScale = onScale;
    this.layering = 0;
    for (const window of this.all) {
      element.append(window.element);
      window.element.addEventListener("pointerdown", () => this.raise(window));
      window.element.addEventListener("focusin", () => this.raise(window));
    }
    addEventListener("resize", () => this.arrange());
  }

  show(window) {
    window.element.hidden = false;
    this.arrange();
    this.raise(window);
  }

  hide(window) {
    window.element.hidden = true;
    this.arrange();
  }

  // Brings a window to the front and marks it as the active one.
  raise(window) {
    window.element.style.zIndex = String(++this.layering);
    for (const other of this.all) {
      other.element.classList.toggle("active", other === window);
    }
  }

  // The window that has the keyboard focus, else the frontmost on view.
  activeWindow() {
    const all = this.all.filter((window) => window.visible);
    return (
      all.find((window) => window.contains(document.activeElement)) ??
      all.find((window) => window.element.classList.contains("active")) ??
      all[0]
    );
  }

  // The part of the viewport the windows may take. The insets are read as
  // lengths, since a fixed box's own rectangle grows with a zoomed-out page.
  room() {
    const style = getComputedStyle(this.safeArea);
    const [top, right, bottom, left] = ["Top", "Right", "Bottom", "Left"].map(
      (side) => parseFloat(style[`padding${side}`]) || 0,
    );
    const { clientWidth, clientHeight } = document.documentElement;
    const below = bottom + (this.notice.hidden ? 0 : this.notice.offsetHeight);
    return { left, top, width: clientWidth - left - right, height: clientHeight - top - below };
  }

  arrange() {
    const room = this.room();
    const primary = this.primaries.find((window) => window.visible);
    const placed = [];
    if (primary) {
      placed.push([primary, 0, 0]);
    }
    const [first, ...others] = this.secondaries.filter((secondary) => secondary.visible);
    if (first) {
      const { x, y } = StageLayout.cascade;
      let at = [0, 0];
      if (primary && portrait()) {
        at = [0, primary.outerHeight + StageLayout.windowGap];
      } else if (primary) {
        const beside = [primary.outerWidth + StageLayout.windowGap, 0];
        const besideFits = fitScale(extent([...placed, [first, ...beside]]), room) >= StageLayout.minScaleBeside;
        at = besideFits ? beside : [x, y];
      }
      placed.push([first, ...at]);
      others.forEach((window, i) => placed.push([window, at[0] + (i + 1) * x, at[1] + (i + 1) * y]));
    }
    const { width, height } = extent(placed);
    for (const [window, left, top] of placed) {
      window.element.style.left = `${left}px`;
      window.element.style.top = `${top}px`;
    }
    const scale = fitScale({ width, height }, room);
    const style = this.element.style;
    style.width = `${width}px`;
    style.height = `${height}px`;
    style.left = `${room.left + Math.max(0, (room.width - width * scale) / 2)}px`;
    style.top = `${room.top + Math.max(0, (room.height - height * scale) / 2)}px`;
    style.transform = `scale(${scale})`;
    document.documentElement.style.setProperty("--stage-scale", String(scale));
    this.onScale(scale * (globalThis.devicePixelRatio || 1));
  }
}

function portrait() {
  const { clientWidth, clientHeight } = document.documentElement;
  return clientHeight > clientWidth;
}

function extent(placed) {
  let width = 0;
  let height = 0;
  for (const [window, left, top] of placed) {
    width = Math.max(width, left + window.outerWidth);
    height = Math.max(height, top + window.outerHeight);
  }
  return { width, height };
}

// The largest scale at which a box of this size fits the room.
function fitScale({ width, height }, room) {
  if (width === 0 || height === 0) {
    return 1;
  }
  const margin = 2 * StageLayout.viewportMargin;
  return Math.max(MinScale, Math.min((room.width - margin) / width, (room.height - margin) / height));
}
