// Cues played for real through whatever sound server the test finds (the
// test script starts one with a null sink). Skipped where there is none.

#include "controller/main_controller.h"
#include "platform/qt_sound_control.h"
#include "tests/support/cue_files.h"
#include "ui/main/desktop_services.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QPointer>
#include <QProcess>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWaveDecoder>
#include <QtTest>
#include <cmath>
#include <numbers>

namespace {

// Generous: the server may be slow on a loaded machine.
constexpr int StateTimeoutMs = 20000;
// Long enough that the first cue is still playing when the second cuts in,
// however slowly the test runs.
constexpr int LongCueSeconds = 60;
constexpr int SampleRate = 44100;
constexpr double ToneHz = 440.0;
constexpr double ToneLevel = 1000.0;

bool WriteLongCue(const QString& path) {
    QAudioFormat format;
    format.setSampleRate(SampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QWaveDecoder writer(&file, format);
    if (!writer.open(QIODevice::WriteOnly)) {
        return false;
    }
    QByteArray samples(qsizetype(SampleRate) * LongCueSeconds * 2, Qt::Uninitialized);
    auto* out = reinterpret_cast<qint16*>(samples.data());
    for (int i = 0; i < SampleRate * LongCueSeconds; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        out[i] = static_cast<qint16>(ToneLevel * std::sin(2.0 * std::numbers::pi * ToneHz * t));
    }
    const bool written = writer.write(samples) == samples.size();
    writer.close();
    return written;
}

bool IsPlayingForReal(const QSoundEffect* effect) {
    return effect != nullptr && effect->status() == QSoundEffect::Ready && effect->isPlaying();
}

// How many playback streams of this process the sound server has; -1 when
// it cannot be asked.
int OwnSinkInputs() {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sink-inputs")});
    if (!pactl.waitForFinished() || pactl.exitCode() != 0) {
        return -1;
    }
    const QString own =
        QStringLiteral("application.process.id = \"%1\"").arg(QCoreApplication::applicationPid());
    return int(QString::fromUtf8(pactl.readAllStandardOutput()).count(own));
}

} // namespace

class SoundPlaybackTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cuePlaysToItsEnd();
    void secondCueCutsOffTheFirst_data();
    void secondCueCutsOffTheFirst();
};

void SoundPlaybackTest::initTestCase() {
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        QSKIP("no sound server reachable (PULSE_SERVER / XDG_RUNTIME_DIR), so no cue can "
              "play; scripts/test starts one with a null sink");
    }
}

void SoundPlaybackTest::cuePlaysToItsEnd() {
    WorkingDirectory cwd;
    QVERIFY(WriteFile(cwd.path(InitCue), ShippedCue(InitCue)));
    QtSoundControl control;

    SoundCues(control).PlayCue(InitCue);

    QCOMPARE(control.openFile(), cwd.path(InitCue));
    QVERIFY(control.isSounding());
    const QSoundEffect* effect = control.effect();
    QVERIFY(effect != nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingForReal(effect), StateTimeoutMs);
    // Without a working output it would stay "playing" for good.
    QTRY_VERIFY_WITH_TIMEOUT(!effect->isPlaying(), StateTimeoutMs);
}

void SoundPlaybackTest::secondCueCutsOffTheFirst_data() {
    QTest::addColumn<bool>("firstHeardFirst");
    QTest::newRow("two quick clicks, the first still loading") << false;
    QTest::newRow("the first already playing") << true;
}

void SoundPlaybackTest::secondCueCutsOffTheFirst() {
    QFETCH(bool, firstHeardFirst);
    WorkingDirectory cwd;
    const QString name = QStringLiteral("long.wav");
    QVERIFY(WriteLongCue(cwd.path(name)));
    QtSoundControl control;
    const bool canCountStreams = OwnSinkInputs() >= 0;
    if (canCountStreams) {
        // Streams of an earlier test close once its effects are deleted.
        QTRY_COMPARE_WITH_TIMEOUT(OwnSinkInputs(), 0, StateTimeoutMs);
    }

    SoundCues cues(control);
    cues.PlayCue(name.toStdString());
    QPointer<const QSoundEffect> first(control.effect());
    QVERIFY(first != nullptr);
    if (firstHeardFirst) {
        QTRY_VERIFY_WITH_TIMEOUT(IsPlayingForReal(first), StateTimeoutMs);
        if (canCountStreams) {
            QTRY_COMPARE_WITH_TIMEOUT(OwnSinkInputs(), 1, StateTimeoutMs);
        }
    }

    cues.PlayCue(name.toStdString());
    // Stopped before the second cue even opened its file.
    QVERIFY(first.isNull() || !first->isPlaying());
    const QSoundEffect* second = control.effect();
    QVERIFY(second != nullptr && second != first);
    QTRY_VERIFY_WITH_TIMEOUT(first.isNull(), StateTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(IsPlayingForReal(second), StateTimeoutMs);
    if (canCountStreams) {
        QTRY_COMPARE_WITH_TIMEOUT(OwnSinkInputs(), 1, StateTimeoutMs);
    } else {
        qInfo("pactl not available: streams on the sound server not counted");
    }

    control.setCommand(SoundCommand::Stop);
    QVERIFY(!second->isPlaying());
    QVERIFY(!control.isSounding());
}

QTEST_MAIN(SoundPlaybackTest)
#include "test_sound_playback.moc"
