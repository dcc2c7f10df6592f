#include "ui/help/form4.h"

#include "platform/window.h"

Form4::Form4(QWidget& mainWindow) : m_mainWindow(mainWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral(" トランプ＿ヘルプ（設問と操作方法）"));
    connect(&Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
}

void Form4::Command1_Click() {
    close();
    ShowWindow(m_mainWindow);
}
