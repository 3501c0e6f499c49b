#pragma once
// Touchstone files of a pad's response, for circuit simulators and network
// analysis tools.

#include "text/report.h"

#include <string>

namespace velkor {

/// A Touchstone file of the row's first pad's response: version 1.1
/// between equal impedances, 2.0 between unequal ones (whose reference
/// impedances 1.1 cannot give).
std::string touchstone(const Row& r);


} // namespace velkor
