// The cursor readout panel through a real window: the readings it stores, the texts
// and colours it prints in each cell, dashes for an index off the stator, the unit names of a
// conversion and the focus box. Pixels are read from the window's own image.

#include "app/settings.h"
#include "calc/number_format.h"
#include "calc/position.h"
#include "scales/face_colours.h"
#include "window/client_area.h"
#include "window/main_window.h"
#include "window_fixture.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>

namespace {
using testsupport::makeWindow;
using testsupport::showWindow;

constexpr QRgb rgb(QRgb colour) { return colour & 0xffffffu; }
constexpr QRgb kBlack = 0x000000;
constexpr int kW = 255;      // CxSize of these tests
constexpr int kH = kW / 2;  // the hairline column stands half of it to the right
constexpr int kRowY[8] = {41, 57, 75, 91, 107, 124, 142, 158};

int rowOf(int item)
{
    static constexpr int rows[17] = {0, 1, 2, 7, 8, 1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 7, 8};
    return rows[item];
}

// The pixels an item's text may cover: the column's text clip, the row's text height.
QRect cell(int item)
{
    const int top = kRowY[rowOf(item) - 1];
    if (item <= 4)
        return QRect(QPoint(32, top), QPoint(85, top + 13));
    if (item >= 13)
        return QRect(QPoint(548 + kW, top), QPoint(601 + kW, top + 13));
    return QRect(QPoint(221 + kH, top), QPoint(274 + kH, top + 13));
}

struct ReadoutTest : testing::Test {
    void SetUp() override
    {
        g_settings.CxSize = kW;
        window = makeWindow();
        ASSERT_TRUE(showWindow(*window));
        paint();
    }
    void paint()
    {
        QApplication::processEvents();
        window->clientArea()->repaint();
    }
    QRgb pixel(int x, int y) const { return rgb(window->clientArea()->image().pixel(x, y)); }
    double value(int item) const { return window->m_readoutValues[static_cast<std::size_t>(item - 1)]; }
    QString text(int item) const
    {
        const int shown = calc::itemFormat(item, g_settings.SlideRev, g_settings.Unit).shown;
        return calc::format(value(item), shown);
    }
    // The colours that appear in a cell besides the readout background.
    std::set<QRgb> inks(int item) const { return inks(cell(item)); }
    std::set<QRgb> inks(const QRect& r) const
    {
        std::set<QRgb> found;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (pixel(x, y) != rgb(colours::kReadoutBackground))
                    found.insert(pixel(x, y));
        return found;
    }
    // A cell holding the dash text: ink on at most two rows, over a good width.
    bool showsDashes(int item) const
    {
        const QRect r = cell(item);
        std::set<int> rows;
        int count = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (pixel(x, y) == rgb(colours::kInk)) {
                    rows.insert(y);
                    ++count;
                }
        return !rows.empty() && rows.size() <= 2 && count >= 16;
    }
    void setFace(int slideRev, int sinNum)
    {
        g_settings.SlideRev = static_cast<int16_t>(slideRev);
        g_settings.SinNum = static_cast<int16_t>(sinNum);
        window->recomposeFace();
        window->m_repaintMask = 7;
        paint();
    }

    std::unique_ptr<CMainWindow> window;
};

using Colours = std::set<QRgb>;
const Colours kInkOnly{rgb(colours::kInk)};
const Colours kRedOnly{rgb(colours::kRed)};
const Colours kGreenOnly{rgb(colours::kGreen)};
const Colours kBlueOnly{rgb(colours::kBlue)};
const Colours kBlank{};

// Home position, front face, no conversion.
TEST_F(ReadoutTest, HomeReadings)
{
    const struct {
        int item;
        const char* text;
        Colours colours;
    } cases[] = {
        {1, "1.00000", kInkOnly},  {2, "3.16228", kInkOnly},  {3, "1.00000", kInkOnly},  {4, "1.00000", kInkOnly},
        {5, "31.6228", kInkOnly},  {6, "1.00000", kInkOnly},  {7, "1.00000", kInkOnly},  {8, "1.00000", kGreenOnly},
        {9, "3.16228", kRedOnly},  {10, "3.16228", kInkOnly}, {11, "3.16228", kInkOnly}, {12, "10.0000", kInkOnly},
        {13, "1.00000", kInkOnly}, {14, "3.16228", kInkOnly}, {15, "1.00000", kInkOnly}, {16, "1.00000", kInkOnly},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text(c.item), c.text) << c.item;
        if (c.item != 11) {  // the focus box stands in cell 11
            EXPECT_EQ(inks(c.item), c.colours) << c.item;
        }
    }
}

// An index off the stator reads the no-value mark and shows dashes; the other index reads on.
TEST_F(ReadoutTest, DashesForAnIndexOffTheStator)
{
    const struct {
        int32_t slidePos;
        int dashedFirst, readingFirst;
    } cases[] = {{3750000, 1, 13}, {2550000, 13, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.slidePos);
        g_settings.NumFoucs = 11;
        g_settings.SlidePos = c.slidePos;
        window->m_repaintMask = 1;
        paint();
        for (int item = c.dashedFirst; item < c.dashedFirst + 4; ++item) {
            EXPECT_EQ(value(item), calc::kNoValue) << item;
            EXPECT_TRUE(showsDashes(item)) << item;
        }
        for (int item = c.readingFirst; item < c.readingFirst + 4; ++item) {
            EXPECT_NE(value(item), calc::kNoValue) << item;
            EXPECT_FALSE(showsDashes(item)) << item;
            EXPECT_EQ(inks(item), kInkOnly) << item;
        }
    }
}

