// Window width, place, always on top and the caption tooltip, through a real window.

#include "app/settings.h"
#include "window/client_area.h"
#include "window/main_window.h"
#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace {
using testsupport::makeWindow;
using testsupport::showWindow;

std::unique_ptr<CMainWindow> shownWindow()
{
    auto w = makeWindow();
    EXPECT_TRUE(showWindow(*w));
    return w;
}

QToolButton* homeButton(CMainWindow& w, const char* name)
{
    for (QToolButton* b : w.clientArea()->findChildren<QToolButton*>())
        if (b->accessibleName() == name)
            return b;
    return nullptr;
}
}  // namespace

TEST(Geometry, WideningMovesWhatFollowsTheWidth)
{
    auto w = shownWindow();
    const QRect editBox = w->editBox()->geometry();
    const QRect reverse = homeButton(*w, "Reverse slide")->geometry();
    w->resize(1080, w->height());
    QApplication::processEvents();
    EXPECT_EQ(w->clientArea()->width(), 1080);
    EXPECT_EQ(g_settings.CxSize, 455);
    EXPECT_EQ(w->bar(0)->geometry(), QRect(160, 186, 370 + 455, 29));
    EXPECT_EQ(w->bar(1)->geometry(), QRect(160, 223, 370 + 455, 29));
    EXPECT_EQ(homeButton(*w, "Slide home")->geometry(), QRect(545 + 455, 186, 60, 29));
    EXPECT_EQ(homeButton(*w, "Cursor home")->geometry(), QRect(545 + 455, 223, 60, 29));
    EXPECT_EQ(w->faceRect(), QRect(QPoint(0, 39), QPoint(1079, 174)));
    EXPECT_EQ(w->editBox()->geometry(), editBox);
    EXPECT_EQ(homeButton(*w, "Reverse slide")->geometry(), reverse);
    EXPECT_EQ(w->clientArea()->height(), 290) << "the height never changes";
}

TEST(Geometry, WidthStaysBetweenTheLimits)
{
    auto w = shownWindow();
    w->resize(500, w->height());
    QApplication::processEvents();
    EXPECT_EQ(w->width(), 880);
    w->resize(2600, w->height());
    QApplication::processEvents();
    EXPECT_EQ(w->width(), 2000);
    EXPECT_EQ(g_settings.CxSize, 2000 - 625);
}

TEST(Geometry, StoredNarrowWidthIsKept)
{
    g_settings.CxSize = 0;
    auto w = shownWindow();
    EXPECT_EQ(w->clientArea()->width(), 625);
    EXPECT_EQ(g_settings.CxSize, 0);
}

TEST(Geometry, PlaceIsKeptCurrent)
{
    auto w = shownWindow();
    w->move(37, 77);
    QApplication::processEvents();
    EXPECT_EQ(g_settings.Xpos, 37);
    EXPECT_EQ(g_settings.Ypos, 77);
}

TEST(Geometry, AlwaysOnTopToggles)
{
    auto w = shownWindow();
    w->onCommand(150);
    EXPECT_EQ(g_settings.TopWin, 1);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    w->onCommand(150);
    EXPECT_EQ(g_settings.TopWin, 0);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST(Geometry, CaptionTooltipTextsPerFace)
{
    struct Case {
        int16_t slideRev, sinNum;
        const char* rows[8];
    } cases[] = {
        {0, 0, {"K=D^3", "DF=D*sqrt(10)", "CF=nD*sqrt(10)", "CIF=10/(nD*sqrt(10))", "CI=10/nD", "C=nD", "D=D", "A=D^2"}},
        {1, 0, {"K=D^3", "DF=D*sqrt(10)", "TI2=atan(10/nD)", "TI1=atan(1/nD)", "L=1-log(nD)", "SI=asin(1/nD)", "D=D", "A=D^2"}},
        {1, 1, {"K=D^3", "DF=D*sqrt(10)", "TI2=acot(10/nD)", "TI1=acot(1/nD)", "L=1-log(nD)", "SI=acos(1/nD)", "D=D", "A=D^2"}},
        {3, 0, {"K=D^3", "DF=D*sqrt(10)", "S=asin(nD/10)", "LI=log(nD)", "T1=acot(10/nD)", "T2=acot(1/nD)", "D=D", "A=D^2"}},
        {3, 1, {"K=D^3", "DF=D*sqrt(10)", "S=acos(nD/10)", "LI=log(nD)", "T1=atan(10/nD)", "T2=atan(1/nD)", "D=D", "A=D^2"}},
    };
    auto w = makeWindow();
    for (const Case& c : cases) {
        g_settings.SlideRev = c.slideRev;
        g_settings.SinNum = c.sinNum;
        w->captionTools(false);
        for (int row = 0; row < 8; ++row)
            EXPECT_EQ(w->captionTipText(row), c.rows[row]) << c.slideRev << "/" << c.sinNum << " row " << row;
    }
    // reversing the slide refreshes the tools through the composition
    g_settings.SlideRev = 0;
    g_settings.SinNum = 0;
    w->onCommand(111);
    EXPECT_EQ(w->captionTipText(5), "SI=asin(1/nD)");
}
