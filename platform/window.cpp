#include "platform/window.h"

#include <QWidget>

void ShowWindow(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}
