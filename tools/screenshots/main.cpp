// Renders the windows in typical states to PNG files for the README and for
// review: screenshots <output-dir>. Run it under a real X server (Xvfb) so that
// fonts and window decorations are those of a desktop.
#include "engine/clock.h"
#include "engine/tally.h"
#include "platform/fonts.h"
#include "platform/qt_sound_control.h"
#include "runtime/splitmix_generator.h"
#include "ui/class/form5.h"
#include "ui/graph/form2.h"
#include "ui/help/form4.h"
#include "ui/main/desktop_services.h"
#include "ui/main/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QIcon>
#include <cstdio>

namespace {

// A clock that moves on 1 ms per reading, so that the draws are repeatable.
class SteppingClock final : public Clock {
public:
    float secondsSinceMidnight() override { return 36000.0f + 0.001f * static_cast<float>(m_n++); }

private:
    long m_n = 0;
};

class NoProgramEnd final : public ProgramEnd {
public:
    void end() override {}
};

void Save(QWidget& window, const QDir& dir, const QString& name) {
    QCoreApplication::processEvents();
    const QString path = dir.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::fprintf(stderr, "screenshots: cannot write %s\n", qPrintable(path));
    }
}

void RunToTheEnd(Form1& form) {
    form.Command4_Click();
    while (form.state() == MainState::AutoRunning) {
        form.Timer1_Tick();
    }
}

// A class as a teacher pastes it from a spreadsheet: a header, a named
// results line for each of 35 pupils drawn by this program, a second
// header further down and a line whose hits exceed its trials.
QString ClassSheet(Form1& form) {
    constexpr int Pupils = 35;
    QClipboard& clipboard = *QGuiApplication::clipboard();
    QString sheet;
    for (int pupil = 1; pupil <= Pupils; ++pupil) {
        form.Command6_Click();
        RunToTheEnd(form);
        form.copyResults(pupil == 1);
        sheet += (pupil == 1
                      ? QStringLiteral("名前\t") +
                            clipboard.text().replace(QLatin1Char('\n'), QStringLiteral("\n生徒1\t"))
                      : QStringLiteral("生徒%1\t").arg(pupil) + clipboard.text()) +
                 QLatin1Char('\n');
        if (pupil == 20) {
            sheet += QStringLiteral("名前\t回数\t枚数\n");
        }
    }
    return sheet + QStringLiteral("生徒36\t40\t52\n");
}

void TickUntilCard(Form1& form, CardIndex card) {
    while (form.cardOnShow() != card) {
        form.Timer1_Tick();
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyDefaultFont();
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    Tally tally;
    SteppingClock clock;
    SplitMixGenerator generator;
    BoxConfirmation confirmation;
    NoProgramEnd programEnd;
    QtSoundControl sound;
    SoundCues cues(sound);
    Form1 form(tally, {clock, generator, confirmation, programEnd, cues});
    form.Form_Load();
    form.show();
    Save(form, dir, QStringLiteral("main-idle"));

    // A few draws by hand, the last one the queen of hearts (a hit).
    for (CardIndex card : {CardIndex{10}, CardIndex{24}, CardIndex{38}}) {
        form.Command2_Click();
        TickUntilCard(form, card);
        form.Command1_Click();
    }
    Save(form, dir, QStringLiteral("main-stopped"));

    form.Command4_Click();
    while (form.state() == MainState::AutoRunning) {
        form.Timer1_Tick();
    }
    Save(form, dir, QStringLiteral("main-finished"));

    form.Command7_Click();
    if (Form2* graph = form.graphWindow()) {
        Save(*graph, dir, QStringLiteral("graph"));
        graph->Command1_Click();
    }

    // Three more automatic runs, then the graph with both of its choices on:
    // the expected spread and the three experiments kept before this one.
    for (int run = 0; run < 3; ++run) {
        form.Command6_Click();
        form.Command4_Click();
        while (form.state() == MainState::AutoRunning) {
            form.Timer1_Tick();
        }
    }
    form.Command7_Click();
    if (Form2* graph = form.graphWindow()) {
        graph->showSpread(true);
        graph->showEarlier(true);
        Save(*graph, dir, QStringLiteral("graph-choices"));
        graph->Command1_Click();
    }
    form.Command8_Click();
    if (QWidget* help = form.helpWindow()) {
        Save(*help, dir, QStringLiteral("help"));
    }

    // The class window with a class pasted and its results settled.
    const QString sheet = ClassSheet(form);
    form.showClassWindow();
    if (Form5* pooled = form.classWindow()) {
        pooled->pasteBox().setPlainText(sheet);
        while (pooled->timerActive()) {
            pooled->Timer1_Tick();
        }
        Save(*pooled, dir, QStringLiteral("class"));
    }
    return 0;
}
