// Construction of the main window on the offscreen platform.

#include "app/settings.h"
#include "window/client_area.h"
#include "window/main_window.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {
struct WindowDeleter {
    void operator()(CMainWindow* w) const { delete w; }
};
using WindowPtr = std::unique_ptr<CMainWindow, WindowDeleter>;

WindowPtr makeWindow()
{
    auto* w = new CMainWindow;
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    return WindowPtr(w);
}

void showAndPaint(CMainWindow& w)
{
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
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
