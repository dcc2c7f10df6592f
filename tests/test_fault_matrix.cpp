// Faults the program must ride out without losing a count: the history bound
// reached by hand, the graph opened at the 16-bit bound and at the last trial,
// the main and the help window closed through their frames (the graph's is in
// test_graph), and clicks arriving while a modal box waits for its answer. The other faults are
// tested beside the code they hit: no display in test_program, cue files and audio output in
// test_sound_silent, no Japanese font in test_fault_font.

// Clicks go through the window system, where a modal box blocks them, rather
// than straight to the widget.
#define QTEST_QPA_MOUSE_HANDLING

#include "engine/number_text.h"
#include "platform/fonts.h"
#include "tests/image_probe.h"
#include "tests/support/fakes.h"
#include "tests/support/form1_checks.h"
#include "tests/support/form1_fixture.h"
#include "tests/support/history.h"
#include "ui/graph/form2.h"
#include "ui/help/form4.h"
#include "ui/main/desktop_services.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <algorithm>

namespace {

constexpr QRgb LightBlue = qRgb(0, 0, 255);
// Trials 3, 6, 9 and 12 of every 13 are hits when the cards come in index order.
constexpr int HitsPerDeck = 16;

std::int32_t HitsAfter(std::int32_t trials) {
    std::int32_t hits = trials / CardsInDeck * HitsPerDeck;
    for (std::int32_t card = 1; card <= trials % CardsInDeck; ++card) {
        hits += IsHit(RankOf(static_cast<CardIndex>(card))) ? 1 : 0;
    }
    return hits;
}

void DrawByHandUpTo(Form1Fixture& f, std::int32_t trials) {
    while (f.tally.TrialCount() < trials) {
        f.drawByHand(CardOfTrial(f.tally.TrialCount() + 1));
    }
}

void RunToTheLimit(Form1Fixture& f) {
    f.generator.values = {ScriptedGenerator::ValueFor(1)};
    f.form->Command4_Click();
    f.runToTheLimit();
}

// Closes a window the way its frame's close button does.
void CloseThroughFrame(QWidget& window) {
    QCloseEvent close;
    QCoreApplication::sendEvent(window.windowHandle(), &close);
}

// Everything the main window shows and counts.
struct MainWindowState {
    std::optional<MainState> state;
    QList<int> visibleCards;
    QStringList texts;
    std::int32_t trials;
    std::int32_t hits;
    bool timerActive;
    bool operator==(const MainWindowState&) const = default;
};

MainWindowState Snapshot(Form1Fixture& f) {
    MainWindowState s{ObservedState(*f.form), VisibleCards(*f.form), {},
                      f.tally.TrialCount(),   f.tally.HitCount(),    f.form->timerActive()};
    for (int label : {3, 4, 6}) {
        s.texts << f.form->label(label).text();
    }
    return s;
}

// Brings a fresh main window into a state through its own handlers.
void EnterState(Form1Fixture& f, MainState state) {
    switch (state) {
    case MainState::Idle:
        break;
    case MainState::Shuffling:
        f.drawByHand(3);
        f.form->Command2_Click();
        f.form->Timer1_Tick();
        break;
    case MainState::Stopped:
        f.drawByHand(3);
        f.drawByHand(5);
        break;
    case MainState::AutoRunning:
        f.form->Command4_Click();
        for (int tick = 0; tick < 7; ++tick) {
            f.form->Timer1_Tick();
        }
        break;
    case MainState::Finished:
        RunToTheLimit(f);
        break;
    }
    QCOMPARE(ObservedState(*f.form), std::optional(state));
}

// Shows a fresh main window, opens the help beside it if asked, then brings
// the main window into a state.
void ShowInState(Form1Fixture& f, MainState state, bool helpOpen) {
    f.form->show();
    if (helpOpen) {
        f.form->Command8_Click();
    }
    EnterState(f, state);
}

// A main window asking and informing through the real message boxes.
struct RealBoxes {
    BoxConfirmation boxes;
};
struct BoxedForm1 : RealBoxes, Form1Fixture {
    BoxedForm1() : Form1Fixture({.confirmation = &boxes}) { boxes.setParent(form.get()); }
};

QStringList ButtonTexts(const QMessageBox& box) {
    QStringList texts;
    for (const QAbstractButton* button : box.buttons()) {
        texts << button->text();
    }
    texts.sort();
    return texts;
}

QAbstractButton* ButtonReading(const QMessageBox& box, const QString& text) {
    const QList<QAbstractButton*> buttons = box.buttons();
    const auto found = std::find_if(buttons.begin(), buttons.end(),
                                    [&](const QAbstractButton* b) { return b->text() == text; });
    return found != buttons.end() ? *found : nullptr;
}

} // namespace

