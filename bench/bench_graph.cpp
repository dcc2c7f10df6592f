// Time for the graph window to draw its whole figure, by number of trials.
#include "engine/tally.h"
#include "tests/support/history.h"
#include "ui/graph/form2.h"

#include <benchmark/benchmark.h>

static void BM_DrawGraph(benchmark::State& state) {
    GraphInputs inputs;
    DrawInDeckOrder(inputs.tally, static_cast<std::int32_t>(state.range(0)));
    Form2 form(inputs.sources());
    for (auto _ : state) {
        form.Form_Activate();
        benchmark::DoNotOptimize(form.surface().image().constBits());
    }
}
BENCHMARK(BM_DrawGraph)
    ->Arg(1000)
    ->Arg(AutoTrialLimit + 1)
    ->Arg(HistoryLastTrial)
    ->Unit(benchmark::kMillisecond);

// The most the graph draws: both choices on, nine earlier experiments of an
// automatic run's length and a current one at the history's end.
static void BM_DrawGraphWithBothChoices(benchmark::State& state) {
    GraphInputs inputs;
    for (std::size_t kept = 0; kept < EarlierExperiments::Limit; ++kept) {
        inputs.tally.ResetTally();
        DrawInDeckOrder(inputs.tally, AutoTrialLimit);
        inputs.earlier.keep(inputs.tally);
    }
    inputs.tally.ResetTally();
    DrawInDeckOrder(inputs.tally, HistoryLastTrial);
    inputs.choices = {true, true};
    Form2 form(inputs.sources());
    for (auto _ : state) {
        form.Form_Activate();
        benchmark::DoNotOptimize(form.surface().image().constBits());
    }
}
BENCHMARK(BM_DrawGraphWithBothChoices)->Unit(benchmark::kMillisecond);
