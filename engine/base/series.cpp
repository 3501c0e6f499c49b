#include "base/series.h"

#include "base/decimal.h"
#include "base/numtext.h"

#include <array>
#include <string>
#include <vector>

namespace velkor {
namespace {

// E6 to E24 as text: each entry three characters and a blank, ascending,
// the last "10." (one decade above 1.0), each read as the window reads a number.
struct Entries {
    std::string_view name, text;
    double tolerance;
    int stride;   // the three-digit series take every stride-th entry of E192
};

// In the order of Series.
constexpr std::array<Entries, 6> series = {{
    {"E6", "1.0 1.5 2.2 3.3 4.7 6.8 10. ", 0.2, 0},
    {"E12", "1.0 1.2 1.5 1.8 2.2 2.7 3.3 3.9 4.7 5.6 6.8 8.2 10. ", 0.1, 0},
    {"E24", "1.0 1.1 1.2 1.3 1.5 1.6 1.8 2.0 2.2 2.4 2.7 3.0 3.3 3.6 3.9 4.3 4.7 5.1 5.6 6.2 6.8 7.5 8.2 "
            "9.1 10. ", 0.05, 0},
    {"E48", "", 0.02, 4},
    {"E96", "", 0.01, 2},
    {"E192", "", 0.005, 1},
}};

// IEC 60063's E192 in hundredths. It departs from the rounded geometric
// series at one entry: 920 where 10^(185/192) gives 919. E96 and E48 take
// every second and fourth entry. (E24 is not a subset: its 2.7, 3.0, 3.3 and
// others are no E192 entries.)
constexpr std::array<int, 192> e192 = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123, 124, 126,
    127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152, 154, 156, 158, 160,
    162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189, 191, 193, 196, 198, 200, 203,
    205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234, 237, 240, 243, 246, 249, 252, 255, 258,
    261, 264, 267, 271, 274, 277, 280, 284, 287, 291, 294, 298, 301, 305, 309, 312, 316, 320, 324, 328,
    332, 336, 340, 344, 348, 352, 357, 361, 365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417,
    422, 427, 432, 437, 442, 448, 453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530,
    536, 542, 549, 556, 562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673,
    681, 690, 698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988,
};

constexpr std::size_t at(Series s) { return static_cast<std::size_t>(s); }

std::vector<double> table(Series s)
{
    std::vector<double> t{0.0};
    const Entries& e = series[at(s)];
    if (e.stride == 0) {
        for (std::size_t k = 0; k + 3 <= e.text.size(); k += 4)
            t.push_back(readNumber(e.text.substr(k, 3)));
        return t;
    }
    for (std::size_t k = 0; k < e192.size(); k += static_cast<std::size_t>(e.stride))
        t.push_back(readNumber(std::to_string(e192[k]) + "E-2"));
    t.push_back(10.0);
    return t;
}

} // namespace

std::string_view seriesName(Series s) { return series[at(s)].name; }
double seriesTolerance(Series s) { return series[at(s)].tolerance; }
int seriesDigits(Series s) { return series[at(s)].stride == 0 ? 2 : 3; }

double Tolerance::percent() const
{
    constexpr long percentPlaces = 2;
    return detail::toDouble(detail::decimal15(fraction), percentPlaces).value_or(0);
}

std::optional<Series> seriesByName(std::string_view name)
{
    for (std::size_t i = 0; i < series.size(); ++i)
        if (series[i].name == name)
            return static_cast<Series>(i);
    return std::nullopt;
}

std::span<const double> seriesTable(Series s)
{
    static const std::array<std::vector<double>, 6> tables = {
        table(Series::E6), table(Series::E12), table(Series::E24),
        table(Series::E48), table(Series::E96), table(Series::E192),
    };
    return tables[at(s)];
}

} // namespace velkor
