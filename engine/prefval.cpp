// Preferred-value series: loading the table, rounding to it, resistor codes.

#include "calc.h"
#include "numtext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace velkor {
namespace {

// The closing entry of every series, one decade above its first.
constexpr double decadeend = 10.0;

// Powers of ten are read from text; beyond this exponent the reader
// saturates anyway (to 0 or the largest double).
constexpr int exponentlimit = 400;

// 10^n for n in [-exponentlimit, exponentlimit], each read from the text
// "1E" followed by the exponent's sign-position text ("1E 2", "1E-1"; the
// reader drops the blank). Read from text, every power is the double nearest
// the exact decimal value: repeated multiplication, or std::pow on some
// libraries, can be an ulp off, and a mantissa computed from such a power
// can land on the wrong side of a half-way point between two entries.
// Read once, on first use.
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

// The table has slots 0 to 30: slot 0 stays 0 below the first entry, and
// the longest series, E24, fills slots 1 to 25 with its closing 10. The
// search never passes slot 30, whatever a table holds.
constexpr int lastslot = 30;

// The double nearest entry * 10^dec, for an entry of the table and a whole
// decade exponent. The product of the two doubles can be an ulp off the
// part's value (8.2 * 100 gives 819.9999999999999); read from its decimal
// text it is the part itself. Beyond the range of a double: infinity above,
// 0 below.
double partvalue(double entry, double dec)
{
    char text[64];
    char* end = std::to_chars(text, text + 32, entry).ptr;
    *end++ = 'e';
    end = std::to_chars(end, text + sizeof text, static_cast<int>(dec)).ptr;
    double value = 0;
    if (std::from_chars(text, end, value).ec != std::errc())
        return dec > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
}

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
    return partvalue(at(idx), dec);
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

    std::string code;
    if (dec >= -3 && dec <= -1) {
        // R47, R056, R0047: the R stands where the decimal point would.
        code = 'R' + std::string(static_cast<std::size_t>(-dec - 1), '0') + a + b;
    } else if (dec >= 0 && dec <= 14) {
        // 4R7, 47R, 470R; the letter steps by thousands: R k M G T.
        static constexpr char letters[] = "RkMGT";
        const char letter = letters[dec / 3];
        if (dec % 3 == 0)
            code = {a, letter, b};
        else
            code = std::string{a, b} + (dec % 3 == 2 ? "0" : "") + letter;
    } else {
        code = std::string{a, '.', b} + exponenttext(dec);
    }
    constexpr std::size_t codewidth = 4;   // right-aligned in at least four characters
    if (code.size() < codewidth)
        code.insert(0, codewidth - code.size(), ' ');
    return code;
}

} // namespace velkor
