#pragma once
// What is asked of pads at radio frequencies, and what each pad does there:
// how far up it stays flat and matched, and its response over a sweep.

#include "pads/packages.h"
#include "pads/response.h"

#include <optional>
#include <vector>

namespace velkor {

/// What is asked of the pads at radio frequencies.
struct RadioFrequency {
    bool modelled = false;        ///< parasitics given: the bandwidths are worked out
    Parasitics parts;             ///< each part's, H and F
    double flatness = 0.1;        ///< dB, > 0
    double minReturnLoss = 20;    ///< dB, > 0
    std::vector<double> hertz = {};   ///< the frequencies of the response; none for no response
    /// The parts' size, when one is asked: its parasitics on `board` stand
    /// in `parts` but where given apart, and each pad's parts are rated at
    /// `ambient` °C.
    const ChipSize* package = nullptr;
    Board board = {};
    double ambient = 25;
};

/// A pad's results at radio frequencies.
struct PadRadio {
    Bandwidths bandwidths;                ///< when modelled
    std::vector<SParameters> response;    ///< at each frequency asked
    std::optional<PadRating> rating;      ///< with a package
};

/// Each pad's results at radio frequencies between the ports, as `radio`
/// asks; nothing when a number is not finite (parts of extreme values at a
/// high frequency can leave the range of a double), or when `cancel` stops
/// it (asked at each frequency).
std::optional<std::vector<PadRadio>> evaluateRadio(const std::vector<PadResult>& pads, Ports p,
                                                   const RadioFrequency& radio, const Cancel& cancel = {});

} // namespace velkor
