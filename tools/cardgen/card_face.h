#pragma once

#include "tools/cardgen/card_art.h"

#include <QImage>
#include <QPoint>
#include <QRect>

namespace cardart {

// The corner index: the rank's letter centred over a small suit pip near the
// top left, and the same turned at the bottom right.
inline constexpr int IndexCentreX = 6;
inline constexpr int IndexGlyphTop = 4;
inline constexpr int IndexPipTop = 15;

// The framed panel of the jacks, queens and kings.
inline constexpr QRect CourtPanel{13, 9, 43, 75};

// Top-left pixel of the rank's letter on the upright card.
QPoint indexGlyphPosition(int rank);

// The face of one card, CardSize pixels in the eight full colours.
QImage drawCardFace(Suit suit, int rank);

} // namespace cardart
