// What the rules call on the page, by the names the bindings use. `program`
// answers the running program, which is made after these services.
export function pageServices({
  core,
  program,
  main,
  graph,
  help,
  stage,
  ticker,
  cues,
  announcer,
  box,
  end,
}) {
  return {
    showCard: (card) => main.showCard(card),
    showNumber: (box, text) => main.showNumber(box, text),
    setButtonEnabled: (button, enabled) => main.setButtonEnabled(button, enabled),
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
      main.setBusy(program().state() === core.MainState.AutoRunning);
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
      box.ask(text, title, (yes) => program().answer(yes ? core.answerYes : core.answerNo)),
    inform: (text, title) => box.inform(text, title),
    end,
    hideMain: () => stage.hide(main),
    showMain: () => stage.show(main),
    showGraph: () => {
      graph.setFigure(program().graphFigure(), program().graphDescription());
      stage.show(graph);
      graph.closeButton.focus();
    },
    showHelp: () => {
      stage.show(help);
      help.closeButton.focus();
    },
  };
}
