#include "base/format.h"

#include "base/decimal.h"

namespace velkor {
namespace {

bool isPlaceholder(char c) { return c == '#' || c == '0' || c == '.'; }

// A pattern taken apart: literal text around one run of placeholders.
struct Pattern {
    std::string_view prefix, suffix;
    int minint = 0;       // least number of integer digits
    int frac = 0;         // decimals rounded to
    int minfrac = 0;      // decimals always written
    bool point = false;   // whether the decimal point is written
};

Pattern parse(std::string_view pattern)
{
    Pattern p;
    std::size_t begin = 0;
    while (begin < pattern.size() && !isPlaceholder(pattern[begin]))
        ++begin;
    std::size_t end = begin;
    for (; end < pattern.size() && isPlaceholder(pattern[end]); ++end) {
        const char c = pattern[end];
        if (c == '.') {
            p.point = true;
        } else if (p.point) {
            ++p.frac;
            if (c == '0')
                p.minfrac = p.frac;   // a '#' before a '0' is written too
        } else if (c == '0') {
            ++p.minint;
        }
    }
    p.prefix = pattern.substr(0, begin);
    p.suffix = pattern.substr(end);
    return p;
}

} // namespace

std::string formatPattern(double x, std::string_view pattern, Rounding r)
{
    const Pattern p = parse(pattern);
    if (p.prefix.size() == pattern.size())
        return std::string(pattern);   // no placeholder: nothing to fill in
    detail::Decimal d = detail::decimal15(x);
    detail::roundTo(d, p.frac, r);

    std::string out(p.prefix);
    if (d.neg && !d.digits.empty())
        out += '-';
    const int intdigits = d.point > 0 ? d.point : 0;
    for (int i = intdigits; i < p.minint; ++i)
        out += '0';
    for (int i = 0; i < intdigits; ++i)
        out += d.at(i);
    if (p.point) {
        out += '.';
        int shown = p.frac;
        while (shown > p.minfrac && d.at(d.point + shown - 1) == '0')
            --shown;
        for (int j = 0; j < shown; ++j)
            out += d.at(d.point + j);
    }
    out += p.suffix;
    return out;
}

} // namespace velkor
