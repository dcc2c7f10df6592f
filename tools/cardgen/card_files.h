#pragma once

#include <QByteArray>
#include <QImage>

// The stored forms of the artwork, written byte by byte so that every field of
// every header is ours and the same on every machine.
namespace cardart {

inline constexpr int BmpHeaderSize = 54;

// A card face as an uncompressed 24-bit Windows bitmap, bottom row first.
QByteArray bmpFile(const QImage& face);

// An icon file holding the one 24-bit picture, opaque throughout.
QByteArray icoFile(const QImage& icon);

// A card face as a PNG file with a palette, as the web page embeds it.
QByteArray pngFile(const QImage& face);

} // namespace cardart
