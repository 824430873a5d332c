// The window's side of moving to a value: the pure core computes, the window applies.

#include "window/main_window.h"

#include "app/settings.h"
#include "calc/move_to_value.h"
#include "window/client_area.h"

#include <QScrollBar>

int32_t CMainWindow::moveToValue(double value, calc::MovePart target, bool apply)
{
    calc::MoveRequest request;
    request.value = value;
    request.target = target;
    request.apply = apply;
    request.focusedItem = g_settings.NumFoucs;
    request.slideRev = g_settings.SlideRev;
    request.sinNum = g_settings.SinNum;
    request.language = g_settings.Language;
    request.slidePos = g_settings.SlidePos;
    request.cursorPos = g_settings.CursorPos;
    const calc::MoveResult result = calc::moveToValue(request);

    if (result.writesStatus)
        writeStatus(result.status);
    if (result.clearRepaintMask)
        m_repaintMask = 0;
    if (result.applied) {
        const int32_t stored = result.storedPosition();
        if (target == calc::MovePart::Cursor) {
            g_settings.CursorPos = stored;
            m_paintedCursorPos = stored;
        } else {
            g_settings.SlidePos = stored;
            m_paintedSlidePos = stored;
        }
        setThumb(static_cast<int>(target), result.barPosition);
        invalidateFace();
    }
    return result.barPosition;
}

void CMainWindow::invalidateFace() { m_client->update(m_faceRect); }
