// Number text formats: format, the item format table, zero-round and parse, also
// under a German process locale (decimal comma), which must change nothing.
#include "calc/number_format.h"
#include "calc/position.h"
#include "test_support.h"

#include <QDir>
#include <QLocale>
#include <QProcess>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

using namespace calc;

namespace {

struct FormatCase { double x; int mode; const char* text; };

// Every example, and the readout texts it relies on.
const FormatCase kFormatCases[] = {
    {3.1622776601683795, 0, "3.16228"},
    {10.000000000000002, 0, "10.0000"},
    {31.6227766016838, 0, "31.6228"},
    {125, 0, "125.000"},
    {125, 1, "1.25000"},
    {123456.789, 0, "123456."},
    {999.99999, 1, "10.0000"},
    {0.7853981633974483, 4, "45°00′00″"},
    {std::asin(0.1), 4, "5°44′21″"},
    {0.7853981633974483, 5, "45.00005"},
    {-0.30103, 2, ".698970"},
    {2.30103, 3, "0.301030"},
    {1.0000000000000002, 1, "1.00000"},
    {0.91440000000000001, 0, "0.91440"},
    {std::asin(1.0), 4, "90°00′00″"},
    {0.0, 4, "0°00′00″"},
    {0.25, 2, ".250000"},
    {-0.5, 2, ".500000"},
};

struct ZeroRoundCase { double x; int n; int item; int slideRev; double result; };

// the zero-round examples; item 11 is D (mode 0), item 10 on the back face SI (mode 4).
const ZeroRoundCase kZeroRoundCases[] = {
    {3.1622776601683795, 0, 11, 0, 3.1622},
    {125, 0, 11, 0, 120},
    {1.0, 0, 11, 0, 0},
    {3.1622776601683795, 2, 11, 0, 3.162},
    {30.5, 1, 10, 1, 30.5},                   // degrees in, "30°30′00″", degrees out
    {30.5 * 3.141592653 / 180, 0, 10, 1, 30}, // radians in: "30°30′00″" loses its minutes' 3
    {2.34567, 0, 11, 0, 2.3456},              // 2.34567 goes to 2.34560, then 2.34500
    {2.3456, 0, 11, 0, 2.345},
    {10.000000000000002, 0, 2, 0, 0},         // DF at an index, mode 1: "1.00000"
    {-0.30103, 0, 9, 1, 0.6989},              // L, mode 3: "0.698970"
    {3.1622776601683795, 3, 11, 0, 3.16},
};

struct ParseCase { const char16_t* text; double value; };

const ParseCase kParseCases[] = {
    {u"2.718282=e", 2.718282},
    {u"3.141592=π", 3.141592},
    {u"12°34′56″", 12},
    {u"2.5", 2.5},
    {u"  \t2.5", 2.5},
    {u"\u30002.5", 2.5},  // ideographic space
    {u"-2.5e2x", -250},
    {u"+7", 7},
    {u".5", 0.5},
    {u"5.", 5},
    {u"1e", 1},
    {u"1e+", 1},
    {u"1E-2", 0.01},
    {u"3,5", 3},  // the point is always "."
    {u"0.00000", 0},
    {u"", 0},
    {u"   ", 0},
    {u".", 0},
    {u"-", 0},
    {u"--5", 0},
    {u"e5", 0},
    {u"abc", 0},
    {u"円", 0},
    {u"２.５", 0},  // full-width digits are no number
    {u"0x10", 0},
};

void expectFormats()
{
    for (const FormatCase& c : kFormatCases)
        EXPECT_EQ(format(c.x, c.mode), QString::fromUtf8(c.text)) << c.x << " mode " << c.mode;
}

void expectParses()
{
    for (const ParseCase& c : kParseCases)
        EXPECT_EQ(parse(QStringView(c.text)), c.value) << QString::fromUtf16(c.text).toStdString();
}

// A German locale for the process, compiled into the test folder when the system has none.
bool setGermanLocale()
{
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (std::setlocale(LC_ALL, name))
            return true;
    }
    const QString dir = testsupport::testDir() + "/locale";
    QDir().mkpath(dir);
    QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8", dir + "/de_DE.UTF-8"});
    setenv("LOCPATH", dir.toLocal8Bit().constData(), 1);
    return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

}  // namespace

TEST(CalcFormat, ExamplesOfEveryMode)
{
    expectFormats();
    // Modes 0 and 1 always give 7 characters; a mode above 5 writes nothing.
    EXPECT_EQ(format(2.5, 0).size(), 7);
    EXPECT_EQ(format(0.000001, 1).size(), 7);
    EXPECT_EQ(format(2.5, 6), QString());
}

TEST(CalcFormat, ItemFormatTable)
{
    struct Case { int item, slideRev, unit; ItemFormat modes; };
    const Case cases[] = {
        {1, 0, 0, {0, 0, 0}},  {13, 1, 0, {0, 0, 0}}, {2, 0, 0, {1, 1, 1}},  {14, 3, 5, {1, 1, 1}},
        {3, 0, 0, {0, 0, 0}},  {15, 0, 0, {0, 0, 0}}, {4, 0, 0, {0, 0, 0}},  {16, 0, 0, {0, 0, 0}},
        {5, 0, 0, {0, 0, 0}},  {6, 0, 0, {1, 1, 1}},  {6, 0, 1, {0, 0, 0}},  {6, 1, 0, {1, 1, 1}},
        {7, 0, 0, {1, 1, 1}},  {7, 0, 3, {0, 0, 0}},  {7, 1, 0, {4, 4, 5}},  {7, 3, 0, {4, 4, 5}},
        {8, 0, 0, {1, 1, 1}},  {8, 0, 3, {1, 1, 1}},  {8, 1, 0, {4, 4, 5}},  {8, 3, 0, {2, 3, 3}},
        {9, 0, 0, {0, 0, 0}},  {9, 1, 0, {2, 3, 3}},  {9, 3, 0, {4, 4, 5}},
        {10, 0, 0, {0, 0, 0}}, {10, 1, 0, {4, 4, 5}}, {10, 3, 0, {4, 4, 5}},
        {11, 3, 0, {0, 0, 0}}, {12, 1, 0, {0, 0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(itemFormat(c.item, c.slideRev, c.unit), c.modes) << c.item << " " << c.slideRev << " " << c.unit;
}

TEST(CalcFormat, ZeroRound)
{
    for (const ZeroRoundCase& c : kZeroRoundCases)
        EXPECT_DOUBLE_EQ(zeroRound(c.x, c.n, c.item, c.slideRev, 0), c.result)
            << c.x << " n " << c.n << " item " << c.item;
}

TEST(CalcFormat, Parse)
{
    expectParses();
    // Reads only the characters it is given.
    EXPECT_EQ(parse(QStringView(u"2.5999").left(3)), 2.5);
    EXPECT_EQ(parse(QStringView(u"-3")), -3);
}

TEST(CalcFormat, GermanLocaleChangesNothing)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const QLocale previousQt;
    if (!setGermanLocale())
        GTEST_SKIP() << "no German C locale (Debian package locales) to set";
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ASSERT_EQ(std::strtod("2,5", nullptr), 2.5);  // the locale is really in force

    expectFormats();
    expectParses();
    for (const ZeroRoundCase& c : kZeroRoundCases)
        EXPECT_DOUBLE_EQ(zeroRound(c.x, c.n, c.item, c.slideRev, 0), c.result) << c.x;

    QLocale::setDefault(previousQt);
    std::setlocale(LC_ALL, previous.c_str());
}