Q_DECLARE_METATYPE(MainState)

class FaultMatrixTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyDefaultFont(); }

    void historyBoundReachedByHandThenInitialisationStartsAfresh();
    void graphOpensAtTheBounds_data();
    void graphOpensAtTheBounds();
    void mainWindowFrameEndsTheProgramInEveryState_data();
    void mainWindowFrameEndsTheProgramInEveryState();
    void helpFrameLeavesTheMainWindowAsItWas_data();
    void helpFrameLeavesTheMainWindowAsItWas();
    void clicksWaitWhileAModalBoxIsOpen_data();
    void clicksWaitWhileAModalBoxIsOpen();
    void copyingInEveryStateTakesWhatIsOnShowAndChangesNothing_data();
    void copyingInEveryStateTakesWhatIsOnShowAndChangesNothing();
};

void FaultMatrixTest::historyBoundReachedByHandThenInitialisationStartsAfresh() {
    Form1Fixture f;
    DrawByHandUpTo(f, HistoryLastTrial);
    const std::int32_t hits = HitsAfter(HistoryLastTrial);
    QCOMPARE(f.tally.HitCount(), hits);
    QCOMPARE(f.form->label(3).text(), QStringLiteral(" 100000"));
    QCOMPARE(Trimmed(f.form->label(4)), QString::number(hits));
    QCOMPARE(f.form->label(6).text(),
             QString::fromStdString(RatioText(f.tally.RatioHistory()[HistoryLastTrial])));
    for (std::int32_t n : {1, 32767, 32768, HistoryLastTrial}) {
        QCOMPARE(f.tally.RatioHistory()[static_cast<std::size_t>(n)],
                 static_cast<float>(static_cast<double>(HitsAfter(n)) / n));
    }
    QVERIFY(f.confirmation.notices.isEmpty());

    // Two more attempts: each refused with the notice, nothing counted.
    const MainWindowState full = Snapshot(f);
    f.drawByHand(3);
    f.drawByHand(6);
    QCOMPARE(f.confirmation.notices.size(), 2);
    QCOMPARE(Snapshot(f).trials, full.trials);
    QCOMPARE(Snapshot(f).hits, full.hits);
    QCOMPARE(Snapshot(f).texts, full.texts);

    // An automatic run from the full history ends on its first tick.
    f.form->Command4_Click();
    f.form->Timer1_Tick();
    QCOMPARE(ObservedState(*f.form), std::optional(MainState::Finished));
    QCOMPARE(f.tally.TrialCount(), HistoryLastTrial);
    QCOMPARE(f.tally.HitCount(), hits);
    QCOMPARE(f.confirmation.notices.size(), 2);

    f.form->Command6_Click();
    QCOMPARE(ObservedState(*f.form), std::optional(MainState::Idle));
    QCOMPARE(f.form->label(3).text(), QStringLiteral("0"));
    f.drawByHand(12);
    QCOMPARE(f.tally.TrialCount(), 1);
    QCOMPARE(f.tally.HitCount(), 1);
    QCOMPARE(f.tally.RatioHistory()[1], 1.0f);
    QCOMPARE(f.form->label(6).text(), QStringLiteral("1.0000000"));
    RunToTheLimit(f);
    QCOMPARE(f.tally.TrialCount(), AutoTrialLimit);
    QCOMPARE(f.confirmation.notices.size(), 2);
}

void FaultMatrixTest::graphOpensAtTheBounds_data() {
    QTest::addColumn<std::int32_t>("trials");
    QTest::newRow("32767: last 16-bit count") << std::int32_t{32767};
    QTest::newRow("32768: first count beyond 16 bits") << std::int32_t{32768};
    QTest::newRow("100000: last trial of the history") << HistoryLastTrial;
}

void FaultMatrixTest::graphOpensAtTheBounds() {
    QFETCH(std::int32_t, trials);
    Form1Fixture f;
    f.form->show();
    DrawByHandUpTo(f, trials);
    const MainWindowState before = Snapshot(f);

    f.form->Command7_Click();
    QPointer<Form2> graph = f.form->graphWindow();
    QVERIFY(graph != nullptr);
    QVERIFY(QTest::qWaitForWindowActive(graph));
    const QImage opened = graph->surface().image().copy();

    // Only trials up to the right edge show; the picture is the one of the
    // same history stopped at the automatic limit.
    GraphInputs atLimit;
    DrawInDeckOrder(atLimit.tally, AutoTrialLimit);
    Form2 reference(atLimit.sources());
    reference.Form_Activate();
    QCOMPARE(opened, reference.surface().image());
    const QRect lastColumn(opened.width() - 1, 0, 1, opened.height());
    QVERIFY(CountPixels(opened, LightBlue, lastColumn) > 0);

    graph->Command1_Click();
    DeleteClosedWindows();
    QVERIFY(graph == nullptr);
    QCOMPARE(Snapshot(f), before);
    f.drawByHand(3);
    QCOMPARE(f.tally.TrialCount(), std::min(trials + 1, HistoryLastTrial));
}

