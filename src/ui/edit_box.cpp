// The edit box: constants and history, moves to its value, "0 Round" moves, Tab stepping.

#include "window/main_window.h"

void CMainWindow::OnEditBoxCopy() {}
void CMainWindow::OnEditBoxSlideMove() {}
void CMainWindow::OnEditBoxCursorMove() {}
void CMainWindow::OnZeroRoundSlideMove() {}
void CMainWindow::OnZeroRoundCursorMove() {}
void CMainWindow::OnNextItem() {}
void CMainWindow::OnPreviousItem() {}
void CMainWindow::addToHistory(const QString&) {}
