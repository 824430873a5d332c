#include "scales/graduation_tables.h"

#include "calc/layout.h"
#include "calc/position.h"

#include <cmath>

// Every segment steps its value by accumulating a double, and ends as soon as the value is no
// longer below (falling: above) its limit; the limits lie between steps. The accumulated value,
// not an exact decimal, enters the formulas. The tick and figure rules test the mark's index in
// the whole table; % keeps the sign of a negative left side, so -5 % 10 is -5, not 0.

namespace {
constexpr int kScale = layout::kScaleLength;  // pixels per decade

constexpr int16_t kShort = layout::kLogTickLengths[0];
constexpr int16_t kMedium = layout::kLogTickLengths[1];
constexpr int16_t kLong = layout::kLogTickLengths[2];
constexpr int16_t kArrow = layout::kLogTickLengths[3];

constexpr int16_t kAngleShort = layout::kAngleTickLengths[0];
constexpr int16_t kAngleMedium = layout::kAngleTickLengths[1];
constexpr int16_t kAngleLong = layout::kAngleTickLengths[2];

// Distances and figures are non-negative, so truncating x + 0.5 gives the nearest integer.
int16_t nearest(double x) { return static_cast<int16_t>(std::trunc(x + 0.5)); }
int16_t logPosition(double v) { return nearest(std::log10(v) * kScale); }
double radians(double degrees) { return degrees * calc::kPi / 180; }
int16_t sinePosition(double radians) { return nearest(std::log10(1 / std::cos(radians)) * kScale); }
int16_t tangentPosition(double radians) { return nearest(std::log10(1 / std::tan(radians)) * kScale); }

void buildLog(GraduationTables& t)
{
    auto& m = t.log;
    int i = 0;
    for (double v = 1.0; v < 1.998; v += 0.01, ++i) {
        const int16_t length = i % 10 == 0 ? kLong : i % 5 == 0 ? kMedium : kShort;
        m[i] = {logPosition(v), length, int16_t(i % 50 == 0 ? nearest(v) : 0)};
    }
    for (double v = 2.0; v < 4.99; v += 0.02, ++i) {
        const int16_t length = i % 25 == 0 ? kArrow : i % 5 == 0 ? kMedium : kShort;
        m[i] = {logPosition(v), length, int16_t(i % 50 == 0 ? nearest(v) : 0)};
    }
    for (double v = 5.0; v < 9.98; v += 0.05, ++i) {
        const int16_t length = i % 10 == 0 ? kLong : i % 2 == 0 ? kMedium : kShort;
        m[i] = {logPosition(v), length, int16_t((i + 10) % 20 == 0 ? nearest(v) : 0)};
    }
    m[i] = {int16_t(kScale), kLong, 10};
    t.logLast = int16_t(i);
}

// A and K are built in one pass over the same values.
void buildAK(GraduationTables& t)
{
    auto place = [&](int i, double v, int16_t aLength, int16_t aFigure, int16_t kLength, int16_t kFigure) {
        t.a[i] = {nearest(std::log10(v) * kScale * 0.5), aLength, aFigure};
        t.k[i] = {nearest(std::log10(v) * kScale / 3), kLength, kFigure};
    };
    int i = 0;
    for (double v = 1.0; v < 1.99; v += 0.02, ++i) {
        const int16_t length = i % 25 == 0 ? kLong : i % 5 == 0 ? kMedium : kShort;
        const int16_t figure = i == 0 ? 1 : 0;
        place(i, v, length, figure, length, figure);
    }
    for (double v = 2.0; v < 4.99; v += 0.05, ++i) {
        const int16_t length = i % 10 == 0 ? kLong : i % 2 == 0 ? kMedium : kShort;
        const int16_t figure = (i + 10) % 20 == 0 ? nearest(v) : 0;
        place(i, v, length, figure, length, figure);
    }
    for (double v = 5.0; v < 9.98; v += 0.1, ++i) {
        const int16_t aLength = i % 5 == 0 ? kMedium : kShort;
        const int16_t aFigure = i % 10 == 0 ? nearest(v) : 0;
        const int16_t kLength = i % 10 == 0 ? kLong : i % 5 == 0 ? kMedium : kShort;
        const int16_t kFigure = v == 5.0 ? 5 : 0;
        place(i, v, aLength, aFigure, kLength, kFigure);
    }
    t.a[i] = {int16_t(kScale / 2), kMedium, 10};
    t.k[i] = {int16_t(kScale / 3), kMedium, 10};
    t.akLast = int16_t(i);
}

// The stored angle a is the complement of the sine angle; positions run from 90° downwards.
void buildSine(GraduationTables& t)
{
    auto& m = t.sine;
    m[0] = {0, kAngleLong, 90};
    m[1] = {sinePosition(radians(5)), kAngleMedium, 0};
    int i = 2;
    for (double a = 10; a < 19.8; a += 1, ++i) {
        const int16_t length = (i - 2) % 10 == 0 ? kAngleLong : (i - 2) % 5 == 0 ? kAngleMedium : kAngleShort;
        m[i] = {sinePosition(radians(a)), length, 0};
    }
    for (double a = 20; a < 39.8; a += 0.5, ++i) {
        const int16_t length = (i - 2) % 10 == 0 ? kAngleLong : i % 2 == 0 ? kAngleMedium : kAngleShort;
        m[i] = {sinePosition(radians(a)), length, int16_t((i + 8) % 20 == 0 ? nearest(a) : 0)};
    }
    for (double a = 40; a < 59.9; a += 1.0 / 3, ++i) {
        const int16_t length = (i - 7) % 15 == 0 ? kAngleLong : (i - 7) % 3 == 0 ? kAngleMedium : kAngleShort;
        const int16_t figure = (i + 8) % 30 == 0 ? nearest(a) : (i - 7) % 30 == 0 ? kArrowMarker : 0;
        m[i] = {sinePosition(radians(a)), length, figure};
    }
    for (double a = 60; a < 74.95; a += 1.0 / 6, ++i) {
        const int16_t length = (i - 4) % 6 == 0 ? kAngleLong : (i - 4) % 3 == 0 ? kAngleMedium : kAngleShort;
        const int16_t figure = (i + 8) % 60 == 0 ? nearest(a) : (i + 8) % 30 == 0 ? kArrowMarker : 0;
        m[i] = {sinePosition(radians(a)), length, figure};
    }
    for (double a = 75; a < 83.98; a += 1.0 / 12, ++i) {
        const int16_t length = (i - 4) % 6 == 0 ? kAngleLong : i % 2 == 0 ? kAngleMedium : kAngleShort;
        const int16_t figure = (i - 22) % 60 == 0 ? nearest(a) : (i - 10) % 12 == 0 ? kDotMarker : 0;
        m[i] = {sinePosition(radians(a)), length, figure};
    }
    m[i] = {sinePosition(1.4660765714), kAngleLong, 84};  // 84°
    ++i;
    m[i] = {int16_t(kScale), kAngleLong, 0};  // sin θ = 0.1
    t.sineLast = int16_t(i);
}

// The stored angle a is the tangent angle of TI1, falling from 45°; TI2 reads its complement.
void buildTangent(GraduationTables& t)
{
    auto& m = t.tangent;
    int i = 0;
    // Writes a mark for 15° at index 180 too; the next segment starts there again and overwrites it.
    for (double a = 45; a > 14.9; a -= 1.0 / 6, ++i) {
        const int16_t length = i % 6 == 0 ? kAngleLong : i % 3 == 0 ? kAngleMedium : kAngleShort;
        const int16_t figure = (i - 30) % 60 == 0 ? nearest(a) : i % 60 == 0 ? kArrowMarker : 0;
        m[i] = {tangentPosition(radians(a)), length, figure};
    }
    i = 180;
    // Ends with a mark a hair below 6° that carries the dot; the next mark is 6° with its figure.
    for (double a = 15; a > 5.98; a -= 1.0 / 12, ++i) {
        const int16_t length = i % 6 == 0 ? kAngleLong : i % 2 == 0 ? kAngleMedium : kAngleShort;
        const int16_t figure = i % 60 == 0 ? nearest(a) : i % 12 == 0 ? kDotMarker : 0;
        m[i] = {tangentPosition(radians(a)), length, figure};
    }
    m[i] = {tangentPosition(0.1047197551), kAngleLong, 6};  // 6°
    ++i;
    m[i] = {int16_t(kScale), kAngleLong, 0};  // tan a = 0.1
    t.tangentLast = int16_t(i);
    m[0].figure = 45;
}

// Fraction w of the decade from 0 to 1; the figures count tenths of the L reading 1 - w.
void buildL(GraduationTables& t)
{
    auto& m = t.l;
    int i = 0;
    for (double w = 0; w < 0.999; w += 0.002, ++i) {
        const int16_t length = i % 25 == 0 ? kAngleLong : i % 5 == 0 ? kAngleMedium : kAngleShort;
        m[i] = {nearest(w * kScale), length, int16_t(i % 50 == 0 ? nearest(10 - 10 * w) : 0)};
    }
    m[i] = {int16_t(kScale), kAngleLong, 1};
    t.lLast = int16_t(i);
}
}  // namespace

GraduationTables GraduationTables::build()
{
    GraduationTables t;
    buildLog(t);
    buildAK(t);
    buildSine(t);
    buildTangent(t);
    buildL(t);
    return t;
}
