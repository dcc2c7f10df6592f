// The main window's rules without any window: what the buttons and ticks do,
// the states they move through, the cues, and when the main window shows.
#include "controller/class_content.h"
#include "engine/number_text.h"
#include "tests/support/controller_fixture.h"
#include "tests/support/history.h"

#include <QtTest>
#include <random>
#include <set>

namespace {

const QString ExitQuestion = QStringLiteral("トランプ|終了していいですか？");

using Action = void (MainController::*)();

constexpr int EventsPerSeed = 6000;

QString Trimmed(const QString& text) {
    return text.trimmed();
}

// The class window's front-end: its timer, and what it shows and says.
class FakeClassWindow final : public Timer, public ClassView {
public:
    void start() override {
        running = true;
        ++starts;
    }
    void stop() override { running = false; }
    void showResults(const ClassResults& results) override { shown << results.totals; }
    void announce(const std::string& text) override { announced << text; }

    bool running = false;
    int starts = 0;
    QList<std::string> shown;
    QList<std::string> announced;
};

} // namespace

Q_DECLARE_METATYPE(MainState)
Q_DECLARE_METATYPE(Button)

class ControllerTest : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheAceOfSpadesAndZeroCounts();
    void handlersMoveThroughTheFiveStates_data();
    void handlersMoveThroughTheFiveStates();
    void shuffleShowsExactlyOneCardPerTick();
    void drawCountsTheCardOnShowAndKeepsIt();
    void drawBeforeTheFirstTickCountsTheCardOnShow();
    void automaticRunStopsAtExactlyOneThousand();
    void stoppedRunContinuesByHandAndToTheLimit();
    void labelFormsDifferBetweenManualAndAutomatic();
    void exitAsksAndEndsOnlyOnYes();
    void initialisationRestartsButKeepsTheHistory();
    void trialBeyondTheHistoryIsRefusedWithAMessage();
    void cueButtonPlaysItsFileFirst_data();
    void cueButtonPlaysItsFileFirst();
    void otherButtonsPlayNoCue_data();
    void otherButtonsPlayNoCue();
    void graphHidesTheMainWindowUntilItCloses();
    void graphShowsWhatItsChoicesAdd_data();
    void graphShowsWhatItsChoicesAdd();
    void helpClosingShowsTheMainWindowUnlessTheGraphIsOnView_data();
    void helpClosingShowsTheMainWindowUnlessTheGraphIsOnView();
    void focusGoesToTheNextNaturalButton_data();
    void focusGoesToTheNextNaturalButton();
    void focusMovesBeforeAnyButtonIsDisabled();
    void resultsTextIsWhatTheBoxesShow();
    void classResultsFollowTheTextAtTheTimersPace_data();
    void classResultsFollowTheTextAtTheTimersPace();
    void randomEventsKeepTheWindowConsistent_data();
    void randomEventsKeepTheWindowConsistent();
};

void ControllerTest::startsWithTheAceOfSpadesAndZeroCounts() {
    ControllerFixture f;
    QCOMPARE(f.window.card, AceOfSpades);
    QCOMPARE(f.controller.DrawnCard(), AceOfSpades);
    QCOMPARE(ObservedState(f.window), std::optional(MainState::Idle));
    QCOMPARE(f.window.text(NumberBox::Trials), QStringLiteral("0"));
    QCOMPARE(f.window.text(NumberBox::Hits), QStringLiteral("0"));
    QCOMPARE(f.window.text(NumberBox::Frequency), QString());
    QCOMPARE(f.window.text(NumberBox::Theory), QStringLiteral("0.3076923"));
    QCOMPARE(f.tally.TrialCount(), 0);
    QCOMPARE(f.tally.HitCount(), 0);
    QVERIFY(f.cues.cues.isEmpty());
}

