#include "platform/picture_box.h"

#include "design/surface_layouts.h"
#include "platform/accessible_factory.h"
#include "platform/design_qt.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// The toolkit's default border: a sunken 3-D edge on each side.
constexpr int BorderWidth = TwipsToPixels(SurfaceBorderTwips);

// What a screen reader sees of a surface: a figure, named and described, or
// where the surface has readable lines, a read-only text of them.
class PictureBoxAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit PictureBoxAccessible(PictureBox* box) : QAccessibleWidget(box) {}

    // Asked each time: the lines may come after a screen reader first met the box.
    QAccessible::Role role() const override {
        return box()->isReadable() ? QAccessible::EditableText : QAccessible::Graphic;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && box()->isReadable()) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (box()->isReadable()) {
            state.readOnly = true;
            state.multiLine = true;
        }
        return state;
    }

    // Read-only: no selection, the caret at a line's start.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return box()->caretOffset(); }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override {
        return box()->readableText().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(box()->readableText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    // The text has no attributes of its own: one run over all of it, which a
    // screen reader takes as one, and so reads each line whole.
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    const PictureBox* box() const { return static_cast<const PictureBox*>(widget()); }
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
    m_readableLines = lines;
    m_caretLine = 0;
    setFocusPolicy(lines.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
}

int PictureBox::caretOffset() const {
    qsizetype offset = 0;
    for (qsizetype line = 0; line < m_caretLine; ++line) {
        offset += m_readableLines.at(line).size() + 1;
    }
    return static_cast<int>(offset);
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    const qsizetype last = m_readableLines.size() - 1;
    qsizetype line = m_caretLine;
    switch (event->key()) {
    case Qt::Key_Up:
        line = std::max<qsizetype>(0, line - 1);
        break;
    case Qt::Key_Down:
        line = std::min(last, line + 1);
        break;
    case Qt::Key_Home:
    case Qt::Key_PageUp:
        line = 0;
        break;
    case Qt::Key_End:
    case Qt::Key_PageDown:
        line = last;
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    if (!isReadable()) {
        QFrame::keyPressEvent(event);
        return;
    }
    if (line != m_caretLine) {
        m_caretLine = line;
        QAccessibleTextCursorEvent moved(this, caretOffset());
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
    const QSize size = imageSizeFor(devicePixelRatioF());
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

int PictureBox::penWidth() const {
    return std::max(1, qRound(devicePixelRatioF()));
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
    ensureImage();
    return m_image;
}

void PictureBox::Line(float x1, float y1, float x2, float y2, int colour) {
    const QPointF ends[] = {{x1, y1}, {x2, y2}};
    Polyline(ends, colour);
}

void PictureBox::Polyline(std::span<const QPointF> points, int colour) {
    if (points.empty()) {
        return;
    }
    ensureImage();
    {
        QPainter painter(&m_image);
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
    }
    CurrentX = static_cast<float>(points.back().x());
    CurrentY = static_cast<float>(points.back().y());
    update();
}

void PictureBox::Line(float x2, float y2, int colour) {
    Line(CurrentX, CurrentY, x2, y2, colour);
}

void PictureBox::PSet(float x, float y, int colour) {
    ensureImage();
    const int width = penWidth();
    const QPoint pixel = devicePixel(x, y);
    {
        QPainter painter(&m_image);
        const qreal ratio = m_image.devicePixelRatio();
        painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
        painter.fillRect(QRect(pixel, QSize(width, width)), QColor::fromRgb(QBColor(colour)));
    }
    CurrentX = x;
    CurrentY = y;
    update();
}

void PictureBox::Print(const QString& text) {
    ensureImage();
    {
        QPainter painter(&m_image);
        painter.setFont(font());
        painter.setPen(m_foreColor);
        const qreal ratio = m_image.devicePixelRatio();
        const QPointF topLeft = QPointF(devicePixel(CurrentX, CurrentY)) / ratio;
        painter.drawText(topLeft + QPointF(0, QFontMetricsF(font()).ascent()), text);
    }
    update();
    Print();
}

void PictureBox::Print() {
    CurrentX = userScale().ScaleLeft;
    CurrentY += textLineHeight();
}

void PictureBox::Cls() {
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
