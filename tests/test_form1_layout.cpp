// The main window's arrangement: sizes, captions, fonts, colours and focus order.
#include "platform/fonts.h"
#include "tests/support/form1_checks.h"
#include "tests/support/form1_fixture.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

namespace {

struct Expected {
    const char* caption;
    int left, top, width, height; // twips
};

// Buttons Command1..Command8 and labels Label1..Label13 as designed.
const Expected Buttons[] = {
    {"トランプを引く", 5520, 3960, 2175, 495},
    {"トランプをきる", 5520, 3360, 2175, 495},
    {"終了", 0, 0, 855, 375},
    {"自動 Start", 840, 3120, 2175, 495},
    {"自動 Stop", 840, 3720, 2175, 495},
    {"初期化", 7680, 0, 855, 375},
    {"グラフ表示", 840, 4440, 2175, 375},
    {"HELP", 6840, 0, 855, 375},
};
const Expected Labels[] = {
    {"引いた３の倍数のカード枚数", 240, 1920, 4215, 375},
    {"引いた全カード枚数", 240, 2400, 4215, 375},
    {"", 4560, 2400, 1215, 375},
    {"", 4560, 1920, 1215, 375},
    {"≒", 5880, 2160, 495, 375},
    {"", 6480, 2160, 1815, 375},
    {"", 6480, 960, 1815, 375},
    {"≒", 5880, 960, 495, 375},
    {"16", 4560, 720, 1215, 375},
    {"52", 4560, 1200, 1215, 375},
    {"トランプカードの全枚数", 240, 1200, 4215, 375},
    {"３の倍数のカードの全枚数", 240, 720, 4215, 375},
    {"３の倍数のトランプカード", 2160, 0, 4215, 375},
};

QRect Pixels(const Expected& e) {
    return {e.left / 15, e.top / 15, e.width / 15, e.height / 15};
}

// Every text a label can come to show.
QStringList PossibleTexts(int label) {
    switch (label) {
    case 3:
    case 4:
        return {QStringLiteral("0"), QStringLiteral(" 100000"), QStringLiteral("100000")};
    case 6:
    case 7:
        return {QStringLiteral("0.0000000"), QStringLiteral("1.0000000"),
                QStringLiteral("0.8888888")};
    default:
        return {QString::fromUtf8(Labels[label - 1].caption)};
    }
}

QColor PixelAt(const QImage& image, QPoint p) {
    return image.pixelColor(p);
}

} // namespace

class Form1LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void windowHasTheDesignedFixedSizeAndTitle();
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void cardPictureIsStretchedToItsBox();
    void japaneseFaceIsProportionalAndInstalled();
    void everyTextFitsItsBox_data();
    void everyTextFitsItsBox();
    void buttonCaptionsFit();
    void coloursAndBordersAreAsDesigned();
    void tabMovesAmongEnabledButtonsInOrder();
};

void Form1LayoutTest::windowHasTheDesignedFixedSizeAndTitle() {
    Form1Fixture f;
    QCOMPARE(f.form->size(), QSize(568, 351));
    QCOMPARE(f.form->minimumSize(), f.form->maximumSize());
    QCOMPARE(f.form->windowTitle(), QStringLiteral(" ３の倍数のトランプカード"));
    f.form->show();
    f.form->resize(800, 600);
    QCOMPARE(f.form->size(), QSize(568, 351));
    QCOMPARE(f.form->command(1).geometry(), Pixels(Buttons[0]));
    QCOMPARE(f.form->findChild<QFrame*>(QStringLiteral("Line1"))->geometry(), QRect(0, 24, 568, 1));
}

void Form1LayoutTest::controlsStandWhereDesigned_data() {
    QTest::addColumn<bool>("button");
    QTest::addColumn<int>("number");
    for (int n = 1; n <= 8; ++n) {
        QTest::newRow(qPrintable(QStringLiteral("Command%1").arg(n))) << true << n;
    }
    for (int n = 1; n <= 13; ++n) {
        QTest::newRow(qPrintable(QStringLiteral("Label%1").arg(n))) << false << n;
    }
}

void Form1LayoutTest::controlsStandWhereDesigned() {
    QFETCH(bool, button);
    QFETCH(int, number);
    Form1Fixture f;
    if (button) {
        const Expected& e = Buttons[number - 1];
        QCOMPARE(f.form->command(number).geometry(), Pixels(e));
        QCOMPARE(f.form->command(number).text(), QString::fromUtf8(e.caption));
    } else {
        const Expected& e = Labels[number - 1];
        const QLabel& label = f.form->label(number);
        QCOMPARE(label.geometry(), Pixels(e));
        if (number != 3 && number != 4 && number != 6 && number != 7) {
            QCOMPARE(label.text(), QString::fromUtf8(e.caption));
        }
        QCOMPARE(label.alignment(), Qt::AlignCenter);
        QCOMPARE(label.focusPolicy(), Qt::NoFocus);
        QCOMPARE(label.font().pointSizeF(), 15.75);
    }
}

void Form1LayoutTest::cardPictureIsStretchedToItsBox() {
    Form1Fixture f;
    QCOMPARE(f.form->cardPicture().geometry(), QRect(248, 208, 73, 105));
    QVERIFY(f.form->cardPicture().hasScaledContents());
    QCOMPARE(VisibleCards(*f.form), QList<int>{1});
}

