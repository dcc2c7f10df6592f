// The message box: modal within the page, with the first button as default
// and Escape as the last. The answer comes later, through a callback.
import { MessageBoxLayout } from "./layout.js";
import { applyFont, element, keepTabInside } from "./dom.js";

export class MessageBox {
  // `texts`: the captions of はい, いいえ and OK; `font` the box's own.
  constructor(icon, texts, font) {
    this.texts = texts;
    // Read as the desktop's box is: a warning named by its title that says
    // its question, with the focus on its first button. The question is its
    // text alone, not its description too, so that it is heard once.
    this.dialog = element("dialog", {
      className: "message-box",
      role: "alertdialog",
      "aria-labelledby": "message-title",
    });
    const bar = element("div", { className: "titlebar" });
    this.title = element("span", { id: "message-title", className: "title" });
    bar.append(element("img", { className: "icon", src: icon, alt: "" }), this.title);
    this.text = element("p", { id: "message-text", className: "message-text" });
    this.row = element("div", { className: "message-buttons" });
    const body = element("div", { className: "message-body" });
    body.append(this.text, this.row);
    this.dialog.append(bar, body);
    this.dialog.style.minWidth = `${MessageBoxLayout.minWidth}px`;
    applyFont(this.dialog, font);
    this.answered = null;
    // Escape answers with the last button (いいえ, or OK).
    this.dialog.addEventListener("cancel", (event) => {
      event.preventDefault();
      this.finish(this.cancelValue);
    });
    // Modal: Tab goes from button to button, never out to the browser.
    keepTabInside(this.dialog);
    document.body.append(this.dialog);
  }

  get open() {
    return this.dialog.open;
  }

  // はい and いいえ; `answered(true)` for はい.
  ask(text, title, answered) {
    this.show(text, title, [this.texts.yes, this.texts.no], (index) => answered(index === 0));
  }

  inform(text, title, done = () => {}) {
    this.show(text, title, [this.texts.ok], () => done());
  }

  show(text, title, captions, answered) {
    this.finish(null);
    this.returnFocus = document.activeElement;
    this.title.textContent = title;
    this.text.textContent = text;
    this.row.replaceChildren(
      ...captions.map((caption, index) => {
        const button = element("button", { type: "button", className: "command", textContent: caption });
        button.style.width = `${MessageBoxLayout.buttonWidth}px`;
        button.style.height = `${MessageBoxLayout.buttonHeight}px`;
        button.addEventListener("click", () => this.finish(index));
        return button;
      }),
    );
    this.cancelValue = captions.length - 1;
    this.answered = answered;
    this.dialog.showModal();
    this.row.firstChild.focus();
  }

  // Closes the box and hands on the chosen button's index (null: none).
  finish(index) {
    const answered = this.answered;
    if (!answered) {
      return;
    }
    this.answered = null;
    this.dialog.close();
    this.returnFocus?.focus?.();
    if (index !== null) {
      answered(index);
    }
  }

  // Gone for good, unanswered.
  dismiss() {
    this.answered = null;
    if (this.dialog.open) {
      this.dialog.close();
    }
  }
}
