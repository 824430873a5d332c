#include "platform/dc.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

QFont qtFont(const Font& font)
{
    QFont q(font.face);
    q.setPixelSize(font.height);
    q.setWeight(QFont::Weight(font.weight));
    q.setStyleStrategy(QFont::NoAntialias);
    q.setHintingPreference(QFont::PreferFullHinting);
    q.setKerning(false);
    return q;
}

namespace {

// Fonts and their metrics are made once per face, height and weight: building them per
// text costs more than drawing the text.
struct CachedFont {
    Font key;
    QFont font;
    QFontMetrics metrics;
};

const CachedFont& cachedFont(const Font& font)
{
    static std::vector<std::unique_ptr<CachedFont>> cache;
    for (const auto& entry : cache)
        if (entry->key.face == font.face && entry->key.height == font.height && entry->key.weight == font.weight)
            return *entry;
    const QFont q = qtFont(font);
    const QImage device(1, 1, QImage::Format_RGB32);
    cache.push_back(std::make_unique<CachedFont>(CachedFont{font, q, QFontMetrics(q, &device)}));
    return *cache.back();
}

// a / n rounded to the nearest integer, halves upwards; n > 0.
int roundedQuotient(int a, int n)
{
    const int twice = 2 * a + n;
    const int d = 2 * n;
    return twice >= 0 ? twice / d : -((-twice + d - 1) / d);
}

QRgb* row(QImage& image, int y) { return reinterpret_cast<QRgb*>(image.scanLine(y)); }
const QRgb* row(const QImage& image, int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); }
}  // namespace

Dc::Dc(QImage& target) : m_image(&target)
{
    if (target.format() != QImage::Format_RGB32)
        target = target.convertToFormat(QImage::Format_RGB32);
}

Pen Dc::selectPen(const Pen& pen) { return std::exchange(m_pen, pen); }
Brush Dc::selectBrush(const Brush& brush) { return std::exchange(m_brush, brush); }
Font Dc::selectFont(const Font& font) { return std::exchange(m_font, font); }
QRgb Dc::setTextColour(QRgb colour) { return std::exchange(m_textColour, colour); }
QRgb Dc::setBackgroundColour(QRgb colour) { return std::exchange(m_backgroundColour, colour); }
BackgroundMode Dc::setBackgroundMode(BackgroundMode mode) { return std::exchange(m_backgroundMode, mode); }
unsigned Dc::setTextAlign(unsigned align) { return std::exchange(m_textAlign, align); }

void Dc::setClipRect(int left, int top, int right, int bottom)
{
    m_clipped = true;
    m_clip = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void Dc::clearClip() { m_clipped = false; }

QRect Dc::clip() const
{
    const QRect all = m_image->rect();
    return m_clipped ? (m_clip & all) : all;
}

void Dc::plot(int x, int y, QRgb colour, const QRect& clip)
{
    if (clip.contains(x, y))
        row(*m_image, y)[x] = colour | 0xff000000u;
}

void Dc::moveTo(int x, int y) { m_current = QPoint(x, y); }

void Dc::lineTo(int x, int y)
{
    const QPoint from = m_current;
    m_current = QPoint(x, y);
    if (m_pen.style == Pen::Style::Null)
        return;
    const int dx = x - from.x();
    const int dy = y - from.y();
    const int steps = std::max(std::abs(dx), std::abs(dy));
    const QRect c = clip();
    for (int t = 0; t < steps; ++t)
        plot(from.x() + roundedQuotient(t * dx, steps), from.y() + roundedQuotient(t * dy, steps),
             m_pen.colour, c);
}

void Dc::fillSpan(int left, int top, int right, int bottom, const Brush& brush)
{
    if (brush.style == Brush::Style::Null)
        return;
    const QRect area = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)) & clip();
    if (area.isEmpty())
        return;
    const bool pattern = brush.style == Brush::Style::Pattern && !brush.pattern.isNull();
    const QRgb colour = brush.colour | 0xff000000u;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* line = row(*m_image, y);
        if (!pattern) {
            std::fill(line + area.left(), line + area.right() + 1, colour);
            continue;
        }
        const QRgb* tile = row(brush.pattern, y % brush.pattern.height());
        const int w = brush.pattern.width();
        for (int x = area.left(); x <= area.right(); ++x)
            line[x] = tile[x % w] | 0xff000000u;
    }
}

