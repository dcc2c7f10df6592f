#pragma once

#include "engine/deck.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

// The program's own texts beyond the windows' captions: its boxes, its menus,
// and what a screen reader is told.
namespace Texts {

// The message boxes, all titled alike.
inline constexpr std::string_view DialogTitle = "トランプ";
inline constexpr std::string_view ExitQuestion = "終了していいですか？";
inline constexpr std::string_view HistoryFull =
    "これ以上の実験は記録できません。\n"
    "［初期化］ボタンをクリックすると、実験を最初からやり直せます。";
inline constexpr std::string_view Yes = "はい";
inline constexpr std::string_view No = "いいえ";
inline constexpr std::string_view Ok = "OK";

// The context menus: the main window's results and the graph's figure.
inline constexpr std::string_view CopyResults = "結果をコピー";
inline constexpr std::string_view CopyResultsWithHeader = "見出しと結果をコピー";
inline constexpr std::string_view CopyGraph = "グラフをコピー";
// The graph menu's two choices, both off at start.
inline constexpr std::string_view ShowSpread = "ばらつきの目安を表示";
inline constexpr std::string_view ShowEarlier = "前の実験も表示";
// Where a device can hand them to another program (its share sheet).
inline constexpr std::string_view ShareResults = "結果を送る";
inline constexpr std::string_view ShareGraph = "グラフを送る";

// The results' header for the hits counted by a given trial, named in the
// style of the columns before it: "10回目までに引いた３の倍数のカード枚数".
std::string CheckpointColumnName(int trial);

// The suits in the order of the card pictures' blocks of 13.
inline constexpr std::array<std::string_view, SuitsInDeck> SuitNames = {"スペード", "クローバ",
                                                                        "ハート", "ダイヤ"};

// A card picture's name as read out: its suit and its rank, e.g. "スペードの1".
std::string CardName(int card);

// What a screen reader calls a number box: the name of its row followed by
// the number it shows, or the row's name alone while it shows none.
std::string NumberBoxName(std::string_view rowName, std::string_view value);

// What a screen reader is told once, after a card is drawn by hand: the card
// and the new counts, e.g. "ダイヤの11。引いた全カード枚数 5、引いた３の倍数
// のカード枚数 2、割合 0.4000000".
std::string DrawAnnouncement(int card, std::string_view trials, std::string_view hits,
                             std::string_view frequency);
// ... and once when an automatic run ends, by itself or by 自動 Stop.
std::string RunEndAnnouncement(std::string_view trials, std::string_view hits,
                               std::string_view frequency);

// ... and once after 初期化, the counts back at 0: "初期化しました。引いた全
// カード枚数 0、引いた３の倍数のカード枚数 0".
std::string InitialisationAnnouncement(std::string_view trials, std::string_view hits);

// What the graph shows, in words, e.g. "実験回数 1000 回、割合 0.3220000、
// 理論上の確率 0.3076923"; without trials, the theory alone.
std::string GraphDescription(std::string_view trials, std::string_view frequency,
                             std::string_view theory);

// What the graph adds when the user asks for it, each said as one more
// sentence of its description: the expected spread after a number of trials,
// "ばらつきの目安: 0.2785〜0.3369（1000 回）", ...
std::string SpreadSentence(std::string_view low, std::string_view high, std::string_view trials);

struct ExperimentSummary {
    std::string trials;
    std::string frequency;
};
// ... and the earlier experiments, oldest first: "前の実験 2 回分: 1000 回 割合
// 0.3120000、50 回 割合 0.2800000".
std::string EarlierSentence(std::span<const ExperimentSummary> experiments);

// A description with one more sentence at its end.
std::string WithSentence(const std::string& description, std::string_view sentence);

} // namespace Texts
