#pragma once
// Painting of the rule: the window never shows the whole rule, it copies three
// pieces of the composed canvas at their natural size. A left view around the
// slide's left index, a cursor view around the hairline and a right view around the slide's
// right index; each view is three bands (upper stator, slide, lower stator), each band one
// copy, so that the slide's piece can stand offset against the stator's.
//
// These are the pure drawing steps, functions of a Dc, the canvas and plain values. The window
// (CMainWindow::paintFace, src/window/paint_handler.cpp) gathers the state, calls them in the
// order of a paint and keeps PaintMemory between paints. Client coordinates are those of the
// window's client area; W is the extra width (client width − 625), h = W / 2.

#include "platform/dc.h"

#include <QImage>

#include <cstdint>

namespace painting {

// Pixel columns of one paint (all 16-bit in the rule).
struct Columns {
    int16_t slideShift = 0;     // nearest(SlidePos / 3000) − 1050: the slide left of home
    int16_t cursorColumn = 0;   // nearest(CursorPos / 3000): the hairline from D's 1
    int16_t readingColumn = 0;  // nearest((SlidePos + CursorPos) / 3000) − 1050: from C's 1
    int16_t leftFollow = 0;     // slide shift + 30 while SlidePos < 3 060 000, else 0
    int16_t rightFollow = 0;    // slide shift − 30 while SlidePos > 3 240 000, else 0
};
Columns columnsOf(int32_t slidePos, int32_t cursorPos);

// What one paint keeps for the next (process-wide in the rule, one per window here).
struct PaintMemory {
    int32_t extraWidth = 0;      // W of the last paint
    int16_t leftFollow = 0;      // left follow of the last paint
    int16_t rightFollow = 0;     // right follow of the last paint
    int16_t readingColumn = -1;  // reading column − 78 of the last paint
};

// The repaint mask's bits: 1 the slide moved, 2 the cursor moved; 7 everything.
inline constexpr int16_t kSlideMoved = 1;
inline constexpr int16_t kCursorMoved = 2;
inline constexpr int16_t kRepaintAll = 7;

struct ViewRequest {
    int extraWidth = 0;  // W
    int32_t slidePos = 0;
    int32_t cursorPos = 0;
    int16_t repaintMask = kRepaintAll;
};

// Copied at the start of a full paint and again at the end of every paint: the scale-name column (client x 1 to 29)
// and the end cap that closes the face on the right (client x 604 + W to 623 + W).
void copyNameColumnAndEndCap(Dc& dc, const QImage& canvas, int extraWidth);

// The left, right and cursor views as far as the repaint mask,
// the follows and the width change ask for; the slide's ends entering the cursor view leave
// `background` there. Updates `memory` for the next paint.
void copyViews(Dc& dc, const QImage& canvas, const Brush& background, const ViewRequest& request,
               PaintMemory& memory);

// The background margins above and below the face, from x 89 to the right edge.
void drawMargins(Dc& dc, const Brush& background, int extraWidth);
// One-pixel ink outlines around the face (y 39 to 174) and the slide (y 73 and 140).
void drawOutlines(Dc& dc, int extraWidth);
// The cursor frame, three grey rectangles around the hairline column and the cursor
// view, and the triple line between them.
void drawCursorFrame(Dc& dc, int extraWidth);
// The red hairline at x 345 + h, from y 39 to 174.
void drawHairline(Dc& dc, int extraWidth);
// The bar labels "SLIDE" and "CURSOR" left of the bars in the bold font, a white edge
// two pixels to the lower right under the text in `textColour`.
void drawBarLabels(Dc& dc, QRgb textColour);

// A rectangle as the platform draws one, corners in any order (the platform orders them):
// outline with the current pen, fill with the current brush; with the null pen only the fill,
// one pixel short on the right and bottom.
void rectangle(Dc& dc, int x1, int y1, int x2, int y2);

}  // namespace painting
