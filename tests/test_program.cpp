// The program as a process: how it ends when it cannot start or when an error
// escapes a handler. The error case runs this test binary again as a child.
#include "platform/application.h"
#include "platform/error_report.h"
#include "tests/support/folders.h"

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
    void withoutAWorkingDisplayItSaysSoOnceAndFails_data();
    void withoutAWorkingDisplayItSaysSoOnceAndFails();
    void anErrorInAHandlerIsReportedAndEndsTheProcess();
};

void ProgramTest::withoutAWorkingDisplayItSaysSoOnceAndFails_data() {
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("says");
    QTest::newRow("no DISPLAY: checked before Qt starts")
        << QString() << 1 << QByteArray("no display");
    // Qt itself gives up with a fatal message, which must end like any
    // unhandled error: one line of ours, the error status, no core dump.
    QTest::newRow("a display that does not exist: Qt's fatal message")
        << QStringLiteral(":97") << FatalErrorExitCode << QByteArray("failed to start");
}

void ProgramTest::withoutAWorkingDisplayItSaysSoOnceAndFails() {
    QFETCH(QString, display);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, says);
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!display.isEmpty()) {
        env.insert(QStringLiteral("DISPLAY"), display);
    }
    program.setProcessEnvironment(env);
    program.start(QString::fromUtf8(ToolsBinaryDir) + QStringLiteral("/toranpu"), {});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    QList<QByteArray> ours;
    for (const QByteArray& line : program.readAllStandardError().split('\n')) {
        if (line.startsWith("toranpu:")) {
            ours << line;
        }
    }
    QCOMPARE(ours.size(), 1);
    QVERIFY2(ours.first().contains(says), ours.first().constData());
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
