#include "calc/number_format.h"

#include "calc/position.h"
#include "calc/truncate.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace calc {

namespace {

QString cutToBuffer(QString text)
{
    text.truncate(kFormatBufferSize - 1);
    return text;
}

// Modes 0, 1, 5: "%ld.%05ld" of the integer part and five decimals, after the rounding increment.
QString formatDecimal(double x, int mode)
{
    if (mode == 5)
        x *= kDegreesPerRadian;
    else if (mode == 1)
        x = reduce(x);

    if (x < 10)
        x += 0.000005;
    else if (x < 100)
        x += 0.00005;
    else if (x < 1000)
        x += 0.0005;
    else if (x < 10000)
        x += 0.005;
    else if (x < 100000)
        x += 0.05;

    const int32_t i = truncateToInt32(x);
    const int32_t f = truncateToInt32((x - i) * 100000);
    char text[64];
    std::snprintf(text, sizeof text, "%ld.%05ld", static_cast<long>(i), static_cast<long>(f));
    QString result = QString::fromLatin1(text);
    if (mode != 5)
        result.truncate(7);
    return cutToBuffer(result);
}

// The fraction loops of modes 2 and 3: while x > 0.999999 subtract 1; then while x < 0 add 1.
// Every subtraction or addition of 1 before the last one is exact for |x| < 2^53, so the loops
// are taken in one step; numbers of 2^53 or more are whole (fraction 0), where the loop would
// never end. NaN and infinities have no fraction and stay NaN.
double logarithmFraction(double x)
{
    if (!std::isfinite(x))
        return std::numeric_limits<double>::quiet_NaN();
    constexpr double kWhole = 9007199254740992.0;  // 2^53
    if (x >= kWhole || x <= -kWhole)
        return 0.0;
    if (x > 0.999999) {
        const double fraction = x - std::floor(x);       // exact
        x = fraction > 0.999999 ? fraction - 1 : fraction;  // exact
    }
    if (x < 0) {
        if (x <= -1)
            x += std::floor(-x);  // exact: now in (-1, 0]
        if (x < 0)
            x += 1;
    }
    return x;
}

QString formatFraction(double x, int mode)
{
    x = logarithmFraction(x);
    const int32_t k = truncateToInt32(x * 1000000 + 0.5);
    char text[32];
    std::snprintf(text, sizeof text, "%s.%06d", mode == 3 ? "0" : "", static_cast<int>(k));
    return cutToBuffer(QString::fromLatin1(text));
}

QString twoDigits(int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", static_cast<int>(value));
    return QString::fromLatin1(text);
}

QString formatDegrees(double x)
{
    const double g = x * kDegreesPerRadian + 0.0001388888888888889;
    const int32_t d = truncateToInt32(g);
    const int32_t m = truncateToInt32((g - d) * 60);
    const int32_t s = truncateToInt32(((g - d) * 60 - m) * 60);
    const QString text = QString::number(d) + QChar(0x00B0) + twoDigits(m) + QChar(0x2032) + twoDigits(s) +
                         QChar(0x2033);
    return cutToBuffer(text);
}

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Case-insensitive match of an ASCII word at position at.
bool matchesWord(QStringView text, qsizetype at, QStringView word)
{
    return text.size() - at >= word.size() &&
           text.mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

}  // namespace

QString format(double x, int mode)
{
    switch (mode) {
    case 0:
    case 1:
    case 5:
        return formatDecimal(x, mode);
    case 2:
    case 3:
        return formatFraction(x, mode);
    case 4:
        return formatDegrees(x);
    default:
        return QString();
    }
}

ItemFormat itemFormat(int item, int slideRev, int unit)
{
    const ItemFormat plain{0, 0, 0};
    const ItemFormat reduced{1, 1, 1};
    const ItemFormat angle{4, 4, 5};
    const ItemFormat logarithm{2, 3, 3};
    const ItemFormat folded = unit == 0 ? reduced : plain;
    const Face face = faceOf(slideRev);
    switch (item) {
    case 2:
    case 14:
        return reduced;
    case 6:
        return folded;
    case 7:
        return face == Face::Front ? folded : angle;
    case 8:
        return face == Face::Front ? reduced : face == Face::Back ? angle : logarithm;
    case 9:
        return face == Face::Front ? plain : face == Face::Back ? logarithm : angle;
    case 10:
        return face == Face::Front ? plain : angle;
    default:
        return plain;
    }
}

double zeroRound(double x, int n, int focusedItem, int slideRev, int unit)
{
    const int mode = itemFormat(focusedItem, slideRev, unit).zeroRound;
    if (mode == 4 && n != 0)
        x *= kRadiansPerDegree;

    QString text = format(x, mode);
    const qsizetype last = text.size() - 1;
    int count = 0;
    for (qsizetype k = last; k >= 0; --k) {
        const QChar c = text.at(k);
        if (n == 0) {
            if (c >= u'1' && c <= u'9') {
                text[k] = u'0';
                break;
            }
        } else if (isAsciiDigit(c)) {
            text[k] = u'0';
            if (++count >= n)
                break;
        }
    }

    if (mode != 4)
        return parse(text);
    // Degrees end at the degree sign; minutes start five characters before the last character,
    // seconds two characters before it.
    const QStringView view(text);
    const auto from = [&](qsizetype k) { return view.mid(std::max<qsizetype>(k, 0)); };
    return parse(view) + parse(from(last - 5)) / 60 + parse(from(last - 2)) / 3600;
}

double parse(QStringView text)
{
    const qsizetype size = text.size();
    qsizetype p = 0;
    while (p < size && text.at(p).isSpace())
        ++p;

    bool negative = false;
    if (p < size && (text.at(p) == u'+' || text.at(p) == u'-')) {
        negative = text.at(p) == u'-';
        ++p;
    }

    std::string number = "0";  // ASCII digits, point and exponent, without the sign; "0" makes ".5" whole
    int64_t digitsBeforePoint = 0;  // significant digits before the point
    int64_t zerosAfterPoint = 0;    // zeros after the point before the first significant digit
    bool anyDigit = false;
    bool significant = false;
    while (p < size && isAsciiDigit(text.at(p))) {
        const char digit = static_cast<char>(text.at(p).unicode());
        anyDigit = true;
        significant = significant || digit != '0';
        if (significant)
            ++digitsBeforePoint;
        number += digit;
        ++p;
    }
    if (p < size && text.at(p) == u'.') {
        number += '.';
        ++p;
        while (p < size && isAsciiDigit(text.at(p))) {
            const char digit = static_cast<char>(text.at(p).unicode());
            anyDigit = true;
            if (!significant && digit == '0')
                ++zerosAfterPoint;
            significant = significant || digit != '0';
            number += digit;
            ++p;
        }
    }

    if (!anyDigit) {
        const double sign = negative ? -1.0 : 1.0;
        if (matchesWord(text, p, u"inf"))
            return sign * std::numeric_limits<double>::infinity();
        if (matchesWord(text, p, u"nan"))
            return std::numeric_limits<double>::quiet_NaN();
        return 0.0;
    }

    int64_t exponent = 0;  // saturated; only its size against the digits matters beyond that
    if (p < size && (text.at(p) == u'e' || text.at(p) == u'E')) {
        qsizetype q = p + 1;
        bool exponentNegative = false;
        if (q < size && (text.at(q) == u'+' || text.at(q) == u'-')) {
            exponentNegative = text.at(q) == u'-';
            ++q;
        }
        if (q < size && isAsciiDigit(text.at(q))) {
            number += 'e';
            if (exponentNegative)
                number += '-';
            while (q < size && isAsciiDigit(text.at(q))) {
                number += static_cast<char>(text.at(q).unicode());
                exponent = std::min<int64_t>(exponent * 10 + (text.at(q).unicode() - u'0'), 1000000000);
                ++q;
            }
            if (exponentNegative)
                exponent = -exponent;
        }
    }

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Decimal exponent of the first significant digit decides overflow or underflow.
        const int64_t magnitude = (digitsBeforePoint > 0 ? digitsBeforePoint - 1 : -zerosAfterPoint - 1) + exponent;
        value = magnitude >= 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

}  // namespace calc