void ControllerTest::handlersMoveThroughTheFiveStates_data() {
    QTest::addColumn<QList<Action>>("actions");
    QTest::addColumn<MainState>("expected");
    using C = MainController;
    auto row = [](const char* name, const QList<Action>& actions, MainState state) {
        QTest::newRow(name) << actions << state;
    };
    row("Idle -shuffle-> Shuffling", {&C::shuffle}, MainState::Shuffling);
    row("Shuffling -tick-> Shuffling", {&C::shuffle, &C::tick}, MainState::Shuffling);
    row("Shuffling -draw-> Stopped", {&C::shuffle, &C::takeCard}, MainState::Stopped);
    row("Idle -auto start-> AutoRunning", {&C::startAuto}, MainState::AutoRunning);
    row("AutoRunning -tick-> AutoRunning", {&C::startAuto, &C::tick}, MainState::AutoRunning);
    row("AutoRunning -auto stop-> Stopped", {&C::startAuto, &C::stopAuto}, MainState::Stopped);
    row("Stopped -shuffle-> Shuffling", {&C::shuffle, &C::takeCard, &C::shuffle},
        MainState::Shuffling);
    row("Stopped -auto start-> AutoRunning", {&C::shuffle, &C::takeCard, &C::startAuto},
        MainState::AutoRunning);
    row("Stopped -init-> Idle", {&C::shuffle, &C::takeCard, &C::initialise}, MainState::Idle);
    row("Stopped -exit, No-> Stopped", {&C::shuffle, &C::takeCard, &C::quit}, MainState::Stopped);
    row("Stopped -help-> Stopped", {&C::shuffle, &C::takeCard, &C::openHelp}, MainState::Stopped);
    row("Idle -exit, No-> Idle", {&C::quit}, MainState::Idle);
    row("Idle -help-> Idle", {&C::openHelp}, MainState::Idle);
}

void ControllerTest::handlersMoveThroughTheFiveStates() {
    QFETCH(QList<Action>, actions);
    QFETCH(MainState, expected);
    ControllerFixture f;
    for (Action action : actions) {
        (f.controller.*action)();
    }
    QCOMPARE(ObservedState(f.window), std::optional(expected));
    QCOMPARE(f.controller.state(), expected);
    QCOMPARE(f.controller.RunMode(), expected == MainState::AutoRunning ? 1 : -1);
}

void ControllerTest::shuffleShowsExactlyOneCardPerTick() {
    ControllerFixture f;
    f.generator.queueCards({12, 40, 27});
    f.controller.shuffle();
    for (int card : {12, 40, 27}) {
        f.controller.tick();
        QCOMPARE(f.window.card, CardIndex(card));
    }
    QCOMPARE(f.tally.TrialCount(), 0);
    QCOMPARE(f.window.text(NumberBox::Trials), QStringLiteral("0"));
}

void ControllerTest::drawCountsTheCardOnShowAndKeepsIt() {
    ControllerFixture f;
    f.generator.queueCards({40, 12});
    f.controller.shuffle();
    f.controller.tick();
    f.controller.tick(); // queen of spades on show: a hit
    f.controller.takeCard();
    QCOMPARE(f.window.card, CardIndex{12});
    QVERIFY(!f.window.timerRunning);
    QCOMPARE(f.controller.DrawnCard(), CardIndex{12});
    QCOMPARE(f.tally.HitCount(), 1);
    QCOMPARE(f.tally.TrialCount(), 1);
    QCOMPARE(f.tally.RatioHistory()[1], 1.0f);
}

void ControllerTest::drawBeforeTheFirstTickCountsTheCardOnShow() {
    ControllerFixture f;
    // Straight after start-up the ace of spades is on show: rank 1, a miss.
    f.controller.shuffle();
    f.controller.takeCard();
    QCOMPARE(f.controller.DrawnCard(), AceOfSpades);
    QCOMPARE(f.tally.HitCount(), 0);
    QCOMPARE(f.window.text(NumberBox::Frequency), QStringLiteral("0.0000000"));

    // Later the card from the previous shuffle is still on show and is counted again.
    f.generator.queueCards({9});
    f.controller.shuffle();
    f.controller.tick();
    f.controller.takeCard();
    f.controller.shuffle();
    f.controller.takeCard();
    QCOMPARE(f.window.card, CardIndex{9});
    QCOMPARE(f.tally.HitCount(), 2);
    QCOMPARE(f.tally.TrialCount(), 3);

    // After initialisation the ace of spades is on show again.
    f.controller.initialise();
    f.controller.shuffle();
    f.controller.takeCard();
    QCOMPARE(f.controller.DrawnCard(), AceOfSpades);
    QCOMPARE(f.tally.HitCount(), 0);
}

