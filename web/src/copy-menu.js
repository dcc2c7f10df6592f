// The copy menu: a context menu of in-page items, opened by a right click or
// a long press, that the arrow keys move round and Escape or Tab closes.
import { PageTexts } from "./layout.js";
import { element } from "./dom.js";

export class CopyMenu {
  constructor() {
    this.menu = element("div", { className: "copy-menu", role: "menu", "aria-label": PageTexts.menuName, hidden: true });
    this.menu.addEventListener("keydown", (event) => this.onKey(event));
    this.menu.addEventListener("focusout", (event) => {
      if (!this.menu.contains(event.relatedTarget)) {
        this.close(false);
      }
    });
    document.body.append(this.menu);
    document.addEventListener("pointerdown", (event) => {
      if (!this.menu.hidden && !this.menu.contains(event.target)) {
        this.close(false);
      }
    });
  }

  // `items`: [caption, action] pairs, or [caption, action, checked] for a
  // choice that is on or off. Opens at the viewport point (x, y); opened by
  // touch, its items are large enough for a finger.
  open(items, x, y, { touch = false } = {}) {
    this.returnFocus = document.activeElement;
    this.menu.classList.toggle("touch", touch);
    this.menu.replaceChildren(
      ...items.map(([caption, action, checked]) => {
        const choice = checked === undefined ? {} : { role: "menuitemcheckbox", "aria-checked": String(checked) };
        const item = element("button", { type: "button", role: "menuitem", tabIndex: -1, textContent: caption, ...choice });
        item.addEventListener("click", () => {
          this.close(true);
          action();
        });
        return item;
      }),
    );
    this.menu.hidden = false;
    const { width, height } = this.menu.getBoundingClientRect();
    const { clientWidth, clientHeight } = document.documentElement;
    this.menu.style.left = `${Math.max(0, Math.min(x, clientWidth - width))}px`;
    this.menu.style.top = `${Math.max(0, Math.min(y, clientHeight - height))}px`;
    this.menu.firstChild.focus();
  }

  close(restoreFocus) {
    if (this.menu.hidden) {
      return;
    }
    this.menu.hidden = true;
    if (restoreFocus) {
      this.returnFocus?.focus?.();
    }
  }

  onKey(event) {
    const items = [...this.menu.children];
    const at = items.indexOf(document.activeElement);
    const step = { ArrowDown: 1, ArrowUp: -1 }[event.key];
    if (step) {
      items[(at + step + items.length) % items.length].focus();
    } else if (event.key === "Home" || event.key === "End") {
      items[event.key === "Home" ? 0 : items.length - 1].focus();
    } else if (event.key === "Escape" || event.key === "Tab") {
      this.close(true);
    } else {
      return;
    }
    event.preventDefault();
  }
}
