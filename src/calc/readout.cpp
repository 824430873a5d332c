#include "calc/readout.h"

#include <algorithm>
#include <cmath>

namespace calc {

namespace {
// 10 to the power (units / 21000 / 300), as the panel computes it.
double powerOfUnits(int64_t units) { return std::pow(10.0, static_cast<double>(units) / 21000 / 300); }

// The decade fraction of a number of units, as the L and LI cells compute it.
double fractionOfUnits(int64_t units) { return static_cast<double>(units) / 21000 / 300; }
}  // namespace

ReadoutValues readoutValues(const ReadoutInput& in)
{
    ReadoutValues out;
    out.values.fill(kNoValue);

    const int64_t slide = in.slidePos;
    const int64_t cursor = in.cursorPos;
    const bool converting = in.conversion.unit != 0;
    const int kind = in.conversion.kind;
    const double factor = in.conversion.factor;

    // Index columns: the D reading at the slide's left index, reduced to one decade.
    // With a conversion they show unit names and keep the no-value mark.
    const double v = reduce(powerOfUnits(kHome - slide));
    if (!converting && leftIndexAvailable(in.slidePos)) {
        out[1] = v * v * v;
        out[2] = reduce(v * kFoldFactor);
        out[3] = v;
        out[4] = v * v;
    }
    if (!converting && rightIndexAvailable(in.slidePos)) {
        out[13] = v * v * v;
        out[14] = reduce(v * kFoldFactor);
        out[15] = v;
        out[16] = v * v;
    }

    // Stator rows under the hairline; K, D and A are not reduced.
    const double u = powerOfUnits(cursor);
    if (!converting)
        out[5] = u * u * u;
    if (kind != 2)
        out[6] = reduce(u * kFoldFactor);
    out[11] = u;
    if (!converting || kind == 2)
        out[12] = u * u;

    // Slide rows under the hairline, from the slide reading position p.
    const int64_t p = cursor + slide - kHome;
    const double c = powerOfUnits(p);
    switch (faceOf(in.slideRev)) {
    case Face::Front: {
        out[10] = factor * c;
        if (kind != 2)
            out[7] = factor * reduce(c * kFoldFactor);
        if (!converting) {
            const double inverse = powerOfUnits(kHome - slide - cursor);  // 1 / c
            out[9] = reduce(inverse);
            out[8] = reduce(inverse * kFoldFactor);
        }
        break;
    }
    case Face::Back: {
        out[9] = 1 - fractionOfUnits(slide + kHome + cursor);
        const double c10 = powerOfUnits(cursor + slide - 31500 * kStepFactor);  // c / 10
        const double capped = 1 / std::max(1.0, c);
        if (in.sinNum == 0) {
            out[10] = std::asin(capped);
            out[8] = std::atan(1 / c);
            out[7] = std::atan(1 / c10);
        } else {
            out[10] = std::acos(capped);
            out[8] = std::atan(c);
            out[7] = std::atan(c10);
        }
        break;
    }
    case Face::EndForEnd: {
        out[8] = fractionOfUnits(kHome + slide + cursor) + 1;
        const double d = powerOfUnits(31500 * kStepFactor - cursor - slide);  // 10 / c
        const double e = powerOfUnits(kHome - cursor - slide);                // 1 / c
        const double capped = 1 / std::max(1.0, d);
        if (in.sinNum == 0) {
            out[7] = std::asin(capped);
            out[9] = std::atan(1 / d);
            out[10] = std::atan(1 / e);
        } else {
            out[7] = std::acos(capped);
            out[9] = std::atan(d);
            out[10] = std::atan(e);
        }
        break;
    }
    }
    return out;
}

}  // namespace calc
