#pragma once
// Which readout cell of the face lies under a point of the client area.

namespace calc {

// The readout item 1-16 under client point (x, y), or 0 outside every cell. `extraWidth` is
// CxSize: the hairline column moves by half of it, the right-index column by all of it.
int hitTest(int x, int y, int extraWidth);

}  // namespace calc
