// The main window's tick: its cost, and the pace of a whole automatic run on
// the real 1 ms timer against the floor of 1001 ticks.
#include "platform/clock.h"
#include "platform/confirmation.h"
#include "platform/fonts.h"
#include "platform/generator.h"
#include "platform/program_end.h"
#include "platform/sound_control.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int MeasuredTicks = 10000;

class SilentSoundControl final : public SoundControl {
public:
    void setCommand(const QString&) override {}
    void setFileName(const QString&) override {}
};

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
    ApplyDefaultFont();
    Module1 module;
    SystemClock clock;
    SplitMixGenerator generator;
    QtConfirmation confirmation;
    QtProgramEnd programEnd;
    SilentSoundControl sound;
    Form1 form(module, {clock, generator, confirmation, programEnd, sound});
    form.Form_Load();
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
            form.Timer1.stop();
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
    QObject::connect(&form.Timer1, &QTimer::timeout, &loop, [&] {
        if (form.state() == Form1State::Finished) {
            loop.quit();
        }
    });
    run.start();
    form.Command4_Click();
    loop.exec();
    const double ms = static_cast<double>(run.nsecsElapsed()) / 1e6;
    const double floorMs = AutoTrialLimit + 1;
    std::printf("automatic run to %d trials: %.1f ms wall, floor %.0f ms, ratio %.3f\n",
                module.TrialCount, ms, floorMs, ms / floorMs);
    return 0;
}
