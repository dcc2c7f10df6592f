// The main window's handlers and the states they move the buttons through.
#include "engine/number_text.h"
#include "tests/support/form1_checks.h"
#include "tests/support/form1_fixture.h"

#include <QtTest>

namespace {

const QString ExitQuestion = QStringLiteral("トランプ|終了していいですか？");

using Action = void (Form1::*)();

} // namespace

Q_DECLARE_METATYPE(Form1State)

class Form1Test : public QObject {
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
    void closingTheFrameEndsWithoutAQuestion();
    void graphAndHelpWindowsComeAndGo();
};

void Form1Test::startsWithTheAceOfSpadesAndZeroCounts() {
    Form1Fixture f;
    QCOMPARE(VisibleCards(*f.form), QList<int>{1});
    QCOMPARE(ObservedState(*f.form), std::optional(Form1State::Idle));
    QCOMPARE(f.form->Label3.text(), QStringLiteral("0"));
    QCOMPARE(f.form->Label4.text(), QStringLiteral("0"));
    QCOMPARE(f.form->Label6.text(), QString());
    QCOMPARE(f.form->Label7.text(), QStringLiteral("0.3076923"));
    QCOMPARE(f.module.TrialCount, 0);
    QCOMPARE(f.form->HitCount, 0);
    QVERIFY(f.sound.writes.isEmpty());
}

void Form1Test::handlersMoveThroughTheFiveStates_data() {
    QTest::addColumn<QList<Action>>("actions");
    QTest::addColumn<Form1State>("expected");
    using F = Form1;
    auto row = [](const char* name, const QList<Action>& actions, Form1State state) {
        QTest::newRow(name) << actions << state;
    };
    row("Idle -shuffle-> Shuffling", {&F::Command2_Click}, Form1State::Shuffling);
    row("Shuffling -tick-> Shuffling", {&F::Command2_Click, &F::Timer1_Tick},
        Form1State::Shuffling);
    row("Shuffling -draw-> Stopped", {&F::Command2_Click, &F::Command1_Click}, Form1State::Stopped);
    row("Idle -auto start-> AutoRunning", {&F::Command4_Click}, Form1State::AutoRunning);
    row("AutoRunning -tick-> AutoRunning", {&F::Command4_Click, &F::Timer1_Tick},
        Form1State::AutoRunning);
    row("AutoRunning -auto stop-> Stopped", {&F::Command4_Click, &F::Command5_Click},
        Form1State::Stopped);
    row("Stopped -shuffle-> Shuffling",
        {&F::Command2_Click, &F::Command1_Click, &F::Command2_Click}, Form1State::Shuffling);
    row("Stopped -auto start-> AutoRunning",
        {&F::Command2_Click, &F::Command1_Click, &F::Command4_Click}, Form1State::AutoRunning);
    row("Stopped -init-> Idle", {&F::Command2_Click, &F::Command1_Click, &F::Command6_Click},
        Form1State::Idle);
    row("Stopped -exit, No-> Stopped", {&F::Command2_Click, &F::Command1_Click, &F::Command3_Click},
        Form1State::Stopped);
    row("Stopped -help-> Stopped", {&F::Command2_Click, &F::Command1_Click, &F::Command8_Click},
        Form1State::Stopped);
    row("Idle -exit, No-> Idle", {&F::Command3_Click}, Form1State::Idle);
    row("Idle -help-> Idle", {&F::Command8_Click}, Form1State::Idle);
}

void Form1Test::handlersMoveThroughTheFiveStates() {
    QFETCH(QList<Action>, actions);
    QFETCH(Form1State, expected);
    Form1Fixture f;
    for (Action action : actions) {
        (f.form.get()->*action)();
    }
    QCOMPARE(ObservedState(*f.form), std::optional(expected));
    QCOMPARE(f.form->state(), expected);
}

void Form1Test::shuffleShowsExactlyOneCardPerTick() {
    Form1Fixture f;
    f.generator.queueCards({12, 40, 27});
    f.form->Command2_Click();
    for (int card : {12, 40, 27}) {
        f.form->Timer1_Tick();
        QCOMPARE(VisibleCards(*f.form), QList<int>{card});
    }
    QCOMPARE(f.module.TrialCount, 0);
    QCOMPARE(f.form->Label3.text(), QStringLiteral("0"));
}

