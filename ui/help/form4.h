#pragma once

#include <QPushButton>
#include <QWidget>

// The help window: the problem statement and the operating instructions.
// It deletes itself when closed.
class Form4 final : public QWidget {
    Q_OBJECT
public:
    explicit Form4(QWidget& mainWindow);

    void Command1_Click();

    QPushButton Command1{QStringLiteral("閉じる"), this};

private:
    QWidget& m_mainWindow;
};
