// Context menus, help and about.

#include "window/main_window.h"

void CMainWindow::OnHelp() {}
void CMainWindow::OnAbout() {}
void CMainWindow::openContextMenu(const QPoint&) {}
