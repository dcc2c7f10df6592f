#include "pooling/line_rules.h"

#include "engine/deck.h"
#include "engine/number_text.h"
#include "engine/tally.h"
#include "pooling/fields.h"

#include <algorithm>
#include <vector>

namespace {

static_assert(MaxTrials == HistoryLastTrial);

// The numbers of each accepted form: trials and hits; the program's four
// columns; the four and the checkpoints.
constexpr std::size_t CountsOnly = 2;
constexpr std::size_t ShownColumns = 4;
constexpr std::size_t WithCheckpoints = ShownColumns + Checkpoints.size();
// RatioText's seven decimals.
constexpr int ShownDecimals = 7;
constexpr std::int64_t ShownScale = 10'000'000;

bool IsNumberCount(std::size_t count) {
    return count == CountsOnly || count == ShownColumns || count == WithCheckpoints;
}

std::int64_t PowerOfTen(int exponent) {
    std::int64_t value = 1;
    for (int i = 0; i < exponent; ++i) {
        value *= 10;
    }
    return value;
}

// Whether `given` rounds numerator/denominator at its decimals (a tie either way).
bool RoundsQuotient(const Decimal& given, std::int64_t numerator, std::int64_t denominator) {
    const std::int64_t difference =
        2 * given.units * denominator - 2 * numerator * PowerOfTen(given.decimals);
    return (difference < 0 ? -difference : difference) <= denominator;
}

// Whether `given` is the program's seven-decimal text, or that text shortened.
bool RoundsShownText(const Decimal& given, std::string_view shown) {
    const auto units = ReadDecimal(shown);
    if (!units || given.decimals > ShownDecimals) {
        return false;
    }
    return RoundsQuotient(given, units->units, ShownScale);
}

// A ratio given with some decimals: the exact quotient rounded, or the text the
// program shows (made from a single) rounded.
bool MatchesRatio(const Decimal& given, std::int64_t numerator, std::int64_t denominator,
                  std::string_view shown) {
    if (given.wholePartTooLarge) {
        return false;
    }
    return RoundsQuotient(given, numerator, denominator) || RoundsShownText(given, shown);
}

LineReading Refused(Refusal refusal, Column column, std::int32_t checkpoint = 0,
                    std::int32_t earlier = 0) {
    LineReading reading;
    reading.verdict = LineVerdict::Refused;
    reading.refusal = refusal;
    reading.column = column;
    reading.checkpoint = checkpoint;
    reading.earlierCheckpoint = earlier;
    return reading;
}

// The checkpoints' rules, in order; nullopt when all hold.
std::optional<LineReading> CheckCheckpoints(const ClassLine& line) {
    std::optional<std::size_t> earlier;
    for (std::size_t i = 0; i < Checkpoints.size(); ++i) {
        if (!line.hitsByCheckpoint[i]) {
            continue;
        }
        const std::int32_t k = Checkpoints[i];
        const std::int32_t byK = *line.hitsByCheckpoint[i];
        const auto refuse = [&](Refusal refusal) {
            return Refused(refusal, Column::Checkpoint, k, earlier ? Checkpoints[*earlier] : 0);
        };
        if (line.trials < k) {
            return refuse(Refusal::CheckpointNotReached);
        }
        if (byK > k) {
            return refuse(Refusal::CheckpointAboveTrial);
        }
        if (earlier) {
            const std::int32_t byEarlier = *line.hitsByCheckpoint[*earlier];
            if (byK < byEarlier) {
                return refuse(Refusal::CheckpointBelowEarlier);
            }
            if (byK - byEarlier > k - Checkpoints[*earlier]) {
                return refuse(Refusal::CheckpointAboveEarlierByMore);
            }
        }
        if (byK > line.hits) {
            return refuse(Refusal::CheckpointAboveTotal);
        }
        if (byK < line.hits - (line.trials - k)) {
            return refuse(Refusal::CheckpointBelowPossible);
        }
        earlier = i;
    }
    return std::nullopt;
}

} // namespace

