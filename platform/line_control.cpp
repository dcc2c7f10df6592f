#include "platform/line_control.h"

#include "platform/design_qt.h"

#include <QFrame>

void PlaceHorizontalLine(QFrame& line, int x1Twips, int x2Twips, int yTwips) {
    const PixelRule rule = RulePixels(x1Twips, x2Twips, yTwips);
    line.setGeometry(rule.left, rule.top, rule.width, 1);
    line.setAutoFillBackground(true);
    line.setBackgroundRole(QPalette::WindowText);
}