void ControllerTest::automaticRunStopsAtExactlyOneThousand() {
    ControllerFixture f;
    f.generator.queueCards({3, 1, 1});
    f.controller.startAuto();
    int ticks = 0;
    while (f.controller.state() == MainState::AutoRunning && ticks < 2 * AutoTrialLimit) {
        f.controller.tick();
        ++ticks;
        QCOMPARE(ObservedState(f.window).has_value(), true);
        QVERIFY(f.window.isEnabled(Button::AutoStop) ||
                f.controller.state() == MainState::Finished);
        QVERIFY(!f.window.isEnabled(Button::Take));
    }
    QCOMPARE(ticks, AutoTrialLimit + 1);
    QCOMPARE(f.controller.state(), MainState::Finished);
    QCOMPARE(ObservedState(f.window), std::optional(MainState::Finished));
    QCOMPARE(f.tally.TrialCount(), AutoTrialLimit);
    QCOMPARE(f.tally.HitCount(), 1); // only the first card was a hit
    QCOMPARE(f.window.text(NumberBox::Trials), QStringLiteral("1000"));
    QCOMPARE(f.window.text(NumberBox::Frequency), QStringLiteral("0.0010000"));
}

void ControllerTest::stoppedRunContinuesByHandAndToTheLimit() {
    ControllerFixture f;
    f.generator.queueCards({1});
    f.controller.startAuto();
    for (int i = 0; i < 10; ++i) {
        f.controller.tick();
    }
    f.controller.stopAuto();
    QCOMPARE(f.controller.state(), MainState::Stopped);
    QCOMPARE(f.tally.TrialCount(), 10);

    f.controller.shuffle();
    f.controller.tick();
    f.controller.takeCard();
    QCOMPARE(f.tally.TrialCount(), 11);

    f.controller.startAuto();
    f.runToTheLimit();
    QCOMPARE(f.tally.TrialCount(), AutoTrialLimit);
    QVERIFY(!f.window.isEnabled(Button::Shuffle) && !f.window.isEnabled(Button::AutoStart));
}

void ControllerTest::labelFormsDifferBetweenManualAndAutomatic() {
    ControllerFixture f;
    f.generator.queueCards({3, 2});
    f.controller.shuffle();
    f.controller.tick();
    f.controller.takeCard();
    QCOMPARE(f.window.text(NumberBox::Trials), QStringLiteral(" 1"));
    QCOMPARE(f.window.text(NumberBox::Hits), QStringLiteral(" 1"));

    f.controller.startAuto();
    f.controller.tick(); // a miss: the hit count keeps its padded form
    QCOMPARE(f.window.text(NumberBox::Trials), QStringLiteral("2"));
    QCOMPARE(f.window.text(NumberBox::Hits), QStringLiteral(" 1"));
    QCOMPARE(f.window.text(NumberBox::Frequency), QStringLiteral("0.5000000"));
}

void ControllerTest::exitAsksAndEndsOnlyOnYes() {
    ControllerFixture f;
    f.controller.shuffle();
    f.controller.takeCard();
    f.confirmation.answer = AnswerNo;
    f.controller.quit();
    QCOMPARE(f.confirmation.questions, QStringList{ExitQuestion});
    QCOMPARE(f.programEnd.ends, 0);
    QCOMPARE(f.controller.state(), MainState::Stopped);
    QCOMPARE(f.tally.TrialCount(), 1);

    f.confirmation.answer = AnswerYes;
    f.controller.quit();
    QCOMPARE(f.programEnd.ends, 1);

    // Closing the main window through its frame ends at once, unasked.
    f.controller.mainClosed();
    QCOMPARE(f.programEnd.ends, 2);
    QCOMPARE(f.confirmation.questions.size(), 2);
    QCOMPARE(f.cues.cues.size(), 2);

    // An answer that comes after the question has returned counts as well.
    f.confirmation.holdAnswer = true;
    f.controller.quit();
    QCOMPARE(f.programEnd.ends, 2);
    f.confirmation.pending(AnswerYes);
    QCOMPARE(f.programEnd.ends, 3);
}

