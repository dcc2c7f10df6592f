#include "pooling/class_pool.h"

#include "engine/number_text.h"
#include "engine/tally.h"
#include "pooling/fields.h"

#include <algorithm>
#include <unordered_map>

namespace {

void AddLine(ClassPool& pool, const ClassLine& line) {
    pool.trials += line.trials;
    pool.hits += line.hits;
    for (std::size_t i = 0; i < Checkpoints.size(); ++i) {
        if (line.hitsByCheckpoint[i]) {
            pool.checkpoints[i].ratios.push_back(static_cast<double>(*line.hitsByCheckpoint[i]) /
                                                 Checkpoints[i]);
        }
    }
    pool.lines.push_back(line);
}

void Summarise(ClassPool& pool) {
    if (pool.trials > 0) {
        // Like the main window's frequency, so that one pupil's line pools to
        // the ratio that pupil saw.
        pool.ratioText = RatioText(StoredFrequency(pool.hits, pool.trials));
    }
    for (std::size_t i = 0; i < Checkpoints.size(); ++i) {
        CheckpointSpread& spread = pool.checkpoints[i];
        spread.trial = Checkpoints[i];
        if (!spread.ratios.empty()) {
            const auto [lowest, highest] =
                std::minmax_element(spread.ratios.begin(), spread.ratios.end());
            spread.lowest = *lowest;
            spread.highest = *highest;
        }
    }
}

} // namespace

ClassPool PoolClassText(std::string_view text) {
    ClassPool pool;
    if (text.size() > MaxPastedBytes) {
        pool.tooLarge = true;
        Summarise(pool);
        return pool;
    }
    // Room for every line up to the limits at once: growing moves every
    // answer again and again.
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    pool.answers.reserve(std::min(lines, static_cast<std::size_t>(MaxReadLines) + 1));
    pool.lines.reserve(std::min(lines, static_cast<std::size_t>(MaxTakenLines)));
    // Each taken line's text, to find a line pasted twice.
    std::unordered_map<std::string_view, int> takenLines;
    takenLines.reserve(pool.lines.capacity());
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (IsBlankLine(line)) {
            continue;
        }
        LineAnswer answer;
        answer.lineNumber = lineNumber;
        const bool readEnough = static_cast<int>(pool.answers.size()) >= MaxReadLines;
        const bool takenEnough = static_cast<int>(pool.lines.size()) >= MaxTakenLines;
        if (readEnough || takenEnough) {
            answer.reading.verdict = LineVerdict::Refused;
            answer.reading.refusal = takenEnough ? Refusal::OverLineLimit : Refusal::OverReadLimit;
            ++pool.refusedLines;
            pool.answers.push_back(std::move(answer));
            break;
        }
        answer.reading = ReadClassLine(line);
        switch (answer.reading.verdict) {
        case LineVerdict::Taken: {
            const auto [first, isNew] = takenLines.try_emplace(line, lineNumber);
            if (!isNew) {
                answer.sameAsLine = first->second;
            }
            AddLine(pool, answer.reading.line);
            break;
        }
        case LineVerdict::PassedOver:
            ++pool.passedOverLines;
            break;
        case LineVerdict::Refused:
            ++pool.refusedLines;
            break;
        }
        pool.answers.push_back(std::move(answer));
    }
    Summarise(pool);
    return pool;
}
