// Moving to a value through a real window: what is stored, shown and written.

#include "app/settings.h"
#include "window/main_window.h"
#include "window_fixture.h"

#include <QScrollBar>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

using testsupport::makeWindow;

TEST(MoveApply, RoadOfOneRequest)
{
    auto w = makeWindow();
    g_settings.NumFoucs = 11;
    EXPECT_EQ(w->moveToValue(2.5, calc::MovePart::Cursor, true), 2507022);
    EXPECT_EQ(g_settings.CursorPos, 2507022);
    EXPECT_EQ(w->m_paintedCursorPos, 2507022);
    EXPECT_EQ(w->bar(1)->sliderPosition(), 2507022);
    EXPECT_EQ(w->statusText(), "Moved CURSOR.");
    EXPECT_EQ(w->m_statusMessageFlag, 1);
}

TEST(MoveApply, SlideTargetStoresTheInvertedBarPosition)
{
    auto w = makeWindow();
    g_settings.Language = 1;
    g_settings.NumFoucs = 10;  // C under the hairline
    g_settings.CursorPos = 1896489;
    EXPECT_EQ(w->moveToValue(4, calc::MovePart::Slide, true), 1253511);
    EXPECT_EQ(g_settings.SlidePos, 5046489);
    EXPECT_EQ(w->bar(0)->sliderPosition(), 1253511);
    EXPECT_EQ(w->statusText(), "渇尺 を移動しました。");
}

TEST(MoveApply, FailuresAndComputeOnlyMoveNothing)
{
    auto w = makeWindow();
    g_settings.NumFoucs = 11;
    const double refused[] = {0.0, std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity()};
    for (double x : refused) {
        EXPECT_EQ(w->moveToValue(x, calc::MovePart::Cursor, true), -1) << x;
        EXPECT_EQ(g_settings.CursorPos, 3150000);
        EXPECT_EQ(w->bar(1)->sliderPosition(), 3150000);
        EXPECT_EQ(w->statusText(), "Slide Rule overflow error.");
    }
    w->m_repaintMask = 7;
    w->writeStatus("before");
    EXPECT_EQ(w->moveToValue(2, calc::MovePart::Cursor, false), 1896489);
    EXPECT_EQ(g_settings.CursorPos, 3150000);
    EXPECT_EQ(w->m_repaintMask, 0);
    EXPECT_EQ(w->statusText(), "before");
}
