#include "controller/graph_content.h"

#include "design/texts.h"
#include "engine/deck.h"
#include "engine/number_text.h"
#include "engine/spread.h"

#include <algorithm>

namespace {

GraphFigure::Band ExpectedSpread(std::int32_t trials) {
    const SpreadBand band = SpreadBandAt(trials);
    return {band.low, band.high};
}

// Before any trial the words give the spread where an automatic run ends.
std::string SpreadSentence(std::int32_t trials) {
    const std::int32_t n = trials > 0 ? trials : AutoTrialLimit;
    // A frequency lies between 0 and 1, so the words say no more than that.
    const SpreadBand band = SpreadBandAt(n);
    return Texts::SpreadSentence(SpreadBoundText(std::max(band.low, 0.0)),
                                 SpreadBoundText(std::min(band.high, 1.0)), PlainNumberText(n));
}

std::string EarlierSentence(const EarlierExperiments& earlier) {
    std::vector<Texts::ExperimentSummary> summaries;
    for (const EarlierExperiment& experiment : earlier.experiments()) {
        const float last = experiment.ratioHistory[static_cast<std::size_t>(experiment.trials)];
        summaries.push_back({PlainNumberText(experiment.trials), RatioText(last)});
    }
    return Texts::EarlierSentence(summaries);
}

} // namespace

std::vector<GraphFigure::Step> GraphSteps(const GraphSources& sources) {
    std::vector<GraphFigure::Curve> earlier;
    if (sources.choices.earlier) {
        for (const EarlierExperiment& experiment : sources.earlier.experiments()) {
            earlier.push_back({experiment.ratioHistory, experiment.trials});
        }
    }
    const GraphFigure::Extras extras{sources.choices.spread ? &ExpectedSpread : nullptr, earlier};
    return GraphFigure::Steps(sources.tally.RatioHistory(), sources.tally.TrialCount(), extras);
}

std::string GraphDescription(const GraphSources& sources) {
    const Tally& tally = sources.tally;
    std::string description = Texts::GraphDescription(
        PlainNumberText(tally.TrialCount()), tally.FrequencyText(), TheoreticalRatioText());
    if (sources.choices.spread) {
        description = Texts::WithSentence(description, SpreadSentence(tally.TrialCount()));
    }
    if (sources.choices.earlier && !sources.earlier.experiments().empty()) {
        description = Texts::WithSentence(description, EarlierSentence(sources.earlier));
    }
    return description;
}
