#include "platform/program_end.h"

#include <QApplication>
#include <QWidget>

void EndEventLoop() {
    // Hide every window first so that nothing more is shown or handled
    // between this call and the return from the event loop.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        window->hide();
    }
    QCoreApplication::exit(0);
}
