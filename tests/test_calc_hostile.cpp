// Hostile inputs for every pure function of src/calc: each returns (never loops), stays inside
// its buffer, and a number that is not finite is refused by move to value (design.md).
#include "calc/conversions.h"
#include "calc/move_to_value.h"
#include "calc/number_format.h"
#include "calc/position.h"
#include "calc/readout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace calc;

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kDenormal = std::numeric_limits<double>::denorm_min();

const double kHostileNumbers[] = {
    0.0, -0.0, -1.0, -3.5, kNaN, kInf, -kInf, 1e308, -1e308, std::numeric_limits<double>::max(),
    1e-308, kDenormal, -kDenormal, 2147483648.0, -2147483649.0, 9007199254740993.0, 1e20, 0.9999995,
};
}  // namespace

TEST(CalcHostile, ReduceAlwaysReturns)
{
    for (double x : kHostileNumbers) {
        const double r = reduce(x);
        if (x > 0 && std::isfinite(x)) {
            EXPECT_GE(r, 1.0) << x;
            EXPECT_LT(r, 10.0) << x;
        } else if (std::isnan(x)) {
            EXPECT_TRUE(std::isnan(r));
        } else {
            EXPECT_EQ(r, x);  // zero, negatives and infinities come back unchanged
        }
    }
}

TEST(CalcHostile, FormatStaysInItsBuffer)
{
    for (double x : kHostileNumbers) {
        for (int mode = -1; mode <= 6; ++mode) {
            const QString text = format(x, mode);
            EXPECT_LE(text.size(), kFormatBufferSize - 1) << x << " mode " << mode;
            if (mode == 0 || mode == 1) {
                EXPECT_EQ(text.size(), 7) << x << " mode " << mode;
            }
            if (mode < 0 || mode > 5) {
                EXPECT_TRUE(text.isEmpty());
            }
        }
    }
    // The fraction of a whole number too large for the loop of modes 2 and 3 is 0.
    EXPECT_EQ(format(1e20, 2), QStringLiteral(".000000"));
    EXPECT_EQ(format(-1e300, 3), QStringLiteral("0.000000"));
    EXPECT_EQ(format(0.0, 1), QStringLiteral("0.00000"));
}

TEST(CalcHostile, ZeroRoundAlwaysReturns)
{
    const int items[] = {11, 2, 9, 10};  // modes 0, 1, 3 (back) and 4 (back)
    for (double x : kHostileNumbers) {
        for (int item : items) {
            for (int n : {0, 1, 3, 40})
                (void)zeroRound(x, n, item, 1, 0);
        }
    }
    // n beyond the digits of the text clears them all.
    EXPECT_EQ(zeroRound(3.1622776601683795, 40, 11, 0, 0), 0.0);
}

TEST(CalcHostile, ParseTakesAnyText)
{
    struct Case { QString text; double value; };
    const QString thousandDigits = QString(1000, u'7');
    const QString tinyNumber = "0." + QString(1000, u'0') + "1";
    const Case cases[] = {
        {"", 0}, {"   ", 0}, {"--5", 0}, {"+-5", 0}, {"こんにちは", 0}, {"２．５", 0},
        {"1e999", kInf}, {"-1e999", -kInf}, {"1e99999999999999999999", kInf}, {"1e-999", 0},
        {"inf", kInf}, {"-INF", -kInf}, {"Infinity", kInf}, {thousandDigits, kInf}, {tinyNumber, 0},
        {"1" + QString(300, u'0'), 1e300}, {"4.9406564584124654e-324", kDenormal}, {"0e999999", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parse(c.text), c.value) << c.text.left(40).toStdString();
    EXPECT_TRUE(std::isnan(parse(u"nan")));
    EXPECT_TRUE(std::isnan(parse(u"-NaN(123)")));
    // A text cut in the middle of a number is read only up to its end.
    EXPECT_EQ(parse(QStringView(u"1e999").left(3)), 1e9);
}

TEST(CalcHostile, MoveRefusesWhatIsNotFiniteAndNothingMoves)
{
    const int items[] = {11, 5, 6, 12, 2, 7, 8, 9, 10, 3};
    for (const char16_t* text : {u"1e999", u"-1e999", u"inf", u"nan"}) {
        for (int16_t slideRev : {0, 1, 3}) {
            for (int item : items) {
                MoveRequest r;
                r.value = parse(QStringView(text));
                r.focusedItem = static_cast<int16_t>(item);
                r.slideRev = slideRev;
                const MoveResult result = moveToValue(r);
                EXPECT_EQ(result.error, MoveError::Overflow) << item;
                EXPECT_EQ(result.barPosition, -1);
                EXPECT_FALSE(result.applied);
                EXPECT_EQ(result.status, QStringLiteral("Slide Rule overflow error."));
            }
        }
    }
    // Finite numbers whose mantissa overflows: 1e308 on DF (times the square root of 10) and a
    // huge angle.
    MoveRequest df;
    df.value = 1e308;
    df.focusedItem = 6;
    EXPECT_EQ(moveToValue(df).error, MoveError::Overflow);
    MoveRequest angle;
    angle.value = 1e308;
    angle.focusedItem = 10;
    angle.slideRev = 1;
    EXPECT_EQ(moveToValue(angle).barPosition, -1);
}

TEST(CalcHostile, MoveLandsInRangeForAnyFiniteNumberAndPosition)
{
    const int32_t positions[] = {std::numeric_limits<int32_t>::min(), -90000, 0, 3150000, 6390000,
                                 std::numeric_limits<int32_t>::max()};
    for (double x : kHostileNumbers) {
        for (int16_t slideRev : {0, 1, 3}) {
            for (int16_t item = 0; item <= 17; ++item) {
                for (int32_t position : positions) {
                    for (MovePart target : {MovePart::Slide, MovePart::Cursor}) {
                        MoveRequest r;
                        r.value = x;
                        r.target = target;
                        r.focusedItem = item;
                        r.slideRev = slideRev;
                        r.slidePos = position;
                        r.cursorPos = position;
                        const MoveResult result = moveToValue(r);
                        if (result.ok()) {
                            EXPECT_GE(result.barPosition, 0);
                            EXPECT_LE(result.barPosition, kDecade);
                        } else {
                            EXPECT_EQ(result.barPosition, -1);
                            EXPECT_FALSE(result.status.isEmpty());
                        }
                    }
                }
            }
        }
    }
}

TEST(CalcHostile, ReadoutAndConversionAtExtremePositions)
{
    const int32_t positions[] = {std::numeric_limits<int32_t>::min(), -90000, 6390000,
                                 std::numeric_limits<int32_t>::max()};
    for (int32_t slide : positions) {
        for (int32_t cursor : positions) {
            for (int16_t slideRev : {0, 1, 3}) {
                ReadoutInput in;
                in.slidePos = slide;
                in.cursorPos = cursor;
                in.slideRev = slideRev;
                const ReadoutValues values = readoutValues(in);
                for (int item = 1; item <= 16; ++item)
                    (void)format(values[item], itemFormat(item, slideRev, 0).shown);
            }
        }
    }
    for (double f : kHostileNumbers) {
        for (int shift : {-1, 0, 1}) {
            const int32_t position = conversionSlidePosition(f, shift);
            EXPECT_GE(position, 0);
            EXPECT_LE(position, kDecade);
        }
    }
}
