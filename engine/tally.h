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

// The program-wide trial state that the main window writes and the graph reads.
struct Module1 {
    std::int32_t TrialCount = 0;
    // Element n: the relative frequency after trial n. Element 0 is never written.
    std::vector<float> RatioHistory = std::vector<float>(HistoryLastTrial + 1, 0.0f);
};

// Texts for the result labels after a tally step; an empty one leaves its label as it is.
struct TallyTexts {
    std::optional<std::string> Label3; // trials
    std::optional<std::string> Label4; // hits
    std::optional<std::string> Label6; // relative frequency
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

// The counters that live on the main window, passed to the tally steps.
struct TallyCounters {
    std::int32_t& HitCount;
    Rank& CardRank;
};

TallyTexts ResetTally(Module1& module, std::int32_t& HitCount);
TrialOutcome RecordManualTrial(Module1& module, TallyCounters counters, CardIndex card);
TrialOutcome RecordAutoTrial(Module1& module, TallyCounters counters, CardIndex card);
