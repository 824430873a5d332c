#include "scales/face_composer.h"

#include "calc/layout.h"
#include "scales/face_colours.h"
#include "scales/graduation_drawing.h"

#include <array>
#include <utility>

namespace {
using layout::kFaceBottomY, layout::kFaceTopY, layout::kSlideBottomY, layout::kSlideTopY;

constexpr int kUpperBottom = kSlideTopY - kFaceTopY + 2;     // 35, excluded
constexpr int kSlideTop = kSlideTopY - kFaceTopY + 1;        // 34, the outline shared with the upper stator
constexpr int kSlideBottom = kSlideBottomY - kFaceTopY + 1;  // 102, excluded
constexpr int kLowerTop = kSlideBottomY - kFaceTopY;         // 101, the outline shared with the slide
constexpr int kLowerBottom = kFaceBottomY - kFaceTopY + 2;   // 136, excluded
constexpr int kInteriorTop = kSlideTopY - kFaceTopY + 2;     // 35
constexpr int kInteriorHeight = kSlideBottomY - kSlideTopY - 2;  // 66

constexpr int kNameX = layout::kScaleNameX;                   // 27, names right-aligned
constexpr int kRightNameX = face::kWidth - layout::kScaleNameX;  // 2274, the back names again
constexpr int kLeftIndex = 100;

// Scale lines: the canvas y from which each scale's ticks grow.
constexpr int kLineK = 3;
constexpr int kLineDF = kSlideTopY - kFaceTopY;          // 33
constexpr int kLineD = kSlideBottomY - kFaceTopY + 1;    // 102
constexpr int kLineA = kFaceBottomY - kFaceTopY - 2;     // 132
constexpr int kLineCF = kSlideTopY - kFaceTopY + 2;      // 35
constexpr int kLineC = kSlideBottomY - kFaceTopY - 1;    // 100, also SI
constexpr int kLineCI = layout::kScaleLineY[1] - kFaceTopY + 1;   // 80
constexpr int kLineCIF = layout::kScaleLineY[0] - kFaceTopY + 1;  // 53, also TI1
constexpr int kLineTI2 = layout::kScaleLineY[0] - kFaceTopY;      // 52
constexpr int kLineL = layout::kScaleLineY[2] - kFaceTopY + 1;    // 80

int rowY(int row) { return layout::kRowY[row - 1] - kFaceTopY + 1; }  // rows 1 to 8

ScaleCall call(ScaleKind kind, int first, int count, int left, int lineY, int shift)
{
    return {kind, first, count, left, face::kWidth, lineY, shift};
}

void drawNames(Dc& dc, int x, const std::array<const char*, 4>& names, int firstRow)
{
    for (int i = 0; i < 4; ++i)
        dc.textOut(x, rowY(firstRow + i), QString::fromLatin1(names[i]));
}

void drawFront(Dc& dc, const GraduationTables& t)
{
    const int log = t.logLast;
    drawScale(dc, t, call(ScaleKind::LogForwardDown, 159, log - 1, kLeftIndex, kLineCF, layout::kADecadeLength));  // CF
    drawScale(dc, t, call(ScaleKind::LogForwardUp, 0, log, kLeftIndex, kLineC, 0));  // C
    dc.setTextColour(colours::kRed);
    drawScale(dc, t, call(ScaleKind::LogBackwardUp, log, log, kLeftIndex, kLineCI, 0));  // CI
    dc.setTextColour(colours::kGreen);
    const Pen ink = dc.selectPen(Pen::solid(colours::kGreen));
    drawScale(dc, t, call(ScaleKind::LogBackwardDown, 160, log + 6, 80, kLineCIF, layout::kADecadeLength - 20));  // CIF
    dc.selectPen(ink);
    dc.setTextColour(colours::kInk);

    dc.setTextAlign(TextAlign::Right | TextAlign::Top);
    const std::array<std::pair<const char*, QRgb>, 4> names = {
        {{"CF", colours::kInk}, {"CIF", colours::kGreen}, {"CI", colours::kRed}, {"C", colours::kInk}}};
    for (int i = 0; i < 4; ++i) {
        dc.setTextColour(names[i].second);
        dc.textOut(kNameX, rowY(3 + i), QString::fromLatin1(names[i].first));
    }

    // The name plate, with a light edge on its lower right.
    dc.selectFont(boldFont());
    const QString product = QStringLiteral("Kestrin"), version = QStringLiteral("version 3.2.0");
    const int productY = layout::kRowY[5] - kFaceTopY, versionY = layout::kRowY[4] - kFaceTopY;
    dc.setTextColour(colours::kWhite);
    dc.textOut(face::kWidth - 3, productY + 2, product);
    dc.textOut(face::kWidth - 3, versionY + 2, version);
    dc.setTextColour(colours::kPlateGrey);
    dc.textOut(face::kWidth - 5, productY, product);
    dc.textOut(face::kWidth - 5, versionY, version);
    dc.setTextColour(colours::kInk);
    dc.selectFont(normalFont());
}

void drawBack(Dc& dc, const GraduationTables& t)
{
    const int tangent = t.tangentLast;
    drawScale(dc, t, call(ScaleKind::TangentMirrored, tangent, tangent, kLeftIndex, kLineTI2, 0));  // TI2
    drawScale(dc, t, call(ScaleKind::Tangent, 0, tangent, kLeftIndex, kLineCIF, 0));  // TI1
    drawScale(dc, t, call(ScaleKind::L, 0, t.lLast, kLeftIndex, kLineL, 0));  // L
    drawScale(dc, t, call(ScaleKind::Sine, 0, t.sineLast, kLeftIndex, kLineC, 0));  // SI

    const std::array<const char*, 4> names = {"TI2", "TI1", "L", "SI"};
    dc.setTextAlign(TextAlign::Right | TextAlign::Top);
    drawNames(dc, kNameX, names, 3);
    dc.setTextAlign(TextAlign::Left | TextAlign::Top);
    drawNames(dc, kRightNameX, names, 3);
}

// Half a turn of the slide interior: pixel (x, y) takes (2300 - x, 135 - y) for x 0 to 2299;
// column 2300, the band's right outline, stays.
void turnEndForEnd(Dc& dc)
{
    QImage scratch(face::kWidth, kInteriorHeight, QImage::Format_RGB32);
    Dc copy(scratch);
    copy.copy(0, 0, face::kWidth, kInteriorHeight, dc, 0, kInteriorTop);
    const int last = face::kWidth - 1;
    dc.stretchCopy(0, kInteriorTop, last, kInteriorHeight, scratch, last, kInteriorHeight - 1, -last,
                   -kInteriorHeight);
}
}  // namespace

