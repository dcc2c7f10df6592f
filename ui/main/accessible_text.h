#pragma once

#include "engine/deck.h"

#include <QString>

class QLabel;

// What a screen reader calls a number box: the name of its row followed by
// the number it shows, or the row's name alone while it shows none.
QString NumberBoxName(const QString& rowName, const QString& value);

// Writes a number into its box and renames the box to match; the renaming
// is what tells a screen reader that the number changed.
void ShowNumber(QLabel& box, const QString& rowName, const QString& value);

// A card picture's name as read out: its suit and its rank, e.g. "スペードの1".
QString CardName(CardIndex card);
