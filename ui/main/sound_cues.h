#pragma once

#include <QString>

class SoundControl;

inline const QString InitCue = QStringLiteral("pinpon.wav");
inline const QString ExitCue = QStringLiteral("endpinpon.wav");

// Plays a cue file, named without a directory, from the working directory.
// Stops and closes whatever played before, so two cues never overlap.
void PlayCue(SoundControl& control, const QString& fileName);
