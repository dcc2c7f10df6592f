// The program on a real X server (CTest runs this under Xvfb, in a session of
// its own bus): the titles that the window system shows, the focus after real
// key presses, the clipboard as another program reads it, and what a screen
// reader hears over AT-SPI. Offscreen tests see none of these.
#include "design/texts.h"
#include "platform/application.h"
#include "platform/design_qt.h"
#include "runtime/splitmix_generator.h"
#include "runtime/system_clock.h"
#include "tests/support/class_sheet.h"
#include "tests/support/form1_fixture.h"
#include "tests/support/history.h"
#include "ui/class/form5.h"
#include "ui/graph/form2.h"
#include "ui/help/form4.h"
#include "ui/main/desktop_services.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
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

// What a screen reader hears of this program: the events that reach the
// accessibility bus, as Orca registers for them and receives them.
class AtSpiListener final : public QObject {
    Q_OBJECT
public:
    struct Event {
        QString path;
        QString member;
        QString detail;
        int detail1;
    };

    // Connects and registers for every object, window and focus event.
    bool start() {
        const QDBusReply<QString> address =
            QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
                QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")));
        if (!address.isValid()) {
            return false;
        }
        m_bus = QDBusConnection::connectToBus(address.value(), QStringLiteral("listener"));
        const QString object = QStringLiteral("org.a11y.atspi.Event.Object");
        // QtDBus delivers signals to a slot named by its signature.
        for (const char* name : {"StateChanged", "PropertyChange", "ChildrenChanged", "TextChanged",
                                 "TextCaretMoved", "BoundsChanged", "SelectionChanged"}) {
            m_bus.connect({}, {}, object, QString::fromLatin1(name), this,
                          SLOT(received(QDBusMessage)));
        }
        m_bus.connect({}, {}, QStringLiteral("org.a11y.atspi.Event.Focus"), QStringLiteral("Focus"),
                      this, SLOT(received(QDBusMessage)));
        for (const char* kind : {"object:", "window:", "focus:"}) {
            QDBusMessage registration = QDBusMessage::createMethodCall(
                QStringLiteral("org.a11y.atspi.Registry"),
                QStringLiteral("/org/a11y/atspi/registry"),
                QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("RegisterEvent"));
            // From any application: the bus name narrows to one.
            registration << QString::fromLatin1(kind) << QStringList() << QString();
            m_bus.call(registration);
        }
        // The program's bridge hears of the listener, and starts sending.
        QTest::qWait(500);
        events.clear();
        return m_bus.isConnected();
    }

    // What the object said each time it became showing: one announcement each.
    QStringList announced(const QObject& object) {
        QStringList texts;
        const QString path = PathOf(object);
        for (const Event& event : events) {
            if (event.path == path && event.member == QLatin1String("StateChanged") &&
                event.detail == QLatin1String("showing") && event.detail1 == 1) {
                texts << nameOf(path);
            }
        }
        return texts;
    }

    // The object's text, as a screen reader reads a text.
    QString textOf(const QObject& object) {
        return ask(object, QStringLiteral("GetText"), {0, -1}).value(0).toString();
    }

    // The object's name, as a screen reader reads it.
    QString nameOf(const QObject& object) { return nameOf(PathOf(object)); }

    // A line of the object's text as Orca reads it: the line at an offset,
    // cut where the run of text attributes at its start ends.
    struct Line {
        QString text;
        int end;
    };
    Line lineAt(const QObject& object, int offset) {
        constexpr int LineStartBoundary = 5;
        const QVariantList line =
            ask(object, QStringLiteral("GetTextAtOffset"), {offset, uint{LineStartBoundary}});
        const QVariantList run = ask(object, QStringLiteral("GetAttributeRun"), {offset, false});
        const int lineEnd = line.value(2).toInt();
        const int runEnd = std::min(lineEnd, run.value(2).toInt());
        return {line.value(0).toString().left(runEnd - offset), lineEnd};
    }

    QList<Event> events;

private slots:
    void received(const QDBusMessage& message) {
        m_program = message.service();
        const QVariantList arguments = message.arguments();
        events.append({message.path(), message.member(), arguments.value(0).toString(),
                       arguments.value(1).toInt()});
    }

private:
    QVariantList ask(const QObject& object, const QString& method, const QVariantList& arguments) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            m_program, PathOf(object), QStringLiteral("org.a11y.atspi.Text"), method);
        call.setArguments(arguments);
        return m_bus.call(call, QDBus::BlockWithGui).arguments();
    }

    // The object's name as a screen reader asks for it; this process answers
    // while the call waits.
    QString nameOf(const QString& path) {
        QDBusMessage get = QDBusMessage::createMethodCall(
            m_program, path, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"));
        get << QStringLiteral("org.a11y.atspi.Accessible") << QStringLiteral("Name");
        const QDBusMessage reply = m_bus.call(get, QDBus::BlockWithGui);
        return qvariant_cast<QDBusVariant>(reply.arguments().value(0)).variant().toString();
    }

    // Where the bridge puts an object on the bus.
    static QString PathOf(const QObject& object) {
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(const_cast<QObject*>(&object));
        return QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(iface));
    }

    QDBusConnection m_bus{QString()};
    QString m_program;
};

