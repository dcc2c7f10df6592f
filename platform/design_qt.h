#pragma once

#include "design/units.h"

#include <QByteArrayView>
#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <string_view>

// The design's plain types as Qt's. Qt's device-independent pixels are 96-dpi
// pixels, so twips convert at a fixed rate and the desktop's scaling factor
// applies on top.

inline QRect ToPixels(const TwipsRect& r) {
    return {TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
            TwipsToPixels(r.height)};
}

inline QSize ToPixels(int widthTwips, int heightTwips) {
    return {TwipsToPixels(widthTwips), TwipsToPixels(heightTwips)};
}

inline QRgb ToQRgb(const Rgb& colour) {
    return qRgb(colour.red, colour.green, colour.blue);
}

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(QByteArrayView(text));
}
