#pragma once
// Switched step attenuators: one matched pad per bit, each switched in or
// replaced by an ideal through, analysed state by state as the cascade of
// the pads switched in, mismatches between them included.

#include "pads/pads.h"
#include "pads/radio.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velkor {

/// The most bits of a step attenuator.
constexpr std::size_t mostBits = 8;
/// The most parts a state may take to the corners of their tolerance:
/// 2^24 corners.
constexpr std::size_t mostCornerParts = 24;

/// A step attenuator to work out, between equal impedances.
struct StepRequest {
    std::vector<double> bits;   ///< each bit's attenuation, dB (> 0), the first the lowest bit
    PadKind kind;               ///< one kind matched at both ports
    double power;               ///< W, > 0
    double impedance;           ///< ohms, > 0
    Series series;
    /// The parts' tolerance; each state's range at it is worked out only
    /// when it was given.
    Tolerance tolerance;
    bool pairs;
    std::optional<RadioFrequency> radio = std::nullopt;   ///< parasitics and frequencies, if asked
    bool theoretical = false;   ///< each pad of its designed values, unrounded, rather than built
};

/// One state: which bits are in, and what the cascade does.
struct StepState {
    unsigned number;           ///< bit i set: the i-th bit in
    std::string bits;          ///< one character a bit in the order given: '1' in, '0' through
    double setting;            ///< dB, the sum of the bits in
    double insertionLoss;      ///< dB, -20 log10 |S21|
    double error;              ///< dB, insertion loss - setting
    double returnLoss;         ///< dB, input, positive; 120 for a reflection below 1e-6
    double outputReturnLoss;   ///< dB, output, likewise
    std::optional<std::array<double, 2>> insertionLossRange;   ///< dB, over every corner, when asked
    PadRadio radio;            ///< bandwidths and response, when asked
};

/// A step attenuator worked out.
struct StepResult {
    StepRequest request;
    std::vector<PadResult> pads;    ///< one a bit
    /// With a package, each bit's parts against its rating, as the bit's
    /// pad alone at the full input power: its worst state has every bit
    /// before it switched out.
    std::vector<PadRating> ratings;
    std::vector<StepState> states;  ///< 2^bits, in the order of their numbers
    std::size_t worstErrorState;    ///< the state of the largest error in magnitude
    std::size_t leastReturnLossState;   ///< the state of the least return loss, input or output
};

/// How many parts a state of all `bits` bits of `kind` in takes to the
/// corners: one a resistor, a pair counting as one.
std::size_t partsOfAllBits(PadKind kind, std::size_t bits);

/// Works out every state; nothing when a bit has no design or a result
/// leaves the range of a double, or when `cancel` stops it (asked at each
/// state, each corner of a bit's worst case, and near the top of the walk
/// over every state's corners). `q` must hold 1 to mostBits bits of a
/// steppable kind and, when its range is asked, at most mostCornerParts
/// parts in all.
std::optional<StepResult> evaluateSteps(const StepRequest& q, const Cancel& cancel = {});

/// One state's (0 to 2^bits - 1) response over `hertz` with `parts`'
/// parasitics: the cascade of its bits in; cut short where `cancel` stops
/// it (asked at each frequency).
std::vector<SParameters> stateResponse(const StepResult& r, std::size_t state, const Parasitics& parts,
                                       const std::vector<double>& hertz, const Cancel& cancel = {});

} // namespace velkor