// The main window over fakes, but asking through the real message boxes.
// ... and, where asked, drawing with the real clock and generator, so that
// the card on show changes tick after tick as it does in class.
struct RealBoxes {
    BoxConfirmation boxes;
    SystemClock realClock;
    SplitMixGenerator realGenerator;
};
struct Program : RealBoxes, Form1Fixture {
    enum Draws { Scripted, Real };
    explicit Program(Draws draws = Scripted)
        : Form1Fixture({.clock = draws == Real ? &realClock : nullptr,
                        .generator = draws == Real ? &realGenerator : nullptr,
                        .confirmation = &boxes}) {
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
    void theClassWindowIsWalkedByTabSaysItsTotalsAndCopiesForAnotherProgram();
    void aScreenReaderHearsEachDrawAndRunOnceAndNoTicks();
    void aScreenReaderHearsTheGraphAndInitialisationOnceAndEveryHelpLineWhole();
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
    QCOMPARE(ClipboardText(), QStringLiteral("0\t0\t\t0.3076923\t\t\t\t\t"));

    p.form->Command4_Click();
    p.runToTheLimit();
    const QString hits = p.form->label(4).text().trimmed();
    const QString shown =
        QStringLiteral("1000\t%1\t%2\t0.3076923\t").arg(hits, p.form->label(6).text());
    PressKeys({QStringLiteral("ctrl+c")});
    const QString line = ClipboardText();
    // The hits by trial 10, 50, 100, 500 and 1000 follow; by 1000 they are all.
    QVERIFY2(line.startsWith(shown) && line.endsWith(QLatin1Char('\t') + hits), qPrintable(line));
    QCOMPARE(line.count(QLatin1Char('\t')), 8);

    // The second item of the context menu, from the keyboard.
    PressKeys({QStringLiteral("shift+F10")});
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    PressKeys({QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Return")});
    QCOMPARE(ClipboardText(), QStringLiteral("引いた全カード枚数\t引いた３の倍数のカード枚数\t"
                                             "３の倍数のカードを引いた割合\t理論上の確率\t"
                                             "10回目までに引いた３の倍数のカード枚数\t"
                                             "50回目までに引いた３の倍数のカード枚数\t"
                                             "100回目までに引いた３の倍数のカード枚数\t"
                                             "500回目までに引いた３の倍数のカード枚数\t"
                                             "1000回目までに引いた３の倍数のカード枚数\n") +
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

void OnXDisplayTest::theClassWindowIsWalkedByTabSaysItsTotalsAndCopiesForAnotherProgram() {
    Program p;
    p.form->showClassWindow();
    Form5* form = p.form->classWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    QCOMPARE(WindowManagerName(*form), QStringLiteral(" クラスの集計"));
    AtSpiListener reader;
    QVERIFY2(reader.start(), "no accessibility bus in this session");
    form->pasteBox().setPlainText(QString::fromStdString(TheClass().text));
    while (form->timerActive()) {
        form->Timer1_Tick();
    }
    // The totals once, as they settle.
    QTest::qWait(300);
    QCOMPARE(reader.announced(form->announcement()),
             QStringList{QString::fromStdString(form->results().announcement)});
    QVERIFY(reader.announced(form->announcement())
                .value(0)
                .startsWith(QStringLiteral("35人、35000回、")));

    // The text box first, the buttons along the top, the lists, the
    // figures, 閉じる, and round again.
    const QList<const QWidget*> order{
        &form->pasteBox(),   &form->command(2), &form->command(3),     &form->command(4),
        &form->takenLines(), &form->answers(),  &form->pooledFigure(), &form->spreadFigure(),
        &form->command(1),   &form->pasteBox()};
    QCOMPARE(QApplication::focusWidget(), order.front());
    for (const QWidget* next : order.sliced(1)) {
        PressKeys({QStringLiteral("Tab")});
        QCOMPARE(QApplication::focusWidget(), next);
    }

    // Ctrl+C outside the text box copies the summary; in it, the selection.
    PressKeys({QStringLiteral("Tab"), QStringLiteral("ctrl+c")});
    QCOMPARE(ClipboardText(), QString::fromStdString(form->results().summaryText));
    form->Command4_Click();
    const QImage pasted = QImage::fromData(
        Run(QStringLiteral("xclip"),
            {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard"),
             QStringLiteral("-t"), QStringLiteral("image/png")}));
    QCOMPARE(pasted.convertToFormat(QImage::Format_RGB32),
             form->figuresImage().convertToFormat(QImage::Format_RGB32));
    form->pasteBox().setFocus();
    PressKeys({QStringLiteral("ctrl+Home"), QStringLiteral("shift+End"), QStringLiteral("ctrl+c")});
    const std::string& sheet = TheClass().text;
    QCOMPARE(ClipboardText(), QString::fromStdString(sheet.substr(0, sheet.find('\r'))));
    QCOMPARE(p.tally.TrialCount(), 0);
}

void OnXDisplayTest::aScreenReaderHearsEachDrawAndRunOnceAndNoTicks() {
    Program p(Program::Real);
    QVERIFY(QTest::qWaitForWindowActive(p.form.get()));
    AtSpiListener reader;
    QVERIFY2(reader.start(), "no accessibility bus in this session");

    p.form->Command2_Click();
    // What the click itself says (the buttons' states, the focus) comes first.
    QTest::qWait(200);
    const qsizetype forTheClick = reader.events.size();
    qInfo("accessibility events for the click on トランプをきる: %lld",
          static_cast<long long>(forTheClick));
    reader.events.clear();
    QTest::qWait(2000);
    const qsizetype whileShuffling = reader.events.size();
    qInfo("accessibility events during 2 s of shuffling: %lld",
          static_cast<long long>(whileShuffling));
    QVERIFY2(whileShuffling < 20, qPrintable(QString::number(whileShuffling)));

    p.form->Command1_Click();
    QTest::qWait(300);
    const auto counts = [&p] {
        return QStringLiteral("引いた全カード枚数 %1、引いた３の倍数のカード枚数 %2、割合 %3")
            .arg(p.form->label(3).text().trimmed(), p.form->label(4).text().trimmed(),
                 p.form->label(6).text());
    };
    QCOMPARE(reader.announced(p.form->announcement()),
             QStringList{ToQString(Texts::CardName(p.form->cardOnShow())) + QStringLiteral("。") +
                         counts()});

    reader.events.clear();
    p.form->Command4_Click();
    QTRY_COMPARE_WITH_TIMEOUT(p.form->state(), MainState::Finished, AutomaticRunTimeoutMs);
    QTest::qWait(300);
    qInfo("accessibility events in a whole automatic run: %lld",
          static_cast<long long>(reader.events.size()));
    QCOMPARE(reader.announced(p.form->announcement()),
             QStringList{QStringLiteral("自動の実験が終わりました。") + counts()});

    // The help's text, which is only drawn, reads as 23 lines.
    p.form->Command8_Click();
    QVERIFY(QTest::qWaitForWindowActive(p.form->helpWindow()));
    const QStringList lines =
        reader.textOf(p.form->helpWindow()->surface()).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 23);
    QCOMPARE(lines.value(2), QStringLiteral("ここにトランプが１組あります。"));
}

void OnXDisplayTest::aScreenReaderHearsTheGraphAndInitialisationOnceAndEveryHelpLineWhole() {
    Program p;
    QVERIFY(QTest::qWaitForWindowActive(p.form.get()));
    AtSpiListener reader;
    QVERIFY2(reader.start(), "no accessibility bus in this session");
    p.drawByHand(3);
    QTest::qWait(300);
    // Each number box names its row once and reads its number as its text.
    QCOMPARE(reader.nameOf(p.form->label(3)), QStringLiteral("引いた全カード枚数"));
    QCOMPARE(reader.textOf(p.form->label(3)), QStringLiteral("1"));

    // The graph's description once as it opens; nothing again when the main
    // window comes back.
    p.form->Command7_Click();
    Form2* graph = p.form->graphWindow();
    QVERIFY(QTest::qWaitForWindowActive(graph));
    QTest::qWait(300);
    QCOMPARE(reader.announced(graph->announcement()),
             QStringList{QStringLiteral("実験回数 1 回、割合 1.0000000、理論上の確率 0.3076923")});
    reader.events.clear();
    PressKeys({QStringLiteral("space")});
    QTRY_VERIFY(p.form->isActiveWindow());
    QTest::qWait(300);
    QCOMPARE(reader.announced(p.form->announcement()), QStringList());

    p.form->Command6_Click();
    QTest::qWait(300);
    QCOMPARE(reader.announced(p.form->announcement()),
             QStringList{QStringLiteral(
                 "初期化しました。引いた全カード枚数 0、引いた３の倍数のカード枚数 0")});

    // Every help line read to its last character.
    p.form->Command8_Click();
    QVERIFY(QTest::qWaitForWindowActive(p.form->helpWindow()));
    const QObject& help = p.form->helpWindow()->surface();
    QStringList lines;
    for (int offset = 0; lines.size() < 23; ++offset) {
        const AtSpiListener::Line line = reader.lineAt(help, offset);
        lines << line.text.chopped(line.text.endsWith(QLatin1Char('\n')) ? 1 : 0);
        QVERIFY2(line.end > offset || lines.size() == 23, qPrintable(lines.join(u'|')));
        offset = line.end - 1;
    }
    QCOMPARE(lines,
             p.form->helpWindow()->surface().readableLines().text().split(QLatin1Char('\n')));
}

QTEST_MAIN(OnXDisplayTest)
#include "test_on_x_display.moc"
