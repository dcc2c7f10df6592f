#pragma once

#include "pooling/class_pool.h"

#include <string>
#include <string_view>

// What the pooling tells its user, in Japanese. Templates take their numbers
// in the order %1, %2, %3, %4.
namespace PoolingTexts {

// %1 is the size limit, e.g. "1MB".
inline constexpr std::string_view TooLarge =
    "貼り付けた文章が%1を超えているので、読み取りませんでした。";
// A file is read whole into the text box, so it has the text's limit.
inline constexpr std::string_view FileTooLarge = "ファイルが%1を超えているので、開きませんでした。";
inline constexpr std::string_view FileUnreadable = "ファイルを読み込めませんでした。";
inline constexpr std::string_view Taken = "%1行目：読み取りました（%2回、３の倍数 %3枚）。";
inline constexpr std::string_view SameAsEarlier =
    "%1行目と同じ内容です。二重に貼り付けていないか確かめてください。";
inline constexpr std::string_view PassedOver = "%1行目：数がないので見出しとして飛ばしました。";
inline constexpr std::string_view Refused = "%1行目：読み取れません。";

// The reasons, each about the column it names (%1) and the checkpoints'
// trials (%2 the checkpoint's, %3 the one before it).
inline constexpr std::string_view ColumnCount =
    "列の数（%1）が合いません。「回数 "
    "枚数」の2つか、このプログラムの結果の行を貼り付けてください。";
inline constexpr std::string_view NotWholeNumber = "%1が整数ではありません。";
inline constexpr std::string_view NotDecimal = "%1が小数（12桁まで）ではありません。";
inline constexpr std::string_view TrialsOutOfRange = "%1が%2から%3の間にありません。";
inline constexpr std::string_view HitsExceedTrials = "%1が引いた回数より多くなっています。";
inline constexpr std::string_view RatioMismatch = "%1が回数と枚数から求めた値と合いません。";
inline constexpr std::string_view TheoryMismatch =
    "%1が%2/%3（%4）ではありません。別の実験の結果かもしれません。";
inline constexpr std::string_view CheckpointNotReached =
    "%2回まで引いていないのに%1が書かれています。";
inline constexpr std::string_view CheckpointAboveTrial = "%1が%2を超えています。";
inline constexpr std::string_view CheckpointBelowEarlier =
    "%1が%3回目までの枚数より少なくなっています。";
inline constexpr std::string_view CheckpointAboveEarlierByMore =
    "%1が%3回目までの枚数より、その間の回数を超えて多くなっています。";
inline constexpr std::string_view CheckpointAboveTotal =
    "%1が全体の３の倍数の枚数より多くなっています。";
inline constexpr std::string_view CheckpointBelowPossible =
    "%1が少なすぎます。残りをすべて３の倍数にしても全体の枚数に届きません。";
inline constexpr std::string_view OverLineLimit =
    "読み取るのは%1行までです。この行から後は読み取りませんでした。";
inline constexpr std::string_view OverReadLimit =
    "空行を除いて%1行まで読みました。この行から後は読み取りませんでした。";

// The columns as the reasons name them; a checkpoint's with its trial as %1.
inline constexpr std::string_view TrialsColumn = "引いた回数";
inline constexpr std::string_view HitsColumn = "３の倍数の枚数";
inline constexpr std::string_view RatioColumn = "割合";
inline constexpr std::string_view TheoryColumn = "理論上の確率";
inline constexpr std::string_view CheckpointColumn = "%1回目までの３の倍数の枚数";

// The class window's totals: the summary's counts and ratio, then the theory;
// before any line is taken, NothingTaken in place of the counts.
inline constexpr std::string_view NothingTaken = "まだ読み取った行がありません";
inline constexpr std::string_view TotalsTheory = "（理論上の確率 %1）";
// A taken line without a label is named by its line number.
inline constexpr std::string_view LineName = "%1行目";

// The screen reader's summary once the results settle, e.g.
// "35人、35000回、３の倍数 10771枚、割合 0.3077429、読めない行 1".
inline constexpr std::string_view SummaryCounts = "%1人、%2回、３の倍数 %3枚";
inline constexpr std::string_view SummaryRatio = "、割合 %1";
inline constexpr std::string_view SummaryRefused = "、読めない行 %1";

// Puts the arguments in place of %1, %2, %3 and %4.
std::string Filled(std::string_view pattern, std::string_view first, std::string_view second = {},
                   std::string_view third = {}, std::string_view fourth = {});

// A number of bytes as a teacher reads it: "1MB", "512KB", "100B".
std::string SizeText(std::size_t bytes);
// The messages made from the limits they name.
std::string TooLargeText();
std::string FileTooLargeText();

// The one answer to a line: taken (with a warning when it repeats an
// earlier line), passed over, or refused with its reason.
std::string AnswerText(const LineAnswer& answer);
// The announcement once the results settle: the counts, the ratio and the
// lines refused; NothingTaken while no line is taken.
std::string SummaryText(const ClassPool& pool);
// The totals as the class window shows them, beside the theory.
std::string TotalsText(const ClassPool& pool);

} // namespace PoolingTexts
