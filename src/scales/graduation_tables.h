#pragma once
// Graduation tables: one mark per tick of a scale, with where it lies (pixels from the
// table's origin at 2100 pixels per decade), how long its tick is and what is printed at it.
// Six tables serve the twelve scales of the face. They are built once and only read afterwards;
// drawing does no floating-point work.
//
//   table    scales                    origin (position 0)     last index
//   log      C, D, CF, DF, CI, CIF     value 1                 350
//   A        A (a decade, twice)       value 1                 160
//   K        K (a decade, thrice)      value 1                 160
//   sine     SI                        sine angle 90°          311
//   tangent  TI1, TI2                  tangent angle 45°       290
//   L        L                         L reading 1             500

#include <array>
#include <cstdint>

// Figure codes besides a printed number (> 0) and none (0).
inline constexpr int16_t kDotMarker = -1;    // a dot one pixel beyond the end of the tick
inline constexpr int16_t kArrowMarker = -2;  // an arrow tip at the tick

struct Mark {
    int16_t position = 0;    // pixels from the table's origin, never negative
    int16_t tickLength = 0;  // pixels; a copy of one of the tick length constants
    int16_t figure = 0;      // 0 none, > 0 the number printed, kDotMarker, kArrowMarker
    bool operator==(const Mark&) const = default;
};

struct GraduationTables {
    std::array<Mark, 360> log{};
    std::array<Mark, 170> a{};
    std::array<Mark, 170> k{};
    std::array<Mark, 320> sine{};
    std::array<Mark, 300> tangent{};
    std::array<Mark, 510> l{};

    int16_t logLast = 0;
    int16_t akLast = 0;  // shared by the A and K tables
    int16_t sineLast = 0;
    int16_t tangentLast = 0;
    int16_t lLast = 0;

    // Fills all six tables and their last indexes.
    static GraduationTables build();
};
