#include "text/quantities.h"

#include "base/decades.h"
#include "base/decimal.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velkor {
namespace {

// Plain decimals from this power of ten up to the other; exponent form
// outside, where a plain decimal would be a run of zeros.
struct Plain {
    int lowest, highest;   // decimal exponents of the leading digit
};

// `x` (>= 0) to `digits` significant figures and at least `decimals`
// decimals when written plainly.
std::string significant(double x, int digits, int decimals, Plain plain, Rounding r)
{
    if (x == 0)
        return "0";
    detail::Decimal d = detail::decimal15(x);
    detail::roundTo(d, digits - d.point, r);   // a carry may add a place: 0.09996 is 0.100
    const int lead = d.point - 1;
    if (lead >= plain.lowest && lead <= plain.highest) {
        const int shown = std::max(decimals, digits - d.point);
        std::string pattern = "0";
        if (shown > 0)
            pattern.append(".").append(static_cast<std::size_t>(shown), '0');
        return formatPattern(x, pattern, r);
    }
    std::string out(1, d.at(0));
    out += '.';
    for (int i = 1; i < digits; ++i)
        out += d.at(i);
    const int exp10 = d.point - 1;
    const std::string exponent = std::to_string(std::abs(exp10));
    out.append(1, 'e').append(1, exp10 < 0 ? '-' : '+');
    if (exponent.size() < 2)
        out += '0';
    return out + exponent;
}

} // namespace

std::string decibelText(double db, Rounding r) { return formatPattern(db, "0.00 dB", r); }

std::string attenuationText(double db, Rounding r) { return "Attenuation " + decibelText(db, r); }

std::string vswrText(double vswr, Rounding r) { return "VSWR " + formatPattern(vswr, "0.00", r); }

std::string returnLossText(double rho, bool worst)
{
    const double db = worst ? 20 * std::log10(rho) : returnLossGrid(rho);
    return "Rtn Loss " + formatPattern(db, "0.0 dB", worst ? Rounding::up : Rounding::nearest);
}

std::string wattsText(double watts, Rounding r)
{
    constexpr Plain microwattsUp{-6, 5};   // a megawatt and more in exponent form
    return significant(watts, 3, 0, microwattsUp, r) + " W";
}

std::string prefixedText(double value)
{
    constexpr int digits = 4, lowestPrefix = -15;
    constexpr std::array<const char*, 6> prefixes = {"f", "p", "n", "\u00b5", "m", ""};   // 10^-15 ... 10^0
    if (value == 0)
        return "0";
    detail::Decimal d = detail::decimal15(value);
    detail::roundTo(d, digits - d.point);   // a carry may add a place: 999.96 is 1000
    const int exponent = std::clamp((d.point - 1 - lowestPrefix) / 3 * 3 + lowestPrefix, lowestPrefix, 0);
    d.point -= exponent;
    std::string out;
    for (int i = 0; i < std::max(d.point, static_cast<int>(d.digits.size())); ++i) {
        if (i == d.point)
            out += '.';
        out += d.at(i);
    }
    if (d.point <= 0)
        out.insert(0, "0." + std::string(static_cast<std::size_t>(-d.point), '0'));
    return out + prefixes[static_cast<std::size_t>((exponent - lowestPrefix) / 3)];
}

std::string ohmsText(double ohms)
{
    constexpr Plain milliohmsUp{-3, 14};
    return significant(ohms, 4, 1, milliohmsUp, Rounding::nearest);
}

std::string hertzText(double hertz, Rounding r)
{
    struct Prefix {
        double scale;
        const char* unit;
    };
    constexpr Prefix prefixes[] = {{1e12, " THz"}, {1e9, " GHz"}, {1e6, " MHz"}, {1e3, " kHz"}};
    for (const Prefix& p : prefixes)
        if (hertz >= p.scale)
            return significant(hertz / p.scale, 3, 0, {-6, 14}, r) + p.unit;
    return significant(hertz, 3, 0, {-6, 14}, r) + " Hz";
}

} // namespace velkor
