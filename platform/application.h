#pragma once

#include <QApplication>

// The application object; an exception thrown by a handler ends up in the
// error report.
class Application final : public QApplication {
public:
    Application(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

// True when no window system can be reached, so the program should not even try.
bool NoDisplayAvailable();

// Sets up the running application as the desktop sees it: its name, its menu
// entry, its icon, the default font, and that only the program itself decides
// when it ends (not the last window closing).
void ConfigureApplication();
