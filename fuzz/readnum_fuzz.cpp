// The number reader against a plain second reading of the same text: never
// a crash, always finite, and the same value.

#include "base/numtext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <string>

namespace {

// The rule read the simple way: drop blanks, tabs and line feeds, take the
// longest [+-] digits [. digits] [E [+-] digits] at the start (at least one
// digit before the E), and convert it with the C library's strtod in the C
// locale; out of range saturates.
double plainreading(std::string_view in)
{
    std::string s;
    for (char c : in)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    const auto skipdigits = [&s](std::size_t& at) {
        const std::size_t from = at;
        while (at < s.size() && s[at] >= '0' && s[at] <= '9')
            ++at;
        return at - from;
    };
    std::size_t end = !s.empty() && (s[0] == '+' || s[0] == '-');
    std::size_t count = skipdigits(end);
    if (end < s.size() && s[end] == '.')
        count += skipdigits(++end);
    if (count == 0)
        return 0;
    if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
        std::size_t e = end + 1;
        e += e < s.size() && (s[e] == '+' || s[e] == '-');
        if (skipdigits(e) > 0)
            end = e;
    }
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const double v = strtod_l(s.substr(0, end).c_str(), nullptr, c);
    return std::isinf(v) ? std::copysign(std::numeric_limits<double>::max(), v) : v;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double got = velkor::readNumber(text);
    const double want = plainreading(text);
    if (!std::isfinite(got) || got != want)   // zeros of either sign alike
        std::abort();
    return 0;
}
