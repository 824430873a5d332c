// Position model and the pixel columns.
#include "calc/position.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace calc;

TEST(CalcPosition, LandmarksAreWholeStepsOfThreeHundredUnits)
{
    EXPECT_EQ(kDecade, 6300000);
    EXPECT_EQ(kHome, 3150000);
    EXPECT_EQ(kLeftIndexLimit, 3750000);
    EXPECT_EQ(kRightIndexLimit, 2550000);
    EXPECT_EQ(kFoldFactor, std::sqrt(10.0));
    EXPECT_EQ(kDegreesPerRadian, 180 / 3.141592653);
    EXPECT_EQ(kRadiansPerDegree, 3.141592653 / 180);
}

TEST(CalcPosition, ReduceBringsAPositiveNumberIntoOneDecade)
{
    struct Case { double x, reduced; };
    const Case cases[] = {
        {2.5, 2.5}, {250, 2.5}, {0.025, 2.5}, {1, 1}, {10, 1}, {9.99, 9.99}, {1000, 1}, {0.5, 5},
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(reduce(c.x), c.reduced) << c.x;
}

TEST(CalcPosition, SlideOffsetReadingPositionAndBars)
{
    struct Case { int32_t slide, cursor, offset, reading, slideBar; };
    const Case cases[] = {
        {3150000, 3150000, 0, 3150000, 3150000},
        {5046489, 1896489, -1896489, 3792978, 1253511},  // C's 10 over D's 5
        {0, 0, 3150000, -3150000, 6300000},
        {6300000, 6300000, -3150000, 9450000, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(slideOffset(c.slide), c.offset);
        EXPECT_EQ(slideReadingPosition(c.slide, c.cursor), c.reading);
        EXPECT_EQ(slideBarPosition(c.slide), c.slideBar);
        EXPECT_EQ(slidePositionFromBar(c.slideBar), c.slide);
    }
}

TEST(CalcPosition, PixelColumnsRoundHalfAwayFromZero)
{
    // the edge cases.
    struct Case { int32_t slide, shift, leftFollow, rightFollow; };
    const Case cases[] = {
        {3150000, 0, 0, 0},
        {3058500, -30, 0, 0},  // 1019.5 goes up to 1020
        {3058499, -31, -1, 0},
        {3241499, 30, 0, 0},
        {3241500, 31, 0, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(slideShift(c.slide), c.shift) << c.slide;
        EXPECT_EQ(leftFollow(c.slide), c.leftFollow) << c.slide;
        EXPECT_EQ(rightFollow(c.slide), c.rightFollow) << c.slide;
    }
    EXPECT_EQ(cursorColumn(3150000), 1050);
    EXPECT_EQ(readingColumn(3150000, 3150000), 1050);
    EXPECT_EQ(nearestPixel(-1500), -1);
    EXPECT_EQ(nearestPixel(-1499), 0);
    EXPECT_EQ(nearestPixel(-4500), -2);
    EXPECT_EQ(readingColumn(-90000, -90000), -1110);
}

TEST(CalcPosition, EffectiveItemTurnsTheSlideRowsEndForEnd)
{
    struct Case { int focused, slideRev, effective; };
    const Case cases[] = {
        {7, 3, 10}, {8, 3, 9}, {9, 3, 8}, {10, 3, 7}, {6, 3, 6}, {11, 3, 11},
        {7, 1, 7}, {10, 0, 10}, {3, 3, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(effectiveItem(c.focused, c.slideRev), c.effective) << c.focused << " " << c.slideRev;
}

TEST(CalcPosition, EligibleItemsNeedTheirPartAndAReading)
{
    for (int item = 0; item <= 17; ++item) {
        const bool slide = (item >= 1 && item <= 4) || (item >= 7 && item <= 10) || (item >= 13 && item <= 16);
        const bool cursor = item >= 5 && item <= 12;
        EXPECT_EQ(isSlideEligible(item, 2.0), slide) << item;
        EXPECT_EQ(isCursorEligible(item, 2.0), cursor) << item;
        EXPECT_FALSE(isSlideEligible(item, kNoValue)) << item;
        EXPECT_FALSE(isCursorEligible(item, kNoValue)) << item;
    }
}

TEST(CalcPosition, IndexAvailabilityAndFocusFollowAtTheLimits)
{
    // Edge cases of the columns and follows.
    struct Case { int32_t slide; bool left, right; int focused, after; };
    const Case cases[] = {
        {2549999, true, false, 14, 2},
        {2549999, true, false, 13, 1},
        {2550000, true, false, 14, 14},  // dashes already, focus stays
        {2550001, true, true, 16, 16},
        {3749999, true, true, 1, 1},
        {3750000, false, true, 1, 1},  // dashes already, focus stays
        {3750001, false, true, 1, 13},
        {3750001, false, true, 4, 16},
        {3750001, false, true, 5, 5},
        {2549999, true, false, 12, 12},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(leftIndexAvailable(c.slide), c.left) << c.slide;
        EXPECT_EQ(rightIndexAvailable(c.slide), c.right) << c.slide;
        EXPECT_EQ(focusAfterFollow(c.slide, c.focused), c.after) << c.slide << " " << c.focused;
    }
}
