// The edit box commands through a real window: history, moves to its value, "0 Round", Tab.

#include "app/settings.h"
#include "calc/number_format.h"
#include "window/main_window.h"
#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
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

constexpr int kListSize = kConstantCount + kHistoryCount;

struct EditBoxTest : testing::Test {
    void SetUp() override
    {
        w = makeWindow();
        ASSERT_TRUE(showAndActivate(*w));
        w->editBox()->setFocus();
    }
    double reading(int item) const { return w->m_readoutValues[item - 1]; }
    void type(const QString& text) { w->editBox()->lineEdit()->setText(text); }
    QComboBox& box() const { return *w->editBox(); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    std::unique_ptr<CMainWindow> w;
};
}  // namespace

TEST_F(EditBoxTest, TypedNumberJoinsTheHistoryAndMovesTheCursor)
{
    g_settings.NumFoucs = 11;  // D under the hairline
    computeReadings(*w);
    type("2.5");
    w->onCommand(613);
    EXPECT_EQ(box().count(), kListSize + 1);
    EXPECT_EQ(box().itemText(8), "2.5");
    EXPECT_EQ(box().itemText(9), "1.00000");
    EXPECT_EQ(box().currentIndex(), 8);
    EXPECT_EQ(g_settings.Histry[0], "2.5");
    EXPECT_EQ(g_settings.Histry[1], "1.00000");
    EXPECT_EQ(g_settings.Histry[15], "15.00000");
    EXPECT_EQ(g_settings.CursorPos, 2507022);
    EXPECT_EQ(w->statusText(), "Moved CURSOR.");
    EXPECT_EQ(w->m_undoItem, 1);
    EXPECT_EQ(w->m_undoPositions[1], 3150000);
    EXPECT_EQ(focus(), w->bar(1));
}

TEST_F(EditBoxTest, TextAlreadyInTheListIsSelectedNotInserted)
{
    g_settings.NumFoucs = 11;
    struct Case {
        const char* typed;
        int index;
        double d;
    } cases[] = {{"3.00000", 10, 3.0}, {"2.718282=e", 0, 2.718282}, {"3.1622777=√10", 6, 3.1622777}};
    for (const Case& c : cases) {
        computeReadings(*w);
        type(QString::fromUtf8(c.typed));
        w->onCommand(613);
        EXPECT_EQ(box().count(), kListSize) << c.typed;
        EXPECT_EQ(box().currentIndex(), c.index) << c.typed;
        EXPECT_EQ(g_settings.Histry, Settings::defaultHistories()) << c.typed;
        computeReadings(*w);
        EXPECT_NEAR(reading(11), c.d, 1e-5) << c.typed;
    }
}

TEST_F(EditBoxTest, ConstantPickedFromTheListMovesTheSlide)
{
    g_settings.NumFoucs = 10;  // C under the hairline
    g_settings.CursorPos = 1896489;
    computeReadings(*w);
    box().setCurrentIndex(1);
    ASSERT_EQ(box().currentText(), "3.141592=π");
    w->onCommand(32785);
    EXPECT_EQ(box().count(), kListSize);
    EXPECT_EQ(box().currentIndex(), 1);
    EXPECT_EQ(g_settings.CursorPos, 1896489);
    EXPECT_EQ(w->statusText(), "Moved SLIDE.");
    EXPECT_EQ(w->m_undoItem, 0);
    EXPECT_EQ(w->m_undoPositions[0], 3150000);
    EXPECT_EQ(focus(), w->bar(0));
    computeReadings(*w);
    EXPECT_NEAR(reading(10), 3.141592, 1e-5);
}

TEST_F(EditBoxTest, SeventeenNewValuesKeepTheNewestSixteenButListThemAll)
{
    g_settings.NumFoucs = 11;
    for (int i = 1; i <= 17; ++i) {
        computeReadings(*w);
        type(QString("1.%1").arg(i + 10));
        w->onCommand(613);
    }
    EXPECT_EQ(g_settings.Histry[0], "1.27");
    EXPECT_EQ(g_settings.Histry[15], "1.12");
    EXPECT_EQ(box().count(), kListSize + 17);
    EXPECT_EQ(box().itemText(7), "3.3333333=10/3");
    EXPECT_EQ(box().itemText(8), "1.27");
    EXPECT_EQ(box().itemText(24), "1.11");  // no longer persisted, still offered
    EXPECT_EQ(box().itemText(25), "1.00000");
}

TEST_F(EditBoxTest, WholeThirtyCharacterTextIsKept)
{
    g_settings.NumFoucs = 11;
    computeReadings(*w);
    const QString typed = "2.000000000000000000000000e-10";
    ASSERT_EQ(typed.size(), kEditTextMax);
    type(typed);
    w->onCommand(613);
    EXPECT_EQ(g_settings.Histry[0], typed);
    EXPECT_EQ(box().itemText(8), typed);
}

TEST_F(EditBoxTest, TextThatIsNotANumberMovesNothing)
{
    g_settings.NumFoucs = 11;
    computeReadings(*w);
    for (const char* typed : {"-2", "abc", " 2.5", ""}) {
        type(typed);
        w->onCommand(613);
        EXPECT_EQ(g_settings.CursorPos, 3150000) << typed;
        EXPECT_EQ(box().count(), kListSize) << typed;
        EXPECT_EQ(w->m_undoItem, -1) << typed;
        EXPECT_EQ(focus(), w->bar(1)) << typed;
        w->editBox()->setFocus();
    }
}

