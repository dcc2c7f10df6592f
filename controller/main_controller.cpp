#include "controller/main_controller.h"

#include "design/form1_layout.h"
#include "design/texts.h"
#include "engine/checkpoints.h"
#include "engine/number_text.h"

#include <array>
#include <vector>

namespace {

const std::string DialogTitle(Texts::DialogTitle);

// Which buttons are enabled, whether the timer runs and which button a user
// most likely wants next, per state. The focus never goes to 終了 by itself,
// so that a run ending under the user's fingers cannot end the program.
struct StateRow {
    ButtonStates buttons;
    bool timer;
    Button next;
};

constexpr bool E = true;
constexpr bool D = false;

// Columns in Button order: Take, Shuffle, Exit, AutoStart, AutoStop, Initialise, Graph, Help.
constexpr std::array<StateRow, 5> StateTable = {{
    /* Idle        */ {{D, E, E, E, D, D, D, E}, false, Button::Shuffle},
    /* Shuffling   */ {{E, D, D, D, D, D, D, D}, true, Button::Take},
    /* Stopped     */ {{D, E, E, E, D, E, E, E}, false, Button::Shuffle},
    /* AutoRunning */ {{D, D, D, D, E, D, D, D}, true, Button::AutoStop},
    /* Finished    */ {{D, D, E, D, D, E, E, E}, false, Button::Graph},
}};

std::string TabSeparated(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        line += (i == 0 ? "" : "\t") + fields[i];
    }
    return line;
}

// The first columns are named as the rows of their number boxes, then come
// the hits counted by each checkpoint.
std::vector<std::string> ResultsHeader() {
    std::vector<std::string> names;
    names.reserve(Form1Layout::NumberLabels.size() + Checkpoints.size());
    for (int label : Form1Layout::NumberLabels) {
        names.emplace_back(Form1Layout::RowName(label));
    }
    for (std::int32_t trial : Checkpoints) {
        names.push_back(Texts::CheckpointColumnName(trial));
    }
    return names;
}

} // namespace

void ShowButtons(MainView& view, const ButtonStates& enabled, Button focus) {
    for (std::size_t i = 0; i < ButtonCount; ++i) {
        if (enabled[i]) {
            view.setButtonEnabled(static_cast<Button>(i), true);
        }
    }
    view.focusButton(focus);
    for (std::size_t i = 0; i < ButtonCount; ++i) {
        if (!enabled[i]) {
            view.setButtonEnabled(static_cast<Button>(i), false);
        }
    }
}

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
    if (outcome.result == TrialResult::AutoLimitReached) {
        announceRunEnd();
    }
}

void MainController::takeCard() {
    enterState(MainState::Stopped);
    const TrialOutcome outcome = m_tally.RecordManualTrial(m_drawnCard);
    showTexts(outcome.texts);
    if (outcome.result == TrialResult::HistoryFull) {
        m_services.confirmation.inform(std::string(Texts::HistoryFull), DialogTitle);
        return;
    }
    m_services.view.announce(
        Texts::DrawAnnouncement(m_drawnCard, PlainNumberText(m_tally.TrialCount()),
                                PlainNumberText(m_tally.HitCount()), m_tally.FrequencyText()));
}

void MainController::shuffle() {
    enterState(MainState::Shuffling);
}

void MainController::quit() {
    m_services.cues.PlayCue(ExitCue);
    m_services.confirmation.ask(std::string(Texts::ExitQuestion), DialogTitle,
                                [this](int ExitAnswer) {
                                    if (ExitAnswer == AnswerYes) {
                                        m_services.programEnd.end();
                                    }
                                });
}

void MainController::startAuto() {
    enterState(MainState::AutoRunning);
}

void MainController::stopAuto() {
    enterState(MainState::Stopped);
    announceRunEnd();
}

void MainController::announceRunEnd() {
    m_services.view.announce(Texts::RunEndAnnouncement(PlainNumberText(m_tally.TrialCount()),
                                                       PlainNumberText(m_tally.HitCount()),
                                                       m_tally.FrequencyText()));
}

void MainController::initialise() {
    m_services.cues.PlayCue(InitCue);
    // The experiment that ends stays on hand for the graph to compare.
    m_earlier.keep(m_tally);
    showCard(AceOfSpades);
    showTexts(m_tally.ResetTally());
    m_services.view.showNumber(NumberBox::Frequency, {});
    enterState(MainState::Idle);
    // The boxes change under a pupil who may not see them.
    m_services.view.announce(Texts::InitialisationAnnouncement(
        PlainNumberText(m_tally.TrialCount()), PlainNumberText(m_tally.HitCount())));
}

void MainController::openGraph() {
    m_services.windows.hideMain();
    m_graphOnView = true;
    m_services.windows.showGraph();
    // What the figure shows, told once as it opens, like a draw.
    m_services.view.announce(GraphDescription(graphSources()));
}

void MainController::openHelp() {
    m_services.cues.PlayCue(InitCue);
    m_services.windows.showHelp();
}

void MainController::graphClosed() {
    m_graphOnView = false;
    m_services.windows.showMain();
    returnFocus(Button::Graph);
}

void MainController::helpClosed(ClosedBy how) {
    // Through its frame the help leaves the main window as it was. Through its
    // close button it brings the main window back, but not beside the graph:
    // trials made there would change the counts under a graph that is on view.
    if (how == ClosedBy::CloseButton && !m_graphOnView) {
        m_services.windows.showMain();
    }
    returnFocus(Button::Help);
}

void MainController::mainClosed() {
    m_services.programEnd.end();
}

std::string MainController::resultsText(bool withHeader) const {
    // What the boxes show, in digits alone, then the hits by each checkpoint
    // reached (an empty column for one not reached).
    std::vector<std::string> fields = {PlainNumberText(m_tally.TrialCount()),
                                       PlainNumberText(m_tally.HitCount()), m_tally.FrequencyText(),
                                       TheoreticalRatioText()};
    for (std::int32_t trial : Checkpoints) {
        const auto hits = HitsByTrial(m_tally.RatioHistory(), m_tally.TrialCount(), trial);
        fields.push_back(hits ? PlainNumberText(*hits) : std::string());
    }
    const std::string line = TabSeparated(fields);
    return withHeader ? TabSeparated(ResultsHeader()) + '\n' + line : line;
}

void MainController::enterState(MainState state) {
    const StateRow& row = StateTable[static_cast<std::size_t>(state)];
    m_state = state;
    ShowButtons(m_services.view, row.buttons, row.next);
    if (row.timer) {
        m_services.timer.start();
    } else {
        m_services.timer.stop();
    }
}

void MainController::returnFocus(Button opener) {
    const StateRow& row = StateTable[static_cast<std::size_t>(m_state)];
    m_services.view.focusButton(row.buttons[static_cast<std::size_t>(opener)] ? opener : row.next);
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
