#include "design/graph_figure.h"

#include <algorithm>
#include <optional>

namespace GraphFigure {

namespace {

constexpr float YTickLeft = 95;
constexpr float YTickRight = 105;
constexpr float DashLength = 10;

struct Label {
    float x;
    float y;
    std::string_view text;
};

// Y labels stand left of the axis at their ratio; x labels start 20 units
// left of their tick, under the axis.
constexpr Label YLabels[] = {{60, 110, "0.00"}, {60, 77, "0.30"}, {60, 8, "1.00"}};
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

// The last trial of a curve that is drawn: past the right edge nothing shows.
std::int32_t LastDrawnTrial(const Curve& curve) {
    const auto stored = static_cast<std::int32_t>(curve.history.size()) - 1;
    return std::min({curve.trials, LastVisibleTrial, stored});
}

// A point at trial 1, then one line to each further trial.
void AddCurve(std::vector<Step>& steps, const Curve& curve, int colour) {
    const std::int32_t last = LastDrawnTrial(curve);
    if (last < 1) {
        return;
    }
    UserPoint vertex{TrialToX(1), RatioToY(curve.history[1])};
    steps.push_back({StepKind::Point, vertex, {}, colour, {}});
    for (std::int32_t n = 2; n <= last; ++n) {
        const UserPoint next{TrialToX(n), RatioToY(curve.history[static_cast<std::size_t>(n)])};
        steps.push_back({StepKind::Line, vertex, next, colour, {}});
        vertex = next;
    }
}

bool InsideAxes(float y) {
    return y >= AxisTop && y <= AxisBottom;
}

} // namespace

void AddRatioAxes(std::vector<Step>& steps) {
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
}

// Each bound only where it lies between the x axis and the top of the y
// axis: for few trials it reaches beyond 0 and 1.
void AddBand(std::vector<Step>& steps, BandAt band, std::span<const BandSample> samples) {
    std::vector<Step> upper;
    upper.reserve(samples.size());
    std::optional<UserPoint> low;
    std::optional<UserPoint> high;
    for (const BandSample& sample : samples) {
        const Band bounds = band(sample.trials);
        const UserPoint lowPoint{sample.x, RatioToY(static_cast<float>(bounds.low))};
        const UserPoint highPoint{sample.x, RatioToY(static_cast<float>(bounds.high))};
        if (low && InsideAxes(low->y) && InsideAxes(lowPoint.y)) {
            steps.push_back({StepKind::Line, *low, lowPoint, SpreadColour, {}});
        }
        if (high && InsideAxes(high->y) && InsideAxes(highPoint.y)) {
            upper.push_back({StepKind::Line, *high, highPoint, SpreadColour, {}});
        }
        low = lowPoint;
        high = highPoint;
    }
    steps.insert(steps.end(), upper.begin(), upper.end());
}

std::vector<Step> Steps(std::span<const float> history, std::int32_t trials, const Extras& extras) {
    std::vector<Step> steps;
    const Curve current{history, trials};
    std::size_t curveSteps = static_cast<std::size_t>(std::max(LastDrawnTrial(current), 0));
    for (const Curve& curve : extras.earlier) {
        curveSteps += static_cast<std::size_t>(std::max(LastDrawnTrial(curve), 0));
    }
    if (extras.band != nullptr) {
        curveSteps += 2 * static_cast<std::size_t>(LastVisibleTrial);
    }
    steps.reserve(curveSteps + 90);

    AddRatioAxes(steps);
    for (std::int32_t r = 100; r <= 1080; r += 100) {
        const auto x = static_cast<float>(r);
        steps.push_back(BlackLine(x, XTickTop, x, XTickBottom));
    }
    AddLabels(steps, XLabels);
    AddLabels(steps, Captions);

    if (extras.band != nullptr) {
        // The bounds at every visible trial.
        std::vector<BandSample> samples;
        samples.reserve(static_cast<std::size_t>(LastVisibleTrial));
        for (std::int32_t n = 1; n <= LastVisibleTrial; ++n) {
            samples.push_back({TrialToX(n), n});
        }
        AddBand(steps, extras.band, samples);
    }
    for (const Curve& curve : extras.earlier) {
        AddCurve(steps, curve, EarlierColour);
    }
    AddCurve(steps, current, PaletteLightBlue);
    return steps;
}

} // namespace GraphFigure
