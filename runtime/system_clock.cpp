#include "runtime/system_clock.h"

#include <ctime>

float SecondsSinceMidnight(std::chrono::system_clock::time_point instant) {
    using namespace std::chrono;
    const std::time_t seconds = system_clock::to_time_t(instant);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    // to_time_t may round to the nearest second; the fraction is measured from
    // the whole second it returned, so it can never push past the next one.
    const auto fraction = duration_cast<microseconds>(instant - system_clock::from_time_t(seconds));
    const double whole = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    return static_cast<float>(whole + static_cast<double>(fraction.count()) / 1e6);
}

float SystemClock::secondsSinceMidnight() {
    return SecondsSinceMidnight(std::chrono::system_clock::now());
}
