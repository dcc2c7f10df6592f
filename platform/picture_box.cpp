#include "platform/picture_box.h"

#include "design/surface_layouts.h"
#include "platform/accessible_factory.h"
#include "platform/design_qt.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// The toolkit's default border: a sunken 3-D edge on each side.
constexpr int BorderWidth = TwipsToPixels(SurfaceBorderTwips);

// A surface is a figure to a screen reader until it has readable lines.
class PictureBoxAccessible final : public ReadableLinesAccessible {
public:
    explicit PictureBoxAccessible(PictureBox* box)
        : ReadableLinesAccessible(box, box->readableLines()) {}
};

} // namespace

QRgb QBColor(int number) {
    return ToQRgb(PaletteColours.at(static_cast<std::size_t>(number)));
}

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent), m_backColor(palette().color(QPalette::Button)),
      m_foreColor(palette().color(QPalette::WindowText)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(BorderWidth);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ensureImage();
    InstallAccessible<PictureBox, PictureBoxAccessible>();
}

void PictureBox::setReadableLines(const QStringList& lines) {
    m_readableLines.setLines(lines);
    setFocusPolicy(lines.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const int caret = m_readableLines.caretOffset();
    if (!m_readableLines.moveCaret(event->key())) {
        QFrame::keyPressEvent(event);
        return;
    }
    if (m_readableLines.caretOffset() != caret) {
        QAccessibleTextCursorEvent moved(this, m_readableLines.caretOffset());
        QAccessible::updateAccessibility(&moved);
    }
    event->accept();
}

void PictureBox::setBackColor(const QColor& colour) {
    m_backColor = colour;
    Cls();
}

void PictureBox::setUserScale(const UserScale& scale) {
    m_scale = scale;
    CurrentX = scale.ScaleLeft;
    CurrentY = scale.ScaleTop;
}

UserScale PictureBox::userScale() const {
    if (m_scale) {
        return *m_scale;
    }
    const QSize inner = innerSize();
    return {0.0f, 0.0f, static_cast<float>(inner.width() * TwipsPerPixel),
            static_cast<float>(inner.height() * TwipsPerPixel)};
}

QSize PictureBox::imageSizeFor(qreal ratio) const {
    const QSize inner = innerSize();
    return {qRound(inner.width() * ratio), qRound(inner.height() * ratio)};
}

QPoint PictureBox::devicePixel(float x, float y) const {
    const UserScale scale = userScale();
    const QSize size = imageSizeFor(ratio());
    const double px = (static_cast<double>(x) - scale.ScaleLeft) * size.width() / scale.ScaleWidth;
    const double py = (static_cast<double>(y) - scale.ScaleTop) * size.height() / scale.ScaleHeight;
    return {static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py))};
}

float PictureBox::textLineHeight() const {
    const UserScale scale = userScale();
    const int logicalHeight = innerSize().height();
    if (logicalHeight <= 0) {
        return 0.0f;
    }
    return static_cast<float>(static_cast<double>(QFontMetrics(font()).height()) *
                              scale.ScaleHeight / logicalHeight);
}

qreal PictureBox::ratio() const {
    // A batch's image has the screen's ratio already, and asking the screen
    // again for every step would cost more than drawing it.
    return m_batch != nullptr ? m_image.devicePixelRatio() : devicePixelRatioF();
}

void PictureBox::drawn() {
    if (m_batch == nullptr) {
        update();
    }
}

int PictureBox::penWidth() const {
    return std::max(1, qRound(ratio()));
}