TEST_F(EditBoxTest, IneligibleItemMovesNothingAndFocusesItsBar)
{
    struct Case {
        int item;
        bool withValue;
        int command;
        int bar;
    } cases[] = {
        {5, true, 612, 0},    // K under the hairline does not follow the slide
        {1, true, 613, 1},    // K at the left index is not under the hairline
        {1, true, 622, 1},
        {5, true, 621, 0},
        {11, false, 613, 1},  // no reading
        {11, false, 622, 1},
    };
    for (const Case& c : cases) {
        g_settings.NumFoucs = static_cast<int16_t>(c.item);
        computeReadings(*w);
        if (!c.withValue)
            w->m_readoutValues[c.item - 1] = -99.0;
        type("2.5");
        w->editBox()->setFocus();
        w->onCommand(c.command);
        EXPECT_EQ(g_settings.SlidePos, 3150000) << c.item << " " << c.command;
        EXPECT_EQ(g_settings.CursorPos, 3150000) << c.item << " " << c.command;
        EXPECT_EQ(box().count(), kListSize) << c.item << " " << c.command;
        EXPECT_EQ(w->m_undoItem, -1) << c.item << " " << c.command;
        EXPECT_EQ(focus(), w->bar(c.bar)) << c.item << " " << c.command;
    }
}

TEST_F(EditBoxTest, CopyPutsTheCopyFormatIntoTheEditBox)
{
    struct Case {
        int16_t slideRev, language;
        int item;
        double value;
        const char* text;
        const char* status;
    } cases[] = {
        {0, 0, 11, 3.1622776601683795, "3.16228", "Copied \"3.16228\" in the EditBox."},
        {1, 0, 10, 0.7853981633974483, "45.00005", "Copied \"45.00005\" in the EditBox."},  // SI: decimal degrees
        {0, 1, 12, 10.000000000000002, "10.0000", "\"10.0000\" をエディット・ボックスにコピーしました。"},
    };
    for (const Case& c : cases) {
        g_settings.SlideRev = c.slideRev;
        g_settings.Language = c.language;
        g_settings.NumFoucs = static_cast<int16_t>(c.item);
        w->m_readoutValues[c.item - 1] = c.value;
        w->onCommand(611);
        EXPECT_EQ(box().currentText(), c.text);
        EXPECT_EQ(g_settings.Histry[0], c.text);
        EXPECT_EQ(w->statusText(), QString::fromUtf8(c.status));
    }
    EXPECT_EQ(box().count(), kListSize + 3);

    w->writeStatus("before");
    w->m_readoutValues[10] = -99.0;
    g_settings.NumFoucs = 11;
    w->onCommand(611);
    EXPECT_EQ(box().count(), kListSize + 3);
    EXPECT_EQ(w->statusText(), "before");
}

TEST_F(EditBoxTest, ZeroRoundClearsOneMoreDigitEachTime)
{
    g_settings.NumFoucs = 11;
    computeReadings(*w);
    w->m_readoutValues[10] = 2.34567;
    for (const char* expected : {"2.34560", "2.34500", "2.34000"}) {
        w->onCommand(622);
        EXPECT_EQ(w->statusText(), "Moved CURSOR.");
        EXPECT_EQ(focus(), w->bar(1));
        computeReadings(*w);
        EXPECT_EQ(calc::format(reading(11), 0), expected);
    }
    EXPECT_EQ(g_settings.SlidePos, 3150000);

    g_settings.NumFoucs = 10;  // C follows the slide
    w->onCommand(621);
    EXPECT_EQ(w->m_undoItem, 0);
    EXPECT_EQ(focus(), w->bar(0));
    computeReadings(*w);
    EXPECT_EQ(calc::format(reading(10), 0), "2.30000");
}

TEST_F(EditBoxTest, TabAndShiftTabWrapByTheSlidePositionAndConversion)
{
    struct Case {
        int unit;
        int32_t slideFromHome;
        int from, next, previous;
    } cases[] = {
        {0, 0, 16, 1, 15},
        {0, 0, 1, 2, 16},
        {0, 0, 12, 13, 11},
        {0, 2000, 16, 5, 15},
        {0, 2000, 5, 6, 16},
        {0, -2000, 12, 1, 11},
        {0, -2000, 1, 2, 12},
        {0, -1000, 12, 13, 11},  // within 1000 of home nothing is skipped
        {0, 1000, 16, 1, 15},
        {0, 1000, 5, 6, 4},
        {1, 0, 6, 7, 11},
        {1, 0, 7, 10, 6},
        {1, 0, 10, 11, 7},
        {1, 0, 11, 6, 10},
        {102, 0, 10, 12, 12},
        {102, 0, 12, 10, 10},
    };
    for (const Case& c : cases) {
        w->setConversionMode(c.unit);
        g_settings.SlidePos = calc::kHome + c.slideFromHome;
        g_settings.NumFoucs = static_cast<int16_t>(c.from);
        w->onCommand(651);
        EXPECT_EQ(g_settings.NumFoucs, c.next) << c.unit << " " << c.slideFromHome << " " << c.from;
        g_settings.NumFoucs = static_cast<int16_t>(c.from);
        w->onCommand(652);
        EXPECT_EQ(g_settings.NumFoucs, c.previous) << c.unit << " " << c.slideFromHome << " " << c.from;
    }
}