void Form1Test::drawCountsTheCardOnShowAndKeepsIt() {
    Form1Fixture f;
    f.generator.queueCards({40, 12});
    f.form->Command2_Click();
    f.form->Timer1_Tick();
    f.form->Timer1_Tick(); // queen of spades on show: a hit
    f.form->Command1_Click();
    QCOMPARE(VisibleCards(*f.form), QList<int>{12});
    QVERIFY(!f.form->Timer1.isActive());
    QCOMPARE(f.form->CardRank, Rank{12});
    QCOMPARE(f.form->HitCount, 1);
    QCOMPARE(f.module.TrialCount, 1);
    QCOMPARE(f.module.RatioHistory[1], 1.0f);
}

void Form1Test::drawBeforeTheFirstTickCountsTheCardOnShow() {
    Form1Fixture f;
    // Straight after start-up the ace of spades is on show: rank 1, a miss.
    f.form->Command2_Click();
    f.form->Command1_Click();
    QCOMPARE(f.form->CardRank, Rank{1});
    QCOMPARE(f.form->HitCount, 0);
    QCOMPARE(f.form->Label6.text(), QStringLiteral("0.0000000"));

    // Later the card from the previous shuffle is still on show and is counted again.
    f.generator.queueCards({9});
    f.form->Command2_Click();
    f.form->Timer1_Tick();
    f.form->Command1_Click();
    f.form->Command2_Click();
    f.form->Command1_Click();
    QCOMPARE(VisibleCards(*f.form), QList<int>{9});
    QCOMPARE(f.form->HitCount, 2);
    QCOMPARE(f.module.TrialCount, 3);

    // After initialisation the ace of spades is on show again.
    f.form->Command6_Click();
    f.form->Command2_Click();
    f.form->Command1_Click();
    QCOMPARE(f.form->CardRank, Rank{1});
    QCOMPARE(f.form->HitCount, 0);
}

void Form1Test::automaticRunStopsAtExactlyOneThousand() {
    Form1Fixture f;
    f.generator.queueCards({3, 1, 1});
    f.form->Command4_Click();
    int ticks = 0;
    while (f.form->state() == Form1State::AutoRunning && ticks < 2 * AutoTrialLimit) {
        f.form->Timer1_Tick();
        ++ticks;
        QCOMPARE(ObservedState(*f.form).has_value(), true);
        QVERIFY(f.form->command(5).isEnabled() || f.form->state() == Form1State::Finished);
        QVERIFY(!f.form->command(1).isEnabled());
    }
    QCOMPARE(ticks, AutoTrialLimit + 1);
    QCOMPARE(f.form->state(), Form1State::Finished);
    QCOMPARE(ObservedState(*f.form), std::optional(Form1State::Finished));
    QCOMPARE(f.module.TrialCount, AutoTrialLimit);
    QCOMPARE(f.form->HitCount, 1); // only the first card was a hit
    QCOMPARE(f.form->Label3.text(), QStringLiteral("1000"));
    QCOMPARE(f.form->Label6.text(), QStringLiteral("0.0010000"));
}

void Form1Test::stoppedRunContinuesByHandAndToTheLimit() {
    Form1Fixture f;
    f.generator.queueCards({1});
    f.form->Command4_Click();
    for (int i = 0; i < 10; ++i) {
        f.form->Timer1_Tick();
    }
    f.form->Command5_Click();
    QCOMPARE(f.form->state(), Form1State::Stopped);
    QCOMPARE(f.module.TrialCount, 10);

    f.form->Command2_Click();
    f.form->Timer1_Tick();
    f.form->Command1_Click();
    QCOMPARE(f.module.TrialCount, 11);

    f.form->Command4_Click();
    while (f.form->state() == Form1State::AutoRunning) {
        f.form->Timer1_Tick();
    }
    QCOMPARE(f.module.TrialCount, AutoTrialLimit);
    QVERIFY(!f.form->command(2).isEnabled() && !f.form->command(4).isEnabled());
}

void Form1Test::labelFormsDifferBetweenManualAndAutomatic() {
    Form1Fixture f;
    f.generator.queueCards({3, 2});
    f.form->Command2_Click();
    f.form->Timer1_Tick();
    f.form->Command1_Click();
    QCOMPARE(f.form->Label3.text(), QStringLiteral(" 1"));
    QCOMPARE(f.form->Label4.text(), QStringLiteral(" 1"));

    f.form->Command4_Click();
    f.form->Timer1_Tick(); // a miss: the hit label keeps its padded form
    QCOMPARE(f.form->Label3.text(), QStringLiteral("2"));
    QCOMPARE(f.form->Label4.text(), QStringLiteral(" 1"));
    QCOMPARE(f.form->Label6.text(), QStringLiteral("0.5000000"));
}

