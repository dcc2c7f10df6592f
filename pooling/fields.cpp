#include "pooling/fields.h"

#include <algorithm>

namespace {

// UTF-8 of the full-width forms an input method types.
constexpr std::string_view FullWidthComma = "\xEF\xBC\x8C";   // ，
constexpr std::string_view IdeographicComma = "\xE3\x80\x81"; // 、
constexpr std::string_view IdeographicSpace = "\xE3\x80\x80"; // 全角スペース
constexpr std::string_view FullWidthPoint = "\xEF\xBC\x8E";   // ．
constexpr std::string_view FullWidthDigitLead = "\xEF\xBC";   // ０..９ are EF BC 90..99
constexpr unsigned char FullWidthZeroLast = 0x90;
constexpr unsigned char FullWidthNineLast = 0x99;

bool StartsWith(std::string_view text, std::size_t at, std::string_view part) {
    return text.substr(at, part.size()) == part;
}

// The length of the separator at `at` of the given kind, or 0.
std::size_t SeparatorAt(std::string_view line, std::size_t at, Separator kind) {
    switch (kind) {
    case Separator::Tab:
        return line[at] == '\t' ? 1 : 0;
    case Separator::Comma:
        if (line[at] == ',') {
            return 1;
        }
        return StartsWith(line, at, FullWidthComma) || StartsWith(line, at, IdeographicComma) ? 3
                                                                                              : 0;
    case Separator::Space:
        if (line[at] == ' ') {
            return 1;
        }
        return StartsWith(line, at, IdeographicSpace) ? 3 : 0;
    }
    return 0;
}

bool Contains(std::string_view line, Separator kind) {
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (SeparatorAt(line, at, kind) > 0) {
            return true;
        }
    }
    return false;
}

// A stray CR (a line break of CR CR LF) counts as a blank.
bool IsAsciiBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view TrimBlanks(std::string_view field) {
    for (;;) {
        if (!field.empty() && IsAsciiBlank(field.front())) {
            field.remove_prefix(1);
        } else if (field.starts_with(IdeographicSpace)) {
            field.remove_prefix(IdeographicSpace.size());
        } else {
            break;
        }
    }
    for (;;) {
        if (!field.empty() && IsAsciiBlank(field.back())) {
            field.remove_suffix(1);
        } else if (field.ends_with(IdeographicSpace)) {
            field.remove_suffix(IdeographicSpace.size());
        } else {
            break;
        }
    }
    return field;
}

// Reads one digit (half- or full-width) at `at`: its value and length.
std::optional<std::pair<int, std::size_t>> DigitAt(std::string_view text, std::size_t at) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c >= '0' && c <= '9') {
        return std::pair{c - '0', std::size_t{1}};
    }
    if (StartsWith(text, at, FullWidthDigitLead) && at + 2 < text.size()) {
        const auto last = static_cast<unsigned char>(text[at + 2]);
        if (last >= FullWidthZeroLast && last <= FullWidthNineLast) {
            return std::pair{last - FullWidthZeroLast, std::size_t{3}};
        }
    }
    return std::nullopt;
}

std::size_t PointAt(std::string_view text, std::size_t at) {
    if (text[at] == '.') {
        return 1;
    }
    return StartsWith(text, at, FullWidthPoint) ? FullWidthPoint.size() : 0;
}

} // namespace

LineFields SplitFields(std::string_view line) {
    LineFields result;
    result.separator = Contains(line, Separator::Tab)     ? Separator::Tab
                       : Contains(line, Separator::Comma) ? Separator::Comma
                                                          : Separator::Space;
    std::size_t start = 0;
    std::size_t at = 0;
    while (at <= line.size()) {
        const std::size_t width = at < line.size() ? SeparatorAt(line, at, result.separator) : 1;
        if (width == 0) {
            ++at;
            continue;
        }
        const std::string_view field = TrimBlanks(line.substr(start, at - start));
        // Runs of spaces are one separator; tabs and commas keep empty cells.
        if (result.separator != Separator::Space || !field.empty()) {
            result.fields.push_back(field);
        }
        at += width;
        start = at;
    }
    return result;
}

bool IsBlankLine(std::string_view line) {
    return TrimBlanks(line).empty();
}

std::optional<std::int64_t> ReadWholeNumber(std::string_view field) {
    if (field.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (std::size_t at = 0; at < field.size();) {
        const auto digit = DigitAt(field, at);
        if (!digit) {
            return std::nullopt;
        }
        value = std::min(value * 10 + digit->first, WholeNumberLimit);
        at += digit->second;
    }
    return value;
}

std::optional<Decimal> ReadDecimal(std::string_view field) {
    Decimal decimal;
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int wholeDigits = 0;
    bool point = false;
    for (std::size_t at = 0; at < field.size();) {
        if (const std::size_t width = PointAt(field, at); width > 0) {
            if (point) {
                return std::nullopt;
            }
            point = true;
            at += width;
            continue;
        }
        const auto digit = DigitAt(field, at);
        if (!digit) {
            return std::nullopt;
        }
        if (point) {
            if (++decimal.decimals > MaxDecimals) {
                return std::nullopt;
            }
            fraction = fraction * 10 + digit->first;
        } else {
            ++wholeDigits;
            whole = std::min(whole * 10 + digit->first, WholePartLimit);
        }
        at += digit->second;
    }
    if (wholeDigits == 0 || (point && decimal.decimals == 0)) {
        return std::nullopt;
    }
    decimal.wholePartTooLarge = whole >= WholePartLimit;
    std::int64_t scale = 1;
    for (int i = 0; i < decimal.decimals; ++i) {
        scale *= 10;
    }
    decimal.units = std::min(whole, WholePartLimit) * scale + fraction;
    return decimal;
}

bool IsNumber(std::string_view field) {
    return ReadWholeNumber(field).has_value() || ReadDecimal(field).has_value();
}
