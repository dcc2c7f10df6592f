#include "platform/application.h"

#include "platform/fonts.h"

#include <QApplication>
#include <QIcon>

void ConfigureApplication() {
    // No display name: Qt would append it to every window title.
    QApplication::setApplicationName(QStringLiteral("toranpu"));
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.ed.toranpu"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    QApplication::setQuitOnLastWindowClosed(false);
    ApplyDefaultFont();
}