void ControllerTest::initialisationRestartsButKeepsTheHistory() {
    ControllerFixture f;
    f.generator.queueCards({3, 3, 1});
    f.controller.startAuto();
    for (int i = 0; i < 3; ++i) {
        f.controller.tick();
    }
    f.controller.stopAuto();
    f.controller.initialise();
    QCOMPARE(f.window.card, AceOfSpades);
    QCOMPARE(f.window.text(NumberBox::Trials), QStringLiteral("0"));
    QCOMPARE(f.window.text(NumberBox::Hits), QStringLiteral("0"));
    QCOMPARE(f.window.text(NumberBox::Frequency), QString());
    QCOMPARE(f.tally.TrialCount(), 0);
    QCOMPARE(f.tally.HitCount(), 0);
    QCOMPARE(f.tally.RatioHistory()[2], 1.0f);
    QCOMPARE(f.tally.RatioHistory()[3], 2.0f / 3.0f);
    QCOMPARE(f.controller.state(), MainState::Idle);
    // The experiment that ended is kept for the graph; one of 0 trials is not.
    f.controller.initialise();
    QCOMPARE(f.controller.earlierExperiments().experiments().size(), std::size_t{1});
    QCOMPARE(f.controller.earlierExperiments().experiments().front().trials, 3);
    QCOMPARE(f.controller.earlierExperiments().experiments().front().ratioHistory,
             (std::vector<float>{0.0f, 1.0f, 1.0f, 2.0f / 3.0f}));
}

void ControllerTest::trialBeyondTheHistoryIsRefusedWithAMessage() {
    ControllerFixture f;
    for (std::int32_t trial = 1; trial <= HistoryLastTrial; ++trial) {
        f.tally.RecordManualTrial(trial % 4 == 0 ? 3 : 1);
    }
    const std::int32_t hits = f.tally.HitCount();
    const float last = f.tally.RatioHistory()[HistoryLastTrial];
    f.generator.queueCards({3});
    f.controller.shuffle();
    f.controller.tick();
    const QString trialsText = f.window.text(NumberBox::Trials);
    f.controller.takeCard();
    QCOMPARE(f.confirmation.notices.size(), 1);
    QVERIFY(f.confirmation.notices.first().startsWith(QStringLiteral("トランプ|")));
    QVERIFY(f.confirmation.notices.first().contains(QStringLiteral("初期化")));
    QCOMPARE(f.tally.TrialCount(), HistoryLastTrial);
    QCOMPARE(f.tally.HitCount(), hits);
    QCOMPARE(f.tally.RatioHistory()[HistoryLastTrial], last);
    QCOMPARE(f.window.text(NumberBox::Trials), trialsText);
    QCOMPARE(ObservedState(f.window), std::optional(MainState::Stopped));
}

void ControllerTest::cueButtonPlaysItsFileFirst_data() {
    QTest::addColumn<Action>("click");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("after");
    QTest::newRow("終了 answered no: endpinpon, then the question")
        << &MainController::quit << QStringLiteral("endpinpon.wav")
        << QStringLiteral("asked 1, trials 1, help 0");
    QTest::newRow("初期化: pinpon, then the reset")
        << &MainController::initialise << QStringLiteral("pinpon.wav")
        << QStringLiteral("asked 0, trials 0, help 0");
    QTest::newRow("HELP: pinpon, then the help window")
        << &MainController::openHelp << QStringLiteral("pinpon.wav")
        << QStringLiteral("asked 0, trials 1, help 1");
}

void ControllerTest::cueButtonPlaysItsFileFirst() {
    QFETCH(Action, click);
    QFETCH(QString, file);
    QFETCH(QString, after);
    ControllerFixture f;
    f.drawByHand(3);
    f.cues.look = [&f] {
        return QStringLiteral("asked %1, trials %2, help %3")
            .arg(f.confirmation.questions.size())
            .arg(f.tally.TrialCount())
            .arg(f.window.helpShown);
    };
    f.confirmation.answer = AnswerNo;

    (f.controller.*click)();

    QCOMPARE(f.cues.cues, QStringList{file});
    QCOMPARE(f.cues.seen, QStringList{QStringLiteral("asked 0, trials 1, help 0")});
    QCOMPARE(f.cues.look(), after);
    QCOMPARE(f.programEnd.ends, 0);

    // Clicked again, the cue is played again: nothing is remembered.
    (f.controller.*click)();
    QCOMPARE(f.cues.cues, QStringList(2, file));
}

void ControllerTest::otherButtonsPlayNoCue_data() {
    QTest::addColumn<Action>("click");
    QTest::newRow("トランプをきる") << &MainController::shuffle;
    QTest::newRow("トランプを引く") << &MainController::takeCard;
    QTest::newRow("自動 Start") << &MainController::startAuto;
    QTest::newRow("自動 Stop") << &MainController::stopAuto;
    QTest::newRow("グラフ表示") << &MainController::openGraph;
}

