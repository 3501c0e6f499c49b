// The recalculation: matched Pi and T designs, rounding to preferred values,
// and the analysis of the attenuators built from them, terminated in sysz.

#include "calc.h"
#include "format.h"
#include "patterns.h"

#include <array>
#include <cmath>

namespace velkor {
namespace {

// Theoretical Pi powers below this are shown as this, W.
constexpr double powerfloor = 0.1;

// Stands in for a reflection coefficient of exactly 0, so that a perfect
// match shows -120. dB rather than minus infinity.
constexpr double perfectmatch = 1e-6;

bool usableresistor(double r) { return std::isfinite(r) && r > 0; }

double db20(double ratio) { return 20 * std::log(ratio) / std::log(10.0); }

double floored(double p) { return p < powerfloor ? powerfloor : p; }

// A terminated attenuator as analysed: what its captions show.
struct Analysis {
    double atten;    // dB
    double rho;      // input reflection coefficient magnitude
    double vswr;
    double rtnloss;  // dB, negative
    std::array<double, 3> power;   // W in R1, R2, R3
};

bool usable(const Analysis& a)
{
    for (double v : {a.atten, a.vswr, a.rtnloss, a.power[0], a.power[1], a.power[2]})
        if (!std::isfinite(v))
            return false;
    return a.rho < 1;
}

double reflection(double rin, double z)
{
    const double rho = std::fabs((rin - z) / (rin + z));
    return rho == 0 ? perfectmatch : rho;
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
    if (!(atten > 0))
        return false;

    // Everything is computed and checked first; captions and state change
    // only once the whole run is known to be finite.
    const double z = sysz;
    const double k = std::pow(10.0, atten / 20);   // voltage ratio
    if (!(k > 1) || !std::isfinite(k))
        return false;
    const double vin = std::sqrt(pwr * z);          // RMS volts into z
    const double vout = vin / k;
    const double vd = vin - vout;

    const Design d = design(k, z);
    const std::array<double, 6> theory = {d.r1p, d.r2p, d.r3p, d.r1t, d.r2t, d.r3t};
    const std::array<double, 3> theorypower = {floored(vin * vin / d.r1p), floored(vd * vd / d.r2p),
                                               floored(vout * vout / d.r3p)};
    for (double v : theory)
        if (!usableresistor(v))
            return false;
    for (double v : theorypower)
        if (!std::isfinite(v))
            return false;

    // Preferred values; each pick's slot is kept for its resistor code.
    const std::int16_t oldidx = idx;
    std::array<double, 6> r{};
    std::array<std::int16_t, 6> picks{};
    for (std::size_t i = 0; i < r.size(); ++i) {
        r[i] = prefvalue(theory[i]);
        picks[i] = idx;
        if (!usableresistor(r[i])) {
            idx = oldidx;
            return false;
        }
    }
    const double p1 = r[0], p2 = r[1], p3 = r[2];
    const double t1 = r[3], t2 = r[4], t3 = r[5];

    // Preferred T, output terminated in z.
    Analysis t{};
    const double rc = 1 / (1 / t2 + 1 / (t3 + z));        // centre node toward the load
    t.atten = db20((z + t3) / (z * rc / (rc + t1)));       // input over load voltage
    t.rho = reflection(t1 + rc, z);
    // Preferred Pi, output terminated in z.
    Analysis p{};
    const double rp = 1 / (1 / p3 + 1 / z);   // output shunt parallel to the load
    const double rs = p2 + rp;
    p.rho = reflection(1 / (1 / p1 + 1 / rs), z);
    p.atten = db20(rs / rp);
    for (Analysis* a : {&t, &p}) {
        a->vswr = (1 + a->rho) / (1 - a->rho);
        a->rtnloss = fnz(a->rho);
    }

    // Powers with the preferred values, fed with pwr from a matched source.
    const double voutp = vin / std::pow(10.0, p.atten / 20);
    p.power = {vin * vin / p1, (vin - voutp) * (vin - voutp) / p2, voutp * voutp / p3};
    const double voutt = vin / std::pow(10.0, t.atten / 20);
    const double vc = voutt * (t3 + z) / z;   // centre-node voltage
    t.power = {(vin - vc) * (vin - vc) / t1, vc * vc / t2, (vc - voutt) * (vc - voutt) / t3};

    if (!usable(p) || !usable(t)) {
        idx = oldidx;
        return false;
    }

    // The run is complete: show it.
    const auto slot = [](Field f) { return static_cast<std::size_t>(f); };
    const auto show = [this](std::size_t at, double x, const Pattern& pattern) {
        formatpattern(x, pattern, captions[at]);
    };
    for (std::size_t i = 0; i < 6; ++i)
        show(slot(Field::ThR0) + i, theory[i], patterns::res);
    for (std::size_t i = 0; i < 3; ++i) {
        show(slot(Field::ThP0) + i, theorypower[i], patterns::pwr);
        show(slot(Field::RealPR1P) + i, p.power[i], patterns::pwr);
        show(slot(Field::RealPR1T) + i, t.power[i], patterns::pwr);
    }
    for (std::size_t i = 0; i < 6; ++i) {
        idx = picks[i];   // rescode reads the slot its own pick left
        captions[slot(Field::R1Plabel) + i] = rescode(r[i]);
    }
    show(slot(Field::RtnlossP), p.rtnloss, patterns::rtnloss);
    show(slot(Field::rtnlosst), t.rtnloss, patterns::rtnloss);
    show(slot(Field::VSWRP), p.vswr, patterns::vswrcaption);
    show(slot(Field::VSWRT), t.vswr, patterns::vswrcaption);
    show(slot(Field::TrueAttenT), t.atten, patterns::atten);
    show(slot(Field::TrueAttenP), p.atten, patterns::atten);

    r1p = p1;
    r2p = p2;
    r3p = p3;
    r1t = t1;
    r2t = t2;
    r3t = t3;
    rhop = p.rho;
    rhot = t.rho;
    return true;
}

} // namespace velkor
