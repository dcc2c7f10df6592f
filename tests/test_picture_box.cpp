#include "engine/tally.h"
#include "platform/fonts.h"
#include "platform/picture_box.h"
#include "tests/image_probe.h"
#include "tests/support/history.h"
#include "ui/graph/form2.h"

#include <QFontMetrics>
#include <QTest>
#include <algorithm>

namespace {

constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb LightBlue = qRgb(0, 0, 255);

// 2 units to a pixel across and down, origin moved to (10, 20).
constexpr UserScale TwoUnitsPerPixel{10.0f, 20.0f, 200.0f, 100.0f};

// A white box whose inner area is 100 x 50 pixels inside the 2-pixel border.
void SetUp(PictureBox& box) {
    box.setGeometry(0, 0, 104, 54);
    box.setBackColor(Qt::white);
    box.setUserScale(TwoUnitsPerPixel);
}

// The same box with one unit to a logical pixel, for the checks that hold
// on a screen of any scale.
void SetUpOneUnitPerPixel(PictureBox& box) {
    box.setGeometry(0, 0, 104, 54);
    box.setBackColor(Qt::white);
    box.setUserScale({0, 0, 100, 50});
}

int Scaled(int logical, qreal ratio) {
    return qRound(logical * ratio);
}

} // namespace

class PictureBoxTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ApplyDefaultFont(); }

    void paletteNumbersGiveTheirColours_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("0 black") << 0 << qRgb(0, 0, 0);
        QTest::newRow("7 light grey") << 7 << qRgb(192, 192, 192);
        QTest::newRow("9 light blue") << 9 << qRgb(0, 0, 255);
        QTest::newRow("12 light red") << 12 << qRgb(255, 0, 0);
        QTest::newRow("15 white") << 15 << qRgb(255, 255, 255);
    }
    void paletteNumbersGiveTheirColours() {
        QFETCH(int, number);
        QFETCH(QRgb, colour);
        QCOMPARE(QBColor(number), colour);
    }

    // The image covers the area inside the border in the screen's own
    // pixels, so that drawing stays sharp on a scaled screen (CTest runs the
    // checks below again at 1.5 and 2 times).
    void imageHasTheScreensPixelsInsideTheBorder() {
        PictureBox box;
        SetUpOneUnitPerPixel(box);
        const qreal ratio = box.devicePixelRatioF();
        QCOMPARE(box.innerSize(), QSize(100, 50));
        QCOMPARE(box.image().size(), QSize(Scaled(100, ratio), Scaled(50, ratio)));
        QCOMPARE(box.image().devicePixelRatio(), ratio);
        QCOMPARE(box.devicePixel(10, 5),
                 QPoint(Scaled(100, ratio) * 10 / 100, Scaled(50, ratio) * 5 / 50));
    }

    void pointsAndLinesAreOneLogicalPixelWide() {
        PictureBox box;
        SetUpOneUnitPerPixel(box);
        const int pen = std::max(1, qRound(box.devicePixelRatioF()));
        box.PSet(10, 5, PaletteLightBlue);
        box.Line(20, 30, 40, 30, PaletteBlack);
        const QImage& image = box.image();
        QCOMPARE(CountPixels(image, LightBlue, QRect(box.devicePixel(10, 5), QSize(pen, pen))),
                 pen * pen);
        QCOMPARE(CountPixels(image, LightBlue, image.rect()), pen * pen);
        const QPoint from = box.devicePixel(20, 30);
        const int length = box.devicePixel(40, 30).x() - from.x() + pen;
        QCOMPARE(CountPixels(image, Black, QRect(from, QSize(length, pen))), length * pen);
        QCOMPARE(CountPixels(image, Black, image.rect()), length * pen);
    }

    void textIsRenderedAtTheScreensResolution() {
        PictureBox box;
        SetUpOneUnitPerPixel(box);
        const qreal ratio = box.devicePixelRatioF();
        box.setFont(JapaneseFont(11.25));
        box.Print(QStringLiteral("問"));
        const QImage& image = box.image();
        // A 15-pixel glyph: ink in the lower half of its line, none below it.
        QVERIFY(HasInk(image, QRect(0, Scaled(9, ratio), Scaled(15, ratio), Scaled(4, ratio))));
        QVERIFY(!HasInk(image, QRect(0, Scaled(16, ratio), image.width(), image.height())));
    }

    // A figure painted with one painter for all its steps is the very
    // picture its steps paint one by one: a line, a point, a text and a line
    // again, each after another kind that leaves its own painter state.
    void aBatchDrawsWhatTheStepsDrawOneByOne() {
        const auto draw = [](PictureBox& box) {
            box.setFont(JapaneseFont(11.25));
            box.Line(20, 30, 150, 90, PaletteLightBlue);
            box.PSet(40, 25, PaletteLightMagenta);
            box.CurrentX = 60;
            box.CurrentY = 40;
            box.Print(QStringLiteral("問 0.30"));
            box.Line(150, 90, 180, 22, PaletteBlack);
        };
        PictureBox oneByOne;
        SetUp(oneByOne);
        draw(oneByOne);
        PictureBox batched;
        SetUp(batched);
        {
            const PictureBox::Batch batch(batched);
            draw(batched);
        }
        QCOMPARE(batched.image(), oneByOne.image());
        QVERIFY(CountPixels(batched.image(), LightBlue, batched.image().rect()) > 0);
    }

    void graphSurfaceIsSharp() {
        GraphInputs inputs;
        Form2 form(inputs.sources());
        form.Form_Activate();
        const qreal ratio = form.surface().devicePixelRatioF();
        const QImage& image = form.surface().image();
        QCOMPARE(image.size(), QSize(Scaled(629, ratio), Scaled(317, ratio)));
        // Between two ticks, the y axis at x = 100 is one logical pixel wide.
        const QPoint axis = form.surface().devicePixel(100, 55);
        QCOMPARE(image.pixel(axis), Black);
        QCOMPARE(CountPixels(image, Black, QRect(axis.x() - 10, axis.y(), 30, 1)),
                 std::max(1, qRound(ratio)));
    }

    void mapsUserCoordinatesToPixels_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("origin is the top-left pixel") << 10.0f << 20.0f << QPoint(0, 0);
        QTest::newRow("just short of the next pixel") << 11.9f << 21.9f << QPoint(0, 0);
        QTest::newRow("next pixel") << 12.0f << 22.0f << QPoint(1, 1);
        QTest::newRow("centre") << 110.0f << 70.0f << QPoint(50, 25);
        QTest::newRow("far corner is one past the last pixel")
            << 210.0f << 120.0f << QPoint(100, 50);
        QTest::newRow("left of and above the origin") << 9.0f << 19.0f << QPoint(-1, -1);
    }
    void mapsUserCoordinatesToPixels() {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(QPoint, pixel);
        PictureBox box;
        SetUp(box);
        QCOMPARE(box.devicePixel(x, y), pixel);
    }

    void withoutAScaleTheUnitsAreTwips() {
        PictureBox box;
        box.setGeometry(0, 0, 104, 54);
        QCOMPARE(box.devicePixel(150, 60), QPoint(10, 4));
        QCOMPARE(box.userScale().ScaleWidth, 1500.0f);
        QCOMPARE(box.userScale().ScaleHeight, 750.0f);
    }

    void lineCoversBothEndsAndNothingBeyond_data() {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("last");
        QTest::newRow("left to right")
            << QPointF(20, 30) << QPointF(40, 30) << QPoint(5, 5) << QPoint(15, 5);
        QTest::newRow("right to left")
            << QPointF(40, 30) << QPointF(20, 30) << QPoint(5, 5) << QPoint(15, 5);
        QTest::newRow("top to bottom")
            << QPointF(30, 24) << QPointF(30, 40) << QPoint(10, 2) << QPoint(10, 10);
    }
    void lineCoversBothEndsAndNothingBeyond() {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(QPoint, first);
        QFETCH(QPoint, last);
        PictureBox box;
        SetUp(box);
        box.Line(from.x(), from.y(), to.x(), to.y(), PaletteBlack);
        const QImage& image = box.image();
        const QRect covered(first, last);
        QCOMPARE(CountPixels(image, Black, covered), covered.width() * covered.height());
        QCOMPARE(CountPixels(image, Black, image.rect()), covered.width() * covered.height());
        QCOMPARE(box.CurrentX, static_cast<float>(to.x()));
        QCOMPARE(box.CurrentY, static_cast<float>(to.y()));
    }

    void lineFromTheCurrentPositionContinuesThePath() {
        PictureBox box;
        SetUp(box);
        box.PSet(20, 30, PaletteLightBlue);
        box.Line(40, 30, PaletteLightBlue);
        box.Line(40, 50, PaletteLightBlue);
        const QImage& image = box.image();
        QCOMPARE(image.pixel(5, 5), LightBlue);
        QCOMPARE(image.pixel(15, 5), LightBlue);
        QCOMPARE(image.pixel(15, 15), LightBlue);
        QCOMPARE(CountPixels(image, LightBlue, image.rect()), 11 + 10);
        QCOMPARE(box.CurrentX, 40.0f);
        QCOMPARE(box.CurrentY, 50.0f);
    }

    void psetSetsOnePixelAndMovesThePosition() {
        PictureBox box;
        SetUp(box);
        box.PSet(61, 45, PaletteLightBlue);
        const QImage& image = box.image();
        QCOMPARE(image.pixel(25, 12), LightBlue);
        QCOMPARE(CountPixels(image, LightBlue, image.rect()), 1);
        QCOMPARE(box.CurrentX, 61.0f);
        QCOMPARE(box.CurrentY, 45.0f);
    }

    void drawingBeyondTheEdgesIsClipped() {
        PictureBox box;
        SetUp(box);
        box.Line(190, 30, 400, 30, PaletteBlack);
        box.PSet(500, 500, PaletteBlack);
        const QImage& image = box.image();
        QCOMPARE(CountPixels(image, Black, image.rect()), 10);
        QCOMPARE(image.pixel(99, 5), Black);
    }

    void printDrawsFromThePositionThenMovesOneLineDown() {
        PictureBox box;
        box.setGeometry(0, 0, 204, 104);
        box.setBackColor(Qt::white);
        box.setFont(JapaneseFont(11.25));
        box.setUserScale({0, 0, 200, 100});
        const int lineHeight = QFontMetrics(box.font()).height();
        box.CurrentX = 20;
        box.CurrentY = 10;
        box.Print(QStringLiteral("問題"));
        const QImage& image = box.image();
        QVERIFY(HasInk(image, QRect(20, 10, 30, lineHeight)));
        QVERIFY(!HasInk(image, QRect(0, 0, 20, 100)));
        QVERIFY(!HasInk(image, QRect(0, 0, 200, 10)));
        QVERIFY(!HasInk(image, QRect(0, 10 + lineHeight, 200, 100)));
        QCOMPARE(box.CurrentX, 0.0f);
        QCOMPARE(box.CurrentY, static_cast<float>(10 + lineHeight));
    }

    void printWithoutTextOnlyMoves() {
        PictureBox box;
        box.setGeometry(0, 0, 204, 104);
        box.setBackColor(Qt::white);
        box.setUserScale({-50, 0, 200, 100});
        box.CurrentX = 30;
        box.Print();
        box.Print();
        QVERIFY(!HasInk(box.image(), box.image().rect()));
        QCOMPARE(box.CurrentX, -50.0f);
        QCOMPARE(box.CurrentY, 2.0f * QFontMetrics(box.font()).height());
    }

    void printIsCutOffAtTheRightEdgeWithoutWrapping() {
        PictureBox box;
        box.setGeometry(0, 0, 204, 104);
        box.setBackColor(Qt::white);
        box.setUserScale({0, 0, 200, 100});
        const int lineHeight = QFontMetrics(box.font()).height();
        box.CurrentX = 150;
        box.CurrentY = 0;
        box.Print(QString(40, QChar(u'■')));
        const QImage& image = box.image();
        QVERIFY(HasInk(image, QRect(190, 0, 10, lineHeight)));
        QVERIFY(!HasInk(image, QRect(0, lineHeight, 200, 100 - lineHeight)));
        QVERIFY(!HasInk(image, QRect(0, 0, 150, 100)));
    }

    void clsFillsWithTheBackColourAndGoesToTheTopLeft() {
        PictureBox box;
        SetUp(box);
        box.Line(20, 30, 200, 110, PaletteBlack);
        box.setBackColor(QColor::fromRgb(QBColor(14)));
        box.Cls();
        const QImage& image = box.image();
        QCOMPARE(CountPixels(image, QBColor(14), image.rect()), 100 * 50);
        QCOMPARE(box.CurrentX, 10.0f);
        QCOMPARE(box.CurrentY, 20.0f);
    }

    void repaintShowsTheRetainedDrawingInsideTheBorder() {
        PictureBox box;
        SetUp(box);
        box.PSet(20, 30, PaletteLightBlue);
        const QImage shown = box.grab().toImage();
        QCOMPARE(shown.pixel(2 + 5, 2 + 5), LightBlue);
        QCOMPARE(shown.pixel(2 + 6, 2 + 5), qRgb(255, 255, 255));
        QVERIFY(shown.pixel(0, 0) != qRgb(255, 255, 255));
    }
};

QTEST_MAIN(PictureBoxTest)
#include "test_picture_box.moc"
