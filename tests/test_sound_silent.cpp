// The sound control where no cue can be heard: files missing or broken, and
// no sound server at all. The buttons must still do their work, return at
// once and say so at most once per problem; a whole session of clicks counts
// as it does with working cues.

#include "platform/fonts.h"
#include "platform/qt_sound_control.h"
#include "tests/support/cue_files.h"
#include "tests/support/fakes.h"
#include "tests/support/form1_checks.h"
#include "tests/support/form1_fixture.h"
#include "ui/graph/form2.h"
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

enum class CueFault { Missing, Folder, Unreadable, Corrupt, NoAudioOutput };

// Bytes that are no WAV file, the same on every run.
QByteArray Garbage() {
    QByteArray bytes(4096, '\0');
    for (int i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>((i * 131 + 7) % 251);
    }
    return bytes;
}

// What the main window shows after each step of the session.
QStringList Observe(Form1Fixture& s) {
    const auto state = ObservedState(*s.form);
    return {QString::number(state ? static_cast<int>(*state) : -1),
            QString::number(s.tally.TrialCount()),
            QString::number(s.tally.HitCount()),
            s.form->label(3).text(),
            s.form->label(4).text(),
            s.form->label(6).text(),
            QString::number(VisibleCards(*s.form).value(0)),
            QString::number(s.confirmation.questions.size()),
            QString::number(s.programEnd.ends)};
}

// Every button with a cue, between draws by hand, an automatic run and the graph.
QList<QStringList> PlaySession(Form1Fixture& s) {
    QList<QStringList> seen;
    s.form->Command8_Click();
    seen << Observe(s);
    for (int card : {3, 7, 12, 13}) {
        s.drawByHand(card);
        seen << Observe(s);
    }
    s.form->Command8_Click();
    s.form->Command3_Click();
    seen << Observe(s);
    s.generator.values = {ScriptedGenerator::ValueFor(9)};
    s.form->Command4_Click();
    s.runToTheLimit();
    seen << Observe(s);
    s.form->Command7_Click();
    s.form->graphWindow()->Command1_Click();
    DeleteClosedWindows();
    s.form->Command3_Click();
    seen << Observe(s);
    s.form->Command6_Click();
    seen << Observe(s);
    s.drawByHand(6);
    s.form->Command6_Click();
    s.form->Command3_Click();
    seen << Observe(s);
    return seen;
}

QRegularExpression WarningAbout(const QString& what) {
    return QRegularExpression(QStringLiteral("^toranpu: .*") + QRegularExpression::escape(what));
}

// Whether this process can read a file that grants no permission (root can).
bool PermissionsBindUs(const QString& path) {
    QFile file(path);
    return !file.open(QIODevice::ReadOnly);
}

} // namespace

Q_DECLARE_METATYPE(CueFault)

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
    void sessionCountsAsWithWorkingCues_data();
    void sessionCountsAsWithWorkingCues();
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
    QTest::newRow("one byte short of the length its header gives") << shipped.chopped(1);
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

void SoundSilentTest::sessionCountsAsWithWorkingCues_data() {
    QTest::addColumn<CueFault>("fault");
    QTest::addColumn<QStringList>("warnings");
    QTest::newRow("both files missing") << CueFault::Missing
                                        << QStringList{QStringLiteral("pinpon.wav not found"),
                                                       QStringLiteral("endpinpon.wav not found")};
    QTest::newRow("a folder named pinpon.wav")
        << CueFault::Folder
        << QStringList{QStringLiteral("pinpon.wav cannot be read"),
                       QStringLiteral("no audio output")};
    QTest::newRow("both files without read permission")
        << CueFault::Unreadable
        << QStringList{QStringLiteral("pinpon.wav cannot be read"),
                       QStringLiteral("endpinpon.wav cannot be read")};
    QTest::newRow("both files corrupt")
        << CueFault::Corrupt
        << QStringList{QStringLiteral("pinpon.wav is not a complete WAV file"),
                       QStringLiteral("endpinpon.wav is not a complete WAV file")};
    QTest::newRow("good files, no audio output")
        << CueFault::NoAudioOutput << QStringList{QStringLiteral("no audio output")};
}

void SoundSilentTest::sessionCountsAsWithWorkingCues() {
    QFETCH(CueFault, fault);
    QFETCH(QStringList, warnings);
    WorkingDirectory cwd;
    for (const char* cue : {InitCue, ExitCue}) {
        QVERIFY(WriteFile(cwd.path(cue), fault == CueFault::Corrupt ? Garbage() : ShippedCue(cue)));
    }
    switch (fault) {
    case CueFault::Missing:
        QVERIFY(QFile::remove(cwd.path(InitCue)) && QFile::remove(cwd.path(ExitCue)));
        break;
    case CueFault::Folder:
        QVERIFY(QFile::remove(cwd.path(InitCue)) && QDir(cwd.path({})).mkdir(InitCue));
        break;
    case CueFault::Unreadable:
        for (const char* cue : {InitCue, ExitCue}) {
            QVERIFY(QFile::setPermissions(cwd.path(cue), {}));
        }
        if (!PermissionsBindUs(cwd.path(InitCue))) {
            QSKIP("running as root, which reads files without permissions; the row "
                  "\"a folder named pinpon.wav\" stands in for it");
        }
        break;
    case CueFault::Corrupt:
    case CueFault::NoAudioOutput:
        break;
    }

    Form1Fixture reference;
    reference.form->show();
    const QList<QStringList> expected = PlaySession(reference);
    QCOMPARE(reference.cues.cues.size(), 7);

    for (const QString& warning : warnings) {
        QTest::ignoreMessage(QtWarningMsg, WarningAbout(warning));
    }
    SoundingForm1 session;
    session.form->show();
    const QList<QStringList> seen = PlaySession(session);
    QCOMPARE(seen.size(), expected.size());
    for (qsizetype step = 0; step < seen.size(); ++step) {
        QCOMPARE(seen.at(step), expected.at(step));
    }
    QVERIFY(!session.control.isSounding());
    QVERIFY(session.control.effect() == nullptr);
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
