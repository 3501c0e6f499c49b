#include "series.h"

namespace velkor {

std::string_view seriestext(Series s)
{
    switch (s) {
    case Series::E6:
        return "1.0 1.5 2.2 3.3 4.7 6.8 10. ";
    case Series::E12:
        return "1.0 1.2 1.5 1.8 2.2 2.7 3.3 3.9 4.7 5.6 6.8 8.2 10. ";
    case Series::E24:
        break;
    }
    return "1.0 1.1 1.2 1.3 1.5 1.6 1.8 2.0 2.2 2.4 2.7 3.0 3.3 3.6 3.9 4.3 4.7 5.1 5.6 6.2 6.8 7.5 8.2 9.1 10. ";
}

std::string_view seriesname(Series s)
{
    switch (s) {
    case Series::E6:
        return "E6";
    case Series::E12:
        return "E12";
    case Series::E24:
        break;
    }
    return "E24";
}

int seriescount(Series s)
{
    return static_cast<int>(seriestext(s).size() / 4);
}

} // namespace velkor
