// The program on a real X server (CTest runs this under Xvfb): the titles
// that the window system shows, the focus after real key presses, and the
// clipboard as another program reads it. Offscreen tests see none of these.
#include "platform/application.h"
#include "tests/support/form1_fixture.h"
#include "tests/support/history.h"
#include "ui/graph/form2.h"
#include "ui/help/form4.h"
#include "ui/main/desktop_services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

namespace {

constexpr int CommandTimeoutMs = 20000;
constexpr int AutomaticRunTimeoutMs = 30000;

// Runs a command of the X tools while this process goes on handling events:
// the clipboard is served from here, so waiting without them would hang.
QByteArray Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    QElapsedTimer waited;
    waited.start();
    while (process.state() != QProcess::NotRunning && waited.elapsed() < CommandTimeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        process.waitForFinished(5);
    }
    return process.readAllStandardOutput();
}

// The title as a window manager reads it from the window's properties.
QString WindowManagerName(const QWidget& window) {
    const QString output = QString::fromUtf8(
        Run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()),
                                      QStringLiteral("_NET_WM_NAME")}));
    const QRegularExpressionMatch name =
        QRegularExpression(QStringLiteral("= \"(.*)\"\\s*$")).match(output);
    return name.hasMatch() ? name.captured(1) : output;
}

// Presses keys on the X server, as a keyboard does, then lets them arrive.
void PressKeys(const QStringList& keys) {
    Run(QStringLiteral("xdotool"),
        QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("30")} + keys);
    QTest::qWait(50);
}

QString ClipboardText() {
    return QString::fromUtf8(
        Run(QStringLiteral("xclip"),
            {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")}));
}

// Answers the next modal box with the button of that caption, noting its title.
void AnswerNextBox(const QString& caption, QString* title) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, caption, title] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        *title = WindowManagerName(*box);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == caption) {
                button->click();
            }
        }
        poll->deleteLater();
    });
    poll->start(20);
}

// The main window over fakes, but asking through the real message boxes.
struct RealBoxes {
    BoxConfirmation boxes;
};
struct Program : RealBoxes, Form1Fixture {
    Program() : Form1Fixture({.confirmation = &boxes}) {
        boxes.setParent(form.get());
        form->show();
        form->activateWindow();
    }
    QString focusedCaption() const {
        const auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
        return button != nullptr && button->window() == form.get() ? button->text() : QString();
    }
};

} // namespace

class OnXDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void titlesAreTheDesignedOnesExactly();
    void keysFollowTheNaturalFlowAndNeverEndTheProgram();
    void anotherProgramPastesWhatWasCopied();
};

void OnXDisplayTest::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    ConfigureApplication();
}

void OnXDisplayTest::titlesAreTheDesignedOnesExactly() {
    Program p;
    QVERIFY(QTest::qWaitForWindowExposed(p.form.get()));
    QCOMPARE(WindowManagerName(*p.form), QStringLiteral(" ３の倍数のトランプカード"));

    p.form->Command7_Click();
    QVERIFY(QTest::qWaitForWindowExposed(p.form->graphWindow()));
    QCOMPARE(WindowManagerName(*p.form->graphWindow()), QStringLiteral(" グラフ"));
    p.form->graphWindow()->Command1_Click();

    p.form->Command8_Click();
    QVERIFY(QTest::qWaitForWindowExposed(p.form->helpWindow()));
    QCOMPARE(WindowManagerName(*p.form->helpWindow()),
             QStringLiteral(" トランプ＿ヘルプ（設問と操作方法）"));
    p.form->helpWindow()->Command1_Click();

    QString exitTitle;
    AnswerNextBox(QStringLiteral("いいえ"), &exitTitle);
    p.form->Command3_Click();
    QCOMPARE(exitTitle, QStringLiteral("トランプ"));

    QString historyFullTitle;
    DrawInDeckOrder(p.tally, HistoryLastTrial);
    AnswerNextBox(QStringLiteral("OK"), &historyFullTitle);
    p.drawByHand(3);
    QCOMPARE(historyFullTitle, QStringLiteral("トランプ"));
    QCOMPARE(p.programEnd.ends, 0);
}

