#include "design/help_text.h"
#include "platform/fonts.h"
#include "tests/image_probe.h"
#include "tests/support/form1_checks.h"
#include "tests/support/form1_fixture.h"
#include "ui/graph/form2.h"
#include "ui/help/form4.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

QString HelpLine(int number) {
    const std::string_view line = HelpLines.at(static_cast<std::size_t>(number - 1));
    return QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
}

// A help window on its own.
struct Help {
    Form4 form;
    PictureBox& picture() { return form.surface(); }
    int lineHeight() { return QFontMetrics(picture().font()).height(); }
    // The band of pixel rows that printed line `number` (from 1) occupies.
    QRect band(int number) {
        return {0, (number - 1) * lineHeight(), picture().innerSize().width(), lineHeight()};
    }
};

// Opens the graph (Command7) or the help (Command8) from the main window.
SurfaceWindow* OpenWindow(Form1& form, int command) {
    if (command == 7) {
        form.Command7_Click();
        return form.graphWindow();
    }
    form.Command8_Click();
    return form.helpWindow();
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyDefaultFont(); }

    void everyLineFitsInsideTheBorder_data() {
        QTest::addColumn<int>("number");
        for (int number = 1; number <= static_cast<int>(HelpLines.size()); ++number) {
            QTest::newRow(qPrintable(QStringLiteral("line %1").arg(number))) << number;
        }
    }
    void everyLineFitsInsideTheBorder() {
        QFETCH(int, number);
        Help h;
        QCOMPARE(h.picture().innerSize().width(), 549);
        QCOMPARE(QFontInfo(h.picture().font()).pixelSize(), 15);
        const int advance = QFontMetrics(h.picture().font()).horizontalAdvance(HelpLine(number));
        QVERIFY2(advance < h.picture().innerSize().width(),
                 qPrintable(QStringLiteral("%1 px in %2")
                                .arg(advance)
                                .arg(QFontInfo(h.picture().font()).family())));
    }

    void printsTwentyThreeLinesDownFromTheTop() {
        Help h;
        h.form.Form_Activate();
        const QImage& image = h.picture().image();
        QVERIFY(!HasInk(image, h.band(1)));
        QVERIFY(HasInk(image, h.band(2)));
        QVERIFY(HasInk(image, h.band(14)));
        QVERIFY(!HasInk(image, h.band(15)));
        QVERIFY(HasInk(image, h.band(16)));
        QVERIFY(HasInk(image, h.band(23)));
        QVERIFY(!HasInk(image, QRect(0, 23 * h.lineHeight(), image.width(), image.height())));
        QCOMPARE(h.picture().CurrentY, 23.0f * h.picture().textLineHeight());
        QCOMPARE(h.picture().CurrentX, 0.0f);
    }

    void indentationShowsInThePicture() {
        Help h;
        h.form.Form_Activate();
        const QImage& image = h.picture().image();
        const int heading = FirstInkColumn(image, h.band(2));
        const int sentence = FirstInkColumn(image, h.band(3));
        const int continuation = FirstInkColumn(image, h.band(6));
        QVERIFY(heading > 0);
        QVERIFY(continuation > heading);
        QVERIFY(sentence > continuation);
    }

    void activatingAgainLeavesOneCopyOfTheText() {
        Help h;
        h.form.Form_Activate();
        const QImage once = h.picture().image().copy();
        h.picture().Line(0, 0, 2000, 6000, PaletteBlack);
        h.form.Form_Activate();
        h.form.Form_Activate();
        QCOMPARE(h.picture().image(), once);
        QCOMPARE(h.picture().CurrentY, 23.0f * h.picture().textLineHeight());
    }

    void mainWindowStaysUsableWhileHelpIsOpen() {
        Form1Fixture f;
        f.form->show();
        f.form->Command8_Click();
        Form4* help = f.form->helpWindow();
        QVERIFY(help != nullptr && help->isVisible());
        QVERIFY(f.form->isVisible());
        QVERIFY(f.form->isEnabled());
        QVERIFY(f.form->command(2).isEnabled());
        QVERIFY(!help->isModal());
        help->Command1_Click();
        DeleteClosedWindows();
    }

    void closeUnloadsAndShowsTheMainWindow_data() {
        QTest::addColumn<bool>("throughFrame");
        QTest::addColumn<QString>("mainWindow");
        QTest::newRow("閉じる, main window beside") << false << "beside";
        QTest::newRow("閉じる, main window behind") << false << "behind";
        QTest::newRow("閉じる, main window minimized") << false << "minimized";
        QTest::newRow("window frame, main window beside") << true << "beside";
        QTest::newRow("window frame, main window minimized") << true << "minimized";
    }
    void closeUnloadsAndShowsTheMainWindow() {
        QFETCH(bool, throughFrame);
        QFETCH(QString, mainWindow);
        Form1Fixture f;
        f.form->show();
        f.form->Command8_Click();
        QPointer<Form4> help = f.form->helpWindow();
        QVERIFY(QTest::qWaitForWindowActive(help));
        if (mainWindow == QLatin1String("minimized")) {
            f.form->showMinimized();
        } else if (mainWindow == QLatin1String("beside")) {
            f.form->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        }
        if (throughFrame) {
            help->close();
        } else {
            help->Command1_Click();
        }
        DeleteClosedWindows();
        QVERIFY(help == nullptr);
        QVERIFY(f.form->helpWindow() == nullptr);
        QVERIFY(f.form->isVisible());
        if (throughFrame) {
            // The main window is left as it was.
            QCOMPARE(f.form->isMinimized(), mainWindow == QLatin1String("minimized"));
        } else {
            // 閉じる brings the main window to the front, however it lay.
            QVERIFY(!f.form->isMinimized());
            QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
        }
    }

    // A closed window is destroyed and the next opening makes a new one, so
    // nothing drawn on the old surface shows on the new.
    void reopenedWindowIsFresh_data() {
        QTest::addColumn<int>("command"); // the main window's button that opens it
        QTest::newRow("graph (グラフ表示)") << 7;
        QTest::newRow("help (HELP)") << 8;
    }

    void reopenedWindowIsFresh() {
        QFETCH(int, command);
        Form1Fixture f;
        f.form->show();
        QPointer<SurfaceWindow> first = OpenWindow(*f.form, command);
        first->surface().Line(0, 0, 2000, 6000, PaletteLightBlue);
        first->findChild<QPushButton*>()->click();
        DeleteClosedWindows();
        QVERIFY(first == nullptr);

        SurfaceWindow* second = OpenWindow(*f.form, command);
        QVERIFY(second != nullptr);
        const QImage& image = second->surface().image();
        QCOMPARE(CountPixels(image, QBColor(PaletteLightBlue), image.rect()), 0);
        second->findChild<QPushButton*>()->click();
        DeleteClosedWindows();
    }
};

QTEST_MAIN(HelpTest)
#include "test_help.moc"
