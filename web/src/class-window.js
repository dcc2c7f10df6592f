// The class window: a teacher pastes (or opens, or drops) every pupil's
// results line into its text box and sees the class pooled: the totals, the
// lines taken, the answer to every line and two figures painted from the
// core's drawing steps. Whatever the text holds is only ever text here: it
// reaches the page as values and textContent, never as markup.
import { applyFont, element, placeRect } from "./dom.js";
import { PageWindow, rule } from "./frame.js";
import { NoFigure, Surface } from "./figure-surface.js";
import { droppedFiles } from "./file-text.js";

// What the file box offers.
const FileTypes = ".csv,.tsv,.txt,text/*";

export class ClassWindow extends PageWindow {
  // `onText(text)` hears every change of the text; `onFiles(files)` is asked
  // to read files opened or dropped (see insertText); the other three are
  // the buttons' and Escape's.
  constructor({ design, icon, onText, onFiles, onCopySummary, onCopyFigures, onClose }) {
    const layout = design.classWindow;
    super({ id: "class-window", layout, icon, role: "dialog", onFrameClose: onClose });
    this.layout = layout;
    // The figures are drawn in the graph's style, on its background.
    this.surfaceBack = design.graph.surfaceBack;
    const { buttons, texts } = layout;
    applyFont(this.client, layout.font);

    const caption = element("label", { className: "class-caption", textContent: layout.pasteCaption });
    placeRect(caption, layout.pasteCaptionRect);
    this.textBox = element("textarea", {
      id: "class-paste",
      className: "class-text",
      spellcheck: false,
      autocomplete: "off",
      wrap: "off",
    });
    caption.htmlFor = this.textBox.id;
    placeRect(this.textBox, layout.pasteBox);
    this.textBox.addEventListener("input", () => onText(this.textBox.value));

    const command = (designed, action) => {
      const button = element("button", { type: "button", className: "command", textContent: designed.caption });
      placeRect(button, designed.rect);
      button.addEventListener("click", action);
      return button;
    };
    // The file box's own control, out of sight and out of the tab order:
    // ファイルを開く opens it.
    this.fileInput = element("input", {
      type: "file",
      accept: FileTypes,
      multiple: true,
      tabIndex: -1,
      className: "spoken",
      "aria-hidden": "true",
    });
    this.fileInput.addEventListener("change", () => {
      const files = [...this.fileInput.files];
      // Cleared, so that the same file can be opened again after a correction.
      this.fileInput.value = "";
      onFiles(files);
    });
    this.openButton = command(buttons.openFile, () => this.fileInput.click());
    this.copySummaryButton = command(buttons.copySummary, onCopySummary);
    this.copyFiguresButton = command(buttons.copyFigures, onCopyFigures);
    this.closeButton = command(buttons.close, onClose);

    this.totals = element("div", { className: "class-totals label sunken" });
    placeRect(this.totals, layout.totals);

    this.rows = element("tbody");
    const table = element("table", { className: "class-table" });
    const head = element("tr");
    const columns = [texts.labelColumn, texts.trialsColumn, texts.hitsColumn, texts.ratioColumn];
    head.append(...columns.map((name) => element("th", { scope: "col", textContent: name })));
    table.append(element("thead"), this.rows);
    table.tHead.append(head);
    // Each list scrolls, so each is a tab stop of its own for the arrow keys.
    this.takenLines = scroller(layout.takenLines, layout.takenLinesName, table);
    this.answerList = element("ul", { className: "class-answers" });
    this.answers = scroller(layout.answers, layout.answersName, this.answerList);

    this.figures = [
      new FigureView("class-pooled", layout.pooledSurface, layout.pooledName, this),
      new FigureView("class-spread", layout.spreadSurface, layout.spreadName, this),
    ];

    // In the tab order: the text box, the three buttons, the lists, the two
    // figures and 閉じる last.
    this.client.append(
      rule(layout.rule),
      caption,
      this.textBox,
      this.openButton,
      this.copySummaryButton,
      this.copyFiguresButton,
      this.fileInput,
      this.totals,
      this.takenLines,
      this.answers,
      ...this.figures.map((figure) => figure.surface),
      this.closeButton,
    );

    this.element.addEventListener("keydown", (event) => {
      // An input method's Escape cancels its composition only.
      if (event.key === "Escape" && !event.isComposing && !event.defaultPrevented) {
        event.preventDefault();
        onClose();
      }
    });
    // A file dropped anywhere on the window lands in the text box.
    this.element.addEventListener("dragover", (event) => {
      if (event.dataTransfer?.types.includes("Files")) {
        event.preventDefault();
        event.dataTransfer.dropEffect = "copy";
      }
    });
    this.element.addEventListener("drop", (event) => {
      const files = droppedFiles(event);
      if (files.length > 0) {
        event.preventDefault();
        onFiles(files);
      }
    });
  }

