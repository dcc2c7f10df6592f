#pragma once

#include "ui/main/form1.h"

#include <QString>
#include <optional>

// The button, timer and run-mode configuration of each state, written out
// independently of the window's own table so that the two can disagree.
std::optional<Form1State> ObservedState(Form1& form);
// Card indexes of the pictures not hidden, in order.
QList<int> VisibleCards(Form1& form);
// A label's text without the leading blank of the sign column.
QString Trimmed(const QLabel& label);
