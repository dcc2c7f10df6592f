#pragma once

#include "design/units.h"

#include <QImage>
#include <QRect>

// Small probes on a drawn image; "ink" is any pixel that is not white.
inline bool IsWhite(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

inline bool HasInk(const QImage& image, const QRect& area) {
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (!IsWhite(image, x, y)) {
                return true;
            }
        }
    }
    return false;
}

inline int CountPixels(const QImage& image, QRgb colour, const QRect& area) {
    const QRect clipped = area & image.rect();
    int count = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            count += image.pixel(x, y) == colour ? 1 : 0;
        }
    }
    return count;
}

// The leftmost column with ink in the area, or -1.
inline int FirstInkColumn(const QImage& image, const QRect& area) {
    const QRect clipped = area & image.rect();
    for (int x = clipped.left(); x <= clipped.right(); ++x) {
        if (HasInk(image, QRect(x, clipped.top(), 1, clipped.height()))) {
            return x;
        }
    }
    return -1;
}
