// Copy a reading to the clipboard; move the slide or the cursor to the clipboard's number.

#include "window/main_window.h"

void CMainWindow::OnClipboardCopy() {}
void CMainWindow::OnSlidePaste() {}
void CMainWindow::OnCursorPaste() {}
void CMainWindow::clipboardCopy(int) {}
void CMainWindow::clipboardPaste(calc::MovePart) {}
