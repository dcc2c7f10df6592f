#pragma once

#include "design/units.h"
#include "platform/readable_lines.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <span>

// Palette number 0..15 to its colour.
QRgb QBColor(int number);

// A drawing surface that keeps what is drawn on it: every drawing operation
// paints into a retained image, and a repaint only copies that image.
// The image covers the area inside the 3-D border in device pixels, so the
// drawing stays sharp on scaled screens. Until a scale is set, the user
// coordinates are twips.
class PictureBox final : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Like Cls, setting the back colour wipes the drawing.
    void setBackColor(const QColor& colour);

    void setUserScale(const UserScale& scale);
    UserScale userScale() const;

    // Line between two points, and from the current position; both leave
    // the current position at (x2, y2).
    void Line(float x1, float y1, float x2, float y2, int colour);
    void Line(float x2, float y2, int colour);
    // Lines from each point to the next, exactly as Line would draw them one
    // by one, with one painter: a figure of thousands of lines stays quick.
    // Leaves the current position at the last point.
    void Polyline(std::span<const QPointF> points, int colour);
    void PSet(float x, float y, int colour);
    // Draws the text with its top-left corner at the current position, then
    // moves to the left edge one text line lower. Never wraps.
    void Print(const QString& text);
    void Print();
    // Fills with the back colour; the current position goes to the top-left corner.
    void Cls();

    float CurrentX = 0.0f;
    float CurrentY = 0.0f;

    // The one mapping from user coordinates to the image's device pixels:
    // the pixel whose area contains the point.
    QPoint devicePixel(float x, float y) const;
    // The area inside the border, in device-independent pixels.
    QSize innerSize() const { return contentsRect().size(); }
    // The height of one printed line in the surface's font, in user units.
    float textLineHeight() const;

    const QImage& image();

    // Keeps one painter on the image while it lives, so that the drawing
    // operations in between (a figure's thousands of steps) need not each
    // start their own; they draw exactly what they draw one by one. Cls and
    // the back colour wait until it has gone.
    class Batch {
    public:
        explicit Batch(PictureBox& box);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        PictureBox& m_box;
    };

    // What is printed, as text a screen reader reads. The surface then takes
    // the focus, and the arrow keys move the text's caret from line to line.
    void setReadableLines(const QStringList& lines);
    const ReadableLines& readableLines() const { return m_readableLines; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ensureImage();
    // Runs a drawing operation with the batch's painter, or with a painter
    // of its own.
    template <typename Draw> void paint(Draw draw);
    QSize imageSizeFor(qreal ratio) const;
    int penWidth() const;
    // The device pixels per logical pixel that the drawing maps to.
    qreal ratio() const;
    // Asks for a repaint after a drawing operation, or at the batch's end.
    void drawn();

    QImage m_image;
    std::unique_ptr<QPainter> m_batch;
    QColor m_backColor;
    QColor m_foreColor;
    std::optional<UserScale> m_scale;
    ReadableLines m_readableLines;
};
