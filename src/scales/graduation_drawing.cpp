#include "scales/graduation_drawing.h"

#include "calc/layout.h"
#include "platform/dc.h"
#include "scales/face_colours.h"
#include "scales/gauge_glyphs.h"

#include <array>
#include <span>

namespace {
constexpr int kScale = layout::kScaleLength;
constexpr int kADecade = layout::kADecadeLength;
constexpr int kKDecade = layout::kKDecadeLength;
constexpr int kAbove = layout::kFigureOffsetAbove;   // -3
constexpr int kBelow = layout::kFigureOffsetBelow;   // 13
constexpr int kAngle = layout::kAngleFigureOffset;   // -3
constexpr int kArrowLength = layout::kLogTickLengths[3];
constexpr int kArrowTick = layout::kLogTickLengths[2];  // an arrow-length tick is drawn this long
constexpr int kSlideTopEdge = layout::kSlideTopY - layout::kFaceTopY;  // 33

// Log marks that carry a gauge mark on C (scale ticking up, walked from mark 0).
constexpr int kMarkC = 13;         // 1.13
constexpr int kMarkRho2 = 103;     // 2.06
constexpr int kMarkPi = 157;       // 3.14
constexpr int kMarkRho1 = 172;     // 3.44
constexpr int kMarkRhoDeg = 265;   // 5.75
constexpr int kMarkOneHalf = 50;   // figure code 2, printed "1.5"
constexpr int kFoldedStart = 159;  // CF's first mark: its walk starts with √10 marks

struct GaugeMarkForm {
    int id;
    int glyph;       // resource id of the glyph
    int dx;          // from the table tick to the exact constant
    int strokeFrom;  // stroke from y + strokeFrom up to, not including, y + strokeTo
    int strokeTo;
    int top;         // glyph top relative to y
};

// Stroke lengths follow from the short tick (3); the glyph top is the scale line plus the
// figure offset plus the font height (-12) plus 3.
constexpr int kShortTick = layout::kLogTickLengths[0];
constexpr int kTopBelow = kBelow + layout::kNormalFontHeight + 3;  // +4
constexpr int kTopAbove = kAbove + layout::kNormalFontHeight + 3;  // -12
constexpr std::array<GaugeMarkForm, 7> kGaugeMarks = {{
    {0, 182, 0, kShortTick - 1, kShortTick + 3, kTopBelow},
    {1, 182, 0, -(kShortTick - 1), -(kShortTick + 3), kTopAbove},
    {2, 186, 0, 0, kShortTick, kTopBelow},
    {11, 181, -1, -(kShortTick - 1), -(kShortTick + 3), kTopAbove},
    {12, 185, 1, -(kShortTick - 1), -(kShortTick + 3), kTopAbove},
    {13, 184, -1, -(kShortTick - 1), -(kShortTick + 3), kTopAbove},
    {14, 183, -3, -(kShortTick - 1), -(kShortTick + 3), kTopAbove},
}};

// A log tick: arrow-length ticks are 7 pixels, with an arrow tip when they carry no figure.
void drawLogTick(Dc& dc, const Mark& mark, int x, int y, int direction)
{
    if (mark.tickLength < kArrowLength) {
        dc.line(x, y, x, y + direction * mark.tickLength);
        return;
    }
    dc.line(x, y, x, y + direction * kArrowTick);
    if (mark.figure == 0)
        drawArrowTip(dc, x, y, direction < 0);
}

void drawLogFigure(Dc& dc, const Mark& mark, int j, int x, int y)
{
    if (mark.figure != 0)
        dc.textOut(x, y, j == kMarkOneHalf ? QStringLiteral("1.5") : QString::number(mark.figure));
}

// Kinds 0 and 1: forward, decade after decade.
void drawLogForward(Dc& dc, const GraduationTables& t, const ScaleCall& c)
{
    const bool up = c.kind == ScaleKind::LogForwardUp;
    const int direction = up ? -1 : 1;
    const int figureY = c.lineY + (up ? kAbove : kBelow);
    if (!up && c.firstMark == kFoldedStart) {
        drawGaugeMark(dc, kScale / 2 + c.left - c.shift, c.lineY, 2);
        drawGaugeMark(dc, kScale * 3 / 2 + c.left - c.shift, c.lineY, 2);
    }
    int j = c.firstMark, n = 0;
    for (int k = 0; k <= c.count; ++k) {
        const int x = t.log[j].position + kScale * n + c.left - c.shift;
        if (x > c.right)
            break;
        if (x >= c.left) {
            const Mark& mark = t.log[j];
            drawLogTick(dc, mark, x, c.lineY, direction);
            if (!(j == 0 && n > 0))  // the closing 10 of the decade before stands there
                drawLogFigure(dc, mark, j, x, figureY);
            if (up && k == t.logLast + 16)
                dc.textOut(x, c.lineY + kAbove, QStringLiteral("3.3"));
            if (up && c.firstMark == 0) {
                const int id = j == kMarkC      ? 11
                               : j == kMarkRho2 ? 12
                               : j == kMarkPi   ? 1
                               : j == kMarkRho1 ? 13
                               : j == kMarkRhoDeg ? 14
                                                  : -1;
                if (id >= 0)
                    drawGaugeMark(dc, x, c.lineY, id);
            }
            if (!up && c.firstMark == 0 && j == kMarkPi)
                drawGaugeMark(dc, x, c.lineY, 0);
        }
        if (++j > t.logLast) {
            j = 0;
            ++n;
        }
    }
}

// Kinds 2 and 3: backward, decade after decade, from the right end of decade 1.
void drawLogBackward(Dc& dc, const GraduationTables& t, const ScaleCall& c)
{
    const bool up = c.kind == ScaleKind::LogBackwardUp;
    const int direction = up ? -1 : 1;
    const int figureY = c.lineY + (up ? kAbove : kBelow);
    int j = c.firstMark, n = 1;
    for (int k = 0; k <= c.count; ++k) {
        const int x = kScale * n - t.log[j].position + c.left - c.shift;
        if (x > c.right)
            break;
        if (x >= c.left) {
            const Mark& mark = t.log[j];
            drawLogTick(dc, mark, x, c.lineY, direction);
            if (up || j != 0)  // walking down, the 10 of the next decade stands at the same x
                drawLogFigure(dc, mark, j, x, figureY);
            if (!up && k == t.logLast + 6)
                dc.textOut(x, c.lineY + kBelow, QStringLiteral("3.1"));
        }
        if (--j < 0) {
            j = t.logLast;
            ++n;
        }
    }
}

// Kinds 4 and 5: decades of A or K from mark 0, then the closing index.
void drawSquareOrCube(Dc& dc, const GraduationTables& t, const ScaleCall& c)
{
    const bool isA = c.kind == ScaleKind::A;
    const std::span<const Mark> marks = isA ? std::span<const Mark>(t.a) : std::span<const Mark>(t.k);
    const int decade = isA ? kADecade : kKDecade;
    const int decades = isA ? 2 : 3;
    const int limit = isA ? c.right : c.right + 1;
    const int direction = isA ? -1 : 1;
    const int figureY = c.lineY + (isA ? kAbove : kBelow);
    const QString powers = isA ? QStringLiteral("100") : QStringLiteral("1000");
    int j = 0, n = 0;
    while (!(n == decades && j > 0)) {
        const int x = marks[j].position + decade * n + c.left - c.shift;
        if (x > limit)
            break;
        if (x >= c.left) {
            const Mark& mark = marks[j];
            dc.line(x, c.lineY, x, c.lineY + direction * mark.tickLength);
            if (mark.figure != 0 && j != t.akLast)
                dc.textOut(x, figureY, j == 0 ? powers.left(n + 1) : QString::number(mark.figure));
        }
        if (++j > t.akLast) {
            j = 0;
            ++n;
        }
    }
}

// Kinds 6 to 9: one pass over the sine, tangent or L table.
void drawOnePass(Dc& dc, const GraduationTables& t, const ScaleCall& c)
{
    const ScaleKind kind = c.kind;
    const std::span<const Mark> marks = kind == ScaleKind::Sine ? std::span<const Mark>(t.sine)
                                        : kind == ScaleKind::L  ? std::span<const Mark>(t.l)
                                                                : std::span<const Mark>(t.tangent);
    const bool mirrored = kind == ScaleKind::TangentMirrored;
    const bool down = kind == ScaleKind::Tangent;
    const int direction = down ? 1 : -1;
    const int y = c.lineY;
    int j = c.firstMark;
    for (int k = 0; k <= c.count; ++k, j += mirrored ? -1 : 1) {
        const Mark& mark = marks[j];
        const int x = (mirrored ? kScale - mark.position : mark.position) + c.left - c.shift;
        if (x > c.right)
            break;
        if (x < c.left)
            continue;
        if (mirrored && (j == c.count || j == 0))
            dc.line(x, y, x, kSlideTopEdge);  // full index lines at both ends
        else
            dc.line(x, y, x, y + direction * mark.tickLength);

        if (kind == ScaleKind::L) {
            if (mark.figure != 0) {
                const QString s = j == c.firstMark ? QStringLiteral("1")
                                  : j == c.count   ? QStringLiteral("0")
                                                   : QStringLiteral(".%1 ").arg(mark.figure);
                dc.textOut(x, y + kAngle, s);
            }
            continue;
        }
        if (kind == ScaleKind::Sine && j == 0)
            dc.textOut(x, y + kAngle, QStringLiteral("90"));
        else if (mark.figure > 0)
            drawPairFigure(dc, down ? 90 - mark.figure : mark.figure, x, y + (down ? kBelow : kAngle));
        if (mark.figure == kDotMarker)
            dc.setPixel(x, y + direction * (mark.tickLength + 1), colours::kInk);
        else if (mark.figure == kArrowMarker)
            drawArrowTip(dc, x, y, !down);
    }
}
}  // namespace

