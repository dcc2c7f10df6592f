#pragma once

#include "platform/picture_box.h"
#include "platform/surface_window.h"

#include <cstdint>

// The graph window as designed, in twips from the client area's top-left corner.
namespace Form2Layout {

inline constexpr SurfaceWindowLayout Window{
    .title = " グラフ",
    .clientWidth = 9750,
    .clientHeight = 5670,
    .closeButton = {8760, 0, 975, 375}, // Command1
    .ruleLeft = 0,                      // Line1
    .ruleRight = 9720,
    .ruleY = 360,
    .surface = {120, 600, 9495, 4815}, // Picture1
    .surfaceBack = qRgb(255, 255, 255),
};

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
