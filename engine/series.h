#pragma once
// The preferred-value series the calculator offers.

#include <string_view>

namespace velkor {

enum class Series { E6, E12, E24 };

/// The entries of a series as text: each entry takes three characters and a
/// blank, in ascending order, the last being "10." (one decade above 1.0).
std::string_view seriestext(Series s);

/// The series' name: "E6", "E12" or "E24".
std::string_view seriesname(Series s);

/// Number of entries in a series, the closing 10 included (7, 13 or 25).
int seriescount(Series s);

} // namespace velkor
