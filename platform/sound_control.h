#pragma once

#include <QString>

// The multimedia control the cues are played through. It is driven only by
// writing a command ("Stop", "Close", "Open", "Sound") or a file name.
class SoundControl {
public:
    virtual ~SoundControl() = default;
    virtual void setCommand(const QString& command) = 0;
    virtual void setFileName(const QString& fileName) = 0;
};
