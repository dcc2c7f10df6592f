#pragma once

#include "design/units.h"

// The graph and the help window share one shape: a 閉じる button at the top
// right over a horizontal rule, and a drawing surface with a sunken border.

inline constexpr const char* CloseCaption = "閉じる";

// A surface window as designed, in twips from the client area's top-left corner.
struct SurfaceWindowLayout {
    const char* title;
    int clientWidth;
    int clientHeight;
    TwipsRect closeButton;
    int ruleLeft;
    int ruleRight;
    int ruleY;
    // The surface's outer rectangle, its border included.
    TwipsRect surface;
    Rgb surfaceBack;
};

// The surface's default border: 30 twips (2 pixels) on each side.
inline constexpr int SurfaceBorderTwips = 30;

// The graph window.
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
    .surfaceBack = Colours::White,
};

// What a screen reader calls the figure.
inline constexpr const char* SurfaceName = "グラフ";

} // namespace Form2Layout

// The help window.
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
    .surfaceBack = Colours::White,
};

inline constexpr FontSpec Picture1Font{11.25, false};

// What a screen reader calls the printed text.
inline constexpr const char* SurfaceName = "設問と操作方法";

} // namespace Form4Layout
