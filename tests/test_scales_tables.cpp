// Graduation tables: marks at the documented edge cases (position, tick length, figure code).

#include "scales/graduation_tables.h"

#include <gtest/gtest.h>

#include <span>
#include <string>

namespace {
enum class Table { Log, A, K, Sine, Tangent, L };

struct MarkCase {
    Table table;
    int index;
    Mark mark;  // position, tick length, figure code
    const char* what;
};

constexpr int16_t S = 3, M = 5, Lg = 7, Arrow = 9;  // log tick lengths
constexpr int16_t aS = 3, aM = 5, aL = 7;           // angle tick lengths

const MarkCase kCases[] = {
    {Table::Log, 0, {0, Lg, 1}, "1"},
    {Table::Log, 1, {9, S, 0}, "1.01"},
    {Table::Log, 50, {370, Lg, 2}, "1.5, a hair above, so figure 2"},
    {Table::Log, 100, {632, Arrow, 2}, "2.0"},
    {Table::Log, 125, {836, Arrow, 0}, "2.5, arrow tip"},
    {Table::Log, 150, {1002, Arrow, 3}, "3.0"},
    {Table::Log, 157, {1044, S, 0}, "3.14"},
    {Table::Log, 200, {1264, Arrow, 4}, "4.0"},
    {Table::Log, 250, {1468, Lg, 5}, "5.0"},
    {Table::Log, 349, {2095, S, 0}, "9.95"},
    {Table::Log, 350, {2100, Lg, 10}, "10"},

    {Table::A, 25, {185, Lg, 0}, "1.5"},
    {Table::A, 50, {316, Lg, 2}, "2.0"},
    {Table::A, 110, {734, M, 5}, "5.0"},
    {Table::A, 160, {1050, M, 10}, "10"},

    {Table::K, 50, {211, Lg, 2}, "2.0"},
    {Table::K, 110, {489, Lg, 5}, "5.0"},
    {Table::K, 120, {545, Lg, 0}, "6.0, long without figure"},
    {Table::K, 160, {700, M, 10}, "10"},

    {Table::Sine, 0, {0, aL, 90}, "90°"},
    {Table::Sine, 1, {3, aM, 0}, "a = 5"},
    {Table::Sine, 2, {14, aL, 0}, "a = 10"},
    {Table::Sine, 12, {57, aL, 20}, "a = 20"},
    {Table::Sine, 67, {316, aL, kArrowMarker}, "a = 45"},
    {Table::Sine, 112, {632, aL, 60}, "a = 60"},
    {Table::Sine, 214, {1294, aL, kDotMarker}, "a = 76"},
    {Table::Sine, 310, {2060, aL, 84}, "a = 84"},
    {Table::Sine, 311, {2100, aL, 0}, "sin = 0.1"},

    {Table::Tangent, 0, {0, aL, 45}, "45°, figure replaces the arrow"},
    {Table::Tangent, 60, {325, aL, kArrowMarker}, "35°"},
    {Table::Tangent, 90, {501, aL, 30}, "30°"},
    {Table::Tangent, 180, {1201, aL, 15}, "15°, written twice"},
    {Table::Tangent, 288, {2055, aL, kDotMarker}, "a hair below 6°"},
    {Table::Tangent, 289, {2055, aL, 6}, "6°"},
    {Table::Tangent, 290, {2100, aL, 0}, "tan = 0.1"},

    {Table::L, 1, {4, aS, 0}, "w = 0.002"},
    {Table::L, 250, {1050, aL, 5}, "w = 0.5"},
    {Table::L, 499, {2096, aS, 0}, "w = 0.998"},
    {Table::L, 500, {2100, aL, 1}, "w = 1"},
};

std::span<const Mark> table(const GraduationTables& t, Table which)
{
    switch (which) {
    case Table::Log: return t.log;
    case Table::A: return t.a;
    case Table::K: return t.k;
    case Table::Sine: return t.sine;
    case Table::Tangent: return t.tangent;
    case Table::L: return t.l;
    }
    return {};
}

std::string describe(const Mark& m)
{
    return "{" + std::to_string(m.position) + ", " + std::to_string(m.tickLength) + ", " + std::to_string(m.figure) + "}";
}
}  // namespace

TEST(GraduationTables, EdgeCaseMarks)
{
    const GraduationTables t = GraduationTables::build();
    for (const MarkCase& c : kCases) {
        const Mark& got = table(t, c.table)[c.index];
        EXPECT_EQ(got, c.mark) << c.what << " (mark " << c.index << "): got " << describe(got);
    }
}

TEST(GraduationTables, LastIndexes)
{
    const GraduationTables t = GraduationTables::build();
    EXPECT_EQ(t.logLast, 350);
    EXPECT_EQ(t.akLast, 160);
    EXPECT_EQ(t.sineLast, 311);
    EXPECT_EQ(t.tangentLast, 290);
    EXPECT_EQ(t.lLast, 500);
}
