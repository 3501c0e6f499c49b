#pragma once
// Decimals as their digits and a power of ten: the 15-significant-digit form
// of a double, shared by the sign-position text and the display patterns,
// and the decimals the number readers take apart; and the directions in
// which a value is rounded to the digits it is written with.

#include <optional>
#include <string>

namespace velkor {

/// How a value is rounded to the digits it is written with: to the nearest,
/// half away from zero, or toward -infinity or +infinity.
enum class Rounding { nearest, down, up };

namespace detail {

/// A finite double as a decimal of at most 15 significant digits:
/// value = (neg ? -1 : 1) * 0.d1d2d3... * 10^point, with `digits` holding
/// d1 d2 ... and no trailing zeros (empty for zero).
struct Decimal {
    static constexpr int significant = 15;
    bool neg = false;
    std::string digits;
    int point = 0;

    /// The digit at significant position i (0-based); '0' outside the digits.
    char at(int i) const { return i >= 0 && i < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(i)] : '0'; }
};

/// The shortest decimal that reads back as `x`, when it has at most 15
/// significant digits; otherwise `x` correctly rounded to 15. `x` must be
/// finite.
Decimal decimal15(double x);

/// The double nearest the decimal times 10^shift; nothing where that is
/// beyond the range of a double or too small to be told from 0.
std::optional<double> toDouble(const Decimal& d, long shift = 0);

/// The exponent of a decimal's last digit: value = digits * 10^lastExponent.
inline int lastExponent(const Decimal& d) { return d.point - static_cast<int>(d.digits.size()); }

/// An ASCII digit, whatever the locale.
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

/// An exponent this large puts any mantissa far outside a double either
/// way; readers stop growing an exponent here so that it cannot overflow.
constexpr long exponentCap = 100000000L;

/// Rounds the magnitude of `d` to `frac` decimals, half away from zero on
/// its digits (so rounding starts from the 15-digit value, not the double).
void roundTo(Decimal& d, int frac);

/// Rounds `d` to `frac` decimals (a negative `frac` rounds to tens,
/// hundreds ...) in the given direction, on its digits.
void roundTo(Decimal& d, int frac, Rounding r);

} // namespace detail
} // namespace velkor
