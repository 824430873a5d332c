#include "window/patterned_scroll_bar.h"

#include <QPainter>
#include <QStyleOptionSlider>

void PatternedScrollBar::setPattern(const QPixmap& tile)
{
    m_tile = tile;
    update();
}

void PatternedScrollBar::paintEvent(QPaintEvent* event)
{
    if (m_tile.isNull()) {
        QScrollBar::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), m_tile, pos());
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_ScrollBarAddLine | QStyle::SC_ScrollBarSubLine | QStyle::SC_ScrollBarSlider;
    style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
}
