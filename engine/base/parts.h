#pragma once
// Resistors as they are bought: the nearest value of a series, its resistor
// code, and the closest single part or pair of parts.

#include "base/series.h"

#include <span>
#include <string>

namespace velkor {

/// A value picked from a series table and the slot it came from.
struct Pick {
    double value;   ///< ohms: the part's decimal value as the nearest double; NaN if none
    int slot;       ///< slot of the table's entry (1 when there is no value)
};

/// The window's rounding of `rr` ohms (> 0, finite) to a series table (slot
/// 0 holds 0, then the entries ascending up to a closing 10): the nearest
/// entry within the decade by linear distance on the computed mantissa; a
/// mantissa exactly half-way goes up, and the search never passes the
/// entry 10. NaN for an argument that is not positive and finite.
Pick nearestPick(double rr, std::span<const double> table);

/// The code of a part of `digits` (2 or 3) significant digits, the letter
/// standing at the decimal point: R47, 4R7, 47R, 470R, 4k7 ... 470T and
/// R499, 4R99, 49R9, 499R, 4k99; R056, R0047 and R0499 below 0.1 ohm;
/// d.dE-nn below 1 milliohm and d.dE+nn from 1000 teraohms. No padding.
std::string partCode(double ohms, int digits);

/// The code of a value from its significant digits (at least one) and the
/// decade of the first (4.7 is 0, 470 is 2): the letter at the decimal
/// point, as partCode writes it.
std::string codeOf(std::string significant, int decade);

/// One part, or two in series or in parallel, standing for a resistor.
struct Part {
    double ohms;        ///< the value it makes
    std::string code;   ///< "4k7"; "150R+3R3" in series; "470R||220R" in parallel
    double larger = 0;  ///< ohms: the one part, or the larger of two
    double smaller = 0; ///< ohms: the smaller of two; 0 for one part
    bool parallel = false;   ///< two parts in parallel rather than in series
};

/// The nearest part to `rr` ohms by the window's rounding, with its code;
/// NaN and no code for an argument that is not positive and finite.
Part nearestPart(double rr, Series s);

/// The closest to `rr` ohms (> 0, finite) of one part, two in series or two
/// in parallel, by relative error; the parts are the series' values from
/// three decades below rr's to three above. Errors within 1e-12 of each
/// other count as equal: then fewer parts win, then series over parallel,
/// then the pair whose larger part is nearer rr. Codes name the larger part
/// first.
Part closestPart(double rr, Series s);

} // namespace velkor
