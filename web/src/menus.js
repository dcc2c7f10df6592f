// The context menus and Ctrl+C: the main window copies (and, where the device
// can, shares) the results line, the graph its figure; the graph's menu also
// holds its two choices. A right click, the
// Menu key and a long press open the same menu.
import { CopyMenu } from "./copy-menu.js";
import { copyPicture, copyText, pictureFile, shareFile, shareSupport, shareText } from "./clipboard.js";
import { onLongPress } from "./long-press.js";

// Android follows a long press with a contextmenu event of its own; within
// this time after a touch opened the menu, that second request is dropped.
const TouchRepeatMs = 1000;

// `graphChoices`: get() gives the graph's two choices ({ spread, earlier }),
// set(choices) changes them.
export function wireMenus({ main, graph, stage, box, texts, resultsText, ended, graphChoices }) {
  const menu = new CopyMenu();
  const share = shareSupport();
  const snapshot = () => graph.snapshot(globalThis.devicePixelRatio || 1);
  const mainItems = () => [
    [texts.copyResults, () => copyText(resultsText(false))],
    [texts.copyResultsWithHeader, () => copyText(resultsText(true))],
    ...(share.text ? [[texts.shareResults, () => shareText(resultsText(false))]] : []),
  ];
  const graphItems = () => {
    const items = [[texts.copyGraph, () => copyPicture(snapshot())]];
    if (share.picture) {
      // Ready before the item is tapped, so the share sheet opens at once.
      const file = pictureFile(snapshot());
      let ready = null;
      file.then((made) => {
        ready = made;
      });
      items.push([texts.shareGraph, () => shareFile(ready ?? file)]);
    }
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
  for (const [window, items] of [
    [main, mainItems],
    [graph, graphItems],
  ]) {
    window.element.addEventListener("contextmenu", (event) => {
      event.preventDefault();
      open(items, event.clientX, event.clientY, event.pointerType === "touch");
    });
    onLongPress(window.element, (x, y) => open(items, x, y, true));
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
