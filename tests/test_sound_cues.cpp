// Which writes the three cue buttons make to MMControl1, and that the cue
// comes before each handler's own work.

#include "platform/fonts.h"
#include "tests/support/fakes.h"
#include "tests/support/form1_fixture.h"
#include "ui/main/form1.h"

#include <QtTest>
#include <functional>

namespace {

using Handler = void (Form1::*)();

// Records every write, and what the window looked like as it was made.
class WatchingSoundControl final : public SoundControl {
public:
    void setCommand(const QString& command) override {
        writes << QStringLiteral("command:") + command;
        seen << look();
    }
    void setFileName(const QString& fileName) override {
        writes << QStringLiteral("file:") + fileName;
        seen << look();
    }
    std::function<QString()> look;
    QStringList writes;
    QStringList seen;
};

// A loaded main window with one card counted, its sound control watching.
struct WatchedSound {
    WatchingSoundControl control;
};
struct WatchedForm1 : WatchedSound, Form1Fixture {
    WatchedForm1() : Form1Fixture(control) {
        generator.queueCards({3});
        form->Command2_Click();
        form->Timer1_Tick();
        form->Command1_Click();
        control.look = [this] {
            return QStringLiteral("asked %1, trials %2, help %3")
                .arg(confirmation.questions.size())
                .arg(module.TrialCount)
                .arg(form->helpWindow() != nullptr);
        };
    }
};

QStringList CueWrites(const QString& fileName) {
    return {QStringLiteral("command:Stop"), QStringLiteral("command:Close"),
            QStringLiteral("file:") + fileName, QStringLiteral("command:Open"),
            QStringLiteral("command:Sound")};
}

const QString Untouched = QStringLiteral("asked 0, trials 1, help 0");

} // namespace

Q_DECLARE_METATYPE(Handler)

class SoundCuesTest : public QObject {
    Q_OBJECT
private slots:
    void cueButtonPlaysItsFileFirst_data();
    void cueButtonPlaysItsFileFirst();
    void otherButtonsLeaveTheSoundAlone_data();
    void otherButtonsLeaveTheSoundAlone();
};

void SoundCuesTest::cueButtonPlaysItsFileFirst_data() {
    QTest::addColumn<Handler>("click");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("after");
    QTest::newRow("終了 answered no: endpinpon, then the question")
        << &Form1::Command3_Click << QStringLiteral("endpinpon.wav")
        << QStringLiteral("asked 1, trials 1, help 0");
    QTest::newRow("初期化: pinpon, then the reset")
        << &Form1::Command6_Click << QStringLiteral("pinpon.wav")
        << QStringLiteral("asked 0, trials 0, help 0");
    QTest::newRow("HELP: pinpon, then the help window")
        << &Form1::Command8_Click << QStringLiteral("pinpon.wav")
        << QStringLiteral("asked 0, trials 1, help 1");
}

void SoundCuesTest::cueButtonPlaysItsFileFirst() {
    QFETCH(Handler, click);
    QFETCH(QString, file);
    QFETCH(QString, after);
    WatchedForm1 w;
    w.confirmation.answer = AnswerNo;

    (w.form.get()->*click)();

    QCOMPARE(w.control.writes, CueWrites(file));
    QCOMPARE(w.control.seen, QStringList(5, Untouched));
    QCOMPARE(w.control.look(), after);
    QCOMPARE(w.programEnd.ends, 0);

    // Clicked again, the cue is played again in full: nothing is remembered.
    (w.form.get()->*click)();
    QCOMPARE(w.control.writes, CueWrites(file) + CueWrites(file));
}

void SoundCuesTest::otherButtonsLeaveTheSoundAlone_data() {
    QTest::addColumn<Handler>("click");
    QTest::newRow("トランプをきる") << &Form1::Command2_Click;
    QTest::newRow("トランプを引く") << &Form1::Command1_Click;
    QTest::newRow("自動 Start") << &Form1::Command4_Click;
    QTest::newRow("自動 Stop") << &Form1::Command5_Click;
    QTest::newRow("グラフ表示") << &Form1::Command7_Click;
}

void SoundCuesTest::otherButtonsLeaveTheSoundAlone() {
    QFETCH(Handler, click);
    WatchedForm1 w;
    w.control.writes.clear();

    (w.form.get()->*click)();
    w.form->Timer1_Tick();

    QCOMPARE(w.control.writes, QStringList());
}

QTEST_MAIN(SoundCuesTest)
#include "test_sound_cues.moc"
