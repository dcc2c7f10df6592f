#pragma once

#include "platform/twips.h"

#include <QRgb>

// The main window as designed, in twips from the client area's top-left corner.
namespace Form1Layout {

inline constexpr int ClientWidth = 8520;
inline constexpr int ClientHeight = 5265;
inline constexpr const char* Title = " ３の倍数のトランプカード";

enum class FontStyle { WindowDefault, Regular1125, Bold1125, Bold12 };

struct Button {
    const char* caption;
    TwipsRect rect;
    FontStyle font;
};

// Indexed Command1..Command8 (element 0 is Command1).
inline constexpr Button Buttons[] = {
    {"トランプを引く", {5520, 3960, 2175, 495}, FontStyle::Bold12},
    {"トランプをきる", {5520, 3360, 2175, 495}, FontStyle::Bold12},
    {"終了", {0, 0, 855, 375}, FontStyle::WindowDefault},
    {"自動 Start", {840, 3120, 2175, 495}, FontStyle::Bold12},
    {"自動 Stop", {840, 3720, 2175, 495}, FontStyle::Bold12},
    {"初期化", {7680, 0, 855, 375}, FontStyle::Regular1125},
    {"グラフ表示", {840, 4440, 2175, 375}, FontStyle::Bold1125},
    {"HELP", {6840, 0, 855, 375}, FontStyle::Regular1125},
};

inline constexpr double LabelPointSize = 15.75;

enum class TextColour { WindowText, ButtonText, Red };
enum class Border { Sunken, Flat };

inline constexpr QRgb White = qRgb(255, 255, 255);
inline constexpr QRgb PaleYellow = qRgb(255, 255, 192);
inline constexpr QRgb Red = qRgb(255, 0, 0);

struct Label {
    const char* caption; // empty: written at run time
    TwipsRect rect;
    bool bold;
    QRgb back;
    TextColour text;
    Border border;
};

// Indexed Label1..Label13 (element 0 is Label1).
inline constexpr Label Labels[] = {
    {"引いた３の倍数のカード枚数",
     {240, 1920, 4215, 375},
     true,
     White,
     TextColour::ButtonText,
     Border::Sunken},
    {"引いた全カード枚数",
     {240, 2400, 4215, 375},
     true,
     White,
     TextColour::ButtonText,
     Border::Sunken},
    {"", {4560, 2400, 1215, 375}, true, White, TextColour::Red, Border::Sunken},
    {"", {4560, 1920, 1215, 375}, true, White, TextColour::Red, Border::Sunken},
    {"≒", {5880, 2160, 495, 375}, true, White, TextColour::ButtonText, Border::Sunken},
    {"", {6480, 2160, 1815, 375}, true, White, TextColour::Red, Border::Sunken},
    {"", {6480, 960, 1815, 375}, false, White, TextColour::WindowText, Border::Flat},
    {"≒", {5880, 960, 495, 375}, false, White, TextColour::WindowText, Border::Flat},
    {"16", {4560, 720, 1215, 375}, false, White, TextColour::WindowText, Border::Flat},
    {"52", {4560, 1200, 1215, 375}, false, White, TextColour::WindowText, Border::Flat},
    {"トランプカードの全枚数",
     {240, 1200, 4215, 375},
     false,
     White,
     TextColour::WindowText,
     Border::Flat},
    {"３の倍数のカードの全枚数",
     {240, 720, 4215, 375},
     false,
     White,
     TextColour::WindowText,
     Border::Flat},
    {"３の倍数のトランプカード",
     {2160, 0, 4215, 375},
     true,
     PaleYellow,
     TextColour::WindowText,
     Border::Flat},
};

// All 52 pictures share one rectangle; the picture is stretched to fill it.
inline constexpr TwipsRect Card{3720, 3120, 1095, 1575};

// A horizontal rule across the client area, under the top row of buttons.
inline constexpr int Line1Y = 360;

inline constexpr int TimerIntervalMs = 1;

} // namespace Form1Layout
