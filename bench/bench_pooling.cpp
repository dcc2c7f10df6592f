// Cost of reading and pooling a pasted sheet of 1000 results lines under a
// header, each with a name, drawn by the main window's rules over the real
// generator; and of everything the class window shows for it, both figures
// included.
#include "controller/class_content.h"
#include "pooling/class_pool.h"
#include "tests/support/class_sheet.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

constexpr int SheetLines = 1000;

std::string Sheet() {
    return MakeClassSheet(SheetLines).text;
}

} // namespace

static void BM_PoolThousandLines(benchmark::State& state) {
    const std::string sheet = Sheet();
    for (auto _ : state) {
        const ClassPool pool = PoolClassText(sheet);
        if (pool.lines.size() != SheetLines) {
            state.SkipWithError("a line was not taken");
        }
        benchmark::DoNotOptimize(pool.hits);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(sheet.size()));
}
BENCHMARK(BM_PoolThousandLines)->Unit(benchmark::kMicrosecond);

// What the class window recomputes as its text changes: the pool, the table,
// every answer, the summary and the steps of both figures.
static void BM_ClassResultsThousandLines(benchmark::State& state) {
    const std::string sheet = Sheet();
    for (auto _ : state) {
        const ClassResults results = ComputeClassResults(sheet);
        if (results.rows.size() != SheetLines) {
            state.SkipWithError("a line was not taken");
        }
        benchmark::DoNotOptimize(results.spread.steps.data());
    }
    const ClassResults results = ComputeClassResults(sheet);
    state.counters["pooled steps"] = static_cast<double>(results.pooled.steps.size());
    state.counters["spread steps"] = static_cast<double>(results.spread.steps.size());
}
BENCHMARK(BM_ClassResultsThousandLines)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
