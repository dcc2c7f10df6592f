#include "platform/qt_sound_control.h"

void QtSoundControl::setCommand(const QString&) {}

void QtSoundControl::setFileName(const QString&) {}
