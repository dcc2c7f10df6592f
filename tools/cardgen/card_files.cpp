#include "tools/cardgen/card_files.h"

#include <QBuffer>
#include <QImageWriter>
#include <cstdint>

namespace cardart {
namespace {

constexpr std::uint32_t InfoHeaderSize = 40;
constexpr std::uint16_t Planes = 1;
constexpr std::uint16_t BitsPerPixel = 24;
constexpr std::uint32_t PixelsPerMetre = 3780; // 96 dpi
constexpr int BytesPerPixel = 3;

void put16(QByteArray& bytes, std::uint16_t value) {
    bytes.append(static_cast<char>(value & 0xff));
    bytes.append(static_cast<char>(value >> 8));
}

void put32(QByteArray& bytes, std::uint32_t value) {
    put16(bytes, static_cast<std::uint16_t>(value & 0xffff));
    put16(bytes, static_cast<std::uint16_t>(value >> 16));
}

int rowSize(int width) {
    return (width * BytesPerPixel + 3) / 4 * 4;
}

// BITMAPINFOHEADER; `storedHeight` is twice the height inside an icon file,
// where an AND mask follows the colours.
void putInfoHeader(QByteArray& bytes, const QImage& image, int storedHeight) {
    put32(bytes, InfoHeaderSize);
    put32(bytes, static_cast<std::uint32_t>(image.width()));
    put32(bytes, static_cast<std::uint32_t>(storedHeight));
    put16(bytes, Planes);
    put16(bytes, BitsPerPixel);
    put32(bytes, 0); // no compression
    put32(bytes, static_cast<std::uint32_t>(rowSize(image.width()) * image.height()));
    put32(bytes, PixelsPerMetre);
    put32(bytes, PixelsPerMetre);
    put32(bytes, 0);
    put32(bytes, 0);
}

void putPixelRows(QByteArray& bytes, const QImage& image) {
    const int padding = rowSize(image.width()) - image.width() * BytesPerPixel;
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            bytes.append(static_cast<char>(qBlue(pixel)));
            bytes.append(static_cast<char>(qGreen(pixel)));
            bytes.append(static_cast<char>(qRed(pixel)));
        }
        bytes.append(padding, '\0');
    }
}

QByteArray bmpHeaderFor(const QImage& image) {
    QByteArray bytes;
    bytes.append("BM");
    put32(bytes,
          static_cast<std::uint32_t>(BmpHeaderSize + rowSize(image.width()) * image.height()));
    put16(bytes, 0);
    put16(bytes, 0);
    put32(bytes, BmpHeaderSize);
    putInfoHeader(bytes, image, image.height());
    return bytes;
}

} // namespace

QByteArray bmpFile(const QImage& face) {
    QByteArray bytes = bmpHeaderFor(face);
    putPixelRows(bytes, face);
    return bytes;
}

QByteArray icoFile(const QImage& icon) {
    constexpr std::uint16_t IconType = 1;
    constexpr std::uint32_t DirectorySize = 6 + 16;
    const int maskRowSize = (icon.width() + 31) / 32 * 4;
    QByteArray image;
    putInfoHeader(image, icon, 2 * icon.height());
    putPixelRows(image, icon);
    // An all-clear AND mask: every pixel is opaque.
    image.append(qsizetype{maskRowSize} * icon.height(), '\0');

    QByteArray bytes;
    put16(bytes, 0);
    put16(bytes, IconType);
    put16(bytes, 1); // one image
    bytes.append(static_cast<char>(icon.width() & 0xff));
    bytes.append(static_cast<char>(icon.height() & 0xff));
    bytes.append('\0'); // no palette
    bytes.append('\0');
    put16(bytes, Planes);
    put16(bytes, BitsPerPixel);
    put32(bytes, static_cast<std::uint32_t>(image.size()));
    put32(bytes, DirectorySize);
    bytes.append(image);
    return bytes;
}

QByteArray pngFile(const QImage& face) {
    // The face's few colours fit a palette exactly, which keeps the page small.
    constexpr int SmallestPng = 0;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(SmallestPng);
    QImage indexed = face.convertToFormat(QImage::Format_Indexed8, Qt::AvoidDither);
    // The resolution as the bitmaps give it, not as the running program's screen has it.
    indexed.setDotsPerMeterX(static_cast<int>(PixelsPerMetre));
    indexed.setDotsPerMeterY(static_cast<int>(PixelsPerMetre));
    return writer.write(indexed) ? bytes : QByteArray();
}

} // namespace cardart
