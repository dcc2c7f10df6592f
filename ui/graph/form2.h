#pragma once

#include <QPushButton>
#include <QWidget>

struct Module1;

// The graph window: the relative frequency over the trials made so far.
// It deletes itself when closed; the main window is shown again first.
class Form2 final : public QWidget {
    Q_OBJECT
public:
    Form2(const Module1& module, QWidget& mainWindow);

    void Command1_Click();

    QPushButton Command1{QStringLiteral("閉じる"), this};

private:
    const Module1& m_module;
    QWidget& m_mainWindow;
};
