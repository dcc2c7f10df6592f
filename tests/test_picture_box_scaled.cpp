// The drawing surface on a screen scaled to 200 %: drawn in device pixels.
#include "engine/tally.h"
#include "platform/fonts.h"
#include "platform/picture_box.h"
#include "tests/image_probe.h"
#include "ui/graph/form2.h"

#include <QApplication>
#include <QTest>

namespace {

constexpr QRgb Black = qRgb(0, 0, 0);
constexpr QRgb LightBlue = qRgb(0, 0, 255);

// Inner area 100 x 50 logical pixels, one unit to a logical pixel.
void SetUp(PictureBox& box) {
    box.setGeometry(0, 0, 104, 54);
    box.setBackColor(Qt::white);
    box.setUserScale({0, 0, 100, 50});
}

} // namespace

class PictureBoxScaledTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        ApplyDefaultFont();
        PictureBox box;
        QCOMPARE(box.devicePixelRatioF(), 2.0);
    }

    void imageHasTwiceThePixelsEachWay() {
        PictureBox box;
        SetUp(box);
        QCOMPARE(box.image().size(), QSize(200, 100));
        QCOMPARE(box.image().devicePixelRatio(), 2.0);
        QCOMPARE(box.devicePixel(10, 5), QPoint(20, 10));
    }

    void pointsAndLinesAreOneLogicalPixelWide() {
        PictureBox box;
        SetUp(box);
        box.PSet(10, 5, QBLightBlue);
        box.Line(20, 30, 40, 30, QBBlack);
        const QImage& image = box.image();
        QCOMPARE(CountPixels(image, LightBlue, QRect(20, 10, 2, 2)), 4);
        QCOMPARE(CountPixels(image, LightBlue, image.rect()), 4);
        QCOMPARE(CountPixels(image, Black, QRect(40, 60, 42, 2)), 84);
        QCOMPARE(CountPixels(image, Black, image.rect()), 84);
    }

    void textIsRenderedAtDeviceResolution() {
        PictureBox box;
        SetUp(box);
        box.setFont(JapaneseFont(11.25));
        box.Print(QStringLiteral("問"));
        const QImage& image = box.image();
        // A 15-pixel glyph reaches well into the second 15 device pixels.
        QVERIFY(HasInk(image, QRect(0, 18, 30, 10)));
        QVERIFY(!HasInk(image, QRect(0, 32, 200, 68)));
    }

    void graphSurfaceIsSharp() {
        Tally tally;
        Form2 form(tally);
        form.Form_Activate();
        const QImage& image = form.surface().image();
        QCOMPARE(image.size(), QSize(1258, 634));
        // Between two ticks, the y axis at x = 100 is two device pixels wide.
        const int row = form.surface().devicePixel(100, 55).y();
        QCOMPARE(CountPixels(image, Black, QRect(100, row, 30, 1)), 2);
        QCOMPARE(image.pixel(form.surface().devicePixel(100, 55).x(), row), Black);
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    PictureBoxScaledTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_picture_box_scaled.moc"
