// The class window at work: its text handed to the core's rules, which pool
// it at most every few hundred milliseconds on the page's timer, show the
// results and announce them once they settle; files opened or dropped read
// into the text box; opened beside the main window and closed back to it.
import { ClassWindow } from "./class-window.js";
import { FrameTicker } from "./ticker.js";
import { readFileText } from "./file-text.js";
import { copyPicture, copyText } from "./clipboard.js";

export class ClassSession {
  // `stage` shows and hides the window; `closed(returnFocus)` hands the focus
  // back to the window under it.
  constructor({ core, design, icon, time, announcer, box, stage, closed }) {
    const layout = design.classWindow;
    this.stage = stage;
    this.closed = closed;
    this.results = null;
    this.window = new ClassWindow({
      design,
      icon,
      onText: (text) => this.rules.textChanged(text),
      onFiles: (files) => this.readFiles(files),
      onCopySummary: () => copyText(this.summary()),
      onCopyFigures: () => copyPicture(this.window.snapshot(globalThis.devicePixelRatio || 1)),
      onClose: () => this.close(),
    });
    const { buttons, texts } = layout;
    this.texts = {
      menuItem: texts.menuItem,
      copySummary: buttons.copySummary.caption,
      shareSummary: texts.shareSummary,
      copyFigures: buttons.copyFigures.caption,
      fileTooLarge: texts.fileTooLarge,
      fileUnreadable: texts.fileUnreadable,
    };
    const ticker = new FrameTicker(time, layout.recomputeMs, () => this.rules.tick());
    this.rules = new core.ClassWindow({
      start: () => ticker.start(),
      stop: () => ticker.stop(),
      showResults: (results) => this.show(results),
      announce: (text) => announcer.announce(text),
    });
    this.fileRules = {
      maxBytes: layout.maxFileBytes,
      encodingOf: (bytes) => {
        const { shiftJis, skip } = core.fileEncoding(bytes);
        return { label: shiftJis ? "shift_jis" : "utf-8", skip };
      },
    };
    // Told in a box, as the desktop's file box would.
    this.tell = (text) => box.inform(text, layout.title.trim());
    this.show(this.rules.results());
  }

  show(results) {
    this.results = results;
    this.window.showResults(results);
  }

  summary() {
    return this.results.summaryText;
  }

  // Opens the window, or brings it forward, with the focus in its text box.
  open() {
    if (!this.window.visible) {
      this.returnFocus = document.activeElement;
    }
    this.stage.show(this.window);
    this.window.textBox.focus();
  }

  close() {
    this.stage.hide(this.window);
    this.closed(this.returnFocus);
  }

  // One after another, each at the caret after the one before.
  async readFiles(files) {
    for (const file of files) {
      let read;
      try {
        read = await readFileText(file, this.fileRules);
      } catch {
        // Removed since it was chosen, or a folder.
        this.tell(this.texts.fileUnreadable);
        continue;
      }
      if (read.refused) {
        this.tell(this.texts.fileTooLarge);
      } else {
        this.window.insertText(read.text);
      }
    }
  }
}
