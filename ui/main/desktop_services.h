#pragma once

#include "controller/services.h"

#include <string>

class QWidget;
class SoundControl;

// The main window's outside services on the desktop, over the platform's
// message boxes, event loop and multimedia control.

class BoxConfirmation final : public Confirmation {
public:
    // The boxes open over this window (none: centred on the screen).
    void setParent(QWidget* parent) { m_parent = parent; }

    void ask(const std::string& text, const std::string& title,
             std::function<void(int)> answered) override;
    void inform(const std::string& text, const std::string& title) override;

private:
    QWidget* m_parent = nullptr;
};

class EventLoopEnd final : public ProgramEnd {
public:
    void end() override;
};

// Plays a cue through the multimedia control: stops and closes whatever
// played before, so two cues never overlap, then opens the file and sounds it.
class SoundCues final : public CuePlayer {
public:
    explicit SoundCues(SoundControl& control) : MMControl1(control) {}
    void PlayCue(const std::string& fileName) override;

private:
    SoundControl& MMControl1;
};
