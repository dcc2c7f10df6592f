#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

// The units the windows are designed in, shared by every front-end.

// Lengths are twips: 1/1440 inch, 15 to a pixel at 96 dpi. A front-end's
// device-independent pixels are 96-dpi pixels, so the conversion is fixed.
inline constexpr int TwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

// A control's rectangle, from its window's client area's top-left corner.
struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// A horizontal line control in pixels: one pixel high, from the nearer of its
// two ends to the farther, each end rounded to its pixel on its own.
struct PixelRule {
    int left;
    int top;
    int width;
    bool operator==(const PixelRule&) const = default;
};

constexpr PixelRule RulePixels(int x1Twips, int x2Twips, int yTwips) {
    const int left = TwipsToPixels(std::min(x1Twips, x2Twips));
    return {left, TwipsToPixels(yTwips), TwipsToPixels(std::max(x1Twips, x2Twips)) - left};
}

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    bool operator==(const Rgb&) const = default;
};

// The colours the windows name beyond the desktop's theme.
namespace Colours {
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb PaleYellow{255, 255, 192};
inline constexpr Rgb Red{255, 0, 0};
} // namespace Colours

// The 16-colour palette that drawing colours are numbered by.
inline constexpr std::array<Rgb, 16> PaletteColours = {{
    {0, 0, 0},
    {0, 0, 128},
    {0, 128, 0},
    {0, 128, 128},
    {128, 0, 0},
    {128, 0, 128},
    {128, 128, 0},
    {192, 192, 192},
    {128, 128, 128},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
}};
inline constexpr int PaletteBlack = 0;
inline constexpr int PaletteLightGray = 7;
inline constexpr int PaletteLightBlue = 9;
inline constexpr int PaletteLightRed = 12;
inline constexpr int PaletteLightMagenta = 13;

// A size and weight of the design's proportional Japanese face
// ("ＭＳ Ｐゴシック", or the nearest installed one).
struct FontSpec {
    double points;
    bool bold;
    bool operator==(const FontSpec&) const = default;
};

inline constexpr const char* DesignFontFamily = "ＭＳ Ｐゴシック";
// What controls without a font of their own use: the face at 9 pt.
inline constexpr FontSpec WindowFont{9, false};

// A drawing surface's user coordinates over the area inside its border: the
// top-left corner is (ScaleLeft, ScaleTop), the extent ScaleWidth x ScaleHeight.
struct UserScale {
    float ScaleLeft = 0.0f;
    float ScaleTop = 0.0f;
    float ScaleWidth = 1.0f;
    float ScaleHeight = 1.0f;
};
