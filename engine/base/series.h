#pragma once
// The preferred-value series: E6, E12 and E24, which the window offers,
// and E48, E96 and E192 with three significant digits.

#include <optional>
#include <span>
#include <string_view>

namespace velkor {

enum class Series { E6, E12, E24, E48, E96, E192 };

/// The series' name: "E6" ... "E192".
std::string_view seriesName(Series s);

/// The series of a name: "E6" ... "E192".
std::optional<Series> seriesByName(std::string_view name);

/// Significant digits of the series' entries: 2 up to E24, 3 from E48.
int seriesDigits(Series s);

/// The tolerance parts of the series are usually sold with, as a fraction:
/// E6 0.2, E12 0.1, E24 0.05, E48 0.02, E96 0.01, E192 0.005.
double seriesTolerance(Series s);

/// The parts' tolerance: each part lies anywhere within +-fraction of its
/// value.
struct Tolerance {
    double fraction = 0;   ///< 0 <= fraction < 1
    bool given = false;    ///< typed, rather than the series' own

    /// Not an aggregate, so that a list of a request's fields never fills
    /// `given` with the field after the tolerance.
    constexpr Tolerance(double fraction = 0, bool given = false) : fraction(fraction), given(given) {}

    /// The fraction as the percentage it was typed as: its decimal with the
    /// point two places on, so that 0.05 gives 5 and 0.999 gives 99.9.
    double percent() const;
};

/// The series as a table: slot 0 holds 0 (below the first entry), then the
/// entries ascending from 1, each the double nearest its decimal value, up to
/// the closing 10.
std::span<const double> seriesTable(Series s);

} // namespace velkor
