#include "decimal.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace velkor::detail {
namespace {

// Splits to_chars' scientific output "-d.ddde+XX" into d.
void parse(const char* p, const char* end, Decimal& d)
{
    d.neg = *p == '-';
    p += d.neg;
    int count = 0;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.')
            d.digits[static_cast<unsigned>(count++)] = *p;
    int exp10 = 0;
    if (p != end) {
        const bool expneg = p[1] == '-';
        for (p += 2; p != end; ++p)
            exp10 = exp10 * 10 + (*p - '0');
        if (expneg)
            exp10 = -exp10;
    }
    d.point = exp10 + 1;
    while (count > 0 && d.digits[static_cast<unsigned>(count - 1)] == '0')
        --count;
    d.count = count;
}

// Cuts the digits to `keep`, adding one to the last kept digit when `up`.
void cut(Decimal& d, int keep, bool up)
{
    d.count = keep;
    if (up) {
        int i = keep;
        while (i > 0 && d.digits[static_cast<unsigned>(i - 1)] == '9')
            --i;
        if (i > 0) {
            ++d.digits[static_cast<unsigned>(i - 1)];
            d.count = i;
        } else {
            d.digits[0] = '1';
            d.count = 1;
            ++d.point;
        }
    }
    while (d.count > 0 && d.digits[static_cast<unsigned>(d.count - 1)] == '0')
        --d.count;
}

// Writes the 15 decimal digits of n < 10^15, leading zeros included, as
// seven then eight digits in 32-bit arithmetic, two at a time.
void writedigits(std::uint64_t n, char* out)
{
    static constexpr char pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    auto hi = static_cast<std::uint32_t>(n / 100000000ULL);   // 7 digits
    auto lo = static_cast<std::uint32_t>(n % 100000000ULL);   // 8 digits
    for (int i = 14; i >= 7; i -= 2) {
        const std::uint32_t r = lo % 100;
        lo /= 100;
        out[i] = pairs[2 * r + 1];
        out[i - 1] = pairs[2 * r];
    }
    for (int i = 6; i >= 1; i -= 2) {
        const std::uint32_t r = hi % 100;
        hi /= 100;
        out[i] = pairs[2 * r + 1];
        out[i - 1] = pairs[2 * r];
    }
    out[0] = static_cast<char>('0' + hi);
}

__extension__ typedef unsigned __int128 uint128;

// 5^k for k = 0..27, all below 2^63.
constexpr auto powersoffive = [] {
    std::array<std::uint64_t, 28> t{};
    t[0] = 1;
    for (std::size_t k = 1; k < t.size(); ++k)
        t[k] = t[k - 1] * 5;
    return t;
}();

constexpr std::uint64_t e14 = 100000000000000ULL;   // smallest 15-digit integer
constexpr std::uint64_t e15 = 1000000000000000ULL;

// The quick, exact way for magnitudes from about 1e-13 to 1e15: with
// x = m * 2^q, the 15-digit integer is m * 5^k * 2^(k+q) for k = 14 - e,
// computed in 128-bit integers, so the remainder tells the rounding exactly.
// Gives up (the slow way decides) for other magnitudes and on an exact
// half-way remainder.
bool quick15(double x, Decimal& d)
{
    const auto bits = std::bit_cast<std::uint64_t>(x);
    const int field = static_cast<int>((bits >> 52) & 0x7ff);
    if (field == 0 || field == 0x7ff)
        return false;   // zero, subnormal, infinite or NaN
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int q = field - 1075;   // |x| = m * 2^q, in [2^(q+52), 2^(q+53))
    // floor(log10 |x|), or one less.
    int e = static_cast<int>(std::floor((q + 52) * 0.30102999566398120));
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int k = Decimal::significant - 1 - e;
        if (k < 0 || k >= static_cast<int>(powersoffive.size()))
            return false;
        const int shift = -(k + q);
        if (shift <= 0 || shift >= 128)
            return false;
        const uint128 scaled = static_cast<uint128>(m) * powersoffive[static_cast<std::size_t>(k)];
        const uint128 whole = scaled >> shift;
        if (whole >= e15) {
            ++e;
            continue;
        }
        if (whole < e14)
            return false;
        const uint128 rest = scaled & ((static_cast<uint128>(1) << shift) - 1);
        const uint128 half = static_cast<uint128>(1) << (shift - 1);
        if (rest == half)
            return false;
        auto n = static_cast<std::uint64_t>(whole) + (rest > half ? 1 : 0);
        d.neg = x < 0;
        d.point = e + 1;
        if (n == e15) {   // rounded up into the next decade
            n = e14;
            ++d.point;
        }
        writedigits(n, d.digits.data());
        int count = Decimal::significant;
        while (count > 0 && d.digits[static_cast<unsigned>(count - 1)] == '0')
            --count;
        d.count = count;
        return true;
    }
    return false;
}

} // namespace

Decimal decimal15(double x)
{
    Decimal d;
    if (x == 0.0)
        return d;
    if (quick15(x, d))
        return d;
    char buf[40];
    // The shortest text that reads back as x: when it has at most 15
    // significant digits it is also x rounded to 15 digits.
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    parse(buf, res.ptr, d);
    constexpr int n = Decimal::significant;
    if (d.count <= n)
        return d;
    // With 16 or 17 digits, no 15-digit half-way point can lie between x and
    // its shortest text, so rounding that text rounds x; except where the
    // text itself ends in that half-way 5, and only x can tell the side.
    if (d.count == n + 1 && d.digits[n] == '5') {
        res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, n - 1);
        parse(buf, res.ptr, d);
        return d;
    }
    cut(d, n, d.digits[n] >= '5');
    return d;
}

void roundto(Decimal& d, int frac)
{
    const int keep = d.point + frac;   // significant digits that survive
    if (keep >= d.count)
        return;
    if (keep < 0) {
        d.count = 0;
        return;
    }
    cut(d, keep, d.digits[static_cast<unsigned>(keep)] >= '5');
}

} // namespace velkor::detail
