#pragma once

#include "engine/tally.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

// An experiment that 初期化 ended: its trials and the frequency after each.
struct EarlierExperiment {
    std::int32_t trials = 0;
    // Element n: the frequency after trial n, as in the tally's RatioHistory.
    std::vector<float> ratioHistory;
};

// The experiments kept for comparison with the current one, oldest first, for
// as long as the program runs (nothing is written to disk).
class EarlierExperiments {
public:
    static constexpr std::size_t Limit = 9;

    // Keeps the tally's experiment unless it counted no trial; the oldest
    // goes once more than Limit are kept.
    void keep(const Tally& tally);

    const std::deque<EarlierExperiment>& experiments() const { return m_experiments; }

private:
    std::deque<EarlierExperiment> m_experiments;
};
