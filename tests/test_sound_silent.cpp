// The sound control where no cue can be heard: files missing or broken, and
// no sound server at all. The buttons must still do their work, return at
// once and say so at most once per problem.

#include "platform/fonts.h"
#include "platform/qt_sound_control.h"
#include "tests/support/cue_files.h"
#include "tests/support/fakes.h"
#include "tests/support/form1_fixture.h"
#include "ui/help/form4.h"
#include "ui/main/desktop_services.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

// A loaded main window playing through the real sound control.
struct RealSound {
    QtSoundControl control;
    SoundCues realCues{control};
};
struct SoundingForm1 : RealSound, Form1Fixture {
    SoundingForm1() : Form1Fixture({.cues = &realCues}) {}
};

// Clicks each cue button twice and checks that each did its work.
void ClickEveryCueButtonTwice(SoundingForm1& w) {
    for (int round = 1; round <= 2; ++round) {
        w.drawByHand(3);
        QCOMPARE(w.tally.TrialCount(), 1);
        w.form->Command6_Click();
        QCOMPARE(w.tally.TrialCount(), 0);
        QCOMPARE(w.form->state(), MainState::Idle);

        w.form->Command8_Click();
        QVERIFY(w.form->helpWindow() != nullptr);
        QVERIFY(w.form->helpWindow()->isVisible());

        w.form->Command3_Click();
        QCOMPARE(w.confirmation.questions.size(), round);
        QCOMPARE(w.programEnd.ends, 0);
    }
}

QRegularExpression WarningAbout(const QString& what) {
    return QRegularExpression(QStringLiteral("^toranpu: .*") + QRegularExpression::escape(what));
}

} // namespace

class SoundSilentTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void stopAndCloseDoNothingWhenNothingIsOpen();
    void missingFilesGiveOneWarningEach();
    void unplayableFileIsNotOpened_data();
    void unplayableFileIsNotOpened();
    void withoutAudioOutputTheButtonsStillWork();
    void bareNameIsLookedUpWhenOpened();
};

void SoundSilentTest::init() {
    // Any word about sound beyond the warnings a test expects is a fault.
    QTest::failOnWarning(QRegularExpression(
        QStringLiteral("^(toranpu:|PulseAudioService|No audio device|QSoundEffect)")));
}

void SoundSilentTest::stopAndCloseDoNothingWhenNothingIsOpen() {
    QtSoundControl control;
    control.setCommand(SoundCommand::Stop);
    control.setCommand(SoundCommand::Close);
    control.setCommand(SoundCommand::Sound);
    QCOMPARE(control.openFile(), QString());
    QVERIFY(control.effect() == nullptr);
    QVERIFY(!control.isSounding());
}

void SoundSilentTest::missingFilesGiveOneWarningEach() {
    WorkingDirectory cwd;
    SoundingForm1 w;
    QTest::ignoreMessage(QtWarningMsg, WarningAbout(QStringLiteral("pinpon.wav not found")));
    QTest::ignoreMessage(QtWarningMsg, WarningAbout(QStringLiteral("endpinpon.wav not found")));

    ClickEveryCueButtonTwice(w);

    QCOMPARE(w.control.openFile(), QString());
    QVERIFY(w.control.effect() == nullptr);
    QVERIFY(!w.control.isSounding());
}

void SoundSilentTest::unplayableFileIsNotOpened_data() {
    QTest::addColumn<QByteArray>("content");
    const QByteArray shipped = ShippedCue(InitCue);
    QByteArray noise(4096, '\0');
    QRandomGenerator generator(20240611);
    generator.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);

    QTest::newRow("random bytes") << noise;
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("RIFF header only") << shipped.left(12);
    QTest::newRow("cut off in the samples") << shipped.left(shipped.size() / 2);
    QTest::newRow("header without samples") << shipped.left(44);
    // A header that declares no samples at all, consistent in its sizes.
    QByteArray empty = shipped.left(44);
    qToLittleEndian<quint32>(36, empty.data() + 4);
    qToLittleEndian<quint32>(0, empty.data() + 40);
    QTest::newRow("header declaring no samples") << empty;
}

void SoundSilentTest::unplayableFileIsNotOpened() {
    QFETCH(QByteArray, content);
    WorkingDirectory cwd;
    QVERIFY(WriteFile(cwd.path(InitCue), content));
    QtSoundControl control;
    SoundCues cues(control);
    QTest::ignoreMessage(QtWarningMsg,
                         WarningAbout(QStringLiteral("pinpon.wav is not a complete WAV file")));

    cues.PlayCue(InitCue);
    cues.PlayCue(InitCue);

    QCOMPARE(control.openFile(), QString());
    QVERIFY(control.effect() == nullptr);
    QVERIFY(!control.isSounding());
}

void SoundSilentTest::withoutAudioOutputTheButtonsStillWork() {
    WorkingDirectory cwd;
    QVERIFY(cwd.holdsShippedCues());
    SoundingForm1 w;
    QTest::ignoreMessage(QtWarningMsg, WarningAbout(QStringLiteral("no audio output")));

    ClickEveryCueButtonTwice(w);

    // The exit cue's file stays open until the next cue, silent.
    QCOMPARE(w.control.openFile(), cwd.path(ExitCue));
    QVERIFY(w.control.effect() == nullptr);
    QVERIFY(!w.control.isSounding());
}

void SoundSilentTest::bareNameIsLookedUpWhenOpened() {
    WorkingDirectory first;
    QtSoundControl control;
    control.setFileName(InitCue);
    {
        WorkingDirectory second;
        QVERIFY(second.holdsShippedCues());
        QTest::ignoreMessage(QtWarningMsg, WarningAbout(QStringLiteral("no audio output")));
        control.setCommand(SoundCommand::Open);
        QCOMPARE(control.openFile(), second.path(InitCue));
    }
    // Closing forgets the file but not its name.
    control.setCommand(SoundCommand::Close);
    QCOMPARE(control.openFile(), QString());
    QTest::ignoreMessage(QtWarningMsg, WarningAbout(QStringLiteral("pinpon.wav not found")));
    control.setCommand(SoundCommand::Open);
    QCOMPARE(control.openFile(), QString());
}

int main(int argc, char** argv) {
    // Point this process at a sound server that does not exist, whatever the
    // machine offers, so that every cue is silent.
    qputenv("PULSE_SERVER", "unix:/nonexistent/toranpu-test-no-sound-server");
    QApplication app(argc, argv);
    SoundSilentTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_sound_silent.moc"