// Angle rows in red while the numbering is 1; L and LI stay ink.
TEST_F(ReadoutTest, BackFaceAngleColours)
{
    g_settings.NumFoucs = 5;
    const struct {
        int slideRev, sinNum;
        int logItem;  // L or LI
        const char* logText;
    } cases[] = {{1, 0, 9, ".500000"}, {1, 1, 9, ".500000"}, {3, 0, 8, ".500000"}, {3, 1, 8, ".500000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.slideRev << "/" << c.sinNum);
        setFace(c.slideRev, c.sinNum);
        EXPECT_EQ(text(c.logItem), c.logText);
        EXPECT_EQ(inks(c.logItem), kInkOnly);
        for (int item = 7; item <= 10; ++item) {
            if (item != c.logItem) {
                EXPECT_EQ(inks(item), c.sinNum == 1 ? kRedOnly : kInkOnly) << item;
            }
        }
    }
}

// A conversion: the hairline column prints its pairs in blue and leaves out what it does not
// use; the index columns show the unit names instead of readings.
TEST_F(ReadoutTest, ConversionDisplay)
{
    const struct {
        int code;
        Colours hairline[8];  // items 5 to 12 (a blank cell prints nothing)
        Colours names[8];     // rows 1 to 8 of the left-index column
    } cases[] = {
        // yard to m, kind 0: C with D, CF with DF
        {3,
         {kBlank, kBlueOnly, kBlueOnly, kBlank, kBlank, kInkOnly, kInkOnly, kBlank},
         {kBlank, kBlueOnly, kBlueOnly, kBlank, kBlank, kInkOnly, kInkOnly, kBlank}},
        // inch to mm, kind 1: C with DF, CF with D
        {1,
         {kBlank, kInkOnly, kBlueOnly, kBlank, kBlank, kInkOnly, kBlueOnly, kBlank},
         {kBlank, kInkOnly, kBlueOnly, kBlank, kBlank, kInkOnly, kBlueOnly, kBlank}},
        // diameter to area, kind 2: C with A
        {102,
         {kBlank, kBlank, kBlank, kBlank, kBlank, kInkOnly, kBlank, kInkOnly},
         {kBlank, kBlank, kBlank, kBlank, kBlank, kInkOnly, kBlank, kInkOnly}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        window->setConversionMode(c.code);
        g_settings.NumFoucs = 1;  // keep the focus box out of the hairline column
        paint();
        for (int item = 5; item <= 12; ++item)
            EXPECT_EQ(inks(item), c.hairline[item - 5]) << "item " << item;
        for (int item : {1, 2, 3, 4, 13, 14, 15, 16})
            EXPECT_EQ(value(item), calc::kNoValue) << item;
        // the names, in the left-index column's rows (the focus box of item 1 stands in row 1)
        for (int row = 2; row <= 8; ++row) {
            const QRect leftColumnRow(QPoint(32, kRowY[row - 1]), QPoint(85, kRowY[row - 1] + 13));
            const QRect rightColumnRow = leftColumnRow.translated(516 + kW, 0);
            EXPECT_EQ(inks(leftColumnRow), c.names[row - 1]) << "row " << row;
            EXPECT_EQ(inks(rightColumnRow), c.names[row - 1]) << "row " << row;
        }
        window->setConversionMode(0);
    }
    EXPECT_EQ(value(11), std::pow(10.0, 0.5));  // D is read even when it is not printed
}

// The focus box: a black outline around the focused cell; a new focus takes it along.
TEST_F(ReadoutTest, FocusBoxAroundTheFocusedItem)
{
    const struct {
        int item;
        int x1, x2, top, bottom;
    } boxes[] = {
        {1, 31, 86, 41, 55},
        {2, 31, 86, 57, 71},
        {7, 220 + kH, 275 + kH, 75, 89},
        {9, 220 + kH, 275 + kH, 107, 121},
        {10, 220 + kH, 275 + kH, 124, 138},
        {11, 220 + kH, 275 + kH, 142, 156},
        {16, 547 + kW, 602 + kW, 158, 172},
    };
    auto isBox = [&](const auto& b) {
        for (int x = b.x1; x <= b.x2; ++x)
            if (pixel(x, b.top) != kBlack || pixel(x, b.bottom) != kBlack)
                return false;
        for (int y = b.top; y <= b.bottom; ++y)
            if (pixel(b.x1, y) != kBlack || pixel(b.x2, y) != kBlack)
                return false;
        return true;
    };
    for (const auto& b : boxes) {
        g_settings.NumFoucs = static_cast<int16_t>(b.item);
        window->requestFaceRepaint();
        paint();
        for (const auto& other : boxes)
            EXPECT_EQ(isBox(other), other.item == b.item) << "focus " << b.item << ", box of " << other.item;
    }
}

// Changes the repaint mask does not name still reach the readout: a cursor step within one
// pixel column, a new numbering.
TEST_F(ReadoutTest, ChangeFlagsBeyondTheRepaintMask)
{
    g_settings.CursorPos = 3150000 + 1;
    window->m_repaintMask = 0;
    paint();
    EXPECT_EQ(value(11), std::pow(10.0, 3150001.0 / 21000 / 300));
    EXPECT_EQ(window->m_paintedCursorPos, 3150001);

    setFace(1, 0);
    EXPECT_EQ(inks(10), kInkOnly);
    g_settings.SinNum = 1;
    window->m_repaintMask = 0;
    paint();
    EXPECT_EQ(inks(10), kRedOnly);
}

}  // namespace
