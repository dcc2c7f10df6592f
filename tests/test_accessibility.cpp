#include "platform/announcement.h"
#include "platform/copy_menu.h"
#include "tests/support/form1_fixture.h"
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

QString AccessibleText(const QWidget& widget, QAccessible::Text kind) {
    QAccessibleInterface* iface =
        QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&widget));
    return iface == nullptr ? QString() : iface->text(kind);
}

QString AccessibleName(const QWidget& widget) {
    return AccessibleText(widget, QAccessible::Name);
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
    void labelsAreNamedByCaptionOrRowAndNumber_data();
    void labelsAreNamedByCaptionOrRowAndNumber();
    void everyButtonAndLabelOfTheMainWindowHasAName();
    void cardPicturesAreNamedBySuitAndRank_data();
    void cardPicturesAreNamedBySuitAndRank();

    void drawsAndRunsAreAnnouncedOnceAndTicksAreSilent();
    void initialisationAnnouncesTheClearedFrequency();

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

void AccessibilityTest::labelsAreNamedByCaptionOrRowAndNumber_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::newRow("Label1 caption") << 1 << QStringLiteral("引いた３の倍数のカード枚数");
    QTest::newRow("Label2 caption") << 2 << QStringLiteral("引いた全カード枚数");
    QTest::newRow("Label3 trials") << 3 << QStringLiteral("引いた全カード枚数 0");
    QTest::newRow("Label4 hits") << 4 << QStringLiteral("引いた３の倍数のカード枚数 0");
    QTest::newRow("Label5 sign") << 5 << QStringLiteral("≒");
    QTest::newRow("Label6 empty frequency") << 6 << QStringLiteral("３の倍数のカードを引いた割合");
    QTest::newRow("Label7 theory") << 7 << QStringLiteral("理論上の確率 0.3076923");
    QTest::newRow("Label8 sign") << 8 << QStringLiteral("≒");
    QTest::newRow("Label9 sixteen") << 9 << QStringLiteral("３の倍数のカードの全枚数 16");
    QTest::newRow("Label10 fifty-two") << 10 << QStringLiteral("トランプカードの全枚数 52");
    QTest::newRow("Label11 caption") << 11 << QStringLiteral("トランプカードの全枚数");
    QTest::newRow("Label12 caption") << 12 << QStringLiteral("３の倍数のカードの全枚数");
    QTest::newRow("Label13 heading") << 13 << QStringLiteral("３の倍数のトランプカード");
}

void AccessibilityTest::labelsAreNamedByCaptionOrRowAndNumber() {
    QFETCH(int, number);
    QFETCH(QString, name);
    Form1Fixture f;
    QCOMPARE(AccessibleName(f.form->label(number)), name);
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
    // The boxes are renamed once each, the counters and the frequency.
    QCOMPARE(recorder.namesOf(f.form->label(3)),
             QStringList{QStringLiteral("引いた全カード枚数 1")});
    QCOMPARE(recorder.namesOf(f.form->label(4)),
             QStringList{QStringLiteral("引いた３の倍数のカード枚数 1")});
    QCOMPARE(recorder.namesOf(f.form->label(6)),
             QStringList{QStringLiteral("３の倍数のカードを引いた割合 1.0000000")});
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
    QCOMPARE(recorder.namesOf(f.form->label(3)),
             QStringList{QStringLiteral("引いた全カード枚数 1000")});

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

void AccessibilityTest::initialisationAnnouncesTheClearedFrequency() {
    Form1Fixture f;
    f.form->Command2_Click();
    f.form->Command1_Click();
    EventRecorder recorder;
    f.form->Command6_Click();
    QCOMPARE(recorder.namesOf(f.form->label(3)),
             QStringList{QStringLiteral("引いた全カード枚数 0")});
    QCOMPARE(recorder.namesOf(f.form->label(6)),
             QStringList{QStringLiteral("３の倍数のカードを引いた割合")});
}

void AccessibilityTest::graphAndHelpSurfacesCarryTheirText() {
    Tally tally;
    for (int trial = 1; trial <= 1000; ++trial) {
        tally.RecordManualTrial(static_cast<CardIndex>(trial % 4 == 0 ? 3 : 1));
    }
    Form2 graph(tally);
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
    Tally tally;
    Form2 graph(tally);
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
    QCOMPARE(names(*f.form),
             (QStringList{QStringLiteral("結果をコピー"), QStringLiteral("見出しと結果をコピー")}));
    QCOMPARE(names(graph), QStringList{QStringLiteral("グラフをコピー")});
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
