// What playing a cue writes to the multimedia control, and in which order:
// the previous cue is cut off and closed before the file is opened and sounded.
#include "controller/main_controller.h"
#include "platform/sound_control.h"
#include "ui/main/desktop_services.h"

#include <QtTest>
#include <array>

namespace {

// Records every write as "command:X" or "file:X".
class RecordingSoundControl final : public SoundControl {
public:
    void setCommand(SoundCommand command) override {
        static constexpr std::array<const char*, 4> Names = {"Stop", "Close", "Open", "Sound"};
        writes << QStringLiteral("command:") +
                      QLatin1String(Names.at(static_cast<std::size_t>(command)));
    }
    void setFileName(const QString& fileName) override {
        writes << QStringLiteral("file:") + fileName;
    }
    QStringList writes;
};

QStringList CueWrites(const QString& fileName) {
    return {QStringLiteral("command:Stop"), QStringLiteral("command:Close"),
            QStringLiteral("file:") + fileName, QStringLiteral("command:Open"),
            QStringLiteral("command:Sound")};
}

} // namespace

class SoundCuesTest : public QObject {
    Q_OBJECT
private slots:
    void cueStopsClosesOpensAndSounds_data();
    void cueStopsClosesOpensAndSounds();
};

void SoundCuesTest::cueStopsClosesOpensAndSounds_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("pinpon.wav") << QString::fromLatin1(InitCue);
    QTest::newRow("endpinpon.wav") << QString::fromLatin1(ExitCue);
}

void SoundCuesTest::cueStopsClosesOpensAndSounds() {
    QFETCH(QString, file);
    RecordingSoundControl control;
    SoundCues cues(control);

    cues.PlayCue(file.toStdString());
    QCOMPARE(control.writes, CueWrites(file));

    // Played again, the cue is written again in full: nothing is remembered.
    cues.PlayCue(file.toStdString());
    QCOMPARE(control.writes, CueWrites(file) + CueWrites(file));
}

QTEST_GUILESS_MAIN(SoundCuesTest)
#include "test_sound_cues.moc"
