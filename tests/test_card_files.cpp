// The committed card pictures and icon files: their stored form, and that the
// generator's drawing code reproduces them exactly.
#include "tests/support/folders.h"
#include "tests/support/suit_names.h"
#include "tools/cardgen/card_face.h"
#include "tools/cardgen/card_files.h"
#include "tools/cardgen/card_icon.h"

#include <QFile>
#include <QSet>
#include <QTest>
#include <array>

namespace {

constexpr int CardFileSize = 19398;
constexpr int HeaderSize = 54;
constexpr int RowBytes = 208;
constexpr int PixelBytesPerRow = 69 * 3;
constexpr int IconFileSize = 3262;

const QString Root = QString::fromUtf8(ProjectSourceDir);

QByteArray readFile(const QString& relativePath) {
    QFile file(Root + QLatin1Char('/') + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString cardFile(int index, const QString& type = QStringLiteral("bmp")) {
    return QStringLiteral("assets/cards/%1.%2").arg(index, 2, 10, QLatin1Char('0')).arg(type);
}

// The header every card picture must start with, field by field.
QByteArray expectedCardHeader() {
    constexpr std::array<unsigned char, HeaderSize> bytes{
        'B',  'M',  0xC6, 0x4B, 0,    0,          // file size 19398
        0,    0,    0,    0,                      // reserved
        54,   0,    0,    0,                      // offset of the pixels
        40,   0,    0,    0,                      // information header size
        69,   0,    0,    0,                      // width
        93,   0,    0,    0,                      // height, positive: bottom row first
        1,    0,    24,   0,                      // planes, bits per pixel
        0,    0,    0,    0,                      // no compression
        0x90, 0x4B, 0,    0,                      // pixel data size 19344
        0xC4, 0x0E, 0,    0,    0xC4, 0x0E, 0, 0, // 3780 pixels per metre
        0,    0,    0,    0,    0,    0,    0, 0,
    };
    return {reinterpret_cast<const char*>(bytes.data()), HeaderSize};
}

void addCardRows() {
    QTest::addColumn<int>("index");
    for (int index = 1; index <= 52; ++index) {
        QTest::addRow("%02d %s %d", index, SuitNameOf(index), RankOf(static_cast<CardIndex>(index)))
            << index;
    }
}

} // namespace

class TestCardFiles : public QObject {
    Q_OBJECT
private slots:
    void pictureFileHasTheCardHeader_data() { addCardRows(); }
    void pictureFileHasTheCardHeader() {
        QFETCH(int, index);
        const QByteArray bytes = readFile(cardFile(index));
        QCOMPARE(bytes.size(), CardFileSize);
        QCOMPARE(bytes.left(HeaderSize).toHex(' '), expectedCardHeader().toHex(' '));
    }

    void pictureUsesOnlyTheEightFullColours_data() { addCardRows(); }
    void pictureUsesOnlyTheEightFullColours() {
        QFETCH(int, index);
        const QByteArray bytes = readFile(cardFile(index));
        QCOMPARE(bytes.size(), CardFileSize);
        for (int row = 0; row < 93; ++row) {
            const int start = HeaderSize + row * RowBytes;
            for (int i = 0; i < PixelBytesPerRow; ++i) {
                const auto value = static_cast<unsigned char>(bytes[start + i]);
                if (value != 0 && value != 255) {
                    QFAIL(qPrintable(
                        QStringLiteral("row %1 byte %2 is %3").arg(row).arg(i).arg(value)));
                }
            }
            QCOMPARE(bytes[start + PixelBytesPerRow], '\0');
        }
    }

    void allFiftyTwoPicturesDiffer() {
        QSet<QByteArray> pictures;
        for (int index = 1; index <= 52; ++index) {
            pictures.insert(readFile(cardFile(index)));
        }
        QCOMPARE(pictures.size(), 52);
    }

    void generatorReproducesThePicture_data() { addCardRows(); }
    void generatorReproducesThePicture() {
        QFETCH(int, index);
        const auto card = static_cast<CardIndex>(index);
        const QImage face =
            cardart::drawCardFace(static_cast<cardart::Suit>(SuitOf(card)), RankOf(card));
        QVERIFY(cardart::bmpFile(face) == readFile(cardFile(index)));
        // The web page's copy: the same pixels, opaque.
        const QByteArray png = readFile(cardFile(index, QStringLiteral("png")));
        QVERIFY(cardart::pngFile(face) == png);
        const QImage stored = QImage::fromData(png, "png");
        QVERIFY(!stored.hasAlphaChannel());
        QVERIFY(stored.convertToFormat(QImage::Format_RGB32) ==
                QImage::fromData(readFile(cardFile(index)), "bmp")
                    .convertToFormat(QImage::Format_RGB32));
    }

    void iconIsThirtyTwoSquareOpaqueGreys() {
        const QImage icon(Root + QStringLiteral("/assets/icon.png"));
        QCOMPARE(icon.size(), QSize(32, 32));
        QVERIFY(!icon.hasAlphaChannel());
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                const QRgb pixel = icon.pixel(x, y);
                QVERIFY2(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel),
                         qPrintable(QStringLiteral("(%1, %2) is not grey").arg(x).arg(y)));
            }
        }
        // The large spade's body is dark, the face around it white, and the
        // corner index turns up at both corners.
        QVERIFY(qGray(icon.pixel(16, 16)) < 0x40);
        QCOMPARE(qGray(icon.pixel(12, 4)), 0xff);
        QCOMPARE(qGray(icon.pixel(5, 3)), qGray(icon.pixel(26, 28)));
        QVERIFY(qGray(icon.pixel(5, 3)) < 0x40);
    }

    void iconFileHoldsTheSamePictureAtTwentyFourBits() {
        const QByteArray ico = readFile(QStringLiteral("assets/icon.ico"));
        QCOMPARE(ico.size(), IconFileSize);
        const auto byte = [&](int offset) { return static_cast<unsigned char>(ico[offset]); };
        QCOMPARE(byte(2), 1);                                  // type: icon
        QCOMPARE(byte(4), 1);                                  // one picture
        QCOMPARE(byte(6), 32);                                 // width
        QCOMPARE(byte(7), 32);                                 // height
        QCOMPARE(byte(12), 24);                                // bits per pixel
        QCOMPARE(byte(14) | byte(15) << 8, IconFileSize - 22); // picture size
        QCOMPARE(byte(18), 22);                                // the picture follows the directory
        QCOMPARE(byte(22 + 8), 64);                            // colours and mask stacked
        const QImage png(Root + QStringLiteral("/assets/icon.png"));
        constexpr int PixelStart = 22 + 40;
        for (int y = 0; y < 32; ++y) {
            const int row = PixelStart + (31 - y) * 32 * 3;
            for (int x = 0; x < 32; ++x) {
                QCOMPARE(byte(row + 3 * x + 2), qRed(png.pixel(x, y)));
            }
        }
        QCOMPARE(ico.mid(PixelStart + 32 * 32 * 3), QByteArray(qsizetype{32} * 4, '\0'));
    }

    void generatorReproducesTheIcons_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("maskable");
        QTest::newRow("icon.png") << QStringLiteral("assets/icon.png") << 32 << false;
        for (int size : {32, 48, 64, 128, 256}) {
            const QString file = QStringLiteral("assets/icons/hicolor-%1.png").arg(size);
            QTest::newRow(qPrintable(file)) << file << size << false;
        }
        for (int size : {180, 192, 512}) {
            const QString file = QStringLiteral("assets/icons/web-%1.png").arg(size);
            QTest::newRow(qPrintable(file)) << file << size << false;
        }
        QTest::newRow("web-maskable-512.png")
            << QStringLiteral("assets/icons/web-maskable-512.png") << 512 << true;
    }
    void generatorReproducesTheIcons() {
        QFETCH(QString, file);
        QFETCH(int, size);
        QFETCH(bool, maskable);
        const QImage stored(Root + QLatin1Char('/') + file);
        QCOMPARE(stored.size(), QSize(size, size));
        const QImage drawn = maskable ? cardart::drawMaskableIcon(size) : cardart::drawIcon(size);
        QVERIFY(stored.convertToFormat(QImage::Format_RGB888) == drawn);
        if (maskable) {
            // The corners, which a home screen may cut away, hold no part of the card.
            QCOMPARE(drawn.pixelColor(size / 8, size / 8), drawn.pixelColor(0, 0));
        }
    }

    void generatorReproducesTheIconFile() {
        QVERIFY(cardart::icoFile(cardart::drawIcon(cardart::IconSize)) ==
                readFile(QStringLiteral("assets/icon.ico")));
    }
};

QTEST_GUILESS_MAIN(TestCardFiles)
#include "test_card_files.moc"
