// The main window as a view: its controls show what its rules say, its
// buttons reach the rules, and its secondary windows come and go.
#include "tests/support/form1_checks.h"
#include "tests/support/form1_fixture.h"
#include "ui/graph/form2.h"
#include "ui/help/form4.h"

#include <QPointer>
#include <QtTest>

namespace {

// Everything the window shows must agree with the rules and the tally.
void CheckControlsAgree(Form1Fixture& f) {
    QCOMPARE(ObservedState(*f.form), std::optional(f.form->state()));
    QCOMPARE(VisibleCards(*f.form), QList<int>{f.form->cardOnShow()});
    QCOMPARE(Trimmed(f.form->label(3)), QString::number(f.tally.TrialCount()));
    QCOMPARE(Trimmed(f.form->label(4)), QString::number(f.tally.HitCount()));
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT
private slots:
    void startsWithTheAceOfSpadesAndZeroCounts();
    void buttonsDriveTheRulesAndTheControlsFollow();
    void closingTheFrameEndsWithoutAQuestion();
    void graphAndHelpWindowsComeAndGo();
    void helpClosedBesideTheGraphLeavesTheMainWindowHidden();
};

void Form1Test::startsWithTheAceOfSpadesAndZeroCounts() {
    Form1Fixture f;
    QCOMPARE(VisibleCards(*f.form), QList<int>{1});
    QCOMPARE(ObservedState(*f.form), std::optional(MainState::Idle));
    QCOMPARE(f.form->label(3).text(), QStringLiteral("0"));
    QCOMPARE(f.form->label(4).text(), QStringLiteral("0"));
    QCOMPARE(f.form->label(6).text(), QString());
    QCOMPARE(f.form->label(7).text(), QStringLiteral("0.3076923"));
    QCOMPARE(f.tally.TrialCount(), 0);
    QCOMPARE(f.tally.HitCount(), 0);
    QVERIFY(f.cues.cues.isEmpty());
}

void Form1Test::buttonsDriveTheRulesAndTheControlsFollow() {
    Form1Fixture f;
    f.form->show();
    f.generator.queueCards({40, 12, 3, 7});
    CommandButton(*f.form, 2).click();
    QCOMPARE(f.form->state(), MainState::Shuffling);
    QVERIFY(f.form->timerActive());
    f.form->Timer1_Tick();
    CheckControlsAgree(f);
    f.form->Timer1_Tick();
    CommandButton(*f.form, 1).click();
    QCOMPARE(f.form->state(), MainState::Stopped);
    QCOMPARE(VisibleCards(*f.form), QList<int>{12});
    QCOMPARE(f.form->label(3).text(), QStringLiteral(" 1"));
    QCOMPARE(f.form->label(6).text(), QStringLiteral("1.0000000"));
    CheckControlsAgree(f);

    CommandButton(*f.form, 4).click();
    QCOMPARE(f.form->state(), MainState::AutoRunning);
    for (int tick = 0; tick < 5; ++tick) {
        f.form->Timer1_Tick();
        CheckControlsAgree(f);
    }
    CommandButton(*f.form, 5).click();
    QCOMPARE(f.form->state(), MainState::Stopped);
    CommandButton(*f.form, 4).click();
    f.runToTheLimit();
    QCOMPARE(f.form->state(), MainState::Finished);
    QVERIFY(!f.form->timerActive());
    QCOMPARE(f.form->label(3).text(), QStringLiteral("1000"));
    CheckControlsAgree(f);

    CommandButton(*f.form, 6).click();
    QCOMPARE(f.cues.cues, QStringList{QStringLiteral("pinpon.wav")});
    QCOMPARE(f.form->label(6).text(), QString());
    CheckControlsAgree(f);
    CommandButton(*f.form, 3).click();
    QCOMPARE(f.confirmation.questions.size(), 1);
    QCOMPARE(f.form->state(), MainState::Idle);
}

void Form1Test::closingTheFrameEndsWithoutAQuestion() {
    Form1Fixture f;
    f.form->show();
    f.form->Command8_Click();
    f.cues.cues.clear();
    f.form->close();
    QCOMPARE(f.programEnd.ends, 1);
    QVERIFY(f.confirmation.questions.isEmpty());
    QVERIFY(f.cues.cues.isEmpty());
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
    DeleteClosedWindows();
    QVERIFY(f.form->isVisible());
    QVERIFY(f.form->graphWindow() == nullptr);
    QCOMPARE(f.form->state(), MainState::Stopped);
    QCOMPARE(f.tally.TrialCount(), 1);

    f.form->Command8_Click();
    QVERIFY(f.form->isVisible() && f.form->isEnabled());
    QVERIFY(f.form->helpWindow() != nullptr && f.form->helpWindow()->isVisible());
    QVERIFY(f.form->command(8).isEnabled());
}

void Form1Test::helpClosedBesideTheGraphLeavesTheMainWindowHidden() {
    Form1Fixture f;
    f.form->show();
    f.drawByHand(3);
    f.form->Command8_Click();
    f.form->Command7_Click();
    QPointer<Form4> help = f.form->helpWindow();
    QVERIFY(help != nullptr);

    help->Command1_Click();
    DeleteClosedWindows();

    QVERIFY(help == nullptr);
    QVERIFY(f.form->isHidden());
    QVERIFY(f.form->graphWindow() != nullptr && f.form->graphWindow()->isVisible());
    f.form->graphWindow()->Command1_Click();
    DeleteClosedWindows();
    QVERIFY(f.form->isVisible());
}

QTEST_MAIN(Form1Test)
#include "test_form1.moc"
