// The number reader against a plain second reading of the same text: never
// a crash, always finite, and the same value bit for bit.

#include "numtext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <string>
#include <string_view>

namespace {

bool digit(char c) { return c >= '0' && c <= '9'; }

// The rule read the simple way: drop blanks, tabs and line feeds; match
// [+-]? (digits [. digits?] | . digits) ([eE] [+-]? digits)? at the start;
// convert that with the C library's strtod in the C locale.
double plainreading(std::string_view in)
{
    std::string s;
    for (char c : in)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t digits = 0;
    while (i < s.size() && digit(s[i]))
        ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && digit(s[i]))
            ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && digit(s[j])) {
            while (j < s.size() && digit(s[j]))
                ++j;
            i = j;
        }
    }
    const std::string prefix = s.substr(0, i);
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const double v = strtod_l(prefix.c_str(), nullptr, c);
    if (std::isinf(v))
        return v < 0 ? std::numeric_limits<double>::lowest() : std::numeric_limits<double>::max();
    return v;   // too small for a double: 0
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double got = velkor::readnum(text);
    if (!std::isfinite(got))
        std::abort();
    const double want = plainreading(text);
    if (std::memcmp(&got, &want, sizeof got) != 0 && !(got == 0 && want == 0))
        std::abort();
    return 0;
}
