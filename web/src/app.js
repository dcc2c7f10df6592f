// The web edition's start: loads the rules and the design compiled to
// WebAssembly, builds the three windows from the design and hands the rules
// the page's services.
import loadCore from "toranpu:core";
import { cards, cues as cueFiles, icon, wasm } from "toranpu:assets";
import { FontFamily, Frame, pointsToPixels } from "./layout.js";
import { MainWindow } from "./main-window.js";
import { GraphWindow } from "./graph.js";
import { HelpWindow } from "./help.js";
import { Stage } from "./stage.js";
import { BrowserTime, FrameTicker } from "./ticker.js";
import { CuePlayer } from "./cues.js";
import { MessageBox } from "./message-box.js";
import { Announcer } from "./announcer.js";
import { wireMenus } from "./menus.js";
import { ClosedScreen } from "./closed-screen.js";
import { noticeInsecureSite } from "./secure-notice.js";
import { moduleRan, programStarted } from "./support.js";

// Tests put a clock and a frame source of their own here before the page
// loads, and may ask to be handed the core and the running program.
const time = globalThis.toranpuTime ?? BrowserTime;
const inspect = globalThis.toranpuInspect;

function bytes(base64) {
  const text = atob(base64);
  const data = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) {
    data[i] = text.charCodeAt(i);
  }
  return data.buffer;
}

// The embedded face must be ready before the graph prints on its canvas.
async function fontsReady(font) {
  try {
    await document.fonts?.load(`${pointsToPixels(font.points)}px ${FontFamily}`, "0.3");
  } catch {
    // Drawn in a fallback face, as the desktop does without its font.
  }
}

// The frame's measures and the face, for the style sheet.
function applyFrameStyle(windowFont) {
  const root = document.documentElement.style;
  root.setProperty("--face", FontFamily);
  root.setProperty("--frame-border", `${Frame.border}px`);
  root.setProperty("--title-bar", `${Frame.titleBarHeight}px`);
  root.setProperty("--icon-size", `${Frame.iconSize}px`);
  root.setProperty("--window-font", `${pointsToPixels(windowFont.points)}px`);
}

async function startProgram(core, design, closedScreen) {
  applyFrameStyle(design.windowFont);
  const stageElement = document.getElementById("stage");
  // The one live region: what the rules announce, once, after a draw or a run.
  const announcer = new Announcer(document.getElementById("announcer"), time);
  const cues = new CuePlayer(Object.fromEntries(Object.entries(cueFiles).map(([name, data]) => [name, bytes(data)])));
  const box = new MessageBox(icon, design.texts, design.windowFont);
  let menu = null;
  let program = null;
  let ended = false;

  const command = (name) => () => program[name]();
  const main = new MainWindow({
    design,
    icon,
    cards,
    actions: ["takeCard", "shuffle", "quit", "startAuto", "stopAuto", "initialise", "openGraph", "openHelp"].map(command),
  });
  const graph = new GraphWindow({ design, icon, onClose: () => closeGraph() });
  const help = new HelpWindow({
    design,
    icon,
    onClose: () => closeHelp(true),
    onFrameClose: () => closeHelp(false),
  });
  const stage = new Stage(stageElement, {
    primaries: [main, graph],
    help,
    safeArea: document.getElementById("safe-area"),
    notice: document.getElementById("notice"),
    onScale: (ratio) => {
      main.setDeviceRatio(ratio);
      if (graph.visible) {
        graph.draw(ratio);
      }
    },
  });
  const ticker = new FrameTicker(time, design.main.timerIntervalMs, () => program.tick());

  function closeGraph() {
    stage.hide(graph);
    program.graphClosed();
  }

  function closeHelp(byCloseButton) {
    stage.hide(help);
    program.helpClosed(byCloseButton);
  }

  function end() {
    ended = true;
    ticker.stop();
    cues.close();
    box.dismiss();
    menu?.close(false);
    stageElement.hidden = true;
    closedScreen.ended();
  }

  // What the rules call, by the names the bindings use.
  const page = {
    showCard: (card) => main.showCard(card),
    showNumber: (box, text) => main.showNumber(box, text),
    enableButtons: (enabled, focus) => {
      main.enableButtons(enabled);
      page.focusButton(focus);
      main.disableButtons(enabled);
    },
    focusButton: (button) => {
      if (main.visible) {
        main.focusButton(button);
      } else if (graph.visible) {
        graph.closeButton.focus();
      }
    },
    startTimer: () => {
      // During an automatic run the counts change up to 60 times a second; a
      // screen reader hears them once the run stops, not all the way.
      main.setBusy(program.state() === core.MainState.AutoRunning);
      main.setCycling(true);
      ticker.start();
    },
    stopTimer: () => {
      ticker.stop();
      main.setCycling(false);
      main.setBusy(false);
    },
    playCue: (fileName) => cues.play(fileName),
    announce: (text) => announcer.announce(text),
    ask: (text, title) =>
      box.ask(text, title, (yes) => program.answer(yes ? core.answerYes : core.answerNo)),
    inform: (text, title) => box.inform(text, title),
    end,
    hideMain: () => stage.hide(main),
    showMain: () => stage.show(main),
    showGraph: () => {
      graph.setFigure(program.graphFigure(), program.graphDescription());
      stage.show(graph);
      graph.closeButton.focus();
    },
    showHelp: () => {
      stage.show(help);
      help.closeButton.focus();
    },
  };

  menu = wireMenus({
    main,
    graph,
    stage,
    box,
    texts: design.texts,
    resultsText: (withHeader) => program.resultsText(withHeader),
    ended: () => ended,
  });

  program = new core.Program(page);
  await main.card.ready;
  stage.show(main);
  program.load();
  inspect?.({ core, design, program, cards });
  stageElement.setAttribute("aria-busy", "false");
  programStarted();
}

// Served from a web site, the page keeps itself for offline use through its
// service worker; a file opened from a disk or a file share has none.
function keepForOffline() {
  const worker = document.querySelector('meta[name="toranpu-service-worker"]')?.content;
  if (noticeInsecureSite(worker)) {
    return;
  }
  if (worker && /^https?:$/.test(location.protocol) && navigator.serviceWorker) {
    navigator.serviceWorker.register(worker).catch(() => {});
  }
}

async function start() {
  // Where the check before this module found the browser too old, nothing starts.
  if (!moduleRan()) {
    return;
  }
  keepForOffline();
  const closedScreen = new ClosedScreen(document.getElementById("closed-screen"));
  let core;
  try {
    // The bytes are handed over, so the module fetches nothing.
    core = await loadCore({ wasmBinary: bytes(wasm) });
  } catch {
    closedScreen.loadFailed();
    return;
  }
  const design = core.design();
  await fontsReady(design.windowFont);
  await startProgram(core, design, closedScreen);
}

start();