void Dc::rectangle(int left, int top, int right, int bottom)
{
    if (m_pen.style == Pen::Style::Null) {
        fillSpan(left, top, right - 1, bottom - 1, m_brush);
        return;
    }
    if (right - left < 1 || bottom - top < 1)
        return;
    fillSpan(left + 1, top + 1, right - 1, bottom - 1, m_brush);
    const Brush outline = Brush::solid(m_pen.colour);
    fillSpan(left, top, right, top + 1, outline);
    fillSpan(left, bottom - 1, right, bottom, outline);
    fillSpan(left, top, left + 1, bottom, outline);
    fillSpan(right - 1, top, right, bottom, outline);
}

void Dc::fillRect(int left, int top, int right, int bottom, const Brush& brush)
{
    fillSpan(left, top, right, bottom, brush);
}

void Dc::setPixel(int x, int y, QRgb colour) { plot(x, y, colour, clip()); }

QSize Dc::textExtent(const QString& text) const
{
    const QFontMetrics& metrics = cachedFont(m_font).metrics;
    return QSize(metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent());
}

void Dc::textOut(int x, int y, const QString& text)
{
    const CachedFont& cached = cachedFont(m_font);
    const QFont& font = cached.font;
    const QFontMetrics& metrics = cached.metrics;
    const int width = metrics.horizontalAdvance(text);
    const int ascent = metrics.ascent();
    const int height = ascent + metrics.descent();

    int left = x;
    if ((m_textAlign & TextAlign::Centre) == TextAlign::Centre)
        left = x - width / 2;
    else if (m_textAlign & TextAlign::Right)
        left = x - width;
    int top = y;
    if ((m_textAlign & TextAlign::Baseline) == TextAlign::Baseline)
        top = y - ascent;
    else if (m_textAlign & TextAlign::Bottom)
        top = y - height;

    if (m_backgroundMode == BackgroundMode::Opaque)
        fillSpan(left, top, left + width, top + height, Brush::solid(m_backgroundColour));

    QPainter painter(m_image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setClipRect(clip());
    painter.setFont(font);
    painter.setPen(QColor(m_textColour));
    painter.drawText(QPoint(left, top + ascent), text);
}

void Dc::copy(int x, int y, int w, int h, const QImage& source, int sx, int sy, RasterOp op)
{
    stretchCopy(x, y, w, h, source, sx, sy, w, h, op);
}

void Dc::stretchCopy(int x, int y, int w, int h, const QImage& source, int sx, int sy, int sw, int sh,
                     RasterOp op)
{
    if (w == 0 || h == 0 || sw == 0 || sh == 0)
        return;
    // Copying within one image reads from a snapshot, so overlapping areas come out right.
    const QImage snapshot = (&source == m_image) ? source.copy() : QImage();
    const QImage& src = snapshot.isNull() ? source : snapshot;
    const QImage opaque = src.format() == QImage::Format_RGB32 ? src : src.convertToFormat(QImage::Format_RGB32);

    const QRect c = clip();
    const QRect from = opaque.rect();
    if (w == sw && h == sh && w > 0 && h > 0) {
        // Same size, same direction: whole clipped rows without the per-pixel scaling.
        const QRect area = QRect(x, y, w, h) & c & from.translated(x - sx, y - sy);
        for (int ty = area.top(); ty <= area.bottom(); ++ty) {
            QRgb* target = row(*m_image, ty) + area.left();
            const QRgb* pixels = row(opaque, ty - y + sy) + (area.left() - x + sx);
            if (op == RasterOp::And)
                for (int i = 0; i < area.width(); ++i)
                    target[i] = (target[i] & pixels[i]) | 0xff000000u;
            else
                for (int i = 0; i < area.width(); ++i)
                    target[i] = pixels[i] | 0xff000000u;
        }
        return;
    }
    const int dxStep = w < 0 ? -1 : 1, dyStep = h < 0 ? -1 : 1;
    const int sxStep = sw < 0 ? -1 : 1, syStep = sh < 0 ? -1 : 1;
    const int dw = std::abs(w), dh = std::abs(h), aw = std::abs(sw), ah = std::abs(sh);
    for (int j = 0; j < dh; ++j) {
        const int ty = y + j * dyStep;
        const int fy = sy + (j * ah / dh) * syStep;
        if (ty < c.top() || ty > c.bottom() || fy < from.top() || fy > from.bottom())
            continue;
        QRgb* target = row(*m_image, ty);
        const QRgb* pixels = row(opaque, fy);
        for (int i = 0; i < dw; ++i) {
            const int tx = x + i * dxStep;
            const int fx = sx + (i * aw / dw) * sxStep;
            if (tx < c.left() || tx > c.right() || fx < from.left() || fx > from.right())
                continue;
            target[tx] = (op == RasterOp::And ? (target[tx] & pixels[fx]) : pixels[fx]) | 0xff000000u;
        }
    }
}
