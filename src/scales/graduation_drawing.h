#pragma once
// Drawing of one scale into the canvas: the ticks of a graduation table, the figures beside
// them, the dot and arrow markers and the gauge marks (π, c, ρ, √10). The caller selects the
// font, the pen (ticks) and the text colour (figures) and sets the text alignment to
// centre-baseline; drawScale leaves the alignment at centre-baseline.
//
// Canvas pixels: x to the right, y downwards. The scale line is the y from which ticks grow;
// a scale "ticks up" when its ticks grow towards smaller y.

#include "scales/graduation_tables.h"

class Dc;

// The ten ways a table is walked and drawn.
enum class ScaleKind {
    LogForwardDown = 0,   // D, CF: figures below
    LogForwardUp = 1,     // C, DF: figures above
    LogBackwardDown = 2,  // CIF
    LogBackwardUp = 3,    // CI
    A = 4,                // two decades and the closing index, ticks up
    K = 5,                // three decades and the closing index, ticks down
    Sine = 6,             // SI, ticks up, paired angle figures
    Tangent = 7,          // TI1, ticks down, paired angle figures
    TangentMirrored = 8,  // TI2, walked backwards and mirrored, ticks up, full index lines
    L = 9,                // L, ticks up
};

struct ScaleCall {
    ScaleKind kind;
    int firstMark;  // ignored by A and K, which start at mark 0
    int count;      // the largest running tick number drawn (count + 1 ticks at most)
    int left;       // b: ticks left of it are not drawn but still counted
    int right;      // c: the walk stops beyond it
    int lineY;      // the scale line
    int shift;      // s: moves the table's origin to the left
};

void drawScale(Dc& dc, const GraduationTables& tables, const ScaleCall& call);

// An arrow tip at a 7-pixel tick from (x, y), pointing away from the scale line.
void drawArrowTip(Dc& dc, int x, int y, bool up);

// Gauge mark ids: 0 π below, 1 π above, 2 √10 below, 11 c, 12 ρ″, 13 ρ′, 14 ρ° (above).
// Stamps the glyph with AND and draws its short stroke with the current pen.
void drawGaugeMark(Dc& dc, int x, int y, int id);

// "90 − a・" right of x + 5 in the current text colour, then a in red left from x + 5.
// Leaves the text colour ink and the alignment left-baseline.
void drawPairFigure(Dc& dc, int a, int x, int y);
