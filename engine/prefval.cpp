// Preferred-value series: loading the table, rounding to it, resistor codes.

#include "calc.h"
#include "numtext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace velkor {
namespace {

// The closing entry of every series, one decade above its first.
constexpr double decadeend = 10.0;

// Powers of ten are read from text; beyond this exponent the text reader
// saturates anyway (to 0 or the largest double).
constexpr int exponentlimit = 400;

// 10^n for n in [-exponentlimit, exponentlimit], each read from the text
// "1E" followed by the exponent's sign-position text ("1E 2", "1E-1"), so
// that every power is the correctly rounded decimal value rather than a
// product of repeated multiplications. Read once, on first use.
const std::array<double, 2 * exponentlimit + 1>& powersoften()
{
    static const auto table = [] {
        std::array<double, 2 * exponentlimit + 1> t{};
        for (int n = -exponentlimit; n <= exponentlimit; ++n)
            t[static_cast<std::size_t>(n + exponentlimit)] = readnum("1E" + signtext(n));
        return t;
    }();
    return table;
}

constexpr int lastslot = 30;

} // namespace

void Calc::loadseries(Series s)
{
    const std::string_view text = seriestext(s);
    const int n = seriescount(s);
    for (int k = 1; k <= n; ++k)
        pvtable[static_cast<std::size_t>(k)] = readnum(text.substr(static_cast<std::size_t>(4 * k - 4), 3));
}

double Calc::fnc(double x)
{
    return std::floor(std::log(x) / std::log(10.0));
}

double Calc::fnd(double x)
{
    const double n = std::floor(x);
    if (std::isnan(n))
        return std::numeric_limits<double>::quiet_NaN();
    const double limit = exponentlimit;
    return powersoften()[static_cast<std::size_t>(std::clamp(n, -limit, limit) + limit)];
}

double Calc::prefvalue(double rr)
{
    idx = 1;
    if (!(rr > 0) || !std::isfinite(rr))
        return std::numeric_limits<double>::quiet_NaN();
    const double dec = fnc(rr);
    const double scale = fnd(dec);
    const double mant = rr / scale;
    // Up to the first entry above the mantissa; an equal entry is passed
    // over. The entry 10 ends the search even for a mantissa of 10 or more
    // (an exact power of ten whose logarithm fell short).
    const auto at = [this](int i) { return pvtable[static_cast<std::size_t>(i)]; };
    while (mant >= at(idx) && at(idx) < decadeend && idx < lastslot)
        ++idx;
    // The lower neighbour wins only when the upper lies more than half the
    // gap away: a mantissa exactly half-way goes up.
    if (at(idx) - mant > (at(idx) - at(idx - 1)) / 2)
        --idx;
    return at(idx) * scale;
}

std::string Calc::rescode(double x) const
{
    double decade = fnc(x);
    if (x / fnd(decade) == decadeend)   // the logarithm fell just short
        decade += 1;
    const double limit = exponentlimit;
    const int dec = std::isfinite(decade) ? static_cast<int>(std::clamp(decade, -limit, limit)) : 0;

    std::string entry = signtext(pvtable[static_cast<std::size_t>(std::clamp<int>(idx, 0, lastslot))]);
    if (entry == " 1" || entry == " 2" || entry == " 3")
        entry += ".0";
    const char a = entry[1];
    const char b = entry.back();

    // Built right-aligned in a buffer: at least four characters, blank-padded.
    constexpr int codewidth = 4;
    char buf[16];
    char* o = buf + codewidth;   // room for padding in front
    char* const start = o;
    if (dec >= -3 && dec <= -1) {
        // R47, R056, R0047: the point stands where the R stands.
        *o++ = 'R';
        for (int i = 0; i < -dec - 1; ++i)
            *o++ = '0';
        *o++ = a;
        *o++ = b;
    } else if (dec >= 0 && dec <= 14) {
        static constexpr char letters[] = "RkMGT";
        const char letter = letters[dec / 3];
        *o++ = a;
        if (dec % 3 == 0) {
            *o++ = letter;
            *o++ = b;
        } else {
            *o++ = b;
            if (dec % 3 == 2)
                *o++ = '0';
            *o++ = letter;
        }
    } else {
        const int mag = std::abs(dec);
        *o++ = a;
        *o++ = '.';
        *o++ = b;
        *o++ = 'E';
        *o++ = dec < 0 ? '-' : '+';
        if (mag >= 100)
            *o++ = static_cast<char>('0' + mag / 100);
        *o++ = static_cast<char>('0' + mag / 10 % 10);
        *o++ = static_cast<char>('0' + mag % 10);
    }
    char* first = start;
    while (o - first < codewidth)
        *--first = ' ';
    return std::string(first, o);
}

} // namespace velkor
