// Rounding to a series, resistor codes, and the closest part or pair.

#include "base/parts.h"

#include "base/decades.h"
#include "base/decimal.h"
#include "base/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace velkor {
namespace {

// The double nearest entry * 10^dec, for an entry of a table (at most three
// significant digits) and a whole decade exponent. The product of the two
// doubles can be an ulp off the part's value (8.2 * 100 gives
// 819.9999999999999): the entry is taken as its whole number of hundredths,
// which with a power of ten that a double holds exactly gives the part in
// one rounding; beyond those, the part is read from its decimal text.
// Beyond the range of a double: infinity above, 0 below.
double partValue(double entry, double dec)
{
    static constexpr double exactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    constexpr int lastExact = 22, hundredthsPlaces = 2;
    const double hundredths = std::round(entry * 100);
    const double exponent = dec - hundredthsPlaces;
    if (std::fabs(exponent) <= lastExact) {
        const double power = exactPowers[static_cast<std::size_t>(std::fabs(exponent))];
        return exponent < 0 ? hundredths / power : hundredths * power;
    }
    char text[64];
    char* end = std::to_chars(text, text + 32, entry).ptr;
    *end++ = 'e';
    end = std::to_chars(end, text + sizeof text, static_cast<int>(dec)).ptr;
    double value = 0;
    if (std::from_chars(text, end, value).ec != std::errc())
        return dec > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
}

// Pairs are made from parts this many decades either side of the value.
constexpr int pairdecades = 3;

// Errors closer than this (relative) count as equal.
constexpr double sameerror = 1e-12;

struct Candidate {
    double ohms, error;
    double larger, smaller;   // smaller is 0 for a single part
    bool parallel;
    int parts() const { return smaller > 0 ? 2 : 1; }
};

bool better(const Candidate& a, const Candidate& b, double rr)
{
    if (std::fabs(a.error - b.error) > sameerror)
        return a.error < b.error;
    if (a.parts() != b.parts())
        return a.parts() < b.parts();
    if (a.parallel != b.parallel)
        return !a.parallel;
    return std::fabs(a.larger - rr) < std::fabs(b.larger - rr);
}

} // namespace

Pick nearestPick(double rr, std::span<const double> table)
{
    if (!(rr > 0) || !std::isfinite(rr))
        return {std::numeric_limits<double>::quiet_NaN(), 1};
    const double dec = decadeExponent(rr);
    const double mant = rr / powerOfTen(dec);
    // Up to the first entry above the mantissa; an equal entry is passed
    // over. The entry 10 ends the search even for a mantissa of 10 or more
    // (an exact power of ten whose logarithm fell short).
    const auto at = [table](int i) { return table[static_cast<std::size_t>(i)]; };
    const int last = static_cast<int>(table.size()) - 1;
    int idx = 1;
    while (mant >= at(idx) && at(idx) < decadeEnd && idx < last)
        ++idx;
    // The lower neighbour wins only when the upper lies more than half the
    // gap away: a mantissa exactly half-way goes up.
    if (at(idx) - mant > (at(idx) - at(idx - 1)) / 2)
        --idx;
    return {partValue(at(idx), dec), idx};
}

std::string partCode(double ohms, int digits)
{
    const detail::Decimal d = detail::decimal15(ohms);
    std::string sig = d.digits;
    sig.resize(std::max(sig.size(), static_cast<std::size_t>(digits)), '0');
    return codeOf(sig, d.point - 1);
}

std::string codeOf(std::string sig, int dec)
{
    if (dec >= -3 && dec <= -1)    // R47, R056, R0047: the R stands at the point
        return 'R' + std::string(static_cast<std::size_t>(-dec - 1), '0') + sig;
    if (dec >= 0 && dec <= 14) {
        // 4R7, 47R, 470R; the letter steps by thousands: R k M G T.
        static constexpr char letters[] = "RkMGT";
        const auto whole = static_cast<std::size_t>(dec % 3 + 1);
        if (sig.size() < whole)
            sig.resize(whole, '0');
        return sig.substr(0, whole) + letters[dec / 3] + sig.substr(whole);
    }
    return sig.substr(0, 1) + '.' + sig.substr(1) + exponentText(dec);
}

Part nearestPart(double rr, Series s)
{
    const double ohms = nearestPick(rr, seriesTable(s)).value;
    return {ohms, std::isfinite(ohms) ? partCode(ohms, seriesDigits(s)) : std::string(), ohms};
}

Part closestPart(double rr, Series s)
{
    const std::span<const double> table = seriesTable(s);
    const double dec = decadeExponent(rr);
    std::vector<double> pool;   // ascending
    for (int d = -pairdecades; d <= pairdecades; ++d)
        for (std::size_t k = 1; k + 1 < table.size(); ++k)   // the closing 10 is the next decade's 1
            if (const double v = partValue(table[k], dec + d); v > 0 && std::isfinite(v))
                pool.push_back(v);

    if (pool.empty())   // rr so near the ends of a double that no part is one
        return {std::numeric_limits<double>::quiet_NaN(), {}};
    const auto error = [rr](double v) { return std::fabs(v - rr) / rr; };
    Candidate best{pool.front(), error(pool.front()), pool.front(), 0, false};
    const auto consider = [&](const Candidate& c) {
        if (better(c, best, rr))
            best = c;
    };
    for (std::size_t i = 0; i < pool.size(); ++i) {
        const double a = pool[i];
        consider({a, error(a), a, 0, false});
        // The smaller part b <= a nearest what the pair needs: a + b = rr in
        // series, 1/a + 1/b = 1/rr in parallel.
        const auto end = pool.begin() + static_cast<std::ptrdiff_t>(i) + 1;
        const auto pairwith = [&](double need, bool parallel) {
            const auto at = std::lower_bound(pool.begin(), end, need);
            for (auto it : {at - (at != pool.begin()), at})
                if (it != end) {
                    const double b = *it;
                    const double v = parallel ? a * b / (a + b) : a + b;
                    consider({v, error(v), a, b, parallel});
                }
        };
        if (a < rr)
            pairwith(rr - a, false);
        if (a > rr)
            pairwith(1 / (1 / rr - 1 / a), true);
    }
    const int digits = seriesDigits(s);
    std::string code = partCode(best.larger, digits);
    if (best.parts() == 2)
        code += (best.parallel ? "||" : "+") + partCode(best.smaller, digits);
    return {best.ohms, code, best.larger, best.smaller, best.parallel};
}

} // namespace velkor
