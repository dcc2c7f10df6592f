#include "pooling/pooling_texts.h"

#include <array>

namespace PoolingTexts {

namespace {

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

std::string ColumnName(const LineReading& reading) {
    switch (reading.column) {
    case Column::Trials:
        return std::string(TrialsColumn);
    case Column::Hits:
        return std::string(HitsColumn);
    case Column::Ratio:
        return std::string(RatioColumn);
    case Column::Theory:
        return std::string(TheoryColumn);
    case Column::Checkpoint:
        return Filled(CheckpointColumn, Number(reading.checkpoint));
    }
    return {};
}

std::string_view ReasonPattern(Refusal refusal) {
    switch (refusal) {
    case Refusal::None:
        return {};
    case Refusal::ColumnCount:
        return ColumnCount;
    case Refusal::NotWholeNumber:
        return NotWholeNumber;
    case Refusal::NotDecimal:
        return NotDecimal;
    case Refusal::TrialsOutOfRange:
        return TrialsOutOfRange;
    case Refusal::HitsExceedTrials:
        return HitsExceedTrials;
    case Refusal::RatioMismatch:
        return RatioMismatch;
    case Refusal::TheoryMismatch:
        return TheoryMismatch;
    case Refusal::CheckpointNotReached:
        return CheckpointNotReached;
    case Refusal::CheckpointAboveTrial:
        return CheckpointAboveTrial;
    case Refusal::CheckpointBelowEarlier:
        return CheckpointBelowEarlier;
    case Refusal::CheckpointAboveEarlierByMore:
        return CheckpointAboveEarlierByMore;
    case Refusal::CheckpointAboveTotal:
        return CheckpointAboveTotal;
    case Refusal::CheckpointBelowPossible:
        return CheckpointBelowPossible;
    case Refusal::OverLineLimit:
        return OverLineLimit;
    }
    return {};
}

std::string Reason(const LineReading& reading) {
    const std::string first =
        reading.refusal == Refusal::ColumnCount ? Number(reading.fieldCount) : ColumnName(reading);
    return Filled(ReasonPattern(reading.refusal), first, Number(reading.checkpoint),
                  Number(reading.earlierCheckpoint));
}

} // namespace

std::string Filled(std::string_view pattern, std::string_view first, std::string_view second,
                   std::string_view third) {
    const std::array<std::string_view, 3> arguments = {first, second, third};
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' &&
            pattern[at + 1] <= '3') {
            text += arguments[static_cast<std::size_t>(pattern[at + 1] - '1')];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

std::string AnswerText(const LineAnswer& answer) {
    const std::string line = Number(answer.lineNumber);
    const LineReading& reading = answer.reading;
    switch (reading.verdict) {
    case LineVerdict::Taken: {
        std::string text =
            Filled(Taken, line, Number(reading.line.trials), Number(reading.line.hits));
        if (answer.sameAsLine > 0) {
            text += Filled(SameAsEarlier, Number(answer.sameAsLine));
        }
        return text;
    }
    case LineVerdict::PassedOver:
        return Filled(PassedOver, line);
    case LineVerdict::Refused:
        return Filled(Refused, line) + Reason(reading);
    }
    return {};
}

std::string SummaryText(const ClassPool& pool) {
    std::string text = Filled(SummaryCounts, Number(static_cast<std::int64_t>(pool.lines.size())),
                              Number(pool.trials), Number(pool.hits));
    if (!pool.ratioText.empty()) {
        text += Filled(SummaryRatio, pool.ratioText);
    }
    if (pool.refusedLines > 0) {
        text += Filled(SummaryRefused, Number(pool.refusedLines));
    }
    return text;
}

} // namespace PoolingTexts
