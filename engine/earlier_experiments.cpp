#include "engine/earlier_experiments.h"

void EarlierExperiments::keep(const Tally& tally) {
    const std::int32_t trials = tally.TrialCount();
    if (trials < 1) {
        return;
    }
    const std::vector<float>& history = tally.RatioHistory();
    m_experiments.push_back(
        {trials, std::vector<float>(history.begin(), history.begin() + trials + 1)});
    if (m_experiments.size() > Limit) {
        m_experiments.pop_front();
    }
}
