#include "scales/painting.h"

#include "calc/layout.h"
#include "calc/position.h"
#include "scales/face_colours.h"
#include "scales/face_composer.h"

#include <algorithm>

using namespace layout;

namespace painting {

namespace {
static_assert(calc::kUnitsPerPixel == 21000 / kScaleLength * 300, "3000 position units per pixel");

// The three bands of a view: client y, height, canvas y.
struct Band {
    int clientY;
    int height;
    int canvasY;
};
constexpr Band kUpperStator{kFaceTopY, kSlideTopY - kFaceTopY, 1};
constexpr Band kSlide{kSlideTopY + 1, kSlideBottomY - kSlideTopY - 2, kSlideTopY - kFaceTopY + 2};
constexpr Band kLowerStator{kSlideBottomY, kFaceBottomY - kSlideBottomY, kSlideBottomY - kFaceTopY + 1};

void copyBand(Dc& dc, const QImage& canvas, const Band& band, int clientX, int width, int canvasX)
{
    dc.copy(clientX, band.clientY, width, band.height, canvas, canvasX, band.canvasY);
}

void copyStator(Dc& dc, const QImage& canvas, int clientX, int width, int canvasX)
{
    copyBand(dc, canvas, kUpperStator, clientX, width, canvasX);
    copyBand(dc, canvas, kLowerStator, clientX, width, canvasX);
}

// The cursor view's slide band when the slide's left or right end lies in the view.
void slideEndsInCursorView(Dc& dc, const QImage& canvas, const Brush& background, int r, int h)
{
    const Pen previousPen = dc.selectPen(Pen::null());
    const Brush previousBrush = dc.selectBrush(background);
    const int viewLeft = kHairlineColumnRightX + h + 2;                 // 279 + h
    const int viewColumns = kCursorRightX - kHairlineColumnRightX - 3;  // 137
    if (r + 112 < 0) {
        // The slide's left end: background left of it, the slide from its canvas column 0.
        const int n = -112 - r < viewColumns ? r + 111 : -viewColumns;
        rectangle(dc, viewLeft, kSlideTopY + 1, viewLeft - n, kSlideBottomY);
        if (n + kCursorRightX - kHairlineColumnRightX - 4 > 0)
            copyBand(dc, canvas, kSlide, kHairlineColumnRightX + h + 1 - n, viewColumns + n, r + 111 - n);
    } else {
        // The slide's right end: the slide up to the face's last column 2300, then background.
        const int m = r - kScaleLength - 88 < 0 ? r - kScaleLength - 89 : 0;
        rectangle(dc, viewLeft - m, kSlideTopY + 1, kCursorRightX + h - 1, kSlideBottomY);
        if (m < 0)
            copyBand(dc, canvas, kSlide, viewLeft, -m, r + 112);
    }
    dc.selectPen(previousPen);
    dc.selectBrush(previousBrush);
}
}  // namespace

Columns columnsOf(int32_t slidePos, int32_t cursorPos)
{
    Columns c;
    c.slideShift = static_cast<int16_t>(calc::slideShift(slidePos));
    c.cursorColumn = static_cast<int16_t>(calc::cursorColumn(cursorPos));
    c.readingColumn = static_cast<int16_t>(calc::readingColumn(slidePos, cursorPos));
    c.leftFollow = static_cast<int16_t>(calc::leftFollow(slidePos));
    c.rightFollow = static_cast<int16_t>(calc::rightFollow(slidePos));
    return c;
}

void rectangle(Dc& dc, int x1, int y1, int x2, int y2)
{
    dc.rectangle(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

void copyNameColumnAndEndCap(Dc& dc, const QImage& canvas, int extraWidth)
{
    const int height = kFaceBottomY - kFaceTopY;
    dc.copy(1, kFaceTopY, kLeftColumnX - 1, height, canvas, 1, 1);
    dc.copy(kRightColumnRightX + extraWidth - 1, kFaceTopY, kBaseClientWidth - kRightColumnRightX, height,
            canvas, kScaleNameX, 1);
}

void copyViews(Dc& dc, const QImage& canvas, const Brush& background, const ViewRequest& request,
               PaintMemory& memory)
{
    const int w = request.extraWidth;
    const int h = w / 2;
    const bool widthChanged = w != memory.extraWidth;
    memory.extraWidth = w;
    const Columns c = columnsOf(request.slidePos, request.cursorPos);
    const int16_t mask = request.repaintMask;
    const bool all = mask == kRepaintAll;
    const bool slideMoved = (mask & kSlideMoved) != 0;
    const bool cursorMoved = (mask & kCursorMoved) != 0;

    // Left view: client x 88, the stator from canvas x 69 − left follow.
    if (slideMoved) {
        const int x = kLeftColumnRightX - 1;
        const int width = kHairlineColumnX - kLeftColumnRightX + h;
        const int statorX = kPaintOffset + 89 - c.leftFollow;
        if (c.leftFollow != 0 || memory.leftFollow != 0 || all)
            copyStator(dc, canvas, x, width, statorX);
        if (!(c.leftFollow != 0 && memory.leftFollow != 0 && !all))
            copyBand(dc, canvas, kSlide, x, width, statorX + c.slideShift);
    }

    // Right view: client x 418 + h, the stator from canvas x 2101 + h − W − right follow.
    if (slideMoved || widthChanged) {
        const int x = kCursorRightX + h + 1;
        const int width = kRightColumnX - kCursorRightX - h + w - 1;
        const int statorX = kScaleLength + kPaintOffset + 21 + h - w - c.rightFollow;
        if (c.rightFollow != 0 || memory.rightFollow != 0 || all || widthChanged)
            copyStator(dc, canvas, x, width, statorX);
        if (!(c.rightFollow != 0 && memory.rightFollow != 0 && !all && !widthChanged))
            copyBand(dc, canvas, kSlide, x, width, statorX + c.slideShift);
    }

    // Cursor view, left part from client x 279 + h and right part from 346 + h; the hairline
    // column 345 + h between them is left for the hairline.
    const int leftPartX = kHairlineColumnRightX + h + 2;
    const int leftPartWidth = kHairlineX - kHairlineColumnRightX - 2;  // 66
    const int rightPartX = kHairlineX + h + 1;
    const int rightPartWidth = kCursorRightX - kHairlineX - 3;  // 69
    const int leftPartOffset = kPaintOffset + 54;                // 34
    const int rightPartOffset = kPaintOffset + 121;              // 101
    if (cursorMoved) {
        copyStator(dc, canvas, leftPartX, leftPartWidth, c.cursorColumn + leftPartOffset);
        copyStator(dc, canvas, rightPartX, rightPartWidth, c.cursorColumn + rightPartOffset);
    }
    const int r = c.readingColumn - 58 + kPaintOffset;
    if (slideMoved || cursorMoved || r != memory.readingColumn) {
        if (r + 112 >= 0 && r - kScaleLength - 88 <= kHairlineColumnRightX - kCursorRightX + 4) {
            copyBand(dc, canvas, kSlide, leftPartX, leftPartWidth, c.readingColumn + leftPartOffset);
            copyBand(dc, canvas, kSlide, rightPartX, rightPartWidth, c.readingColumn + rightPartOffset);
        } else {
            slideEndsInCursorView(dc, canvas, background, r, h);
        }
    }

    memory.leftFollow = c.leftFollow;
    memory.rightFollow = c.rightFollow;
    memory.readingColumn = static_cast<int16_t>(r);
}

void drawMargins(Dc& dc, const Brush& background, int extraWidth)
{
    const Brush previousBrush = dc.selectBrush(background);
    const Pen previousPen = dc.selectPen(Pen::null());
    const int right = kBaseClientWidth + extraWidth;
    rectangle(dc, kLeftColumnRightX, kFaceTopY, right, kFaceTopY - 4);
    rectangle(dc, kLeftColumnRightX, kFaceBottomY + 1, right, kFaceBottomY + 5);
    dc.selectPen(previousPen);
    dc.selectBrush(previousBrush);
}

void drawOutlines(Dc& dc, int extraWidth)
{
    const Pen previousPen = dc.selectPen(Pen::solid(colours::kInk));
    const Brush previousBrush = dc.selectBrush(Brush::null());
    const int right = kBaseClientWidth + extraWidth;
    rectangle(dc, 0, kFaceTopY - 1, right, kFaceBottomY + 1);
    rectangle(dc, 0, kSlideTopY, right, kSlideBottomY);
    dc.selectBrush(previousBrush);
    dc.selectPen(previousPen);
}

void drawCursorFrame(Dc& dc, int extraWidth)
{
    const int h = extraWidth / 2;
    const Pen previousPen = dc.selectPen(Pen::solid(colours::kCursorFrame));
    const Brush previousBrush = dc.selectBrush(Brush::null());
    const int left = kHairlineColumnX + h;
    const int right = kCursorRightX + h;
    rectangle(dc, left - 1, kFaceTopY - 3, right + 1, kFaceBottomY + 3);
    rectangle(dc, left, kFaceTopY - 4, right, kFaceBottomY + 4);
    rectangle(dc, left + 1, kFaceTopY - 2, right - 1, kFaceBottomY + 2);
    for (int x = kHairlineColumnRightX + h - 1; x <= kHairlineColumnRightX + h + 1; ++x)
        dc.line(x, kFaceTopY - 2, x, kFaceBottomY + 1);
    dc.selectBrush(previousBrush);
    dc.selectPen(previousPen);
}

void drawHairline(Dc& dc, int extraWidth)
{
    const int x = kHairlineX + extraWidth / 2;
    const Pen previousPen = dc.selectPen(Pen::solid(colours::kHairline));
    dc.line(x, kFaceTopY - 1, x, kFaceBottomY + 1);
    dc.selectPen(previousPen);
}

void drawBarLabels(Dc& dc, QRgb textColour)
{
    const Font previousFont = dc.selectFont(boldFont());
    const BackgroundMode previousMode = dc.setBackgroundMode(BackgroundMode::Transparent);
    const unsigned previousAlign = dc.setTextAlign(TextAlign::Left | TextAlign::Top);
    const QRgb previousColour = dc.setTextColour(colours::kWhite);
    const QString slide = QStringLiteral("SLIDE"), cursor = QStringLiteral("CURSOR");
    dc.textOut(kBarLabelX + 2, kSlideLabelY + 2, slide);
    dc.textOut(kBarLabelX + 2, kCursorLabelY + 2, cursor);
    dc.setTextColour(textColour);
    dc.textOut(kBarLabelX, kSlideLabelY, slide);
    dc.textOut(kBarLabelX, kCursorLabelY, cursor);
    dc.setTextColour(previousColour);
    dc.setTextAlign(previousAlign);
    dc.setBackgroundMode(previousMode);
    dc.selectFont(previousFont);
}

}  // namespace painting
