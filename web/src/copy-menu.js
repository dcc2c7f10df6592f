// Copying and sharing: a context menu of in-page items, opened by a right
// click or a long press, and Ctrl+C, for the results line in the main window
// and for the figure in the graph. Where the browser refuses clipboard writes
// or offers no share sheet, nothing happens.
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

  // `items`: [caption, action] pairs. Opens at the viewport point (x, y);
  // opened by touch, its items are large enough for a finger.
  open(items, x, y, { touch = false } = {}) {
    this.returnFocus = document.activeElement;
    this.menu.classList.toggle("touch", touch);
    this.menu.replaceChildren(
      ...items.map(([caption, action]) => {
        const item = element("button", { type: "button", role: "menuitem", tabIndex: -1, textContent: caption });
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

export async function copyText(text) {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    // The older way, where the asynchronous clipboard is missing or refused.
    const copy = (event) => {
      event.clipboardData.setData("text/plain", text);
      event.preventDefault();
    };
    document.addEventListener("copy", copy, { once: true });
    document.execCommand("copy");
    document.removeEventListener("copy", copy);
  }
}

// Writes a canvas as a PNG picture. The item is made at once with a promise
// of the picture, so that the click or key that asked still counts.
export async function copyPicture(canvas) {
  if (!globalThis.ClipboardItem || !navigator.clipboard?.write) {
    return;
  }
  const picture = new Promise((resolve) => canvas.toBlob(resolve, "image/png"));
  try {
    await navigator.clipboard.write([new ClipboardItem({ "image/png": picture })]);
  } catch {
    // Refused: nothing to do.
  }
}

// Whether the device can hand content to another program (a share sheet),
// for text and for a picture file.
export function shareSupport() {
  if (typeof navigator.share !== "function") {
    return { text: false, picture: false };
  }
  const can = (data) => {
    try {
      return navigator.canShare ? navigator.canShare(data) : false;
    } catch {
      return false;
    }
  };
  return {
    text: navigator.canShare ? can({ text: "0" }) : true,
    picture: can({ files: [new File([new Uint8Array(0)], PictureFileName, { type: "image/png" })] }),
  };
}

const PictureFileName = "graph.png";

export async function shareText(text) {
  try {
    await navigator.share({ text });
  } catch {
    // Cancelled, or refused: nothing to do.
  }
}

// A canvas as a PNG file to share. Made when the menu opens, so that the
// tap that chooses the item can hand it over at once, as share sheets ask.
export function pictureFile(canvas) {
  return new Promise((resolve) => canvas.toBlob(resolve, "image/png")).then(
    (blob) => blob && new File([blob], PictureFileName, { type: "image/png" }),
  );
}

export async function shareFile(file) {
  try {
    await navigator.share({ files: [await file] });
  } catch {
    // Cancelled, or refused: nothing to do.
  }
}
