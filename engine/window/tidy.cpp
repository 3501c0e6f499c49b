// Number-to-caption functions for the result fields.

#include "base/decades.h"
#include "base/format.h"
#include "window/calc.h"

#include <cmath>

namespace velkor {

double Calc::fnz(double x) { return returnLossGrid(x); }

std::string Calc::tidyres(double x) { return formatPattern(x, "###0.0"); }
std::string Calc::tidypwr(double x) { return formatPattern(x, "###0.#0 W"); }
std::string Calc::tidydb(double x) { return formatPattern(x, "##.## dB"); }
std::string Calc::tidyvswr(double x) { return formatPattern(x, "#.00"); }

std::string rtnlosscaption(double rho) { return "Rtn Loss " + Calc::tidydb(Calc::fnz(rho)); }
std::string vswrcaption(double vswr) { return "VSWR " + Calc::tidyvswr(vswr); }
std::string attencaption(double db) { return "Attenuation " + Calc::tidydb(db); }

} // namespace velkor
