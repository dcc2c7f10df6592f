#pragma once

#include <QString>

// The commands the multimedia control takes.
enum class SoundCommand { Stop, Close, Open, Sound };

// The multimedia control the cues are played through. It is driven only by
// writing a command or a file name.
class SoundControl {
public:
    virtual ~SoundControl() = default;
    virtual void setCommand(SoundCommand command) = 0;
    virtual void setFileName(const QString& fileName) = 0;
};
