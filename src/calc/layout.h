#pragma once
// The window's layout table: client-area pixels at the base client width (extra width 0).
// Values marked "+ half extra" or "+ extra" grow with CxSize where the window is wider.

#include <array>
#include <cstdint>

namespace layout {
inline constexpr int16_t kBaseClientWidth = 625;
inline constexpr int16_t kClientHeight = 290;
inline constexpr int16_t kNormalFontHeight = -12;
inline constexpr int16_t kBoldFontHeight = -13;
inline constexpr int16_t kScaleNameX = 27;
inline constexpr int16_t kLeftColumnX = 30;
inline constexpr int16_t kLeftColumnRightX = 89;
inline constexpr int16_t kHairlineColumnX = 218;       // + half extra
inline constexpr int16_t kHairlineColumnRightX = 277;  // + half extra
inline constexpr int16_t kHairlineX = 345;             // + half extra
inline constexpr int16_t kCursorRightX = 417;          // + half extra
inline constexpr int16_t kRightColumnX = 546;          // + extra
inline constexpr int16_t kRightColumnRightX = 605;     // + extra
inline constexpr int16_t kBarLabelX = 12;
inline constexpr int16_t kReverseButtonLeftX = 95;
inline constexpr int16_t kReverseButtonRightX = 145;
inline constexpr int16_t kBarLeftX = 160;
inline constexpr int16_t kBarRightX = 530;         // + extra
inline constexpr int16_t kHomeButtonLeftX = 545;   // + extra
inline constexpr int16_t kHomeButtonRightX = 605;  // + extra
inline constexpr int16_t kFaceTopY = 40;
inline constexpr int16_t kSlideTopY = 73;
inline constexpr int16_t kSlideBottomY = 141;
inline constexpr int16_t kFaceBottomY = 174;
inline constexpr std::array<int16_t, 8> kRowY = {41, 57, 75, 91, 107, 124, 142, 158};
inline constexpr int16_t kSlideLabelY = 192;
inline constexpr int16_t kCursorLabelY = 229;
inline constexpr int16_t kSlideBarTopY = 186;
inline constexpr int16_t kCursorBarTopY = 223;
inline constexpr int16_t kBarHeight = 29;
inline constexpr std::array<int16_t, 3> kScaleLineY = {92, 119, 119};
inline constexpr int16_t kAngleFigureOffset = -3;
inline constexpr int16_t kFigureOffsetAbove = -3;
inline constexpr int16_t kFigureOffsetBelow = 13;
inline constexpr int16_t kPaintOffset = -20;
inline constexpr std::array<int16_t, 4> kLogTickLengths = {3, 5, 7, 9};
inline constexpr std::array<int16_t, 3> kAngleTickLengths = {3, 5, 7};
inline constexpr int16_t kEditBoxLeftX = 71;
inline constexpr int16_t kEditBoxTopY = 2;

// Decade lengths in pixels.
inline constexpr int16_t kScaleLength = 2100;
inline constexpr int16_t kADecadeLength = 1050;
inline constexpr int16_t kKDecadeLength = 700;

// The off-screen canvas of the whole face.
inline constexpr int kCanvasWidth = 2501;
inline constexpr int kCanvasHeight = kFaceBottomY - kFaceTopY + 2;  // 136
}  // namespace layout
