#include "base/decimal.h"

#include <charconv>
#include <cmath>

namespace velkor::detail {
namespace {

// Takes apart to_chars' scientific text "-d.ddde+XX".
Decimal parse(const char* p, const char* end)
{
    Decimal d;
    d.neg = *p == '-';
    p += d.neg;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.')
            d.digits.push_back(*p);
    int exp10 = 0;
    if (p != end) {
        p += p[1] == '+' ? 2 : 1;   // from_chars takes a minus but no plus
        std::from_chars(p, end, exp10);
    }
    d.point = exp10 + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

} // namespace

Decimal decimal15(double x)
{
    if (x == 0.0)
        return {};
    char buf[32];   // "-d.dddddddddddddddde-308"
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    Decimal d = parse(buf, res.ptr);
    if (static_cast<int>(d.digits.size()) <= Decimal::significant)
        return d;
    res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, Decimal::significant - 1);
    return parse(buf, res.ptr);
}

std::optional<double> toDouble(const Decimal& d, long shift)
{
    if (d.digits.empty())
        return 0.0;
    const std::string text = d.digits + 'e' + std::to_string(lastExponent(d) + shift);
    double value = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size() || !std::isfinite(value) || value == 0)
        return std::nullopt;
    return d.neg ? -value : value;
}

void roundTo(Decimal& d, int frac) { roundTo(d, frac, Rounding::nearest); }

void roundTo(Decimal& d, int frac, Rounding r)
{
    const int keep = d.point + frac;   // significant digits that survive
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    // Away from zero: half-way and beyond when rounding to nearest; any
    // dropped digit when rounding outward (every dropped digit is nonzero
    // in its last place, as the digits have no trailing zeros).
    const bool outward = r == Rounding::up ? !d.neg : r == Rounding::down && d.neg;
    const bool up = r == Rounding::nearest ? keep >= 0 && d.digits[static_cast<std::size_t>(keep)] >= '5'
                                           : outward;
    if (keep <= 0) {
        d.digits.clear();
        if (up) {   // the one unit in the last kept place
            d.digits.push_back('1');
            d.point = 1 - frac;
        }
        return;
    }
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        // Carry through the nines; all nines become a 1 one place further up.
        while (!d.digits.empty() && d.digits.back() == '9')
            d.digits.pop_back();
        if (d.digits.empty()) {
            d.digits.push_back('1');
            ++d.point;
        } else {
            ++d.digits.back();
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

} // namespace velkor::detail