void FaultMatrixTest::mainWindowFrameEndsTheProgramInEveryState_data() {
    QTest::addColumn<MainState>("state");
    QTest::addColumn<bool>("helpOpen");
    QTest::newRow("Idle") << MainState::Idle << false;
    QTest::newRow("Shuffling") << MainState::Shuffling << false;
    QTest::newRow("Stopped") << MainState::Stopped << false;
    QTest::newRow("AutoRunning") << MainState::AutoRunning << false;
    QTest::newRow("Finished") << MainState::Finished << false;
    QTest::newRow("Stopped, help open") << MainState::Stopped << true;
    QTest::newRow("AutoRunning, help open") << MainState::AutoRunning << true;
}

void FaultMatrixTest::mainWindowFrameEndsTheProgramInEveryState() {
    QFETCH(MainState, state);
    QFETCH(bool, helpOpen);
    Form1Fixture f;
    ShowInState(f, state, helpOpen);
    const MainWindowState before = Snapshot(f);
    f.cues.cues.clear();

    CloseThroughFrame(*f.form);

    QCOMPARE(f.programEnd.ends, 1);
    QVERIFY(f.confirmation.questions.isEmpty());
    QVERIFY(f.cues.cues.isEmpty());
    QVERIFY(!f.form->isVisible());
    QCOMPARE(Snapshot(f), before);
}

void FaultMatrixTest::helpFrameLeavesTheMainWindowAsItWas_data() {
    QTest::addColumn<MainState>("state");
    QTest::addColumn<bool>("graphOpen");
    // Help stays open while the main window moves on, so every state counts,
    // and the graph may hide the main window meanwhile.
    QTest::newRow("Idle") << MainState::Idle << false;
    QTest::newRow("Shuffling") << MainState::Shuffling << false;
    QTest::newRow("Stopped") << MainState::Stopped << false;
    QTest::newRow("AutoRunning") << MainState::AutoRunning << false;
    QTest::newRow("Finished") << MainState::Finished << false;
    QTest::newRow("Stopped, graph open") << MainState::Stopped << true;
    QTest::newRow("Finished, graph open") << MainState::Finished << true;
}

void FaultMatrixTest::helpFrameLeavesTheMainWindowAsItWas() {
    QFETCH(MainState, state);
    QFETCH(bool, graphOpen);
    Form1Fixture f;
    f.form->show();
    f.form->Command8_Click();
    QPointer<Form4> help = f.form->helpWindow();
    QVERIFY(help != nullptr);
    EnterState(f, state);
    if (graphOpen) {
        f.form->Command7_Click();
    }
    const MainWindowState before = Snapshot(f);
    f.cues.cues.clear();

    CloseThroughFrame(*help);
    DeleteClosedWindows();

    QVERIFY(help == nullptr);
    QCOMPARE(f.form->isVisible(), !graphOpen);
    QCOMPARE(Snapshot(f), before);
    QVERIFY(f.cues.cues.isEmpty());
    if (graphOpen) {
        QVERIFY(f.form->graphWindow() != nullptr && f.form->graphWindow()->isVisible());
        f.form->graphWindow()->Command1_Click();
        DeleteClosedWindows();
        QVERIFY(f.form->isVisible());
        QCOMPARE(Snapshot(f), before);
    }
    if (state == MainState::AutoRunning) {
        f.form->Timer1_Tick();
        QCOMPARE(f.tally.TrialCount(), before.trials + 1);
    }
}

void FaultMatrixTest::clicksWaitWhileAModalBoxIsOpen_data() {
    QTest::addColumn<bool>("exitQuestion");
    QTest::addColumn<bool>("throughFrame");
    QTest::newRow("exit question, いいえ clicked") << true << false;
    QTest::newRow("exit question, closed through its frame") << true << true;
    QTest::newRow("history-full notice, OK clicked") << false << false;
    QTest::newRow("history-full notice, closed through its frame") << false << true;
}

