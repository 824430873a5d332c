#pragma once
// The face composer: draws the rule face once into the canvas (2501 × 136 pixels, 2100 pixels
// per decade, the left index at x 100 and the right index at x 2200), which the painter then only
// copies from. The two stator bands carry K, DF, D and A; the slide band carries the face chosen
// by SlideRev: 0 the front (CF, CIF, CI, C and the name plate), 1 the back (TI2, TI1, L, SI),
// 3 the back turned end for end. Canvas y is window y minus the face top (40).
//
// The slide band is drawn only when the slide face differs from the one drawn last; the stator
// bands are drawn at every composition. Canvas columns 2301 to 2500 are never drawn.

#include "platform/dc.h"
#include "scales/graduation_tables.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <utility>

namespace face {
inline constexpr int kWidth = 2301;  // face columns 0 to 2300
}

// Fonts of the face and the window: Arial, character height 12 (normal) and 13 bold.
Font normalFont();
Font boldFont();

// A new canvas, 2501 × 136, black like a new bitmap.
QImage newCanvas();

struct FaceState {
    int16_t slideRev = 0;  // 0 front, 1 back, 3 back end for end
    int16_t sinNum = 0;    // angle numbering; the face itself does not change with it
};

class FaceComposer {
public:
    // Called at the start of every composition so that the caption tooltips match the face.
    using CaptionToolsRefresh = std::function<void(const FaceState&)>;

    void setCaptionToolsRefresh(CaptionToolsRefresh refresh) { m_captionToolsRefresh = std::move(refresh); }

    // Draws into the canvas Dc. Its text colour carries over from one composition to the next,
    // as the "current colour" of K, DF, D, A and the back face's figures and names.
    void compose(Dc& canvas, const GraduationTables& tables, const FaceState& state);

    // The SlideRev whose slide band the canvas holds; -1 before the first composition.
    int16_t composedSlideFace() const { return m_composedSlideFace; }

private:
    CaptionToolsRefresh m_captionToolsRefresh;
    int16_t m_composedSlideFace = -1;
};
