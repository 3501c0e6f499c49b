// Preferred-value series: loading the table, rounding to it, resistor codes.

#include "base/decades.h"
#include "base/numtext.h"
#include "base/parts.h"
#include "window/calc.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velkor {

void Calc::loadseries(Series s)
{
    const std::span<const double> table = seriesTable(s);
    if (table.size() > pvtable.size())   // the window's table holds E6 to E24 only
        return;
    std::copy(table.begin() + 1, table.end(), pvtable.begin() + 1);
}

double Calc::fnc(double x) { return decadeExponent(x); }

double Calc::fnd(double x) { return powerOfTen(x); }

double Calc::prefvalue(double rr)
{
    const Pick p = nearestPick(rr, pvtable);
    idx = static_cast<std::int16_t>(p.slot);
    return p.value;
}

std::string Calc::rescode(double x) const
{
    double decade = fnc(x);
    if (x / fnd(decade) == decadeEnd)   // the logarithm fell just short
        decade += 1;
    constexpr double limit = 400;   // no double has a decade beyond
    const int dec = std::isfinite(decade) ? static_cast<int>(std::clamp(decade, -limit, limit)) : 0;

    std::string entry = signText(pvtable[static_cast<std::size_t>(std::clamp<int>(idx, 0, static_cast<int>(pvtable.size()) - 1))]);
    if (entry == " 1" || entry == " 2" || entry == " 3")
        entry += ".0";
    // The entry's two digits, the letter at the decimal point.
    std::string code = codeOf({entry[1], entry.back()}, dec);
    constexpr std::size_t codewidth = 4;   // right-aligned in at least four characters
    if (code.size() < codewidth)
        code.insert(0, codewidth - code.size(), ' ');
    return code;
}

} // namespace velkor
