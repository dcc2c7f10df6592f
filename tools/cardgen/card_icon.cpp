#include "tools/cardgen/card_icon.h"

#include "tools/cardgen/card_art.h"
#include "tools/cardgen/suit_pips.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>
#include <array>
#include <cmath>
#include <string_view>

namespace cardart {
namespace {

constexpr QColor Ink{0x20, 0x20, 0x20};
constexpr QColor Edge{0x80, 0x80, 0x80};
constexpr QColor Sheen{0xb0, 0xb0, 0xb0};
// A card table's green, behind the cards.
constexpr QColor Felt{0x20, 0x70, 0x40};

// The shapes are laid out on a 32-unit square and scaled to the icon size.
constexpr double Units = 32.0;

void fillSpade(QPainter& painter, const QRectF& box, const QColor& colour) {
    QTransform place;
    place.translate(box.center().x(), box.center().y());
    place.scale(box.width() / 2, box.height() / 2);
    painter.fillPath(place.map(suitShape(Suit::Spades)), colour);
}

// The letter A over a small spade, in the top-left corner.
void drawCornerIndex(QPainter& painter) {
    QPainterPath letter;
    letter.moveTo(2.6, 8.6);
    letter.lineTo(4.75, 2.4);
    letter.lineTo(6.9, 8.6);
    letter.moveTo(3.5, 6.4);
    letter.lineTo(6.0, 6.4);
    painter.strokePath(letter, QPen(Ink, 1.3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    fillSpade(painter, QRectF(2.75, 9.6, 4.0, 4.6), Ink);
}

// Both corner indices, and an inner line in the large spade as on the card.
void drawScaledDetails(QPainter& painter) {
    for (int turn : {0, 180}) {
        painter.save();
        painter.translate(Units / 2, Units / 2);
        painter.rotate(turn);
        painter.translate(-Units / 2, -Units / 2);
        drawCornerIndex(painter);
        painter.restore();
    }
    QTransform inner;
    inner.translate(16.0, 15.6);
    inner.scale(5.6, 6.4);
    painter.strokePath(inner.map(suitShape(Suit::Spades)), QPen(Sheen, 0.9));
}

// Below this size a scaled letter blurs; the index is set pixel by pixel.
constexpr int CrispIndexBelow = 64;
constexpr int CrispIndexLeft = 3;
constexpr int CrispIndexTop = 3;

// The letter A over a small spade, one string a pixel row.
constexpr std::array<std::string_view, 14> CrispIndex{
    "..#..", ".#.#.", "#...#", "#...#", "#####", "#...#", "#...#",
    ".....", "..#..", ".###.", "#####", "#####", "..#..", ".###.",
};

void drawCrispIndex(QImage& icon) {
    const int last = icon.width() - 1;
    for (int y = 0; y < static_cast<int>(CrispIndex.size()); ++y) {
        for (int x = 0; x < static_cast<int>(CrispIndex[0].size()); ++x) {
            if (CrispIndex[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') {
                icon.setPixel(CrispIndexLeft + x, CrispIndexTop + y, Ink.rgb());
                icon.setPixel(last - CrispIndexLeft - x, last - CrispIndexTop - y, Ink.rgb());
            }
        }
    }
}

} // namespace

QImage drawIcon(int size) {
    QImage icon(size, size, QImage::Format_RGB32);
    icon.fill(Qt::white);
    const bool crisp = size < CrispIndexBelow;
    {
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.scale(size / Units, size / Units);
        painter.setPen(QPen(Edge, 1.0));
        painter.drawRect(QRectF(0.5, 0.5, Units - 1, Units - 1));
        fillSpade(painter, QRectF(8.5, 7.0, 15.0, 18.0), Ink);
        if (!crisp) {
            drawScaledDetails(painter);
        }
    }
    if (crisp) {
        drawCrispIndex(icon);
    }
    return icon.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB888);
}

QImage drawMaskableIcon(int size) {
    // A square fits the safe circle with its corners on it: side d / sqrt 2.
    constexpr double SafeDiameter = 0.8;
    const int inner = static_cast<int>(size * SafeDiameter / std::sqrt(2.0)) & ~1;
    QImage icon(size, size, QImage::Format_RGB888);
    icon.fill(Felt);
    QPainter painter(&icon);
    const int at = (size - inner) / 2;
    painter.drawImage(QPoint(at, at), drawIcon(inner));
    return icon;
}

QImage drawContactSheet(const std::vector<QImage>& faces) {
    constexpr int Scale = 2;
    constexpr int Gap = 12;
    const int cellWidth = CardSize.width() * Scale + Gap;
    const int cellHeight = CardSize.height() * Scale + Gap;
    const int rows = (static_cast<int>(faces.size()) + RanksPerSuit - 1) / RanksPerSuit;
    QImage sheet(Gap + RanksPerSuit * cellWidth, Gap + rows * cellHeight, QImage::Format_RGB888);
    sheet.fill(Felt);
    QPainter painter(&sheet);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const int column = static_cast<int>(i) % RanksPerSuit;
        const int row = static_cast<int>(i) / RanksPerSuit;
        const QRect target(Gap + column * cellWidth, Gap + row * cellHeight,
                           CardSize.width() * Scale, CardSize.height() * Scale);
        painter.drawImage(target, faces[i]);
    }
    return sheet;
}

} // namespace cardart
