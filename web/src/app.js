// The web edition's start: loads the rules and the design compiled to
// WebAssembly, builds the four windows from the design and hands the rules
// the page's services.
import loadCore from "toranpu:core";
import { cards, cues as cueFiles, icon, wasm } from "toranpu:assets";
import { MainWindow } from "./main-window.js";
import { GraphWindow } from "./graph.js";
import { HelpWindow } from "./help.js";
import { ClassSession } from "./class-session.js";
import { Stage } from "./stage.js";
import { BrowserTime, FrameTicker } from "./ticker.js";
import { CuePlayer } from "./cues.js";
import { MessageBox } from "./message-box.js";
import { Announcer } from "./announcer.js";
import { wireMenus } from "./menus.js";
import { ClosedScreen } from "./closed-screen.js";
import { keepForOffline } from "./offline.js";
import { base64Bytes } from "./base64.js";
import { fontsReady } from "./fonts.js";
import { applyFrameStyle } from "./frame-style.js";
import { pageServices } from "./page-services.js";
import { moduleRan, programStarted } from "./support.js";

// Tests put a clock and a frame source of their own here before the page
// loads, and may ask to be handed the core and the running program.
const time = globalThis.toranpuTime ?? BrowserTime;
const inspect = globalThis.toranpuInspect;

async function startProgram(core, design, closedScreen) {
  applyFrameStyle(design.windowFont);
  const stageElement = document.getElementById("stage");
  // The one live region: what the rules announce, once, after a draw or a run.
  const announcer = new Announcer(document.getElementById("announcer"), time);
  const cues = new CuePlayer(Object.fromEntries(Object.entries(cueFiles).map(([name, data]) => [name, base64Bytes(data)])));
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
  // The class window stands beside the main window as the help does, and
  // leaves the pupil's own experiment as it is.
  const classSession = new ClassSession({
    core,
    design,
    icon,
    time,
    announcer,
    box,
    stage: { show: (window) => stage.show(window), hide: (window) => stage.hide(window) },
    closed: (returnFocus) => focusAfterClose(returnFocus),
  });
  const stage = new Stage(stageElement, {
    primaries: [main, graph],
    secondaries: [help, classSession.window],
    safeArea: document.getElementById("safe-area"),
    notice: document.getElementById("notice"),
    onScale: (ratio) => {
      main.setDeviceRatio(ratio);
      if (graph.visible) {
        graph.draw(ratio);
      }
      if (classSession.window.visible) {
        classSession.window.draw(ratio);
      }
    },
  });
  const ticker = new FrameTicker(time, design.main.timerIntervalMs, () => program.tick());

  function closeGraph() {
    stage.hide(graph);
    program.graphClosed();
  }

  // Back where the focus was, or else to the window on view.
  function focusAfterClose(returnFocus) {
    const stillThere = returnFocus?.isConnected && !returnFocus.disabled && returnFocus.getClientRects().length > 0;
    if (stillThere && returnFocus !== document.body) {
      returnFocus.focus();
    } else if (main.visible) {
      main.buttons.find((button) => !button.disabled)?.focus();
    } else if (graph.visible) {
      graph.closeButton.focus();
    }
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

  const page = pageServices({
    core,
    program: () => program,
    main,
    graph,
    help,
    stage,
    ticker,
    cues,
    announcer,
    box,
    end,
  });

  menu = wireMenus({
    main,
    graph,
    stage,
    box,
    texts: design.texts,
    resultsText: (withHeader) => program.resultsText(withHeader),
    ended: () => ended,
    classWindow: classSession,
    graphChoices: {
      get: () => program.graphChoices(),
      // The figure changes under the focus: it is drawn again and told.
      set: ({ spread, earlier }) => {
        program.setGraphChoices(spread, earlier);
        graph.setFigure(program.graphFigure(), program.graphDescription());
        announcer.announce(program.graphDescription());
      },
    },
  });

  program = new core.Program(page);
  await main.card.ready;
  stage.show(main);
  program.load();
  inspect?.({ core, design, program, cards, graph, classSession });
  stageElement.setAttribute("aria-busy", "false");
  programStarted();
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
    core = await loadCore({ wasmBinary: base64Bytes(wasm) });
  } catch {
    closedScreen.loadFailed();
    return;
  }
  const design = core.design();
  await fontsReady(design.windowFont);
  await startProgram(core, design, closedScreen);
}

start();
