// Time for the class window to show a class of 1000 lines: the text read
// (pasted into the box, or opened as Excel's Shift_JIS CSV file), pooled, and
// the table, the answers and both figures drawn on the desktop's surfaces.
#include "tests/support/class_sheet.h"
#include "ui/class/form5.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int SheetLines = 1000;
// Each case is timed this many times over; the median is what counts.
constexpr int Repetitions = 15;

const QString& Sheet() {
    static const QString sheet = QString::fromStdString(MakeClassSheet(SheetLines).text);
    return sheet;
}

// The recomputation the text's change asks for, as the timer's tick does it.
void ShowResults(benchmark::State& state, Form5& form) {
    form.Timer1_Tick();
    if (form.takenLines().model()->rowCount() != SheetLines) {
        state.SkipWithError("a line was not taken");
    }
    benchmark::DoNotOptimize(form.spreadFigure().image().constBits());
}

} // namespace

static void BM_PastedThousandLines(benchmark::State& state) {
    const QString& sheet = Sheet();
    Form5 form;
    for (auto _ : state) {
        form.pasteBox().setPlainText(sheet);
        ShowResults(state, form);
    }
}
BENCHMARK(BM_PastedThousandLines)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);

static void BM_OpenedThousandLineShiftJisFile(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.csv"));
    QFile file(path);
    QStringEncoder shiftJis("Shift_JIS");
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(shiftJis.encode(QString(Sheet()).replace(u'\t', u','))) < 0) {
        state.SkipWithError("cannot write the file");
        return;
    }
    file.close();
    Form5 form;
    for (auto _ : state) {
        form.pasteBox().clear();
        form.openFile(path);
        ShowResults(state, form);
    }
}
BENCHMARK(BM_OpenedThousandLineShiftJisFile)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(Repetitions)
    ->ReportAggregatesOnly(true);
