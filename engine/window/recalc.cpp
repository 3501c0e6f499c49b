// The recalculation: matched Pi and T designs, rounding to preferred values,
// and the analysis of the attenuators built from them, terminated in sysz.
//
// This is the window's own arithmetic, kept apart from the general pads
// (pads.h) on purpose: every caption the window shows follows the
// calculator's closed forms (K = 10^(dB/20), its 0.1 dB return-loss grid, its
// 0.10 W floor) to the character, while the general pads are worked out in
// forms that keep their digits at any attenuation. The command line shows
// the window's captions only where the window itself could show the inputs.

#include "base/checks.h"
#include "window/calc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace velkor {
namespace {

// Theoretical Pi powers below this are shown as this, W. The powers of the
// preferred-value attenuators have no floor.
constexpr double powerfloor = 0.1;

double db20(double ratio) { return 20 * std::log(ratio) / std::log(10.0); }

// Sets rho from the input resistance, and the VSWR from rho.
void reflect(Pad& p, double rin, double z)
{
    const double rho = std::fabs((rin - z) / (rin + z));
    p.rho = rho == 0 ? perfectMatch : rho;   // the window's: only an exact 0 is perfect
    p.vswr = (1 + p.rho) / (1 - p.rho);
}

// Powers in a Pi fed with vin volts (RMS) whose output is vin / k.
Triple pipowers(const Triple& r, double vin, double k)
{
    const double vout = vin / k;
    return {vin * vin / r[0], (vin - vout) * (vin - vout) / r[1], vout * vout / r[2]};
}

// Powers in a T fed with vin volts whose output, loaded by z, is vin / k:
// the centre node stands at vout (R3 + z) / z.
Triple tpowers(const Triple& r, double z, double vin, double k)
{
    const double vout = vin / k;
    const double vc = vout * (r[2] + z) / z;
    return {(vin - vc) * (vin - vc) / r[0], vc * vc / r[1], (vc - vout) * (vc - vout) / r[2]};
}

// The Pi, output terminated in z: the output shunt in parallel with the
// load, in series with R2, all in parallel with the input shunt.
void analysepi(Pad& p, double z, double vin)
{
    const Triple& r = p.preferred;
    const double rp = 1 / (1 / r[2] + 1 / z);
    const double rs = r[1] + rp;
    reflect(p, 1 / (1 / r[0] + 1 / rs), z);
    p.atten = db20(rs / rp);   // R2 and rp divide the input voltage
    p.power = pipowers(r, vin, std::pow(10.0, p.atten / 20));
}

// The T, output terminated in z. Seen from the centre node, the shunt R2 is
// in parallel with R3 plus the load (rc); R1 and rc divide the input
// voltage, then R3 and the load divide the centre-node voltage.
void analyset(Pad& p, double z, double vin)
{
    const Triple& r = p.preferred;
    const double rc = 1 / (1 / r[1] + 1 / (r[2] + z));
    p.atten = db20((z + r[2]) / (z * rc / (rc + r[0])));
    reflect(p, r[0] + rc, z);
    p.power = tpowers(r, z, vin, std::pow(10.0, p.atten / 20));
}

// A reflection of 1 or more shows as a VSWR that is not finite.
bool finite(const Pad& p)
{
    return std::isfinite(p.atten) && std::isfinite(p.vswr) && allFinite(p.power);
}

// Rounds each resistor to the loaded series and takes its code right after
// its own pick, since rescode reads the slot that pick left in idx.
bool prefer(Calc& c, Pad& p)
{
    for (std::size_t i = 0; i < 3; ++i) {
        const double value = c.prefvalue(p.theory[i]);
        if (!allPositive({&value, 1}))
            return false;
        p.preferred[i] = value;
        p.codes[i] = c.rescode(value);
    }
    return true;
}

// The theoretical Pi powers as the window shows them.
Triple floored(Triple p)
{
    for (double& w : p)
        w = std::max(w, powerfloor);
    return p;
}

} // namespace

Captions captionsof(const Evaluation& e)
{
    Captions out;
    const auto at = [&out](Field f, std::size_t offset = 0) -> std::string& {
        return out[static_cast<std::size_t>(f) + offset];
    };
    const Triple thp = floored(e.pi.theorypower);
    for (std::size_t i = 0; i < 3; ++i) {
        at(Field::ThR0, i) = Calc::tidyres(e.pi.theory[i]);
        at(Field::ThR3, i) = Calc::tidyres(e.t.theory[i]);
        at(Field::R1Plabel, i) = e.pi.codes[i];
        at(Field::R1Tlabel, i) = e.t.codes[i];
        at(Field::ThP0, i) = Calc::tidypwr(thp[i]);
        at(Field::RealPR1P, i) = Calc::tidypwr(e.pi.power[i]);
        at(Field::RealPR1T, i) = Calc::tidypwr(e.t.power[i]);
    }
    at(Field::RtnlossP) = rtnlosscaption(e.pi.rho);
    at(Field::rtnlosst) = rtnlosscaption(e.t.rho);
    at(Field::VSWRP) = vswrcaption(e.pi.vswr);
    at(Field::VSWRT) = vswrcaption(e.t.vswr);
    at(Field::TrueAttenT) = attencaption(e.t.atten);
    at(Field::TrueAttenP) = attencaption(e.pi.atten);
    return out;
}

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

std::optional<Evaluation> Calc::evaluate()
{
    // An attenuation of 0 or below, or one so small that K rounds to 1,
    // has no matched design.
    const double k = std::pow(10.0, atten / 20);   // voltage ratio
    if (!(k > 1) || !std::isfinite(k))
        return std::nullopt;
    const double z = sysz;
    const double vin = std::sqrt(pwr * z);   // RMS volts that put pwr into z

    Evaluation e{};
    const Design d = design(k, z);
    e.pi.theory = {d.r1p, d.r2p, d.r3p};
    e.t.theory = {d.r1t, d.r2t, d.r3t};
    if (!allPositive(e.pi.theory) || !allPositive(e.t.theory))
        return std::nullopt;
    e.pi.theorypower = pipowers(e.pi.theory, vin, k);
    if (!allFinite(e.pi.theorypower))
        return std::nullopt;
    const std::int16_t oldidx = idx;
    if (prefer(*this, e.pi) && prefer(*this, e.t)) {
        analyset(e.t, z, vin);
        analysepi(e.pi, z, vin);
        if (finite(e.pi) && finite(e.t))
            return e;
    }
    idx = oldidx;
    return std::nullopt;
}

bool Calc::recalc()
{
    if (pwr == 0)
        pwr = 1;
    // Everything is computed and checked first; captions and state change
    // only once the whole run is known to be finite.
    const std::optional<Evaluation> e = evaluate();
    if (!e)
        return false;
    captions = captionsof(*e);
    std::tie(r1p, r2p, r3p) = std::tuple(e->pi.preferred[0], e->pi.preferred[1], e->pi.preferred[2]);
    std::tie(r1t, r2t, r3t) = std::tuple(e->t.preferred[0], e->t.preferred[1], e->t.preferred[2]);
    rhop = e->pi.rho;
    rhot = e->t.rho;
    return true;
}

} // namespace velkor
