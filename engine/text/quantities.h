#pragma once
// Quantities written as plain numbers with their unit, for every text line
// beyond the window's own captions. Attenuation, VSWR and return loss keep
// the window's words and its rounding; a bound of a worst case is rounded
// outward with Rounding::down or Rounding::up, so that the worst case never
// reads better than the analysis found it.

#include "base/format.h"

#include <optional>
#include <string>
#include <string_view>

namespace velkor {

/// Decibels to two decimals: "10.00 dB", "0.00 dB".
std::string decibelText(double db, Rounding r = Rounding::nearest);

/// "Attenuation 6.19 dB".
std::string attenuationText(double db, Rounding r = Rounding::nearest);

/// A VSWR (>= 1) to two decimals: "VSWR 1.01".
std::string vswrText(double vswr, Rounding r = Rounding::nearest);

/// The return loss of a reflection 0 < rho < 1 as a negative number of dB
/// to one decimal: "Rtn Loss -43.7 dB". By default on the window's grid,
/// rounded toward more loss; `worst` rounds toward less loss instead.
std::string returnLossText(double rho, bool worst = false);

/// Watts to three significant figures, plainly from a milliwatt to below
/// 1 kW ("0.333 W", "0.00278 W", "1.00 W", "250 W"), with an SI prefix from pico to
/// giga outside ("2.78 \u00b5W", "12.5 kW"), in exponent form beyond those
/// ("3.33e-15 W"); "0 W" for 0.
std::string wattsText(double watts, Rounding r = Rounding::nearest);

/// Hertz to three significant figures, with an SI prefix from kilo to tera
/// from 1 kHz: "250 Hz", "3.67 GHz", "10.0 MHz", "0 Hz".
std::string hertzText(double hertz, Rounding r = Rounding::nearest);

/// Where a bandwidth ends, rounded down: "3.13 GHz"; "beyond 1 THz" where
/// the search found no end.
std::string bandwidthText(std::optional<double> hertz);

/// Where a pad stops being matched, as bandwidthText; "never (12.0 dB at
/// 0 Hz)" at 0 Hz, where its return loss, `returnLossAtDc` dB the lower of
/// its two, falls short of the limit from the start (rounded down, so that
/// it never reads as the limit met).
std::string matchedText(std::optional<double> hertz, double returnLossAtDc);

/// A value to four significant figures with an SI prefix f, p, n, u
/// (written µ) or m, or none, as the part readers take it: "498.1p", "40f",
/// "1.2m"; "0" for 0.
std::string prefixedText(double value);

/// Ohms to four significant figures as the readers take them: plainly,
/// with at least one decimal, from a milliohm to below 10 kilohms ("150.5",
/// "43.30", "1740.6"), with an SI prefix from pico to giga outside
/// ("26.56M", "141.2\u00b5"), in exponent form beyond those ("5.756e-14").
/// With a `unit`, a blank and the prefix before it: "26.56 M\u03a9".
std::string ohmsText(double ohms, std::string_view unit = {});

} // namespace velkor
