#include "window/rebar.h"

#include <QPainter>

Rebar::Rebar(QWidget* parent) : QWidget(parent) { placeAlongParent(); }

void Rebar::addBand(QWidget* child, int width)
{
    child->setParent(this);
    m_bands.push_back({child, width});
    layoutBands();
}

void Rebar::setBackground(const QPixmap& tile)
{
    m_tile = tile;
    update();
}

void Rebar::placeAlongParent()
{
    setGeometry(0, 0, parentWidget()->width(), kChildHeight + 2 * kBorder);
    layoutBands();
}

void Rebar::layoutBands()
{
    int x = 0;
    for (size_t i = 0; i < m_bands.size(); ++i) {
        const bool last = i + 1 == m_bands.size();
        const int width = last ? std::max(m_bands[i].width, this->width() - x) : m_bands[i].width;
        m_bands[i].child->setGeometry(x + kHeaderSize, kBorder, width - kHeaderSize, kChildHeight);
        x += width + kBorder;
    }
}

void Rebar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!m_tile.isNull())
        painter.drawTiledPixmap(rect(), m_tile);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    int x = 0;
    for (size_t i = 0; i + 1 < m_bands.size(); ++i) {
        x += m_bands[i].width;
        painter.fillRect(x, 0, 1, height(), dark);
        painter.fillRect(x + 1, 0, 1, height(), light);
        x += kBorder;
    }
    painter.fillRect(0, height() - 2, width(), 1, dark);
    painter.fillRect(0, height() - 1, width(), 1, light);
}
