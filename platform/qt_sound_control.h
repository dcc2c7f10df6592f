#pragma once

#include "platform/sound_control.h"

// The sound control on the desktop's audio output.
class QtSoundControl final : public SoundControl {
public:
    void setCommand(const QString& command) override;
    void setFileName(const QString& fileName) override;
};
