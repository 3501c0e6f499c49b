// The recalculation: matched Pi and T designs, rounding to preferred values,
// and the analysis of the attenuators built from them, terminated in sysz.

#include "calc.h"

#include <array>
#include <cmath>

namespace velkor {
namespace {

// Theoretical Pi powers below this are shown as this, W. The powers of the
// preferred-value attenuators have no floor.
constexpr double powerfloor = 0.1;

// Stands in for a reflection coefficient of exactly 0, so that a perfect
// match shows -120. dB rather than minus infinity.
constexpr double perfectmatch = 1e-6;

// The six resistors in the order the captions list them: Pi R1..R3, T R1..R3.
constexpr std::array<double Design::*, 6> resistors = {
    &Design::r1p, &Design::r2p, &Design::r3p, &Design::r1t, &Design::r2t, &Design::r3t,
};

using Powers = std::array<double, 3>;   // W in R1, R2, R3

// What an attenuator built from preferred values does, terminated in z.
struct Analysis {
    double atten;     // dB
    double rho;       // input reflection coefficient magnitude, (0, 1)
    double vswr;
    double rtnloss;   // dB, negative
    Powers power;
};

// Everything one run shows, computed before any of it is shown.
struct Run {
    Design theory;
    Powers theorypower;   // floored
    Design preferred;
    std::array<std::string, 6> codes;
    Analysis pi, t;
};

bool positive(double r) { return std::isfinite(r) && r > 0; }

double db20(double ratio) { return 20 * std::log(ratio) / std::log(10.0); }

double reflection(double rin, double z)
{
    const double rho = std::fabs((rin - z) / (rin + z));
    return rho == 0 ? perfectmatch : rho;
}

void finish(Analysis& a)
{
    a.vswr = (1 + a.rho) / (1 - a.rho);
    a.rtnloss = Calc::fnz(a.rho);
}

// A reflection of 1 or more shows as a VSWR that is not finite.
bool finite(const Analysis& a)
{
    for (double v : {a.atten, a.vswr, a.rtnloss, a.power[0], a.power[1], a.power[2]})
        if (!std::isfinite(v))
            return false;
    return true;
}

// Powers in a Pi fed with vin volts (RMS) whose output is vin / k.
Powers pipowers(const Design& r, double vin, double k)
{
    const double vout = vin / k;
    return {vin * vin / r.r1p, (vin - vout) * (vin - vout) / r.r2p, vout * vout / r.r3p};
}

// The Pi, output terminated in z: the output shunt in parallel with the
// load, in series with R2, all in parallel with the input shunt.
Analysis analysepi(const Design& r, double z, double vin)
{
    Analysis a{};
    const double rp = 1 / (1 / r.r3p + 1 / z);
    const double rs = r.r2p + rp;
    a.rho = reflection(1 / (1 / r.r1p + 1 / rs), z);
    a.atten = db20(rs / rp);   // R2 and rp divide the input voltage
    finish(a);
    a.power = pipowers(r, vin, std::pow(10.0, a.atten / 20));
    return a;
}

// The T, output terminated in z. Seen from the centre node, the shunt R2 is
// in parallel with R3 plus the load (rc); R1 and rc divide the input
// voltage, then R3 and the load divide the centre-node voltage.
Analysis analyset(const Design& r, double z, double vin)
{
    Analysis a{};
    const double rc = 1 / (1 / r.r2t + 1 / (r.r3t + z));
    a.atten = db20((z + r.r3t) / (z * rc / (rc + r.r1t)));
    a.rho = reflection(r.r1t + rc, z);
    finish(a);
    const double vout = vin / std::pow(10.0, a.atten / 20);
    const double vc = vout * (r.r3t + z) / z;   // centre-node voltage
    a.power = {(vin - vc) * (vin - vc) / r.r1t, vc * vc / r.r2t, (vc - vout) * (vc - vout) / r.r3t};
    return a;
}

// Rounds each resistor to the loaded series and takes its code right after
// its own pick, since rescode reads the slot that pick left in idx.
bool prefer(Calc& c, Run& run)
{
    for (std::size_t i = 0; i < resistors.size(); ++i) {
        const double value = c.prefvalue(run.theory.*resistors[i]);
        if (!positive(value))
            return false;
        run.preferred.*resistors[i] = value;
        run.codes[i] = c.rescode(value);
    }
    return true;
}

void show(Captions& out, const Run& run)
{
    const auto at = [&out](Field f, std::size_t offset = 0) -> std::string& {
        return out[static_cast<std::size_t>(f) + offset];
    };
    for (std::size_t i = 0; i < resistors.size(); ++i) {
        at(Field::ThR0, i) = Calc::tidyres(run.theory.*resistors[i]);
        at(Field::R1Plabel, i) = run.codes[i];
    }
    for (std::size_t i = 0; i < 3; ++i) {
        at(Field::ThP0, i) = Calc::tidypwr(run.theorypower[i]);
        at(Field::RealPR1P, i) = Calc::tidypwr(run.pi.power[i]);
        at(Field::RealPR1T, i) = Calc::tidypwr(run.t.power[i]);
    }
    at(Field::RtnlossP) = "Rtn Loss " + Calc::tidydb(run.pi.rtnloss);
    at(Field::rtnlosst) = "Rtn Loss " + Calc::tidydb(run.t.rtnloss);
    at(Field::VSWRP) = "VSWR " + Calc::tidyvswr(run.pi.vswr);
    at(Field::VSWRT) = "VSWR " + Calc::tidyvswr(run.t.vswr);
    at(Field::TrueAttenT) = "Attenuation " + Calc::tidydb(run.t.atten);
    at(Field::TrueAttenP) = "Attenuation " + Calc::tidydb(run.pi.atten);
}

} // namespace

Design Calc::design(double k, double z)
{
    Design d{};
    d.r1p = z * (k + 1) / (k - 1);
    d.r2p = z * (k * k - 1) / (2 * k);
    d.r3p = d.r1p;
    d.r1t = z * (k - 1) / (k + 1);
    d.r3t = d.r1t;
    d.r2t = 2 * z * k / (k * k - 1);
    return d;
}

bool Calc::recalc()
{
    if (pwr == 0)
        pwr = 1;
    // An attenuation of 0 or below, or one so small that K rounds to 1,
    // has no matched design.
    const double k = std::pow(10.0, atten / 20);   // voltage ratio
    if (!(k > 1) || !std::isfinite(k))
        return false;
    const double z = sysz;
    const double vin = std::sqrt(pwr * z);   // RMS volts that put pwr into z

    // Everything is computed and checked first; captions and state change
    // only once the whole run is known to be finite.
    Run run{};
    run.theory = design(k, z);
    for (double Design::*r : resistors)
        if (!positive(run.theory.*r))
            return false;
    run.theorypower = pipowers(run.theory, vin, k);
    for (double& p : run.theorypower) {
        if (!std::isfinite(p))
            return false;
        if (p < powerfloor)
            p = powerfloor;
    }
    const std::int16_t oldidx = idx;
    if (!prefer(*this, run)) {
        idx = oldidx;
        return false;
    }
    run.t = analyset(run.preferred, z, vin);
    run.pi = analysepi(run.preferred, z, vin);
    if (!finite(run.pi) || !finite(run.t)) {
        idx = oldidx;
        return false;
    }

    show(captions, run);
    r1p = run.preferred.r1p;
    r2p = run.preferred.r2p;
    r3p = run.preferred.r3p;
    r1t = run.preferred.r1t;
    r2t = run.preferred.r2t;
    r3t = run.preferred.r3t;
    rhop = run.pi.rho;
    rhot = run.t.rho;
    return true;
}

} // namespace velkor
