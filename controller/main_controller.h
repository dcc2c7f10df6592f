#pragma once

#include "controller/graph_content.h"
#include "controller/services.h"
#include "design/cues.h"
#include "engine/deck.h"
#include "engine/tally.h"

#include <cstdint>
#include <string>

class Clock;
class Generator;

// The five configurations that the buttons, the timer and the run mode can be in.
enum class MainState { Idle, Shuffling, Stopped, AutoRunning, Finished };

inline constexpr std::int16_t AutoRunMode = 1;
inline constexpr std::int16_t ManualRunMode = -1;

struct MainServices {
    Clock& clock;
    Generator& generator;
    Timer& timer;
    CuePlayer& cues;
    Confirmation& confirmation;
    ProgramEnd& programEnd;
    MainView& view;
    Windows& windows;
};

// Enables the buttons to enable, moves the focus to `focus` (one of them),
// and only then disables the rest, so that the focus never falls from a
// button being disabled to the next one and on.
void ShowButtons(MainView& view, const ButtonStates& enabled, Button focus);

// The main window's rules: what each of the eight buttons and each tick does,
// the states they move through and the order of every step. A front-end
// forwards its events here; the results reach it through MainView and Windows.
class MainController {
public:
    MainController(Tally& tally, const MainServices& services);

    // Start-up: ace of spades on view, counters at 0, buttons ready.
    void load();

    void takeCard();   // トランプを引く: count the card on show
    void shuffle();    // トランプをきる
    void quit();       // 終了: cue, question, end on yes
    void startAuto();  // 自動 Start
    void stopAuto();   // 自動 Stop
    void initialise(); // 初期化
    void openGraph();  // グラフ表示
    void openHelp();   // HELP
    void tick();       // the timer
    void graphClosed();
    void helpClosed(ClosedBy how);
    // The main window closed through its frame: the program ends, unasked.
    void mainClosed();

    // The numbers on show as one tab-separated line: trials, hits, the
    // frequency as shown (empty before the first trial) and the theoretical
    // probability; with the header, the names of the four columns above it.
    std::string resultsText(bool withHeader) const;

    MainState state() const { return m_state; }
    // 1 while an automatic run is active, -1 otherwise.
    std::int16_t RunMode() const;
    // The card on show, which a draw counts.
    CardIndex DrawnCard() const { return m_drawnCard; }
    bool graphOnView() const { return m_graphOnView; }
    // What the graph reads: the tally, the experiments that 初期化 ended and
    // the graph menu's choices, all held while the program runs.
    GraphSources graphSources() { return {m_tally, m_earlier, m_graphChoices}; }
    const EarlierExperiments& earlierExperiments() const { return m_earlier; }

private:
    void enterState(MainState state);
    void showCard(CardIndex card);
    void showTexts(const TallyTexts& texts);
    // The totals, once an automatic run has stopped.
    void announceRunEnd();
    // Focus back on the button that opened a window, or where the state puts it.
    void returnFocus(Button opener);

    Tally& m_tally;
    MainServices m_services;
    MainState m_state = MainState::Idle;
    CardIndex m_drawnCard = AceOfSpades;
    bool m_graphOnView = false;
    EarlierExperiments m_earlier;
    GraphChoices m_graphChoices;
};