void ControllerTest::otherButtonsPlayNoCue() {
    QFETCH(Action, click);
    ControllerFixture f;
    f.drawByHand(3);

    (f.controller.*click)();
    f.controller.tick();

    QCOMPARE(f.cues.cues, QStringList());
}

void ControllerTest::graphHidesTheMainWindowUntilItCloses() {
    ControllerFixture f;
    f.drawByHand(3);
    f.controller.openGraph();
    QVERIFY(!f.window.mainVisible);
    QVERIFY(f.window.graphOpen);
    QVERIFY(f.controller.graphOnView());
    QCOMPARE(f.controller.state(), MainState::Stopped);

    f.controller.graphClosed();
    QVERIFY(f.window.mainVisible);
    QCOMPARE(f.window.mainShown, 1);
    QVERIFY(!f.controller.graphOnView());
    QCOMPARE(f.tally.TrialCount(), 1);
}

void ControllerTest::graphShowsWhatItsChoicesAdd_data() {
    QTest::addColumn<int>("trials");
    QTest::addColumn<bool>("spread");
    QTest::addColumn<bool>("earlier");
    QTest::addColumn<QString>("description");
    const QString after1000 =
        QStringLiteral("実験回数 1000 回、割合 0.3080000、理論上の確率 0.3076923");
    const QString kept =
        QStringLiteral("前の実験 2 回分: 10 回 割合 0.3000000、5 回 割合 0.2000000");
    QTest::newRow("both off: as designed") << 1000 << false << false << after1000;
    QTest::newRow("spread after 1000")
        << 1000 << true << false
        << after1000 + QStringLiteral("。ばらつきの目安: 0.2785〜0.3369（1000 回）");
    QTest::newRow("spread before any trial: where a run ends")
        << 0 << true << false
        << QStringLiteral("理論上の確率 0.3076923。ばらつきの目安: 0.2785〜0.3369（1000 回）");
    QTest::newRow("spread after 4: within 0 and 1")
        << 4 << true << false
        << QStringLiteral("実験回数 4 回、割合 0.2500000、理論上の確率 0.3076923。ばらつきの目安: "
                          "0.0000〜0.7692（4 回）");
    QTest::newRow("earlier experiments") << 1000 << false << true << after1000 + "。" + kept;
    QTest::newRow("both on")
        << 1000 << true << true
        << after1000 + QStringLiteral("。ばらつきの目安: 0.2785〜0.3369（1000 回）。") + kept;
}

// The figure and its words from what the main window's rules hold: the
// earlier experiments show only when asked for, under the current curve.
void ControllerTest::graphShowsWhatItsChoicesAdd() {
    QFETCH(int, trials);
    QFETCH(bool, spread);
    QFETCH(bool, earlier);
    QFETCH(QString, description);
    GraphInputs graph;
    for (const int kept : {10, 5}) {
        DrawInDeckOrder(graph.tally, kept);
        graph.earlier.keep(graph.tally);
        graph.tally.ResetTally();
    }
    DrawInDeckOrder(graph.tally, trials);
    graph.choices = {spread, earlier};
    QCOMPARE(QString::fromStdString(GraphDescription(graph.sources())), description);

    const std::vector<GraphFigure::Step> steps = GraphSteps(graph.sources());
    const auto count = [&](int colour) {
        return std::count_if(steps.begin(), steps.end(),
                             [&](const GraphFigure::Step& s) { return s.colour == colour; });
    };
    QCOMPARE(count(GraphFigure::EarlierColour), earlier ? 10 + 5 : 0);
    // The expected spread's bounds enter the axes' box at trials 2 and 9.
    QCOMPARE(count(GraphFigure::SpreadColour), spread ? 999 + 992 : 0);
    QCOMPARE(count(PaletteLightBlue), trials);
    if (!spread && !earlier) {
        QVERIFY(steps == GraphFigure::Steps(graph.tally.RatioHistory(), trials));
    }
}

void ControllerTest::helpClosingShowsTheMainWindowUnlessTheGraphIsOnView_data() {
    QTest::addColumn<bool>("graphOnView");
    QTest::addColumn<bool>("byCloseButton");
    QTest::addColumn<int>("mainShown");
    QTest::newRow("閉じる: the main window comes to the front") << false << true << 1;
    QTest::newRow("frame: the main window is left as it was") << false << false << 0;
    // Beside the graph the main window would let trials change the counts
    // under a figure that no longer matches them.
    QTest::newRow("閉じる while the graph is on view: stays hidden") << true << true << 0;
    QTest::newRow("frame while the graph is on view: stays hidden") << true << false << 0;
}

