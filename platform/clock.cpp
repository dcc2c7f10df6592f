#include "platform/clock.h"

#include <chrono>
#include <ctime>

float SystemClock::secondsSinceMidnight() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    const auto micros = duration_cast<microseconds>(now.time_since_epoch()).count() % 1'000'000;
    const double whole = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
    return static_cast<float>(whole + static_cast<double>(micros) / 1e6);
}
