#include "ui/main/sound_cues.h"

#include "platform/sound_control.h"

void PlayCue(SoundControl& control, const QString& fileName) {
    control.setCommand(QStringLiteral("Stop"));
    control.setCommand(QStringLiteral("Close"));
    control.setFileName(fileName);
    control.setCommand(QStringLiteral("Open"));
    control.setCommand(QStringLiteral("Sound"));
}
