#pragma once

#include <QString>

// Exit status of a program ended by an error that nothing handled.
inline constexpr int FatalErrorExitCode = 70;

// Shows the message (a box where a display is there to show it, always a line
// on standard error) and ends the process with FatalErrorExitCode. No core dump.
[[noreturn]] void ReportFatalError(const QString& message);

// Routes what would otherwise abort the process to ReportFatalError: an
// exception leaving an event handler, std::terminate and Qt's fatal messages.
void InstallErrorReport();
