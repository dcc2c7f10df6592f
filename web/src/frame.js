// An in-page window: a frame with a title bar (icon, caption and, for the
// secondary windows, a close box) around a client area of the designed size.
// Rectangles come from the design in CSS pixels of the client area.
import { Frame, PageTexts } from "./layout.js";
import { element, placeRect } from "./dom.js";

export class PageWindow {
  constructor({ id, layout, icon, role = "region", onFrameClose = null }) {
    this.id = id;
    this.clientWidth = layout.client.width;
    this.clientHeight = layout.client.height;
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
        "aria-label": PageTexts.frameClose,
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

// A horizontal one-pixel rule: { left, width, top }.
export function rule({ left, width, top }) {
  const line = element("div", { className: "rule", role: "presentation" });
  placeRect(line, { left, top, width, height: 1 });
  return line;
}

// The shape the graph and the help share: 閉じる over a rule, then the
// surface. Returns the close button, the surface and its inner size.
export function surfaceWindow(window, layout, closeCaption, onClose) {
  const close = element("button", { type: "button", className: "command", textContent: closeCaption });
  placeRect(close, layout.closeButton);
  close.addEventListener("click", onClose);
  const surface = element("div", { className: "surface" });
  placeRect(surface, layout.surface);
  surface.style.background = layout.surfaceBack;
  surface.style.borderWidth = `${layout.surfaceBorder}px`;
  // The button stands above the rule, which runs on under it.
  window.client.append(rule(layout.rule), close, surface);
  const inner = {
    width: layout.surface.width - 2 * layout.surfaceBorder,
    height: layout.surface.height - 2 * layout.surfaceBorder,
  };
  return { close, surface, inner };
}
