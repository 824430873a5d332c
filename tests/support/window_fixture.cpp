#include "window_fixture.h"

#include "app/settings.h"

#include <QApplication>
#include <QTest>

namespace testsupport {

std::unique_ptr<CMainWindow> makeWindow()
{
    auto w = std::make_unique<CMainWindow>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    return w;
}

bool showWindow(CMainWindow& w)
{
    w.show();
    return QTest::qWaitForWindowExposed(&w);
}

bool showAndActivate(CMainWindow& w)
{
    if (!showWindow(w))
        return false;
    QApplication::setActiveWindow(&w);
    return true;
}

calc::ReadoutValues readingsOf(const CMainWindow& w)
{
    calc::ReadoutInput in;
    in.slidePos = g_settings.SlidePos;
    in.cursorPos = g_settings.CursorPos;
    in.slideRev = g_settings.SlideRev;
    in.sinNum = g_settings.SinNum;
    in.conversion = w.m_conversion;
    return calc::readoutValues(in);
}

void computeReadings(CMainWindow& w) { w.m_readoutValues = readingsOf(w).values; }

}  // namespace testsupport
