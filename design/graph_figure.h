#pragma once

#include "design/units.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// The graph's figure: the relative frequency over the trials, with its axes,
// ticks, labels and the dashed line at 0.30, as a list of drawing steps in the
// surface's user units. Each front-end paints the steps in order.
namespace GraphFigure {

// Trials 0..1000 across, ratios 1.10..-0.10 down.
inline constexpr UserScale Scale{0.0f, 0.0f, 1100.0f, 120.0f};

// Where the graph puts trial n and ratio r, in user units.
constexpr float TrialToX(std::int32_t n) {
    return static_cast<float>(n + 100);
}
constexpr float RatioToY(float ratio) {
    // Computed wide, rounded once to single precision.
    return static_cast<float>(110.0 - static_cast<double>(ratio) * 100.0);
}

// The axes: x along the bottom, y up the left; the x axis's ticks cross it,
// and its labels hang under it.
inline constexpr float AxisLeft = 100;
inline constexpr float AxisRight = 1100;
inline constexpr float AxisBottom = 110;
inline constexpr float AxisTop = 5;
inline constexpr float XTickTop = 109;
inline constexpr float XTickBottom = 111;
inline constexpr float XLabelY = 112;

// The reference line's ratio and the height it stands at.
inline constexpr float ReferenceRatio = 0.30f;
inline constexpr float DashY = 80;

// Trials beyond this one lie right of the surface and are clipped away
// entirely, so the curve is traced no further.
inline constexpr std::int32_t LastVisibleTrial =
    static_cast<std::int32_t>(Scale.ScaleLeft + Scale.ScaleWidth) - 100 + 1;

enum class StepKind {
    Line,  // from `at` to `to`, in `colour`
    Point, // one point at `at`, in `colour`
    Text,  // `text` with its top-left corner at `at`, in the surface's text colour
};

struct UserPoint {
    float x;
    float y;
    bool operator==(const UserPoint&) const = default;
};

struct Step {
    StepKind kind;
    UserPoint at;
    UserPoint to;
    int colour; // a palette number
    std::string_view text;
    bool operator==(const Step&) const = default;
};

// The axis captions, which also tell a screen reader what the figure shows.
inline constexpr std::string_view YAxisCaption = "(縦軸は３の倍数のトランプカードを引いた割合)";
inline constexpr std::string_view XAxisCaption = "(横軸は実験回数)";

// Earlier experiments are faint, under the current curve; the spread's bounds
// stand out from both the curves and the black axes.
inline constexpr int EarlierColour = PaletteLightGray;
inline constexpr int SpreadColour = PaletteLightMagenta;

// The frequency after each trial: history[n] after trial n, n = 1 to trials.
struct Curve {
    std::span<const float> history;
    std::int32_t trials = 0;
};

// Where about 95 % of experiments of n trials end.
struct Band {
    double low;
    double high;
};
using BandAt = Band (*)(std::int32_t trials);

// What the figure shows beyond the design's, when the user asks for it.
struct Extras {
    BandAt band = nullptr;          // the expected spread's bounds; none without
    std::span<const Curve> earlier; // oldest first
};

// What the class window's figures share with the graph: the y axis with its
// ticks, labels and the dashed line at 0.30 over the x axis, and the
// expected spread as two thin curves clipped to the axes, through the given
// positions.
void AddRatioAxes(std::vector<Step>& steps);
struct BandSample {
    float x;
    std::int32_t trials;
};
void AddBand(std::vector<Step>& steps, BandAt band, std::span<const BandSample> samples);

// The whole figure for the trials counted so far: history[n] is the
// frequency after trial n. Without trials there is no curve. The extras come
// before the curve, which stays on top.
std::vector<Step> Steps(std::span<const float> history, std::int32_t trials,
                        const Extras& extras = {});

} // namespace GraphFigure
