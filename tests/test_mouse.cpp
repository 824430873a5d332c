// Clicks and double clicks on the face: the hit test, the focus, the bars' edges, the CURSOR label.

#include "app/settings.h"
#include "calc/hit_test.h"
#include "window/main_window.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <memory>

namespace {
using testsupport::HeldKeys;
using testsupport::makeWindow;

struct MouseTest : testing::Test {
    void SetUp() override
    {
        g_settings.CxSize = 0;
        window = makeWindow();
    }
    void doubleClick(QPoint p)
    {
        window->OnLeftButtonDown(p);
        window->OnLeftButtonDoubleClick(p);
    }
    std::unique_ptr<CMainWindow> window;
    HeldKeys keys;  // released before the window goes
};

// A point inside each item's cell at the base width.
QPoint cell(int item)
{
    constexpr int rowMid[8] = {50, 66, 83, 99, 115, 133, 150, 166};
    if (item <= 4)
        return {60, rowMid[item <= 2 ? item - 1 : item + 3]};
    if (item <= 12)
        return {250, rowMid[item - 5]};
    return {575, rowMid[item <= 14 ? item - 13 : item - 9]};
}
}  // namespace

TEST(HitTest, CellsRowsAndColumns)
{
    struct Case {
        int x, y, extra, item;
    } cases[] = {
        // cell edges: open on the left and top, the row takes its bottom line
        {30, 50, 0, 0}, {31, 50, 0, 1}, {88, 50, 0, 1}, {89, 50, 0, 0},
        {60, 41, 0, 0}, {60, 42, 0, 1}, {60, 57, 0, 1}, {60, 58, 0, 2},
        {60, 174, 0, 4}, {60, 175, 0, 0},
        // index columns: rows 1, 2, 7, 8 only
        {60, 75, 0, 2}, {60, 76, 0, 0}, {60, 142, 0, 0}, {60, 143, 0, 3},
        {575, 50, 0, 13}, {575, 66, 0, 14}, {575, 100, 0, 0}, {575, 150, 0, 15}, {575, 166, 0, 16},
        // hairline column: every row
        {219, 50, 0, 5}, {276, 100, 0, 8}, {277, 100, 0, 0}, {250, 130, 0, 10}, {250, 166, 0, 12},
        // between columns
        {150, 50, 0, 0}, {400, 100, 0, 0},
        // extra width: the hairline column by half, the right column by all of it
        {250, 50, 255, 0}, {345, 50, 255, 0}, {346, 50, 255, 5}, {403, 166, 255, 12}, {404, 166, 255, 0},
        {575, 50, 255, 0}, {801, 50, 255, 0}, {802, 50, 255, 13}, {859, 174, 255, 16}, {860, 174, 255, 0},
        {802, 100, 255, 0},
        {219, 50, 1, 5}, {219, 50, 3, 0}, {220, 50, 3, 5},  // half of an odd width truncates
    };
    for (const Case& c : cases)
        EXPECT_EQ(calc::hitTest(c.x, c.y, c.extra), c.item) << c.x << "," << c.y << " extra " << c.extra;
}

TEST_F(MouseTest, ClickFocusesOnlyWhatTheConversionUses)
{
    struct Case {
        int unit;
        int item;
        int focused;  // NumFoucs after the click; a conversion starts with 10
    } cases[] = {
        {0, 5, 5}, {0, 1, 1}, {0, 16, 16},
        {1, 5, 10}, {1, 11, 11}, {1, 6, 6}, {1, 7, 7}, {1, 12, 10}, {1, 1, 10},  // inch to mm
        {102, 11, 10}, {102, 12, 12}, {102, 6, 10},                               // diameter to area
    };
    for (const Case& c : cases) {
        g_settings.NumFoucs = 11;
        window->setConversionMode(c.unit);
        window->m_faceIntact = 0;
        window->OnLeftButtonDown(cell(c.item));
        EXPECT_EQ(g_settings.NumFoucs, c.focused) << "unit " << c.unit << " item " << c.item;
        EXPECT_EQ(window->m_faceIntact, 1) << "a click on a cell repaints the face, taken or not";
    }
    window->m_faceIntact = 0;
    window->OnLeftButtonDown({150, 50});
    EXPECT_EQ(window->m_faceIntact, 0);
}

