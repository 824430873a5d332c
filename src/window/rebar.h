#pragma once
// The top strip: bands laid side by side, each a gripper-less header and one child,
// on the window's background texture.

#include <QPixmap>
#include <QWidget>

#include <vector>

class Rebar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeaderSize = 5;
    static constexpr int kChildHeight = 23;
    static constexpr int kBorder = 2;

    explicit Rebar(QWidget* parent);

    void addBand(QWidget* child, int width);
    void setBackground(const QPixmap& tile);
    // Takes the parent's full width at the top, as the control places itself.
    void placeAlongParent();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Band {
        QWidget* child;
        int width;
    };
    void layoutBands();
    std::vector<Band> m_bands;
    QPixmap m_tile;
};
