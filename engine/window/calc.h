#pragma once
// The calculator's numeric state and the procedures that work on it: the
// matched Pi and T designs, rounding to preferred values, the analysis of the
// preferred-value attenuators, and the text of every result.

#include "base/series.h"
#include "window/fields.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace velkor {

/// Resistor values of the matched Pi and T attenuators, ohms.
struct Design {
    double r1p, r2p, r3p;   ///< Pi: input shunt, series, output shunt
    double r1t, r2t, r3t;   ///< T: input series arm, shunt, output series arm
};

using Triple = std::array<double, 3>;   ///< one value per resistor R1, R2, R3

/// One attenuator of an evaluation, its resistors in the order of the
/// window's drawings: Pi input shunt, series, output shunt; T input series
/// arm, shunt, output series arm.
struct Pad {
    Triple theory;        ///< theoretical values, ohms
    /// W in each theoretical resistor with the input driven by sqrt(pwr * sysz)
    /// volts and the output loaded by sysz; no floor. The window works it out
    /// for the Pi only.
    Triple theorypower;
    Triple preferred;     ///< the theoretical values rounded to the series, ohms
    std::array<std::string, 3> codes;   ///< codes of the preferred values, as rescode writes them
    double atten;         ///< dB, the attenuator built from the preferred values
    double rho;           ///< input reflection coefficient magnitude, (0, 1); 1e-6 stands for 0
    double vswr;          ///< input VSWR, >= 1
    Triple power;         ///< W in each preferred resistor, fed with pwr
};

/// Everything a recalculation works out, as numbers.
struct Evaluation {
    Pad pi, t;
};

/// The return-loss caption of a reflection coefficient magnitude 0 < rho < 1:
/// "Rtn Loss -43.7 dB".
std::string rtnlosscaption(double rho);
/// The VSWR caption: "VSWR 1.01".
std::string vswrcaption(double vswr);
/// The attenuation caption of a value in dB: "Attenuation 6.19 dB".
std::string attencaption(double db);

/// The caption of every result field for an evaluation, as the window shows
/// them (theoretical Pi powers floored at 0.10 W, return losses negative on
/// a 0.1 dB grid).
Captions captionsof(const Evaluation& e);

class Calc {
public:
    // Inputs, written by the window's handlers.
    double atten = 0;   ///< wanted attenuation, dB; a run needs > 0
    double pwr = 0;     ///< input power, W; a run replaces 0 by 1
    double sysz = 0;    ///< system impedance, ohms; a run needs > 0

    // Results of the last complete run. Between the design and the rounding
    // the six resistors hold theoretical values; afterwards preferred ones.
    double r1p = 0;     ///< Pi R1, shunt across the input port, ohms
    double r2p = 0;     ///< Pi R2, series between the ports, ohms
    double r3p = 0;     ///< Pi R3, shunt across the output port, ohms
    double r1t = 0;     ///< T R1, series arm on the input side, ohms
    double r2t = 0;     ///< T R2, shunt from the centre node, ohms
    double r3t = 0;     ///< T R3, series arm on the output side, ohms
    double rhop = 0;    ///< input reflection coefficient magnitude, preferred Pi (0, 1)
    double rhot = 0;    ///< input reflection coefficient magnitude, preferred T (0, 1)
    std::int16_t idx = 0;   ///< slot of the last preferred-value pick

    /// Preferred-value table: slot 0 stays 0; slots 1..n hold the loaded
    /// series; slots above n keep what a longer series left there.
    std::array<double, 31> pvtable{};

    /// Caption of every result field, as the window shows it.
    Captions captions;

    /// Loads E6, E12 or E24 into pvtable slots 1..n, reading each entry as a
    /// number; a longer series leaves the table as it is.
    void loadseries(Series s);

    /// Recalculates every result from atten, pwr, sysz and pvtable and sets
    /// every caption. A run that cannot give a complete set of finite
    /// results (atten <= 0, K rounding to 1, a value leaving the range of a
    /// double, a resistance that is not positive) changes nothing: the
    /// previous results and captions stay. Returns whether the results were
    /// replaced.
    bool recalc();

    /// Works out every result from atten, pwr (> 0), sysz and pvtable as
    /// numbers, all of them finite, without touching the captions or the
    /// stored results; recalc shows what this returns. Nothing when recalc
    /// would decline the run.
    /// Leaves idx at the last pick of a complete evaluation, else unchanged.
    std::optional<Evaluation> evaluate();

    /// Nearest preferred value of the loaded series to `rr` ohms (> 0, finite),
    /// as the double nearest the part's decimal value (820, not 8.2 * 100);
    /// a mantissa exactly half-way between two entries goes up. Sets idx.
    /// The search never passes the entry 10 of the loaded series. Returns
    /// NaN for an argument that is not positive and finite.
    double prefvalue(double rr);

    /// Resistor code of `x`, the value the last prefvalue call returned
    /// (R47, 4R7, 47R, 470R, 4k7 ... 470M; R056 and R0047 below 0.1 ohm;
    /// G and T above 999 megohms; d.dE+nn beyond), padded with leading
    /// blanks to at least four characters. Reads idx and pvtable.
    std::string rescode(double x) const;

    /// Matched Pi and T for a voltage ratio k = 10^(dB/20) > 1 and an
    /// impedance z > 0 ohms.
    static Design design(double k, double z);

    /// Decade exponent of x > 0: floor(ln x / ln 10). May fall one short for
    /// exact powers of ten (1000 gives 2); rescode corrects for that.
    static double fnc(double x);
    /// 10 raised to floor(x), correctly rounded; 0 below the range of a
    /// double, the largest double above it.
    static double fnd(double x);
    /// Return loss in dB on a 0.1 dB grid, rounded down, of a reflection
    /// coefficient magnitude 0 < x < 1: floor(200 log10 x) / 10.
    static double fnz(double x);

    /// Resistance in ohms with one decimal: "47.0", "0.1".
    static std::string tidyres(double x);
    /// Power in W with two decimals: "0.10 W".
    static std::string tidypwr(double x);
    /// Decibels with up to two decimals, point always written: "9.5 dB",
    /// "-120. dB", ".5 dB".
    static std::string tidydb(double x);
    /// VSWR (>= 1) with two decimals: "1.11".
    static std::string tidyvswr(double x);
};

} // namespace velkor
