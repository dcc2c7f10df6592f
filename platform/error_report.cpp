#include "platform/error_report.h"

#include "design/texts.h"
#include "platform/design_qt.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

bool CanShowBox() {
    if (QGuiApplication::instance() == nullptr) {
        return false;
    }
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

void OnTerminate() {
    QString message = QStringLiteral("unhandled error");
    if (const std::exception_ptr current = std::current_exception()) {
        try {
            std::rethrow_exception(current);
        } catch (const std::exception& e) {
            message = QString::fromLocal8Bit(e.what());
        } catch (...) {
        }
    }
    ReportFatalError(message);
}

void OnQtMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "toranpu: %s\n", qPrintable(text));
        std::fflush(stderr);
        std::_Exit(FatalErrorExitCode);
    }
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

} // namespace

void ReportFatalError(const QString& message) {
    std::fprintf(stderr, "toranpu: fatal error: %s\n", qPrintable(message));
    std::fflush(stderr);
    if (CanShowBox()) {
        QMessageBox::critical(nullptr, ToQString(Texts::DialogTitle),
                              QStringLiteral("エラーが発生したため終了します。\n%1").arg(message));
    }
    std::_Exit(FatalErrorExitCode);
}

void InstallErrorReport() {
    std::set_terminate(OnTerminate);
    qInstallMessageHandler(OnQtMessage);
}
