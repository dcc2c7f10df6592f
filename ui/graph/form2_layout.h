#pragma once

#include "platform/picture_box.h"
#include "platform/twips.h"

#include <cstdint>

// The graph window as designed, in twips from the client area's top-left corner.
namespace Form2Layout {

inline constexpr const char* Title = " グラフ";
inline constexpr int ClientWidth = 9750;
inline constexpr int ClientHeight = 5670;
inline constexpr TwipsRect Command1{8760, 0, 975, 375};
inline constexpr int Line1Y = 360;
inline constexpr int Line1Right = 9720;
// Outer rectangle of Picture1, its 3-D border included.
inline constexpr TwipsRect Picture1{120, 600, 9495, 4815};
inline constexpr QRgb Picture1Back = qRgb(255, 255, 255);

// Trials 0..1000 across, ratios 1.10..-0.10 down.
inline constexpr UserScale GraphScale{0.0f, 0.0f, 1100.0f, 120.0f};

} // namespace Form2Layout

// Where the graph puts trial n and ratio r, in Picture1's user units.
constexpr float TrialToX(std::int32_t n) {
    return static_cast<float>(n + 100);
}
inline float RatioToY(float ratio) {
    // Computed wide, rounded once to single precision.
    return static_cast<float>(110.0 - static_cast<double>(ratio) * 100.0);
}
