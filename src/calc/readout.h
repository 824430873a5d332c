#pragma once
// Readout values: the reading of all sixteen readout items for given
// positions, face, numbering and conversion. The panel drawing prints these values;
// it recomputes only the sections that changed, which gives the same numbers as this function.
//
// Items: 1-4 K, DF, D, A at the slide's left index; 5-12 the eight rows under the hairline
// (K, DF, the four slide rows, D, A); 13-16 K, DF, D, A at the right index.
// Angle items hold radians; L and LI hold a number whose fraction in [0, 1) is the reading.

#include "calc/conversions.h"
#include "calc/position.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace calc {

struct ReadoutInput {
    int32_t slidePos = kHome;
    int32_t cursorPos = kHome;
    int16_t slideRev = 0;  // 0 front, 1 back, 3 back end for end
    int16_t sinNum = 0;    // angle numbering of the back faces, 0 or 1
    ConversionMode conversion{};  // Unit, kind and factor; Unit 0 = none
};

struct ReadoutValues {
    std::array<double, 16> values{};  // values[0] is item 1
    // Item 1 to 16 (no other number is valid).
    double operator[](int item) const { return values[static_cast<std::size_t>(item - 1)]; }
    double& operator[](int item) { return values[static_cast<std::size_t>(item - 1)]; }
};

ReadoutValues readoutValues(const ReadoutInput& in);

}  // namespace calc
