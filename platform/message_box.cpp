#include "platform/message_box.h"

#include "design/texts.h"
#include "platform/design_qt.h"

#include <QMessageBox>
#include <QPushButton>

bool AskYesNo(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(ToQString(Texts::Yes), QMessageBox::YesRole);
    box.addButton(ToQString(Texts::No), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

void Inform(QWidget* parent, const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    box.setDefaultButton(box.addButton(ToQString(Texts::Ok), QMessageBox::AcceptRole));
    box.exec();
}
