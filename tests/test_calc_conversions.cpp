// Conversions: the slide position each conversion sets and what the paired rows read.
#include "calc/conversions.h"
#include "calc/move_to_value.h"
#include "calc/number_format.h"
#include "calc/readout.h"

#include <gtest/gtest.h>

using namespace calc;

namespace {
ReadoutValues readAt(int code, int32_t cursorPos)
{
    const Conversion* row = conversionByCode(code);
    ReadoutInput in;
    in.slidePos = conversionSlidePosition(row->f, row->shift);
    in.cursorPos = cursorPos;
    in.conversion = conversionMode(code);
    return readoutValues(in);
}
}  // namespace

TEST(CalcConversions, DocumentedSlidePositionsAndReadings)
{
    EXPECT_EQ(conversionSlidePosition(2.54, 0), 2550452);     // inch to mm
    EXPECT_EQ(conversionSlidePosition(9.80665, -1), 3096580); // kgf to N
    EXPECT_EQ(conversionSlidePosition(0.9144, +1), 2905159);  // yard to m (H = -244 841)

    // Hairline at D's 1.
    const ReadoutValues inch = readAt(1, 0);
    EXPECT_EQ(format(inch[11], 0), QStringLiteral("1.00000"));
    EXPECT_EQ(format(inch[7], 0), QStringLiteral("25.4000"));
    EXPECT_EQ(format(inch[6], 0), QStringLiteral("3.16228"));
    EXPECT_EQ(format(inch[10], 0), QStringLiteral("8.03218"));
    EXPECT_EQ(format(readAt(31, 0)[10], 0), QStringLiteral("9.80665"));
    EXPECT_EQ(format(readAt(3, 0)[10], 0), QStringLiteral("0.91440"));
}

TEST(CalcConversions, DiameterToAreaReadsTheCircleOnA)
{
    const Conversion* area = conversionByCommand(202);
    ASSERT_NE(area, nullptr);
    MoveRequest r;  // the cursor to where C reads 2
    r.value = 2;
    r.target = MovePart::Cursor;
    r.focusedItem = 10;
    r.slidePos = conversionSlidePosition(area->f, area->shift);
    const MoveResult moved = moveToValue(r);
    ASSERT_TRUE(moved.ok());
    const ReadoutValues values = readAt(102, moved.storedPosition());
    EXPECT_EQ(format(values[10], 0), QStringLiteral("2.00000"));
    EXPECT_EQ(format(values[12], 0), QStringLiteral("3.14159"));
}

TEST(CalcConversions, EveryConversionReadsItsFactorAtDsOne)
{
    // With the hairline at D's 1 (one unit), the row paired with D shows the same quantity in
    // the first unit: C for kind 0, CF for kind 1.
    struct Case { int code; const char* text; };
    const Case cases[] = {
        {101, "3.14159"}, {103, "57.2958"}, {1, "25.4000"},  {2, "0.30480"},  {3, "0.91440"},
        {4, "1.60934"},   {5, "40.4686"},   {6, "3.78541"},  {11, "28.3495"}, {12, "0.45359"},
        {21, "4.18605"},  {22, "1.16300"},  {31, "9.80665"}, {41, "1.33322"}, {42, "735.560"},
        {51, "1.34102"},  {52, "859.845"},  {61, "79.5774"},
    };
    for (const Case& c : cases) {
        const int kind = conversionMode(c.code).kind;
        const int item = kind == 0 ? 10 : 7;
        EXPECT_EQ(format(readAt(c.code, 0)[item], 0), QString::fromUtf8(c.text)) << "code " << c.code;
    }
}

TEST(CalcConversions, TableAndModes)
{
    EXPECT_EQ(kConversions.size(), 19u);
    for (const Conversion& row : kConversions) {
        const ConversionMode mode = conversionMode(row.code);
        EXPECT_EQ(mode.unit, row.code);
        EXPECT_EQ(mode.kind, row.kind) << row.command;
        EXPECT_EQ(mode.factor, row.factor) << row.command;
        EXPECT_EQ(conversionByCommand(row.command), &row);
        EXPECT_EQ(conversionByCode(row.code), &row);
        // Shift 0 goes with kind 1; the others by f against the square root of 10.
        const int shift = row.kind == 1 ? 0 : row.f < 3.1622776601683795 ? 1 : -1;
        EXPECT_EQ(row.shift, shift) << row.command;
    }
    EXPECT_EQ(conversionMode(0), ConversionMode{});
    EXPECT_EQ(conversionMode(7), ConversionMode{});  // unknown code: Unit 0
    EXPECT_EQ(conversionByCode(0), nullptr);
    EXPECT_EQ(QString::fromUtf16(conversionByCode(42)->secondName), QStringLiteral("kg/cm²"));
    EXPECT_EQ(QString::fromUtf16(conversionByCommand(301)->menuEnglish), QStringLiteral("&inch\tmm"));
}
