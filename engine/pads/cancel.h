#pragma once
// How a long computation is stopped from outside: between its steps (a
// corner of the parts' tolerance, a frequency of a sweep, a probe of a
// bandwidth search) it asks, and gives up once told.

#include <functional>

namespace velkor {

/// Asked from the computation's own thread: true once its result is no
/// longer wanted. Empty for a computation that runs to its end.
using Cancel = std::function<bool()>;

/// Whether `cancel` says stop.
inline bool cancelled(const Cancel& cancel) { return cancel && cancel(); }

} // namespace velkor
