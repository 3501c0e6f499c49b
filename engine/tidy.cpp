// Number-to-caption functions for the result fields.

#include "calc.h"
#include "format.h"

#include <cmath>

namespace velkor {

double Calc::fnz(double x)
{
    return std::floor(std::log(x) * 200 / std::log(10.0)) / 10;
}

namespace {

constexpr Pattern respattern = Pattern::parse("###0.0");
constexpr Pattern pwrpattern = Pattern::parse("###0.#0 W");
constexpr Pattern dbpattern = Pattern::parse("##.## dB");
constexpr Pattern vswrpattern = Pattern::parse("#.00");
// The same patterns behind their captions' fixed words, in one pass.
constexpr Pattern rtnlosspattern = Pattern::parse("Rtn Loss ##.## dB");
constexpr Pattern vswrcaptionpattern = Pattern::parse("VSWR #.00");
constexpr Pattern attenpattern = Pattern::parse("Attenuation ##.## dB");

} // namespace

std::string Calc::tidyres(double x) { return formatpattern(x, respattern); }
std::string Calc::tidypwr(double x) { return formatpattern(x, pwrpattern); }
std::string Calc::tidydb(double x) { return formatpattern(x, dbpattern); }
std::string Calc::tidyvswr(double x) { return formatpattern(x, vswrpattern); }
std::string Calc::rtnlosscaption(double db) { return formatpattern(db, rtnlosspattern); }
std::string Calc::vswrcaption(double vswr) { return formatpattern(vswr, vswrcaptionpattern); }
std::string Calc::attencaption(double db) { return formatpattern(db, attenpattern); }

} // namespace velkor
