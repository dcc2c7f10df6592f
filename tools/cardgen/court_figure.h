#pragma once

#include "tools/cardgen/card_art.h"

#include <QImage>
#include <QSize>

namespace cardart {

// The upper half of the court panel's inside: head, headwear, shoulders and
// what the figure holds. The card shows it upright above the middle and turned
// below, and sets the large suit pip into the free corner.
inline constexpr QSize CourtHalfSize{41, 36};

// Jacks and queens keep the corner pip at the right, kings at the left; the
// figure leaves that corner free.
constexpr bool pipAtLeft(int rank) {
    return rank == King;
}

QImage drawCourtHalf(Suit suit, int rank);

} // namespace cardart