void Form1LayoutTest::japaneseFaceIsProportionalAndInstalled() {
    Form1Fixture f;
    if (!QFontDatabase::families().contains(QStringLiteral("Ume P Gothic"))) {
        QSKIP("Ume P Gothic (fonts-horai-umefont) is not installed");
    }
    QCOMPARE(QFontInfo(f.form->label(1).font()).family(), QStringLiteral("Ume P Gothic"));
    QCOMPARE(QFontInfo(f.form->command(3).font()).family(), QStringLiteral("Ume P Gothic"));
    // The design face's name resolves to the same face.
    QCOMPARE(QFontInfo(QFont(DesignFontFamily)).family(), QStringLiteral("Ume P Gothic"));
    // Proportional: narrow kana are narrower than wide kanji.
    const QFontMetrics metrics(JapaneseFont(11.25));
    QVERIFY(metrics.horizontalAdvance(QStringLiteral("ー")) <
            metrics.horizontalAdvance(QStringLiteral("終")));
}

void Form1LayoutTest::everyTextFitsItsBox_data() {
    QTest::addColumn<int>("number");
    for (int n = 1; n <= 13; ++n) {
        QTest::newRow(qPrintable(QStringLiteral("Label%1").arg(n))) << n;
    }
}

void Form1LayoutTest::everyTextFitsItsBox() {
    QFETCH(int, number);
    Form1Fixture f;
    const QLabel& label = f.form->label(number);
    const QFontMetrics metrics(label.font());
    const QRect inside = label.contentsRect();
    for (const QString& text : PossibleTexts(number)) {
        // Centred by its advance; what must not be cut is the ink (the blank
        // of a sign column has none).
        const int start = inside.left() + (inside.width() - metrics.horizontalAdvance(text)) / 2;
        const QString visible = text.trimmed();
        const int blank = metrics.horizontalAdvance(text.left(text.indexOf(visible)));
        const QRect ink = metrics.boundingRect(visible).translated(start + blank, 0);
        QVERIFY2(ink.left() >= inside.left() && ink.right() <= inside.right(),
                 qPrintable(QStringLiteral("'%1' inks x %2..%3 in %4..%5")
                                .arg(text)
                                .arg(ink.left())
                                .arg(ink.right())
                                .arg(inside.left())
                                .arg(inside.right())));
        QVERIFY(metrics.height() <= inside.height());
    }
}

void Form1LayoutTest::buttonCaptionsFit() {
    Form1Fixture f;
    constexpr int Margin = 4; // room the style keeps for the button's frame
    for (int n = 1; n <= 8; ++n) {
        const QPushButton& button = f.form->command(n);
        const QFontMetrics metrics(button.font());
        QVERIFY2(metrics.horizontalAdvance(button.text()) + 2 * Margin <= button.width(),
                 qPrintable(button.text()));
        QVERIFY(metrics.height() <= button.height());
    }
}

void Form1LayoutTest::coloursAndBordersAreAsDesigned() {
    Form1Fixture f;
    f.form->show();
    const QImage image = f.form->grab().toImage();
    const QRect heading = f.form->label(13).geometry();
    QCOMPARE(PixelAt(image, heading.topLeft() + QPoint(4, 12)), QColor(255, 255, 192));
    const QRect ratio = f.form->label(6).geometry();
    QCOMPARE(PixelAt(image, ratio.topLeft() + QPoint(6, 12)), QColor(Qt::white));
    // A flat box has a one-pixel line, a sunken one a darker top than bottom.
    const QRect flat = f.form->label(9).geometry();
    QCOMPARE(PixelAt(image, flat.topLeft() + QPoint(20, 0)), QColor(Qt::black));
    QCOMPARE(PixelAt(image, flat.topLeft() + QPoint(20, 1)), QColor(Qt::white));
    const QRect sunken = f.form->label(3).geometry();
    QVERIFY(PixelAt(image, sunken.topLeft() + QPoint(20, 0)).lightness() <
            PixelAt(image, sunken.bottomLeft() + QPoint(20, 0)).lightness());
    for (const QLabel* counter : {&f.form->label(3), &f.form->label(4), &f.form->label(6)}) {
        QCOMPARE(counter->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(counter->font().bold());
    }
    // The rule under the top row, between the exit button and the heading.
    QCOMPARE(PixelAt(image, QPoint(100, 24)), QColor(Qt::black));
}

void Form1LayoutTest::tabMovesAmongEnabledButtonsInOrder() {
    Form1Fixture f;
    f.form->show();
    f.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.form.get()));
    // Stopped: every button but Command1 and Command5 is enabled.
    f.form->Command2_Click();
    f.form->Command1_Click();
    CommandButton(*f.form, 2).setFocus();
    QList<int> order;
    for (int step = 0; step < 7; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        for (int n = 1; n <= 8; ++n) {
            if (QApplication::focusWidget() == &f.form->command(n)) {
                order << n;
            }
        }
    }
    QCOMPARE(order, (QList<int>{3, 4, 6, 7, 8, 2, 3}));
}

QTEST_MAIN(Form1LayoutTest)
#include "test_form1_layout.moc"
