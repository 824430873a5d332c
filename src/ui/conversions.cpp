// Unit, circle and angle conversions: the mode shown by the readout and the commands.

#include "window/main_window.h"

#include "app/settings.h"

#include <QScrollBar>

void CMainWindow::setConversionMode(int code)
{
    if (code != 0)
        g_settings.NumFoucs = 10;  // C under the hairline
    m_conversion = calc::conversionMode(code);
    g_settings.Unit = m_conversion.unit;
}

void CMainWindow::OnConversion(const calc::Conversion& conversion)
{
    recordUndoPoint(calc::MovePart::Slide);
    g_settings.SlideRev = 0;
    g_settings.SlidePos = calc::conversionSlidePosition(conversion.f, conversion.shift);
    m_paintedSlidePos = g_settings.SlidePos;
    setBarThumbs();
    recomposeFace();
    invalidateFace();
    m_bars[1]->setFocus();
    setConversionMode(conversion.code);
}

void CMainWindow::recordUndoPoint(calc::MovePart part)
{
    m_undoItem = static_cast<int16_t>(part);
    m_undoPositions[static_cast<int>(part)] =
        part == calc::MovePart::Slide ? g_settings.SlidePos : g_settings.CursorPos;
}
