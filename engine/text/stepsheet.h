#pragma once
// What the pad designer shows of a step attenuator: its bits and its states
// as tables of text, written as velkor-cli --steps writes them, its summary,
// and the figures its plots draw.

#include "text/designer.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velkor {

/// A table: the headings of its columns, and its rows of cells, each as
/// long as the headings.
struct TextTable {
    std::vector<std::string> headings;
    std::vector<std::vector<std::string>> rows;
};

/// A state as the plot of errors draws it, dB.
struct StepPoint {
    double setting, error;
    /// The error at the ends of the state's loss range at the tolerance.
    std::optional<std::array<double, 2>> errorRange;
};

/// Everything the designer shows of a step attenuator worked out.
struct StepSheet {
    /// A row a bit: bit, dB, parts, loss and return loss as built, and with
    /// a package its parts against their rating and its smallest package.
    TextTable bits;
    /// A row a state, in the order of their numbers: state, bits, setting,
    /// loss, error, return losses, with parasitics the bandwidths, and with
    /// a tolerance the loss range.
    TextTable states;
    ResultLine worstError, leastReturnLoss;   ///< "Worst error", "-0.12 dB in state 25 (100110)"
    std::size_t worstErrorState, leastReturnLossState;
    std::vector<StepPoint> points;   ///< a state each, in the order of their numbers
    std::size_t shownState;          ///< the state whose response `curves` hold
    Curves curves;
    /// Each bit's dB as written and its parts' codes, in the order of the bits.
    std::vector<std::pair<std::string, std::vector<std::string>>> chain;
};

/// The sheet of a design with steps worked out (`d.steps->result` set).
StepSheet stepSheet(const PadDesign& d);

} // namespace velkor
