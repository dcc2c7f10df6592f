#include "platform/announcement.h"
#include "platform/copy_menu.h"
#include "tests/support/form1_fixture.h"
#include "tests/support/history.h"
#include "ui/class/form5.h"
#include "ui/graph/form2.h"
#include "ui/help/form4.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <utility>

namespace {

using Action = void (Form1::*)();

QString AccessibleText(const QWidget& widget, QAccessible::Text kind) {
    QAccessibleInterface* iface =
        QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&widget));
    return iface == nullptr ? QString() : iface->text(kind);
}

QString AccessibleName(const QWidget& widget) {
    return AccessibleText(widget, QAccessible::Name);
}

// What a screen reader reads as the widget's text, where it has one.
QString TextOf(const QWidget& widget) {
    QAccessibleInterface* iface =
        QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&widget));
    QAccessibleTextInterface* text = iface == nullptr ? nullptr : iface->textInterface();
    return text == nullptr ? QString() : text->text(0, text->characterCount());
}

// Every event that reaches the screen-reader side while it lives: the
// widget, the kind of event and the widget's name when it was sent.
class EventRecorder {
public:
    struct Event {
        const QObject* object;
        QAccessible::Event type;
        QString name;
    };

    EventRecorder() {
        s_events.clear();
        QAccessible::installUpdateHandler(&EventRecorder::record);
    }
    ~EventRecorder() { QAccessible::installUpdateHandler(nullptr); }
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

    // The names announced for one widget by renaming it, in order.
    QStringList namesOf(const QObject& widget) const {
        QStringList names;
        for (const Event& event : s_events) {
            if (event.object == &widget && event.type == QAccessible::NameChanged) {
                names << event.name;
            }
        }
        return names;
    }
    // What the announcement said each time it appeared.
    QStringList announced(const Announcement& announcement) const {
        QStringList texts;
        for (const Event& event : s_events) {
            if (event.object == &announcement && event.type == QAccessible::ObjectShow) {
                texts << event.name;
            }
        }
        return texts;
    }
    qsizetype count() const { return s_events.size(); }
    qsizetype count(QAccessible::Event type) const {
        return std::count_if(s_events.begin(), s_events.end(),
                             [type](const Event& event) { return event.type == type; });
    }
    void clear() { s_events.clear(); }

private:
    static void record(QAccessibleEvent* event) {
        QAccessibleInterface* iface = event->accessibleInterface();
        s_events.append({event->object(), event->type(),
                         iface != nullptr ? iface->text(QAccessible::Name) : QString()});
    }
    static inline QList<Event> s_events;
};

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void buttonsAreNamedByTheirCaptions_data();
    void buttonsAreNamedByTheirCaptions();
    void labelsAreNamedByCaptionOrRowOnce_data();
    void labelsAreNamedByCaptionOrRowOnce();
    void everyButtonAndLabelOfTheMainWindowHasAName();
    void everyControlOfTheClassWindowThatTabReachesHasAName();
    void cardPicturesAreNamedBySuitAndRank_data();
    void cardPicturesAreNamedBySuitAndRank();

    void drawsAndRunsAreAnnouncedOnceAndTicksAreSilent();
    void initialisationIsAnnouncedOnce();
    void graphIsAnnouncedOnOpeningAndNothingRepeatsOnReturn();
    void graphDescriptionSaysWhatTheFigureShows_data();
    void graphDescriptionSaysWhatTheFigureShows();

    void graphAndHelpSurfacesCarryTheirText();
    void copyMenuItemsAreNamed();
};

void AccessibilityTest::initTestCase() {
    // Without a screen reader attached Qt drops accessibility events before
    // any handler sees them; the tests stand in for one.
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY2(platform != nullptr, "the platform offers no accessibility");
    platform->setActive(true);
    QVERIFY(QAccessible::isActive());
}

void AccessibilityTest::buttonsAreNamedByTheirCaptions_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    const QStringList captions = {
        QStringLiteral("トランプを引く"), QStringLiteral("トランプをきる"),
        QStringLiteral("終了"),           QStringLiteral("自動 Start"),
        QStringLiteral("自動 Stop"),      QStringLiteral("初期化"),
        QStringLiteral("グラフ表示"),     QStringLiteral("HELP"),
    };
    for (int number = 1; number <= captions.size(); ++number) {
        QTest::addRow("Command%d", number) << number << captions.at(number - 1);
    }
}

void AccessibilityTest::buttonsAreNamedByTheirCaptions() {
    QFETCH(int, number);
    QFETCH(QString, name);
    Form1Fixture f;
    QCOMPARE(AccessibleName(f.form->command(number)), name);
}

