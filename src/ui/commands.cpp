#include "window/main_window.h"

#include "app/settings.h"

void CMainWindow::OnInitialization()
{
    g_settings.SlidePos = kHomePosition;
    g_settings.CursorPos = kHomePosition;
    g_settings.SlideRev = 0;
    g_settings.SinNum = 0;
    g_settings.Unit = 0;
    g_settings.NumFoucs = 11;
}
