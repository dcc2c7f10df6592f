// What stays on view once the program has ended, or could not load: a line
// of text and, after 終了, 「もう一度はじめる」, which starts the program afresh
// as a reload does. Installed as an app (no browser controls, no tab to
// close) that button is the only way back in without quitting the app.
import { PageTexts } from "./layout.js";

// Display modes in which the page is an app of its own, with no tab.
const AppDisplayModes = ["standalone", "fullscreen", "minimal-ui"];

function installedAsApp() {
  return (
    navigator.standalone === true ||
    AppDisplayModes.some((mode) => globalThis.matchMedia?.(`(display-mode: ${mode})`).matches)
  );
}

export class ClosedScreen {
  constructor(screen) {
    this.screen = screen;
    this.text = screen.querySelector("#closed");
    this.restart = screen.querySelector("#restart");
    this.restart.textContent = PageTexts.restart;
    this.restart.addEventListener("click", () => location.reload());
  }

  ended() {
    this.show(installedAsApp() ? PageTexts.closedApp : PageTexts.closedScreen, { restart: true });
  }

  loadFailed() {
    this.show(PageTexts.loadFailed, { restart: false });
  }

  show(text, { restart }) {
    this.text.textContent = text;
    this.restart.hidden = !restart;
    this.screen.hidden = false;
    this.text.focus();
  }
}
