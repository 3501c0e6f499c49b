#include "padkinds.h"

#include "checks.h"
#include "nodal.h"

#include <algorithm>
#include <cmath>

namespace velkor {
namespace {


std::optional<Values> checked(Values r)
{
    if (!allPositive(r))
        return std::nullopt;
    return r;
}

std::string_view anyPorts(Ports) { return {}; }
std::string_view equalOnly(Ports p) { return p.zin == p.zout ? "" : "equal impedances only"; }
std::string_view unequalOnly(Ports p) { return p.zin != p.zout ? "" : "unequal impedances only"; }

// x = dB ln(10) / 20, so that the voltage ratio is K = e^x. Each form below
// is the textbook one rewritten without a difference of nearly equal
// numbers: K - 1 = expm1(x), (K^2 - 1) / 2K = sinh x, and
// cosh x - sqrt(zb / za) = 2 sinh^2(x/2) + (za - zb) / (za + sqrt(za zb)).
struct Hyperbolic {
    double sinhX, mean;
    double halfSquared;   // 2 sinh^2(x/2) = cosh x - 1
    // cosh x - sqrt(zb / za)
    double excess(double za, double zb) const { return halfSquared + (za - zb) / (za + std::sqrt(za * zb)); }
};

std::optional<Hyperbolic> hyperbolic(double db, Ports p)
{
    if (!(db > minimumAttenuation(p)))
        return std::nullopt;
    const double x = db / decibelsPerNeper, half = std::sinh(x / 2);
    return Hyperbolic{std::sinh(x), std::sqrt(p.zin * p.zout), 2 * half * half};
}

std::optional<Values> piDesign(double db, Ports p)
{
    const std::optional<Hyperbolic> h = hyperbolic(db, p);
    if (!h)
        return std::nullopt;
    return checked({p.zin * h->sinhX / h->excess(p.zout, p.zin), h->mean * h->sinhX,
                    p.zout * h->sinhX / h->excess(p.zin, p.zout)});
}

std::optional<Values> tDesign(double db, Ports p)
{
    const std::optional<Hyperbolic> h = hyperbolic(db, p);
    if (!h)
        return std::nullopt;
    return checked({p.zin * h->excess(p.zin, p.zout) / h->sinhX, h->mean / h->sinhX,
                    p.zout * h->excess(p.zout, p.zin) / h->sinhX});
}

std::optional<Values> bridgedTDesign(double db, Ports p)
{
    const double x = db / decibelsPerNeper;
    if (p.zin != p.zout || !(x > 0))
        return std::nullopt;
    const double km1 = std::expm1(x);   // K - 1
    return checked({p.zin, p.zin, p.zin * km1, p.zin / km1});
}

// A single resistor of a given insertion loss: 2 sqrt(Zin Zout) K - Zin -
// Zout, written as 2 sqrt(Zin Zout) (K - 1) - (sqrt Zin - sqrt Zout)^2;
// the series resistor is that many ohms, the shunt that many siemens times
// Zin Zout. Between equal impedances it is 2 Z expm1(x).
std::optional<double> excessOhms(double db, Ports p)
{
    if (!(db > mismatchLoss(p)))
        return std::nullopt;
    const double x = db / decibelsPerNeper, rootDifference = std::sqrt(p.zin) - std::sqrt(p.zout);
    return 2 * std::sqrt(p.zin * p.zout) * std::expm1(x) - rootDifference * rootDifference;
}

std::optional<Values> seriesResistorDesign(double db, Ports p)
{
    const std::optional<double> ohms = excessOhms(db, p);
    return ohms ? checked({*ohms}) : std::nullopt;
}

std::optional<Values> shuntResistorDesign(double db, Ports p)
{
    const std::optional<double> ohms = excessOhms(db, p);
    return ohms ? checked({p.zin * p.zout / *ohms}) : std::nullopt;
}

// L-pads of a given loss between equal impedances, matched at their input
// only, with K = e^x: series Z (K - 1) / K and shunt Z / (K - 1) with the
// shunt across the output, or series Z (K - 1) and shunt Z K / (K - 1) with
// it across the input.
std::optional<Values> lPadSeriesFirstDesign(double db, Ports p)
{
    const double x = db / decibelsPerNeper;
    if (p.zin != p.zout || !(x > 0))
        return std::nullopt;
    return checked({-p.zin * std::expm1(-x), p.zin / std::expm1(x)});
}

std::optional<Values> lPadShuntFirstDesign(double db, Ports p)
{
    const double x = db / decibelsPerNeper;
    if (p.zin != p.zout || !(x > 0))
        return std::nullopt;
    return checked({p.zin * std::expm1(x), p.zin / -std::expm1(-x)});
}

double noLeastLoss(Ports) { return 0; }

std::optional<Values> lPadDesign(double, Ports p)
{
    if (p.zin == p.zout)
        return std::nullopt;
    const double zh = std::max(p.zin, p.zout), zl = std::min(p.zin, p.zout);
    return checked({std::sqrt(zh * (zh - zl)), zl * std::sqrt(zh / (zh - zl))});
}

const std::vector<PadDescription> kinds = {
    {PadKind::pi, "pi", "Pi", "Pi", "Pi",
     {{"R1", "input shunt", in, ground}, {"R2", "series", in, out}, {"R3", "output shunt", out, ground}},
     std::nullopt, true, false,
     {{{{1, 0}, {1, 2}}, {{1, 0}, {3, 0}}, {{3, 0}, {3, 2}}},
      {{{0, 0}, {1, 0}}, {{3, 0}, {4, 0}}, {{0, 2}, {4, 2}}}, {0, 0}, {4, 0}, {2, 2}},
     anyPorts, minimumAttenuation, piDesign},
    {PadKind::t, "t", "T", "T", "T",
     {{"R1", "input arm", in, junction}, {"R2", "shunt", junction, ground},
      {"R3", "output arm", junction, out}},
     std::nullopt, true, false,
     {{{{0, 0}, {2, 0}}, {{2, 0}, {2, 2}}, {{2, 0}, {4, 0}}}, {{{0, 2}, {4, 2}}}, {0, 0}, {4, 0}, {2, 2}},
     anyPorts, minimumAttenuation, tDesign},
    {PadKind::bridgedt, "bridged_t", "Bridged-T", "Bridged-T", "bridged-T",
     {{"arm in", "arm in", in, junction}, {"arm out", "arm out", junction, out},
      {"bridge", "bridge", in, out}, {"shunt", "shunt", junction, ground}},
     1, true, false,
     {{{{0, 1}, {2, 1}}, {{2, 1}, {4, 1}}, {{1, 0}, {3, 0}}, {{2, 1}, {2, 3}}},
      {{{0, 1}, {0, 0}}, {{0, 0}, {1, 0}}, {{3, 0}, {4, 0}}, {{4, 0}, {4, 1}}, {{0, 3}, {4, 3}}},
      {0, 1}, {4, 1}, {2, 3}},
     equalOnly, noLeastLoss, bridgedTDesign},
    // The series arm on the higher-impedance side, the shunt across the lower.
    {PadKind::lpad, "l_pad", "Minimum-loss L-pad", "L-pad", "L-pad",
     {{"series", "series", in, out}, {"shunt", "shunt", lowside, ground}},
     std::nullopt, false, false,
     {{{{0, 0}, {2, 0}}, {{2, 0}, {2, 2}}}, {{{2, 0}, {3, 0}}, {{0, 2}, {3, 2}}}, {0, 0}, {3, 0}, {1, 2}},
     unequalOnly, noLeastLoss, lPadDesign},
    // Designed for their insertion loss, which for these unmatched pads is
    // not their attenuation.
    {PadKind::seriesResistor, "series_r", "Series resistor", "Series resistor", "series resistor",
     {{"series", "series", in, out}},
     std::nullopt, true, false,
     {{{{0, 0}, {2, 0}}}, {{{0, 2}, {2, 2}}}, {0, 0}, {2, 0}, {1, 2}},
     anyPorts, mismatchLoss, seriesResistorDesign},
    {PadKind::shuntResistor, "shunt_r", "Shunt resistor", "Shunt resistor", "shunt resistor",
     {{"shunt", "shunt", in, ground}},
     std::nullopt, true, true,
     {{{{1, 0}, {1, 2}}}, {{{0, 0}, {2, 0}}, {{0, 2}, {2, 2}}}, {0, 0}, {2, 0}, {1, 2}},
     anyPorts, mismatchLoss, shuntResistorDesign},
    {PadKind::lPadSeriesFirst, "l_pad_series", "L-pad of a given loss, series first",
     "L-pad, series first", "L-pad, series first",
     {{"series", "series", in, out}, {"shunt", "shunt", out, ground}},
     std::nullopt, true, false,
     {{{{0, 0}, {2, 0}}, {{2, 0}, {2, 2}}}, {{{2, 0}, {3, 0}}, {{0, 2}, {3, 2}}}, {0, 0}, {3, 0}, {1, 2}},
     equalOnly, noLeastLoss, lPadSeriesFirstDesign},
    {PadKind::lPadShuntFirst, "l_pad_shunt", "L-pad of a given loss, shunt first",
     "L-pad, shunt first", "L-pad, shunt first",
     {{"series", "series", in, out}, {"shunt", "shunt", in, ground}},
     std::nullopt, true, false,
     {{{{1, 0}, {3, 0}}, {{1, 0}, {1, 2}}}, {{{0, 0}, {1, 0}}, {{0, 2}, {3, 2}}}, {0, 0}, {3, 0}, {2, 2}},
     equalOnly, noLeastLoss, lPadShuntFirstDesign},
};

} // namespace

std::span<const PadDescription> padKinds() { return kinds; }

const PadDescription& describe(PadKind k)
{
    return *std::find_if(kinds.begin(), kinds.end(), [k](const PadDescription& d) { return d.kind == k; });
}

std::optional<PadKind> kindByKey(std::string_view key)
{
    for (const PadDescription& d : kinds)
        if (d.key == key)
            return d.kind;
    return std::nullopt;
}

Drawing drawn(PadKind k, Ports p)
{
    const PadDescription& d = describe(k);
    Drawing out = d.drawing;
    const bool lowinput = std::any_of(d.resistors.begin(), d.resistors.end(), [p](const Resistor& r) {
        return (r.a == lowside || r.b == lowside) && place(lowside, p) == in;
    });
    if (!lowinput)
        return out;
    // Mirrored left to right, so that the low side stands at the input.
    const int width = d.drawing.out.x;
    const auto mirror = [width](GridPoint& g) { g.x = width - g.x; };
    for (std::vector<Stroke>* strokes : {&out.resistors, &out.wires})
        for (Stroke& s : *strokes) {
            mirror(s.from);
            mirror(s.to);
        }
    mirror(out.ground);
    std::swap(out.in, out.out);
    mirror(out.in);
    mirror(out.out);
    return out;
}

Node place(Node n, Ports p)
{
    if (n != lowside)
        return n;
    return p.zin > p.zout ? out : in;
}

Node outputNode(PadKind k) { return describe(k).through ? in : out; }

double mismatchLoss(Ports p)
{
    // 10 log10(1 + (Zin - Zout)^2 / (4 Zin Zout)), from the difference itself.
    const double difference = p.zin - p.zout;
    return decibelsPerNeper / 2 * std::log1p(difference * difference / (4 * p.zin * p.zout));
}

double minimumAttenuation(Ports p)
{
    // 20 log10(sqrt(r) + sqrt(r - 1)) with r - 1 taken from the difference
    // of the impedances themselves.
    const double low = std::min(p.zin, p.zout);
    return decibelsPerNeper * std::asinh(std::sqrt((std::max(p.zin, p.zout) - low) / low));
}

} // namespace velkor
