#pragma once
// Number text formats: the formatter's six modes, the item format table, zero-round
// and parse. Texts are UTF-16 (QString). Nothing here depends on the process locale: the
// decimal point is always ".".

#include <QString>
#include <QStringView>

#include <cstdint>

namespace calc {

// The formatter writes into a buffer of 16 characters; its texts never exceed 15 characters.
inline constexpr int kFormatBufferSize = 16;

// format(x, mode), returning exactly what the 16-character buffer holds:
//   0 decimal, six figures, cut to 7 characters      1 reduced to one decade, then as 0
//   2 logarithm fraction ".dddddd"                   3 as 2 with a leading "0"
//   4 radians as degrees, minutes, seconds d°mm′ss″  5 radians as decimal degrees, not cut
// A mode outside 0-5 writes nothing (empty text). Any double is accepted; numbers whose integer
// part does not fit 32 bits, NaN and infinities give the overflowed text of the 32-bit
// truncation (see truncate.h), cut to the buffer.
QString format(double x, int mode);

// Shown, zero-round and copy modes of a readout item.
struct ItemFormat {
    int16_t shown = 0;
    int16_t zeroRound = 0;
    int16_t copy = 0;
    bool operator==(const ItemFormat&) const = default;
};
// item 1-16 (any other gives mode 0), slideRev 0/1/3, unit = the active conversion code.
ItemFormat itemFormat(int item, int slideRev, int unit);

// zero-round(x, n) on the focused item: n = 0 clears the last non-zero digit of the item's
// zero-round text ("0 Round"); n = 1-3 sets the last n digits to 0 (number lock). For an angle
// item (mode 4) x is radians when n is 0 and degrees otherwise; the result is in degrees.
double zeroRound(double x, int n, int focusedItem, int slideRev, int unit);

// The number at the start of a text: white space, an optional sign, digits with an optional
// point, an optional exponent; also "inf", "infinity" and "nan" as the platform's conversion
// reads them. What follows is ignored; a text without a number gives 0. A number too large
// for a double gives an infinity, one too small 0. Reads only the given characters.
double parse(QStringView text);

}  // namespace calc
