// Setting and reading the ten slide memories through a real window.

#include "app/settings.h"
#include "ui/resources.h"
#include "window/main_window.h"
#include "window_fixture.h"

#include <QAction>
#include <QMenuBar>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <memory>

namespace {
using testsupport::makeWindow;

struct MemoryTest : testing::Test {
    QString itemText(int command) const
    {
        const QAction* action = resources::findAction(window->menuBar(), command);
        return action ? action->text() : QString("(missing)");
    }
    std::unique_ptr<CMainWindow> window;
};
}  // namespace

TEST_F(MemoryTest, SetStoresTheSlideAndWritesItsMenuTexts)
{
    struct Case {
        int language;
        const char16_t* status;
    } cases[] = {
        {0, u"Saved the position of SLIDE. <Memory 3>"},
        {1, u"渇尺 の位置を記録しました。<メモリ 3>"},
    };
    for (const Case& c : cases) {
        g_settings = Settings{};
        g_settings.Language = static_cast<int16_t>(c.language);
        g_settings.SlidePos = 1896489;
        g_settings.CursorPos = 1000000;
        window = makeWindow();
        window->onCommand(523);
        EXPECT_EQ(g_settings.Memory[2], (SlideMemory{1896489, 0}));
        EXPECT_EQ(itemText(503), "&3 <C:D=1.58114:}}>\tShift+3");
        EXPECT_EQ(itemText(523), "Set &3");
        EXPECT_EQ(window->statusText(), QString::fromUtf16(c.status));
        EXPECT_EQ(window->m_statusMessageFlag, 1);
        EXPECT_EQ(g_settings.Memory[3], SlideMemory{}) << "other slots stay";
    }
}

TEST_F(MemoryTest, SetKeepsFaceAndNumbering)
{
    window = makeWindow();
    struct Case {
        int slideRev, sinNum, faceFlags;
        const char* face;
    } cases[] = {
        {0, 0, 0, "<C:"}, {1, 0, 1, "<SI:"}, {1, 1, 5, "<SI:"}, {3, 1, 7, "<S:"}, {3, 0, 3, "<S:"},
    };
    for (const Case& c : cases) {
        g_settings.SlideRev = static_cast<int16_t>(c.slideRev);
        g_settings.SinNum = static_cast<int16_t>(c.sinNum);
        g_settings.SlidePos = 4000000;
        window->onCommand(521);
        EXPECT_EQ(g_settings.Memory[0].faceFlags, c.faceFlags);
        EXPECT_TRUE(itemText(501).startsWith(QString("&1 ") + c.face)) << itemText(501).toStdString();
        EXPECT_TRUE(itemText(501).endsWith(":{{>\tShift+1"));
    }
}

TEST_F(MemoryTest, TenthSlotIsShownAsZero)
{
    window = makeWindow();
    g_settings.SlidePos = 3150000;
    window->onCommand(530);
    EXPECT_EQ(itemText(510), "&0 <C:D=1.00000:||>\tShift+0");
    EXPECT_EQ(itemText(530), "Set &0");
    EXPECT_EQ(window->statusText(), "Saved the position of SLIDE. <Memory 10>");
}

TEST_F(MemoryTest, ReadTurnsTheSlideAndUndoRestoresOnlyThePosition)
{
    g_settings.Memory[1] = {4000000, 5};  // back face, red numbering
    g_settings.CursorPos = 1234567;
    window = makeWindow();
    window->onCommand(301);  // inch to mm moves the slide and starts a conversion
    ASSERT_NE(g_settings.Unit, 0);
    const int32_t before = g_settings.SlidePos;

    window->onCommand(502);
    EXPECT_EQ(g_settings.SlidePos, 4000000);
    EXPECT_EQ(window->m_paintedSlidePos, 4000000);
    EXPECT_EQ(window->bar(0)->sliderPosition(), 6300000 - 4000000);
    EXPECT_EQ(g_settings.SlideRev, 1);
    EXPECT_EQ(g_settings.SinNum, 1);
    EXPECT_EQ(g_settings.CursorPos, 1234567);
    EXPECT_EQ(window->bar(1)->sliderPosition(), 1234567);
    EXPECT_EQ(g_settings.Unit, 0);
    EXPECT_EQ(window->statusText(), "Loaded the position of SLIDE. <Memory 2>");
    EXPECT_TRUE(itemText(502).startsWith("&2 <SI:D="));

    window->onCommand(32780);  // Undo
    EXPECT_EQ(g_settings.SlidePos, before);
    EXPECT_EQ(window->bar(0)->sliderPosition(), 6300000 - before);
    EXPECT_EQ(g_settings.SlideRev, 1);
    EXPECT_EQ(g_settings.SinNum, 1);
}

TEST_F(MemoryTest, ReadInJapanese)
{
    g_settings.Language = 1;
    window = makeWindow();
    window->onCommand(510);
    EXPECT_EQ(g_settings.SlidePos, 3150000);
    EXPECT_EQ(g_settings.SlideRev, 0);
    EXPECT_EQ(window->statusText(), QString::fromUtf16(u"渇尺 の位置をロードしました。<メモリ 10>"));
}
