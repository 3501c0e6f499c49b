#include "format.h"

#include "decimal.h"

namespace velkor {

std::string formatpattern(double x, std::string_view pattern)
{
    if (pattern.find_first_of("#0.") == std::string_view::npos)
        return std::string(pattern);
    return formatpattern(x, Pattern::parse(pattern));
}

std::string formatpattern(double x, const Pattern& p)
{
    std::string out;
    formatpattern(x, p, out);
    return out;
}

void formatpattern(double x, const Pattern& p, std::string& result)
{
    detail::Decimal d = detail::decimal15(x);
    detail::roundto(d, p.frac);

    // Most captions fit this buffer; very large values go the slow way.
    char buf[64];
    const int intdigits = d.point > 0 ? d.point : 0;
    const std::size_t worst = p.prefix.size() + p.suffix.size() + 2 +
                              static_cast<std::size_t>(intdigits + p.minint + p.frac);
    std::string big;
    char* out = buf;
    if (worst > sizeof buf) {
        big.resize(worst);
        out = big.data();
    }
    char* o = out;
    for (char c : p.prefix)
        *o++ = c;
    if (d.neg && d.count > 0)
        *o++ = '-';
    for (int i = intdigits; i < p.minint; ++i)
        *o++ = '0';
    for (int i = 0; i < intdigits; ++i)
        *o++ = d.at(i);
    if (p.point) {
        *o++ = '.';
        int shown = p.frac;
        while (shown > p.minfrac && d.at(d.point + shown - 1) == '0')
            --shown;
        for (int j = 0; j < shown; ++j)
            *o++ = d.at(d.point + j);
    }
    for (char c : p.suffix)
        *o++ = c;
    result.assign(out, o);
}

} // namespace velkor