void FaultMatrixTest::clicksWaitWhileAModalBoxIsOpen() {
    QFETCH(bool, exitQuestion);
    QFETCH(bool, throughFrame);
    BoxedForm1 w;
    w.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.form.get()));
    if (!exitQuestion) {
        DrawInDeckOrder(w.tally, HistoryLastTrial - 1);
    }
    w.drawByHand(6);
    w.form->Command2_Click();
    w.form->Timer1_Tick();
    if (exitQuestion) {
        w.form->Command1_Click();
    }
    // The notice comes up with the draw, once the window is already Stopped.
    const std::int32_t trialsBefore = w.tally.TrialCount();
    const std::int32_t hitsBefore = w.tally.HitCount();

    QStringList seen;
    bool timerRan = true;
    std::optional<MainState> stateWhileOpen;
    QList<int> cardsWhileOpen;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen << box->windowTitle() << box->text() << ButtonTexts(*box).join(QLatin1Char('/'))
             << (box->defaultButton() != nullptr ? box->defaultButton()->text() : QString())
             << QString::number(box->icon());
        for (int n : {2, 4, 6, 7, 8}) {
            QTest::mouseClick(&CommandButton(*w.form, n), Qt::LeftButton);
        }
        timerRan = w.form->timerActive();
        QCoreApplication::processEvents();
        stateWhileOpen = ObservedState(*w.form);
        cardsWhileOpen = VisibleCards(*w.form);
        if (throughFrame) {
            CloseThroughFrame(*box);
        } else {
            QTest::mouseClick(
                ButtonReading(*box, exitQuestion ? QStringLiteral("いいえ") : QStringLiteral("OK")),
                Qt::LeftButton);
        }
    });
    QTest::mouseClick(&CommandButton(*w.form, exitQuestion ? 3 : 1), Qt::LeftButton);

    const QStringList expected =
        exitQuestion
            ? QStringList{QStringLiteral("トランプ"), QStringLiteral("終了していいですか？"),
                          QStringLiteral("いいえ/はい"), QStringLiteral("はい"),
                          QString::number(QMessageBox::NoIcon)}
            : QStringList{QStringLiteral("トランプ"), QString(), QStringLiteral("OK"),
                          QStringLiteral("OK"), QString::number(QMessageBox::NoIcon)};
    QCOMPARE(seen.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        if (!expected.at(i).isEmpty()) {
            QCOMPARE(seen.at(i), expected.at(i));
        }
    }
    QVERIFY(!timerRan);
    QCOMPARE(stateWhileOpen, std::optional(MainState::Stopped));
    QCOMPARE(cardsWhileOpen, QList<int>{6});
    QCOMPARE(w.programEnd.ends, 0);
    QCOMPARE(w.tally.TrialCount(), trialsBefore);
    QCOMPARE(w.tally.HitCount(), hitsBefore);
    QCOMPARE(ObservedState(*w.form), std::optional(MainState::Stopped));
    QVERIFY(w.form->graphWindow() == nullptr);
    QVERIFY(w.form->helpWindow() == nullptr);
    // Only the exit cue: neither 初期化 nor HELP got through.
    QCOMPARE(w.cues.cues.size(), exitQuestion ? 1 : 0);

    // Once the box is gone the same clicks work again.
    QTest::mouseClick(&CommandButton(*w.form, 2), Qt::LeftButton);
    QCOMPARE(w.form->state(), MainState::Shuffling);
}

void FaultMatrixTest::copyingInEveryStateTakesWhatIsOnShowAndChangesNothing_data() {
    mainWindowFrameEndsTheProgramInEveryState_data();
}

void FaultMatrixTest::copyingInEveryStateTakesWhatIsOnShowAndChangesNothing() {
    QFETCH(MainState, state);
    QFETCH(bool, helpOpen);
    Form1Fixture f;
    ShowInState(f, state, helpOpen);
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    const MainWindowState before = Snapshot(f);
    const QString shown = QStringList{Trimmed(f.form->label(3)), Trimmed(f.form->label(4)),
                                      f.form->label(6).text(), f.form->label(7).text()}
                              .join(QLatin1Char('\t'));
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();

    // The first four columns are what the boxes show; the hits by each
    // checkpoint follow.
    constexpr int ShownColumns = 4;
    constexpr int Columns = 9;
    QTest::keyClick(f.form.get(), Qt::Key_C, Qt::ControlModifier);
    const QStringList copied = clipboard->text().split(QLatin1Char('\t'));
    QCOMPARE(copied.size(), Columns);
    QCOMPARE(copied.mid(0, ShownColumns).join(QLatin1Char('\t')), shown);
    const QString line = clipboard->text();
    f.form->copyResults(true);
    QCOMPARE(clipboard->text().split(QLatin1Char('\n')).value(1), line);

    QCOMPARE(Snapshot(f), before);
    QCOMPARE(f.form->state(), state);
    QCOMPARE(f.cues.cues.size(), helpOpen ? 1 : 0);
}

QTEST_MAIN(FaultMatrixTest)
#include "test_fault_matrix.moc"
