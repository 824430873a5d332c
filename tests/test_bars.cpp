// The slide and cursor bars, their keys and the wheel, through a real window.

#include "app/settings.h"
#include "window/main_window.h"
#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {
using testsupport::HeldKeys;
using testsupport::makeWindow;
using testsupport::showAndActivate;

constexpr int kSlide = 0;
constexpr int kCursor = 1;

struct BarsTest : testing::Test {
    void SetUp() override { window = makeWindow(); }
    std::unique_ptr<CMainWindow> window;
    HeldKeys keys;  // released before the window goes
};
}  // namespace

TEST_F(BarsTest, PlainStepsBySubMode)
{
    g_settings.NumberVariable = 0;
    struct Case {
        ScrollCode code;
        int delta[3];  // bar position change: none, Shift, Ctrl
    } cases[] = {
        {ScrollCode::LineLeft, {-1, -20, +1}},
        {ScrollCode::LineRight, {+1, +20, -1}},
        {ScrollCode::PageLeft, {-500, -10000, +500}},
        {ScrollCode::PageRight, {+500, +10000, -500}},
        {ScrollCode::EndScroll, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        for (int mode = 0; mode < 3; ++mode) {
            keys.hold(mode == 2, mode == 1, false);
            for (int bar : {kSlide, kCursor}) {
                g_settings.SlidePos = g_settings.CursorPos = 3150000;
                window->onScroll(bar, c.code);
                const int32_t barPos = bar == kSlide ? 6300000 - g_settings.SlidePos : g_settings.CursorPos;
                EXPECT_EQ(barPos, 3150000 + c.delta[mode]) << "code " << int(c.code) << " mode " << mode << " bar " << bar;
                EXPECT_EQ(window->bar(bar)->sliderPosition(), barPos);
                // the other part stays
                EXPECT_EQ(bar == kSlide ? g_settings.CursorPos : g_settings.SlidePos, 3150000);
            }
        }
    }
}

TEST_F(BarsTest, RightButtonModes)
{
    g_settings.NumberVariable = 0;
    struct Case {
        int rightClick;
        bool ctrl;
        int32_t cursorDelta;
        int32_t slideDelta;  // the other part, Double only
    } cases[] = {
        {1, false, +20, 0},   // Fast: the Shift steps
        {2, false, -1, 0},    // Reverse: the Ctrl steps
        {0, false, +1, -1},   // Double: plain step, the slide follows on the face
        {0, true, -1, 0},     // Ctrl wins over the right button
    };
    for (const Case& c : cases) {
        g_settings.RightClick = static_cast<int16_t>(c.rightClick);
        g_settings.SlidePos = g_settings.CursorPos = 3150000;
        window->m_paintedSlidePos = window->m_paintedCursorPos = 3150000;
        keys.hold(c.ctrl, false, true);
        window->onScroll(kCursor, ScrollCode::LineRight);
        EXPECT_EQ(g_settings.CursorPos, 3150000 + c.cursorDelta) << c.rightClick;
        // slide bar position moves the same way as the cursor bar
        EXPECT_EQ(6300000 - g_settings.SlidePos, 3150000 - c.slideDelta) << c.rightClick;
        if (c.slideDelta)
            EXPECT_EQ(window->bar(kSlide)->sliderPosition(), 6300000 - g_settings.SlidePos);
    }
}

TEST_F(BarsTest, HomeEndAndLimits)
{
    g_settings.SlidePos = 100;
    window->onScroll(kSlide, ScrollCode::LeftEnd);
    EXPECT_EQ(g_settings.SlidePos, 3150000);
    window->onScroll(kSlide, ScrollCode::RightEnd);
    EXPECT_EQ(g_settings.SlidePos, 0);
    window->onScroll(kSlide, ScrollCode::RightEnd);
    EXPECT_EQ(g_settings.SlidePos, 6300000);

    g_settings.NumberVariable = 0;
    g_settings.CursorPos = 6390000;
    window->onScroll(kCursor, ScrollCode::LineRight);
    EXPECT_EQ(g_settings.CursorPos, 6390000);
    g_settings.CursorPos = -89990;
    keys.hold(false, true, false);
    window->onScroll(kCursor, ScrollCode::PageLeft);
    EXPECT_EQ(g_settings.CursorPos, -90000);
    EXPECT_EQ(window->bar(kCursor)->sliderPosition(), -90000);
    // thumb drag to the bar's own end is held by the position limits
    window->bar(kSlide)->setSliderPosition(6600000);
    window->onScroll(kSlide, ScrollCode::ThumbTrack);
    EXPECT_EQ(g_settings.SlidePos, -90000);
}

TEST_F(BarsTest, RepaintMaskByPixelColumn)
{
    g_settings.NumberVariable = 0;
    window->m_faceIntact = 1;
    window->m_paintedCursorPos = g_settings.CursorPos = 3150000;
    window->onScroll(kCursor, ScrollCode::LineRight);  // 1 unit: same pixel column
    EXPECT_EQ(window->m_repaintMask, 0);
    keys.hold(false, true, false);  // 10 000 units are more than 3 pixels
    window->onScroll(kCursor, ScrollCode::PageRight);
    EXPECT_EQ(window->m_repaintMask, 2);
    window->m_paintedSlidePos = g_settings.SlidePos;
    window->onScroll(kSlide, ScrollCode::PageRight);
    EXPECT_EQ(window->m_repaintMask, 1);
    window->m_faceIntact = 0;
    window->onScroll(kSlide, ScrollCode::LineRight);
    EXPECT_EQ(window->m_repaintMask, 7);

    // below position 0 the painter rounds away from zero: -1500 is a new column
    window->m_faceIntact = 1;
    for (int bar : {kSlide, kCursor}) {
        g_settings.SlidePos = g_settings.CursorPos = 0;
        window->m_paintedSlidePos = window->m_paintedCursorPos = 0;
        window->bar(bar)->setSliderPosition(bar == kSlide ? 6300000 + 1500 : -1500);
        window->onScroll(bar, ScrollCode::ThumbTrack);
        EXPECT_EQ(window->m_repaintMask, bar == kSlide ? 1 : 2) << bar;
    }
}

TEST_F(BarsTest, NumberLockOnD)
{
    g_settings.NumberVariable = 1;
    g_settings.NumFoucs = 11;
    g_settings.CursorPos = 1896489;  // D reads 2
    window->m_readoutValues[10] = 2.0;
    window->onScroll(kCursor, ScrollCode::LineRight);
    EXPECT_EQ(g_settings.CursorPos, static_cast<int32_t>(std::log10(2.00001) * 6300000 + 0.5));
    // the slide bar is not locked to item 11: plain steps
    g_settings.SlidePos = 3150000;
    window->onScroll(kSlide, ScrollCode::LineRight);
    EXPECT_EQ(g_settings.SlidePos, 3149999);
    // no reading: plain steps
    window->m_readoutValues[10] = -99.0;
    const int32_t before = g_settings.CursorPos;
    window->onScroll(kCursor, ScrollCode::LineRight);
    EXPECT_EQ(g_settings.CursorPos, before + 1);
    // thumb drags are never locked
    window->m_readoutValues[10] = 2.0;
    window->bar(kCursor)->setSliderPosition(1000);
    window->onScroll(kCursor, ScrollCode::ThumbTrack);
    EXPECT_EQ(g_settings.CursorPos, 1000);
}

TEST_F(BarsTest, NumberLockFailureMovesNothing)
{
    g_settings.NumberVariable = 1;
    g_settings.SlideRev = 1;
    g_settings.NumFoucs = 8;  // TI1 on the back face
    window->m_readoutValues[7] = 3.0 * 3.141592653 / 180;  // 3 degrees: outside the tangent range
    g_settings.CursorPos = 123456;
    window->m_repaintMask = 7;
    window->onScroll(kCursor, ScrollCode::LineRight);
    EXPECT_EQ(g_settings.CursorPos, 123456);
    EXPECT_EQ(window->statusText(), "DOMAIN error.");
}

TEST_F(BarsTest, SlideMoveCancelsConversionCursorMoveKeepsIt)
{
    window->setConversionMode(1);  // inch to mm
    keys.hold(false, true, false);
    window->onScroll(kCursor, ScrollCode::LineRight);
    EXPECT_NE(g_settings.Unit, 0);
    window->onScroll(kSlide, ScrollCode::LineRight);
    EXPECT_EQ(g_settings.Unit, 0);
}

TEST_F(BarsTest, KeysOnAFocusedBar)
{
    g_settings.NumberVariable = 0;
    struct Case {
        Qt::Key key;
        int32_t expected;
    } cases[] = {{Qt::Key_Right, 3150001}, {Qt::Key_Left, 3149999}, {Qt::Key_PageDown, 3150500},
                 {Qt::Key_PageUp, 3149500}, {Qt::Key_Home, 3150000}, {Qt::Key_End, 6300000}};
    for (const Case& c : cases) {
        g_settings.CursorPos = 3150000;
        QTest::keyClick(window->bar(kCursor), c.key);
        EXPECT_EQ(g_settings.CursorPos, c.expected) << c.key;
    }
}

TEST_F(BarsTest, WheelDrivesTheFocusedBarOrTheCursorBar)
{
    g_settings.NumberVariable = 0;
    ASSERT_TRUE(showAndActivate(*window));
    auto wheel = [&](QWidget* over, int delta) {
        QWheelEvent event(QPointF(5, 5), over->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(over, &event);
    };
    g_settings.SlidePos = g_settings.CursorPos = 3150000;
    window->editBox()->setFocus();
    wheel(window->editBox(), 360);  // one line step whatever the delta
    EXPECT_EQ(g_settings.CursorPos, 3150001);
    wheel(window->editBox(), -120);
    EXPECT_EQ(g_settings.CursorPos, 3150000);
    window->bar(kSlide)->setFocus();
    wheel(window->bar(kCursor), 120);
    EXPECT_EQ(g_settings.SlidePos, 3149999);
    EXPECT_EQ(g_settings.CursorPos, 3150000);
}
