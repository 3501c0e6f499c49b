#pragma once
// The results of a calculation as plain text, for the clipboard.

#include "fields.h"
#include "series.h"

#include <string>

namespace velkor {

/// The inputs a set of results was calculated from.
struct Inputs {
    double atten = 0;   ///< dB
    double pwr = 0;     ///< W
    double sysz = 0;    ///< ohms
    Series series = Series::E12;
};

/// One line per item, each ended by a line feed: the four inputs, then every
/// result field as "what it is: caption" in field order, the captions
/// without their padding blanks ("Pi R2 preferred value: 39R").
std::string summary(const Inputs& in, const Captions& captions);

} // namespace velkor
