#include "platform/surface_window.h"

#include "platform/design_qt.h"
#include "platform/line_control.h"

#include <QCloseEvent>
#include <QEvent>

SurfaceWindow::SurfaceWindow(const SurfaceWindowLayout& layout) {
    setWindowTitle(ToQString(layout.title));
    setFixedSize(ToPixels(layout.clientWidth, layout.clientHeight));

    PlaceHorizontalLine(m_rule, layout.ruleLeft, layout.ruleRight, layout.ruleY);

    // Raised above the rule, which runs on under the button.
    m_closeButton.setText(ToQString(CloseCaption));
    m_closeButton.setGeometry(ToPixels(layout.closeButton));
    m_closeButton.setAutoDefault(false);
    m_closeButton.raise();

    m_surface.setGeometry(ToPixels(layout.surface));
    m_surface.setBackColor(QColor::fromRgb(ToQRgb(layout.surfaceBack)));

    connect(&m_closeButton, &QPushButton::clicked, this, [this] { closeButtonClicked(); });
}

void SurfaceWindow::reportThenClose() {
    m_closingByButton = true;
    emit closedByButton();
    close();
}

void SurfaceWindow::closeThenReport() {
    m_closingByButton = true;
    close();
    emit closedByButton();
}

bool SurfaceWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        drawSurface();
    }
    return QWidget::event(event);
}

void SurfaceWindow::closeEvent(QCloseEvent* event) {
    if (!m_closingByButton) {
        emit closedByFrame();
    }
    event->accept();
}
