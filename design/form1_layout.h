#pragma once

#include "design/units.h"

#include <array>
#include <iterator>
#include <string_view>

// The main window as designed, in twips from the client area's top-left corner.
namespace Form1Layout {

inline constexpr int ClientWidth = 8520;
inline constexpr int ClientHeight = 5265;
inline constexpr const char* Title = " ３の倍数のトランプカード";

struct Button {
    const char* caption;
    TwipsRect rect;
    FontSpec font;
};

inline constexpr FontSpec Regular1125{11.25, false};
inline constexpr FontSpec Bold1125{11.25, true};
inline constexpr FontSpec Bold12{12, true};

// Indexed Command1..Command8 (element 0 is Command1); this is also the tab
// order, in which only enabled buttons take the focus.
inline constexpr Button Buttons[] = {
    {"トランプを引く", {5520, 3960, 2175, 495}, Bold12},
    {"トランプをきる", {5520, 3360, 2175, 495}, Bold12},
    {"終了", {0, 0, 855, 375}, WindowFont},
    {"自動 Start", {840, 3120, 2175, 495}, Bold12},
    {"自動 Stop", {840, 3720, 2175, 495}, Bold12},
    {"初期化", {7680, 0, 855, 375}, Regular1125},
    {"グラフ表示", {840, 4440, 2175, 375}, Bold1125},
    {"HELP", {6840, 0, 855, 375}, Regular1125},
};

inline constexpr double LabelPointSize = 15.75;

// The desktop's theme colours for text, or the designed red.
enum class TextColour { WindowText, ButtonText, Red };
// Sunken: a 3-D edge 2 pixels wide; flat: a plain 1-pixel line.
enum class Border { Sunken, Flat };

// What the number rows stand for, as a screen reader and the results' header
// name them: the caption beside the box, or for the two quotients what they are.
inline constexpr const char* TrialsRow = "引いた全カード枚数";
inline constexpr const char* HitsRow = "引いた３の倍数のカード枚数";
inline constexpr const char* FrequencyRow = "３の倍数のカードを引いた割合";
inline constexpr const char* TheoryRow = "理論上の確率";
inline constexpr const char* HitsInDeckRow = "３の倍数のカードの全枚数";
inline constexpr const char* DeckRow = "トランプカードの全枚数";
// For the labels that show no number.
inline constexpr const char* NoRow = "";

struct Label {
    const char* caption; // empty: written at run time
    TwipsRect rect;
    bool bold;
    Rgb back;
    TextColour text;
    Border border;
    // The row a number box stands for; empty for the labels that show no number.
    const char* rowName;
};

// Indexed Label1..Label13 (element 0 is Label1).
inline constexpr Label Labels[] = {
    {HitsRow,
     {240, 1920, 4215, 375},
     true,
     Colours::White,
     TextColour::ButtonText,
     Border::Sunken,
     NoRow},
    {TrialsRow,
     {240, 2400, 4215, 375},
     true,
     Colours::White,
     TextColour::ButtonText,
     Border::Sunken,
     NoRow},
    {"", {4560, 2400, 1215, 375}, true, Colours::White, TextColour::Red, Border::Sunken, TrialsRow},
    {"", {4560, 1920, 1215, 375}, true, Colours::White, TextColour::Red, Border::Sunken, HitsRow},
    {"≒",
     {5880, 2160, 495, 375},
     true,
     Colours::White,
     TextColour::ButtonText,
     Border::Sunken,
     NoRow},
    {"",
     {6480, 2160, 1815, 375},
     true,
     Colours::White,
     TextColour::Red,
     Border::Sunken,
     FrequencyRow},
    {"",
     {6480, 960, 1815, 375},
     false,
     Colours::White,
     TextColour::WindowText,
     Border::Flat,
     TheoryRow},
    {"≒",
     {5880, 960, 495, 375},
     false,
     Colours::White,
     TextColour::WindowText,
     Border::Flat,
     NoRow},
    {"16",
     {4560, 720, 1215, 375},
     false,
     Colours::White,
     TextColour::WindowText,
     Border::Flat,
     HitsInDeckRow},
    {"52",
     {4560, 1200, 1215, 375},
     false,
     Colours::White,
     TextColour::WindowText,
     Border::Flat,
     DeckRow},
    {DeckRow,
     {240, 1200, 4215, 375},
     false,
     Colours::White,
     TextColour::WindowText,
     Border::Flat,
     NoRow},
    {HitsInDeckRow,
     {240, 720, 4215, 375},
     false,
     Colours::White,
     TextColour::WindowText,
     Border::Flat,
     NoRow},
    {"３の倍数のトランプカード",
     {2160, 0, 4215, 375},
     true,
     Colours::PaleYellow,
     TextColour::WindowText,
     Border::Flat,
     NoRow},
};
inline constexpr int LabelCount = static_cast<int>(std::size(Labels));
// The label that is the window's heading.
inline constexpr int HeadingLabel = 13;
// The labels row by row, top to bottom and left to right: the order in which
// a screen reader reads the window.
inline constexpr std::array<int, LabelCount> ReadingOrder = {13, 12, 9, 11, 10, 8, 7,
                                                             1,  4,  2, 3,  5,  6};

// The label each number box of the rules shows, in the order trials, hits,
// frequency, theory.
inline constexpr std::array<int, 4> NumberLabels = {3, 4, 6, 7};

// The row a label's number stands for; empty for the labels that show no number.
constexpr std::string_view RowName(int label) {
    return Labels[label - 1].rowName;
}

// Whether a label is the caption of a number row: its box names the row
// already, so a screen reader passes the caption by rather than hear it twice.
constexpr bool CaptionOfARow(int label) {
    const std::string_view caption = Labels[label - 1].caption;
    for (const Label& other : Labels) {
        if (!caption.empty() && caption == other.rowName) {
            return true;
        }
    }
    return false;
}

// All 52 pictures share one rectangle; the picture is stretched to fill it.
inline constexpr TwipsRect Card{3720, 3120, 1095, 1575};
// Each card picture's own size, in pixels.
inline constexpr int CardPictureWidth = 69;
inline constexpr int CardPictureHeight = 93;

// A horizontal rule across the client area, under the top row of buttons.
inline constexpr int Line1Y = 360;

inline constexpr int TimerIntervalMs = 1;

} // namespace Form1Layout