// A number box is named by its row and reads its number as its text, so that
// the row is named once: never "ROW ROW 5" beside its caption.
void AccessibilityTest::labelsAreNamedByCaptionOrRowOnce_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("Label1 caption")
        << 1 << QStringLiteral("引いた３の倍数のカード枚数") << QString();
    QTest::newRow("Label2 caption") << 2 << QStringLiteral("引いた全カード枚数") << QString();
    QTest::newRow("Label3 trials")
        << 3 << QStringLiteral("引いた全カード枚数") << QStringLiteral("0");
    QTest::newRow("Label4 hits") << 4 << QStringLiteral("引いた３の倍数のカード枚数")
                                 << QStringLiteral("0");
    QTest::newRow("Label5 sign") << 5 << QStringLiteral("≒") << QString();
    QTest::newRow("Label6 empty frequency")
        << 6 << QStringLiteral("３の倍数のカードを引いた割合") << QString();
    QTest::newRow("Label7 theory")
        << 7 << QStringLiteral("理論上の確率") << QStringLiteral("0.3076923");
    QTest::newRow("Label8 sign") << 8 << QStringLiteral("≒") << QString();
    QTest::newRow("Label9 sixteen")
        << 9 << QStringLiteral("３の倍数のカードの全枚数") << QStringLiteral("16");
    QTest::newRow("Label10 fifty-two")
        << 10 << QStringLiteral("トランプカードの全枚数") << QStringLiteral("52");
    QTest::newRow("Label11 caption") << 11 << QStringLiteral("トランプカードの全枚数") << QString();
    QTest::newRow("Label12 caption")
        << 12 << QStringLiteral("３の倍数のカードの全枚数") << QString();
    QTest::newRow("Label13 heading")
        << 13 << QStringLiteral("３の倍数のトランプカード") << QString();
}

void AccessibilityTest::labelsAreNamedByCaptionOrRowOnce() {
    QFETCH(int, number);
    QFETCH(QString, name);
    QFETCH(QString, text);
    Form1Fixture f;
    QCOMPARE(AccessibleName(f.form->label(number)), name);
    QCOMPARE(TextOf(f.form->label(number)), text);
}

void AccessibilityTest::everyButtonAndLabelOfTheMainWindowHasAName() {
    Form1Fixture f;
    QList<QWidget*> controls;
    for (QLabel* label : f.form->findChildren<QLabel*>()) {
        controls << label;
    }
    for (QPushButton* button : f.form->findChildren<QPushButton*>()) {
        controls << button;
    }
    QCOMPARE(controls.size(), 13 + 1 + 8);
    for (QWidget* control : controls) {
        QVERIFY2(!AccessibleName(*control).isEmpty(), qPrintable(control->objectName()));
    }
}

void AccessibilityTest::everyControlOfTheClassWindowThatTabReachesHasAName() {
    Form5 form;
    int reached = 0;
    for (QWidget* control : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if ((control->focusPolicy() & Qt::TabFocus) != 0) {
            QVERIFY2(!AccessibleName(*control).isEmpty(), qPrintable(control->objectName()));
            ++reached;
        }
    }
    QCOMPARE(reached, 9);
}

void AccessibilityTest::cardPicturesAreNamedBySuitAndRank_data() {
    QTest::addColumn<int>("card");
    QTest::addColumn<QString>("name");
    QTest::newRow("1 ace of spades") << 1 << QStringLiteral("スペードの1");
    QTest::newRow("13 king of spades") << 13 << QStringLiteral("スペードの13");
    QTest::newRow("14 ace of clubs") << 14 << QStringLiteral("クローバの1");
    QTest::newRow("27 ace of hearts") << 27 << QStringLiteral("ハートの1");
    QTest::newRow("45 six of diamonds") << 45 << QStringLiteral("ダイヤの6");
    QTest::newRow("52 king of diamonds") << 52 << QStringLiteral("ダイヤの13");
}

void AccessibilityTest::cardPicturesAreNamedBySuitAndRank() {
    QFETCH(int, card);
    QFETCH(QString, name);
    Form1Fixture f;
    f.drawByHand(static_cast<CardIndex>(card));
    QCOMPARE(AccessibleName(f.form->cardPicture()), name);
}

