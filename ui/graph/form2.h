#pragma once

#include "platform/picture_box.h"

#include <QFrame>
#include <QPushButton>
#include <QWidget>
#include <span>

struct Module1;

// A fixed text of the figure, printed with its top-left corner at (x, y).
struct GraphLabel {
    float x;
    float y;
    const char* text;
};

// The graph window: the relative frequency over the trials made so far.
// It deletes itself when closed; the main window is shown again first.
class Form2 final : public QWidget {
    Q_OBJECT
public:
    Form2(const Module1& module, QWidget& mainWindow);

    // Draws the whole figure from the current history.
    void Form_Activate();
    void Command1_Click();

    QPushButton Command1{QStringLiteral("閉じる"), this};
    QFrame Line1{this};
    PictureBox Picture1{this};

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void layOut();
    void drawYTicks();
    void drawDashes();
    void drawXTicks();
    void printLabels(std::span<const GraphLabel> labels);
    void drawCurve();

    const Module1& m_module;
    QWidget& m_mainWindow;
};
