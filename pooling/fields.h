#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// How a pasted line separates its fields: a spreadsheet's copy by tabs, a CSV
// file by commas, a hand-typed line by spaces.
enum class Separator { Tab, Comma, Space };

struct LineFields {
    Separator separator = Separator::Space;
    // Each field as typed, without the blanks around it.
    std::vector<std::string_view> fields;
};

// Splits one line (without its line break). Full-width commas and spaces, as
// a Japanese input method types them, separate like their half-width forms.
LineFields SplitFields(std::string_view line);

// Whether a line holds nothing but blanks.
bool IsBlankLine(std::string_view line);

// A decimal number as typed: units of 10^-decimals. The integer part is kept
// only up to WholePartLimit, enough to tell a ratio from anything larger.
struct Decimal {
    std::int64_t units = 0;
    int decimals = 0;
    bool wholePartTooLarge = false;
};

// A field of digits alone (full-width digits read as half-width); numbers
// above WholeNumberLimit read as WholeNumberLimit.
std::optional<std::int64_t> ReadWholeNumber(std::string_view field);
// Digits with at most one point among them ("0.32", "1", "０．３２").
// Decimals beyond MaxDecimals make it unreadable.
std::optional<Decimal> ReadDecimal(std::string_view field);
// A field that is a whole number or a decimal.
bool IsNumber(std::string_view field);

inline constexpr std::int64_t WholeNumberLimit = 1'000'000'000'000;
inline constexpr std::int64_t WholePartLimit = 2;
inline constexpr int MaxDecimals = 12;
