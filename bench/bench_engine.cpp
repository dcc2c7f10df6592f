// Cost of the draw and of one counted trial, in nanoseconds per call.
#include "engine/deck.h"
#include "engine/tally.h"
#include "runtime/splitmix_generator.h"
#include "runtime/system_clock.h"

#include <benchmark/benchmark.h>

static void BM_DrawCard(benchmark::State& state) {
    SystemClock clock;
    SplitMixGenerator generator;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DrawCard(clock, generator));
    }
}
BENCHMARK(BM_DrawCard);

static void BM_CountedTrial(benchmark::State& state) {
    Tally tally;
    CardIndex card = 1;
    for (auto _ : state) {
        if (tally.TrialCount() >= HistoryLastTrial) {
            tally.ResetTally();
        }
        benchmark::DoNotOptimize(tally.RecordManualTrial(card));
        card = static_cast<CardIndex>(card % CardsInDeck + 1);
    }
}
BENCHMARK(BM_CountedTrial);

BENCHMARK_MAIN();