LineReading ReadClassLine(std::string_view text) {
    LineFields split = SplitFields(text);
    std::vector<std::string_view>& fields = split.fields;
    const auto isAcceptedCount = [](std::size_t count) {
        return IsNumberCount(count) || IsNumberCount(count - 1);
    };
    // A spreadsheet may copy a row's empty cells at its end.
    if (!isAcceptedCount(fields.size())) {
        while (!fields.empty() && fields.back().empty()) {
            fields.pop_back();
        }
    }
    if (std::none_of(fields.begin(), fields.end(), IsNumber)) {
        return {};
    }

    // The label: by spaces, every text field before the first number (a name
    // may have a space in it); otherwise the one field before the numbers.
    std::size_t labelFields = 0;
    if (split.separator == Separator::Space) {
        while (labelFields < fields.size() && !IsNumber(fields[labelFields])) {
            ++labelFields;
        }
        if (labelFields == 0 && !IsNumberCount(fields.size())) {
            labelFields = 1;
        }
    } else if (!IsNumberCount(fields.size())) {
        labelFields = 1;
    }
    if (!IsNumberCount(fields.size() - labelFields)) {
        LineReading reading = Refused(Refusal::ColumnCount, Column::Trials);
        reading.fieldCount = static_cast<int>(fields.size());
        return reading;
    }

    LineReading reading;
    ClassLine& line = reading.line;
    if (labelFields > 0) {
        const std::string_view first = fields.front();
        const std::string_view last = fields[labelFields - 1];
        line.label.assign(first.data(),
                          static_cast<std::size_t>(last.data() + last.size() - first.data()));
    }
    const std::string_view* numbers = fields.data() + labelFields;
    const std::size_t count = fields.size() - labelFields;

    const auto trials = ReadWholeNumber(numbers[0]);
    if (!trials) {
        return Refused(Refusal::NotWholeNumber, Column::Trials);
    }
    const auto hits = ReadWholeNumber(numbers[1]);
    if (!hits) {
        return Refused(Refusal::NotWholeNumber, Column::Hits);
    }
    if (*trials < MinTrials || *trials > MaxTrials) {
        return Refused(Refusal::TrialsOutOfRange, Column::Trials);
    }
    if (*hits > *trials) {
        return Refused(Refusal::HitsExceedTrials, Column::Hits);
    }
    line.trials = static_cast<std::int32_t>(*trials);
    line.hits = static_cast<std::int32_t>(*hits);

    if (count >= ShownColumns) {
        const auto ratio = ReadDecimal(numbers[2]);
        if (!ratio) {
            return Refused(Refusal::NotDecimal, Column::Ratio);
        }
        const std::string shown = RatioText(StoredFrequency(line.hits, line.trials));
        if (!MatchesRatio(*ratio, line.hits, line.trials, shown)) {
            return Refused(Refusal::RatioMismatch, Column::Ratio);
        }
        const auto theory = ReadDecimal(numbers[3]);
        if (!theory) {
            return Refused(Refusal::NotDecimal, Column::Theory);
        }
        if (!MatchesRatio(*theory, HitsInDeck, CardsInDeck, TheoreticalRatioText())) {
            return Refused(Refusal::TheoryMismatch, Column::Theory);
        }
    }
    if (count == WithCheckpoints) {
        for (std::size_t i = 0; i < Checkpoints.size(); ++i) {
            const std::string_view field = numbers[ShownColumns + i];
            if (field.empty()) {
                continue;
            }
            const auto byK = ReadWholeNumber(field);
            if (!byK) {
                return Refused(Refusal::NotWholeNumber, Column::Checkpoint, Checkpoints[i]);
            }
            line.hitsByCheckpoint[i] =
                static_cast<std::int32_t>(std::min<std::int64_t>(*byK, MaxTrials + 1));
        }
        if (auto refused = CheckCheckpoints(line)) {
            return *refused;
        }
    }
    reading.verdict = LineVerdict::Taken;
    return reading;
}
