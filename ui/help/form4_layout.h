#pragma once

#include "platform/twips.h"

#include <QRgb>

// The help window as designed, in twips from the client area's top-left corner.
namespace Form4Layout {

inline constexpr const char* Title = " トランプ＿ヘルプ（設問と操作方法）";
inline constexpr int ClientWidth = 8550;
inline constexpr int ClientHeight = 7320;
inline constexpr TwipsRect Command1{7560, 0, 855, 375};
inline constexpr int Line1Left = 120;
inline constexpr int Line1Right = 8400;
inline constexpr int Line1Y = 360;
// Outer rectangle of Picture1, its 3-D border included.
inline constexpr TwipsRect Picture1{120, 480, 8295, 6735};
inline constexpr QRgb Picture1Back = qRgb(255, 255, 255);
inline constexpr double Picture1PointSize = 11.25;

} // namespace Form4Layout
