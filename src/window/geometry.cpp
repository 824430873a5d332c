// Width, place and always-on-top: the window keeps CxSize, Xpos, Ypos and TopWin current.

#include "window/main_window.h"

#include "app/settings.h"
#include "calc/layout.h"
#include "window/client_area.h"
#include "window/rebar.h"

#include <QMoveEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>

using namespace layout;

namespace {
constexpr int kMinClientWidth = 880;
constexpr int kMaxClientWidth = 2000;
}  // namespace

// The frame is drawn outside the window by the window manager, so outer width = client width.
void CMainWindow::applyWidthLimits()
{
    const int created = std::clamp(kBaseClientWidth + g_settings.CxSize, int(kBaseClientWidth), kMaxClientWidth);
    setMinimumWidth(std::min(kMinClientWidth, created));
    setMaximumWidth(std::max(kMaxClientWidth, created));
}

void CMainWindow::onClientResized(int clientWidth)
{
    if (isMinimized())
        return;
    const int extra = clientWidth - kBaseClientWidth;
    g_settings.CxSize = static_cast<int16_t>(extra);
    m_faceRect = QRect(QPoint(0, kFaceTopY - 1), QPoint(clientWidth - 1, kFaceBottomY));
    if (!m_rebar)
        return;  // still being built: nothing to place yet
    const int tops[2] = {kSlideBarTopY, kCursorBarTopY};
    for (int i = 0; i < 2; ++i) {
        m_homeButtons[i]->setGeometry(kHomeButtonLeftX + extra, tops[i],
                                      kHomeButtonRightX - kHomeButtonLeftX, kBarHeight);
        m_bars[i]->setGeometry(kBarLeftX, tops[i], kBarRightX - kBarLeftX + extra, kBarHeight);
    }
    setBarThumbs();
    m_rebar->placeAlongParent();
    placeStatusBar();
    m_faceIntact = 0;
    if (m_paintedOnce)
        m_client->update();
}

void CMainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    m_faceIntact = 0;
    if (isMinimized())
        return;
    g_settings.Xpos = static_cast<int16_t>(pos().x());
    g_settings.Ypos = static_cast<int16_t>(pos().y());
}

void CMainWindow::OnAlwaysOnTop()
{
    g_settings.TopWin = static_cast<int16_t>((g_settings.TopWin + 1) % 2);
    setWindowFlag(Qt::WindowStaysOnTopHint, g_settings.TopWin != 0);
    show();
}
