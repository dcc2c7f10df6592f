// A whole session of clicks while every cue fails in its own way: the counts
// must come out as they do with working cues, and each problem is reported
// once. The single cue faults are in test_sound_silent.
#include "platform/fonts.h"
#include "platform/qt_sound_control.h"
#include "tests/support/cue_files.h"
#include "tests/support/fakes.h"
#include "tests/support/form1_checks.h"
#include "tests/support/form1_fixture.h"
#include "ui/graph/form2.h"
#include "ui/main/desktop_services.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum class CueFault { Missing, Folder, Unreadable, Corrupt, NoAudioOutput };

// Bytes that are no WAV file, the same on every run.
QByteArray Garbage() {
    QByteArray bytes(4096, '\0');
    for (int i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>((i * 131 + 7) % 251);
    }
    return bytes;
}

// The main window with its counters, playing its cues through the player given.
struct Session : Form1Fixture {
    explicit Session(CuePlayer* player) : Form1Fixture({.cues = player}) { form->show(); }
};

// What the main window shows after each step of the session.
QStringList Observe(Session& s) {
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
QList<QStringList> PlaySession(Session& s) {
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
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

class FaultSoundTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QTest::failOnWarning(QRegularExpression(
            QStringLiteral("^(toranpu:|PulseAudioService|No audio device|QSoundEffect)")));
    }

    void sessionCountsAsWithWorkingCues_data();
    void sessionCountsAsWithWorkingCues();
};

void FaultSoundTest::sessionCountsAsWithWorkingCues_data() {
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

void FaultSoundTest::sessionCountsAsWithWorkingCues() {
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

    Session reference(nullptr);
    const QList<QStringList> expected = PlaySession(reference);
    QCOMPARE(reference.cues.cues.size(), 7);

    for (const QString& warning : warnings) {
        QTest::ignoreMessage(QtWarningMsg, WarningAbout(warning));
    }
    QtSoundControl failing;
    SoundCues failingCues(failing);
    Session session(&failingCues);
    const QList<QStringList> seen = PlaySession(session);
    QCOMPARE(seen.size(), expected.size());
    for (qsizetype step = 0; step < seen.size(); ++step) {
        QCOMPARE(seen.at(step), expected.at(step));
    }
    QVERIFY(!failing.isSounding());
    QVERIFY(failing.effect() == nullptr);
}

int main(int argc, char** argv) {
    // A sound server that does not exist, whatever the machine offers.
    qputenv("PULSE_SERVER", "unix:/nonexistent/toranpu-test-no-sound-server");
    QApplication app(argc, argv);
    FaultSoundTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fault_sound.moc"
