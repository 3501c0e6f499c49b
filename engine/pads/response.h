#pragma once
// Pads at radio frequencies: each part a resistance R in series with an
// inductance L, the two in parallel with a capacitance C; each part's
// terminal on a footprint pad with a capacitance CPAD to ground. The
// scattering parameters of a pad built so, and the bandwidths over which it
// stays flat and matched.

#include "pads/circuit.h"
#include "pads/nodal.h"
#include "pads/pads.h"

#include <functional>
#include <optional>
#include <vector>

namespace velkor {

/// What every part carries beside its resistance. All >= 0; all 0 for
/// ideal parts.
struct Parasitics {
    double inductance = 0;    ///< H, in series with the resistance
    double capacitance = 0;   ///< F, across the part
    double padCapacitance = 0;   ///< F, from each of its terminals' pads to ground
    double viaInductance = 0;    ///< H, added to the inductance of a part with a terminal on ground
};

/// Scattering parameters of a two-port with real reference impedances, zin
/// at port 1 and zout at port 2 (power waves). The pads are reciprocal, so
/// S12 = S21.
struct SParameters {
    Complex s11, s21, s22;
};

/// A pad as built from its parts (a pair is two parts), each with the
/// parasitics `x`, ready to be worked out at any frequency.
class PadAtRadio {
public:
    PadAtRadio(const PadResult& pad, Ports p, const Parasitics& x);
    /// Its scattering parameters at `hertz` (>= 0).
    SParameters at(double hertz) const;

    /// A part's whole inductance: its own, and the via's where it touches ground.
    double inductanceOf(const CircuitBranch& b) const;

private:
    Circuit circuit_;
    bool balanced_;
    Ports ports_;
    Parasitics parts_;
};

/// The pad as built from its parts at `hertz` (>= 0).
SParameters sParameters(const PadResult& pad, Ports p, const Parasitics& x, double hertz);

/// The same at each frequency; cut short where `cancel` stops it (asked at
/// each frequency).
std::vector<SParameters> response(const PadResult& pad, Ports p, const Parasitics& x,
                                  const std::vector<double>& hertz, const Cancel& cancel = {});

/// Where a pad stops meeting its limits. Each is the highest f such that
/// the condition holds at every frequency from 0 to f, found to 0.01 %
/// and rounded down; 0 when it fails at 0 Hz; nothing when it holds up to
/// `bandwidthCeiling`.
struct Bandwidths {
    std::optional<double> flat;      ///< Hz: |S21| in dB within the flatness of its 0 Hz value
    std::optional<double> matched;   ///< Hz: both return losses at least the least allowed
};

/// Where the search for a bandwidth ends, Hz.
constexpr double bandwidthCeiling = 1e12;

/// The bandwidths of a pad for a flatness and a least return loss, dB (> 0).
/// Once `cancel` stops the search (asked at each frequency it tries), what
/// it gives means nothing.
Bandwidths bandwidths(const PadResult& pad, Ports p, const Parasitics& x, double flatness,
                      double minReturnLoss, const Cancel& cancel = {});
/// The same for any two-port whose scattering parameters at f Hz (>= 0)
/// `at` gives.
Bandwidths bandwidths(const std::function<SParameters(double)>& at, double flatness, double minReturnLoss,
                      const Cancel& cancel = {});

/// 20 log10 |s| of a reflection, with a magnitude below 1e-6 written as
/// -120 dB.
double decibels(Complex s);
/// 20 log10 |s| of a transmission, however small: a pad of 300 dB has an
/// S21 of -300 dB.
double transmissionDecibels(Complex s);

/// The phase of s in degrees, -180 to 180.
double degrees(Complex s);

} // namespace velkor
