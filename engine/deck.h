#pragma once

#include <cstdint>
#include <string>

class Clock;
class Generator;

// Card index 1..52: four blocks of 13 in rank order, ace to king.
using CardIndex = std::int16_t;
using Rank = std::int16_t;

inline constexpr CardIndex CardsInDeck = 52;
inline constexpr Rank RanksPerSuit = 13;
inline constexpr int SuitsInDeck = CardsInDeck / RanksPerSuit;
inline constexpr int HitsInDeck = 16;
// The ace of spades: the card on show at start and after initialisation.
inline constexpr CardIndex AceOfSpades = 1;

// The card that a random number r (0 <= r < 1) selects.
CardIndex CardFromRandom(float r);

// Reseeds the generator from the time of day, then draws one card 1..52.
CardIndex DrawCard(Clock& clock, Generator& generator);

constexpr Rank RankOf(CardIndex card) {
    const auto rank = static_cast<Rank>(card % RanksPerSuit);
    return rank == 0 && card != 0 ? RanksPerSuit : rank;
}

// A card's suit: the block of 13 it lies in, 0..3.
constexpr int SuitOf(CardIndex card) {
    return (card - 1) / RanksPerSuit;
}

// A hit is a card whose rank is a multiple of 3 (3, 6, 9, 12).
constexpr bool IsHit(Rank rank) {
    return rank % 3 == 0;
}

double TheoreticalRatio();
std::string TheoreticalRatioText();
