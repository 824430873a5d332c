#include "window/client_area.h"

#include "window/main_window.h"

#include <QPainter>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QToolTip>

ClientArea::ClientArea(CMainWindow* window) : QWidget(window), m_window(window)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

void ClientArea::resizeEvent(QResizeEvent*)
{
    QImage grown(size(), QImage::Format_RGB32);
    grown.fill(palette().color(QPalette::Window));
    QPainter(&grown).drawImage(0, 0, m_image);
    m_image = grown;
    m_window->onClientResized(width());
}

bool ClientArea::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (!m_window->showCaptionTip(help->pos(), help->globalPos()))
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void ClientArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_window->OnLeftButtonDown(event->position().toPoint());
    else if (event->button() == Qt::RightButton)
        m_window->openContextMenu(event->globalPosition().toPoint());
}

void ClientArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_window->OnLeftButtonDoubleClick(event->position().toPoint());
}

void ClientArea::paintEvent(QPaintEvent* event)
{
    m_window->paintFace(event->region());
    QPainter painter(this);
    for (const QRect& r : event->region())
        painter.drawImage(r.topLeft(), m_image, r);
}
