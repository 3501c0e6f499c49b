#pragma once
// Pads between any two impedances: the Pi and T, the bridged-T between equal
// impedances, and the minimum-loss L-pad between unequal ones; each designed,
// built from preferred values (or pairs of them), analysed as built, and
// taken to the corners of its parts' tolerance.

#include "base/parts.h"
#include "base/series.h"
#include "pads/cancel.h"
#include "pads/padkinds.h"

#include <optional>
#include <string>
#include <vector>

namespace velkor {

/// The resistors of a pad of `db` decibels (ignored by a kind that takes
/// none) between the ports; nothing where no such pad exists or a value
/// leaves the range of a double.
std::optional<Values> design(PadKind k, double db, Ports p);

/// What a pad does with its input driven by sqrt(power * zin) volts and its
/// output loaded by zout. Reflections below 1e-6 count as 1e-6 (120 dB).
struct Response {
    double atten;           ///< dB: 20 log10(Vin / Vout) + 10 log10(zout / zin)
    double rho;             ///< input reflection against zin, output loaded by zout
    double vswr;            ///< input VSWR, (1 + rho) / (1 - rho)
    double returnLoss;      ///< input return loss, dB, positive
    double outRho;          ///< output reflection against zout, input loaded by zin
    double outReturnLoss;   ///< output return loss, dB, positive
    double insertionLoss;   ///< -20 log10 |S21| with port impedances zin and zout, dB
    double inputOhms;        ///< input resistance, output loaded by zout
    double outputOhms;       ///< output resistance, input loaded by zin
    /// A splitter's: -20 log10 |S| from one output to another, every other
    /// port loaded, dB; 0 for a pad of one output.
    double isolation;
    Values power;           ///< W in each resistor
};
Response analyse(PadKind k, const Values& r, Ports p, double power);

/// The worst a pad does when each part may lie anywhere within +-tolerance
/// (a fraction, 0 <= tolerance < 1) of its value.
struct WorstCase {
    double attenLow, attenHigh;   ///< dB
    double rho;                   ///< the highest input reflection
    double vswr;                  ///< the highest input VSWR
    double returnLoss;            ///< the lowest input return loss, dB
    Values power;                 ///< the highest power in each resistor, W
};
WorstCase worstCase(PadKind k, const Values& r, Ports p, double power, double tolerance);

/// One pad worked out: designed, built, analysed.
struct PadResult {
    PadKind kind;
    Values theory;          ///< the design, ohms
    Values theoryPower;     ///< W in the design, driven and loaded as in analyse; no floor
    Values preferred;       ///< as built: each resistor rounded to the series, or the closest pair
    std::vector<Part> parts;   ///< what each preferred value is made of, with its code
    Response built;
    WorstCase worst;        ///< the preferred values at the tolerance
};

/// What to work out.
struct PadRequest {
    std::optional<double> db;   ///< dB; none for the L-pad alone
    double power;                 ///< W, > 0
    Ports ports;
    Series series;
    Tolerance tolerance;
    bool pairs = false;         ///< one part or the closest pair, rather than the nearest part
    std::vector<PadKind> kinds = {};   ///< which pads; empty for the default kinds
};

/// Every pad the request calls for, in the order of `kinds` (the default
/// kinds when empty). Nothing when a pad has no design or a result is not
/// finite, or when `cancel` stops it (asked at each corner of the worst
/// case).
std::optional<std::vector<PadResult>> evaluatePads(const PadRequest& q, const Cancel& cancel = {});

} // namespace velkor
