#pragma once
// Display patterns for result values.

#include "base/decimal.h"

#include <string>
#include <string_view>

namespace velkor {

/// Formats `x` by a display pattern: '#' an optional digit, '0' a required
/// digit, '.' the decimal point (always written), anything else copied.
/// Before the point, '0's set the least number of integer digits and all
/// integer digits are written; after it, the value is rounded to the number
/// of placeholders, and trailing zeros are dropped back to the last '0'
/// (so "#0" after the point always gives two decimals).
/// Rounding starts from the value's 15-significant-digit decimal text, and a
/// value exactly half-way rounds away from zero. A negative value gets a
/// leading minus unless it rounds to zero. `x` must be finite. `r` rounds
/// in another direction than to the nearest.
std::string formatPattern(double x, std::string_view pattern, Rounding r = Rounding::nearest);

} // namespace velkor
