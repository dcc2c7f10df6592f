#pragma once

#include "design/units.h"

#include <array>
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

struct Label {
    const char* caption; // empty: written at run time
    TwipsRect rect;
    bool bold;
    Rgb back;
    TextColour text;
    Border border;
};

// Indexed Label1..Label13 (element 0 is Label1).
inline constexpr Label Labels[] = {
    {"引いた３の倍数のカード枚数",
     {240, 1920, 4215, 375},
     true,
     Colours::White,
     TextColour::ButtonText,
     Border::Sunken},
    {"引いた全カード枚数",
     {240, 2400, 4215, 375},
     true,
     Colours::White,
     TextColour::ButtonText,
     Border::Sunken},
    {"", {4560, 2400, 1215, 375}, true, Colours::White, TextColour::Red, Border::Sunken},
    {"", {4560, 1920, 1215, 375}, true, Colours::White, TextColour::Red, Border::Sunken},
    {"≒", {5880, 2160, 495, 375}, true, Colours::White, TextColour::ButtonText, Border::Sunken},
    {"", {6480, 2160, 1815, 375}, true, Colours::White, TextColour::Red, Border::Sunken},
    {"", {6480, 960, 1815, 375}, false, Colours::White, TextColour::WindowText, Border::Flat},
    {"≒", {5880, 960, 495, 375}, false, Colours::White, TextColour::WindowText, Border::Flat},
    {"16", {4560, 720, 1215, 375}, false, Colours::White, TextColour::WindowText, Border::Flat},
    {"52", {4560, 1200, 1215, 375}, false, Colours::White, TextColour::WindowText, Border::Flat},
    {"トランプカードの全枚数",
     {240, 1200, 4215, 375},
     false,
     Colours::White,
     TextColour::WindowText,
     Border::Flat},
    {"３の倍数のカードの全枚数",
     {240, 720, 4215, 375},
     false,
     Colours::White,
     TextColour::WindowText,
     Border::Flat},
    {"３の倍数のトランプカード",
     {2160, 0, 4215, 375},
     true,
     Colours::PaleYellow,
     TextColour::WindowText,
     Border::Flat},
};
inline constexpr int LabelCount = 13;
// The label that is the window's heading.
inline constexpr int HeadingLabel = 13;
// The labels row by row, top to bottom and left to right: the order in which
// a screen reader reads the window.
inline constexpr std::array<int, LabelCount> ReadingOrder = {13, 12, 9, 11, 10, 8, 7,
                                                             1,  4,  2, 3,  5,  6};

// The label each number box of the rules shows, in the order trials, hits,
// frequency, theory.
inline constexpr std::array<int, 4> NumberLabels = {3, 4, 6, 7};

// What a number label stands for, as a screen reader and the results' header
// name it: the caption beside it, or for the two quotients what they are.
// Empty for the labels that show no number.
constexpr std::string_view RowName(int label) {
    switch (label) {
    case 3:
        return Labels[1].caption;
    case 4:
        return Labels[0].caption;
    case 6:
        return "３の倍数のカードを引いた割合";
    case 7:
        return "理論上の確率";
    case 9:
        return Labels[11].caption;
    case 10:
        return Labels[10].caption;
    default:
        return {};
    }
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
