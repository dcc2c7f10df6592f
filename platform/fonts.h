#pragma once

#include "design/units.h"

#include <QFont>
#include <QString>
#include <QStringList>

// The Japanese face the windows were designed with (DesignFontFamily), and
// the installed faces that stand in for it, nearest first.
QStringList JapaneseFallbackFamilies();

// The face used for every Japanese text, resolved once: the first installed
// face of the list, or the toolkit's default face where none is installed.
// Also makes the design face's name resolve to it, so fonts set by name agree.
QString JapaneseFontFamily();

// The design face at a size in points (11.25, 12 or 15.75) and weight.
QFont JapaneseFont(qreal pointSize, bool bold = false);
inline QFont JapaneseFont(const FontSpec& font) {
    return JapaneseFont(font.points, font.bold);
}

// Makes the Japanese face the application's default font (WindowFont), so that
// controls and drawings without a font of their own render Japanese well.
void ApplyDefaultFont();
