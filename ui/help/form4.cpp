#include "ui/help/form4.h"

#include "platform/fonts.h"
#include "platform/window.h"
#include "ui/help/form4_layout.h"
#include "ui/help/help_text.h"

#include <QEvent>

Form4::Form4(QWidget& mainWindow) : m_mainWindow(mainWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    layOut();
    connect(&Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
}

void Form4::layOut() {
    setWindowTitle(QString::fromUtf8(Form4Layout::Title));
    setFixedSize(ToPixels(Form4Layout::ClientWidth, Form4Layout::ClientHeight));

    Line1.setGeometry(TwipsToPixels(Form4Layout::Line1Left), TwipsToPixels(Form4Layout::Line1Y),
                      TwipsToPixels(Form4Layout::Line1Right - Form4Layout::Line1Left), 1);
    Line1.setAutoFillBackground(true);
    Line1.setBackgroundRole(QPalette::WindowText);

    // Raised above the rule, whose right end runs under the button.
    Command1.setGeometry(ToPixels(Form4Layout::Command1));
    Command1.setAutoDefault(false);
    Command1.raise();

    Picture1.setGeometry(ToPixels(Form4Layout::Picture1));
    Picture1.setFont(JapaneseFont(Form4Layout::Picture1PointSize));
    Picture1.setBackColor(QColor::fromRgb(Form4Layout::Picture1Back));
}

bool Form4::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    return QWidget::event(event);
}

void Form4::Form_Activate() {
    Picture1.Cls();
    for (const std::string_view line : HelpLines) {
        if (line.empty()) {
            Picture1.Print();
        } else {
            Picture1.Print(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
        }
    }
}

void Form4::Command1_Click() {
    close();
    ShowWindow(m_mainWindow);
}
