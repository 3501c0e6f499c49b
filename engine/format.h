#pragma once
// Display patterns for result values.

#include <string>
#include <string_view>

namespace velkor {

/// Formats `x` by a display pattern: '#' an optional digit, '0' a required
/// digit, '.' the decimal point (always written), anything else copied.
/// Before the point, '0's set the least number of integer digits and all
/// integer digits are written; after it, the value is rounded to the number
/// of placeholders, and trailing zeros are dropped back to the last '0'
/// (so "#0" after the point always gives two decimals).
/// Rounding starts from the value's 15-significant-digit decimal text, and a
/// value exactly half-way rounds away from zero. A negative value gets a
/// leading minus unless it rounds to zero. `x` must be finite.
std::string formatpattern(double x, std::string_view pattern);

/// A display pattern taken apart once, for formatting many values by it.
struct Pattern {
    std::string_view prefix, suffix;   ///< literal text before and after the number
    int minint = 0;                    ///< least number of integer digits
    int frac = 0;                      ///< decimals rounded to
    int minfrac = 0;                   ///< decimals always written
    bool point = false;                ///< whether the decimal point is written

    static constexpr Pattern parse(std::string_view pattern)
    {
        const auto isplaceholder = [](char c) { return c == '#' || c == '0' || c == '.'; };
        Pattern p;
        std::size_t begin = 0;
        while (begin < pattern.size() && !isplaceholder(pattern[begin]))
            ++begin;
        std::size_t end = begin;
        for (; end < pattern.size() && isplaceholder(pattern[end]); ++end) {
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
};

/// Formats `x` by a pattern taken apart beforehand; as formatpattern.
std::string formatpattern(double x, const Pattern& p);

/// The same, written over `out` (which keeps its storage for reuse).
void formatpattern(double x, const Pattern& p, std::string& out);

} // namespace velkor
