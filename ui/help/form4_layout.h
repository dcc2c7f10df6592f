#pragma once

#include "platform/surface_window.h"

// The help window as designed, in twips from the client area's top-left corner.
namespace Form4Layout {

inline constexpr SurfaceWindowLayout Window{
    .title = " トランプ＿ヘルプ（設問と操作方法）",
    .clientWidth = 8550,
    .clientHeight = 7320,
    .closeButton = {7560, 0, 855, 375}, // Command1
    .ruleLeft = 120,                    // Line1
    .ruleRight = 8400,
    .ruleY = 360,
    .surface = {120, 480, 8295, 6735}, // Picture1
    .surfaceBack = qRgb(255, 255, 255),
};

inline constexpr double Picture1PointSize = 11.25;

} // namespace Form4Layout