// A screen reader hears a draw and the end of a run once each, and nothing
// of the ticks in between: no picture, name or number changes per tick.
void AccessibilityTest::drawsAndRunsAreAnnouncedOnceAndTicksAreSilent() {
    Form1Fixture f;
    f.form->show();
    EventRecorder recorder;
    f.generator.queueCards({40, 7, 12}); // the queen of spades is drawn: a hit
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    recorder.clear();
    f.form->Command2_Click();
    // The focus goes straight to トランプを引く, not through the buttons that
    // are being disabled.
    QCOMPARE(recorder.count(QAccessible::Focus), 1);
    recorder.clear();
    for (int tick = 0; tick < 3; ++tick) {
        f.form->Timer1_Tick();
    }
    QCOMPARE(recorder.count(), 0);

    f.form->Command1_Click();
    QCOMPARE(recorder.announced(f.form->announcement()),
             QStringList{QStringLiteral("スペードの12。引いた全カード枚数 1、"
                                        "引いた３の倍数のカード枚数 1、割合 1.0000000")});
    // The boxes keep their rows' names and read the new numbers; the card is
    // renamed once.
    QCOMPARE(recorder.namesOf(f.form->label(3)), QStringList());
    QCOMPARE(TextOf(f.form->label(3)), QStringLiteral("1"));
    QCOMPARE(TextOf(f.form->label(6)), QStringLiteral("1.0000000"));
    QCOMPARE(recorder.namesOf(f.form->cardPicture()), QStringList{QStringLiteral("スペードの12")});

    f.generator.values = {ScriptedGenerator::ValueFor(3)};
    f.form->Command4_Click();
    recorder.clear();
    for (int tick = 0; tick < 500; ++tick) {
        f.form->Timer1_Tick();
    }
    QCOMPARE(recorder.count(), 0);
    f.runToTheLimit();
    QCOMPARE(recorder.announced(f.form->announcement()),
             QStringList{QStringLiteral("自動の実験が終わりました。引いた全カード枚数 1000、"
                                        "引いた３の倍数のカード枚数 1000、割合 1.0000000")});
    QCOMPARE(TextOf(f.form->label(3)), QStringLiteral("1000"));

    // 自動 Stop ends a run too.
    f.form->Command6_Click();
    f.form->Command4_Click();
    f.form->Timer1_Tick();
    recorder.clear();
    f.form->Command5_Click();
    QCOMPARE(recorder.announced(f.form->announcement()),
             QStringList{QStringLiteral("自動の実験が終わりました。引いた全カード枚数 1、"
                                        "引いた３の倍数のカード枚数 1、割合 1.0000000")});
}

void AccessibilityTest::initialisationIsAnnouncedOnce() {
    Form1Fixture f;
    f.form->show();
    f.drawByHand(3);
    EventRecorder recorder;
    f.form->Command6_Click();
    QCOMPARE(recorder.announced(f.form->announcement()),
             QStringList{QStringLiteral(
                 "初期化しました。引いた全カード枚数 0、引いた３の倍数のカード枚数 0")});
    QCOMPARE(TextOf(f.form->label(3)), QStringLiteral("0"));
    QCOMPARE(TextOf(f.form->label(6)), QString());
}

// The graph says what it shows once as it opens, from its own window while
// the main window is hidden; the main window, shown again, says nothing anew.
void AccessibilityTest::graphIsAnnouncedOnOpeningAndNothingRepeatsOnReturn() {
    Form1Fixture f;
    f.form->show();
    f.drawByHand(3);
    EventRecorder recorder;
    f.form->Command7_Click();
    Form2* graph = f.form->graphWindow();
    QCOMPARE(recorder.announced(graph->announcement()),
             QStringList{QStringLiteral("実験回数 1 回、割合 1.0000000、理論上の確率 0.3076923")});
    QCOMPARE(recorder.announced(f.form->announcement()), QStringList());
    // Tab reaches the figure, which keeps its description to be read again.
    QVERIFY(graph->surface().focusPolicy() & Qt::TabFocus);
    QCOMPARE(AccessibleText(graph->surface(), QAccessible::Description),
             recorder.announced(graph->announcement()).value(0));

    recorder.clear();
    graph->Command1_Click();
    QVERIFY(f.form->isVisible());
    QCOMPARE(recorder.announced(f.form->announcement()), QStringList());
}

void AccessibilityTest::graphDescriptionSaysWhatTheFigureShows_data() {
    QTest::addColumn<QList<Action>>("actions");
    QTest::addColumn<QString>("description");
    const QString theoryAlone = QStringLiteral("理論上の確率 0.3076923");
    QTest::newRow("at start") << QList<Action>{} << theoryAlone;
    QTest::newRow("after initialisation")
        << QList<Action>{&Form1::Command2_Click, &Form1::Timer1_Tick, &Form1::Command1_Click,
                         &Form1::Command6_Click}
        << theoryAlone;
    QTest::newRow("one trial") << QList<Action>{&Form1::Command2_Click, &Form1::Timer1_Tick,
                                                &Form1::Command1_Click}
                               << QStringLiteral(
                                      "実験回数 1 回、割合 1.0000000、理論上の確率 0.3076923");
}

