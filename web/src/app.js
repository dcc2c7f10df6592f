// The web edition's start: loads the rules and the design compiled to
// WebAssembly, builds the three windows from the design and hands the rules
// the page's services.
import loadCore from "toranpu:core";
import { cards, cues as cueFiles, icon, wasm } from "toranpu:assets";
import { FontFamily, Frame, PageTexts, pointsToPixels } from "./layout.js";
import { MainWindow } from "./main-window.js";
import { GraphWindow } from "./graph.js";
import { HelpWindow } from "./help.js";
import { Stage } from "./stage.js";
import { BrowserTime, FrameTicker } from "./ticker.js";
import { CuePlayer } from "./cues.js";
import { MessageBox } from "./message-box.js";
import { CopyMenu, copyPicture, copyText } from "./copy-menu.js";

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

function startProgram(core, design) {
  applyFrameStyle(design.windowFont);
  const stageElement = document.getElementById("stage");
  const closedScreen = document.getElementById("closed");
  const cues = new CuePlayer(Object.fromEntries(Object.entries(cueFiles).map(([name, data]) => [name, bytes(data)])));
  const box = new MessageBox(icon, design.texts, design.windowFont);
  const menu = new CopyMenu();
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
    onScale: (ratio) => graph.visible && graph.draw(ratio),
    cardStretch: design.main.card.width / design.main.cardPicture.width,
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
    menu.close(false);
    stageElement.hidden = true;
    closedScreen.textContent = PageTexts.closedScreen;
    closedScreen.hidden = false;
    closedScreen.focus();
  }

  // What the rules call, by the names the bindings use.
  const page = {
    showCard: (card) => main.showCard(card),
    showNumber: (box, text) => main.showNumber(box, text),
    enableButtons: (enabled) => main.enableButtons(enabled),
    focusButton: (button) => {
      if (main.visible) {
        main.focusButton(button);
      } else if (graph.visible) {
        graph.closeButton.focus();
      }
    },
    startTimer: () => ticker.start(),
    stopTimer: () => ticker.stop(),
    playCue: (fileName) => cues.play(fileName),
    ask: (text, title) =>
      box.ask(text, title, (yes) => program.answer(yes ? core.answerYes : core.answerNo)),
    inform: (text, title) => box.inform(text, title),
    end,
    hideMain: () => stage.hide(main),
    showMain: () => stage.show(main),
    showGraph: () => {
      graph.setSteps(program.graphFigure());
      stage.show(graph);
      graph.closeButton.focus();
    },
    showHelp: () => {
      stage.show(help);
      help.closeButton.focus();
    },
  };

  const { texts } = design;
  const resultsItems = () => [
    [texts.copyResults, () => copyText(program.resultsText(false))],
    [texts.copyResultsWithHeader, () => copyText(program.resultsText(true))],
  ];
  const copyGraph = () => copyPicture(graph.snapshot(globalThis.devicePixelRatio || 1));
  main.element.addEventListener("contextmenu", (event) => {
    event.preventDefault();
    menu.open(resultsItems(), event.clientX, event.clientY);
  });
  graph.element.addEventListener("contextmenu", (event) => {
    event.preventDefault();
    menu.open([[texts.copyGraph, copyGraph]], event.clientX, event.clientY);
  });
  document.addEventListener("keydown", (event) => {
    const copyKey = (event.ctrlKey || event.metaKey) && !event.altKey && event.key.toLowerCase() === "c";
    if (!copyKey || ended || box.open || String(getSelection()) !== "") {
      return;
    }
    const active = stage.activeWindow();
    if (active === main) {
      copyText(program.resultsText(false));
    } else if (active === graph) {
      copyGraph();
    } else {
      return;
    }
    event.preventDefault();
  });

  program = new core.Program(page);
  stage.show(main);
  program.load();
  inspect?.({ core, design, program });
  stageElement.setAttribute("aria-busy", "false");
}

async function start() {
  let core;
  try {
    // The bytes are handed over, so the module fetches nothing.
    core = await loadCore({ wasmBinary: bytes(wasm) });
  } catch {
    document.getElementById("closed").textContent = PageTexts.loadFailed;
    document.getElementById("closed").hidden = false;
    return;
  }
  const design = core.design();
  await fontsReady(design.windowFont);
  startProgram(core, design);
}

start();
