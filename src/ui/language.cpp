#include "window/main_window.h"

#include "app/settings.h"

void CMainWindow::applyLanguage()
{
    setWindowTitle(g_settings.Language == 0 ? QStringLiteral("Kestrin for Windows")
                                            : QStringLiteral("Velmo - 片面型デジタル計算尺"));
}