TEST_F(MouseTest, ClickClearsAStatusMessage)
{
    window->writeStatus("Moved SLIDE.");
    window->OnLeftButtonDown({150, 20});
    EXPECT_EQ(window->statusText(), " ");
    EXPECT_EQ(window->m_statusMessageFlag, 0);
}

TEST_F(MouseTest, ClickOnABarEdgeRecordsItsUndoPoint)
{
    struct Case {
        QPoint p;
        int undoItem;
    } cases[] = {
        {{160, 186}, 0}, {{530, 215}, 0}, {{160, 223}, 1}, {{530, 252}, 1},
        {{159, 200}, -1}, {{531, 200}, -1}, {{300, 185}, -1}, {{300, 216}, -1}, {{300, 253}, -1},
    };
    g_settings.SlidePos = 1000000;
    g_settings.CursorPos = 2000000;
    for (const Case& c : cases) {
        window->m_undoItem = -1;
        window->OnLeftButtonDown(c.p);
        EXPECT_EQ(window->m_undoItem, c.undoItem) << c.p.x() << "," << c.p.y();
    }
    EXPECT_EQ(window->m_undoPositions[0], 1000000);
    EXPECT_EQ(window->m_undoPositions[1], 2000000);
}

TEST_F(MouseTest, DoubleClickCopiesOnlyTheCellClickedWhenItHasAValue)
{
    QClipboard* clipboard = QApplication::clipboard();
    auto& values = window->m_readoutValues;
    values.fill(2.0);
    values[0] = -99.0;  // item 1 shows dashes

    struct Case {
        int unit;
        int item;
    } nothingCopied[] = {
        {0, 1},  // no value
        {1, 5},  // inch to mm: K cannot take the focus, and C's value is not what was clicked
        {1, 1},  // unit name in the index column
    };
    for (const Case& c : nothingCopied) {
        clipboard->setText("untouched");
        window->setConversionMode(c.unit);
        doubleClick(cell(c.item));
        EXPECT_EQ(clipboard->text(), "untouched") << "unit " << c.unit << " item " << c.item;
        EXPECT_EQ(window->m_statusMessageFlag, 0);
    }
}

TEST_F(MouseTest, DoubleClickCopiesTheFocusedCell)
{
    window->m_readoutValues.fill(-99.0);
    window->m_readoutValues[10] = 3.16227766;
    QApplication::clipboard()->setText("untouched");
    doubleClick(cell(11));
    EXPECT_EQ(QApplication::clipboard()->text(), "3.16228");
    EXPECT_EQ(window->statusText(), "Copied \"3.16228\" in the Clipboard.");
}

TEST_F(MouseTest, CursorLabelLineByKeys)
{
    const QString greeting =
        R"re(^"(Hello!|Wellcame\.|How are you\?|Thank you\.|Good!|Please enjoy\.|OK, let's play\.|You are lucky\.)")re"
        R"re(   Kestrin - version 3\.2\.0$)re";
    const QString build = R"(^Build Date & Time:  [A-Z][a-z]{2} [ \d]\d \d{4}, \d\d:\d\d:\d\d, $)";
    const QString positions = R"(^Slide Position=3150000, Cursor Position=3150000,$)";
    struct Case {
        bool ctrl, shift, right;
        QString pattern;
    } cases[] = {
        {false, false, false, greeting},
        {true, false, false, build},
        {true, true, true, build},  // Ctrl wins
        {false, false, true, greeting},
        {false, true, true, greeting},  // the right button wins over Shift
        {false, true, false, positions},
    };
    for (const Case& c : cases) {
        keys.hold(c.ctrl, c.shift, c.right);
        for (QPoint p : {QPoint(12, 229), QPoint(112, 249), QPoint(60, 240)}) {
            window->clearStatus();
            window->OnLeftButtonDoubleClick(p);
            EXPECT_TRUE(QRegularExpression(c.pattern).match(window->statusText()).hasMatch())
                << window->statusText().toStdString() << " keys " << c.ctrl << c.shift << c.right;
            EXPECT_EQ(window->m_statusMessageFlag, 1);
        }
    }
    keys.hold(false, true, false);
    for (QPoint p : {QPoint(11, 240), QPoint(113, 240), QPoint(60, 228), QPoint(60, 250)}) {
        window->clearStatus();
        window->OnLeftButtonDoubleClick(p);
        EXPECT_EQ(window->m_statusMessageFlag, 0) << p.x() << "," << p.y();
    }
}
