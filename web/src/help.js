// The help window: the problem and the instructions, each printed line on its
// row from the top-left corner of its surface, as the core's printout places
// them; a screen reader reads the same lines, one by one, as on the desktop.
import { applyFont, element } from "./dom.js";
import { PageWindow, surfaceWindow } from "./frame.js";

export class HelpWindow extends PageWindow {
  constructor({ design, icon, onClose, onFrameClose }) {
    const layout = design.help;
    super({ id: "help-window", layout, icon, role: "dialog", onFrameClose });
    const { close, surface } = surfaceWindow(this, layout, design.texts.close, onClose);
    this.closeButton = close;
    const printed = element("div", { className: "printed", "aria-hidden": "true" });
    applyFont(printed, layout.font);
    const rows = Array.from({ length: layout.rows }, () => element("div", { className: "line" }));
    for (const { row, text } of layout.printout) {
      rows[row].textContent = text;
    }
    printed.append(...rows);
    const text = element("div", { className: "spoken", role: "document", "aria-label": layout.surfaceName });
    text.append(...layout.readingLines.map((line) => element("div", { textContent: line })));
    surface.append(printed, text);
  }
}
