#include "pooling/pooling_texts.h"

#include "engine/deck.h"

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
    case Refusal::OverReadLimit:
        return OverReadLimit;
    }
    return {};
}

std::string Reason(const LineReading& reading) {
    const std::string_view pattern = ReasonPattern(reading.refusal);
    switch (reading.refusal) {
    case Refusal::ColumnCount:
        return Filled(pattern, Number(reading.fieldCount));
    case Refusal::TrialsOutOfRange:
        return Filled(pattern, ColumnName(reading), Number(MinTrials), Number(MaxTrials));
    case Refusal::TheoryMismatch:
        return Filled(pattern, ColumnName(reading), Number(HitsInDeck), Number(CardsInDeck),
                      TheoreticalRatioText());
    case Refusal::OverLineLimit:
        return Filled(pattern, Number(MaxTakenLines));
    case Refusal::OverReadLimit:
        return Filled(pattern, Number(MaxReadLines));
    default:
        return Filled(pattern, ColumnName(reading), Number(reading.checkpoint),
                      Number(reading.earlierCheckpoint));
    }
}

// The counts and the ratio, or NothingTaken.
std::string Counts(const ClassPool& pool) {
    if (pool.lines.empty()) {
        return std::string(NothingTaken);
    }
    std::string text = Filled(SummaryCounts, Number(static_cast<std::int64_t>(pool.lines.size())),
                              Number(pool.trials), Number(pool.hits));
    if (!pool.ratioText.empty()) {
        text += Filled(SummaryRatio, pool.ratioText);
    }
    return text;
}

} // namespace

std::string Filled(std::string_view pattern, std::string_view first, std::string_view second,
                   std::string_view third, std::string_view fourth) {
    const std::array<std::string_view, 4> arguments = {first, second, third, fourth};
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        if (pattern[at] == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' &&
            pattern[at + 1] <= '4') {
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

std::string SizeText(std::size_t bytes) {
    constexpr std::size_t Kilo = 1024;
    if (bytes >= Kilo * Kilo && bytes % (Kilo * Kilo) == 0) {
        return std::to_string(bytes / (Kilo * Kilo)) + "MB";
    }
    if (bytes >= Kilo && bytes % Kilo == 0) {
        return std::to_string(bytes / Kilo) + "KB";
    }
    return std::to_string(bytes) + "B";
}

std::string TooLargeText() {
    return Filled(TooLarge, SizeText(MaxPastedBytes));
}

std::string FileTooLargeText() {
    return Filled(FileTooLarge, SizeText(MaxPastedBytes));
}

std::string SummaryText(const ClassPool& pool) {
    if (pool.tooLarge) {
        return TooLargeText();
    }
    std::string text = Counts(pool);
    if (pool.refusedLines > 0) {
        text += Filled(SummaryRefused, Number(pool.refusedLines));
    }
    return text;
}

std::string TotalsText(const ClassPool& pool) {
    return Counts(pool) + Filled(TotalsTheory, TheoreticalRatioText());
}

} // namespace PoolingTexts
