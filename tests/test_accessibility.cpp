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

// Every name change that reaches the screen-reader side while it lives: the
// widget and the name it had when the event was sent.
class NameChangeRecorder {
public:
    NameChangeRecorder() {
        s_changes.clear();
        QAccessible::installUpdateHandler(&NameChangeRecorder::record);
    }
    ~NameChangeRecorder() { QAccessible::installUpdateHandler(nullptr); }
    NameChangeRecorder(const NameChangeRecorder&) = delete;
    NameChangeRecorder& operator=(const NameChangeRecorder&) = delete;

    // The names announced for one widget, in order.
    QStringList namesOf(const QObject& widget) const {
        QStringList names;
        for (const auto& [object, name] : s_changes) {
            if (object == &widget) {
                names << name;
            }
        }
        return names;
    }

private:
    static void record(QAccessibleEvent* event) {
        if (event->type() != QAccessible::NameChanged) {
            return;
        }
        QAccessibleInterface* iface = event->accessibleInterface();
        s_changes.append({event->object(), iface ? iface->text(QAccessible::Name) : QString()});
    }
    static inline QList<std::pair<const QObject*, QString>> s_changes;
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

    void aDrawAnnouncesBothCountersAndTheFrequency();
    void shufflingAnnouncesNothing();
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
    QCOMPARE(controls.size(), 13 + CardsInDeck + 8);
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
    QCOMPARE(AccessibleName(f.form->toranpu(static_cast<CardIndex>(card))), name);
}

void AccessibilityTest::aDrawAnnouncesBothCountersAndTheFrequency() {
    Form1Fixture f;
    f.generator.queueCards({12}); // queen of spades: a hit
    f.form->Command2_Click();
    f.form->Timer1_Tick();
    NameChangeRecorder recorder;
    f.form->Command1_Click();
    QCOMPARE(recorder.namesOf(f.form->label(3)),
             QStringList{QStringLiteral("引いた全カード枚数 1")});
    QCOMPARE(recorder.namesOf(f.form->label(4)),
             QStringList{QStringLiteral("引いた３の倍数のカード枚数 1")});
    QCOMPARE(recorder.namesOf(f.form->label(6)),
             QStringList{QStringLiteral("３の倍数のカードを引いた割合 1.0000000")});
}

void AccessibilityTest::shufflingAnnouncesNothing() {
    Form1Fixture f;
    f.generator.queueCards({12, 40});
    NameChangeRecorder recorder;
    f.form->Command2_Click();
    f.form->Timer1_Tick();
    f.form->Timer1_Tick();
    for (const QLabel* box :
         {&f.form->label(3), &f.form->label(4), &f.form->label(6), &f.form->label(7)}) {
        QCOMPARE(recorder.namesOf(*box), QStringList{});
    }
}

void AccessibilityTest::initialisationAnnouncesTheClearedFrequency() {
    Form1Fixture f;
    f.form->Command2_Click();
    f.form->Command1_Click();
    NameChangeRecorder recorder;
    f.form->Command6_Click();
    QCOMPARE(recorder.namesOf(f.form->label(3)),
             QStringList{QStringLiteral("引いた全カード枚数 0")});
    QCOMPARE(recorder.namesOf(f.form->label(6)),
             QStringList{QStringLiteral("３の倍数のカードを引いた割合")});
}

void AccessibilityTest::graphAndHelpSurfacesCarryTheirText() {
    Tally tally;
    Form2 graph(tally);
    QCOMPARE(AccessibleName(graph.closeButton()), QStringLiteral("閉じる"));
    QCOMPARE(AccessibleName(graph.surface()), QStringLiteral("グラフ"));
    QCOMPARE(AccessibleText(graph.surface(), QAccessible::Description),
             QStringLiteral("(縦軸は３の倍数のトランプカードを引いた割合)(横軸は実験回数)"));

    Form4 help;
    QCOMPARE(AccessibleName(help.closeButton()), QStringLiteral("閉じる"));
    QCOMPARE(AccessibleName(help.surface()), QStringLiteral("設問と操作方法"));
    const QStringList paragraphs =
        AccessibleText(help.surface(), QAccessible::Description).split(QLatin1Char('\n'));
    // Indents gone, and a sentence that the printout breaks after
    // "［トランプを" reads as one line.
    QCOMPARE(paragraphs.value(0), QStringLiteral("【問　　題】"));
    QVERIFY(paragraphs.contains(
        QStringLiteral("手動でやる場合は、［トランプをきる］ボタンをクリックし、次に、［トランプを"
                       "引く］ボタンをクリックします。")));
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
