#pragma once

#include <QColor>
#include <QSize>

// Shared names of the card artwork: suits, ranks, picture size and the eight
// full-intensity colours that the faces are drawn in.
namespace cardart {

enum class Suit { Spades, Clubs, Hearts, Diamonds };

inline constexpr int SuitCount = 4;
inline constexpr int RanksPerSuit = 13;
inline constexpr int CardCount = SuitCount * RanksPerSuit;
inline constexpr int Ace = 1;
inline constexpr int Jack = 11;
inline constexpr int Queen = 12;
inline constexpr int King = 13;

inline constexpr QSize CardSize{69, 93};

inline constexpr QRgb White = 0xffffffff;
inline constexpr QRgb Black = 0xff000000;
inline constexpr QRgb Red = 0xffff0000;
inline constexpr QRgb Yellow = 0xffffff00;
inline constexpr QRgb Blue = 0xff0000ff;
inline constexpr QRgb Cyan = 0xff00ffff;
inline constexpr QRgb Magenta = 0xffff00ff;
inline constexpr QRgb Green = 0xff00ff00;

// Picture number 1..52: spades, clubs, hearts, diamonds, ace to king in each.
constexpr int pictureNumber(Suit suit, int rank) {
    return RanksPerSuit * static_cast<int>(suit) + rank;
}

constexpr bool isRed(Suit suit) {
    return suit == Suit::Hearts || suit == Suit::Diamonds;
}

constexpr QRgb suitColour(Suit suit) {
    return isRed(suit) ? Red : Black;
}

} // namespace cardart
