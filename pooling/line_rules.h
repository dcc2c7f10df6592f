#pragma once

#include "engine/checkpoints.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// One pupil's (or one group's) experiment as a pasted line gives it.
struct ClassLine {
    // The text before the numbers (a name, a pupil's number), as typed.
    std::string label;
    std::int32_t trials = 0;
    std::int32_t hits = 0;
    // The hits counted by each checkpoint, where the line gives them.
    std::array<std::optional<std::int32_t>, Checkpoints.size()> hitsByCheckpoint{};
};

enum class LineVerdict { Taken, PassedOver, Refused };

// Why a line is refused.
enum class Refusal {
    None,
    ColumnCount,      // the fields are neither trials and hits nor a results line
    NotWholeNumber,   // in `column`
    NotDecimal,       // in `column`
    TrialsOutOfRange, // below MinTrials or above MaxTrials
    HitsExceedTrials,
    RatioMismatch,                // the ratio is not hits/trials at its decimals
    TheoryMismatch,               // the theoretical value is not 16/52 at its decimals
    CheckpointNotReached,         // hits by trial k in a line of fewer trials
    CheckpointAboveTrial,         // more hits by trial k than k
    CheckpointBelowEarlier,       // fewer than by the earlier checkpoint
    CheckpointAboveEarlierByMore, // more than the earlier plus the trials between
    CheckpointAboveTotal,         // more than the line's hits
    CheckpointBelowPossible,      // fewer than the hits minus the trials after k
    OverLineLimit,                // MaxTakenLines lines are taken already
    OverReadLimit,                // MaxReadLines lines are read already
};

// The columns a refusal can name.
enum class Column { Trials, Hits, Ratio, Theory, Checkpoint };

struct LineReading {
    LineVerdict verdict = LineVerdict::PassedOver;
    ClassLine line;
    Refusal refusal = Refusal::None;
    Column column = Column::Trials;
    // The checkpoint's trial, and the earlier checkpoint's, where a refusal names them.
    std::int32_t checkpoint = 0;
    std::int32_t earlierCheckpoint = 0;
    // The number of fields, for ColumnCount.
    int fieldCount = 0;
};

inline constexpr std::int32_t MinTrials = 1;
// As many trials as one experiment of the program can hold.
inline constexpr std::int32_t MaxTrials = 100000;

// Reads one non-blank line: a results line of the program (4 columns, or 9
// with the checkpoints) or trials and hits alone, either after one text field
// as its label. A line with no number at all is passed over.
LineReading ReadClassLine(std::string_view line);
