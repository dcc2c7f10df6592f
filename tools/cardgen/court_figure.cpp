#include "tools/cardgen/court_figure.h"

#include <QPainter>
#include <QPolygon>
#include <array>
#include <initializer_list>
#include <string_view>

namespace cardart {
namespace {

// Pixel-exact drawing on the half panel: every call sets whole pixels in one
// of the eight colours, outlines one pixel wide in black.
class Sketch {
public:
    explicit Sketch(QImage& canvas) : m_painter(&canvas) {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
    }

    void fill(int x, int y, int width, int height, QRgb colour) {
        m_painter.fillRect(x, y, width, height, QColor::fromRgb(colour));
    }
    void dot(int x, int y, QRgb colour) { fill(x, y, 1, 1, colour); }
    // A filled rectangle with a black border.
    void box(int x, int y, int width, int height, QRgb colour) {
        fill(x, y, width, height, Black);
        fill(x + 1, y + 1, width - 2, height - 2, colour);
    }
    void line(int x1, int y1, int x2, int y2, QRgb colour) {
        m_painter.setPen(QPen(QColor::fromRgb(colour), 1));
        m_painter.drawLine(x1, y1, x2, y2);
    }
    // A filled polygon with a black outline.
    void shape(std::initializer_list<QPoint> points, QRgb colour) {
        const QPolygon polygon{QList<QPoint>(points)};
        m_painter.setPen(QPen(QColor::fromRgb(Black), 1));
        m_painter.setBrush(QColor::fromRgb(colour));
        m_painter.drawPolygon(polygon);
        m_painter.setBrush(Qt::NoBrush);
    }
    // Pixel art: one string a row, '.' leaves the pixel as it is.
    template <std::size_t Rows>
    void art(int left, int top, const std::array<std::string_view, Rows>& rows) {
        for (std::size_t y = 0; y < Rows; ++y) {
            for (std::size_t x = 0; x < rows[y].size(); ++x) {
                const char key = rows[y][x];
                if (key != '.') {
                    dot(left + static_cast<int>(x), top + static_cast<int>(y), colourOf(key));
                }
            }
        }
    }

private:
    static QRgb colourOf(char key) {
        switch (key) {
        case 'k':
            return Black;
        case 'r':
            return Red;
        case 'y':
            return Yellow;
        case 'b':
            return Blue;
        case 'c':
            return Cyan;
        case 'm':
            return Magenta;
        case 'g':
            return Green;
        default:
            return White;
        }
    }

