#include "engine/tally.h"
#include "platform/clock.h"
#include "platform/confirmation.h"
#include "platform/error_report.h"
#include "platform/fonts.h"
#include "platform/generator.h"
#include "platform/program_end.h"
#include "platform/qt_sound_control.h"
#include "platform/window.h"
#include "ui/main/form1.h"

#include <QIcon>
#include <cstdio>

int main(int argc, char** argv) {
    if (NoDisplayAvailable()) {
        std::fputs("toranpu: no display found (DISPLAY is not set); start it from a desktop "
                   "session.\n",
                   stderr);
        return 1;
    }
    InstallErrorReport();
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("toranpu"));
    QApplication::setApplicationDisplayName(QStringLiteral("３の倍数のトランプカード"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    // Only the exit button and the main window's frame end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    ApplyDefaultFont();

    Module1 module;
    SystemClock clock;
    SplitMixGenerator generator;
    QtConfirmation confirmation;
    QtProgramEnd programEnd;
    QtSoundControl sound;
    Form1 form1(module, {clock, generator, confirmation, programEnd, sound});
    confirmation.setParent(&form1);

    form1.Form_Load();
    ShowWindow(form1);
    return QApplication::exec();
}
