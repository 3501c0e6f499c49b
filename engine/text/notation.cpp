#include "text/notation.h"

#include "base/decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <cstdint>
#include <cmath>
#include <span>

namespace velkor {
namespace {

using detail::Decimal;
using detail::toDouble;
using detail::exponentCap;
using detail::isDigit;
using detail::lastExponent;

// Reads the longest decimal at the start of `text` into `d` (a fresh one);
// returns the number of characters read, 0 when there is none. An E is read
// as an exponent only when digits follow it.
std::size_t scan(std::string_view text, Decimal& d)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        d.neg = text[i++] == '-';
    bool anydigit = false;
    long fraction = 0;
    for (bool point = false; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
        } else if (isDigit(c)) {
            anydigit = true;
            if (!d.digits.empty() || c != '0')
                d.digits += c;
            fraction += point;
        } else {
            break;
        }
    }
    if (!anydigit)
        return 0;
    long exp = -fraction;   // of the last digit
    if (i + 1 < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        const bool expneg = text[j] == '-';
        j += text[j] == '-' || text[j] == '+';
        long e = 0;
        const std::size_t first = j;
        for (; j < text.size() && isDigit(text[j]); ++j)
            e = std::min(exponentCap, e * 10 + (text[j] - '0'));
        if (j > first) {
            exp += expneg ? -e : e;
            i = j;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
        ++exp;
    }
    d.point = d.digits.empty() ? 0 : static_cast<int>(exp + static_cast<long>(d.digits.size()));
    return i;
}

// SI prefixes: micro as u, as the micro sign (U+00B5) and as the Greek mu
// (U+03BC), which keyboards give interchangeably.
struct Prefix {
    std::string_view text;
    int exp10;
};
using Prefixes = std::span<const Prefix>;
constexpr std::array<Prefix, 10> prefixes = {{
    {"", 0}, {"p", -12}, {"n", -9}, {"u", -6}, {"\u00b5", -6}, {"\u03bc", -6},
    {"m", -3}, {"k", 3}, {"M", 6}, {"G", 9},
}};
constexpr std::array<Prefix, 5> frequencyPrefixes = {{{"", 0}, {"k", 3}, {"M", 6}, {"G", 9}, {"T", 12}}};
constexpr std::array<Prefix, 8> partPrefixes = {{
    {"", 0}, {"f", -15}, {"p", -12}, {"n", -9}, {"u", -6}, {"\u00b5", -6}, {"\u03bc", -6}, {"m", -3},
}};

// Whether `text` ends with `unit`, letters in any case (units are read in
// any case; prefixes are not, as m and M differ).
bool endsWithUnit(std::string_view text, std::string_view unit)
{
    if (text.size() < unit.size())
        return false;
    const std::string_view tail = text.substr(text.size() - unit.size());
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(tail.begin(), tail.end(), unit.begin(), [&](char a, char b) { return lower(a) == lower(b); });
}

// `text` without `unit` at its end, and without one blank before it
// ("6 dB"); nothing when it does not end with the unit. An empty unit is
// always there.
std::optional<std::string_view> withoutUnit(std::string_view text, std::string_view unit,
                                            bool anycase = true)
{
    if (unit.empty())
        return text;
    if (anycase ? !endsWithUnit(text, unit) : !text.ends_with(unit))
        return std::nullopt;
    text.remove_suffix(unit.size());
    if (text.ends_with(' '))
        text.remove_suffix(1);
    return text;
}

// Prefix and unit together: "250m", "250mW", "4.7kohm", "4.7 kohm".
std::optional<double> prefixed(std::string_view text, std::initializer_list<std::string_view> units,
                               Prefixes allowed = prefixes, bool anycase = true)
{
    for (std::string_view u : units) {
        const std::optional<std::string_view> head = withoutUnit(text, u, anycase);
        if (!head)
            continue;
        for (const Prefix& p : allowed) {
            if (!head->ends_with(p.text))
                continue;
            std::string_view number = head->substr(0, head->size() - p.text.size());
            if (!p.text.empty() && !u.empty() && number.ends_with(' '))
                number.remove_suffix(1);   // "4.7 kohm"
            Decimal d;
            if (!number.empty() && scan(number, d) == number.size())
                return toDouble(d, p.exp10);
        }
    }
    return std::nullopt;
}

// The multiplier of a resistor code's letter, as a power of ten.
std::optional<int> codeLetter(char c)
{
    switch (c) {
    case 'R': case 'r': return 0;
    case 'k': case 'K': return 3;
    case 'M': return 6;
    case 'G': return 9;
    case 'T': return 12;
    default: return std::nullopt;
    }
}

// A resistor code: digits, the letter in place of the decimal point, digits.
std::optional<double> codeValue(std::string_view text)
{
    const std::size_t at = text.find_first_not_of("0123456789");
    if (at == std::string_view::npos || text.size() < 2)
        return std::nullopt;
    const std::optional<int> exp10 = codeLetter(text[at]);
    const std::string_view after = text.substr(at + 1);
    if (!exp10 || after.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    Decimal d;
    const std::string number = std::string(text.substr(0, at)) + '.' + std::string(after);
    scan(number, d);
    return toDouble(d, *exp10);
}

// Integers of up to this many digits, and their differences, fit in an
// __int128 (whose largest value has 39 digits).
constexpr std::size_t rangeDigits = 37;

__extension__ typedef __int128 Wide;

// The decimal as a whole number of units of 10^exp10 (exp10 at most the
// exponent of its last digit), if
// it has at most rangeDigits digits.
std::optional<Wide> units(const Decimal& d, long exp10)
{
    const long zeros = lastExponent(d) - exp10;
    if (d.digits.size() + static_cast<std::size_t>(zeros) > rangeDigits)
        return std::nullopt;
    Wide v = 0;
    for (char c : d.digits)
        v = v * 10 + (c - '0');
    for (long i = 0; i < zeros; ++i)
        v *= 10;
    return d.neg ? -v : v;
}

Decimal fromUnits(Wide v, long exp10)
{
    Decimal d;
    d.neg = v < 0;
    if (d.neg)
        v = -v;
    for (; v > 0; v /= 10)
        d.digits.insert(d.digits.begin(), static_cast<char>('0' + static_cast<int>(v % 10)));
    d.point = static_cast<int>(exp10 + static_cast<long>(d.digits.size()));
    return d;
}

DbValues refused(std::string error) { return {{}, std::move(error)}; }
Sweep sweepRefused(std::string error) { return {{}, std::move(error)}; }

DbValues readRange(std::string_view text, std::size_t limit)
{
    std::array<Decimal, 3> part;   // FROM, TO, STEP
    std::size_t begin = 0;
    for (std::size_t k = 0; k < part.size(); ++k) {
        const std::size_t end = k + 1 < part.size() ? text.find(':', begin) : text.size();
        if (end == std::string_view::npos)
            return refused("a range is FROM:TO:STEP, three numbers (1:30:0.5)");
        const std::string_view piece = text.substr(begin, end - begin);
        if (piece.empty() || scan(piece, part[k]) != piece.size() || !toDouble(part[k]))
            return refused("FROM, TO and STEP must each be a decimal number (1:30:0.5)");
        begin = end + 1;
    }
    const long exp10 = std::min({lastExponent(part[0]), lastExponent(part[1]), lastExponent(part[2])});
    const std::optional<Wide> from = units(part[0], exp10), to = units(part[1], exp10),
                              step = units(part[2], exp10);
    if (!from || !to || !step)
        return refused("too many digits to step exactly");
    if (*step <= 0)
        return refused("the step must be above 0");
    if (*from > *to)
        return refused("the range runs backwards: FROM is above TO");
    const Wide count = (*to - *from) / *step + 1;
    if (count > static_cast<Wide>(limit))
        return refused("more than " + std::to_string(limit) + " values");
    DbValues out;
    out.values.reserve(static_cast<std::size_t>(count));
    for (Wide v = *from; v <= *to; v += *step) {
        const std::optional<double> value = toDouble(fromUnits(v, exp10));
        if (!value)   // a value between the ends too close to 0 for a double
            return refused("a value of the range is beyond the range of a double");
        out.values.push_back(*value);
    }
    return out;
}

// The ohm as a letter: the Greek capital omega and the ohm sign, which
// keyboards and character pickers give interchangeably.
constexpr std::array<std::string_view, 2> omegas = {"\u03a9", "\u2126"};

// Bounds that keep every reactance of the response, 2 pi f L and 2 pi f C,
// within a double: a petahertz, and a henry or a farad.
constexpr double highestFrequency = 1e15;
constexpr double largestParasitic = 1;

// The decimal `text` is, times 10^shift; nothing for any other text.
std::optional<double> readScaled(std::string_view text, long shift)
{
    Decimal d;
    if (text.empty() || scan(text, d) != text.size())
        return std::nullopt;
    return toDouble(d, shift);
}

} // namespace

DbValues readDb(std::string_view text, std::size_t limit)
{
    if (text.find(':') != std::string_view::npos)
        return readRange(text, limit);
    if (const std::optional<double> db = readDecibels(text))
        return {{*db}, {}};
    return refused("not a number of dB: write 6, 0.5 or 1e1, or a range FROM:TO:STEP (1:30:0.5)");
}

std::optional<double> readDecimal(std::string_view text) { return readScaled(text, 0); }

std::optional<double> readDecibels(std::string_view text)
{
    return readDecimal(withoutUnit(text, "dB").value_or(text));
}

std::optional<double> readPercent(std::string_view text)
{
    constexpr long percentPlaces = -2;
    return readScaled(text, percentPlaces);
}

std::optional<double> readPower(std::string_view text)
{
    if (const std::optional<std::string_view> number = withoutUnit(text, "dBm")) {
        const std::optional<double> level = readDecimal(*number);
        if (!level)
            return std::nullopt;
        // 0 dBm is 1 mW; whole tens of dB are read as exact powers of ten.
        const double exp10 = (*level - 30) / 10;
        double watts = std::pow(10.0, exp10);
        if (exp10 == std::floor(exp10) && std::fabs(exp10) < 1000)
            watts = toDouble(Decimal{false, "1", static_cast<int>(exp10) + 1}).value_or(watts);
        if (!std::isfinite(watts) || watts == 0)
            return std::nullopt;
        return watts;
    }
    return prefixed(text, {"", "W"});
}

std::optional<double> readImpedance(std::string_view text)
{
    for (std::string_view omega : omegas)
        if (text.ends_with(omega)) {   // after a code too: "4k7Ω"
            const std::optional<std::string_view> code = withoutUnit(text, omega);
            if (const std::optional<double> value = codeValue(*code))
                return value;
        }
    if (const std::optional<double> code = codeValue(text))
        return code;
    return prefixed(text, {"", "ohm", "ohms", omegas[0], omegas[1]});
}

std::optional<double> readFrequency(std::string_view text)
{
    const std::optional<double> hz = prefixed(text, {"", "Hz"}, frequencyPrefixes);
    if (!hz || *hz < 0 || *hz > highestFrequency)
        return std::nullopt;
    return hz;
}

std::optional<std::size_t> readPoints(std::string_view text, std::size_t limit)
{
    Decimal count;
    const std::optional<double> points =
        !text.empty() && scan(text, count) == text.size() ? toDouble(count) : std::nullopt;
    if (!points || *points != std::floor(*points) || *points < 2 || *points > static_cast<double>(limit))
        return std::nullopt;
    return static_cast<std::size_t>(*points);
}

std::string pointsRefusal(std::size_t limit)
{
    return "POINTS is a count of frequencies, a whole number from 2 to " + std::to_string(limit);
}

std::string sweepRefusal(double start, double stop, bool log)
{
    if (!(start < stop))
        return "START must be below STOP";
    if (log && !(start > 0))
        return "a log sweep starts above 0 Hz";
    return {};
}

namespace {

// The double nearest `x` (>= 0) written to 15 significant digits: `x`
// itself where its shortest decimal has no more. The digits as a whole
// number M below 10^15 and a power of ten 10^E within 10^22 are both exact
// doubles, so that M x 10^E (or M / 10^-E) is rounded once, correctly;
// beyond, the digits are read back in full.
double fifteenDigits(double x)
{
    constexpr int exactPowers = 22;
    static constexpr auto powersOfTen = [] {
        std::array<double, exactPowers + 1> p{};
        double power = 1;
        for (double& each : p) {
            each = power;
            power *= 10;
        }
        return p;
    }();
    char text[32];   // "d.ddddddddddddddde-308"
    const char* end = std::to_chars(text, text + sizeof text, x, std::chars_format::scientific, 14).ptr;
    const char* e = std::find(static_cast<const char*>(text), end, 'e');
    std::int64_t whole = 0;
    for (const char* c = text; c != e; ++c)
        if (*c != '.')
            whole = whole * 10 + (*c - '0');
    int exp10 = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exp10);
    exp10 -= 14;
    if (std::abs(exp10) <= exactPowers) {
        const double power = powersOfTen[static_cast<std::size_t>(std::abs(exp10))];
        return exp10 >= 0 ? static_cast<double>(whole) * power : static_cast<double>(whole) / power;
    }
    double nearest = x;
    std::from_chars(text, end, nearest);
    return nearest;
}

} // namespace

