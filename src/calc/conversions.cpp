#include "calc/conversions.h"

#include "calc/position.h"
#include "calc/truncate.h"

#include <algorithm>
#include <cmath>

namespace calc {

// clang-format off
const std::array<Conversion, 19> kConversions = {{
    {201, u"&Circumstance", u"直径 - 円周(&P)",   3.141592653, 0, 101, 1, 1,    u"Circ",    u"Diam"},
    {202, u"&Area",         u"直径 - 円面積(&A)", 1.128379,   +1, 102, 2, 1,    u"Diam",    u"Area"},
    {203, u"&RAD - DEG",    u"RAD - DEG(&R)",     5.729578,   -1, 103, 0, 100,  u"DEG",     u"RAD"},
    {301, u"&inch\tmm",     u"&inch\tmm",         2.54,        0,   1, 1, 10,   u"mm",      u"inch"},
    {302, u"f&eet\tm",      u"f&eet\tm",          3.048,       0,   2, 1, 0.1,  u"m",       u"feet"},
    {303, u"&yard\tm",      u"&yard\tm",          0.9144,     +1,   3, 0, 1,    u"m",       u"yard"},
    {304, u"&mile\tkm",     u"&mile\tkm",         1.609344,   +1,   4, 0, 1,    u"km",      u"mile"},
    {311, u"ac&re\tare",    u"ac&re\tare",        4.04686,     0,   5, 1, 10,   u"are",     u"acre"},
    {315, u"g&allon\tliter", u"g&allon\tliter",   3.78541,     0,   6, 1, 1,    u"liter",   u"gallon"},
    {321, u"o&z.\tg",       u"o&z.\tg",           2.83495,     0,  11, 1, 10,   u"g",       u"oz."},
    {322, u"ib.(&pound)\tkg", u"ib.(&pound)\tkg", 4.53592,     0,  12, 1, 0.1,  u"kg",      u"ib."},
    {331, u"&cal\tjoule",   u"&cal\tjoule",       4.18605,     0,  21, 1, 1,    u"joule",   u"cal"},
    {332, u"kca&l\tWh",     u"kca&l\tWh",         1.163,      +1,  22, 0, 1,    u"Wh",      u"kcal"},
    {341, u"kg&f\tN",       u"kg&f\tN",           9.80665,    -1,  31, 0, 10,   u"N",       u"kgf"},
    {351, u"mm&Hg\thPa",    u"mm&Hg\thPa",        1.33322,    +1,  41, 0, 1,    u"hPa",     u"mmHg"},
    {352, u"k&g/cm2\tmmHg", u"k&g/cm2\tmmHg",     7.3556,     -1,  42, 0, 1000, u"mmHg",    u"kg/cm²"},
    {361, u"&kW\tHP",       u"&kW\tHP",           1.34102,    +1,  51, 0, 1,    u"HP",      u"kW"},
    {362, u"k&W\tkcal/hr",  u"k&W\tkcal/hr",      8.59845,    -1,  52, 0, 1000, u"kcal/hr", u"kW"},
    {371, u"&Oe\tA/m",      u"&Oe\tA/m",          7.95774,    -1,  61, 0, 100,  u"A/m",     u"Oe"},
}};
// clang-format on

const Conversion* conversionByCode(int code)
{
    if (code == 0)
        return nullptr;
    const auto it = std::find_if(kConversions.begin(), kConversions.end(),
                                 [code](const Conversion& c) { return c.code == code; });
    return it == kConversions.end() ? nullptr : &*it;
}

const Conversion* conversionByCommand(int command)
{
    const auto it = std::find_if(kConversions.begin(), kConversions.end(),
                                 [command](const Conversion& c) { return c.command == command; });
    return it == kConversions.end() ? nullptr : &*it;
}

ConversionMode conversionMode(int code)
{
    ConversionMode mode;
    mode.unit = static_cast<int16_t>(code);
    switch (code) {
    case 0: break;
    case 1: case 5: case 11: mode.factor = 10; mode.kind = 1; break;
    case 2: case 12: mode.factor = 0.1; mode.kind = 1; break;
    case 6: case 21: case 101: mode.kind = 1; break;
    case 31: mode.factor = 10; break;
    case 42: case 52: mode.factor = 1000; break;
    case 61: case 103: mode.factor = 100; break;
    case 102: mode.kind = 2; break;
    case 3: case 4: case 22: case 41: case 51: break;
    default: mode.unit = 0; break;
    }
    return mode;
}

int32_t conversionSlidePosition(double f, int shift)
{
    // log10 of a non-positive or non-finite f is not finite: the 32-bit truncation gives its
    // integer-indefinite value and the limit below brings it into range.
    const int64_t h = truncateToInt32(std::log10(f) * 21000 * 300 + 0.5);
    int64_t position = h;
    if (shift > 0)
        position = h + kHome;
    else if (shift < 0)
        position = h - kHome;
    return static_cast<int32_t>(std::clamp<int64_t>(position, 0, kDecade));
}

}  // namespace calc
