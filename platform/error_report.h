#pragma once

#include <QApplication>
#include <QString>

// Exit status of a program ended by an error that nothing handled.
inline constexpr int FatalErrorExitCode = 70;

// Shows the message (a box where a display is there to show it, always a line
// on standard error) and ends the process with FatalErrorExitCode. No core dump.
[[noreturn]] void ReportFatalError(const QString& message);

// Routes what would otherwise abort the process to ReportFatalError: an
// exception leaving an event handler, std::terminate and Qt's fatal messages.
void InstallErrorReport();

// The application object; an exception thrown by a handler ends up in the report.
class Application final : public QApplication {
public:
    Application(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

// True when no window system can be reached, so the program should not even try.
bool NoDisplayAvailable();
