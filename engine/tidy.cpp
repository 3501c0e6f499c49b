// Number-to-caption functions for the result fields.

#include "calc.h"
#include "format.h"
#include "patterns.h"

#include <cmath>

namespace velkor {

double Calc::fnz(double x)
{
    return std::floor(std::log(x) * 200 / std::log(10.0)) / 10;
}

std::string Calc::tidyres(double x) { return formatpattern(x, patterns::res); }
std::string Calc::tidypwr(double x) { return formatpattern(x, patterns::pwr); }
std::string Calc::tidydb(double x) { return formatpattern(x, patterns::db); }
std::string Calc::tidyvswr(double x) { return formatpattern(x, patterns::vswr); }

} // namespace velkor
