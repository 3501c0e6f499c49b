#include "text/quantities.h"

#include "base/decades.h"
#include "base/decimal.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velkor {
namespace {

// How a quantity is written: to `digits` significant figures; plainly,
// with at least `decimals` decimals, where its leading digit's decimal
// exponent lies from `plainLowest` to `plainHighest`; outside, scaled to an
// SI prefix from 10^lowestPrefix to 10^highestPrefix (multiples of three),
// and where no prefix leaves 1 to 4 digits before the point, in exponent
// form.
struct Style {
    int digits, decimals;
    int plainLowest, plainHighest;
    int lowestPrefix, highestPrefix;
};

// The prefixes from pico to tera, as the readers take them; micro written
// as the micro sign.
constexpr int picoExponent = -12;
constexpr std::array<const char*, 9> siPrefixes = {"p", "n", "\u00b5", "m", "", "k", "M", "G", "T"};

// The digits of `d` with its point where it stands, and `decimals` of them
// after it; `d.point` at least 1.
std::string digitsOf(const detail::Decimal& d, int decimals)
{
    std::string out;
    for (int i = 0; i < d.point; ++i)
        out += d.at(i);
    if (decimals > 0)
        out += '.';
    for (int i = 0; i < decimals; ++i)
        out += d.at(d.point + i);
    return out;
}

// `x` (>= 0) in `style`: the number, then its prefix ("26.56", "M"); the
// prefix is empty where the number is plain or in exponent form.
std::pair<std::string, std::string> written(double x, Style style, Rounding r)
{
    if (x == 0)
        return {"0", ""};
    detail::Decimal d = detail::decimal15(x);
    detail::roundTo(d, style.digits - d.point, r);   // a carry may add a place: 0.09996 is 0.100
    const int lead = d.point - 1;
    if (lead >= style.plainLowest && lead <= style.plainHighest) {
        const int shown = std::max(style.decimals, style.digits - d.point);
        std::string pattern = "0";
        if (shown > 0)
            pattern.append(".").append(static_cast<std::size_t>(shown), '0');
        return {formatPattern(x, pattern, r), ""};
    }
    const int thousands = lead >= 0 ? lead / 3 * 3 : -((2 - lead) / 3) * 3;
    const int exponent = std::clamp(thousands, style.lowestPrefix, style.highestPrefix);
    constexpr int mostWholeDigits = 4;
    if (lead >= exponent && lead - exponent < mostWholeDigits) {
        d.point -= exponent;
        const char* prefix = siPrefixes[static_cast<std::size_t>((exponent - picoExponent) / 3)];
        return {digitsOf(d, std::max(0, style.digits - d.point)), prefix};
    }
    std::string out(1, d.at(0));
    out += '.';
    for (int i = 1; i < style.digits; ++i)
        out += d.at(i);
    const std::string exp10 = std::to_string(std::abs(lead));
    out.append(1, 'e').append(1, lead < 0 ? '-' : '+');
    if (exp10.size() < 2)
        out += '0';
    return {out + exp10, ""};
}

// Ohms and watts plain from 0.001 up to as many digits before the point as
// they have figures, prefixed from pico to giga beyond, as the readers take
// them.
constexpr Style ohmsStyle{4, 1, -3, 3, -12, 9};
constexpr Style wattsStyle{3, 0, -3, 2, -12, 9};
// Hertz: plain below a kilohertz, prefixed from kilo to tera above.
constexpr Style hertzStyle{3, 0, -6, 2, 3, 12};

// The number, a blank, and the prefix with the unit: "2.78 \u00b5W".
std::string withUnit(double x, Style style, std::string_view unit, Rounding r)
{
    const auto [number, prefix] = written(x, style, r);
    return number + " " + prefix + std::string(unit);
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

std::string wattsText(double watts, Rounding r) { return withUnit(watts, wattsStyle, "W", r); }

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
        if (i == d.point && i > 0)
            out += '.';
        out += d.at(i);
    }
    if (d.point <= 0)   // below 1 in its prefix: "0.5f", "0.05f"
        out.insert(0, "0." + std::string(static_cast<std::size_t>(-d.point), '0'));
    return out + prefixes[static_cast<std::size_t>((exponent - lowestPrefix) / 3)];
}

std::string ohmsText(double ohms, std::string_view unit)
{
    if (!unit.empty())
        return withUnit(ohms, ohmsStyle, unit, Rounding::nearest);
    const auto [number, prefix] = written(ohms, ohmsStyle, Rounding::nearest);
    return number + prefix;
}

std::string hertzText(double hertz, Rounding r) { return withUnit(hertz, hertzStyle, "Hz", r); }

std::string bandwidthText(std::optional<double> hertz)
{
    return hertz ? hertzText(*hertz, Rounding::down) : std::string("beyond 1 THz");
}

std::string matchedText(std::optional<double> hertz, double returnLossAtDc)
{
    if (hertz && *hertz == 0)
        return "never (" + formatPattern(returnLossAtDc, "0.0 dB", Rounding::down) + " at 0 Hz)";
    return bandwidthText(hertz);
}

} // namespace velkor
