#include "calc/position.h"

#include <cmath>

namespace calc {

Face faceOf(int slideRev)
{
    if (slideRev == 0)
        return Face::Front;
    return slideRev == 3 ? Face::EndForEnd : Face::Back;
}

double reduce(double x)
{
    if (!(x > 0.0) || !std::isfinite(x))
        return x;
    // At most about 330 rounds each way for any finite double, denormals included.
    while (x < 1.0)
        x *= 10.0;
    while (x >= 10.0)
        x /= 10.0;
    return x;
}

int32_t slideOffset(int32_t slidePos) { return static_cast<int32_t>(int64_t{kHome} - slidePos); }

int32_t slideReadingPosition(int32_t slidePos, int32_t cursorPos)
{
    return static_cast<int32_t>(int64_t{cursorPos} + slidePos - kHome);
}

int32_t slideBarPosition(int32_t slidePos) { return static_cast<int32_t>(int64_t{kDecade} - slidePos); }

int32_t slidePositionFromBar(int32_t barPosition)
{
    return static_cast<int32_t>(int64_t{kDecade} - barPosition);
}

int32_t nearestPixel(int64_t units)
{
    const int64_t half = kUnitsPerPixel / 2;
    const int64_t column = units >= 0 ? (units + half) / kUnitsPerPixel : -((-units + half) / kUnitsPerPixel);
    return static_cast<int32_t>(column);
}

int32_t slideShift(int32_t slidePos) { return nearestPixel(slidePos) - kHomeShiftPixels; }

int32_t cursorColumn(int32_t cursorPos) { return nearestPixel(cursorPos); }

int32_t readingColumn(int32_t slidePos, int32_t cursorPos)
{
    return nearestPixel(int64_t{slidePos} + cursorPos) - kHomeShiftPixels;
}

int32_t leftFollow(int32_t slidePos)
{
    return slidePos < 10200 * kStepFactor ? slideShift(slidePos) + 30 : 0;
}

int32_t rightFollow(int32_t slidePos)
{
    return slidePos > 10800 * kStepFactor ? slideShift(slidePos) - 30 : 0;
}

int effectiveItem(int focusedItem, int slideRev)
{
    if (slideRev == 3 && focusedItem >= 7 && focusedItem <= 10)
        return 17 - focusedItem;
    return focusedItem;
}

bool isSlideItem(int item)
{
    return (item >= 1 && item <= 4) || (item >= 7 && item <= 10) || (item >= 13 && item <= 16);
}

bool isCursorItem(int item) { return item >= 5 && item <= 12; }

bool isSlideEligible(int item, double itemValue) { return isSlideItem(item) && itemValue != kNoValue; }

bool isCursorEligible(int item, double itemValue) { return isCursorItem(item) && itemValue != kNoValue; }

bool leftIndexAvailable(int32_t slidePos) { return slidePos < kLeftIndexLimit; }

bool rightIndexAvailable(int32_t slidePos) { return slidePos > kRightIndexLimit; }

int focusAfterFollow(int32_t slidePos, int focusedItem)
{
    if (slidePos < kRightIndexLimit && focusedItem >= 13 && focusedItem <= 16)
        focusedItem -= 12;
    if (slidePos > kLeftIndexLimit && focusedItem >= 1 && focusedItem <= 4)
        focusedItem += 12;
    return focusedItem;
}

}  // namespace calc
