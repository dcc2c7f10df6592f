#pragma once

class QWidget;

// Shows a window modeless: visible, in front and active.
void ShowWindow(QWidget& window);
