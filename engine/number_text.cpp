#include "engine/number_text.h"

#include <array>
#include <charconv>

namespace {
constexpr int RatioDecimals = 7;
}

std::string SignPaddedText(std::int32_t value) {
    return value < 0 ? PlainNumberText(value) : " " + PlainNumberText(value);
}

std::string PlainNumberText(std::int32_t value) {
    return std::to_string(value);
}

std::string RatioText(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, RatioDecimals);
    return {buffer.data(), result.ptr};
}
