#include "platform/line_control.h"

#include "platform/design_qt.h"

#include <QFrame>
#include <algorithm>

void PlaceHorizontalLine(QFrame& line, int x1Twips, int x2Twips, int yTwips) {
    const int left = TwipsToPixels(std::min(x1Twips, x2Twips));
    const int right = TwipsToPixels(std::max(x1Twips, x2Twips));
    line.setGeometry(left, TwipsToPixels(yTwips), right - left, 1);
    line.setAutoFillBackground(true);
    line.setBackgroundRole(QPalette::WindowText);
}
