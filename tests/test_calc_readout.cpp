// Readout values of all sixteen items, read through the texts the panel
// prints for them (the shown modes). An empty text means the no-value mark.
#include "calc/number_format.h"
#include "calc/readout.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace calc;

namespace {

struct ReadoutCase {
    const char* name;
    ReadoutInput input;
    std::array<const char*, 16> texts;  // items 1 ... 16
};

ReadoutInput at(int32_t slide, int32_t cursor, int16_t slideRev = 0, int16_t sinNum = 0)
{
    ReadoutInput in;
    in.slidePos = slide;
    in.cursorPos = cursor;
    in.slideRev = slideRev;
    in.sinNum = sinNum;
    return in;
}

void expectTexts(const ReadoutCase& c)
{
    const ReadoutValues values = readoutValues(c.input);
    for (int item = 1; item <= 16; ++item) {
        const QString expected = QString::fromUtf8(c.texts[static_cast<size_t>(item - 1)]);
        if (expected.isEmpty()) {
            EXPECT_EQ(values[item], kNoValue) << c.name << ", item " << item;
            continue;
        }
        const int mode = itemFormat(item, c.input.slideRev, c.input.conversion.unit).shown;
        EXPECT_EQ(format(values[item], mode), expected) << c.name << ", item " << item;
    }
}

}  // namespace

TEST(CalcReadout, ValuesAtTheDocumentedPositions)
{
    const ReadoutCase cases[] = {
        {"home, front", at(3150000, 3150000),
         {"1.00000", "3.16228", "1.00000", "1.00000", "31.6228", "1.00000", "1.00000", "1.00000",
          "3.16228", "3.16228", "3.16228", "10.0000", "1.00000", "3.16228", "1.00000", "1.00000"}},
        // Back face at home: nD under the hairline is the square root of 10.
        {"home, back, SinNum 0", at(3150000, 3150000, 1, 0),
         {"1.00000", "3.16228", "1.00000", "1.00000", "31.6228", "1.00000", "72°27′06″", "17°32′54″",
          ".500000", "18°26′06″", "3.16228", "10.0000", "1.00000", "3.16228", "1.00000", "1.00000"}},
        {"home, back, SinNum 1", at(3150000, 3150000, 1, 1),
         {"1.00000", "3.16228", "1.00000", "1.00000", "31.6228", "1.00000", "17°32′54″", "72°27′06″",
          ".500000", "71°33′54″", "3.16228", "10.0000", "1.00000", "3.16228", "1.00000", "1.00000"}},
        {"home, end for end, SinNum 0", at(3150000, 3150000, 3, 0),
         {"1.00000", "3.16228", "1.00000", "1.00000", "31.6228", "1.00000", "18°26′06″", ".500000",
          "17°32′54″", "72°27′06″", "3.16228", "10.0000", "1.00000", "3.16228", "1.00000", "1.00000"}},
        {"home, end for end, SinNum 1", at(3150000, 3150000, 3, 1),
         {"1.00000", "3.16228", "1.00000", "1.00000", "31.6228", "1.00000", "71°33′54″", ".500000",
          "72°27′06″", "17°32′54″", "3.16228", "10.0000", "1.00000", "3.16228", "1.00000", "1.00000"}},
        // Left-index limit: the left column holds the no-value mark, the right one reads.
        {"SlidePos 3 750 000", at(3750000, 3150000),
         {"", "", "", "", "31.6228", "1.00000", "1.24520", "8.03086",
          "2.53958", "3.93766", "3.16228", "10.0000", "517.947", "2.53958", "8.03086", "64.4947"}},
        {"SlidePos 3 749 999", at(3749999, 3150000),
         {"517.948", "2.53958", "8.03086", "64.4947", "31.6228", "1.00000", "1.24520", "8.03086",
          "2.53958", "3.93766", "3.16228", "10.0000", "517.948", "2.53958", "8.03086", "64.4947"}},
        // Right-index limit.
        {"SlidePos 2 550 000", at(2550000, 3150000),
         {"1.93070", "3.93766", "1.24520", "1.55052", "31.6228", "1.00000", "8.03086", "1.24520",
          "3.93766", "2.53958", "3.16228", "10.0000", "", "", "", ""}},
        {"SlidePos 2 550 001", at(2550001, 3150000),
         {"1.93070", "3.93766", "1.24520", "1.55051", "31.6228", "1.00000", "8.03086", "1.24520",
          "3.93766", "2.53958", "3.16228", "10.0000", "1.93070", "3.93766", "1.24520", "1.55051"}},
        // Hairline left of the slide's left index: C is not reduced, CI, CF and CIF are.
        {"hairline left of the left index", at(2550000, 0),
         {"1.93070", "3.93766", "1.24520", "1.55052", "1.00000", "3.16228", "2.53958", "3.93766",
          "1.24520", "0.80309", "1.00000", "1.00000", "", "", "", ""}},
    };
    for (const ReadoutCase& c : cases)
        expectTexts(c);
}

TEST(CalcReadout, AnglesAreRadiansAndLimitedBeyondTheSlideEnds)
{
    // Back face, hairline left of the slide's left index: the number under the arcsine is 1.
    EXPECT_EQ(format(readoutValues(at(2550000, 0, 1, 0))[10], 4), QStringLiteral("90°00′00″"));
    EXPECT_EQ(format(readoutValues(at(2550000, 0, 1, 1))[10], 4), QStringLiteral("0°00′00″"));
    // End for end, hairline right of the slide's right index: S at its end.
    EXPECT_EQ(format(readoutValues(at(3750000, 6300000, 3, 0))[7], 4), QStringLiteral("90°00′00″"));

    // The angle cells hold radians of the rule's formulas.
    const ReadoutValues home = readoutValues(at(3150000, 3150000, 1, 0));
    EXPECT_NEAR(home[10], std::asin(1 / std::sqrt(10.0)), 1e-12);
    EXPECT_NEAR(home[8], std::atan(1 / std::sqrt(10.0)), 1e-12);
    EXPECT_NEAR(home[7], std::atan(std::sqrt(10.0)), 1e-12);
}

TEST(CalcReadout, ConversionKindsDecideWhichItemsHoldReadings)
{
    // Items holding a reading (true) with a conversion of each kind; the index columns show
    // unit names and keep the no-value mark.
    struct Case { int16_t unit; std::array<bool, 16> has; };
    const Case cases[] = {
        {0, {true, true, true, true, true, true, true, true, true, true, true, true, true, true, true, true}},
        {3, {false, false, false, false, false, true, true, false, false, true, true, false, false, false, false, false}},
        {1, {false, false, false, false, false, true, true, false, false, true, true, false, false, false, false, false}},
        {102, {false, false, false, false, false, false, false, false, false, true, true, true, false, false, false, false}},
    };
    for (const Case& c : cases) {
        ReadoutInput in = at(3150000, 3150000);
        in.conversion = conversionMode(c.unit);
        const ReadoutValues values = readoutValues(in);
        for (int item = 1; item <= 16; ++item)
            EXPECT_EQ(values[item] != kNoValue, c.has[static_cast<size_t>(item - 1)])
                << "Unit " << c.unit << ", item " << item;
    }
}
