#pragma once
// The drawing of the cursor readout panel: three columns of readings over the face,
// the left-index column (K, DF, D, A at the slide's left index), the hairline column (all
// eight rows under the hairline) and the right-index column (K, DF, D, A at the right index),
// the unit names while a conversion is active, and the focus box of the focused item.
//
// The painter calls drawReadout once in every paint, after the views and before the frames, with
// the normal font selected. The numbers come from calc::readoutValues (readout.h) and their
// texts from calc::format in the item's shown mode (number_format.h); the panel reprints only
// the sections whose bit is set in the repaint mask or the change flags, and stores what it
// printed into the window's readout values.

#include "calc/readout.h"
#include "platform/dc.h"

#include <QRect>
#include <QString>

#include <array>
#include <cstdint>

namespace calc {

// What an item's cell got at its last print. A print that would put the same text in the same
// colours into the same place is skipped, as long as nothing has drawn over the cell since:
// a fill, the unit names or the focus box of an item no longer focused.
struct PrintedCell {
    bool valid = false;
    bool boxed = false;  // the focus box was drawn over the text since
    QString text;
    QRgb colour = 0;
    QPoint at;
    QRect clip;
};

// SinNum, Unit and NumFoucs as of the previous drawing (process-wide in the rule, one per
// window here); −1 before the first drawing. Also what each item's cell shows, so that a
// partial paint can leave a cell alone that it would print identically.
struct ReadoutChangeMemory {
    int16_t sinNum = -1;
    int16_t unit = -1;
    int16_t focusedItem = -1;
    std::array<PrintedCell, 16> cells{};  // [0] is item 1
    const QImage* image = nullptr;        // what the cells were printed into
    QSize imageSize;
    Font font;
};

struct ReadoutPanelInput {
    ReadoutInput reading;  // SlidePos, CursorPos, SlideRev, SinNum and the conversion (Unit, kind, factor)
    int32_t paintedSlidePos = kHome;
    int32_t paintedCursorPos = kHome;
    int16_t focusedItem = 11;  // NumFoucs
    int16_t repaintMask = 7;
    int extraWidth = 0;  // w; the hairline column stands w / 2 to the right
};

// Draw readout. Writes the items of the sections it reprints into `values`
// (values[0] is item 1) and updates `memory`. Puts the Dc's pen, brush and text colour back and
// leaves it unclipped; its background mode, background colour and alignment are the panel's.
void drawReadout(Dc& dc, const ReadoutPanelInput& input, ReadoutChangeMemory& memory,
                 std::array<double, 16>& values);

// The focus box of one readout item (1 to 16; any other number draws nothing): a one-pixel
// black outline around the item's cell.
void drawFocusBox(Dc& dc, int item, int extraWidth);

}  // namespace calc
