#include "series.h"

#include <array>

namespace velkor {
namespace {

struct Entries {
    std::string_view name, text;
};

// In the order of Series.
constexpr std::array<Entries, 3> series = {{
    {"E6", "1.0 1.5 2.2 3.3 4.7 6.8 10. "},
    {"E12", "1.0 1.2 1.5 1.8 2.2 2.7 3.3 3.9 4.7 5.6 6.8 8.2 10. "},
    {"E24", "1.0 1.1 1.2 1.3 1.5 1.6 1.8 2.0 2.2 2.4 2.7 3.0 3.3 3.6 3.9 4.3 4.7 5.1 5.6 6.2 6.8 7.5 8.2 9.1 10. "},
}};

} // namespace

std::string_view seriestext(Series s) { return series[static_cast<std::size_t>(s)].text; }
std::string_view seriesname(Series s) { return series[static_cast<std::size_t>(s)].name; }

int seriescount(Series s)
{
    return static_cast<int>(seriestext(s).size() / 4);
}

} // namespace velkor
