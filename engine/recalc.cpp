// The recalculation: matched Pi and T designs, rounding to preferred values,
// and the analysis of the attenuators built from them, terminated in sysz.

#include "calc.h"

#include <cmath>

namespace velkor {
namespace {

// Theoretical Pi powers below this are shown as this, W.
constexpr double powerfloor = 0.1;

// Stands in for a reflection coefficient of exactly 0, so that a perfect
// match shows -120. dB rather than minus infinity.
constexpr double perfectmatch = 1e-6;

bool usable(double x) { return std::isfinite(x); }
bool usableresistor(double r) { return std::isfinite(r) && r > 0; }

double db20(double ratio) { return 20 * std::log(ratio) / std::log(10.0); }

std::string& at(Captions& c, Field f) { return c[static_cast<std::size_t>(f)]; }

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

    const double z = sysz;
    const double k = std::pow(10.0, atten / 20);   // voltage ratio
    if (!(k > 1) || !std::isfinite(k))
        return false;
    const double vin = std::sqrt(pwr * z);          // RMS volts into z
    const double vout = vin / k;
    const double vd = vin - vout;

    const Design d = design(k, z);
    const double pr1 = d.r1p, pr2 = d.r2p, pr3 = d.r3p;
    const double tr1 = d.r1t, tr2 = d.r2t, tr3 = d.r3t;

    // Powers in the matched Pi.
    double p1 = vin * vin / pr1;
    if (p1 < powerfloor)
        p1 = powerfloor;
    double p2 = vd * vd / pr2;
    if (p2 < powerfloor)
        p2 = powerfloor;
    double p3 = vout * vout / pr3;
    if (p3 < powerfloor)
        p3 = powerfloor;

    double r[6] = {pr1, pr2, pr3, tr1, tr2, tr3};
    for (double v : r)
        if (!usableresistor(v))
            return false;
    if (!usable(p1) || !usable(p2) || !usable(p3))
        return false;

    Captions out;
    at(out, Field::ThR0) = tidyres(pr1);
    at(out, Field::ThP0) = tidypwr(p1);
    at(out, Field::ThR1) = tidyres(pr2);
    at(out, Field::ThP1) = tidypwr(p2);
    at(out, Field::ThR2) = tidyres(pr3);
    at(out, Field::ThP2) = tidypwr(p3);
    at(out, Field::ThR3) = tidyres(tr1);
    at(out, Field::ThR4) = tidyres(tr2);
    at(out, Field::ThR5) = tidyres(tr3);

    // Preferred values, each code right after its own rounding since rescode
    // reads the idx that prefvalue leaves.
    const std::int16_t oldidx = idx;
    for (std::size_t i = 0; i < 6; ++i) {
        r[i] = prefvalue(r[i]);
        if (!usableresistor(r[i])) {
            idx = oldidx;
            return false;
        }
        out[static_cast<std::size_t>(Field::R1Plabel) + i] = rescode(r[i]);
    }
    const double qr1p = r[0], qr2p = r[1], qr3p = r[2];
    const double qr1t = r[3], qr2t = r[4], qr3t = r[5];

    // Preferred T, output terminated in z.
    const double rc = 1 / (1 / qr2t + 1 / (qr3t + z));        // centre node toward the load
    const double rt = (z + qr3t) / (z * rc / (rc + qr1t));    // input over load voltage
    const double at_t = db20(rt);
    const double rint = qr1t + rc;
    double rho_t = (rint - z) / (rint + z);
    if (rho_t == 0)
        rho_t = perfectmatch;
    rho_t = std::fabs(rho_t);
    const double vswr_t = (1 + rho_t) / (1 - rho_t);
    const double lt = fnz(rho_t);

    // Preferred Pi, output terminated in z.
    const double rp = 1 / (1 / qr3p + 1 / z);   // output shunt parallel to the load
    const double rs = qr2p + rp;
    const double rinp = 1 / (1 / qr1p + 1 / rs);
    double rho_p = std::fabs((rinp - z) / (rinp + z));
    if (rho_p == 0)
        rho_p = perfectmatch;
    const double vswr_p = (1 + rho_p) / (1 - rho_p);
    const double lp = fnz(rho_p);
    const double at_p = db20(rs / rp);

    // Powers with the preferred values, fed with pwr from a matched source.
    const double kp = std::pow(10.0, at_p / 20);
    const double voutp = vin / kp;
    const double q1p = vin * vin / qr1p;
    const double q2p = (vin - voutp) * (vin - voutp) / qr2p;
    const double q3p = voutp * voutp / qr3p;

    const double kt = std::pow(10.0, at_t / 20);
    const double voutt = vin / kt;
    const double vc = voutt * (qr3t + z) / z;   // centre-node voltage
    const double q1t = (vin - vc) * (vin - vc) / qr1t;
    const double q2t = vc * vc / qr2t;
    const double q3t = (vc - voutt) * (vc - voutt) / qr3t;

    for (double v : {at_t, at_p, vswr_t, vswr_p, lt, lp, q1p, q2p, q3p, q1t, q2t, q3t})
        if (!usable(v)) {
            idx = oldidx;
            return false;
        }
    if (!(rho_t < 1) || !(rho_p < 1)) {
        idx = oldidx;
        return false;
    }

    at(out, Field::RealPR1P) = tidypwr(q1p);
    at(out, Field::RealPR2P) = tidypwr(q2p);
    at(out, Field::RealPR3P) = tidypwr(q3p);
    at(out, Field::RealPR1T) = tidypwr(q1t);
    at(out, Field::RealPR2T) = tidypwr(q2t);
    at(out, Field::RealPR3T) = tidypwr(q3t);
    at(out, Field::RtnlossP) = rtnlosscaption(lp);
    at(out, Field::rtnlosst) = rtnlosscaption(lt);
    at(out, Field::VSWRP) = vswrcaption(vswr_p);
    at(out, Field::VSWRT) = vswrcaption(vswr_t);
    at(out, Field::TrueAttenT) = attencaption(at_t);
    at(out, Field::TrueAttenP) = attencaption(at_p);

    r1p = qr1p;
    r2p = qr2p;
    r3p = qr3p;
    r1t = qr1t;
    r2t = qr2t;
    r3t = qr3t;
    rhop = rho_p;
    rhot = rho_t;
    captions = std::move(out);
    return true;
}

} // namespace velkor
