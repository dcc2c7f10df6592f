#pragma once

#include "engine/generator.h"

#include <cstdint>

// SplitMix64 with a reseed that folds the seed into the running state. The
// draw reseeds from a clock that often returns the same reading for several
// draws in a row; restarting from the seed alone would then repeat the card.
class SplitMixGenerator final : public Generator {
public:
    static constexpr std::uint64_t DefaultState = 0x853c49e6748fea9bULL;

    explicit SplitMixGenerator(std::uint64_t state = DefaultState) : m_state(state) {}

    void reseed(float seed) override;
    float next() override;

private:
    std::uint64_t m_state;
};
