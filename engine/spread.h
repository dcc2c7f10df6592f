#pragma once

#include <cstdint>

// How far a relative frequency may wander: about 95 % of experiments of n
// trials end within p ± 2·√(p(1−p)/n), p being the theoretical probability.
struct SpreadBand {
    double low = 0.0;
    double high = 0.0;
};

// Two standard deviations of the frequency after `trials` trials (trials >= 1).
double SpreadHalfWidth(std::int32_t trials);
// The band around the theoretical probability, not clipped to 0..1.
SpreadBand SpreadBandAt(std::int32_t trials);
