#pragma once

#include <QImage>

// The corner index letters A, 2..10, J, Q, K as bitmaps of our own, so that
// the pictures come out the same on every machine whatever fonts it has.
namespace cardart {

inline constexpr int GlyphHeight = 9;

// The glyph of a rank (1..13): opaque `colour` where the letter is,
// transparent elsewhere.
QImage rankGlyph(int rank, QRgb colour);

} // namespace cardart
