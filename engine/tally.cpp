#include "engine/tally.h"

#include "engine/number_text.h"

#include <cassert>

// Stores HitCount / TrialCount for the current trial and returns its text. The
// text is made from the stored single, so the display shows what the graph plots.
std::string Tally::frequencyStep() {
    const std::int32_t n = m_trialCount;
    assert(n >= 1 && n <= HistoryLastTrial);
    const double quotient = static_cast<double>(m_hitCount) / static_cast<double>(n);
    m_ratioHistory[static_cast<std::size_t>(n)] = static_cast<float>(quotient);
    return RatioText(m_ratioHistory[static_cast<std::size_t>(n)]);
}

std::string Tally::FrequencyText() const {
    if (m_trialCount == 0) {
        return {};
    }
    return RatioText(m_ratioHistory[static_cast<std::size_t>(m_trialCount)]);
}

TallyTexts Tally::ResetTally() {
    m_trialCount = 0;
    m_hitCount = 0;
    return {PlainNumberText(m_trialCount), PlainNumberText(m_hitCount), std::nullopt};
}

TrialOutcome Tally::RecordManualTrial(CardIndex card) {
    if (m_trialCount >= HistoryLastTrial) {
        return {TrialResult::HistoryFull, {}};
    }
    TrialOutcome outcome;
    m_trialCount += 1;
    outcome.texts.trials = SignPaddedText(m_trialCount);
    if (IsHit(RankOf(card))) {
        m_hitCount += 1;
        outcome.texts.hits = SignPaddedText(m_hitCount);
    }
    outcome.texts.frequency = frequencyStep();
    return outcome;
}

TrialOutcome Tally::RecordAutoTrial(CardIndex card) {
    TrialOutcome outcome;
    if (m_trialCount < AutoTrialLimit) {
        if (IsHit(RankOf(card))) {
            m_hitCount += 1;
            outcome.texts.hits = PlainNumberText(m_hitCount);
        }
        m_trialCount += 1;
    } else {
        outcome.result = TrialResult::AutoLimitReached;
    }
    outcome.texts.trials = PlainNumberText(m_trialCount);
    outcome.texts.frequency = frequencyStep();
    return outcome;
}
