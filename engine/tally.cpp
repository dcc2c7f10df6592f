#include "engine/tally.h"

#include "engine/number_text.h"

#include <cassert>

namespace {

// Stores HitCount / TrialCount for the current trial and returns its text. The
// text is made from the stored single, so the label shows what the graph plots.
std::string FrequencyStep(Module1& module, std::int32_t hitCount) {
    const std::int32_t n = module.TrialCount;
    assert(n >= 1 && n <= HistoryLastTrial);
    const double quotient = static_cast<double>(hitCount) / static_cast<double>(n);
    module.RatioHistory[static_cast<std::size_t>(n)] = static_cast<float>(quotient);
    return RatioText(module.RatioHistory[static_cast<std::size_t>(n)]);
}

} // namespace

TallyTexts ResetTally(Module1& module, std::int32_t& HitCount) {
    module.TrialCount = 0;
    HitCount = 0;
    return {PlainNumberText(module.TrialCount), PlainNumberText(HitCount), std::nullopt};
}

TrialOutcome RecordManualTrial(Module1& module, TallyCounters counters, CardIndex card) {
    if (module.TrialCount >= HistoryLastTrial) {
        return {TrialResult::HistoryFull, {}};
    }
    TrialOutcome outcome;
    module.TrialCount += 1;
    outcome.texts.Label3 = SignPaddedText(module.TrialCount);
    counters.CardRank = RankOf(card);
    if (IsHit(counters.CardRank)) {
        counters.HitCount += 1;
        outcome.texts.Label4 = SignPaddedText(counters.HitCount);
    }
    outcome.texts.Label6 = FrequencyStep(module, counters.HitCount);
    return outcome;
}

TrialOutcome RecordAutoTrial(Module1& module, TallyCounters counters, CardIndex card) {
    TrialOutcome outcome;
    counters.CardRank = RankOf(card);
    if (module.TrialCount < AutoTrialLimit) {
        if (IsHit(counters.CardRank)) {
            counters.HitCount += 1;
            outcome.texts.Label4 = PlainNumberText(counters.HitCount);
        }
        module.TrialCount += 1;
    } else {
        outcome.result = TrialResult::AutoLimitReached;
    }
    outcome.texts.Label3 = PlainNumberText(module.TrialCount);
    outcome.texts.Label6 = FrequencyStep(module, counters.HitCount);
    return outcome;
}
