#include "controller/main_controller.h"

#include "engine/number_text.h"

#include <array>

namespace {

const std::string DialogTitle = "トランプ";
const std::string ExitQuestion = "終了していいですか？";
const std::string HistoryFullMessage =
    "これ以上の実験は記録できません。\n"
    "［初期化］ボタンをクリックすると、実験を最初からやり直せます。";

// Which buttons are enabled and whether the timer runs, per state.
struct StateRow {
    ButtonStates buttons;
    bool timer;
};

constexpr bool E = true;
constexpr bool D = false;

// Columns in Button order: Take, Shuffle, Exit, AutoStart, AutoStop, Initialise, Graph, Help.
constexpr std::array<StateRow, 5> StateTable = {{
    /* Idle        */ {{D, E, E, E, D, D, D, E}, false},
    /* Shuffling   */ {{E, D, D, D, D, D, D, D}, true},
    /* Stopped     */ {{D, E, E, E, D, E, E, E}, false},
    /* AutoRunning */ {{D, D, D, D, E, D, D, D}, true},
    /* Finished    */ {{D, D, E, D, D, E, E, E}, false},
}};

} // namespace

MainController::MainController(Tally& tally, const MainServices& services)
    : m_tally(tally), m_services(services) {}

std::int16_t MainController::RunMode() const {
    return m_state == MainState::AutoRunning ? AutoRunMode : ManualRunMode;
}

void MainController::load() {
    showCard(AceOfSpades);
    showTexts(m_tally.ResetTally());
    m_services.view.showNumber(NumberBox::Theory, TheoreticalRatioText());
    m_services.view.showNumber(NumberBox::Frequency, {});
    enterState(MainState::Idle);
}

void MainController::tick() {
    showCard(DrawCard(m_services.clock, m_services.generator));
    if (RunMode() != AutoRunMode) {
        return;
    }
    const TrialOutcome outcome = m_tally.RecordAutoTrial(m_drawnCard);
    if (outcome.result == TrialResult::AutoLimitReached) {
        enterState(MainState::Finished);
    }
    showTexts(outcome.texts);
}

void MainController::takeCard() {
    enterState(MainState::Stopped);
    const TrialOutcome outcome = m_tally.RecordManualTrial(m_drawnCard);
    showTexts(outcome.texts);
    if (outcome.result == TrialResult::HistoryFull) {
        m_services.confirmation.inform(HistoryFullMessage, DialogTitle);
    }
}

void MainController::shuffle() {
    enterState(MainState::Shuffling);
}

void MainController::quit() {
    m_services.cues.PlayCue(ExitCue);
    const int ExitAnswer = m_services.confirmation.ask(ExitQuestion, DialogTitle);
    if (ExitAnswer == AnswerYes) {
        m_services.programEnd.end();
    }
}

void MainController::startAuto() {
    enterState(MainState::AutoRunning);
}

void MainController::stopAuto() {
    enterState(MainState::Stopped);
}

void MainController::initialise() {
    m_services.cues.PlayCue(InitCue);
    showCard(AceOfSpades);
    showTexts(m_tally.ResetTally());
    m_services.view.showNumber(NumberBox::Frequency, {});
    enterState(MainState::Idle);
}

void MainController::openGraph() {
    m_services.windows.hideMain();
    m_graphOnView = true;
    m_services.windows.openGraph();
}

void MainController::openHelp() {
    m_services.cues.PlayCue(InitCue);
    m_services.windows.openHelp();
}

void MainController::graphClosed() {
    m_graphOnView = false;
    m_services.windows.showMain();
}

void MainController::helpClosed(Closing how) {
    // Through its frame the help leaves the main window as it was. Through its
    // close button it brings the main window back, but not beside the graph:
    // trials made there would change the counts under a graph that is on view.
    if (how == Closing::CloseButton && !m_graphOnView) {
        m_services.windows.showMain();
    }
}

void MainController::mainClosed() {
    m_services.programEnd.end();
}

void MainController::enterState(MainState state) {
    const StateRow& row = StateTable[static_cast<std::size_t>(state)];
    m_state = state;
    m_services.view.enableButtons(row.buttons);
    if (row.timer) {
        m_services.timer.start();
    } else {
        m_services.timer.stop();
    }
}

void MainController::showCard(CardIndex card) {
    m_drawnCard = card;
    m_services.view.showCard(card);
}

void MainController::showTexts(const TallyTexts& texts) {
    if (texts.trials) {
        m_services.view.showNumber(NumberBox::Trials, *texts.trials);
    }
    if (texts.hits) {
        m_services.view.showNumber(NumberBox::Hits, *texts.hits);
    }
    if (texts.frequency) {
        m_services.view.showNumber(NumberBox::Frequency, *texts.frequency);
    }
}
