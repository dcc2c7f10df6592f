#include "design/class_figures.h"

#include "engine/deck.h"
#include "engine/spread.h"
#include "engine/tally.h"

#include <algorithm>
#include <cmath>

namespace ClassFigures {

using GraphFigure::Step;
using GraphFigure::StepKind;
using GraphFigure::UserPoint;

namespace {

// The x axis's ends: d·10^k for d = 1, 2, 5, from 10 to the most trials a
// class can pool (1000 lines of 100000).
constexpr std::int64_t SmallestMaximum = 10;
constexpr std::int64_t LargestMaximum = 100'000'000;
constexpr std::int64_t EmptyMaximum = 1000;
constexpr int MostTicks = 5;

// A tick's label, kept in static storage since a step only points at its text.
struct TickText {
    std::array<char, 10> characters{};
    std::size_t length = 0;
};

constexpr TickText TextOf(std::int64_t value) {
    TickText text;
    std::array<char, 10> reversed{};
    do {
        reversed[text.length++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (std::size_t i = 0; i < text.length; ++i) {
        text.characters[i] = reversed[text.length - 1 - i];
    }
    return text;
}

constexpr std::string_view TextView(const TickText& text) {
    return {text.characters.data(), text.length};
}

// An axis end with its ticks: fifths of 10^k and of 5·10^k, quarters of 2·10^k.
struct NiceAxis {
    std::int64_t maximum = 0;
    std::int64_t step = 0;
    int ticks = 0;
    std::array<TickText, MostTicks> labels{};
};

constexpr int NiceAxisCount = 22;

constexpr std::array<NiceAxis, NiceAxisCount> MakeNiceAxes() {
    std::array<NiceAxis, NiceAxisCount> axes{};
    std::size_t at = 0;
    for (std::int64_t power = SmallestMaximum; at < axes.size(); power *= 10) {
        for (const std::int64_t digit : {1, 2, 5}) {
            if (at == axes.size()) {
                break;
            }
            NiceAxis& axis = axes[at++];
            axis.maximum = digit * power;
            axis.ticks = digit == 2 ? 4 : 5;
            axis.step = axis.maximum / axis.ticks;
            for (int tick = 0; tick < axis.ticks; ++tick) {
                axis.labels[static_cast<std::size_t>(tick)] = TextOf(axis.step * (tick + 1));
            }
        }
    }
    return axes;
}

constexpr std::array<NiceAxis, NiceAxisCount> NiceAxes = MakeNiceAxes();
static_assert(NiceAxes.back().maximum == LargestMaximum);

const NiceAxis& AxisFor(std::int64_t maximum) {
    const auto* axis = std::find_if(NiceAxes.begin(), NiceAxes.end(),
                                    [maximum](const NiceAxis& a) { return a.maximum >= maximum; });
    return axis == NiceAxes.end() ? NiceAxes.back() : *axis;
}

// Room enough for the axes, their ticks and labels, the captions and bars.
constexpr std::size_t FixedSteps = 100;

// A label is centred under its tick, at about this width per digit.
constexpr float HalfDigitWidth = 8;
// The captions: the y axis's as in the graph, the x axis's above its right end.
constexpr UserPoint YCaptionAt{140, 10};
constexpr UserPoint PooledXCaptionAt{640, 100};
constexpr UserPoint SpreadXCaptionAt{800, 100};

// A mark around each of the class's points: a small cross that shows even
// where the points lie close together.
constexpr float MarkHalfWidth = 5;
constexpr float MarkHalfHeight = 1;

// The spread's columns: a checkpoint's dots start right of its column's
// position, its expected spread stands left of it.
constexpr float FirstColumnX = 160;
constexpr float ColumnSpacing = 190;
constexpr float DotsGap = 10;
constexpr float DotSpacing = 12;
constexpr float DotsRoom = 150;
constexpr float BarOffset = 20;
constexpr float BarEndHalfWidth = 6;
using CheckpointTexts = std::array<TickText, Checkpoints.size()>;
constexpr CheckpointTexts TextsOfCheckpoints() {
    CheckpointTexts labels{};
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i] = TextOf(Checkpoints[i]);
    }
    return labels;
}
constexpr CheckpointTexts CheckpointLabels = TextsOfCheckpoints();

Step Line(UserPoint from, UserPoint to, int colour) {
    return {StepKind::Line, from, to, colour, {}};
}

Step Text(UserPoint at, std::string_view text) {
    return {StepKind::Text, at, {}, PaletteBlack, text};
}

void AddXTick(std::vector<Step>& steps, float x, std::string_view label) {
    steps.push_back(Line({x, GraphFigure::XTickTop}, {x, GraphFigure::XTickBottom}, PaletteBlack));
    const float width = HalfDigitWidth * static_cast<float>(label.size());
    steps.push_back(Text({x - width, GraphFigure::XLabelY}, label));
}

float TheoryY() {
    return GraphFigure::RatioToY(static_cast<float>(TheoreticalRatio()));
}

void AddTheoryLine(std::vector<Step>& steps) {
    const float y = TheoryY();
    steps.push_back(Line({GraphFigure::AxisLeft, y}, {GraphFigure::AxisRight, y}, TheoryColour));
}

void AddMarkedPoint(std::vector<Step>& steps, UserPoint at) {
    steps.push_back({StepKind::Point, at, {}, ClassColour, {}});
    steps.push_back(Line({at.x - MarkHalfWidth, at.y}, {at.x + MarkHalfWidth, at.y}, ClassColour));
    steps.push_back(
        Line({at.x, at.y - MarkHalfHeight}, {at.x, at.y + MarkHalfHeight}, ClassColour));
}

GraphFigure::Band ExpectedSpread(std::int32_t trials) {
    const SpreadBand band = SpreadBandAt(trials);
    return {band.low, band.high};
}

float ClippedRatioY(double ratio) {
    return GraphFigure::RatioToY(static_cast<float>(std::clamp(ratio, 0.0, 1.0)));
}

// The band at every trial where the axis is short, at every unit across
// where it is long.
std::vector<GraphFigure::BandSample> BandSamples(std::int64_t axisMaximum) {
    const auto width = static_cast<std::int64_t>(GraphFigure::AxisRight - GraphFigure::AxisLeft);
    const std::int64_t count = std::min(axisMaximum, width);
    std::vector<GraphFigure::BandSample> samples;
    samples.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 1; i <= count; ++i) {
        const std::int64_t trials = (i * axisMaximum + count / 2) / count;
        samples.push_back({PooledTrialToX(trials, axisMaximum), static_cast<std::int32_t>(trials)});
    }
    return samples;
}

} // namespace

