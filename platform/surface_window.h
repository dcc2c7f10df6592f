#pragma once

#include "design/surface_layouts.h"
#include "platform/picture_box.h"

#include <QFrame>
#include <QPushButton>
#include <QWidget>

// A window of fixed size with a 閉じる button at the top right over a
// horizontal rule and a retained drawing surface below. It draws its surface
// anew every time it becomes the active window, and says whether its 閉じる
// button or the frame closed it. It knows no other window: its owner decides
// what follows.
class SurfaceWindow : public QWidget {
    Q_OBJECT
public:
    explicit SurfaceWindow(const SurfaceWindowLayout& layout);

    PictureBox& surface() { return m_surface; }
    const QPushButton& closeButton() const { return m_closeButton; }

signals:
    void closedByButton();
    void closedByFrame();

protected:
    virtual void drawSurface() = 0;
    virtual void closeButtonClicked() = 0;

    // The two orders in which the close button can close the window and say so.
    void reportThenClose();
    void closeThenReport();

    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton m_closeButton{this};
    QFrame m_rule{this};
    PictureBox m_surface{this};
    bool m_closingByButton = false;
};
