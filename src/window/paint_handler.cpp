// The paint handler: gathers the window's state and draws the face into the
// client area's own image with the pure steps of src/scales/painting and the readout panel of
// src/calc/readout_panel. ClientArea::paintEvent then flushes the invalid region of that image,
// so a partial repaint (repaint mask 1 or 2) keeps every other pixel exactly as it was.

#include "window/main_window.h"

#include "app/settings.h"
#include "calc/layout.h"
#include "calc/position.h"
#include "calc/readout_panel.h"
#include "platform/dc.h"
#include "platform/system_colours.h"
#include "scales/face_composer.h"
#include "scales/painting.h"
#include "window/client_area.h"

#include <QScrollBar>

void CMainWindow::paintFace(const QRegion&)
{
    QImage& image = m_client->image();
    if (image.isNull())
        return;  // not laid out yet: the client area has had no resize event
    Dc dc(image);
    const int extraWidth = m_client->width() - layout::kBaseClientWidth;
    const Brush& background = m_backgroundBrush;

    // The image keeps what the last paint drew, as a window keeps what is not invalidated. The
    // first paint, a paint at a new width (the image has grown, the hairline column and the
    // right column have moved) and one after the background pattern changed with the system
    // colours start from the background, as an erased window does, and draw all.
    int16_t mask = m_repaintMask;
    if (!m_paintedOnce || extraWidth != m_paintMemory.extraWidth || m_backgroundChanged) {
        mask = painting::kRepaintAll;
        dc.fillRect(0, 0, image.width(), image.height(), background);
        m_backgroundChanged = false;
    }

    // The paint proper: views, readout, frames; then the painted positions.
    for (QScrollBar* bar : m_bars)
        if (bar->isHidden())
            bar->show();
    g_settings.NumFoucs = static_cast<int16_t>(calc::focusAfterFollow(g_settings.SlidePos, g_settings.NumFoucs));
    if (mask == painting::kRepaintAll)
        painting::copyNameColumnAndEndCap(dc, m_canvas, extraWidth);
    dc.selectFont(normalFont());
    painting::copyViews(dc, m_canvas, background, {extraWidth, g_settings.SlidePos, g_settings.CursorPos, mask},
                        m_paintMemory);

    calc::ReadoutPanelInput readout;
    readout.reading.slidePos = g_settings.SlidePos;
    readout.reading.cursorPos = g_settings.CursorPos;
    readout.reading.slideRev = g_settings.SlideRev;
    readout.reading.sinNum = g_settings.SinNum;
    readout.reading.conversion = m_conversion;
    readout.paintedSlidePos = m_paintedSlidePos;
    readout.paintedCursorPos = m_paintedCursorPos;
    readout.focusedItem = g_settings.NumFoucs;
    readout.repaintMask = mask;
    readout.extraWidth = extraWidth;
    calc::drawReadout(dc, readout, m_readoutMemory, m_readoutValues);

    if (mask == painting::kRepaintAll)
        painting::drawMargins(dc, background, extraWidth);  // outside the face, like the labels
    painting::drawOutlines(dc, extraWidth);
    painting::drawCursorFrame(dc, extraWidth);
    painting::drawHairline(dc, extraWidth);
    m_faceIntact = 1;
    m_paintedSlidePos = g_settings.SlidePos;
    m_paintedCursorPos = g_settings.CursorPos;
    m_repaintMask = painting::kRepaintAll;

    // The bar labels and the name column once more. The labels lie outside the face: a partial paint, which a
    // window would clip to the face, leaves them as they are.
    if (mask == painting::kRepaintAll)
        painting::drawBarLabels(dc, systemButtonColours().text.rgb());
    painting::copyNameColumnAndEndCap(dc, m_canvas, extraWidth);
    if (!m_paintedOnce)
        m_bars[1]->setFocus();
    m_paintedOnce = true;

    // The buttons that depend on the readings follow them, as an idle update would.
    const int states = focusedHasValue() | slideEligible() << 1 | cursorEligible() << 2;
    if (states != m_readingStates) {
        m_readingStates = states;
        updateCommandStates();
    }
}