void ControllerTest::helpClosingShowsTheMainWindowUnlessTheGraphIsOnView() {
    QFETCH(bool, graphOnView);
    QFETCH(bool, byCloseButton);
    QFETCH(int, mainShown);
    ControllerFixture f;
    f.drawByHand(3);
    f.controller.openHelp();
    if (graphOnView) {
        f.controller.openGraph();
    }

    f.controller.helpClosed(byCloseButton ? ClosedBy::CloseButton : ClosedBy::Frame);

    QCOMPARE(f.window.mainShown, mainShown);
    QCOMPARE(f.window.mainVisible, !graphOnView);
    if (graphOnView) {
        f.controller.graphClosed();
        QVERIFY(f.window.mainVisible);
    }
    QCOMPARE(f.controller.state(), MainState::Stopped);
}

void ControllerTest::focusGoesToTheNextNaturalButton_data() {
    QTest::addColumn<QList<Action>>("actions");
    QTest::addColumn<Button>("focused");
    using C = MainController;
    auto row = [](const char* name, const QList<Action>& actions, Button button) {
        QTest::newRow(name) << actions << button;
    };
    row("start-up: shuffle", {}, Button::Shuffle);
    row("shuffling: take", {&C::shuffle}, Button::Take);
    row("after a draw: shuffle again", {&C::shuffle, &C::takeCard}, Button::Shuffle);
    row("automatic run: stop", {&C::startAuto}, Button::AutoStop);
    row("after 自動 Stop: shuffle", {&C::startAuto, &C::stopAuto}, Button::Shuffle);
    row("after 初期化: shuffle", {&C::shuffle, &C::takeCard, &C::initialise}, Button::Shuffle);
    row("graph closed: back on グラフ表示",
        {&C::shuffle, &C::takeCard, &C::openGraph, &C::graphClosed}, Button::Graph);
    row("help closed: back on HELP", {&C::openHelp, &C::quit}, Button::Help);
    row("help closed while shuffling: take", {&C::openHelp, &C::shuffle}, Button::Take);
}

void ControllerTest::focusGoesToTheNextNaturalButton() {
    QFETCH(QList<Action>, actions);
    QFETCH(Button, focused);
    ControllerFixture f;
    for (Action action : actions) {
        (f.controller.*action)();
    }
    if (f.window.helpShown > 0) {
        f.controller.helpClosed(ClosedBy::CloseButton);
    }
    QCOMPARE(f.window.focused, std::optional(focused));
    QVERIFY(f.window.isEnabled(focused));
}

void ControllerTest::focusMovesBeforeAnyButtonIsDisabled() {
    // 自動 Start: 自動 Stop is enabled and focused before 自動 Start and the
    // rest are disabled, so the focus never passes through the buttons between.
    ControllerFixture f;
    f.window.buttonCalls.clear();
    f.controller.startAuto();
    QCOMPARE(f.window.buttonCalls,
             QStringList({"+4", "focus4", "-0", "-1", "-2", "-3", "-5", "-6", "-7"}));
}

