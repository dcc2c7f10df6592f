// An in-page window: a frame with a title bar (icon, caption and, for the
// secondary windows, a close box) around a client area of the designed size.
import { CloseCaption, Frame, SurfaceBorderWidth, Texts, pixelRect, pixels } from "./layout.js";
import { element, placeRect } from "./dom.js";

export class PageWindow {
  constructor({ id, layout, icon, role = "region", onFrameClose = null }) {
    this.id = id;
    this.clientWidth = pixels(layout.clientWidth);
    this.clientHeight = pixels(layout.clientHeight);
    const titleId = `${id}-title`;
    this.element = element("section", {
      id,
      className: "window",
      role,
      "aria-labelledby": titleId,
      hidden: true,
    });
    const bar = element("div", { className: "titlebar" });
    bar.append(
      element("img", { className: "icon", src: icon, alt: "" }),
      element("span", { id: titleId, className: "title", textContent: layout.title }),
    );
    if (onFrameClose) {
      // Out of the tab order like a desktop frame's close box; 閉じる is the
      // keyboard's way out.
      const box = element("button", {
        className: "frame-close",
        type: "button",
        tabIndex: -1,
        "aria-label": Texts.frameClose,
        textContent: "×",
      });
      box.addEventListener("click", onFrameClose);
      bar.append(box);
    }
    this.client = element("div", { className: "client" });
    this.client.style.width = `${this.clientWidth}px`;
    this.client.style.height = `${this.clientHeight}px`;
    this.element.append(bar, this.client);
  }

  get outerWidth() {
    return this.clientWidth + 2 * Frame.border;
  }

  get outerHeight() {
    return this.clientHeight + Frame.titleBarHeight + 2 * Frame.border;
  }

  get visible() {
    return !this.element.hidden;
  }

  contains(node) {
    return this.element.contains(node);
  }
}

// A horizontal one-pixel rule from x1 to x2 at y, all in twips.
export function rule(x1, x2, y) {
  const line = element("div", { className: "rule", role: "presentation" });
  const left = pixels(Math.min(x1, x2));
  placeRect(line, { left, top: pixels(y), width: pixels(Math.max(x1, x2)) - left, height: 1 });
  return line;
}

// The shape the graph and the help share: 閉じる over a rule, then the
// surface. Returns the close button and the surface's inner area.
export function surfaceWindow(window, layout, onClose) {
  const close = element("button", { type: "button", className: "command", textContent: CloseCaption });
  placeRect(close, pixelRect(layout.closeButton));
  close.addEventListener("click", onClose);
  const surface = element("div", { className: "surface" });
  const outer = pixelRect(layout.surface);
  placeRect(surface, outer);
  surface.style.background = layout.surfaceBack;
  surface.style.borderWidth = `${SurfaceBorderWidth}px`;
  // The button stands above the rule, which runs on under it.
  window.client.append(rule(layout.rule.left, layout.rule.right, layout.rule.y), close, surface);
  const inner = {
    width: outer.width - 2 * SurfaceBorderWidth,
    height: outer.height - 2 * SurfaceBorderWidth,
  };
  return { close, surface, inner };
}
