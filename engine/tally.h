#pragma once

#include "engine/deck.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The last trial number that the frequency history can hold.
inline constexpr std::int32_t HistoryLastTrial = 100000;
// An automatic run stops once this many trials have been counted.
inline constexpr std::int32_t AutoTrialLimit = 1000;

// The texts of the numbers that a tally step wrote. A number the step leaves
// alone has no text here, and its display keeps whatever it showed.
struct TallyTexts {
    std::optional<std::string> trials;
    std::optional<std::string> hits;
    std::optional<std::string> frequency;
};

enum class TrialResult {
    Counted,
    AutoLimitReached, // nothing counted; the automatic run must stop
    HistoryFull,      // nothing counted or changed; no element is left for another trial
};

struct TrialOutcome {
    TrialResult result = TrialResult::Counted;
    TallyTexts texts;
};

// The experiment: the trials and hits counted so far and the relative
// frequency after every trial. One object lives as long as the program; the
// main window's rules write it, the graph reads it.
class Tally {
public:
    // Both counters back to 0; the history keeps its values.
    TallyTexts ResetTally();
    // Counts the card on show. Refused, changing nothing, once the history is full.
    TrialOutcome RecordManualTrial(CardIndex card);
    // Counts one card of an automatic run, unless the run has reached its limit.
    TrialOutcome RecordAutoTrial(CardIndex card);

    std::int32_t TrialCount() const { return m_trialCount; }
    std::int32_t HitCount() const { return m_hitCount; }
    // Element n: the relative frequency after trial n. Element 0 is never written.
    const std::vector<float>& RatioHistory() const { return m_ratioHistory; }
    // The frequency as shown: the text of the latest element, made from the
    // stored single; empty while no trial is counted.
    std::string FrequencyText() const;

private:
    std::string frequencyStep();

    std::int32_t m_trialCount = 0;
    std::int32_t m_hitCount = 0;
    std::vector<float> m_ratioHistory = std::vector<float>(HistoryLastTrial + 1, 0.0f);
};
