#pragma once

#include <QString>

class QWidget;

// Modal message boxes over a parent window. The button captions are written
// out in Japanese: Qt's standard buttons follow the desktop's language.

// Buttons はい and いいえ, no icon, はい as default; true when はい was chosen.
bool AskYesNo(QWidget* parent, const QString& text, const QString& title);
// One OK button; returns when the user has read it.
void Inform(QWidget* parent, const QString& text, const QString& title);
