// Mouse on the face: a click focuses a readout item, a double click copies it.

#include "window/main_window.h"

#include "app/settings.h"
#include "calc/hit_test.h"
#include "calc/layout.h"
#include "calc/status_messages.h"
#include "platform/keys.h"

#include <QRect>

#include <cstdlib>

namespace {
// Items a conversion works with; the others show no number while it is active.
bool conversionTakesFocus(int unit, int item)
{
    if (unit == 102)
        return item == 10 || item == 12;
    return item == 6 || item == 7 || item == 10 || item == 11;
}

// The bars' rectangles at the base width, edges included; the bars themselves lie over them,
// so only their edge lines reach the client area.
bool inBarRect(const QPoint& p, int top)
{
    return layout::kBarLeftX <= p.x() && p.x() <= layout::kBarRightX && top <= p.y() &&
           p.y() <= top + layout::kBarHeight;
}

// The label "CURSOR" left of the cursor bar, edges included.
const QRect kCursorLabel(QPoint(12, 229), QPoint(112, 249));

QString greetingLine()
{
    return calc::statusMessage(calc::StatusId::Greeting, g_settings.Language,
                               {calc::greeting(std::rand()), QString::fromUtf16(calc::kProgramName),
                                QString::fromUtf16(calc::kVersionText)});
}

QString aboutLine()
{
    const int language = g_settings.Language;
    if (Keys::ctrl()) {
        const QString built = QString::asprintf("%s, %s,", __DATE__, __TIME__);
        return calc::statusMessage(calc::StatusId::BuildDateTime, language, {built});
    }
    if (Keys::rightButton())
        return greetingLine();
    if (Keys::shift())
        return calc::statusMessage(calc::StatusId::Positions, language,
                                   {QString::number(g_settings.SlidePos), QString::number(g_settings.CursorPos)});
    return greetingLine();
}
}  // namespace

void CMainWindow::OnLeftButtonDown(const QPoint& point)
{
    clearStatus();
    const int item = calc::hitTest(point.x(), point.y(), g_settings.CxSize);
    if (item != 0) {
        if (g_settings.Unit == 0 || conversionTakesFocus(g_settings.Unit, item))
            g_settings.NumFoucs = static_cast<int16_t>(item);
        requestFaceRepaint();
    }
    if (inBarRect(point, layout::kSlideBarTopY))
        recordUndoPoint(calc::MovePart::Slide);
    else if (inBarRect(point, layout::kCursorBarTopY))
        recordUndoPoint(calc::MovePart::Cursor);
    updateCommandStates();
}

void CMainWindow::OnLeftButtonDoubleClick(const QPoint& point)
{
    // Only the cell that was double-clicked is copied: where the first click could not move
    // the focus to it (a conversion, or an index cell the focus left), nothing is.
    const int item = calc::hitTest(point.x(), point.y(), g_settings.CxSize);
    if (item != 0 && item == g_settings.NumFoucs && focusedHasValue()) {
        requestFaceRepaint();
        clipboardCopy(item);
    }
    if (kCursorLabel.contains(point))
        writeStatus(aboutLine());
    updateCommandStates();
}
