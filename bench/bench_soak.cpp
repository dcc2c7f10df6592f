// Soak and leak check: a long shuffle, many automatic runs and many openings
// of the graph and help windows, with resident memory read before and after
// each phase. Usage: bench_soak [divisor] runs every phase divisor times
// shorter (for a sanitizer build, say).
#include "runtime/splitmix_generator.h"
#include "runtime/system_clock.h"
#include "tests/support/form1_fixture.h"
#include "ui/graph/form2.h"
#include "ui/help/form4.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

constexpr long ShuffleTicks = 1'000'000;
constexpr long AutomaticRuns = 200;
constexpr long WindowOpenings = 1000;
// Pending paint and show events are handled this often, as the event loop would.
constexpr long TicksPerEventPass = 1000;
// Growth allowed between the end of a phase's warm-up and its end.
constexpr long AllowedGrowthKiB = 4L * 1024;
// The first iterations fill caches (fonts, glyphs, backing stores) for good.
constexpr long WarmUpDivisor = 100;

// VmRSS of this process in KiB, or -1 where /proc is not there.
long ResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    // Files under /proc report no size, so read them whole rather than by line.
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').first().toLong();
        }
    }
    return -1;
}

// The offscreen platform says on every show that it cannot raise a window;
// that line would drown the figures.
void DropRaiseNotice(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message != QLatin1String("This plugin does not support raise()")) {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }
}

// The ticks are called directly; the real timer must not add ticks of its own.
void StopTimer(Form1& form) {
    form.findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
}

void HandlePendingEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct PhaseResult {
    long growthKiB;
    bool countsRight;
};

// Runs `step` `count` times; prints the pace in `unit`s per second and the
// resident memory before, after the warm-up and at the end.
PhaseResult RunPhase(const char* name, long count, const char* unit, long unitsPerStep,
                     const std::function<bool()>& step) {
    const long before = ResidentKiB();
    const long warmUp = std::max(1L, count / WarmUpDivisor);
    long afterWarmUp = before;
    bool countsRight = true;
    QElapsedTimer timer;
    timer.start();
    for (long i = 0; i < count; ++i) {
        countsRight = step() && countsRight;
        if (i + 1 == warmUp) {
            afterWarmUp = ResidentKiB();
        }
    }
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    HandlePendingEvents();
    const long after = ResidentKiB();
    std::printf("%-28s %9ld %-7s %7.2f s  %12.0f %s/s  RSS KiB before %7ld  after warm-up %7ld  "
                "after %7ld  (%+ld)%s\n",
                name, count * unitsPerStep, unit, seconds,
                static_cast<double>(count * unitsPerStep) / seconds, unit, before, afterWarmUp,
                after, after - afterWarmUp, countsRight ? "" : "  COUNTS WRONG");
    std::fflush(stdout);
    return {after - afterWarmUp, countsRight};
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const long divisor = argc > 1 ? std::max(1L, std::strtol(argv[1], nullptr, 10)) : 1L;
    qInstallMessageHandler(DropRaiseNotice);
    QApplication app(argc, argv);

    // The real clock and generator; the cues are counted, not played, so
    // that no audio is needed.
    SystemClock clock;
    SplitMixGenerator generator;
    Form1Fixture f({.clock = &clock, .generator = &generator});
    auto& form = f.form;
    const Tally& tally = f.tally;
    form->show();
    HandlePendingEvents();
    std::printf("soak: divisor %ld, RSS at start %ld KiB\n", divisor, ResidentKiB());

    std::vector<PhaseResult> results;

    // The ticks are called directly; the real timer is stopped so that the
    // event passes do not add ticks of their own.
    const long shuffleSteps = std::max(1L, ShuffleTicks / divisor / TicksPerEventPass);
    form->Command2_Click();
    StopTimer(*form);
    results.push_back(
        RunPhase("ticks while shuffling", shuffleSteps, "ticks", TicksPerEventPass, [&] {
            for (long t = 0; t < TicksPerEventPass; ++t) {
                form->Timer1_Tick();
            }
            HandlePendingEvents();
            return form->state() == MainState::Shuffling && tally.TrialCount() == 0;
        }));
    form->Command1_Click();

    constexpr long TicksPerRun = AutoTrialLimit + 1;
    results.push_back(
        RunPhase("automatic runs of 1001 ticks", std::max(1L, AutomaticRuns / divisor), "ticks",
                 TicksPerRun, [&] {
                     form->Command6_Click();
                     form->Command4_Click();
                     StopTimer(*form);
                     long ticks = 0;
                     while (form->state() == MainState::AutoRunning && ticks <= TicksPerRun) {
                         form->Timer1_Tick();
                         ++ticks;
                     }
                     HandlePendingEvents();
                     return ticks == TicksPerRun && tally.TrialCount() == AutoTrialLimit &&
                            form->state() == MainState::Finished;
                 }));

    const long openings = std::max(1L, WindowOpenings / divisor);
    results.push_back(RunPhase("graph window open and close", openings, "windows", 1, [&] {
        form->Command7_Click();
        HandlePendingEvents();
        Form2* graph = form->graphWindow();
        if (graph == nullptr) {
            return false;
        }
        graph->Command1_Click();
        HandlePendingEvents();
        return form->graphWindow() == nullptr && form->isVisible() &&
               tally.TrialCount() == AutoTrialLimit;
    }));
    results.push_back(RunPhase("help window open and close", openings, "windows", 1, [&] {
        form->Command8_Click();
        HandlePendingEvents();
        Form4* help = form->helpWindow();
        if (help == nullptr) {
            return false;
        }
        help->Command1_Click();
        HandlePendingEvents();
        return form->helpWindow() == nullptr && form->state() == MainState::Finished;
    }));

    const long expectedCues = std::max(1L, AutomaticRuns / divisor) + openings;
    form.reset();
    HandlePendingEvents();
    const long cues = f.cues.cues.size();
    std::printf("RSS at end, main window destroyed: %ld KiB; cues asked for: %ld of %ld\n",
                ResidentKiB(), cues, expectedCues);

    const bool flat = std::all_of(results.begin(), results.end(), [](const PhaseResult& r) {
        return r.growthKiB <= AllowedGrowthKiB;
    });
    const bool counted =
        cues == expectedCues && std::all_of(results.begin(), results.end(),
                                            [](const PhaseResult& r) { return r.countsRight; });
    std::printf("verdict: %s (memory %s within %ld KiB per phase; counts %s)\n",
                flat && counted ? "OK" : (flat ? "COUNTS WRONG" : "GROWTH"),
                flat ? "flat" : "grew beyond", AllowedGrowthKiB, counted ? "right" : "WRONG");
    return flat && counted ? 0 : 1;
}
