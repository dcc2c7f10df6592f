#pragma once

#include "engine/clock.h"

#include <chrono>

// Seconds since the local midnight before an instant, its fraction of a second
// included, in the time zone the C library is set to.
float SecondsSinceMidnight(std::chrono::system_clock::time_point instant);

class SystemClock final : public Clock {
public:
    float secondsSinceMidnight() override;
};