void OnXDisplayTest::keysFollowTheNaturalFlowAndNeverEndTheProgram() {
    Program p;
    QVERIFY(QTest::qWaitForWindowActive(p.form.get()));
    QCOMPARE(p.focusedCaption(), QStringLiteral("トランプをきる"));

    // Space ten times: five shuffles, five cards counted.
    for (int draw = 1; draw <= 5; ++draw) {
        PressKeys({QStringLiteral("space")});
        QCOMPARE(p.form->state(), MainState::Shuffling);
        QCOMPARE(p.focusedCaption(), QStringLiteral("トランプを引く"));
        PressKeys({QStringLiteral("space")});
        QCOMPARE(p.form->state(), MainState::Stopped);
        QCOMPARE(p.focusedCaption(), QStringLiteral("トランプをきる"));
    }
    QCOMPARE(p.tally.TrialCount(), 5);

    // The tab order is the designed one: 終了, then 自動 Start.
    PressKeys({QStringLiteral("Tab"), QStringLiteral("Tab")});
    QCOMPARE(p.focusedCaption(), QStringLiteral("自動 Start"));
    PressKeys({QStringLiteral("space")});
    QCOMPARE(p.focusedCaption(), QStringLiteral("自動 Stop"));
    QTRY_COMPARE_WITH_TIMEOUT(p.form->state(), MainState::Finished, AutomaticRunTimeoutMs);
    QCOMPARE(p.focusedCaption(), QStringLiteral("グラフ表示"));

    // Two more presses by a user who has not looked up: the graph opens, and
    // its 閉じる brings the main window back. Nothing asks to end.
    PressKeys({QStringLiteral("space")});
    QVERIFY(p.form->graphWindow() != nullptr);
    QTRY_VERIFY(p.form->graphWindow()->isActiveWindow());
    PressKeys({QStringLiteral("space")});
    QTRY_VERIFY(p.form->isActiveWindow());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(p.programEnd.ends, 0);
    QCOMPARE(p.focusedCaption(), QStringLiteral("グラフ表示"));
    QCOMPARE(p.tally.TrialCount(), AutoTrialLimit);
}

void OnXDisplayTest::anotherProgramPastesWhatWasCopied() {
    Program p;
    QVERIFY(QTest::qWaitForWindowActive(p.form.get()));
    PressKeys({QStringLiteral("ctrl+c")});
    QCOMPARE(ClipboardText(), QStringLiteral("0\t0\t\t0.3076923"));

    p.form->Command4_Click();
    p.runToTheLimit();
    const QString line = QStringLiteral("1000\t%1\t%2\t0.3076923")
                             .arg(p.form->label(4).text().trimmed(), p.form->label(6).text());
    PressKeys({QStringLiteral("ctrl+c")});
    QCOMPARE(ClipboardText(), line);

    // The second item of the context menu, from the keyboard.
    PressKeys({QStringLiteral("shift+F10")});
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    PressKeys({QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Return")});
    QCOMPARE(ClipboardText(), QStringLiteral("引いた全カード枚数\t引いた３の倍数のカード枚数\t"
                                             "３の倍数のカードを引いた割合\t理論上の確率\n") +
                                  line);

    p.form->Command7_Click();
    Form2* graph = p.form->graphWindow();
    QVERIFY(QTest::qWaitForWindowActive(graph));
    PressKeys({QStringLiteral("ctrl+c")});
    const QImage pasted = QImage::fromData(
        Run(QStringLiteral("xclip"),
            {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard"),
             QStringLiteral("-t"), QStringLiteral("image/png")}));
    QVERIFY(!pasted.isNull());
    QCOMPARE(pasted.convertToFormat(QImage::Format_RGB32),
             graph->surface().image().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(p.tally.TrialCount(), AutoTrialLimit);
    QCOMPARE(p.form->state(), MainState::Finished);
}

QTEST_MAIN(OnXDisplayTest)
#include "test_on_x_display.moc"
