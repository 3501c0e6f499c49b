#include "base/decades.h"

#include "base/numtext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace velkor {
namespace {

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
const std::array<double, 2 * exponentlimit + 1>& powersOfTen()
{
    static const auto table = [] {
        std::array<double, 2 * exponentlimit + 1> t{};
        for (int n = -exponentlimit; n <= exponentlimit; ++n)
            t[static_cast<std::size_t>(n + exponentlimit)] = readNumber("1E" + signText(n));
        return t;
    }();
    return table;
}

} // namespace

double decadeExponent(double x) { return std::floor(std::log(x) / std::log(10.0)); }

double powerOfTen(double n)
{
    const double whole = std::floor(n);
    if (std::isnan(whole))
        return std::numeric_limits<double>::quiet_NaN();
    constexpr double limit = exponentlimit;
    return powersOfTen()[static_cast<std::size_t>(std::clamp(whole, -limit, limit) + limit)];
}

double returnLossGrid(double rho) { return std::floor(std::log(rho) * 200 / std::log(10.0)) / 10; }

} // namespace velkor
