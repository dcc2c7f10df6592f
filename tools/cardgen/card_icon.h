#pragma once

#include <QImage>
#include <vector>

namespace cardart {

inline constexpr int IconSize = 32;

// The program's icon at `size` x `size` pixels: the ace of spades in greys on
// white, opaque, 24 bits per pixel.
QImage drawIcon(int size);

// The icon for a home screen that cuts its own shape: the icon within the
// centre's safe circle (four fifths of the width) on a card table's green
// that fills the square to its edges.
QImage drawMaskableIcon(int size);

// All faces side by side, one suit a row, enlarged for review.
QImage drawContactSheet(const std::vector<QImage>& faces);

} // namespace cardart
