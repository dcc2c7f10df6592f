#include "engine/tally.h"
#include "platform/application.h"
#include "platform/error_report.h"
#include "platform/qt_sound_control.h"
#include "platform/window.h"
#include "runtime/splitmix_generator.h"
#include "runtime/system_clock.h"
#include "ui/main/desktop_services.h"
#include "ui/main/form1.h"

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
    ConfigureApplication();

    Tally tally;
    SystemClock clock;
    SplitMixGenerator generator;
    BoxConfirmation confirmation;
    EventLoopEnd programEnd;
    QtSoundControl sound;
    SoundCues cues(sound);
    Form1 form1(tally, {clock, generator, confirmation, programEnd, cues});
    confirmation.setParent(&form1);

    form1.Form_Load();
    ShowWindow(form1);
    return QApplication::exec();
}