std::int64_t PooledAxisMaximum(std::int64_t trials) {
    return trials <= 0 ? EmptyMaximum : AxisFor(trials).maximum;
}

float PooledTrialToX(std::int64_t trials, std::int64_t axisMaximum) {
    const double width = GraphFigure::AxisRight - GraphFigure::AxisLeft;
    return static_cast<float>(GraphFigure::AxisLeft + width * static_cast<double>(trials) /
                                                          static_cast<double>(axisMaximum));
}

std::vector<Step> PooledSteps(std::span<const Cumulative> afterEachLine) {
    const std::int64_t maximum =
        PooledAxisMaximum(afterEachLine.empty() ? 0 : afterEachLine.back().trials);
    const NiceAxis& axis = AxisFor(maximum);
    std::vector<Step> steps;
    // A line, a point and a mark of two lines per line; two bounds of at most
    // a step per unit across; the axes, ticks and labels.
    const auto bandSteps =
        2 * static_cast<std::size_t>(GraphFigure::AxisRight - GraphFigure::AxisLeft);
    steps.reserve(4 * afterEachLine.size() + bandSteps + FixedSteps);
    GraphFigure::AddRatioAxes(steps);
    for (int tick = 0; tick < axis.ticks; ++tick) {
        AddXTick(steps, PooledTrialToX(axis.step * (tick + 1), maximum),
                 TextView(axis.labels[static_cast<std::size_t>(tick)]));
    }
    steps.push_back(Text(YCaptionAt, GraphFigure::YAxisCaption));
    steps.push_back(Text(PooledXCaptionAt, PooledXAxisCaption));
    AddTheoryLine(steps);
    GraphFigure::AddBand(steps, &ExpectedSpread, BandSamples(maximum));

    std::vector<UserPoint> points;
    points.reserve(afterEachLine.size());
    for (const Cumulative& sum : afterEachLine) {
        points.push_back({PooledTrialToX(sum.trials, maximum),
                          GraphFigure::RatioToY(StoredFrequency(sum.hits, sum.trials))});
    }
    for (std::size_t i = 1; i < points.size(); ++i) {
        steps.push_back(Line(points[i - 1], points[i], ClassColour));
    }
    for (const UserPoint& point : points) {
        AddMarkedPoint(steps, point);
    }
    return steps;
}

