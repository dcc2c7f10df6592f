#pragma once

#include "platform/picture_box.h"

#include <QFrame>
#include <QPushButton>
#include <QWidget>

// The help window: the problem statement and the operating instructions.
// It deletes itself when closed.
class Form4 final : public QWidget {
    Q_OBJECT
public:
    explicit Form4(QWidget& mainWindow);

    // Clears the surface and prints the help text.
    void Form_Activate();
    void Command1_Click();

    QPushButton Command1{QStringLiteral("閉じる"), this};
    QFrame Line1{this};
    PictureBox Picture1{this};

protected:
    bool event(QEvent* event) override;

private:
    void layOut();

    QWidget& m_mainWindow;
};
