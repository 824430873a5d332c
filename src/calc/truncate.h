#pragma once
// Truncation of a double toward zero to a signed 32-bit integer, defined for every double.

#include <cstdint>
#include <limits>

namespace calc {

// A number that does not fit (2 147 483 648 or more, below -2 147 483 648, NaN, infinities)
// gives -2 147 483 648, the "integer indefinite" that the x86 truncating conversion yields,
// so the rule's formats overflow the way the documented program does instead of being undefined.
inline int32_t truncateToInt32(double x)
{
    if (x > -2147483649.0 && x < 2147483648.0)
        return static_cast<int32_t>(x);
    return std::numeric_limits<int32_t>::min();
}

}  // namespace calc
