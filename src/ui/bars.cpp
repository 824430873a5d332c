// The slide bar and the cursor bar, their keys and the mouse wheel: one scroll handler.

#include "window/main_window.h"

#include "app/settings.h"
#include "calc/number_format.h"
#include "calc/position.h"
#include "platform/keys.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

namespace {
constexpr int32_t kDecade = calc::kDecade;
constexpr int kSlideBar = 0;
constexpr int kCursorBar = 1;

// Plain steps by code and sub-mode (0 none, 1 Shift, 2 Ctrl).
struct PlainStep {
    int32_t none, shift, ctrl;
};
// Number-lock steps: value step and digits zeroed first.
struct LockStep {
    double s[3];
    int n[3];
};

int32_t plainStep(ScrollCode code, int subMode)
{
    static const PlainStep lineLeft{-1, -20, +1}, lineRight{+1, +20, -1};
    static const PlainStep pageLeft{-500, -10000, +500}, pageRight{+500, +10000, -500};
    const PlainStep* step = code == ScrollCode::LineLeft    ? &lineLeft
                            : code == ScrollCode::LineRight ? &lineRight
                            : code == ScrollCode::PageLeft  ? &pageLeft
                                                            : &pageRight;
    return subMode == 0 ? step->none : subMode == 1 ? step->shift : step->ctrl;
}

const LockStep& lockStep(ScrollCode code)
{
    static const LockStep lineLeft{{-0.00001, -0.0001, +0.00001}, {0, 1, 0}};
    static const LockStep lineRight{{+0.00001, +0.0001, -0.00001}, {0, 1, 0}};
    static const LockStep pageLeft{{-0.001, -0.01, +0.001}, {2, 3, 2}};
    static const LockStep pageRight{{+0.001, +0.01, -0.001}, {2, 3, 2}};
    return code == ScrollCode::LineLeft    ? lineLeft
           : code == ScrollCode::LineRight ? lineRight
           : code == ScrollCode::PageLeft  ? pageLeft
                                           : pageRight;
}

bool isStep(ScrollCode code)
{
    return code == ScrollCode::LineLeft || code == ScrollCode::LineRight ||
           code == ScrollCode::PageLeft || code == ScrollCode::PageRight;
}

int32_t clampPosition(int64_t p)
{
    return static_cast<int32_t>(std::clamp<int64_t>(p, calc::kPositionMin, calc::kPositionMax));
}

// The column the painter shows a position at. Truncating here instead would miss moves below
// position 0 (-4499 and 1499 would share a column) and leave a view one pixel stale.
int pixelColumn(int32_t p) { return calc::nearestPixel(p); }

int32_t storedPosition(int bar)
{
    return bar == kSlideBar ? g_settings.SlidePos : g_settings.CursorPos;
}
int32_t barPosition(int bar)
{
    return bar == kSlideBar ? kDecade - g_settings.SlidePos : g_settings.CursorPos;
}
void storeBarPosition(int bar, int32_t position)
{
    if (bar == kSlideBar)
        g_settings.SlidePos = kDecade - position;
    else
        g_settings.CursorPos = position;
}
int32_t& storedRef(int bar) { return bar == kSlideBar ? g_settings.SlidePos : g_settings.CursorPos; }
}  // namespace

