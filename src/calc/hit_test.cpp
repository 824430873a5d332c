#include "calc/hit_test.h"

#include "calc/layout.h"

namespace calc {

namespace {
// Row 1-8 under y, or 0. A row takes its bottom line but not its top one.
int rowAt(int y)
{
    for (int r = 0; r < 8; ++r) {
        const int bottom = r + 1 < 8 ? layout::kRowY[r + 1] : layout::kFaceBottomY;
        if (layout::kRowY[r] < y && y <= bottom)
            return r + 1;
    }
    return 0;
}

bool inside(int x, int left, int right) { return left < x && x < right; }

// The index columns hold cells in rows 1, 2, 7 and 8 only.
int indexItem(int row, int firstItem)
{
    switch (row) {
    case 1: return firstItem;
    case 2: return firstItem + 1;
    case 7: return firstItem + 2;
    case 8: return firstItem + 3;
    default: return 0;
    }
}
}  // namespace

int hitTest(int x, int y, int extraWidth)
{
    const int row = rowAt(y);
    if (row == 0)
        return 0;
    const int half = extraWidth / 2;
    if (inside(x, layout::kLeftColumnX, layout::kLeftColumnRightX))
        return indexItem(row, 1);
    if (inside(x, layout::kHairlineColumnX + half, layout::kHairlineColumnRightX + half))
        return 4 + row;
    if (inside(x, layout::kRightColumnX + extraWidth, layout::kRightColumnRightX + extraWidth))
        return indexItem(row, 13);
    return 0;
}

}  // namespace calc
