#include "calc/move_to_value.h"

#include "calc/position.h"

#include <cmath>
#include <initializer_list>

namespace calc {

int32_t MoveResult::storedPosition() const
{
    return target == MovePart::Slide ? slidePositionFromBar(barPosition) : barPosition;
}

namespace {

bool isOneOf(int e, std::initializer_list<int> items)
{
    for (int item : items) {
        if (e == item)
            return true;
    }
    return false;
}

// The bar position before wrapping.
int64_t barBeforeWrap(Face face, MovePart target, int e, int64_t h0, int64_t slidePos, int64_t cursorPos)
{
    const int64_t D = kDecade;
    const int64_t R = kHome;
    const int64_t s = R - slidePos;
    const int64_t C = cursorPos;
    const bool cursor = target == MovePart::Cursor;
    switch (face) {
    case Face::Front:
        if (cursor)
            return isOneOf(e, {8, 9}) ? D - h0 + s : isOneOf(e, {7, 10}) ? h0 + s : h0;
        return isOneOf(e, {7, 10}) ? D - h0 + C + R : isOneOf(e, {8, 9}) ? h0 + C + R : h0 + R;
    case Face::Back:
        if (cursor)
            return e == 9 ? D - h0 + s : isOneOf(e, {7, 8, 10}) ? h0 + s : h0;
        return isOneOf(e, {7, 8, 10}) ? C + R - h0 : e == 9 ? h0 + C + R : h0 - D + R;
    case Face::EndForEnd:
        if (cursor)
            return isOneOf(e, {7, 8, 10}) ? D - h0 + s : e == 9 ? h0 + s : h0;
        return e == 9 ? D - h0 + C + R : isOneOf(e, {7, 8, 10}) ? h0 - D + C + R : h0 - D + R;
    }
    return h0;
}

// While below 0 add D; then while above D subtract D (0 and D stay).
int64_t wrap(int64_t b)
{
    const int64_t D = kDecade;
    if (b < 0)
        b += ((-b + D - 1) / D) * D;
    if (b > D)
        b -= ((b - D + D - 1) / D) * D;
    return b;
}

}  // namespace

MoveResult moveToValue(const MoveRequest& request)
{
    MoveResult result;
    result.target = request.target;

    const auto fail = [&](MoveError error) {
        result.error = error;
        result.barPosition = -1;
        result.writesStatus = true;
        switch (error) {
        case MoveError::Overflow:
            result.status = statusMessage(StatusId::OverflowError, 0, {});
            break;
        case MoveError::Domain:
            result.status = statusMessage(StatusId::DomainError, 0, {});
            break;
        default:
            result.status = statusMessage(StatusId::CannotMove, request.language,
                                          {partName(request.target, request.language)});
            break;
        }
        return result;
    };

    const Face face = faceOf(request.slideRev);
    const bool backFace = request.slideRev != 0;
    const int e = effectiveItem(request.focusedItem, request.slideRev);
    const bool backLogItem = backFace && e == 9;  // L, or LI end for end
    double x = request.value;

    // Decided (design.md): a number that is not finite is refused before anything else.
    if (!std::isfinite(x))
        return fail(MoveError::Overflow);

    // Zero is refused, except on L and LI of a back face (processing goes on).
    int errorCode = 0;
    if (!backLogItem && x == 0)
        errorCode = 1;
    x = std::fabs(x);

    // First transformation.
    double m = x;
    if (isOneOf(e, {1, 5, 13}))
        m = std::pow(x, 1.0 / 3.0);
    else if (isOneOf(e, {2, 6, 14}))
        m = x * kFoldFactor;
    else if (isOneOf(e, {4, 12, 16}))
        m = std::sqrt(x);
    else if (!backFace && isOneOf(e, {7, 8}))
        m = x * kFoldFactor;

    // Angles and logarithms of the back faces.
    if (backFace && e >= 7 && e <= 10) {
        const double theta = x * kPi / 180;
        if (e == 7 || e == 8) {
            m = std::fabs(std::tan(theta));
            if (m < 0.099 || m > 10.01)
                errorCode = 2;
            if (request.sinNum == 0)
                m = 1 / m;
        } else if (e == 10) {
            m = request.sinNum == 0 ? std::fabs(1 / std::cos(theta - kPi / 2)) : std::fabs(1 / std::cos(theta));
            if (m < 0.99 || m > 10.01)
                errorCode = 2;
        } else {
            m = std::fmod(x, 1.0);
        }
    }

    if (errorCode == 1)
        return fail(MoveError::Overflow);
    if (errorCode == 2)
        return fail(MoveError::Domain);
    // A finite number can still give a mantissa that is not finite (1e308 on DF, a huge angle):
    // refused like any number that is not finite, before it is reduced.
    if (!std::isfinite(m))
        return fail(MoveError::Overflow);

    // Place on the scale, in units.
    const int64_t h0 = backLogItem ? static_cast<int64_t>(m * kDecade + 0.5)
                                   : static_cast<int64_t>(std::log10(reduce(m)) * kDecade + 0.5);

    const int64_t b = barBeforeWrap(face, request.target, e, h0, request.slidePos, request.cursorPos);
    const bool hairlineSlideItem = request.focusedItem >= 7 && request.focusedItem <= 10;
    if (backFace && hairlineSlideItem && e != 9 && (b < 0 || b > kDecade))
        return fail(MoveError::CannotMove);

    if (request.apply) {
        result.writesStatus = true;
        result.status = statusMessage(StatusId::Moved, request.language, {partName(request.target, request.language)});
    }

    result.barPosition = static_cast<int32_t>(wrap(b));
    result.applied = request.apply;
    result.clearRepaintMask = !request.apply;
    return result;
}

}  // namespace calc
