#pragma once

#include "tools/cardgen/card_art.h"

#include <QImage>
#include <QPainterPath>

namespace cardart {

// The outline of a suit symbol in a box from -1 to 1 on both axes, point or
// stem downwards as it stands upright on the card.
QPainterPath suitShape(Suit suit);

// The suit symbol filling `size` pixels, upright, opaque `colour` on
// transparent; mirrored(true, true) turns it upside down. Left and right halves
// are exact mirror images.
QImage suitPip(Suit suit, QSize size, QRgb colour);
QImage suitPip(Suit suit, QSize size);

// The small pip under the corner index, drawn pixel by pixel: at this size a
// scaled outline no longer tells a club from a spade.
inline constexpr QSize SmallPipSize{7, 7};
QImage smallSuitPip(Suit suit);

} // namespace cardart
