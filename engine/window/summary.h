#pragma once
// The results of a calculation as plain text, for the clipboard.

#include "base/series.h"
#include "window/fields.h"

#include <optional>
#include <string>

namespace velkor {

/// The inputs a set of results was calculated from.
struct Inputs {
    double atten = 0;   ///< dB
    double pwr = 0;     ///< W
    double sysz = 0;    ///< ohms
    Series series = Series::E12;
    std::optional<double> zout;   ///< ohms: an output side other than sysz, listed after it
    bool pairs = false;           ///< a resistor may be a pair of parts: a line after the series
};

/// One line per item, each ended by a line feed: "what: value".
std::string summaryline(std::string_view what, std::string_view value, std::string_view unit = {});

/// The inputs, one line each: attenuation, power, impedance, the output
/// impedance where given, series, and "Parts: one each, or the closest pair"
/// where pairs are allowed.
std::string summaryinputs(const Inputs& in);

/// One line per item, each ended by a line feed: the inputs, then every
/// result field as "what it is: caption" in field order, the captions
/// without their padding blanks ("Pi R2 preferred value: 39R").
std::string summary(const Inputs& in, const Captions& captions);

} // namespace velkor
