#include "platform/application.h"

#include "platform/error_report.h"
#include "platform/fonts.h"

#include <QIcon>
#include <exception>

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ReportFatalError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        ReportFatalError(QStringLiteral("unknown error"));
    }
}

bool NoDisplayAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland")) {
        return false;
    }
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

void ConfigureApplication() {
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("toranpu"));
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.ed.toranpu"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    QApplication::setQuitOnLastWindowClosed(false);
    ApplyDefaultFont();
}
