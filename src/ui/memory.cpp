// Slide memories: the texts of their menu items.

#include "window/main_window.h"

#include "ui/resources.h"

#include <QAction>
#include <QMenuBar>

#include <cmath>

// "&n <face:D=a.bbbbb:cc>\tShift+n": the D reading under the slide's left index and the shift.
QString memoryReadItemText(int index, const SlideMemory& memory)
{
    double v = std::pow(10.0, (3150000.0 - memory.position) / 21000.0 / 300.0);
    for (int guard = 0; v < 1 && guard < 400; ++guard)
        v *= 10;
    for (int guard = 0; v >= 10 && guard < 400; ++guard)
        v /= 10;
    v += 0.000005;
    const long a = static_cast<long>(v);
    const long b = static_cast<long>((v - a) * 100000);
    const char mark = memory.position == 3150000 ? '|' : memory.position < 3150000 ? '}' : '{';
    const char* face = (memory.faceFlags & 3) == 0 ? "C" : (memory.faceFlags & 2) ? "S" : "SI";
    const int n = (index + 1) % 10;
    return QString::asprintf("&%d <%s:%s=%ld.%05ld:%c%c>\tShift+%d", n, face, "D", a, b, mark, mark, n);
}

QString memorySetItemText(int index) { return QString::asprintf("Set &%d", (index + 1) % 10); }

void CMainWindow::writeMemoryItemTexts(int index, const SlideMemory& memory)
{
    if (QAction* read = resources::findAction(menuBar(), 501 + index))
        read->setText(resources::actionText(memoryReadItemText(index, memory)));
    if (QAction* set = resources::findAction(menuBar(), 521 + index))
        set->setText(memorySetItemText(index));
}

void CMainWindow::OnReadMemory(int) {}
void CMainWindow::OnSetMemory(int) {}
