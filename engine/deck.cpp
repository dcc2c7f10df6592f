#include "engine/deck.h"

#include "engine/clock.h"
#include "engine/generator.h"
#include "engine/number_text.h"

#include <cmath>

CardIndex CardFromRandom(float r) {
    return static_cast<CardIndex>(std::floor(static_cast<double>(r) * CardsInDeck + 1.0));
}

CardIndex DrawCard(Clock& clock, Generator& generator) {
    generator.reseed(clock.secondsSinceMidnight());
    return CardFromRandom(generator.next());
}

double TheoreticalRatio() {
    return static_cast<double>(HitsInDeck) / CardsInDeck;
}

std::string TheoreticalRatioText() {
    return RatioText(TheoreticalRatio());
}