Sweep sweepBetween(double start, double stop, std::size_t points, bool log)
{
    if (std::string why = sweepRefusal(start, stop, log); !why.empty())
        return sweepRefused(std::move(why));
    Sweep out;
    out.hertz.reserve(points);
    for (std::size_t i = 0; i + 1 < points; ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(points - 1);
        const double hertz = log ? start * std::pow(stop / start, t) : start + (stop - start) * t;
        // The nearest decimal of 15 digits, so that 10 kHz of a log sweep
        // is 10000 rather than 9999.999999999998, worked out and written
        // as that in every format.
        out.hertz.push_back(fifteenDigits(hertz));
    }
    out.hertz.push_back(stop);   // the end itself, not a rounding of it
    return out;
}

Sweep readSweep(std::string_view text, std::size_t limit)
{
    if (text.find(':') == std::string_view::npos) {
        const std::optional<double> f = readFrequency(text);
        return f ? Sweep{{*f}, {}} : sweepRefused(std::string(notFrequency));
    }
    std::vector<std::string_view> parts;
    for (std::size_t begin = 0;;) {
        const std::size_t end = text.find(':', begin);
        parts.push_back(text.substr(begin, end - begin));
        if (end == std::string_view::npos)
            break;
        begin = end + 1;
    }
    // log in any case, as units are read
    const bool log = parts.size() == 4 && parts[3].size() == 3 && endsWithUnit(parts[3], "log");
    if (parts.size() != 3 && !log)
        return sweepRefused("a sweep is START:STOP:POINTS or START:STOP:POINTS:log (10M:6G:600)");
    const std::optional<double> start = readFrequency(parts[0]), stop = readFrequency(parts[1]);
    if (!start || !stop)
        return sweepRefused(std::string(notFrequency));
    const std::optional<std::size_t> points = readPoints(parts[2], limit);
    if (!points)
        return sweepRefused(pointsRefusal(limit));
    return sweepBetween(*start, *stop, *points, log);
}

