#pragma once
// Position model of the rule: the unit in which slide and cursor are placed, the
// landmarks, reduce(), the pixel columns, the readout items and the rules that move
// the focused item. Pure functions of plain values; nothing here reads g_settings.

#include <cstdint>

namespace calc {

inline constexpr int32_t kStepFactor = 300;
inline constexpr int32_t kDecade = 21000 * kStepFactor;         // 6 300 000 units, D from 1 to 10
inline constexpr int32_t kHome = 10500 * kStepFactor;           // 3 150 000 units
inline constexpr int32_t kLeftIndexLimit = 12500 * kStepFactor;  // 3 750 000
inline constexpr int32_t kRightIndexLimit = 8500 * kStepFactor;  // 2 550 000
inline constexpr int32_t kPositionMin = -300 * kStepFactor;      // -90 000, limit of the bars
inline constexpr int32_t kPositionMax = 21300 * kStepFactor;     // 6 390 000
inline constexpr int32_t kBarMin = -1000 * kStepFactor;          // the bars' own range
inline constexpr int32_t kBarMax = 22000 * kStepFactor;
inline constexpr int32_t kUnitsPerPixel = 3000;                  // 2100 pixels per decade
inline constexpr int kHomeShiftPixels = 1050;                    // the A decade length in pixels

// sqrt(10.0), the displacement of the folded scales DF, CF, CIF.
inline constexpr double kFoldFactor = 3.1622776601683795;
// pi as the rule takes it, and the two angle factors derived from it.
inline constexpr double kPi = 3.141592653;
inline constexpr double kDegreesPerRadian = 57.29577952383886;     // 180 / 3.141592653
inline constexpr double kRadiansPerDegree = 0.017453292516666667;  // 3.141592653 / 180

// The readouts' no-value mark: the item has no reading (the panel shows dashes).
inline constexpr double kNoValue = -99.0;

// Slide face of SlideRev: 0 front, 1 back, 3 back end for end. The value 2 never occurs;
// any value other than 0 and 3 is taken as the back face.
enum class Face { Front, Back, EndForEnd };
Face faceOf(int slideRev);

// While below 1 multiply by 10, then while 10 or more divide by 10: a positive finite number
// lands in [1, 10) exactly as the rule's loop gives it. Zero, negatives, NaN and infinities are
// returned unchanged (the loop would never end for them; callers refuse them before).
double reduce(double x);

// Slide offset: the D position under the slide's left index, 3 150 000 - SlidePos.
int32_t slideOffset(int32_t slidePos);
// Slide reading position: the slide place under the hairline, CursorPos + SlidePos - 3 150 000.
int32_t slideReadingPosition(int32_t slidePos, int32_t cursorPos);
// Bar positions: the slide bar shows 6 300 000 - SlidePos, the cursor bar CursorPos.
int32_t slideBarPosition(int32_t slidePos);
int32_t slidePositionFromBar(int32_t barPosition);

// Pixel columns: nearest(q / 3000), a half going away from zero.
int32_t nearestPixel(int64_t units);
int32_t slideShift(int32_t slidePos);                        // nearest(SlidePos/3000) - 1050
int32_t cursorColumn(int32_t cursorPos);                     // nearest(CursorPos/3000)
int32_t readingColumn(int32_t slidePos, int32_t cursorPos);  // nearest((S+C)/3000) - 1050
int32_t leftFollow(int32_t slidePos);   // slide shift + 30 when SlidePos < 3 060 000, else 0
int32_t rightFollow(int32_t slidePos);  // slide shift - 30 when SlidePos > 3 240 000, else 0

// Effective item: 17 - item for the hairline slide items 7-10 on the end-for-end face.
int effectiveItem(int focusedItem, int slideRev);

// Items whose reading depends on the slide (1-4, 7-10, 13-16) or that lie under the hairline
// (5-12); eligible also needs a reading (value not the no-value mark).
bool isSlideItem(int item);
bool isCursorItem(int item);
bool isSlideEligible(int item, double itemValue);
bool isCursorEligible(int item, double itemValue);

// Index availability: left index while SlidePos < 3 750 000, right index while > 2 550 000.
bool leftIndexAvailable(int32_t slidePos);
bool rightIndexAvailable(int32_t slidePos);

// Focus follow rule (start of every paint): the focused item after the rule.
int focusAfterFollow(int32_t slidePos, int focusedItem);

}  // namespace calc
