#include "engine/checkpoints.h"

#include <cmath>

std::optional<std::int32_t> HitsByTrial(const std::vector<float>& ratioHistory,
                                        std::int32_t trialCount, std::int32_t k) {
    if (k < 1 || k > trialCount || static_cast<std::size_t>(k) >= ratioHistory.size()) {
        return std::nullopt;
    }
    // A single holds hits/k to within 2^-24 relative, far inside half a hit.
    const double ratio = ratioHistory[static_cast<std::size_t>(k)];
    return static_cast<std::int32_t>(std::lround(ratio * k));
}
