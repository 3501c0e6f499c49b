// Number-to-caption functions for the result fields.

#include "calc.h"
#include "decades.h"
#include "format.h"

#include <cmath>

namespace velkor {

double Calc::fnz(double x) { return returnLossGrid(x); }

std::string Calc::tidyres(double x) { return formatpattern(x, "###0.0"); }
std::string Calc::tidypwr(double x) { return formatpattern(x, "###0.#0 W"); }
std::string Calc::tidydb(double x) { return formatpattern(x, "##.## dB"); }
std::string Calc::tidyvswr(double x) { return formatpattern(x, "#.00"); }

std::string rtnlosscaption(double rho) { return "Rtn Loss " + Calc::tidydb(Calc::fnz(rho)); }
std::string vswrcaption(double vswr) { return "VSWR " + Calc::tidyvswr(vswr); }
std::string attencaption(double db) { return "Attenuation " + Calc::tidydb(db); }

} // namespace velkor
