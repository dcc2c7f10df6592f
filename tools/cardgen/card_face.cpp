#include "tools/cardgen/card_face.h"

#include "tools/cardgen/court_figure.h"
#include "tools/cardgen/pixel_font.h"
#include "tools/cardgen/suit_pips.h"

#include <QPainter>
#include <vector>

namespace cardart {
namespace {

constexpr int CentreX = CardSize.width() / 2;
constexpr int CentreY = CardSize.height() / 2;

// Pip columns and rows of the number cards, placed as on a printed deck.
constexpr int LeftColumn = CentreX - 13;
constexpr int RightColumn = CentreX + 13;
constexpr int TopRow = CentreY - 31;
constexpr int BottomRow = CentreY + 31;
constexpr int UpperThird = CentreY - 10;
constexpr int LowerThird = CentreY + 10;
constexpr int UpperQuarter = CentreY - 16;
constexpr int LowerQuarter = CentreY + 16;
constexpr int UpperSixth = CentreY - 21;
constexpr int LowerSixth = CentreY + 21;

constexpr int PipHeight = 13;
constexpr int AcePipHeight = 25;
constexpr QSize AceOfSpadesSize{39, 45};
constexpr int CourtPipMargin = 2;
constexpr QSize CourtPipSize{9, 11};

// Diamonds are narrower than the other suits' symbols.
QSize pipSize(Suit suit, int height) {
    const int width = suit == Suit::Diamonds ? height * 2 / 3 : height * 5 / 6;
    return {width | 1, height};
}

std::vector<QPoint> pipCentres(int rank) {
    const auto sides = [](std::initializer_list<int> rows) {
        std::vector<QPoint> centres;
        for (int row : rows) {
            centres.emplace_back(LeftColumn, row);
            centres.emplace_back(RightColumn, row);
        }
        return centres;
    };
    const auto with = [](std::vector<QPoint> centres, std::initializer_list<int> middleRows) {
        for (int row : middleRows) {
            centres.emplace_back(CentreX, row);
        }
        return centres;
    };
    switch (rank) {
    case 2:
        return with({}, {TopRow, BottomRow});
    case 3:
        return with({}, {TopRow, CentreY, BottomRow});
    case 4:
        return sides({TopRow, BottomRow});
    case 5:
        return with(sides({TopRow, BottomRow}), {CentreY});
    case 6:
        return sides({TopRow, CentreY, BottomRow});
    case 7:
        return with(sides({TopRow, CentreY, BottomRow}), {UpperQuarter});
    case 8:
        return with(sides({TopRow, CentreY, BottomRow}), {UpperQuarter, LowerQuarter});
    case 9:
        return with(sides({TopRow, UpperThird, LowerThird, BottomRow}), {CentreY});
    case 10:
        return with(sides({TopRow, UpperThird, LowerThird, BottomRow}), {UpperSixth, LowerSixth});
    default:
        return {};
    }
}

// Draws `sprite` centred on `centre`; below the middle of the card it is turned.
void placeSprite(QPainter& painter, const QImage& sprite, QPoint centre) {
    const QImage drawn = centre.y() > CentreY ? sprite.mirrored(true, true) : sprite;
    painter.drawImage(centre - QPoint(sprite.width() / 2, sprite.height() / 2), drawn);
}

void drawCornerIndices(QImage& face, Suit suit, int rank) {
    QImage corner(CardSize, QImage::Format_ARGB32);
    corner.fill(Qt::transparent);
    {
        QPainter painter(&corner);
        painter.drawImage(indexGlyphPosition(rank), rankGlyph(rank, suitColour(suit)));
        painter.drawImage(QPoint(IndexCentreX - SmallPipSize.width() / 2, IndexPipTop),
                          smallSuitPip(suit));
    }
    QPainter painter(&face);
    painter.drawImage(0, 0, corner);
    painter.drawImage(0, 0, corner.mirrored(true, true));
}

void drawNumberPips(QPainter& painter, Suit suit, int rank) {
    const QImage pip = suitPip(suit, pipSize(suit, PipHeight));
    for (QPoint centre : pipCentres(rank)) {
        placeSprite(painter, pip, centre);
    }
}

// The ace of spades' large spade: a black spade edged inside with a white line
// and a small spade, white with a black heart, in its middle.
void drawAceOfSpades(QPainter& painter) {
    const QPoint centre(CentreX, CentreY);
    const auto spade = [&](QSize size, QRgb colour, int lift) {
        placeSprite(painter, suitPip(Suit::Spades, size, colour), centre - QPoint(0, lift));
    };
    spade(AceOfSpadesSize, Black, 0);
    spade({31, 35}, White, 2);
    spade({27, 31}, Black, 2);
    spade({13, 15}, White, 4);
    spade({5, 7}, Black, 5);
}

void drawCourt(QImage& face, Suit suit, int rank) {
    QImage half = drawCourtHalf(suit, rank);
    {
        QPainter painter(&half);
        const int pipX =
            pipAtLeft(rank) ? CourtPipMargin : half.width() - CourtPipMargin - CourtPipSize.width();
        painter.drawImage(pipX, CourtPipMargin, suitPip(suit, CourtPipSize));
    }
    QPainter painter(&face);
    const QRect inside = CourtPanel.adjusted(1, 1, -1, -1);
    painter.fillRect(CourtPanel, QColor::fromRgb(Black));
    painter.fillRect(inside, QColor::fromRgb(White));
    painter.drawImage(inside.topLeft(), half);
    // The two ends of the figure meet at a line across the middle.
    painter.fillRect(inside.left(), CentreY, inside.width(), 1, QColor::fromRgb(Black));
    painter.drawImage(inside.left(), inside.bottom() + 1 - half.height(),
                      half.mirrored(true, true));
}

} // namespace

QPoint indexGlyphPosition(int rank) {
    const int width = rankGlyph(rank, Black).width();
    return {IndexCentreX - width / 2, IndexGlyphTop};
}

QImage drawCardFace(Suit suit, int rank) {
    QImage face(CardSize, QImage::Format_RGB32);
    face.fill(White);
    drawCornerIndices(face, suit, rank);
    if (rank >= Jack) {
        drawCourt(face, suit, rank);
        return face;
    }
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (rank == Ace && suit == Suit::Spades) {
        drawAceOfSpades(painter);
    } else if (rank == Ace) {
        placeSprite(painter, suitPip(suit, pipSize(suit, AcePipHeight)), {CentreX, CentreY});
    } else {
        drawNumberPips(painter, suit, rank);
    }
    return face;
}

} // namespace cardart
