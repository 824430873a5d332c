#pragma once
// The window's client area: (625 + CxSize) × 290 pixels. Every documented client
// coordinate is a coordinate of this widget. It shows the window's own image, into which
// the painter draws, so a partial repaint keeps the rest exactly as it was.

#include <QImage>
#include <QWidget>

class CMainWindow;

class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(CMainWindow* window);

    QImage& image() { return m_image; }
    const QImage& image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    CMainWindow* m_window;
    QImage m_image;
};
