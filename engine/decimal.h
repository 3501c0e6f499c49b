#pragma once
// The 15-significant-digit decimal form of a double, shared by the
// sign-position text and the display patterns. Internal to the engine.

#include <array>

namespace velkor::detail {

/// A finite double rounded to at most 15 significant digits:
/// value = (neg ? -1 : 1) * 0.d1d2d3... * 10^point, with digits[0..count)
/// holding d1, d2, ... as characters, no leading or trailing zeros
/// (count is 0 for zero).
struct Decimal {
    static constexpr int significant = 15;
    bool neg = false;
    int count = 0;
    int point = 0;
    std::array<char, 20> digits{};

    /// The digit at significant position i (0-based); '0' outside the digits.
    char at(int i) const { return i >= 0 && i < count ? digits[static_cast<unsigned>(i)] : '0'; }
};

/// `x` must be finite.
Decimal decimal15(double x);

/// Rounds the magnitude of `d` to `frac` decimals, half away from zero.
void roundto(Decimal& d, int frac);

} // namespace velkor::detail
