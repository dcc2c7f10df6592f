#pragma once

#include "design/graph_figure.h"
#include "engine/checkpoints.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The class window's two figures, drawn in the graph's style (its ratio axis,
// the dashed line at 0.30, its palette) as lists of the graph's drawing steps:
// the pooled frequency as the lines add up, and each checkpoint's spread.
namespace ClassFigures {

// Ratios down as in the graph; across, room right of the x axis for the
// label of its last tick.
inline constexpr UserScale PooledScale{0.0f, 0.0f, 1200.0f, 120.0f};
// Ratios down as in the graph; a column per checkpoint across.
inline constexpr UserScale SpreadScale{0.0f, 0.0f, 1100.0f, 120.0f};

// The line at the theoretical probability, and the class's own marks.
inline constexpr int TheoryColour = PaletteLightRed;
inline constexpr int ClassColour = PaletteLightBlue;

inline constexpr std::string_view PooledXAxisCaption = "(横軸はクラス全体の実験回数)";

// The pooled counts after each taken line in turn.
struct Cumulative {
    std::int64_t trials = 0;
    std::int64_t hits = 0;
};

// The x axis's end: the smallest of 10, 20, 50, 100, ... up to 10^8 at
// least the trials (10^8 for more); 1000, as in the graph, without trials.
std::int64_t PooledAxisMaximum(std::int64_t trials);
// Where the pooled figure puts a number of trials.
float PooledTrialToX(std::int64_t trials, std::int64_t axisMaximum);

// A point per line at its cumulative trials and the pooled frequency so far,
// joined by lines and each marked; the line at the theory, and the expected
// spread for the cumulative trials around it.
std::vector<GraphFigure::Step> PooledSteps(std::span<const Cumulative> afterEachLine);

// The ratios at each checkpoint of the lines that reached it.
using RatiosByCheckpoint = std::array<std::span<const double>, Checkpoints.size()>;
// Where a checkpoint's column stands.
float CheckpointX(std::size_t checkpoint);
// A dot per line at its ratio in its checkpoint's column, equal ratios side
// by side, and the expected spread at that number of trials left of it.
std::vector<GraphFigure::Step> SpreadSteps(const RatiosByCheckpoint& ratios);

// What the figures show, in words for a screen reader: "クラス全体 35 行、
// 35000 回、割合 0.3077429、理論上の確率 0.3076923"; before any line is
// taken, the theory alone.
std::string PooledDescription(std::string_view lines, std::string_view trials,
                              std::string_view ratio, std::string_view theory);
// Each checkpoint reached: "10 回目まで 35 行、最低 0.1000000、最高
// 0.6000000。"; NoCheckpoints while no line gives one.
struct CheckpointSummary {
    std::string trial;
    std::string lines;
    std::string lowest;
    std::string highest;
};
inline constexpr std::string_view NoCheckpoints = "回数ごとの記録がある行はまだありません。";
std::string SpreadDescription(std::span<const CheckpointSummary> reached);

} // namespace ClassFigures
