#pragma once

#include "pooling/line_rules.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The answer to one non-blank line of the pasted text.
struct LineAnswer {
    int lineNumber = 0;
    LineReading reading;
    // For a taken line identical to an earlier one: that line's number.
    int sameAsLine = 0;
};

// The frequencies by one checkpoint over the lines that give it.
struct CheckpointSpread {
    std::int32_t trial = 0;
    std::vector<double> ratios;
    double lowest = 0.0;
    double highest = 0.0;
};

// A class's lines pooled: every answer, and the sums of the lines taken.
struct ClassPool {
    // Text over MaxPastedBytes is refused whole; nothing else is then read.
    bool tooLarge = false;
    std::vector<LineAnswer> answers;
    std::vector<ClassLine> lines;
    int refusedLines = 0;
    int passedOverLines = 0;
    std::int64_t trials = 0;
    std::int64_t hits = 0;
    // Seven decimals as the main window shows a frequency; empty without trials.
    std::string ratioText;
    std::array<CheckpointSpread, Checkpoints.size()> checkpoints{};
};

inline constexpr std::size_t MaxPastedBytes = 1024 * 1024;
inline constexpr int MaxTakenLines = 1000;
// Non-blank lines read at most, taken or not: room for a whole class's
// sheet with its headers and mistakes, while a megabyte of short lines
// still reads in a moment and answers in a list one can scroll.
inline constexpr int MaxReadLines = 2 * MaxTakenLines;

// Reads pasted text (UTF-8; anything else is just text that is no number)
// line by line, LF or CR LF, blank lines skipped, and pools the lines taken.
// Reading stops at the first line beyond either limit, which is refused,
// saying that the lines after it are not read.
ClassPool PoolClassText(std::string_view text);
