#pragma once

#include "platform/sound_control.h"

#include <QSet>
#include <QString>
#include <memory>

class QSoundEffect;

// The sound control on the desktop's audio output, built on QSoundEffect.
// Open prepares the named file, Sound plays it once from the start, Stop and
// Close cut it off; all of them return at once. A file that is
// missing or cannot be played, or a machine without audio output, makes the
// cue silent with one warning on standard error per problem.
class QtSoundControl final : public SoundControl {
public:
    void setCommand(SoundCommand command) override;
    void setFileName(const QString& fileName) override;

    // The full path of the file that "Open" prepared; empty while closed.
    QString openFile() const { return m_openFile; }
    // The effect that plays the open file; null while closed or silent.
    const QSoundEffect* effect() const { return m_effect.get(); }
    // Whether "Sound" has started the open file and nothing has stopped it
    // since. Says nothing about whether it has finished.
    bool isSounding() const { return m_sounding; }

private:
    struct LaterDelete {
        void operator()(QSoundEffect* effect) const;
    };

    void open();
    void sound();
    void stop();
    void close();
    void warnOnce(const QString& problem);

    QString m_fileName;
    QString m_openFile;
    std::unique_ptr<QSoundEffect, LaterDelete> m_effect;
    bool m_sounding = false;
    QSet<QString> m_reported;
};
