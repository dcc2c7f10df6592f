// Time for the graph window to draw its whole figure, by number of trials.
#include "engine/tally.h"
#include "platform/fonts.h"
#include "ui/graph/form2.h"

#include <QApplication>
#include <benchmark/benchmark.h>

static void BM_DrawGraph(benchmark::State& state) {
    Module1 module;
    const auto trials = static_cast<std::int32_t>(state.range(0));
    std::int32_t hits = 0;
    for (std::int32_t n = 1; n <= trials; ++n) {
        const std::int32_t rank = (n - 1) % 13 + 1;
        hits += rank % 3 == 0 ? 1 : 0;
        module.RatioHistory[static_cast<std::size_t>(n)] =
            static_cast<float>(hits) / static_cast<float>(n);
    }
    module.TrialCount = trials;
    QWidget mainWindow;
    Form2 form(module, mainWindow);
    for (auto _ : state) {
        form.Form_Activate();
        benchmark::DoNotOptimize(form.Picture1.image().constBits());
    }
}
BENCHMARK(BM_DrawGraph)
    ->Arg(1000)
    ->Arg(AutoTrialLimit + 1)
    ->Arg(HistoryLastTrial)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ApplyDefaultFont();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
