// The main window's tick: its cost, and the pace of a whole automatic run on
// the real 1 ms timer against the floor of 1001 ticks.
#include "runtime/splitmix_generator.h"
#include "runtime/system_clock.h"
#include "tests/support/form1_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int MeasuredTicks = 10000;

QTimer& Timer1(Form1& form) {
    return *form.findChild<QTimer*>(QStringLiteral("Timer1"));
}

// The ticks are called directly; the real timer must not add ticks of its own.
void StopTimer(Form1& form) {
    Timer1(form).stop();
}

double MedianMicroseconds(std::vector<qint64>& nanoseconds) {
    std::sort(nanoseconds.begin(), nanoseconds.end());
    return static_cast<double>(nanoseconds[nanoseconds.size() / 2]) / 1000.0;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The real clock and generator; the cues are only recorded.
    SystemClock clock;
    SplitMixGenerator generator;
    Form1Fixture f({.clock = &clock, .generator = &generator});
    Form1& form = *f.form;
    form.show();

    std::vector<qint64> samples;
    samples.reserve(MeasuredTicks);
    QElapsedTimer timer;
    for (const auto& [name, start] : {std::pair{"shuffle", &Form1::Command2_Click},
                                      std::pair{"automatic, counted", &Form1::Command4_Click}}) {
        samples.clear();
        // Automatic runs restart every AutoTrialLimit ticks, so that every
        // measured tick of the automatic row counts a trial.
        while (samples.size() < MeasuredTicks) {
            form.Command6_Click();
            (form.*start)();
            StopTimer(form);
            for (int i = 0; i < AutoTrialLimit; ++i) {
                timer.start();
                form.Timer1_Tick();
                samples.push_back(timer.nsecsElapsed());
            }
        }
        std::printf("tick (%s): median %.2f us over %zu ticks\n", name, MedianMicroseconds(samples),
                    samples.size());
    }

    form.Command6_Click();
    QEventLoop loop;
    QElapsedTimer run;
    QObject::connect(&Timer1(form), &QTimer::timeout, &loop, [&] {
        if (form.state() == MainState::Finished) {
            loop.quit();
        }
    });
    run.start();
    form.Command4_Click();
    loop.exec();
    const double ms = static_cast<double>(run.nsecsElapsed()) / 1e6;
    const double floorMs = AutoTrialLimit + 1;
    std::printf("automatic run to %d trials: %.1f ms wall, floor %.0f ms, ratio %.3f\n",
                f.tally.TrialCount(), ms, floorMs, ms / floorMs);
    return 0;
}
