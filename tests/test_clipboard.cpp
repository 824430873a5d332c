// Copy and paste through the clipboard with a real window.

#include "app/settings.h"
#include "platform/clipboard.h"
#include "window/main_window.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>

// Readable failures.
static void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace {
using testsupport::computeReadings;
using testsupport::makeWindow;
using testsupport::showAndActivate;

struct ClipboardTest : testing::Test {
    void SetUp() override
    {
        QGuiApplication::clipboard()->clear();
        w = makeWindow();
        ASSERT_TRUE(showAndActivate(*w));
        w->editBox()->setFocus();
    }
    QWidget* focus() const { return QApplication::focusWidget(); }
    std::unique_ptr<CMainWindow> w;
};
}  // namespace

TEST_F(ClipboardTest, CopyPutsTheCopyFormatAndSaysSo)
{
    struct Case {
        int16_t slideRev, language;
        int item;
        const char* text;
        const char* status;
    } cases[] = {
        {0, 0, 11, "3.16228", "Copied \"3.16228\" in the Clipboard."},  // D at home: √10
        {0, 1, 11, "3.16228", "\"3.16228\" をクリップボードにコピーしました。"},
        {1, 0, 10, "45.00005", "Copied \"45.00005\" in the Clipboard."},  // SI in decimal degrees
    };
    for (const Case& c : cases) {
        g_settings.SlideRev = c.slideRev;
        g_settings.Language = c.language;
        g_settings.NumFoucs = static_cast<int16_t>(c.item);
        computeReadings(*w);
        if (c.slideRev)
            w->m_readoutValues[c.item - 1] = 0.7853981633974483;  // 45 degrees
        w->onCommand(601);
        EXPECT_EQ(Clipboard::takeText(), c.text);
        EXPECT_EQ(w->statusText(), QString::fromUtf8(c.status));
    }
}

TEST_F(ClipboardTest, CopyWithoutAReadingLeavesTheClipboard)
{
    Clipboard::putText("kept");
    w->writeStatus("before");
    g_settings.NumFoucs = 11;
    w->m_readoutValues[10] = -99.0;
    w->onCommand(601);
    EXPECT_EQ(Clipboard::takeText(), "kept");
    EXPECT_EQ(w->statusText(), "before");
}

TEST_F(ClipboardTest, CursorPasteReadsTheNumberAtTheStart)
{
    // Read whole, this text would be an overflow; its first 20 characters are 2.5.
    const QString long30 = "2.500000000000000000e999999999";
    ASSERT_EQ(long30.size(), 30);
    struct Case {
        QString text;
        int item;
        int32_t cursor;
        const char* status;
    } cases[] = {
        {"2.5 mm", 11, 2507022, "Moved CURSOR."},
        {"2.5", 11, 2507022, "Moved CURSOR."},
        {long30, 11, 2507022, "Moved CURSOR."},
        {"mm 2.5", 11, 3150000, "Slide Rule overflow error."},
    };
    for (const Case& c : cases) {
        g_settings.CursorPos = 3150000;
        g_settings.NumFoucs = static_cast<int16_t>(c.item);
        computeReadings(*w);
        Clipboard::putText(c.text);
        w->editBox()->setFocus();
        w->onCommand(603);
        EXPECT_EQ(g_settings.CursorPos, c.cursor) << c.text.toStdString();
        EXPECT_EQ(w->statusText(), c.status) << c.text.toStdString();
        EXPECT_EQ(w->m_undoItem, 1);
        EXPECT_EQ(w->m_undoPositions[1], 3150000);
        EXPECT_EQ(focus(), w->bar(1));
    }
}

TEST_F(ClipboardTest, SlidePasteCancelsAConversionCursorPasteKeepsIt)
{
    w->setConversionMode(1);  // inch to mm, C focused
    g_settings.CursorPos = 1896489;
    computeReadings(*w);
    Clipboard::putText("3");
    w->onCommand(603);
    EXPECT_EQ(g_settings.Unit, 1);
    EXPECT_EQ(w->statusText(), "Moved CURSOR.");

    computeReadings(*w);
    w->onCommand(602);
    EXPECT_EQ(g_settings.Unit, 0);
    EXPECT_EQ(w->m_conversion.unit, 0);
    EXPECT_EQ(w->statusText(), "Moved SLIDE.");
    EXPECT_EQ(w->m_undoItem, 0);
    EXPECT_EQ(focus(), w->bar(0));
    computeReadings(*w);
    EXPECT_NEAR(w->m_readoutValues[9], 3.0, 1e-5);
}

TEST_F(ClipboardTest, NothingMovesWithoutTextOrAnEligibleItem)
{
    struct Case {
        const char* clip;
        int item;
        int command;
        int bar;
        int16_t undoItem;
    } cases[] = {
        {"", 11, 603, 1, 1},    // empty clipboard: the undo point is already taken
        {"", 10, 602, 0, 0},
        {"2", 5, 602, 0, -1},   // K under the hairline does not follow the slide
        {"2", 1, 603, 1, -1},   // K at the index is not under the hairline
    };
    for (const Case& c : cases) {
        w->m_undoItem = -1;
        QGuiApplication::clipboard()->clear();
        if (*c.clip)
            Clipboard::putText(c.clip);
        g_settings.NumFoucs = static_cast<int16_t>(c.item);
        computeReadings(*w);
        w->writeStatus("before");
        w->editBox()->setFocus();
        w->onCommand(c.command);
        EXPECT_EQ(g_settings.SlidePos, 3150000) << c.item << " " << c.command;
        EXPECT_EQ(g_settings.CursorPos, 3150000) << c.item << " " << c.command;
        EXPECT_EQ(w->statusText(), "before") << c.item << " " << c.command;
        EXPECT_EQ(w->m_undoItem, c.undoItem) << c.item << " " << c.command;
        EXPECT_EQ(focus(), w->bar(c.bar)) << c.item << " " << c.command;
    }
}
