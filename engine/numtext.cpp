#include "numtext.h"

#include "decimal.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace velkor {
namespace {

bool isdropped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isdigit09(char c) { return c >= '0' && c <= '9'; }

// An exponent this large puts any mantissa far outside a double either way;
// reading its digits stops growing the value here so it cannot overflow.
constexpr long exponentcap = 100000000L;

// Decides, for a prefix that from_chars found out of range, whether its
// magnitude is too large (true) or too small (false) for a double.
bool toolarge(std::string_view mant, long exp10)
{
    bool seenpoint = false, found = false;
    long intdigits = 0, zerosafterpoint = 0;
    for (char c : mant) {
        if (c == '.') {
            seenpoint = true;
            continue;
        }
        if (!isdigit09(c))
            continue;
        if (!found && c == '0') {
            if (seenpoint)
                ++zerosafterpoint;
            continue;
        }
        found = true;
        if (!seenpoint)
            ++intdigits;
        else
            break;
    }
    // Decimal exponent of the first significant digit.
    const long lead = intdigits > 0 ? intdigits - 1 : -(zerosafterpoint + 1);
    return found && lead + exp10 > 0;
}

} // namespace

double readnum(std::string_view text)
{
    // Gather the numeric prefix with the dropped characters removed.
    std::string num;
    std::size_t accepted = 0;        // length of the longest valid prefix so far
    bool digit = false, point = false;
    enum { sign, mantissa, expsign, expdigits } at = sign;
    long exp10 = 0;
    bool expneg = false;
    std::size_t mantend = std::string::npos;   // where the exponent's 'e' stands
    for (char c : text) {
        if (isdropped(c))
            continue;
        if (at == sign) {
            at = mantissa;
            if (c == '+' || c == '-') {
                if (c == '-')
                    num.push_back(c);
                continue;
            }
        }
        if (at == mantissa) {
            if (isdigit09(c)) {
                digit = true;
                num.push_back(c);
                accepted = num.size();
                continue;
            }
            if (c == '.' && !point) {
                point = true;
                num.push_back(c);
                if (digit)
                    accepted = num.size();
                continue;
            }
            if ((c == 'E' || c == 'e') && digit) {
                mantend = num.size();
                num.push_back('e');
                at = expsign;
                continue;
            }
            break;
        }
        if (at == expsign) {
            at = expdigits;
            if (c == '+' || c == '-') {
                expneg = c == '-';
                num.push_back(c);
                continue;
            }
        }
        if (isdigit09(c)) {   // at == expdigits
            num.push_back(c);
            accepted = num.size();
            if (exp10 < exponentcap)
                exp10 = exp10 * 10 + (c - '0');
            continue;
        }
        break;
    }
    if (!digit)
        return 0.0;
    num.resize(accepted);
    const bool hasexp = mantend < num.size();
    if (!hasexp)
        mantend = num.size();

    double value = 0.0;
    const char* first = num.data();
    const char* last = first + num.size();
    const auto res = std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        const bool neg = num.front() == '-';
        const long e = hasexp ? (expneg ? -exp10 : exp10) : 0;
        if (toolarge(std::string_view(num).substr(0, mantend), e))
            return neg ? std::numeric_limits<double>::lowest() : std::numeric_limits<double>::max();
        return 0.0;
    }
    if (res.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return value;
}

std::string signtext(double x)
{
    if (std::isnan(x))
        return " nan";
    if (std::isinf(x))
        return x < 0 ? "-inf" : " inf";
    const detail::Decimal d = detail::decimal15(x);
    char buf[40];   // sign, point, 4 zeros, 15 digits; or d.dddE+308
    char* o = buf;
    *o++ = d.neg ? '-' : ' ';
    if (d.count == 0) {
        *o++ = '0';
        return std::string(buf, o);
    }
    const int exp10 = d.point - 1;   // exponent of the first significant digit
    if (exp10 < -4 || exp10 >= 15) {
        *o++ = d.at(0);
        if (d.count > 1) {
            *o++ = '.';
            for (int i = 1; i < d.count; ++i)
                *o++ = d.at(i);
        }
        *o++ = 'E';
        *o++ = exp10 < 0 ? '-' : '+';
        const int mag = exp10 < 0 ? -exp10 : exp10;
        if (mag >= 100)
            *o++ = static_cast<char>('0' + mag / 100);
        *o++ = static_cast<char>('0' + mag / 10 % 10);
        *o++ = static_cast<char>('0' + mag % 10);
        return std::string(buf, o);
    }
    if (d.point <= 0) {
        *o++ = '.';
        for (int i = d.point; i < 0; ++i)
            *o++ = '0';
    }
    const int last = d.count > d.point ? d.count : d.point;
    for (int i = 0; i < last; ++i) {
        if (i == d.point && i > 0)
            *o++ = '.';
        *o++ = d.at(i);
    }
    return std::string(buf, o);
}

} // namespace velkor