float CheckpointX(std::size_t checkpoint) {
    return FirstColumnX + ColumnSpacing * static_cast<float>(checkpoint);
}

std::vector<Step> SpreadSteps(const RatiosByCheckpoint& ratios) {
    std::vector<Step> steps;
    std::size_t dots = 0;
    for (const std::span<const double> column : ratios) {
        dots += column.size();
    }
    // A point and a mark of two lines per dot; the axes, ticks, labels and bars.
    steps.reserve(3 * dots + FixedSteps);
    GraphFigure::AddRatioAxes(steps);
    for (std::size_t i = 0; i < Checkpoints.size(); ++i) {
        AddXTick(steps, CheckpointX(i), TextView(CheckpointLabels[i]));
    }
    steps.push_back(Text(YCaptionAt, GraphFigure::YAxisCaption));
    steps.push_back(Text(SpreadXCaptionAt, GraphFigure::XAxisCaption));
    AddTheoryLine(steps);

    // Equal ratios lie side by side, closer where many are equal, at one
    // spacing for every column so that their lengths compare.
    std::array<std::vector<double>, Checkpoints.size()> sorted;
    std::size_t longestRun = 1;
    for (std::size_t i = 0; i < Checkpoints.size(); ++i) {
        sorted[i].assign(ratios[i].begin(), ratios[i].end());
        std::sort(sorted[i].begin(), sorted[i].end());
        for (std::size_t start = 0; start < sorted[i].size();) {
            const auto end = static_cast<std::size_t>(
                std::upper_bound(sorted[i].begin(), sorted[i].end(), sorted[i][start]) -
                sorted[i].begin());
            longestRun = std::max(longestRun, end - start);
            start = end;
        }
    }
    const float spacing = std::min(DotSpacing, DotsRoom / static_cast<float>(longestRun));

    for (std::size_t i = 0; i < Checkpoints.size(); ++i) {
        const float x = CheckpointX(i);
        const float barX = x - BarOffset;
        const SpreadBand band = SpreadBandAt(Checkpoints[i]);
        const float lowY = ClippedRatioY(band.low);
        const float highY = ClippedRatioY(band.high);
        steps.push_back(Line({barX, lowY}, {barX, highY}, GraphFigure::SpreadColour));
        for (const float y : {lowY, highY}) {
            steps.push_back(Line({barX - BarEndHalfWidth, y}, {barX + BarEndHalfWidth, y},
                                 GraphFigure::SpreadColour));
        }
        std::size_t beside = 0;
        for (std::size_t j = 0; j < sorted[i].size(); ++j) {
            beside = j > 0 && sorted[i][j] == sorted[i][j - 1] ? beside + 1 : 0;
            AddMarkedPoint(steps, {x + DotsGap + spacing * static_cast<float>(beside),
                                   GraphFigure::RatioToY(static_cast<float>(sorted[i][j]))});
        }
    }
    return steps;
}

std::string PooledDescription(std::string_view lines, std::string_view trials,
                              std::string_view ratio, std::string_view theory) {
    std::string text;
    if (!ratio.empty()) {
        text.append("クラス全体 ").append(lines).append(" 行、").append(trials);
        text.append(" 回、割合 ").append(ratio).append("、");
    }
    return text.append("理論上の確率 ").append(theory);
}

std::string SpreadDescription(std::span<const CheckpointSummary> reached) {
    if (reached.empty()) {
        return std::string(NoCheckpoints);
    }
    std::string text;
    for (const CheckpointSummary& summary : reached) {
        text.append(summary.trial).append(" 回目まで ").append(summary.lines).append(" 行、最低 ");
        text.append(summary.lowest).append("、最高 ").append(summary.highest).append("。");
    }
    return text;
}

} // namespace ClassFigures
