#pragma once

#include <QRect>
#include <QSize>

// Window layouts are designed in twips: 1/1440 inch, 15 to a pixel at 96 dpi.
// Qt's device-independent pixels are 96-dpi pixels, so the conversion is fixed
// and the desktop's scaling factor applies on top of it.
inline constexpr int TwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

// A control's rectangle as the layout tables give it.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

inline QRect ToPixels(const TwipsRect& r) {
    return {TwipsToPixels(r.left), TwipsToPixels(r.top), TwipsToPixels(r.width),
            TwipsToPixels(r.height)};
}

inline QSize ToPixels(int widthTwips, int heightTwips) {
    return {TwipsToPixels(widthTwips), TwipsToPixels(heightTwips)};
}
