#include "platform/fonts.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// The main of the benchmarks that draw windows: offscreen unless told
// otherwise, in the program's own font, so that the figures are the
// drawing's alone.
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