void PictureBox::ensureImage() {
    const qreal ratio = devicePixelRatioF();
    const QSize size = imageSizeFor(ratio);
    if (m_image.size() == size && m_image.devicePixelRatio() == ratio) {
        return;
    }
    QImage image(size.expandedTo({1, 1}), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(m_backColor);
    if (!m_image.isNull()) {
        // Keep what was drawn when the size or the screen's scaling changes.
        QPainter painter(&image);
        painter.drawImage(QPointF(0, 0), m_image);
    }
    m_image = image;
}

const QImage& PictureBox::image() {
    if (m_batch == nullptr) {
        ensureImage();
    }
    return m_image;
}

PictureBox::Batch::Batch(PictureBox& box) : m_box(box) {
    Q_ASSERT(box.m_batch == nullptr);
    box.ensureImage();
    box.m_batch = std::make_unique<QPainter>(&box.m_image);
}

PictureBox::Batch::~Batch() {
    m_box.m_batch.reset();
    m_box.update();
}

template <typename Draw> void PictureBox::paint(Draw draw) {
    // Every operation sets each state of the painter that it draws with, so
    // what one leaves set never changes what the next one draws.
    if (m_batch != nullptr) {
        draw(*m_batch);
        return;
    }
    ensureImage();
    QPainter painter(&m_image);
    draw(painter);
}

void PictureBox::Line(float x1, float y1, float x2, float y2, int colour) {
    const QPointF ends[] = {{x1, y1}, {x2, y2}};
    Polyline(ends, colour);
}

void PictureBox::Polyline(std::span<const QPointF> points, int colour) {
    if (points.empty()) {
        return;
    }
    paint([&](QPainter& painter) {
        // Draw in device pixels so every point lands where devicePixel() puts it.
        const int width = penWidth();
        const qreal ratio = m_image.devicePixelRatio();
        // A pen of width w centred on pixel p covers p - w/2 onwards; shift it so
        // that a line, like a point, covers p to p + w - 1.
        QTransform toDevice = QTransform::fromScale(1 / ratio, 1 / ratio);
        const int shift = width / 2; // whole device pixels
        toDevice.translate(shift, shift);
        painter.setWorldTransform(toDevice);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(QColor::fromRgb(QBColor(colour)), width));
        QPoint from =
            devicePixel(static_cast<float>(points[0].x()), static_cast<float>(points[0].y()));
        for (const QPointF& point : points.subspan(1)) {
            const QPoint to =
                devicePixel(static_cast<float>(point.x()), static_cast<float>(point.y()));
            painter.drawLine(from, to);
            from = to;
        }
    });
    CurrentX = static_cast<float>(points.back().x());
    CurrentY = static_cast<float>(points.back().y());
    drawn();
}

void PictureBox::Line(float x2, float y2, int colour) {
    Line(CurrentX, CurrentY, x2, y2, colour);
}

void PictureBox::PSet(float x, float y, int colour) {
    const int width = penWidth();
    const QPoint pixel = devicePixel(x, y);
    paint([&](QPainter& painter) {
        const qreal ratio = m_image.devicePixelRatio();
        painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
        painter.fillRect(QRect(pixel, QSize(width, width)), QColor::fromRgb(QBColor(colour)));
    });
    CurrentX = x;
    CurrentY = y;
    drawn();
}

void PictureBox::Print(const QString& text) {
    paint([&](QPainter& painter) {
        painter.resetTransform();
        painter.setFont(font());
        painter.setPen(m_foreColor);
        const qreal ratio = m_image.devicePixelRatio();
        const QPointF topLeft = QPointF(devicePixel(CurrentX, CurrentY)) / ratio;
        painter.drawText(topLeft + QPointF(0, QFontMetricsF(font()).ascent()), text);
    });
    drawn();
    Print();
}

void PictureBox::Print() {
    CurrentX = userScale().ScaleLeft;
    CurrentY += textLineHeight();
}

void PictureBox::Cls() {
    Q_ASSERT(m_batch == nullptr);
    ensureImage();
    m_image.fill(m_backColor);
    const UserScale scale = userScale();
    CurrentX = scale.ScaleLeft;
    CurrentY = scale.ScaleTop;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), m_image);
}

void PictureBox::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    ensureImage();
}
