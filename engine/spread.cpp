#include "engine/spread.h"

#include "engine/deck.h"

#include <cassert>
#include <cmath>

namespace {
// Standard deviations on either side: close to the normal distribution's 95 %.
constexpr double SpreadDeviations = 2.0;
} // namespace

double SpreadHalfWidth(std::int32_t trials) {
    assert(trials >= 1);
    const double p = TheoreticalRatio();
    return SpreadDeviations * std::sqrt(p * (1.0 - p) / static_cast<double>(trials));
}

SpreadBand SpreadBandAt(std::int32_t trials) {
    const double half = SpreadHalfWidth(trials);
    return {TheoreticalRatio() - half, TheoreticalRatio() + half};
}
