#include "padkinds.h"

#include "checks.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velkor {
namespace {

constexpr double decibelspernep = 20 / std::numbers::ln10;

std::optional<Values> checked(Values r)
{
    if (!allpositive(r))
        return std::nullopt;
    return r;
}

std::string_view anyports(Ports) { return {}; }
std::string_view equalonly(Ports p) { return p.zin == p.zout ? "" : "equal impedances only"; }
std::string_view unequalonly(Ports p) { return p.zin != p.zout ? "" : "unequal impedances only"; }

// x = dB ln(10) / 20, so that the voltage ratio is K = e^x. Each form below
// is the textbook one rewritten without a difference of nearly equal
// numbers: K - 1 = expm1(x), (K^2 - 1) / 2K = sinh x, and
// cosh x - sqrt(zb / za) = 2 sinh^2(x/2) + (za - zb) / (za + sqrt(za zb)).
struct Hyperbolic {
    double sinhx, mean;
    double halfsquared;   // 2 sinh^2(x/2) = cosh x - 1
    // cosh x - sqrt(zb / za)
    double excess(double za, double zb) const { return halfsquared + (za - zb) / (za + std::sqrt(za * zb)); }
};

std::optional<Hyperbolic> hyperbolic(double db, Ports p)
{
    if (!(db > minimumattenuation(p)))
        return std::nullopt;
    const double x = db / decibelspernep, half = std::sinh(x / 2);
    return Hyperbolic{std::sinh(x), std::sqrt(p.zin * p.zout), 2 * half * half};
}

std::optional<Values> pidesign(double db, Ports p)
{
    const std::optional<Hyperbolic> h = hyperbolic(db, p);
    if (!h)
        return std::nullopt;
    return checked({p.zin * h->sinhx / h->excess(p.zout, p.zin), h->mean * h->sinhx,
                    p.zout * h->sinhx / h->excess(p.zin, p.zout)});
}

std::optional<Values> tdesign(double db, Ports p)
{
    const std::optional<Hyperbolic> h = hyperbolic(db, p);
    if (!h)
        return std::nullopt;
    return checked({p.zin * h->excess(p.zin, p.zout) / h->sinhx, h->mean / h->sinhx,
                    p.zout * h->excess(p.zout, p.zin) / h->sinhx});
}

std::optional<Values> bridgedtdesign(double db, Ports p)
{
    const double x = db / decibelspernep;
    if (p.zin != p.zout || !(x > 0))
        return std::nullopt;
    const double km1 = std::expm1(x);   // K - 1
    return checked({p.zin, p.zin, p.zin * km1, p.zin / km1});
}

std::optional<Values> lpaddesign(double, Ports p)
{
    if (p.zin == p.zout)
        return std::nullopt;
    const double zh = std::max(p.zin, p.zout), zl = std::min(p.zin, p.zout);
    return checked({std::sqrt(zh * (zh - zl)), zl * std::sqrt(zh / (zh - zl))});
}

const std::vector<PadDescription> kinds = {
    {PadKind::pi, "pi", "Pi", "Pi", "Pi",
     {{"R1", "input shunt", in, ground}, {"R2", "series", in, out}, {"R3", "output shunt", out, ground}},
     std::nullopt, true, anyports, pidesign},
    {PadKind::t, "t", "T", "T", "T",
     {{"R1", "input arm", in, junction}, {"R2", "shunt", junction, ground},
      {"R3", "output arm", junction, out}},
     std::nullopt, true, anyports, tdesign},
    {PadKind::bridgedt, "bridged_t", "Bridged-T", "Bridged-T", "bridged-T",
     {{"arm in", "arm in", in, junction}, {"arm out", "arm out", junction, out},
      {"bridge", "bridge", in, out}, {"shunt", "shunt", junction, ground}},
     1, true, equalonly, bridgedtdesign},
    // The series arm on the higher-impedance side, the shunt across the lower.
    {PadKind::lpad, "l_pad", "Minimum-loss L-pad", "L-pad", "L-pad",
     {{"series", "series", in, out}, {"shunt", "shunt", lowside, ground}},
     std::nullopt, false, unequalonly, lpaddesign},
};

} // namespace

std::span<const PadDescription> padkinds() { return kinds; }

const PadDescription& describe(PadKind k)
{
    return *std::find_if(kinds.begin(), kinds.end(), [k](const PadDescription& d) { return d.kind == k; });
}

std::optional<PadKind> kindbykey(std::string_view key)
{
    for (const PadDescription& d : kinds)
        if (d.key == key)
            return d.kind;
    return std::nullopt;
}

Node place(Node n, Ports p)
{
    if (n != lowside)
        return n;
    return p.zin > p.zout ? out : in;
}

double minimumattenuation(Ports p)
{
    // 20 log10(sqrt(r) + sqrt(r - 1)) with r - 1 taken from the difference
    // of the impedances themselves.
    const double low = std::min(p.zin, p.zout);
    return decibelspernep * std::asinh(std::sqrt((std::max(p.zin, p.zout) - low) / low));
}

} // namespace velkor
