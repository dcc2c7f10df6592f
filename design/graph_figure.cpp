#include "design/graph_figure.h"

#include <algorithm>

namespace GraphFigure {

namespace {

constexpr float AxisLeft = 100;
constexpr float AxisRight = 1100;
constexpr float AxisBottom = 110;
constexpr float AxisTop = 5;
constexpr float YTickLeft = 95;
constexpr float YTickRight = 105;
constexpr float XTickTop = 109;
constexpr float XTickBottom = 111;
constexpr float DashLength = 10;

struct Label {
    float x;
    float y;
    std::string_view text;
};

// Y labels stand left of the axis at their ratio; x labels start 20 units
// left of their tick, under the axis.
constexpr Label YLabels[] = {{60, 110, "0.00"}, {60, 77, "0.30"}, {60, 8, "1.00"}};
constexpr float XLabelY = 112;
constexpr Label XLabels[] = {
    {180, XLabelY, "100"}, {280, XLabelY, "200"}, {380, XLabelY, "300"},
    {480, XLabelY, "400"}, {580, XLabelY, "500"}, {680, XLabelY, "600"},
    {780, XLabelY, "700"}, {880, XLabelY, "800"}, {980, XLabelY, "900"},
};
constexpr Label Captions[] = {{140, 10, YAxisCaption}, {900, 100, XAxisCaption}};

Step BlackLine(float x1, float y1, float x2, float y2) {
    return {StepKind::Line, {x1, y1}, {x2, y2}, PaletteBlack, {}};
}

void AddLabels(std::vector<Step>& steps, std::span<const Label> labels) {
    for (const Label& label : labels) {
        steps.push_back({StepKind::Text, {label.x, label.y}, {}, PaletteBlack, label.text});
    }
}

} // namespace

std::vector<Step> Steps(std::span<const float> history, std::int32_t trials) {
    std::vector<Step> steps;
    const auto stored = static_cast<std::int32_t>(history.size()) - 1;
    const std::int32_t last = std::min({trials, LastVisibleTrial, stored});
    steps.reserve(static_cast<std::size_t>(std::max(last, 0)) + 90);

    steps.push_back(BlackLine(AxisLeft, AxisTop, AxisLeft, AxisBottom));
    steps.push_back(BlackLine(AxisLeft, AxisBottom, AxisRight, AxisBottom));
    for (std::int32_t r = 10; r <= 100; r += 10) {
        const auto y = static_cast<float>(r);
        steps.push_back(BlackLine(YTickLeft, y, YTickRight, y));
    }
    for (std::int32_t r = 100; r <= 1080; r += 20) {
        const auto x = static_cast<float>(r);
        steps.push_back(BlackLine(x, DashY, x + DashLength, DashY));
    }
    AddLabels(steps, YLabels);
    for (std::int32_t r = 100; r <= 1080; r += 100) {
        const auto x = static_cast<float>(r);
        steps.push_back(BlackLine(x, XTickTop, x, XTickBottom));
    }
    AddLabels(steps, XLabels);
    AddLabels(steps, Captions);

    if (last < 1) {
        return steps;
    }
    UserPoint vertex{TrialToX(1), RatioToY(history[1])};
    steps.push_back({StepKind::Point, vertex, {}, PaletteLightBlue, {}});
    for (std::int32_t n = 2; n <= last; ++n) {
        const UserPoint next{TrialToX(n), RatioToY(history[static_cast<std::size_t>(n)])};
        steps.push_back({StepKind::Line, vertex, next, PaletteLightBlue, {}});
        vertex = next;
    }
    return steps;
}

} // namespace GraphFigure
