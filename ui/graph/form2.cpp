#include "ui/graph/form2.h"

#include "platform/window.h"

Form2::Form2(const Module1& module, QWidget& mainWindow)
    : m_module(module), m_mainWindow(mainWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" グラフ"));
    connect(&Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::Command1_Click() {
    ShowWindow(m_mainWindow);
    close();
}