std::optional<double> readMillimetres(std::string_view text)
{
    constexpr double millimetresPerMil = 0.0254;
    constexpr long micrometresPlaces = -3;
    if (const std::optional<std::string_view> mils = withoutUnit(text, "mil", false)) {
        const std::optional<double> value = readDecimal(*mils);
        return value ? std::optional(*value * millimetresPerMil) : std::nullopt;
    }
    if (const std::optional<std::string_view> micrometres = withoutUnit(text, "um", false))
        return readScaled(*micrometres, micrometresPlaces);
    return readDecimal(withoutUnit(text, "mm", false).value_or(text));
}

std::optional<double> readParasitic(std::string_view text, std::string_view unit)
{
    // Units upper case only: f is femto.
    const std::optional<double> value = prefixed(text, {"", unit}, partPrefixes, false);
    if (!value || *value < 0 || *value > largestParasitic)
        return std::nullopt;
    return value;
}

std::string parasiticRefusal(std::string_view key)
{
    return std::string(key) + ": not a value from 0 to 1: write 0.5n, 50f or 0.5nH";
}

ParasiticValues readParasitics(std::string_view text)
{
    ParasiticValues out;
    for (std::size_t begin = 0; begin <= text.size();) {
        std::size_t end = text.find(',', begin);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view item = text.substr(begin, end - begin);
        begin = end + 1;
        const std::size_t equals = item.find('=');
        const std::string_view key = item.substr(0, equals);
        struct Key {
            std::string_view name, unit;
            std::optional<double> ParasiticValues::*value;
        };
        constexpr std::array<Key, 3> keys = {{{"L", "H", &ParasiticValues::inductance},
                                              {"C", "F", &ParasiticValues::capacitance},
                                              {"CPAD", "F", &ParasiticValues::padCapacitance}}};
        const auto known = std::find_if(keys.begin(), keys.end(), [&](const Key& k) { return k.name == key; });
        if (equals == std::string_view::npos || known == keys.end()) {
            out.error.append("'").append(key).append("' is not L, C or CPAD: write L=0.5n,C=50f,CPAD=80f");
            return out;
        }
        if (out.*(known->value)) {
            out.error.append("'").append(key).append("' given twice: give each of L, C and CPAD at most once");
            return out;
        }
        const std::optional<double> value = readParasitic(item.substr(equals + 1), known->unit);
        if (!value) {
            out.error = parasiticRefusal(key);
            return out;
        }
        out.*(known->value) = *value;
    }
    return out;
}

} // namespace velkor
