#pragma once

#include <cstdint>
#include <string>

// A blank before a non-negative number, a minus before a negative one.
std::string SignPaddedText(std::int32_t value);
// The digits alone.
std::string PlainNumberText(std::int32_t value);
// The picture "0.0000000": seven decimals, rounded from the exact binary value,
// always with a point (never the user's locale separator).
std::string RatioText(double value);
// A bound of the expected spread: "0.0000", four decimals, always with a point.
std::string SpreadBoundText(double value);
