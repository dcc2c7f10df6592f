// The program as a process: how it ends when it cannot start or when an error
// escapes a handler. The error case runs this test binary again as a child.
#include "platform/error_report.h"

#include <QProcess>
#include <QTimer>
#include <QtTest>
#include <stdexcept>

namespace {

const char* const ChildFlag = "--child-throws-in-handler";

int RunChildThatThrows(int argc, char** argv) {
    InstallErrorReport();
    Application app(argc, argv);
    QTimer::singleShot(0, [] { throw std::runtime_error("counter overflow"); });
    return QApplication::exec();
}

} // namespace

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    void withoutADisplayItSaysSoAndFails();
    void anErrorInAHandlerIsReportedAndEndsTheProcess();
};

void ProgramTest::withoutADisplayItSaysSoAndFails() {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(TOOLS_BINARY_DIR "/toranpu"), {});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 1);
    const QList<QByteArray> lines = program.readAllStandardError().trimmed().split('\n');
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines.first().contains("no display"));
}

void ProgramTest::anErrorInAHandlerIsReportedAndEndsTheProcess() {
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ChildFlag)});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit); // not a crash or an abort
    QCOMPARE(child.exitCode(), FatalErrorExitCode);
    QVERIFY(child.readAllStandardError().contains("fatal error: counter overflow"));
}

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], ChildFlag) == 0) {
        return RunChildThatThrows(argc, argv);
    }
    QCoreApplication app(argc, argv);
    ProgramTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_program.moc"
