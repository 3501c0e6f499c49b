#pragma once
// The preferred-value series: E6, E12 and E24, which the window offers,
// and E48, E96 and E192 with three significant digits.

#include <optional>
#include <span>
#include <string_view>

namespace velkor {

enum class Series { E6, E12, E24, E48, E96, E192 };

/// The series' name: "E6" ... "E192".
std::string_view seriesname(Series s);

/// The series of a name: "E6" ... "E192".
std::optional<Series> seriesbyname(std::string_view name);

/// Significant digits of the series' entries: 2 up to E24, 3 from E48.
int seriesdigits(Series s);

/// The tolerance parts of the series are usually sold with, as a fraction:
/// E6 0.2, E12 0.1, E24 0.05, E48 0.02, E96 0.01, E192 0.005.
double seriestolerance(Series s);

/// The series as a table: slot 0 holds 0 (below the first entry), then the
/// entries ascending from 1, each the double nearest its decimal value, up to
/// the closing 10.
std::span<const double> seriestable(Series s);

} // namespace velkor