    QPainter m_painter;
};

// The heads, 15 pixels wide, face in white with black features.
constexpr std::array<std::string_view, 18> KingHead{
    "...k...k...k...", // crown
    "..kyk.kbk.kyk..", "..kyykkykkyyk..", "..kyyyyyyyyyk..", "..kryykgkyyrk..", "..kkkkkkkkkkk..",
    ".kywwwwwwwwwyk.", // face with hair at the sides
    ".kywkkwwwkkwyk.", ".kywwwwwwwwwyk.", ".kywwkwwwkwwyk.", ".kywwwwkwwwwyk.", ".kywwwwkwwwwyk.",
    ".kyykkkkkkkyyk.", // moustache, then the beard
    ".kyyyyrrryyyyk.", "..kyyyyyyyyyk..", "...kyyyyyyyk...", "....kyyyyyk....", ".....kkkkk.....",
};

constexpr std::array<std::string_view, 19> QueenHead{
    ".......k.......", // tiara
    "......kmk......", "....k.kyk.k....", "...kbkyyykbk...", "..kyyyyyyyyyk..",
    ".kyykkkkkkkyyk.", // hair round the face
    ".kykwwwwwwwkyk.", "kyykwkkwkkwkyyk", "kyykwwwwwwwkyyk", "kyykwkwwwkwkyyk",
    "kyykwwwkwwwkyyk", "kyykwwwkwwwkyyk", "kyykwwwwwwwkyyk", "kyykwwrrrwwkyyk",
    "kyyykwwwwwkyyyk", "kyyyykkkkkyyyyk", // long hair onto the shoulders
    "kyyyk.....kyyyk", "kyyk.......kyyk", "kkk.........kkk",
};

constexpr std::array<std::string_view, 17> JackHead{
    "........kgk....", // cap with a feather
    ".....kkkkgk....", "....krrrrkgk...", "...krrrrrrkk...", "..krrrrrrrrrk..", ".kyyyyyyyyyyyk.",
    ".kkkkkkkkkkkkk.", ".kykwwwwwwwkyk.", // short curls
    ".kykwkkwkkwkyk.", ".kykwwwwwwwkyk.", ".kykwkwwwkwkyk.", ".kykwwwkwwwkyk.", ".kykwwwkwwwkyk.",
    ".kyykwwwwwkyyk.", "..kykwrrrwkyk..", "...kkwwwwwkk...", ".....kkkkk.....",
};

constexpr int HeadLeft = 12;
constexpr int HeadCentre = HeadLeft + 7;
constexpr int ShoulderTop = 19;
constexpr int Bottom = CourtHalfSize.height() - 1;
constexpr int HandX = 6;
constexpr int HandY = 24;

struct Robe {
    QRgb cloth;
    QRgb band;
    QRgb pattern;
    QRgb trim;
};

// Each suit dresses its three figures alike, so the suit shows in the clothes
// and in what the figure holds; the rank shows in the head and the collar.
Robe robeOf(Suit suit) {
    switch (suit) {
    case Suit::Spades:
        return {Red, Yellow, Black, Yellow};
    case Suit::Clubs:
        return {Yellow, Red, Black, Red};
    case Suit::Hearts:
        return {Yellow, Red, Yellow, Black};
    case Suit::Diamonds:
        return {Red, Black, Yellow, Yellow};
    }
    return {};
}

bool patternInk(Suit suit, int u, int v) {
    switch (suit) {
    case Suit::Spades: // stripes
        return v % 3 == 0;
    case Suit::Clubs: // checks
        return (u / 2 + v / 2) % 2 == 0;
    case Suit::Hearts: // dots
        return u % 3 == 1 && v % 3 == 1;
    case Suit::Diamonds: // a lattice of small diamonds
        return (u + v) % 4 == 0 || (u - v + 64) % 4 == 0;
    }
    return false;
}

void drawRobe(Sketch& s, Suit suit, int rank) {
    const Robe robe = robeOf(suit);
    s.shape({{3, Bottom + 1},
             {3, ShoulderTop + 6},
             {8, ShoulderTop},
             {30, ShoulderTop},
             {35, ShoulderTop + 6},
             {35, Bottom + 1}},
            robe.cloth);
    // The front panel of the robe carries the suit's pattern.
    constexpr int BandLeft = HeadCentre - 4;
    constexpr int BandWidth = 9;
    s.box(BandLeft - 1, ShoulderTop, BandWidth + 2, Bottom - ShoulderTop + 2, robe.band);
    for (int y = ShoulderTop + 1; y <= Bottom; ++y) {
        for (int x = BandLeft; x < BandLeft + BandWidth; ++x) {
            if (patternInk(suit, x - BandLeft, y - ShoulderTop)) {
                s.dot(x, y, robe.pattern);
            }
        }
    }
    // Trim down both sides of the panel and along the shoulder seams.
    s.line(BandLeft - 2, ShoulderTop + 1, BandLeft - 2, Bottom, robe.trim);
    s.line(BandLeft + BandWidth + 1, ShoulderTop + 1, BandLeft + BandWidth + 1, Bottom, robe.trim);
    // The arm that holds the emblem, and the other arm hanging at the side.
    s.shape({{8, ShoulderTop + 1}, {4, HandY + 1}, {8, HandY + 4}, {12, ShoulderTop + 5}},
            robe.cloth);
    s.box(HandX - 1, HandY - 1, 5, 4, White);
    s.shape({{30, ShoulderTop + 1}, {34, Bottom - 6}, {31, Bottom - 3}, {27, ShoulderTop + 6}},
            robe.cloth);
    s.line(28, ShoulderTop + 7, 31, Bottom - 4, robe.trim);
    s.box(31, Bottom - 5, 5, 4, White);
    switch (rank) {
    case King: // ermine collar
        s.box(HeadLeft - 1, ShoulderTop - 1, 17, 4, White);
        for (int x = HeadLeft + 1; x < HeadLeft + 16; x += 3) {
            s.dot(x, ShoulderTop + 1, Black);
        }
        break;
    case Queen: // a necklace with a blue jewel
        s.line(HeadLeft + 3, ShoulderTop, HeadCentre, ShoulderTop + 4, Yellow);
        s.line(HeadCentre, ShoulderTop + 4, HeadLeft + 11, ShoulderTop, Yellow);
        s.box(HeadCentre - 1, ShoulderTop + 4, 3, 3, Blue);
        break;
    default: // a plain collar
        s.box(HeadLeft + 2, ShoulderTop - 1, 11, 3, Cyan);
        break;
    }
}

void drawHead(Sketch& s, int rank) {
    switch (rank) {
    case King:
        s.art(HeadLeft, 1, KingHead);
        break;
    case Queen:
        s.art(HeadLeft, 0, QueenHead);
        break;
    default:
        s.art(HeadLeft, 2, JackHead);
        break;
    }
}

// What the figure holds, upright in its hand at the side away from the pip.
void drawEmblem(Sketch& s, Suit suit) {
    constexpr int Shaft = HandX + 1;
    switch (suit) {
    case Suit::Spades: // a sword
        s.shape({{Shaft - 1, HandY - 3},
                 {Shaft - 1, 3},
                 {Shaft, 1},
                 {Shaft + 1, 3},
                 {Shaft + 1, HandY - 3}},
                Cyan);
        s.box(Shaft - 3, HandY - 4, 7, 3, Yellow);
        s.box(Shaft - 1, HandY + 3, 3, 4, Yellow);
        break;
    case Suit::Clubs: // a sceptre
        s.box(Shaft - 1, 6, 3, Bottom - 5, Yellow);
        s.box(Shaft - 3, 1, 7, 6, Magenta);
        s.dot(Shaft, 0, Black);
        s.line(Shaft - 1, 3, Shaft + 1, 3, Yellow);
        break;
    case Suit::Hearts: // a flower
        s.line(Shaft, 7, Shaft, HandY - 1, Green);
        s.line(Shaft, 15, Shaft - 3, 12, Green);
        s.line(Shaft, 19, Shaft + 3, 16, Green);
        s.box(Shaft - 3, 2, 7, 5, Red);
        s.box(Shaft - 1, 0, 3, 9, Red);
        s.dot(Shaft, 4, Yellow);
        break;
    case Suit::Diamonds: // a battle axe
        s.box(Shaft - 1, 1, 3, Bottom, Yellow);
        s.shape({{Shaft - 1, 3}, {Shaft - 5, 1}, {Shaft - 5, 11}, {Shaft - 1, 9}}, Cyan);
        s.dot(Shaft, 0, Black);
        break;
    }
}

} // namespace

QImage drawCourtHalf(Suit suit, int rank) {
    QImage half(CourtHalfSize, QImage::Format_RGB32);
    half.fill(White);
    {
        Sketch s(half);
        drawRobe(s, suit, rank);
        drawEmblem(s, suit);
        drawHead(s, rank);
    }
    return pipAtLeft(rank) ? half.mirrored(true, false) : half;
}

} // namespace cardart
