#pragma once
// Decades: the exponent of a value, exact powers of ten, and the return
// loss grid the window shows. Used by the window's procedures (under their
// designed names fnc, fnd, fnz) and by the rest of the engine alike.

namespace velkor {

/// The closing entry of every series table, one decade above its first.
constexpr double decadeEnd = 10.0;

/// Decade exponent of x > 0: floor(ln x / ln 10). May fall one short for
/// exact powers of ten (1000 gives 2); NaN for x <= 0 or NaN.
double decadeExponent(double x);

/// 10 raised to floor(n), the double nearest the exact power; exponents
/// beyond +-400 count as +-400 (0 and the largest double's side). NaN for
/// NaN.
double powerOfTen(double n);

/// Return loss in dB on a 0.1 dB grid, rounded toward more loss, of a
/// reflection coefficient magnitude 0 < rho < 1: floor(200 log10 rho) / 10.
double returnLossGrid(double rho);

} // namespace velkor
