// Construction of the main window on the offscreen platform.

#include "app/settings.h"
#include "app/settings_store.h"
#include "platform/keys.h"
#include "platform/profile.h"
#include "window/client_area.h"
#include "window/main_window.h"
#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QScrollBar>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {
using testsupport::HeldKeys;
using testsupport::makeWindow;
using testsupport::showWindow;

void showAndPaint(CMainWindow& w)
{
    ASSERT_TRUE(showWindow(w));
    w.clientArea()->repaint();
    QApplication::processEvents();
}
}  // namespace

TEST(MainWindow, ClientAreaIsBaseWidthPlusExtraBy290)
{
    auto w = makeWindow();
    EXPECT_EQ(w->clientArea()->width(), 880);
    EXPECT_EQ(w->clientArea()->height(), 290);
    EXPECT_EQ(w->pos(), QPoint(20, 20));
    EXPECT_EQ(w->statusText(), "text");
    EXPECT_EQ(w->m_undoItem, -1);
    EXPECT_EQ(w->m_repaintMask, 7);
    EXPECT_EQ(w->canvas().size(), QSize(2501, 136));
}

TEST(MainWindow, BarsHiddenUntilFirstPaintThenCursorBarHasFocus)
{
    auto w = makeWindow();
    EXPECT_FALSE(w->bar(0)->isVisibleTo(w.get()));
    EXPECT_FALSE(w->bar(1)->isVisibleTo(w.get()));
    showAndPaint(*w);
    EXPECT_TRUE(w->bar(0)->isVisible());
    EXPECT_TRUE(w->bar(1)->isVisible());
    QApplication::setActiveWindow(w.get());
    EXPECT_EQ(QApplication::focusWidget(), w->bar(1));
}

TEST(MainWindow, BarThumbsFollowThePositions)
{
    struct Case {
        int32_t slide, cursor, slideThumb;
    } cases[] = {{3150000, 3150000, 3150000}, {0, 2507022, 6300000}, {-90000, 6390000, 6390000}};
    for (const Case& c : cases) {
        g_settings.SlidePos = c.slide;
        g_settings.CursorPos = c.cursor;
        auto w = makeWindow();
        EXPECT_EQ(w->bar(0)->minimum(), -300000);
        EXPECT_EQ(w->bar(0)->maximum(), 6600000);
        EXPECT_EQ(w->bar(0)->sliderPosition(), c.slideThumb);
        EXPECT_EQ(w->bar(1)->sliderPosition(), c.cursor);
        EXPECT_EQ(w->m_paintedSlidePos, c.slide);
        EXPECT_EQ(w->m_paintedCursorPos, c.cursor);
    }
}

TEST(MainWindow, EditBoxListsConstantsThenHistory)
{
    g_settings.Histry[0] = "42.5";
    auto w = makeWindow();
    QComboBox* box = w->editBox();
    ASSERT_EQ(box->count(), 24);
    EXPECT_EQ(box->itemText(0), "2.718282=e");
    EXPECT_EQ(box->itemText(7), "3.3333333=10/3");
    EXPECT_EQ(box->itemText(8), "42.5");
    EXPECT_EQ(box->itemText(23), "16.00000");
    EXPECT_EQ(box->currentIndex(), 8);
    EXPECT_EQ(box->currentText(), "42.5");
    box->setEditText(QString(40, QChar('1')));
    box->lineEdit()->clear();
    QTest::keyClicks(box->lineEdit(), QString(40, QChar('1')));
    EXPECT_EQ(box->currentText().size(), 30);
}

TEST(MainWindow, RestoredConversionFocusesItem10)
{
    g_settings.Unit = 0;
    EXPECT_EQ((makeWindow(), g_settings.NumFoucs), 11);
    g_settings.Unit = 301;
    EXPECT_EQ((makeWindow(), g_settings.NumFoucs), 10);
}

namespace {
std::vector<int> toolbarCommands(QToolBar* toolbar)
{
    std::vector<int> commands;
    for (QAction* action : toolbar->actions())
        commands.push_back(action->isSeparator() ? 0 : action->data().toInt());
    return commands;
}

QStringList popupTitles(QMenuBar* bar)
{
    QStringList titles;
    for (QAction* action : bar->actions())
        titles << action->text();
    return titles;
}
}  // namespace

TEST(MainWindow, ToolbarsAndMenuBarFollowTheLanguage)
{
    struct Case {
        int16_t language;
        std::vector<int> numbering, edit, mode;
        QStringList popups;
        QString title;
        QString unitPopup;
    } cases[] = {
        {0, {32794, 32795}, {32781, 32782, 32783, 0, 32784, 32785, 32786, 0, 32787, 32788, 0, 32780},
         {32779, 0, 32791, 32792, 32793},
         {"&Operation", "&Setting", "&Edit", "&Memory", "&Help"}, "Kestrin for Windows", "Change &Unit"},
        {1, {116, 117}, {601, 602, 603, 0, 611, 612, 613, 0, 621, 622, 0, 631}, {135, 0, 131, 132, 133},
         {"動作(&D)", "設定(&S)", "編集(&E)", "滑尺メモリ(&M)", "ヘルプ(&H)"}, "", "単位変換(&U)"},
    };
    for (const Case& c : cases) {
        g_settings.Language = c.language;
        auto w = makeWindow();
        EXPECT_EQ(toolbarCommands(w->numberingToolbar()), c.numbering);
        EXPECT_EQ(toolbarCommands(w->editToolbar()), c.edit);
        EXPECT_EQ(toolbarCommands(w->modeToolbar()), c.mode);
        EXPECT_EQ(popupTitles(w->menuBar()), c.popups);
        if (!c.title.isEmpty())
            EXPECT_EQ(w->windowTitle(), c.title);
        else
            EXPECT_FALSE(w->windowTitle().isEmpty());
        QMenu* operation = w->menuBar()->actions()[0]->menu();
        EXPECT_EQ(operation->actions()[5]->text(), c.unitPopup);
        EXPECT_FALSE(operation->actions()[2]->isEnabled()) << "numbering popup greyed on the front face";
    }
}