void ControllerTest::resultsTextIsWhatTheBoxesShow() {
    // Four columns as the boxes show them, then the hits by trial 10, 50, 100,
    // 500 and 1000, empty until the experiment reaches that trial.
    ControllerFixture f;
    QCOMPARE(f.controller.resultsText(false), std::string("0\t0\t\t0.3076923\t\t\t\t\t"));
    QCOMPARE(f.controller.resultsText(true),
             std::string("引いた全カード枚数\t引いた３の倍数のカード枚数\t"
                         "３の倍数のカードを引いた割合\t理論上の確率\t"
                         "10回目までに引いた３の倍数のカード枚数\t"
                         "50回目までに引いた３の倍数のカード枚数\t"
                         "100回目までに引いた３の倍数のカード枚数\t"
                         "500回目までに引いた３の倍数のカード枚数\t"
                         "1000回目までに引いた３の倍数のカード枚数\n"
                         "0\t0\t\t0.3076923\t\t\t\t\t"));

    f.drawByHand(3); // shown with the blank of a sign column
    QCOMPARE(f.window.text(NumberBox::Trials), QStringLiteral(" 1"));
    QCOMPARE(f.controller.resultsText(false), std::string("1\t1\t1.0000000\t0.3076923\t\t\t\t\t"));

    // Trial 1 a hit by hand, then misses at 2 and 3 and hits from 4 on.
    f.generator.queueCards({1, 2, 3});
    f.controller.startAuto();
    f.runToTheLimit();
    const QString expected =
        QStringLiteral("1000\t%1\t%2\t0.3076923\t8\t48\t98\t498\t998")
            .arg(Trimmed(f.window.text(NumberBox::Hits)), f.window.text(NumberBox::Frequency));
    QCOMPARE(QString::fromStdString(f.controller.resultsText(false)), expected);
    QVERIFY(QString::fromStdString(f.controller.resultsText(true))
                .endsWith(QLatin1Char('\n') + expected));

    // The history keeps its values after 初期化, but no checkpoint is reached.
    f.controller.initialise();
    QCOMPARE(f.controller.resultsText(false), std::string("0\t0\t\t0.3076923\t\t\t\t\t"));

    // The frequency as the box shows it, from the stored single: 6 of 11 is
    // 0.5454546 there, where the exact quotient would give 0.5454545.
    for (int trial = 1; trial <= 11; ++trial) {
        f.drawByHand(trial <= 6 ? 3 : 1);
    }
    QCOMPARE(f.window.text(NumberBox::Frequency), QStringLiteral("0.5454546"));
    QCOMPARE(f.controller.resultsText(false),
             std::string("11\t6\t0.5454546\t0.3076923\t6\t\t\t\t"));
}

void ControllerTest::randomEventsKeepTheWindowConsistent_data() {
    QTest::addColumn<unsigned>("seed");
    QTest::addColumn<int>("warmUpTrials");
    // Rows that start close to the automatic limit reach Finished as well.
    QTest::newRow("seed 1, from start") << 1u << 0;
    QTest::newRow("seed 2, from start") << 2u << 0;
    QTest::newRow("seed 3, from 999 trials") << 3u << 999;
    QTest::newRow("seed 4, from 999 trials") << 4u << 999;
}

// Random sequences of clicks and ticks, from fixed seeds: after every event
// the window must be in one of its five states with consistent counters.
void ControllerTest::randomEventsKeepTheWindowConsistent() {
    QFETCH(unsigned, seed);
    QFETCH(int, warmUpTrials);
    ControllerFixture f;
    if (warmUpTrials > 0) {
        f.controller.startAuto();
        for (int tick = 0; tick < warmUpTrials; ++tick) {
            f.generator.values = {static_cast<float>(tick % 52) / 52.0f};
            f.controller.tick();
        }
        f.controller.stopAuto();
    }
    const std::array<Action, 8> clicks = {&MainController::takeCard,  &MainController::shuffle,
                                          &MainController::quit,      &MainController::startAuto,
                                          &MainController::stopAuto,  &MainController::initialise,
                                          &MainController::openGraph, &MainController::openHelp};
    std::set<MainState> visited;
    std::mt19937 events(seed);
    std::uniform_real_distribution<float> unit(0.0f, std::nextafter(1.0f, 0.0f));
    f.confirmation.answer = AnswerNo;
    std::array<int, 10> counts{};

    for (int i = 0; i < EventsPerSeed; ++i) {
        QList<int> choices; // 1..8 buttons, 9 a tick
        // Initialisation is rarer than the other buttons, so that runs grow
        // long enough to reach the automatic limit; ticks come far more often
        // than clicks while the timer runs.
        for (int n = 1; n <= 8; ++n) {
            if (f.window.enabled.at(static_cast<std::size_t>(n - 1))) {
                choices.append(QList<int>(n == 6 ? 1 : 4, n));
            }
        }
        if (f.window.timerRunning) {
            choices.append(QList<int>(32, 9));
        }
        QVERIFY(!choices.isEmpty());
        const int choice = choices.at(static_cast<int>(events() % choices.size()));
        ++counts.at(static_cast<std::size_t>(choice));
        const bool wasShuffling = f.controller.state() == MainState::Shuffling;
        const CardIndex shownBefore = f.window.card;
        f.generator.values = {unit(events)};

        if (choice == 9) {
            f.controller.tick();
        } else {
            (f.controller.*clicks.at(static_cast<std::size_t>(choice - 1)))();
        }
        if (choice == 7) {
            QVERIFY(!f.window.mainVisible);
            f.controller.graphClosed();
            QVERIFY(f.window.mainVisible);
        }

        const auto state = ObservedState(f.window);
        QVERIFY2(state.has_value(), qPrintable(QStringLiteral("event %1: no known state").arg(i)));
        QCOMPARE(*state, f.controller.state());
        visited.insert(*state);
        QCOMPARE(f.window.card, f.controller.DrawnCard());
        QVERIFY(f.window.card >= 1 && f.window.card <= CardsInDeck);
        const std::int32_t trials = f.tally.TrialCount();
        QVERIFY(f.tally.HitCount() >= 0 && f.tally.HitCount() <= trials);
        QCOMPARE(Trimmed(f.window.text(NumberBox::Trials)), QString::number(trials));
        QCOMPARE(Trimmed(f.window.text(NumberBox::Hits)), QString::number(f.tally.HitCount()));
        if (trials == 0) {
            QCOMPARE(f.window.text(NumberBox::Frequency), QString());
        } else {
            const float stored = f.tally.RatioHistory()[static_cast<std::size_t>(trials)];
            QCOMPARE(stored, static_cast<float>(static_cast<double>(f.tally.HitCount()) / trials));
            QCOMPARE(f.window.text(NumberBox::Frequency),
                     QString::fromStdString(RatioText(stored)));
        }
        // The focus is always on an enabled button, and never put on 終了.
        QVERIFY(f.window.focused.has_value() && f.window.isEnabled(*f.window.focused));
        QVERIFY(*f.window.focused != Button::Exit);
        if (choice == 1 && wasShuffling) {
            // The card counted is the card that was on show, and it stays on show.
            QCOMPARE(f.window.card, shownBefore);
            QCOMPARE(f.controller.DrawnCard(), shownBefore);
        }
    }
    QCOMPARE(f.confirmation.questions.size(), counts[3]);
    QCOMPARE(visited.size(), warmUpTrials > 0 ? std::size_t{5} : std::size_t{4});
    QCOMPARE(f.programEnd.ends, 0);
    for (int n = 1; n <= 9; ++n) {
        QVERIFY2(counts.at(static_cast<std::size_t>(n)) > 0,
                 qPrintable(QStringLiteral("event %1 never happened").arg(n)));
    }
}

