#include "pooling/file_encoding.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The length of the UTF-8 sequence a lead byte starts, 0 for a byte that
// cannot start one (a continuation byte, an overlong lead, beyond U+10FFFF).
std::size_t SequenceLength(std::uint8_t lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

bool IsContinuation(std::uint8_t byte) {
    return (byte & 0xC0) == 0x80;
}

// Valid UTF-8: no stray or missing continuation bytes (but at the very end),
// no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool IsUtf8(std::string_view bytes) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<std::uint8_t>(bytes[at]);
        const std::size_t length = SequenceLength(lead);
        if (length == 0) {
            return false;
        }
        // A file cut short in its last character is still UTF-8: only that
        // character is lost, where Shift_JIS would garble every other one.
        const std::size_t present = std::min(length, bytes.size() - at);
        for (std::size_t i = 1; i < present; ++i) {
            if (!IsContinuation(static_cast<std::uint8_t>(bytes[at + i]))) {
                return false;
            }
        }
        if (present < length) {
            return true;
        }
        if (length > 2) {
            const auto second = static_cast<std::uint8_t>(bytes[at + 1]);
            const bool overlong =
                (lead == 0xE0 && second < 0xA0) || (lead == 0xF0 && second < 0x90);
            const bool outside =
                (lead == 0xED && second >= 0xA0) || (lead == 0xF4 && second >= 0x90);
            if (overlong || outside) {
                return false;
            }
        }
        at += length;
    }
    return true;
}

} // namespace

FileTextStart FileEncodingOf(std::string_view bytes) {
    if (bytes.starts_with(ByteOrderMark)) {
        return {FileEncoding::Utf8, ByteOrderMark.size()};
    }
    return {IsUtf8(bytes) ? FileEncoding::Utf8 : FileEncoding::ShiftJis, 0};
}
