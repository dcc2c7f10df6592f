#include "engine/number_text.h"

#include <array>
#include <charconv>

namespace {

constexpr int RatioDecimals = 7;
constexpr int SpreadBoundDecimals = 4;

std::string FixedText(double value, int decimals) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return {buffer.data(), result.ptr};
}
} // namespace

std::string SignPaddedText(std::int32_t value) {
    // Built by appending: GCC 12 at -O3 mistakes prepending for an overlapping copy.
    std::string text = value < 0 ? std::string() : std::string(1, ' ');
    text += PlainNumberText(value);
    return text;
}

std::string PlainNumberText(std::int32_t value) {
    return std::to_string(value);
}

std::string RatioText(double value) {
    return FixedText(value, RatioDecimals);
}

std::string SpreadBoundText(double value) {
    return FixedText(value, SpreadBoundDecimals);
}
