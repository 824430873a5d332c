#include "window/main_window.h"

#include "window/client_area.h"

#include <QPainter>
#include <QScrollBar>

void CMainWindow::paintFace(const QRegion& region)
{
    QPainter painter(&m_client->image());
    painter.setClipRegion(region);
    if (!m_backgroundBitmap.isNull())
        painter.drawTiledPixmap(m_client->rect(), m_backgroundBitmap);
    else
        painter.fillRect(m_client->rect(), palette().color(QPalette::Window));
    painter.end();
    if (!m_paintedOnce) {
        m_bars[0]->show();
        m_bars[1]->show();
        m_bars[1]->setFocus();
    }
    m_paintedOnce = true;
}

void CMainWindow::recomposeFace() {}
