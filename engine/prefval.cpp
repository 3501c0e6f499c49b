// Preferred-value series: loading the table, rounding to it, resistor codes.

#include "calc.h"
#include "numtext.h"
#include "parts.h"

#include <algorithm>
#include <array>
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

} // namespace

void Calc::loadseries(Series s)
{
    const std::span<const double> table = seriestable(s);
    if (table.size() > pvtable.size())   // the window's table holds E6 to E24 only
        return;
    std::copy(table.begin() + 1, table.end(), pvtable.begin() + 1);
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
    const Pick p = nearestpick(rr, pvtable);
    idx = static_cast<std::int16_t>(p.slot);
    return p.value;
}

std::string Calc::rescode(double x) const
{
    double decade = fnc(x);
    if (x / fnd(decade) == decadeend)   // the logarithm fell just short
        decade += 1;
    const double limit = exponentlimit;
    const int dec = std::isfinite(decade) ? static_cast<int>(std::clamp(decade, -limit, limit)) : 0;

    std::string entry = signtext(pvtable[static_cast<std::size_t>(std::clamp<int>(idx, 0, static_cast<int>(pvtable.size()) - 1))]);
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