Font normalFont() { return Font{QStringLiteral("Arial"), -layout::kNormalFontHeight, 400}; }
Font boldFont() { return Font{QStringLiteral("Arial"), -layout::kBoldFontHeight, 700}; }

QImage newCanvas()
{
    QImage canvas(layout::kCanvasWidth, layout::kCanvasHeight, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    return canvas;
}

void FaceComposer::compose(Dc& dc, const GraduationTables& t, const FaceState& state)
{
    if (m_captionToolsRefresh)
        m_captionToolsRefresh(state);

    dc.selectFont(normalFont());
    dc.setBackgroundMode(BackgroundMode::Transparent);
    const Pen previousPen = dc.selectPen(Pen::solid(colours::kInk));
    const Brush previousBrush = dc.selectBrush(Brush::solid(colours::kFace));

    // Stator bands: ink outline, face fill.
    dc.rectangle(0, 0, face::kWidth, kUpperBottom);
    dc.rectangle(0, kLowerTop, face::kWidth, kLowerBottom);

    const int log = t.logLast;
    dc.setTextAlign(TextAlign::Centre | TextAlign::Baseline);
    drawScale(dc, t, call(ScaleKind::K, 0, 0, kLeftIndex, kLineK, 0));
    drawScale(dc, t, call(ScaleKind::LogForwardUp, 150, log + 16, 40, kLineDF, layout::kADecadeLength - 60));  // DF
    drawScale(dc, t, call(ScaleKind::LogForwardDown, 0, log, kLeftIndex, kLineD, 0));  // D
    drawScale(dc, t, call(ScaleKind::A, 0, 0, kLeftIndex, kLineA, 0));

    dc.setTextAlign(TextAlign::Right | TextAlign::Top);
    dc.textOut(kNameX, rowY(1), QStringLiteral("K"));
    dc.textOut(kNameX, rowY(2), QStringLiteral("DF"));
    dc.textOut(kNameX, rowY(7), QStringLiteral("D"));
    dc.textOut(kNameX, rowY(8), QStringLiteral("A"));

    if (state.slideRev != m_composedSlideFace) {
        dc.setTextAlign(TextAlign::Centre | TextAlign::Baseline);
        dc.rectangle(0, kSlideTop, face::kWidth, kSlideBottom);
        if ((state.slideRev & 1) == 0)
            drawFront(dc, t);
        else
            drawBack(dc, t);
        if (state.slideRev & 2)
            turnEndForEnd(dc);
    }

    dc.selectPen(previousPen);
    dc.selectBrush(previousBrush);
    m_composedSlideFace = state.slideRev;
}
