#pragma once

#include "design/units.h"

#include <string_view>

// The class window, where a teacher pastes every pupil's results line and
// sees them pooled: a text box on the left with the totals, the lines taken
// and the answer to every line below it, the two figures on the right.
namespace Form5Layout {

inline constexpr const char* Title = " クラスの集計";
inline constexpr int ClientWidth = 11700;
inline constexpr int ClientHeight = 9000;

// The buttons along the top, in the keyboard's tab order after the text box.
struct Button {
    const char* caption;
    TwipsRect rect;
};
inline constexpr Button OpenFile{"ファイルを開く...", {120, 0, 1800, 375}};  // Command2
inline constexpr Button CopySummary{"集計をコピー", {2040, 0, 1575, 375}};   // Command3
inline constexpr Button CopyFigures{"グラフをコピー", {3735, 0, 1575, 375}}; // Command4
inline constexpr Button Close{"閉じる", {10680, 0, 975, 375}};               // Command1
// The rule under the buttons, as in the graph and the help window.
inline constexpr int RuleLeft = 0;
inline constexpr int RuleRight = 11670;
inline constexpr int RuleY = 420;

// The caption over the text box, which also names it for a screen reader.
inline constexpr const char* PasteCaption =
    "結果の行をここに貼り付けてください（表計算ソフトからのコピー、CSV、「回数 枚数」）";
// Two lines: the caption wraps at the text box's width.
inline constexpr TwipsRect PasteCaptionRect{120, 480, 4680, 480}; // Label1
inline constexpr TwipsRect PasteBox{120, 960, 4680, 2820};        // Text1
// The totals beside the theoretical probability.
inline constexpr TwipsRect Totals{120, 3900, 4680, 600}; // Label2
// The lines taken, one row each: label (or line number), trials, hits, ratio.
inline constexpr TwipsRect TakenLines{120, 4560, 4680, 2100}; // List1
inline constexpr const char* TakenLinesName = "読み取った行";
// The answer to every non-blank line, in order.
inline constexpr TwipsRect Answers{120, 6780, 4680, 2100}; // List2
inline constexpr const char* AnswersName = "各行の読み取り結果";
// The two figures, each a drawing surface with a sunken border.
inline constexpr TwipsRect PooledSurface{4920, 480, 6660, 4200};  // Picture1
inline constexpr TwipsRect SpreadSurface{4920, 4800, 6660, 4080}; // Picture2
inline constexpr const char* PooledName = "クラス全体の割合の移り変わり";
inline constexpr const char* SpreadName = "回数ごとのばらつき";
inline constexpr FontSpec Font{9, false};

} // namespace Form5Layout

// The class window's texts beyond its captions.
namespace ClassTexts {
// The main window's context menu item that opens it.
inline constexpr std::string_view MenuItem = "クラスの集計...";
inline constexpr std::string_view ShareSummary = "集計を送る";
// The columns of the lines taken, as the table and the copied summary head them.
inline constexpr std::string_view LabelColumn = "名前・行";
inline constexpr std::string_view TrialsColumn = "回数";
inline constexpr std::string_view HitsColumn = "３の倍数";
inline constexpr std::string_view RatioColumn = "割合";
inline constexpr std::string_view TotalsRow = "合計";
// The file box: its title and what it offers.
inline constexpr std::string_view OpenFileTitle = "ファイルを開く";
inline constexpr std::string_view FileFilter = "CSV・TSV・テキスト (*.csv *.tsv *.txt)";
} // namespace ClassTexts