void AccessibilityTest::graphDescriptionSaysWhatTheFigureShows() {
    QFETCH(QList<Action>, actions);
    QFETCH(QString, description);
    Form1Fixture f;
    f.generator.queueCards({3});
    for (const Action action : actions) {
        (f.form.get()->*action)();
    }
    f.form->Command7_Click();
    QCOMPARE(AccessibleText(f.form->graphWindow()->surface(), QAccessible::Description),
             description);
}

void AccessibilityTest::graphAndHelpSurfacesCarryTheirText() {
    GraphInputs inputs;
    for (int trial = 1; trial <= 1000; ++trial) {
        inputs.tally.RecordManualTrial(static_cast<CardIndex>(trial % 4 == 0 ? 3 : 1));
    }
    Form2 graph(inputs.sources());
    QCOMPARE(AccessibleName(graph.closeButton()), QStringLiteral("閉じる"));
    QCOMPARE(AccessibleName(graph.surface()), QStringLiteral("グラフ"));
    QCOMPARE(QAccessible::queryAccessibleInterface(&graph.surface())->role(), QAccessible::Graphic);
    // What the class sees, in words.
    QCOMPARE(AccessibleText(graph.surface(), QAccessible::Description),
             QStringLiteral("実験回数 1000 回、割合 0.2500000、理論上の確率 0.3076923"));

    // The help's text, line by line from the top, for a screen reader to read
    // as it reads a text, and the arrow keys moving its caret down the lines.
    Form4 help;
    QCOMPARE(AccessibleName(help.closeButton()), QStringLiteral("閉じる"));
    QCOMPARE(AccessibleName(help.surface()), QStringLiteral("設問と操作方法"));
    QAccessibleInterface* surface = QAccessible::queryAccessibleInterface(&help.surface());
    QAccessibleTextInterface* text = surface->textInterface();
    QVERIFY(text != nullptr);
    QCOMPARE(surface->role(), QAccessible::EditableText);
    QVERIFY(surface->state().readOnly);
    // Also where a screen reader met the surface before it had its lines.
    PictureBox box;
    QAccessibleInterface* met = QAccessible::queryAccessibleInterface(&box);
    QCOMPARE(met->role(), QAccessible::Graphic);
    box.setReadableLines({QStringLiteral("一行")});
    QCOMPARE(met->role(), QAccessible::EditableText);
    QVERIFY(help.surface().focusPolicy() & Qt::TabFocus);
    const QStringList lines = text->text(0, text->characterCount()).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 23);
    QCOMPARE(lines.value(1), QStringLiteral("【問　　題】"));
    QCOMPARE(lines.value(2), QStringLiteral("ここにトランプが１組あります。"));
    QCOMPARE(lines.value(22),
             QStringLiteral("［初期化］ボタンをクリックすると、実験を最初からやり直せます。"));
    // One run of attributes over the whole text, wherever it is asked: a
    // screen reader cuts a line at the end of a run.
    for (const int offset : {0, 5, text->characterCount() - 1}) {
        int start = -1;
        int end = -1;
        text->attributes(offset, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, text->characterCount()));
    }
    EventRecorder recorder;
    QTest::keyClick(&help.surface(), Qt::Key_Down);
    QTest::keyClick(&help.surface(), Qt::Key_Down);
    QCOMPARE(recorder.count(QAccessible::TextCaretMoved), 2);
    QCOMPARE(text->cursorPosition(),
             static_cast<int>(lines.value(0).size() + lines.value(1).size()) + 2);
    int start = 0;
    int end = 0;
    QCOMPARE(text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end)
                 .trimmed(),
             lines.value(2));
}

void AccessibilityTest::copyMenuItemsAreNamed() {
    Form1Fixture f;
    GraphInputs inputs;
    Form2 graph(inputs.sources());
    const auto names = [](QWidget& window) {
        QStringList items;
        const CopyMenu* copy = window.findChild<CopyMenu*>();
        QAccessibleInterface* menu =
            QAccessible::queryAccessibleInterface(const_cast<QMenu*>(&copy->menu()));
        for (int i = 0; menu != nullptr && i < menu->childCount(); ++i) {
            items << menu->child(i)->text(QAccessible::Name);
        }
        return items;
    };
    // The class window's item below a separator, which has no name.
    QCOMPARE(names(*f.form),
             (QStringList{QStringLiteral("結果をコピー"), QStringLiteral("見出しと結果をコピー"),
                          QString(), QStringLiteral("クラスの集計...")}));
    Form5 pooled;
    QCOMPARE(names(pooled),
             (QStringList{QStringLiteral("集計をコピー"), QStringLiteral("グラフをコピー")}));
    QCOMPARE(names(graph),
             (QStringList{QStringLiteral("グラフをコピー"), QStringLiteral("ばらつきの目安を表示"),
                          QStringLiteral("前の実験も表示")}));
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
