#pragma once
// Quantities written as plain numbers with their unit, for every text line
// beyond the window's own captions. Attenuation, VSWR and return loss keep
// the window's words and its rounding; a bound of a worst case is rounded
// outward with Rounding::down or Rounding::up, so that the worst case never
// reads better than the analysis found it.

#include "base/format.h"

#include <string>

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

/// Watts to three significant figures: "0.333 W", "0.000333 W", "1.00 W";
/// "3.33e-08 W" below a microwatt and "2.50e+06 W" from a megawatt; "0 W"
/// for 0.
std::string wattsText(double watts, Rounding r = Rounding::nearest);

/// Hertz to three significant figures with an SI prefix: "3.67 GHz",
/// "10.0 MHz", "0 Hz".
std::string hertzText(double hertz, Rounding r = Rounding::nearest);

/// A value to four significant figures with an SI prefix f, p, n, u
/// (written µ) or m, or none, as the part readers take it: "498.1p", "40f",
/// "1.2m"; "0" for 0.
std::string prefixedText(double value);

/// Ohms to four significant figures, and at least one decimal: "150.5",
/// "43.30", "8685889638.1"; "5.756e-07" below a milliohm and from 10^15.
std::string ohmsText(double ohms);

} // namespace velkor