void Form1Test::exitAsksAndEndsOnlyOnYes() {
    Form1Fixture f;
    f.form->Command2_Click();
    f.form->Command1_Click();
    f.confirmation.answer = AnswerNo;
    f.form->Command3_Click();
    QCOMPARE(f.confirmation.questions, QStringList{ExitQuestion});
    QCOMPARE(f.programEnd.ends, 0);
    QCOMPARE(f.form->state(), Form1State::Stopped);
    QCOMPARE(f.module.TrialCount, 1);

    f.confirmation.answer = AnswerYes;
    f.form->Command3_Click();
    QCOMPARE(f.programEnd.ends, 1);
}

void Form1Test::initialisationRestartsButKeepsTheHistory() {
    Form1Fixture f;
    f.generator.queueCards({3, 3, 1});
    f.form->Command4_Click();
    for (int i = 0; i < 3; ++i) {
        f.form->Timer1_Tick();
    }
    f.form->Command5_Click();
    f.form->Command6_Click();
    QCOMPARE(VisibleCards(*f.form), QList<int>{1});
    QCOMPARE(f.form->Label3.text(), QStringLiteral("0"));
    QCOMPARE(f.form->Label4.text(), QStringLiteral("0"));
    QCOMPARE(f.form->Label6.text(), QString());
    QCOMPARE(f.module.TrialCount, 0);
    QCOMPARE(f.form->HitCount, 0);
    QCOMPARE(f.module.RatioHistory[2], 1.0f);
    QCOMPARE(f.module.RatioHistory[3], 2.0f / 3.0f);
    QCOMPARE(f.form->state(), Form1State::Idle);
}

void Form1Test::trialBeyondTheHistoryIsRefusedWithAMessage() {
    Form1Fixture f;
    f.module.TrialCount = HistoryLastTrial;
    f.form->HitCount = 1234;
    f.module.RatioHistory[HistoryLastTrial] = 0.25f;
    f.generator.queueCards({3});
    f.form->Command2_Click();
    f.form->Timer1_Tick();
    const QString label3 = f.form->Label3.text();
    f.form->Command1_Click();
    QCOMPARE(f.confirmation.notices.size(), 1);
    QVERIFY(f.confirmation.notices.first().startsWith(QStringLiteral("トランプ|")));
    QVERIFY(f.confirmation.notices.first().contains(QStringLiteral("初期化")));
    QCOMPARE(f.module.TrialCount, HistoryLastTrial);
    QCOMPARE(f.form->HitCount, 1234);
    QCOMPARE(f.module.RatioHistory[HistoryLastTrial], 0.25f);
    QCOMPARE(f.form->Label3.text(), label3);
    QCOMPARE(ObservedState(*f.form), std::optional(Form1State::Stopped));
}

void Form1Test::closingTheFrameEndsWithoutAQuestion() {
    Form1Fixture f;
    f.form->show();
    f.form->Command8_Click();
    f.sound.writes.clear();
    f.form->close();
    QCOMPARE(f.programEnd.ends, 1);
    QVERIFY(f.confirmation.questions.isEmpty());
    QVERIFY(f.sound.writes.isEmpty());
}

void Form1Test::graphAndHelpWindowsComeAndGo() {
    Form1Fixture f;
    f.form->show();
    f.form->Command2_Click();
    f.form->Command1_Click();
    f.form->Command7_Click();
    QVERIFY(f.form->isHidden());
    QVERIFY(f.form->graphWindow() != nullptr && f.form->graphWindow()->isVisible());
    f.form->graphWindow()->Command1_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f.form->isVisible());
    QVERIFY(f.form->graphWindow() == nullptr);
    QCOMPARE(f.form->state(), Form1State::Stopped);
    QCOMPARE(f.module.TrialCount, 1);

    f.form->Command8_Click();
    QVERIFY(f.form->isVisible() && f.form->isEnabled());
    QVERIFY(f.form->helpWindow() != nullptr && f.form->helpWindow()->isVisible());
    QVERIFY(f.form->command(8).isEnabled());
}

QTEST_MAIN(Form1Test)
#include "test_form1.moc"
