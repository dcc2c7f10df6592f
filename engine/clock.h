#pragma once

// The time of day as the draw reads it before every reseed.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, in single precision; the fraction is as fine
    // as the clock and the float's mantissa allow (about 8 ms near midnight).
    virtual float secondsSinceMidnight() = 0;
};
