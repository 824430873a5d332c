// Conversion commands through a real window: slide setting, face, mode and readings.

#include "app/settings.h"
#include "window/main_window.h"
#include "window_fixture.h"

#include <QScrollBar>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using testsupport::makeWindow;
using testsupport::readingsOf;

TEST(Conversions, EveryCommandSetsItsSlideAndMode)
{
    auto w = makeWindow();
    for (const calc::Conversion& c : calc::kConversions) {
        g_settings.SlideRev = 1;
        g_settings.SlidePos = 1234;
        g_settings.NumFoucs = 3;
        w->onCommand(c.command);
        const int32_t h = static_cast<int32_t>(std::log10(c.f) * 6300000 + 0.5);
        const int32_t expected = std::clamp(h + c.shift * 3150000, 0, 6300000);
        EXPECT_EQ(g_settings.SlidePos, expected) << c.command;
        EXPECT_EQ(w->bar(0)->sliderPosition(), 6300000 - expected);
        EXPECT_EQ(w->m_paintedSlidePos, expected);
        EXPECT_EQ(g_settings.SlideRev, 0);
        EXPECT_EQ(g_settings.Unit, c.code);
        EXPECT_EQ(g_settings.NumFoucs, 10);
        EXPECT_EQ(w->m_undoItem, 0);
        EXPECT_EQ(w->m_undoPositions[0], 1234);
    }
}

TEST(Conversions, DocumentedSettingsAndReadings)
{
    auto w = makeWindow();
    g_settings.CursorPos = 0;  // hairline on D's 1

    w->onCommand(301);  // inch to mm
    EXPECT_EQ(g_settings.SlidePos, 2550452);
    calc::ReadoutValues r = readingsOf(*w);
    EXPECT_NEAR(r[11], 1.0, 1e-9);
    EXPECT_NEAR(r[7], 25.4, 5e-5);
    EXPECT_NEAR(r[6], 3.16228, 5e-6);
    EXPECT_NEAR(r[10], 8.03218, 5e-6);

    w->onCommand(341);  // kgf to N
    EXPECT_EQ(g_settings.SlidePos, 3096580);
    EXPECT_NEAR(readingsOf(*w)[10], 9.80665, 5e-6);

    w->onCommand(303);  // yard to m
    EXPECT_EQ(g_settings.SlidePos, 2905159);
    EXPECT_NEAR(readingsOf(*w)[10], 0.9144, 5e-6);
}

TEST(Conversions, ModeCodesAndCancel)
{
    auto w = makeWindow();
    w->setConversionMode(42);
    EXPECT_EQ(w->m_conversion.factor, 1000);
    w->setConversionMode(102);
    EXPECT_EQ(w->m_conversion.kind, 2);
    w->setConversionMode(77);  // unknown code: no conversion
    EXPECT_EQ(g_settings.Unit, 0);
    g_settings.NumFoucs = 5;
    w->setConversionMode(0);
    EXPECT_EQ(g_settings.Unit, 0);
    EXPECT_EQ(g_settings.NumFoucs, 5);
    EXPECT_EQ(w->m_conversion.factor, 1);
}

TEST(Conversions, RestoredAtStart)
{
    g_settings.Unit = 31;
    auto w = makeWindow();
    EXPECT_EQ(w->m_conversion.factor, 10);
    EXPECT_EQ(g_settings.NumFoucs, 10);
}