void CMainWindow::onScroll(int bar, ScrollCode code)
{
    const int item = g_settings.NumFoucs;
    const double focused = focusedValue();
    const bool itemOnBar = bar == kSlideBar ? calc::isSlideItem(item) : calc::isCursorItem(item);
    const bool numberLock =
        g_settings.NumberVariable == 1 && focused != calc::kNoValue && itemOnBar;

    bool rightButtonVariation = false;
    int subMode = 0;
    if (Keys::ctrl()) {
        subMode = 2;
    } else if (Keys::rightButton()) {
        rightButtonVariation = true;
        subMode = g_settings.RightClick;
    } else if (Keys::shift()) {
        subMode = 1;
    }
    // Right button: Double takes plain steps, Fast the Shift steps, Reverse the Ctrl steps.
    const int stepMode = std::clamp(subMode, 0, 2);

    int32_t position = barPosition(bar);
    int32_t newPosition = position;
    bool lockedMove = false;
    if (numberLock && isStep(code)) {
        const LockStep& steps = lockStep(code);
        double s = steps.s[stepMode];
        const int n = steps.n[stepMode];
        double v = focused;
        const int e = calc::effectiveItem(item, g_settings.SlideRev);
        if (g_settings.SlideRev != 0 && (e == 7 || e == 8 || e == 10)) {
            v *= calc::kDegreesPerRadian;
            s *= 10;
            if (std::fabs(s) < static_cast<double>(0.01f))
                s *= static_cast<double>(25.0f / 9.0f);
            else if (std::fabs(s) < 1)
                s *= static_cast<double>(5.0f / 3.0f);
            if ((g_settings.SlideRev == 1 && g_settings.SinNum == 0) ||
                (g_settings.SlideRev == 3 && g_settings.SinNum == 1))
                s = -s;
        } else if (g_settings.SlideRev != 0 && e == 9) {
            for (int guard = 0; v > 0.9999 && guard < 1000; ++guard)
                v -= 1;
            for (int guard = 0; v < 0 && guard < 1000; ++guard)
                v += 1;
            s /= g_settings.SlideRev == 1 ? -10 : 10;
        } else if (g_settings.SlideRev == 0) {
            if (v > 10)
                s *= 10;
            if (v > 100)
                s *= 10;
            if (e == 8 || e == 9)
                s = -s;
        }
        if (bar == kSlideBar)
            s = -s;
        if (n != 0)
            v = calc::zeroRound(v, n, item, g_settings.SlideRev, g_settings.Unit);
        newPosition = moveToValue(v + s, bar == kSlideBar ? calc::MovePart::Slide : calc::MovePart::Cursor, false);
        if (newPosition < 0)
            return;
        lockedMove = true;
    } else {
        switch (code) {
        case ScrollCode::LineLeft:
        case ScrollCode::LineRight:
        case ScrollCode::PageLeft:
        case ScrollCode::PageRight:
            newPosition = position + plainStep(code, stepMode);
            break;
        case ScrollCode::ThumbPosition:
        case ScrollCode::ThumbTrack:
            newPosition = m_bars[bar]->sliderPosition();
            break;
        case ScrollCode::LeftEnd:
            newPosition = calc::kHome;
            break;
        case ScrollCode::RightEnd:
            newPosition = position == kDecade ? 0 : kDecade;
            break;
        case ScrollCode::EndScroll:
            break;
        }
    }

    storeBarPosition(bar, newPosition);
    const int other = 1 - bar;
    const bool doubleMove = rightButtonVariation && g_settings.RightClick == 0;
    if (doubleMove) {
        const int32_t painted = bar == kSlideBar ? m_paintedSlidePos : m_paintedCursorPos;
        const int32_t travelled = painted - storedPosition(bar);
        storedRef(other) = clampPosition(int64_t(storedPosition(other)) + travelled);
        setThumb(other, barPosition(other));
    }
    storedRef(bar) = clampPosition(storedPosition(bar));

    if (!lockedMove)
        m_repaintMask = 0;
    auto columnMoved = [this](int which) {
        const int32_t painted = which == kSlideBar ? m_paintedSlidePos : m_paintedCursorPos;
        return pixelColumn(storedPosition(which)) != pixelColumn(painted);
    };
    auto maskBit = [](int which) { return which == kSlideBar ? 1 : 2; };
    if (columnMoved(bar))
        m_repaintMask |= maskBit(bar);
    if (doubleMove && columnMoved(other))
        m_repaintMask |= maskBit(other);
    if (!m_faceIntact)
        m_repaintMask = 7;

    if (bar == kSlideBar || doubleMove)
        setConversionMode(0);

    setThumb(bar, barPosition(bar));
    invalidateFace();
    m_bars[bar]->setFocus();
}

// Qt's slider actions arrive before the slider applies them; the handler sets the thumb itself.
void CMainWindow::connectBar(int bar)
{
    QScrollBar* scrollBar = m_bars[bar];
    scrollBar->setContextMenuPolicy(Qt::NoContextMenu);  // the right button is a variation
    scrollBar->installEventFilter(this);
    connect(scrollBar, &QAbstractSlider::actionTriggered, this, [this, bar](int action) {
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: onScroll(bar, ScrollCode::LineRight); break;
        case QAbstractSlider::SliderSingleStepSub: onScroll(bar, ScrollCode::LineLeft); break;
        case QAbstractSlider::SliderPageStepAdd: onScroll(bar, ScrollCode::PageRight); break;
        case QAbstractSlider::SliderPageStepSub: onScroll(bar, ScrollCode::PageLeft); break;
        case QAbstractSlider::SliderToMinimum: onScroll(bar, ScrollCode::LeftEnd); break;
        case QAbstractSlider::SliderToMaximum: onScroll(bar, ScrollCode::RightEnd); break;
        case QAbstractSlider::SliderMove: onScroll(bar, ScrollCode::ThumbTrack); break;
        default: break;
        }
    });
    connect(scrollBar, &QAbstractSlider::sliderReleased, this,
            [this, bar] { onScroll(bar, ScrollCode::EndScroll); });
}

// A focused bar takes its keys as a Windows scroll bar does; Shift and Ctrl are variations.
bool CMainWindow::barKeyPressed(int bar, QKeyEvent* event)
{
    ScrollCode code;
    switch (event->key()) {
    case Qt::Key_Left: code = ScrollCode::LineLeft; break;
    case Qt::Key_Right: code = ScrollCode::LineRight; break;
    case Qt::Key_PageUp: code = ScrollCode::PageLeft; break;
    case Qt::Key_PageDown: code = ScrollCode::PageRight; break;
    case Qt::Key_Home: code = ScrollCode::LeftEnd; break;
    case Qt::Key_End: code = ScrollCode::RightEnd; break;
    default: return false;
    }
    onScroll(bar, code);
    return true;
}

// One line step per wheel message, whatever the delta, on the focused bar or the cursor bar.
void CMainWindow::onWheel(int delta)
{
    const int bar = m_bars[kSlideBar]->hasFocus() ? kSlideBar : kCursorBar;
    onScroll(bar, delta > 0 ? ScrollCode::LineRight : ScrollCode::LineLeft);
}

bool CMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            const QPoint delta = static_cast<QWheelEvent*>(event)->angleDelta();
            onWheel(delta.y() != 0 ? delta.y() : delta.x());
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && contextMenuKey(static_cast<QKeyEvent*>(event)))
            return true;
        for (int bar = 0; bar < 2; ++bar)
            if (watched == m_bars[bar])
                return barKeyPressed(bar, static_cast<QKeyEvent*>(event));
    }
    return QMainWindow::eventFilter(watched, event);
}