void drawScale(Dc& dc, const GraduationTables& tables, const ScaleCall& call)
{
    switch (call.kind) {
    case ScaleKind::LogForwardDown:
    case ScaleKind::LogForwardUp:
        drawLogForward(dc, tables, call);
        break;
    case ScaleKind::LogBackwardDown:
    case ScaleKind::LogBackwardUp:
        drawLogBackward(dc, tables, call);
        break;
    case ScaleKind::A:
    case ScaleKind::K:
        drawSquareOrCube(dc, tables, call);
        break;
    case ScaleKind::Sine:
    case ScaleKind::Tangent:
    case ScaleKind::TangentMirrored:
    case ScaleKind::L:
        drawOnePass(dc, tables, call);
        break;
    }
    dc.setTextAlign(TextAlign::Centre | TextAlign::Baseline);
}

void drawArrowTip(Dc& dc, int x, int y, bool up)
{
    const int h = up ? -1 : 1;
    dc.line(x, y + 9 * h, x - 2, y + 4 * h);
    dc.line(x, y + 9 * h, x + 2, y + 4 * h);
}

void drawGaugeMark(Dc& dc, int x, int y, int id)
{
    for (const GaugeMarkForm& form : kGaugeMarks) {
        if (form.id != id)
            continue;
        const QImage glyph = gaugeGlyph(form.glyph);
        const int halfWidth = (id == 2 ? 16 : 9) / 2;  // the √10 picture counts as 16 wide
        dc.copy(x + form.dx - halfWidth, y + form.top, glyph.width(), glyph.height(), glyph, 0, 0, RasterOp::And);
        dc.line(x + form.dx, y + form.strokeFrom, x + form.dx, y + form.strokeTo);
        return;
    }
}

void drawPairFigure(Dc& dc, int a, int x, int y)
{
    dc.setTextAlign(TextAlign::Right | TextAlign::Baseline);
    dc.textOut(x + 5, y, QStringLiteral("%1\u30FB").arg(90 - a));
    dc.setTextColour(colours::kRed);
    dc.setTextAlign(TextAlign::Left | TextAlign::Baseline);
    dc.textOut(x + 5, y, QString::number(a));
    dc.setTextColour(colours::kInk);
}
