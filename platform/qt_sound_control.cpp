#include "platform/qt_sound_control.h"

#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QWaveDecoder>
#include <cstdio>

namespace {

// Why the file cannot be played, or an empty string when it can. QSoundEffect
// reads WAV files with the same decoder; checking first keeps it from ever
// seeing a file that it would report in words of its own or wait on for good
// (an empty file leaves it "loading" for ever).
QString UnplayableReason(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        return QStringLiteral("not found");
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("cannot be read");
    }
    // The decoder itself refuses a file shorter than its header says.
    QWaveDecoder decoder(&file);
    const bool complete =
        decoder.open(QIODevice::ReadOnly) && decoder.audioFormat().isValid() && decoder.size() > 0;
    if (!complete) {
        return QStringLiteral("is not a complete WAV file");
    }
    return {};
}

// Qt reports an unreachable sound server itself, the first time it looks for
// one; the control says so in its own words instead, so that one problem
// gives one line. Anything else said meanwhile goes to standard error.
void DropSoundServerWarning(QtMsgType type, const QMessageLogContext& context,
                            const QString& message) {
    if (message.startsWith(QLatin1String("PulseAudioService:"))) {
        return;
    }
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

bool AudioOutputPresent() {
    const QtMessageHandler previous = qInstallMessageHandler(DropSoundServerWarning);
    const bool present = !QMediaDevices::defaultAudioOutput().isNull();
    qInstallMessageHandler(previous);
    return present;
}

} // namespace

void QtSoundControl::LaterDelete::operator()(QSoundEffect* effect) const {
    // Silent at once, but deleted only once its queued signals have drained:
    // its sample may still be loading.
    effect->stop();
    effect->deleteLater();
}

void QtSoundControl::setCommand(SoundCommand command) {
    switch (command) {
    case SoundCommand::Stop:
        stop();
        break;
    case SoundCommand::Close:
        close();
        break;
    case SoundCommand::Open:
        open();
        break;
    case SoundCommand::Sound:
        sound();
        break;
    }
}

void QtSoundControl::setFileName(const QString& fileName) {
    m_fileName = fileName;
}

void QtSoundControl::open() {
    close();
    // A bare name means the working directory as it is now.
    const QString path = QDir::current().absoluteFilePath(m_fileName);
    const QString reason = UnplayableReason(path);
    if (!reason.isEmpty()) {
        warnOnce(QStringLiteral("sound file %1 %2; its cue stays silent").arg(path, reason));
        return;
    }
    m_openFile = path;
    if (!AudioOutputPresent()) {
        warnOnce(QStringLiteral("no audio output found; the sound cues stay silent"));
        return;
    }
    m_effect.reset(new QSoundEffect);
    m_effect->setSource(QUrl::fromLocalFile(path));
}

void QtSoundControl::sound() {
    if (m_effect == nullptr) {
        return;
    }
    m_effect->play();
    m_sounding = true;
}

void QtSoundControl::stop() {
    if (m_effect != nullptr) {
        m_effect->stop();
    }
    m_sounding = false;
}

void QtSoundControl::close() {
    stop();
    m_effect.reset();
    m_openFile.clear();
}

void QtSoundControl::warnOnce(const QString& problem) {
    if (m_reported.contains(problem)) {
        return;
    }
    m_reported.insert(problem);
    qWarning("toranpu: %s", qPrintable(problem));
}
