// The off-screen canvas of the whole face: composed once, recomposed when the face may change.

#include "window/main_window.h"

#include "app/settings.h"

void CMainWindow::createCanvas()
{
    m_canvas = newCanvas();
    m_canvasDc = std::make_unique<Dc>(m_canvas);
    m_composer.setCaptionToolsRefresh([this](const FaceState&) { captionTools(false); });
}

void CMainWindow::recomposeFace()
{
    m_composer.compose(*m_canvasDc, m_tables, FaceState{g_settings.SlideRev, g_settings.SinNum});
}
