#pragma once
// Checks every result passes before it is shown: finite numbers, and
// resistances that a part can have.

#include <algorithm>
#include <cmath>
#include <span>

namespace velkor {

/// Whether every value is finite.
inline bool allFinite(std::span<const double> v)
{
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

/// Whether every value is finite and above 0.
inline bool allPositive(std::span<const double> v)
{
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x) && x > 0; });
}

/// A reflection coefficient below this is written as a perfect match,
/// 120 dB: an exact match comes out of an analysis as a few parts in 10^16,
/// and no instrument tells a return loss past 120 dB from a perfect one.
constexpr double perfectMatch = 1e-6;

} // namespace velkor
