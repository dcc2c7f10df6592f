// The pictures the main window shows: picture i must depict the card whose
// rank RankOf(i) counts, in its suit's colour, and be embedded in the program.
#include "engine/deck.h"
#include "tests/support/folders.h"
#include "tests/support/form1_fixture.h"
#include "tests/support/suit_names.h"
#include "tools/cardgen/card_face.h"
#include "tools/cardgen/pixel_font.h"
#include "ui/main/card_pictures.h"

#include <QTest>
#include <array>

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;
constexpr QRgb Red = 0xffff0000;
constexpr int LastBlackCard = 26;
// The corner that holds nothing but the index letter; the small pip starts below.
constexpr QRect IndexLetterArea{0, 0, 13, cardart::IndexPipTop - 1};
const QSize PictureSize{69, 93};
const QSize ShownSize{73, 105};

QImage embeddedPicture(CardIndex card) {
    return CardPicture(card).toImage().convertToFormat(QImage::Format_RGB32);
}

// Whether the corner of `picture` shows `glyph` at its place, and nothing else,
// upright at the top left and turned at the bottom right.
QString cornerMismatch(const QImage& picture, int rank, QRgb colour) {
    const QImage glyph = cardart::rankGlyph(rank, colour);
    const QPoint at = cardart::indexGlyphPosition(rank);
    const QRect glyphArea(at, glyph.size());
    const int right = picture.width() - 1;
    const int bottom = picture.height() - 1;
    for (int y = IndexLetterArea.top(); y <= IndexLetterArea.bottom(); ++y) {
        for (int x = IndexLetterArea.left(); x <= IndexLetterArea.right(); ++x) {
            const bool ink =
                glyphArea.contains(x, y) && qAlpha(glyph.pixel(QPoint(x, y) - at)) != 0;
            const QRgb expected = ink ? colour : White;
            if (picture.pixel(x, y) != expected) {
                return QStringLiteral("upright index differs at (%1, %2)").arg(x).arg(y);
            }
            if (picture.pixel(right - x, bottom - y) != expected) {
                return QStringLiteral("turned index differs at (%1, %2)")
                    .arg(right - x)
                    .arg(bottom - y);
            }
        }
    }
    return {};
}

} // namespace

class TestCardPictures : public QObject {
    Q_OBJECT
private slots:
    void glyphsTellAllRanksApart() {
        for (int a = 1; a <= 13; ++a) {
            for (int b = a + 1; b <= 13; ++b) {
                QVERIFY2(cardart::rankGlyph(a, Black) != cardart::rankGlyph(b, Black),
                         qPrintable(QStringLiteral("ranks %1 and %2").arg(a).arg(b)));
            }
        }
    }

    void cornerShowsTheRankThatRankOfCounts_data() {
        QTest::addColumn<int>("index");
        for (int index = 1; index <= CardsInDeck; ++index) {
            QTest::addRow("%02d %s", index, SuitNameOf(index)) << index;
        }
    }
    void cornerShowsTheRankThatRankOfCounts() {
        QFETCH(int, index);
        const auto card = static_cast<CardIndex>(index);
        const QImage picture = embeddedPicture(card);
        QCOMPARE(picture.size(), PictureSize);
        const QString file =
            (QString::fromUtf8(ProjectSourceDir) + QStringLiteral("/assets/cards/%1.bmp"))
                .arg(index, 2, 10, QLatin1Char('0'));
        QVERIFY(picture == QImage(file).convertToFormat(QImage::Format_RGB32));
        const QRgb suitColour = index <= LastBlackCard ? Black : Red;
        const QString mismatch = cornerMismatch(picture, RankOf(card), suitColour);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    void courtCardsStandAtTheirIndices_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("rank");
        const std::array<const char*, 3> courtNames{"jack", "queen", "king"};
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = 11; rank <= 13; ++rank) {
                const int index = 13 * suit + rank;
                QTest::addRow("%d %s of %s", index, courtNames[static_cast<std::size_t>(rank - 11)],
                              SuitNames[static_cast<std::size_t>(suit)])
                    << index << rank;
            }
        }
    }
    void courtCardsStandAtTheirIndices() {
        QFETCH(int, index);
        QFETCH(int, rank);
        const auto card = static_cast<CardIndex>(index);
        QCOMPARE(RankOf(card), rank);
        const QImage picture = embeddedPicture(card);
        const QRgb suitColour = index <= LastBlackCard ? Black : Red;
        const QString mismatch = cornerMismatch(picture, rank, suitColour);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        // Only court cards carry the framed panel.
        QCOMPARE(picture.pixel(cardart::CourtPanel.topLeft()), Black);
        QCOMPARE(picture.pixel(cardart::CourtPanel.bottomRight()), Black);
    }

    void numberCardsHaveNoPanel() {
        for (CardIndex card : {1, 10, 23, 36, 49}) {
            QCOMPARE(embeddedPicture(card).pixel(cardart::CourtPanel.topLeft()), White);
        }
    }

    void windowShowsEachPictureStretchedToItsBox() {
        Form1Fixture f;
        for (CardIndex card : {1, 10, 12, 13, 26, 27, 52}) {
            f.generator.values = {ScriptedGenerator::ValueFor(card)};
            f.form->Command2_Click();
            f.form->Timer1_Tick();
            const QLabel& shown = f.form->cardPicture();
            QCOMPARE(shown.size(), ShownSize);
            QVERIFY(shown.hasScaledContents());
            const QImage picture = shown.pixmap().toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY(picture == embeddedPicture(card));
        }
    }
};

QTEST_MAIN(TestCardPictures)
#include "test_card_pictures.moc"
