#pragma once

#include "engine/deck.h"

#include <array>

// The suits in the order of the card pictures' blocks of 13, as test rows name them.
inline constexpr std::array<const char*, SuitsInDeck> SuitNames{"spades", "clubs", "hearts",
                                                                "diamonds"};

inline const char* SuitNameOf(int card) {
    return SuitNames[static_cast<std::size_t>(SuitOf(static_cast<CardIndex>(card)))];
}
