// The help window: the problem and the instructions, printed line by line
// from the top-left corner of its surface, as the desktop prints them.
import { HelpLayout } from "./layout.js";
import { applyFont, element } from "./dom.js";
import { PageWindow, surfaceWindow } from "./frame.js";

const FullWidthSpace = "\u3000";
// A printed line indented this far continues the sentence of the line above.
const ContinuationIndent = 7;

export class HelpWindow extends PageWindow {
  // `lines`: the printed lines, an empty one ending a line without text.
  constructor({ icon, lines, onClose, onFrameClose }) {
    super({ id: "help-window", layout: HelpLayout, icon, role: "dialog", onFrameClose });
    const { close, surface } = surfaceWindow(this, HelpLayout, onClose);
    this.closeButton = close;
    const printed = element("div", { className: "printed", "aria-hidden": "true" });
    applyFont(printed, HelpLayout.font);
    printed.append(...lines.map((line) => element("div", { className: "line", textContent: line })));
    // A screen reader gets running text: indents dropped, the line breaks
    // inside sentences joined again.
    const text = element("div", { className: "spoken", role: "document", "aria-label": HelpLayout.name });
    text.append(...runningText(lines).map((paragraph) => element("p", { textContent: paragraph })));
    surface.append(printed, text);
  }
}

function runningText(lines) {
  const paragraphs = [];
  for (const line of lines) {
    let indent = 0;
    while (line[indent] === FullWidthSpace) {
      ++indent;
    }
    const words = line.slice(indent);
    if (indent === ContinuationIndent && paragraphs.length > 0) {
      paragraphs[paragraphs.length - 1] += words;
    } else if (words !== "") {
      paragraphs.push(words);
    }
  }
  return paragraphs;
}
