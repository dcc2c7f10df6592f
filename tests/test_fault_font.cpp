// The program on a machine without any Japanese face. Fontconfig reads its
// configuration once per process, so the checks run in a child process of
// this test binary that sees the Latin DejaVu faces and nothing else.
#include "platform/fonts.h"
#include "tests/image_probe.h"
#include "tests/support/form1_checks.h"
#include "tests/support/form1_fixture.h"
#include "ui/graph/form2.h"
#include "ui/help/form4.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char* const ChildFlag = "--child-without-japanese-font";
const QString LatinFontDir = QStringLiteral("/usr/share/fonts/truetype/dejavu");

QString FontConfigOnly(const QString& fontDir, const QString& cacheDir) {
    return QStringLiteral("<?xml version=\"1.0\"?>\n"
                          "<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                          "<fontconfig>\n"
                          "  <dir>%1</dir>\n"
                          "  <cachedir>%2</cachedir>\n"
                          "</fontconfig>\n")
        .arg(fontDir, cacheDir);
}

// Whether the image has more than one colour inside the area.
bool ShowsSomething(const QImage& image, const QRect& area) {
    const QRgb first = image.pixel(area.topLeft());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) != first) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

// Runs inside the child, where only the Latin faces are installed.
class WithoutJapaneseFontTest : public QObject {
    Q_OBJECT
private slots:
    void noJapaneseFaceIsInstalled() {
        const QStringList installed = QFontDatabase::families();
        QVERIFY2(installed.contains(QStringLiteral("DejaVu Sans")),
                 qPrintable(installed.join(QLatin1Char(','))));
        for (const QString& family : JapaneseFallbackFamilies()) {
            QVERIFY2(!installed.contains(family, Qt::CaseInsensitive), qPrintable(family));
        }
    }

    void fontFallsBackToAnInstalledFace() {
        const QString family = JapaneseFontFamily();
        QVERIFY(!family.isEmpty());
        QVERIFY(!JapaneseFallbackFamilies().contains(family));
        // The fallback may be a generic name; what it resolves to is installed.
        for (const QFont& font : {JapaneseFont(11.25), JapaneseFont(12, true)}) {
            const QString resolved = QFontInfo(font).family();
            QVERIFY2(QFontDatabase::families().contains(resolved), qPrintable(resolved));
        }
    }

    void mainWindowDrawsAndCounts() {
        Form1Fixture f;
        f.form->show();
        const QImage before = f.form->grab().toImage();
        QCOMPARE(before.size(), f.form->size() * before.devicePixelRatio());
        QVERIFY(ShowsSomething(before, f.form->label(7).geometry()));
        QVERIFY(ShowsSomething(before, f.form->command(2).geometry()));

        f.generator.queueCards({3, 7, 12});
        for (int draw = 0; draw < 3; ++draw) {
            f.form->Command2_Click();
            f.form->Timer1_Tick();
            f.form->Command1_Click();
        }
        QCOMPARE(f.tally.TrialCount(), 3);
        QCOMPARE(f.tally.HitCount(), 2);
        QCOMPARE(f.form->label(6).text(), QStringLiteral("0.6666667"));
        f.form->Command4_Click();
        f.runToTheLimit();
        QCOMPARE(f.tally.TrialCount(), AutoTrialLimit);
        const QImage after = f.form->grab().toImage();
        QVERIFY(ShowsSomething(after, f.form->label(3).geometry()));
    }

    void graphAndHelpPrintTheirTexts() {
        Form1Fixture f;
        f.form->show();
        f.form->Command7_Click();
        Form2* graph = f.form->graphWindow();
        QVERIFY(graph != nullptr);
        graph->Form_Activate();
        const QImage& figure = graph->surface().image();
        // The caption above the curve, left of its middle.
        QVERIFY(
            HasInk(figure, QRect(figure.width() / 8, 0, figure.width() / 4, figure.height() / 8)));
        graph->Command1_Click();

        f.form->Command8_Click();
        Form4* help = f.form->helpWindow();
        QVERIFY(help != nullptr);
        help->Form_Activate();
        const QImage& text = help->surface().image();
        QVERIFY(HasInk(text, QRect(0, 0, text.width(), text.height() / 4)));
        help->Command1_Click();
        DeleteClosedWindows();
        QVERIFY(f.form->isVisible());
        QCOMPARE(ObservedState(*f.form), std::optional(MainState::Idle));
    }
};

class FaultFontTest : public QObject {
    Q_OBJECT
private slots:
    void programRunsWithoutAJapaneseFont();
};

void FaultFontTest::programRunsWithoutAJapaneseFont() {
    if (!QDir(LatinFontDir).exists()) {
        QSKIP("the DejaVu faces this test limits fontconfig to are not installed");
    }
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("fonts.conf")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(FontConfigOnly(LatinFontDir, dir.filePath(QStringLiteral("cache"))).toUtf8());
    config.close();

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FONTCONFIG_FILE"), config.fileName());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ChildFlag)});
    QVERIFY(child.waitForFinished(120000));
    const QByteArray output = child.readAll();
    const bool passed = child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0 &&
                        output.contains("Totals: 6 passed, 0 failed, 0 skipped");
    if (!passed) {
        qInfo().noquote() << output;
    }
    QVERIFY(passed);
}

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], ChildFlag) == 0) {
        QApplication app(argc, argv);
        WithoutJapaneseFontTest test;
        return QTest::qExec(&test, 1, argv);
    }
    QApplication app(argc, argv);
    FaultFontTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_fault_font.moc"
