#include "base/numtext.h"

#include "base/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace velkor {
namespace {

bool isDropped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
using detail::exponentCap;
using detail::isDigit;


// Decides, for a prefix that from_chars found out of range, whether its
// magnitude is too large (true) or too small (false) for a double.
bool tooLarge(std::string_view mant, long exp10)
{
    bool seenpoint = false, found = false;
    long intdigits = 0, zerosafterpoint = 0;
    for (char c : mant) {
        if (c == '.') {
            seenpoint = true;
            continue;
        }
        if (!isDigit(c))
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

double readNumber(std::string_view text)
{
    // Gather the numeric prefix with the dropped characters removed.
    std::string num;
    bool digit = false, point = false;
    enum { sign, mantissa, expsign, expdigits } at = sign;
    long exp10 = 0;
    bool expneg = false;
    std::size_t mantend = std::string::npos;   // where the exponent's 'e' stands
    for (char c : text) {
        if (isDropped(c))
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
            if (isDigit(c)) {
                digit = true;
                num.push_back(c);
                continue;
            }
            if (c == '.' && !point) {
                point = true;
                num.push_back(c);
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
        if (isDigit(c)) {   // at == expdigits
            num.push_back(c);
            if (exp10 < exponentCap)
                exp10 = exp10 * 10 + (c - '0');
            continue;
        }
        break;
    }
    if (!digit)
        return 0.0;
    // An E with no digits after it ("1e", "1e-") is left to from_chars,
    // which reads the longest number at the start and stops before it.
    const bool hasexp = mantend < num.size();

    double value = 0.0;
    const char* first = num.data();
    const char* last = first + num.size();
    const auto res = std::from_chars(first, last, value, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) {
        const bool neg = num.front() == '-';
        const long e = hasexp ? (expneg ? -exp10 : exp10) : 0;
        if (tooLarge(std::string_view(num).substr(0, mantend), e))
            return neg ? std::numeric_limits<double>::lowest() : std::numeric_limits<double>::max();
        return 0.0;
    }
    if (res.ec != std::errc() || !std::isfinite(value))
        return 0.0;
    return value;
}

std::string shortest(double x)
{
    char buf[32];   // the longest is 24 characters: "-2.2250738585072014e-308"
    return {buf, std::to_chars(buf, buf + sizeof buf, x).ptr};
}

std::string exponentText(int exp10)
{
    const int mag = exp10 < 0 ? -exp10 : exp10;
    std::string out = exp10 < 0 ? "E-" : "E+";
    if (mag < 10)
        out += '0';
    return out + std::to_string(mag);
}

std::string signText(double x)
{
    if (std::isnan(x))
        return " nan";
    if (std::isinf(x))
        return x < 0 ? "-inf" : " inf";
    const detail::Decimal d = detail::decimal15(x);
    std::string out(1, d.neg ? '-' : ' ');
    if (d.digits.empty())
        return out + '0';
    // Plain from 1E-04 up to fifteen integer digits; exponent form beyond,
    // where plain text would be mostly zeros.
    const int exp10 = d.point - 1;   // exponent of the first significant digit
    if (exp10 < -4 || exp10 >= detail::Decimal::significant) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += '.';
            out.append(d.digits, 1);
        }
        return out + exponentText(exp10);
    }
    if (d.point <= 0) {
        out += '.';
        out.append(static_cast<std::size_t>(-d.point), '0');
        return out + d.digits;
    }
    const int last = std::max(static_cast<int>(d.digits.size()), d.point);
    for (int i = 0; i < last; ++i) {
        if (i == d.point)
            out += '.';
        out += d.at(i);
    }
    return out;
}

} // namespace velkor
