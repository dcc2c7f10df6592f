#pragma once

#include "controller/graph_content.h"
#include "engine/earlier_experiments.h"
#include "engine/tally.h"

// The card of trial n when the cards come in index order: trials 3, 6, 9 and
// 12 of every 13 are hits.
inline CardIndex CardOfTrial(std::int32_t trial) {
    return static_cast<CardIndex>((trial - 1) % CardsInDeck + 1);
}

// Counts trials by hand, the cards in index order, until `trials` are counted.
inline void DrawInDeckOrder(Tally& tally, std::int32_t trials) {
    while (tally.TrialCount() < trials) {
        tally.RecordManualTrial(CardOfTrial(tally.TrialCount() + 1));
    }
}

// What a graph window reads, on its own: an experiment, those kept before it
// and the graph menu's choices, off as at start.
struct GraphInputs {
    Tally tally;
    EarlierExperiments earlier;
    GraphChoices choices;
    GraphSources sources() { return {tally, earlier, choices}; }
};
