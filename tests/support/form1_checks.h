#pragma once

#include "controller/main_controller.h"
#include "ui/main/form1.h"

#include <QList>
#include <QString>
#include <optional>

class QLabel;
class QPushButton;

// The state that the window's buttons and timer show (see StateOf).
std::optional<MainState> ObservedState(const Form1& form);
// The cards whose picture the card's picture control shows (one, unless two
// pictures were alike), found by comparing what it shows with each picture.
QList<int> VisibleCards(const Form1& form);
// A label's text without the leading blank of the sign column.
QString Trimmed(const QLabel& label);
// A button to click, found as a user finds it: by its place in the window.
QPushButton& CommandButton(Form1& form, int number);
// Destroys the secondary windows that closed, as the event loop would once
// their handlers have returned.
void DeleteClosedWindows();
