#pragma once
// Reading numbers typed by the user and writing them back, independent of
// the process locale: the full stop is always the decimal point.

#include <string>
#include <string_view>

namespace velkor {

/// Reads the number at the start of `text`.
/// Blanks, tabs and line feeds are dropped wherever they stand; then the
/// longest leading part of the form [+|-] digits-with-at-most-one-point
/// [E|e [+|-] digits] is read and the rest ignored. Text with no digit in
/// that part reads as 0. A magnitude beyond the range of a double reads as
/// the largest finite double of its sign; one too small to represent reads
/// as 0. The result is always finite.
double readNumber(std::string_view text);

/// The sign-position text of `x`: a blank (a minus for a negative number),
/// then the shortest decimal form of `x` rounded to 15 significant digits,
/// without a zero before the point below 1 (" .5"), and in exponent form
/// (" 1E+15", " 1E-05") where the decimal exponent is below -4 or at least 15.
/// `x` should be finite; infinities and NaN give " inf", "-inf" and " nan".
std::string signText(double x);

/// The shortest text that reads back as the same double, as std::to_chars
/// writes it: "6", "0.25", "1e-05", "1.5e+09".
std::string shortest(double x);

/// The exponent of a number written in exponent form: E, its sign and at
/// least two digits ("E+15", "E-05", "E-300").
std::string exponentText(int exp10);

} // namespace velkor
