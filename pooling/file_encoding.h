#pragma once

#include <cstddef>
#include <string_view>

// How a class's file is written: UTF-8 (with or without the byte order mark
// some editors put first), or Shift_JIS as Excel saves CSV in Japan.
enum class FileEncoding { Utf8, ShiftJis };

struct FileTextStart {
    FileEncoding encoding = FileEncoding::Utf8;
    // The bytes of a byte order mark to pass over before decoding.
    std::size_t skip = 0;
};

// Tells the encoding from the bytes alone: a UTF-8 byte order mark, or bytes
// that are valid UTF-8 throughout (the last character may be cut short), mean UTF-8; anything else
// is taken for Shift_JIS, which each front-end then decodes with its own decoder.
FileTextStart FileEncodingOf(std::string_view bytes);
