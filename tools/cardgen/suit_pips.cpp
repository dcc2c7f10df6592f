#include "tools/cardgen/suit_pips.h"

#include <QPainter>
#include <QPolygonF>
#include <QTransform>
#include <array>
#include <string_view>

namespace cardart {
namespace {

QPainterPath circle(double x, double y, double radius) {
    QPainterPath path;
    path.addEllipse(QPointF(x, y), radius, radius);
    return path;
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath heart() {
    QPainterPath path;
    path.moveTo(0, -0.55);
    path.cubicTo(0.2, -1.05, 1.0, -1.05, 1.0, -0.4);
    path.cubicTo(1.0, 0.1, 0.4, 0.45, 0, 1);
    path.cubicTo(-0.4, 0.45, -1.0, 0.1, -1.0, -0.4);
    path.cubicTo(-1.0, -1.05, -0.2, -1.05, 0, -0.55);
    path.closeSubpath();
    return path;
}

QPainterPath spade() {
    QPainterPath path;
    path.moveTo(0, -1);
    path.cubicTo(0.3, -0.55, 1.0, -0.35, 1.0, 0.2);
    path.cubicTo(1.0, 0.7, 0.35, 0.75, 0.1, 0.4);
    path.quadTo(0.15, 0.85, 0.42, 1);
    path.lineTo(-0.42, 1);
    path.quadTo(-0.15, 0.85, -0.1, 0.4);
    path.cubicTo(-0.35, 0.75, -1.0, 0.7, -1.0, 0.2);
    path.cubicTo(-1.0, -0.35, -0.3, -0.55, 0, -1);
    path.closeSubpath();
    return path;
}

QPainterPath stem() {
    QPainterPath path;
    path.moveTo(0.08, 0.05);
    path.quadTo(0.12, 0.85, 0.42, 1);
    path.lineTo(-0.42, 1);
    path.quadTo(-0.12, 0.85, -0.08, 0.05);
    path.closeSubpath();
    return path;
}

QPainterPath club() {
    constexpr double Leaf = 0.45;
    return circle(0, -0.53, Leaf)
        .united(circle(-0.53, 0.1, Leaf))
        .united(circle(0.53, 0.1, Leaf))
        .united(polygon({{0, -0.4}, {0.35, 0.2}, {-0.35, 0.2}}))
        .united(stem());
}

QPainterPath diamond() {
    return polygon({{0, -1}, {1, 0}, {0, 1}, {-1, 0}});
}

// Ors each pixel with its mirror image so the symbol is exactly symmetric.
void makeSymmetric(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width() / 2; ++x) {
            const int mirror = image.width() - 1 - x;
            const QRgb ink =
                qAlpha(image.pixel(x, y)) != 0 ? image.pixel(x, y) : image.pixel(mirror, y);
            image.setPixel(x, y, ink);
            image.setPixel(mirror, y, ink);
        }
    }
}

} // namespace

QPainterPath suitShape(Suit suit) {
    switch (suit) {
    case Suit::Spades:
        return spade();
    case Suit::Clubs:
        return club();
    case Suit::Hearts:
        return heart();
    case Suit::Diamonds:
        return diamond();
    }
    return {};
}

QImage suitPip(Suit suit, QSize size, QRgb colour) {
    QImage pip(size, QImage::Format_ARGB32);
    pip.fill(Qt::transparent);
    QPainter painter(&pip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QTransform toPixels;
    toPixels.scale(size.width() / 2.0, size.height() / 2.0);
    toPixels.translate(1, 1);
    painter.fillPath(toPixels.map(suitShape(suit)), QColor::fromRgb(colour));
    painter.end();
    makeSymmetric(pip);
    return pip;
}

QImage suitPip(Suit suit, QSize size) {
    return suitPip(suit, size, suitColour(suit));
}

QImage smallSuitPip(Suit suit) {
    using Rows = std::array<std::string_view, SmallPipSize.height()>;
    static constexpr std::array<Rows, SuitCount> Pips{{
        {"...#...", "..###..", ".#####.", "#######", "##.#.##", "...#...", "..###.."},
        {"..###..", "..###..", "##.#.##", "#######", "##.#.##", "...#...", "..###.."},
        {".##.##.", "#######", "#######", "#######", ".#####.", "..###..", "...#..."},
        {"...#...", "..###..", ".#####.", "#######", ".#####.", "..###..", "...#..."},
    }};
    const Rows& rows = Pips.at(static_cast<std::size_t>(suit));
    QImage pip(SmallPipSize, QImage::Format_ARGB32);
    pip.fill(Qt::transparent);
    for (int y = 0; y < SmallPipSize.height(); ++y) {
        for (int x = 0; x < SmallPipSize.width(); ++x) {
            if (rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '#') {
                pip.setPixel(x, y, suitColour(suit));
            }
        }
    }
    return pip;
}

} // namespace cardart