  // Puts text read from a file at the caret, as a paste would, on lines of
  // its own: with the caret inside a line, after that line, so that what is
  // already in the box stays as it is. Heard as any change.
  insertText(text) {
    const box = this.textBox;
    const value = box.value;
    let at = box.selectionEnd;
    if (at > 0 && value[at - 1] !== "\n") {
      const lineEnd = value.indexOf("\n", at);
      at = lineEnd === -1 ? value.length : lineEnd;
    }
    const lead = at > 0 && value[at - 1] !== "\n" ? "\n" : "";
    const trail = at < value.length && value[at] !== "\n" && !text.endsWith("\n") ? "\n" : "";
    box.focus();
    box.setRangeText(lead + text + trail, at, at, "end");
    box.dispatchEvent(new Event("input", { bubbles: true }));
  }

  // The core's results: the totals, the lines taken, the answers and the two
  // figures with what they show in words.
  showResults({ totals, rows, answers, pooled, spread }) {
    setText(this.totals, totals);
    // Typing changes a line or two of a thousand: the rows and answers on
    // view are kept and only their changed texts set.
    keepChildren(this.rows, rows, makeRow, (row, { label, trials, hits, ratio }) => {
      [label, trials, hits, ratio].forEach((text, column) => setText(row.cells[column], text));
    });
    keepChildren(this.answerList, answers, () => element("li"), setText);
    this.figures[0].setFigure(pooled);
    this.figures[1].setFigure(spread);
    if (this.visible && this.ratio) {
      this.draw(this.ratio);
    }
  }

  // Draws both figures at `ratio` device pixels per CSS pixel.
  draw(ratio) {
    this.ratio = ratio;
    for (const figure of this.figures) {
      figure.draw(ratio);
    }
  }

  // Both figures in one picture, one above the other as on view, for the
  // clipboard or a share sheet.
  snapshot(ratio = 1) {
    const [pooled, spread] = this.figures.map((figure) => figure.snapshot(ratio));
    const { pooledSurface: above, spreadSurface: below } = this.layout;
    const gap = Math.round((below.top - above.top - above.height) * ratio);
    const canvas = element("canvas");
    canvas.width = Math.max(pooled.width, spread.width);
    canvas.height = pooled.height + gap + spread.height;
    const context = canvas.getContext("2d");
    context.fillStyle = this.surfaceBack;
    context.fillRect(0, 0, canvas.width, canvas.height);
    context.drawImage(pooled, 0, 0);
    context.drawImage(spread, 0, pooled.height + gap);
    return canvas;
  }
}

function setText(node, text) {
  if (node.textContent !== text) {
    node.textContent = text;
  }
}

function makeRow() {
  const row = element("tr");
  row.append(element("td"), element("td"), element("td"), element("td"));
  return row;
}

// Makes `parent` hold a child per item, reusing the children it has: `make()`
// adds one, `fill(child, item)` shows the item in it.
function keepChildren(parent, items, make, fill) {
  while (parent.children.length > items.length) {
    parent.lastElementChild.remove();
  }
  const added = [];
  for (let i = parent.children.length; i < items.length; ++i) {
    added.push(make());
  }
  parent.append(...added);
  items.forEach((item, i) => fill(parent.children[i], item));
}

// A list that scrolls inside its designed rectangle, named for a screen reader.
function scroller(rect, name, content) {
  const box = element("div", { className: "class-scroller", role: "region", tabIndex: 0, "aria-label": name });
  placeRect(box, rect);
  box.append(content);
  return box;
}

// Before the first results: no steps, so any units do.
const BlankScale = { left: 0, top: 0, width: 1, height: 1 };

// One of the two figures: a sunken surface with a canvas, named, described in
// words and a tab stop, so that the description can be read again.
class FigureView {
  // `window`: the class window, for its design and its surfaces' background.
  constructor(id, rect, name, window) {
    const border = window.layout.surfaceBorder;
    this.look = { surfaceBack: window.surfaceBack, font: window.layout.font };
    this.surface = element("div", { className: "surface" });
    placeRect(this.surface, rect);
    this.surface.style.background = this.look.surfaceBack;
    this.surface.style.borderWidth = `${border}px`;
    this.inner = { width: rect.width - 2 * border, height: rect.height - 2 * border };
    this.description = element("p", { id: `${id}-description`, className: "spoken", "aria-hidden": "true" });
    this.canvas = element("canvas", {
      id,
      role: "img",
      tabIndex: 0,
      "aria-label": name,
      "aria-describedby": this.description.id,
    });
    this.canvas.style.width = `${this.inner.width}px`;
    this.canvas.style.height = `${this.inner.height}px`;
    this.surface.append(this.canvas, this.description);
    this.figure = NoFigure;
    this.scale = BlankScale;
    this.fixedPart = {};
  }

  // `figure`: the core's packed steps, its user units and its description.
  setFigure({ figure, scale, description }) {
    this.figure = figure;
    this.scale = scale;
    this.description.textContent = description;
  }

  paintOn(canvas, ratio, fixedPart) {
    // Each paint covers every pixel: the canvas is cleared only by a new size.
    const width = Math.max(1, Math.round(this.inner.width * ratio));
    const height = Math.max(1, Math.round(this.inner.height * ratio));
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
    }
    new Surface(canvas, ratio, { ...this.look, scale: this.scale }, fixedPart).paint(this.figure);
  }

  draw(ratio) {
    this.paintOn(this.canvas, ratio, this.fixedPart);
  }

  snapshot(ratio) {
    const canvas = element("canvas");
    this.paintOn(canvas, ratio, {});
    return canvas;
  }
}
