#pragma once
// A scroll bar whose background is the window's bar pattern, tiled from the client origin,
// with the arrows and the thumb drawn by the style over it.

#include <QPixmap>
#include <QScrollBar>

class PatternedScrollBar : public QScrollBar {
    Q_OBJECT
public:
    PatternedScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}
    void setPattern(const QPixmap& tile);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_tile;
};
