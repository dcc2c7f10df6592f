#pragma once

#include "design/graph_figure.h"
#include "engine/earlier_experiments.h"
#include "engine/tally.h"

#include <string>
#include <vector>

// What the graph shows beyond the design's figure. Both are off at start, so
// that a pupil sees the figure as designed until asking for more; the graph's
// menu sets them, and they hold while the program runs.
struct GraphChoices {
    bool spread = false;
    bool earlier = false;
};

// What the graph window reads, and the choices its menu writes.
struct GraphSources {
    const Tally& tally;
    const EarlierExperiments& earlier;
    GraphChoices& choices;
};

// The figure with what the choices add: the expected spread around the
// theoretical probability and the earlier experiments under the current curve.
std::vector<GraphFigure::Step> GraphSteps(const GraphSources& sources);

// What the graph shows, in words for a screen reader: the trials, the
// frequency at the last one and the theory (the theory alone while there are
// no trials), then a sentence for each choice that is on.
std::string GraphDescription(const GraphSources& sources);
