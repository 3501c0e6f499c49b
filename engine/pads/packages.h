#pragma once
// Thick-film chip resistors as they sit on a board: each size's nominal body
// and land, the parasitics worked out from them and the board's stack-up,
// and its power rating.
//
// No vendor publishes L, C and land capacitance for thick-film chips from
// 0201 to 1206, so they are worked out from nominal geometry with standard
// formulas; solder, solder mask, a ground void under the lands or the
// vendor's trim change them, and measured values belong in --parasitics.
//  - Land capacitance: the land as a short microstrip over the ground
//    plane, C = sqrt(eeff) (l + 2 dl) / (c0 Z0), with Z0 and eeff of a
//    strip of no thickness after Hammerstad and Jensen ("Accurate models for
//    microstrip computer-aided design", IEEE MTT-S 1980; eta0 = 120 pi ohms)
//    and the open end's extension dl after Kirschning, Jansen and Koster
//    ("Accurate model for open end effect of microstrip lines", Electronics
//    Letters 1981); the mean of the land lying along and across the strip.
//  - The part's own inductance: its film as a flat strip of the body's width
//    at the board's height plus the body's thickness, in air, between the
//    centres of its terminations: L = Z0,air s / c0.
//  - A via to ground: 0.2 H (1 + ln(4 H / d)) nH, H and d in mm, for a
//    drill d of 0.3 mm (Johnson and Graham, "High-Speed Digital Design",
//    1993).
//  - The capacitance across the body: Vishay's measurement ("Frequency
//    Response of Thin Film Chip Resistors") for 0201 to 0603; for 0805 and
//    1206 an estimate, from the end caps' parallel plates through the
//    alumina and one published measurement of a 1206.

#include "pads/response.h"

#include <optional>
#include <span>
#include <string_view>

namespace velkor {

/// The board under the parts.
struct Board {
    double height = 0.2;          ///< mm, from the parts' layer to the ground plane below, 0.05 to 5
    double permittivity = 4.3;    ///< of the dielectric between, relative, 1 to 20
};
constexpr double leastBoardHeight = 0.05, mostBoardHeight = 5;   // mm
constexpr double leastPermittivity = 1, mostPermittivity = 20;

/// A chip resistor's size, EIA nominal, with the IPC-7351 nominal land.
struct ChipSize {
    std::string_view name;        ///< "0603"
    double bodyLength, bodyWidth;   ///< mm
    double termination;           ///< mm, each termination's length along the body
    double thickness;             ///< mm
    double landLength, landWidth;   ///< mm, along the part and across it
    double bodyCapacitance;       ///< F, across the body
    double rating;                ///< W, at 70 °C and below, as general-purpose thick-film chips are rated
};

/// Every size, the smallest first: 0201, 0402, 0603, 0805, 1206.
std::span<const ChipSize> chipSizes();

/// The size of a name ("0603"); nothing for another text.
const ChipSize* chipSizeByName(std::string_view name);

/// What each part of a size carries on a board: its own inductance (the
/// via apart), the capacitance across it, its land's to ground, and the via
/// a part with a terminal on ground reaches it through.
Parasitics packageParasitics(const ChipSize& size, Board board);

/// Ambient temperatures a rating is given for, °C.
constexpr double leastAmbient = -55, mostAmbient = 155;

/// A size's rating at an ambient temperature (°C, -55 to 155): full up to
/// 70 °C, derated in a straight line to 0 at 155 °C. W.
double ratingAt(const ChipSize& size, double ambient);

/// A pad's parts against a size's rating at an ambient temperature.
struct PadRating {
    Values partPower;   ///< W, each resistor's most loaded part at the worst case
    double rating;      ///< W, each part's, derated
    std::vector<std::size_t> over;   ///< the resistors whose part takes more than the rating
    const ChipSize* smallest;        ///< the smallest size whose rating carries every part; none
};

/// Rates a pad's parts: each takes its resistor's worst-case power, or of
/// a pair its share (in series in proportion to its value, side by side
/// inversely).
PadRating ratePad(const PadResult& pad, const ChipSize& size, double ambient);

} // namespace velkor
