#pragma once
// Touchstone files of a pad's response, for circuit simulators and network
// analysis tools.

#include "pads/steps.h"
#include "text/report.h"

#include <string>

namespace velkor {

/// A Touchstone file of the row's first pad's response: version 1.1
/// between equal impedances, 2.0 between unequal ones (whose reference
/// impedances 1.1 cannot give).
std::string touchstone(const Row& r);

/// A Touchstone file (version 1.1) of one state (0 to 2^bits - 1) of a step
/// attenuator over the request's frequencies: the cascade of its bits in.
std::string stateTouchstone(const StepResult& r, std::size_t state);

} // namespace velkor
