// The main window's arrangement: sizes, captions, fonts, colours and focus order.
#include "design/form1_layout.h"
#include "platform/design_qt.h"
#include "platform/fonts.h"
#include "tests/support/form1_checks.h"
#include "tests/support/form1_fixture.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>
#include <algorithm>

namespace {

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
        return {QString::fromUtf8(Form1Layout::Labels[label - 1].caption)};
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
    const QSize client = ToPixels(Form1Layout::ClientWidth, Form1Layout::ClientHeight);
    QCOMPARE(f.form->size(), client);
    QCOMPARE(f.form->minimumSize(), f.form->maximumSize());
    QCOMPARE(f.form->windowTitle(), QString::fromUtf8(Form1Layout::Title));
    f.form->show();
    f.form->resize(client + QSize(200, 200));
    QCOMPARE(f.form->size(), client);
    QCOMPARE(f.form->command(1).geometry(), ToPixels(Form1Layout::Buttons[0].rect));
    QCOMPARE(f.form->findChild<QFrame*>(QStringLiteral("Line1"))->geometry(),
             QRect(0, TwipsToPixels(Form1Layout::Line1Y), client.width(), 1));
}

void Form1LayoutTest::controlsStandWhereDesigned_data() {
    QTest::addColumn<bool>("button");
    QTest::addColumn<int>("number");
    for (int n = 1; n <= static_cast<int>(std::size(Form1Layout::Buttons)); ++n) {
        QTest::newRow(qPrintable(QStringLiteral("Command%1").arg(n))) << true << n;
    }
    for (int n = 1; n <= Form1Layout::LabelCount; ++n) {
        QTest::newRow(qPrintable(QStringLiteral("Label%1").arg(n))) << false << n;
    }
}

void Form1LayoutTest::controlsStandWhereDesigned() {
    QFETCH(bool, button);
    QFETCH(int, number);
    Form1Fixture f;
    if (button) {
        const Form1Layout::Button& designed = Form1Layout::Buttons[number - 1];
        QCOMPARE(f.form->command(number).geometry(), ToPixels(designed.rect));
        QCOMPARE(f.form->command(number).text(), QString::fromUtf8(designed.caption));
    } else {
        const Form1Layout::Label& designed = Form1Layout::Labels[number - 1];
        const QLabel& label = f.form->label(number);
        QCOMPARE(label.geometry(), ToPixels(designed.rect));
        if (std::ranges::find(Form1Layout::NumberLabels, number) ==
            Form1Layout::NumberLabels.end()) {
            QCOMPARE(label.text(), QString::fromUtf8(designed.caption));
        }
        QCOMPARE(label.alignment(), Qt::AlignCenter);
        QCOMPARE(label.focusPolicy(), Qt::NoFocus);
        QCOMPARE(label.font().pointSizeF(), Form1Layout::LabelPointSize);
    }
}

void Form1LayoutTest::cardPictureIsStretchedToItsBox() {
    Form1Fixture f;
    QCOMPARE(f.form->cardPicture().geometry(), ToPixels(Form1Layout::Card));
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
    for (int n = 1; n <= Form1Layout::LabelCount; ++n) {
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
    const QRect heading = f.form->label(Form1Layout::HeadingLabel).geometry();
    QCOMPARE(PixelAt(image, heading.topLeft() + QPoint(4, 12)),
             QColor(ToQRgb(Form1Layout::Labels[Form1Layout::HeadingLabel - 1].back)));
    const QRect ratio = f.form->label(6).geometry();
    QCOMPARE(PixelAt(image, ratio.topLeft() + QPoint(6, 12)),
             QColor(ToQRgb(Form1Layout::Labels[5].back)));
    // A flat box has a one-pixel line, a sunken one a darker top than bottom.
    const QRect flat = f.form->label(9).geometry();
    QCOMPARE(PixelAt(image, flat.topLeft() + QPoint(20, 0)), QColor(Qt::black));
    QCOMPARE(PixelAt(image, flat.topLeft() + QPoint(20, 1)), QColor(Qt::white));
    const QRect sunken = f.form->label(3).geometry();
    QVERIFY(PixelAt(image, sunken.topLeft() + QPoint(20, 0)).lightness() <
            PixelAt(image, sunken.bottomLeft() + QPoint(20, 0)).lightness());
    for (const QLabel* counter : {&f.form->label(3), &f.form->label(4), &f.form->label(6)}) {
        QCOMPARE(counter->palette().color(QPalette::WindowText), QColor(ToQRgb(Colours::Red)));
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
