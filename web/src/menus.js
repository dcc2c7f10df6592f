// The context menus and Ctrl+C: the main window copies (and, where the device
// can, shares) the results line and opens the class window, the graph copies
// its figure, the class window its summary and its figures; the graph's menu
// also holds its two choices. A right click, the Menu key and a long press
// open the same menu; on the class window's text box they are the browser's,
// with its paste.
import { CopyMenu } from "./copy-menu.js";
import { copyPicture, copyText, pictureFile, shareFile, shareSupport, shareText } from "./clipboard.js";
import { onLongPress } from "./long-press.js";

// Android follows a long press with a contextmenu event of its own; within
// this time after a touch opened the menu, that second request is dropped.
const TouchRepeatMs = 1000;

// `graphChoices`: get() gives the graph's two choices ({ spread, earlier }),
// set(choices) changes them. `classWindow` holds the class window, its
// texts, opens it (open()) and gives its summary (summary()).
export function wireMenus({ main, graph, stage, box, texts, resultsText, ended, graphChoices, classWindow }) {
  const menu = new CopyMenu();
  const share = shareSupport();
  const ratio = () => globalThis.devicePixelRatio || 1;
  const snapshot = () => graph.snapshot(ratio());
  // Copying a picture, and sharing it where the device can.
  const pictureItems = (copyCaption, shareCaption, picture) => {
    const items = [[copyCaption, () => copyPicture(picture())]];
    if (share.picture) {
      // Ready before the item is tapped, so the share sheet opens at once.
      const file = pictureFile(picture());
      let ready = null;
      file.then((made) => {
        ready = made;
      });
      items.push([shareCaption, () => shareFile(ready ?? file)]);
    }
    return items;
  };
  const mainItems = () => [
    [texts.copyResults, () => copyText(resultsText(false))],
    [texts.copyResultsWithHeader, () => copyText(resultsText(true))],
    ...(share.text ? [[texts.shareResults, () => shareText(resultsText(false))]] : []),
    [classWindow.texts.menuItem, () => classWindow.open()],
  ];
  const classItems = () => [
    [classWindow.texts.copySummary, () => copyText(classWindow.summary())],
    ...(share.text ? [[classWindow.texts.shareSummary, () => shareText(classWindow.summary())]] : []),
    ...pictureItems(classWindow.texts.copyFigures, texts.shareGraph, () => classWindow.window.snapshot(ratio())),
  ];
  const graphItems = () => {
    const items = pictureItems(texts.copyGraph, texts.shareGraph, snapshot);
    const on = graphChoices.get();
    items.push(
      [texts.showSpread, () => graphChoices.set({ ...on, spread: !on.spread }), on.spread],
      [texts.showEarlier, () => graphChoices.set({ ...on, earlier: !on.earlier }), on.earlier],
    );
    return items;
  };

  let touchOpened = -Infinity;
  const open = (items, x, y, touch) => {
    if (touch && !menu.menu.hidden && performance.now() - touchOpened < TouchRepeatMs) {
      return;
    }
    if (touch) {
      touchOpened = performance.now();
    }
    menu.open(items(), x, y, { touch });
  };
  // Text boxes keep the browser's own menu, with its paste.
  const ownMenu = (target) => target instanceof HTMLTextAreaElement;
  for (const [window, items] of [
    [main, mainItems],
    [graph, graphItems],
    [classWindow.window, classItems],
  ]) {
    window.element.addEventListener("contextmenu", (event) => {
      if (ownMenu(event.target)) {
        return;
      }
      event.preventDefault();
      open(items, event.clientX, event.clientY, event.pointerType === "touch");
    });
    onLongPress(window.element, (x, y) => open(items, x, y, true), { ignore: ownMenu });
  }

  document.addEventListener("keydown", (event) => {
    const copyKey = (event.ctrlKey || event.metaKey) && !event.altKey && event.key.toLowerCase() === "c";
    // Text the user selected is theirs to copy.
    if (!copyKey || ended() || box.open || String(getSelection()) !== "") {
      return;
    }
    const active = stage.activeWindow();
    if (active === main) {
      copyText(resultsText(false));
    } else if (active === graph) {
      copyPicture(snapshot());
    } else {
      return;
    }
    event.preventDefault();
  });
  return menu;
}