void ControllerTest::classResultsFollowTheTextAtTheTimersPace_data() {
    // 'c': the text changes (one more line "40 13"); 't': the timer ticks.
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("starts");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("announced");
    QTest::addColumn<bool>("running");
    QTest::newRow("nothing typed") << "" << 0 << 0 << 0 << false;
    QTest::newRow("changes between ticks recompute once") << "ccct" << 1 << 1 << 0 << true;
    QTest::newRow("typing through ticks recomputes at each") << "ctctct" << 1 << 3 << 0 << true;
    QTest::newRow("a quiet tick settles and announces once") << "cctt" << 1 << 1 << 1 << false;
    QTest::newRow("a stray tick after settling says nothing") << "cttt" << 1 << 1 << 1 << false;
    QTest::newRow("a change after settling starts again") << "cttctt" << 2 << 2 << 2 << false;
}

void ControllerTest::classResultsFollowTheTextAtTheTimersPace() {
    QFETCH(QString, events);
    QFETCH(int, starts);
    QFETCH(int, shown);
    QFETCH(int, announced);
    QFETCH(bool, running);
    FakeClassWindow window;
    ClassWindowController controller(window, window);
    std::string text;
    for (const QChar event : events) {
        if (event == 'c') {
            text += "40 13\n";
            controller.textChanged(text);
        } else {
            controller.tick();
        }
    }
    QCOMPARE(window.starts, starts);
    QCOMPARE(window.shown.size(), shown);
    QCOMPARE(window.announced.size(), announced);
    QCOMPARE(window.running, running);
    if (shown > 0) {
        // The last text's results, shown and said.
        const auto lines = static_cast<std::size_t>(events.count('c'));
        QCOMPARE(controller.results().rows.size(), lines);
        QCOMPARE(window.shown.back(), controller.results().totals);
    }
    if (announced > 0) {
        QCOMPARE(window.announced.back(), controller.results().announcement);
        QVERIFY(window.announced.back().starts_with(std::to_string(events.count('c')) + "人、"));
    }
}

QTEST_GUILESS_MAIN(ControllerTest)
#include "test_controller.moc"
