// Slide memories: the texts of their menu items.

#include "window/main_window.h"

#include "calc/position.h"
#include "ui/resources.h"

#include <QAction>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalBlocker>

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

void CMainWindow::OnReadMemory(int slot)
{
    const SlideMemory& memory = g_settings.Memory[slot - 1];
    recordUndoPoint(calc::MovePart::Slide);
    g_settings.SlidePos = memory.position;
    g_settings.SlideRev = static_cast<int16_t>(memory.faceFlags & 3);
    g_settings.SinNum = static_cast<int16_t>((memory.faceFlags >> 2) & 1);
    m_paintedSlidePos = g_settings.SlidePos;
    setConversionMode(0);
    {
        const QSignalBlocker quiet(bar(0));  // not a drag of the slide bar
        bar(0)->setSliderPosition(calc::kDecade - g_settings.SlidePos);
    }
    recomposeFace();
    invalidateFace();
    bar(1)->setFocus();
    applyLanguage();  // face-dependent menu texts and every memory text
    const int language = g_settings.Language;
    writeStatus(calc::statusMessage(calc::StatusId::LoadedMemory, language,
                                    {calc::partName(calc::MovePart::Slide, language), QString::number(slot)}));
}

void CMainWindow::OnSetMemory(int slot)
{
    SlideMemory& memory = g_settings.Memory[slot - 1];
    memory.position = g_settings.SlidePos;
    memory.faceFlags = static_cast<int16_t>((g_settings.SinNum << 2) | g_settings.SlideRev);
    writeMemoryItemTexts(slot - 1, memory);
    const int language = g_settings.Language;
    writeStatus(calc::statusMessage(calc::StatusId::SavedMemory, language,
                                    {calc::partName(calc::MovePart::Slide, language), QString::number(slot)}));
}
