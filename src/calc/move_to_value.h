#pragma once
// Move to value: a number taken as a reading of the focused item's scale gives the
// bar position at which the slide or the cursor shows it, or the error that stops it.
// Pure: the caller (CMainWindow) applies the result: on success with apply it stores the
// position (cursor = bar, slide = 6 300 000 - bar) and its painted copy, sets the thumb, writes
// the status text and invalidates the face; a compute-only success clears the repaint mask;
// every failure writes its status text and changes nothing else.

#include "calc/status_messages.h"

#include <QString>

#include <cstdint>

namespace calc {

struct MoveRequest {
    double value = 0.0;
    MovePart target = MovePart::Cursor;
    bool apply = true;
    int16_t focusedItem = 11;  // NumFoucs
    int16_t slideRev = 0;
    int16_t sinNum = 0;
    int16_t language = 0;
    int32_t slidePos = 3150000;
    int32_t cursorPos = 3150000;
};

enum class MoveError {
    None,
    Overflow,    // zero (except L, LI on a back face) or a number that is not finite
    Domain,      // angle outside its tangent, secant or cosecant range
    CannotMove,  // back-face angle item: the target lies beyond the slide's ends
};

struct MoveResult {
    int32_t barPosition = -1;  // 0 ... 6 300 000, or -1 when the number cannot be set
    MoveError error = MoveError::None;
    MovePart target = MovePart::Cursor;
    bool applied = false;            // store, thumb, invalidate
    bool clearRepaintMask = false;   // compute-only success
    bool writesStatus = false;       // status text to write (and set the status message flag)
    QString status;

    bool ok() const { return error == MoveError::None; }
    // The value to store in CursorPos or SlidePos for the bar position.
    int32_t storedPosition() const;
};

MoveResult moveToValue(const MoveRequest& request);

}  // namespace calc