TEST(MainWindow, LanguageSwitchAndMemoryTexts)
{
    auto w = makeWindow();
    w->onCommand(171);
    EXPECT_EQ(g_settings.Language, 1);
    EXPECT_EQ(w->menuBar()->actions()[0]->text(), "動作(&D)");
    EXPECT_EQ(toolbarCommands(w->numberingToolbar()), (std::vector<int>{116, 117}));
    w->onCommand(170);
    EXPECT_EQ(g_settings.Language, 0);
    EXPECT_EQ(w->menuBar()->actions()[0]->text(), "&Operation");
    QMenu* memory = w->menuBar()->actions()[3]->menu();
    EXPECT_EQ(memory->actions()[0]->text(), "&1 <C:D=1.00000:||>\tShift+1");
    EXPECT_EQ(memory->actions().last()->text(), "&Set");
}

TEST(MainWindow, MemoryItemTexts)
{
    EXPECT_EQ(memoryReadItemText(0, {}), "&1 <C:D=1.00000:||>\tShift+1");
    EXPECT_EQ(memoryReadItemText(2, {1896489, 0}), "&3 <C:D=1.58114:}}>\tShift+3");
    EXPECT_TRUE(memoryReadItemText(9, {4000000, 1}).startsWith("&0 <SI:D="));
    EXPECT_TRUE(memoryReadItemText(9, {4000000, 3}).startsWith("&0 <S:D="));
    EXPECT_TRUE(memoryReadItemText(9, {4000000, 1}).endsWith(":{{>\tShift+0"));
    EXPECT_EQ(memorySetItemText(9), "Set &0");
}

TEST(MainWindow, CommandStatesFollowTheSettings)
{
    auto w = makeWindow();
    auto actionOf = [&](int command) {
        for (QAction* a : w->modeToolbar()->actions() + w->editToolbar()->actions())
            if (a->data().toInt() == command)
                return a;
        return static_cast<QAction*>(nullptr);
    };
    EXPECT_FALSE(actionOf(32780)->isEnabled()) << "no undo point yet";
    EXPECT_TRUE(actionOf(32779)->isChecked());
    w->onCommand(32779);
    EXPECT_FALSE(actionOf(32779)->isChecked());
    EXPECT_TRUE(actionOf(32792)->isChecked());
    w->onCommand(131);  // Japanese twin of Double
    EXPECT_TRUE(actionOf(32791)->isChecked());
    EXPECT_FALSE(actionOf(32792)->isChecked());
    w->onCommand(110);
    EXPECT_TRUE(actionOf(32780)->isEnabled());
}

TEST(MainWindow, ShiftCloseResetsTheRule)
{
    struct Case {
        Keys::State keys;
        bool reset;
    } cases[] = {{{false, true, false}, true}, {{true, true, false}, false},
                 {{false, true, true}, false}, {{false, false, false}, false}};
    for (const Case& c : cases) {
        g_settings.SlidePos = 1000;
        g_settings.SlideRev = 1;
        g_settings.Unit = 1;
        g_settings.RightClick = 2;
        auto w = makeWindow();
        w->show();
        {
            HeldKeys held(c.keys);
            w->close();
        }
        EXPECT_EQ(g_settings.SlidePos, c.reset ? 3150000 : 1000);
        EXPECT_EQ(g_settings.SlideRev, c.reset ? 0 : 1);
        EXPECT_EQ(g_settings.Unit, c.reset ? 0 : 1);
        EXPECT_EQ(g_settings.NumFoucs, c.reset ? 11 : 10);
        EXPECT_EQ(g_settings.RightClick, 2);
    }
}

TEST(MainWindow, HostileStoredValuesStillShowTheRule)
{
    struct Case {
        const char* cxSize;
        const char* slideRev;
        const char* numFoucs;
        const char* unit;
        const char* slidePos;
        const char* cursorPos;
    } cases[] = {
        {"4294934528", "2", "99", "12345", "2147483648", "2147483647"},  // -32768, INT32_MIN, INT32_MAX
        {"32767", "65535", "0", "-5", "-1", "7000000"},
        {"0", "3", "16", "102", "6390000", "-90000"},
    };
    for (const Case& c : cases) {
        {
            QSettings store(QSettings::IniFormat, QSettings::UserScope, "Orbane", "kestrin");
            store.clear();
            store.setValue("Velmo/ScaleRev", 257);
            store.setValue("Velmo/CxSize", c.cxSize);
            store.setValue("Velmo/SlideRev", c.slideRev);
            store.setValue("Velmo/NumFoucs", c.numFoucs);
            store.setValue("Velmo/Unit", c.unit);
            store.setValue("Velmo/SlidePos", c.slidePos);
            store.setValue("Velmo/CursorPos", c.cursorPos);
        }
        readSettings(g_settings, Profile("Orbane"));
        auto w = makeWindow();
        showAndPaint(*w);
        EXPECT_GE(w->clientArea()->width(), 625);
        EXPECT_LE(w->clientArea()->width(), 2000);
        w->onScroll(0, ScrollCode::LineRight);
        w->onScroll(1, ScrollCode::PageLeft);
        w->onCommand(651);
        w->clientArea()->repaint();
        for (int32_t p : {g_settings.SlidePos, g_settings.CursorPos}) {
            EXPECT_GE(p, -90000);
            EXPECT_LE(p, 6390000);
        }
    }
}
