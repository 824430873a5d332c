// Commands that change the rule as a whole or a mode: reverse, reset, undo, locks, homes.

#include "window/main_window.h"

#include "app/settings.h"
#include "calc/position.h"
#include "platform/keys.h"

#include <QScrollBar>

namespace {
constexpr int32_t kDecade = calc::kDecade;
constexpr int32_t kHome = calc::kHome;

// Home with the right button held: a half-decade jump around the middle.
int32_t halfDecadeJump(int32_t position, int32_t middleGoesTo, int32_t endGoesFrom)
{
    if (position == kHome)
        return middleGoesTo;
    if (position == endGoesFrom)
        return kHome == middleGoesTo ? 0 : kDecade - middleGoesTo;
    return position > kHome ? position - kHome : position + kHome;
}
}  // namespace

void CMainWindow::OnReverseSlide()
{
    setConversionMode(0);
    const int x = Keys::ctrl() || !Keys::rightButton() ? 1 : 2;
    int face = g_settings.SlideRev ^ x;
    if (face == 2)
        face = 0;
    g_settings.SlideRev = static_cast<int16_t>(face);
    recomposeFace();
    applyLanguage();
    requestFaceRepaint();
    m_bars[1]->setFocus();
}

void CMainWindow::OnInitialization()
{
    recordUndoPoint(calc::MovePart::Slide);
    g_settings.CursorPos = g_settings.SlidePos = kHome;
    m_paintedCursorPos = m_paintedSlidePos = kHome;
    setBarThumbs();
    setConversionMode(0);
    g_settings.SlideRev = 0;
    g_settings.SinNum = 0;
    g_settings.NumFoucs = 11;
    recomposeFace();
    invalidateFace();
    clearStatus();
    m_bars[1]->setFocus();
}

void CMainWindow::OnUndo()
{
    if (m_undoItem != 0 && m_undoItem != 1) {
        m_bars[1]->setFocus();
        return;
    }
    int32_t& current = m_undoItem == 0 ? g_settings.SlidePos : g_settings.CursorPos;
    std::swap(current, m_undoPositions[m_undoItem]);
    setBarThumbs();
    requestFaceRepaint();
    m_bars[m_undoItem]->setFocus();
}

void CMainWindow::OnNumberLock()
{
    g_settings.NumberVariable = static_cast<int16_t>((g_settings.NumberVariable + 1) % 2);
}

void CMainWindow::OnRightClickDouble() { g_settings.RightClick = 0; }
void CMainWindow::OnRightClickFast() { g_settings.RightClick = 1; }
void CMainWindow::OnRightClickReverse() { g_settings.RightClick = 2; }

void CMainWindow::setNumbering(int sinNum, bool focusCursorBar)
{
    g_settings.SinNum = static_cast<int16_t>(sinNum);
    captionTools(false);
    m_repaintMask = 0;
    requestFaceRepaint();
    if (focusCursorBar)
        m_bars[1]->setFocus();
}

void CMainWindow::OnBlackNumbering() { setNumbering(0, true); }
void CMainWindow::OnRedNumbering() { setNumbering(1, true); }

void CMainWindow::OnToggleNumbering()
{
    if (g_settings.SlideRev == 1)
        setNumbering(g_settings.SinNum ^ 1, false);
}

void CMainWindow::OnFocusSlideBar() { m_bars[0]->setFocus(); }
void CMainWindow::OnFocusCursorBar() { m_bars[1]->setFocus(); }

void CMainWindow::OnSlideHome()
{
    recordUndoPoint(calc::MovePart::Slide);
    setConversionMode(0);
    g_settings.SlidePos = Keys::rightButton() ? halfDecadeJump(g_settings.SlidePos, kDecade, kDecade) : kHome;
    m_paintedSlidePos = g_settings.SlidePos;
    setBarThumbs();
    invalidateFace();
    clearStatus();
    m_bars[0]->setFocus();
}

void CMainWindow::OnCursorHome()
{
    recordUndoPoint(calc::MovePart::Cursor);
    g_settings.CursorPos = Keys::rightButton() ? halfDecadeJump(g_settings.CursorPos, 0, 0) : kHome;
    m_paintedCursorPos = g_settings.CursorPos;
    setBarThumbs();
    invalidateFace();
    clearStatus();
    m_bars[1]->setFocus();
}

void CMainWindow::requestFaceRepaint()
{
    if (!m_faceIntact) {
        m_repaintMask = 7;
        m_faceIntact = 1;
    }
    invalidateFace();
}
