// Pads between any two impedances, analysed from the node voltages of the
// loaded network.

#include "pads.h"

#include "nodal.h"
#include "parts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace velkor {
namespace {

// A reflection below this is written as a perfect match, 120 dB: the
// analysis of a matched pad leaves one of a few parts in 10^16, and no
// instrument tells a return loss past 120 dB from a perfect one.
constexpr double perfectmatch = 1e-6;

// The pad's nodes: ground, the two ports, and the junction inside a T or a
// bridged-T.
enum Node : int { ground, in, out, mid };
using Place = std::pair<Node, Node>;
using Topology = std::vector<Place>;

// Where each resistor of a pad sits, in the kind's order.
Topology topology(PadKind k, Ports p)
{
    switch (k) {
    case PadKind::pi: return {{in, ground}, {in, out}, {out, ground}};
    case PadKind::t: return {{in, mid}, {mid, ground}, {mid, out}};
    case PadKind::bridgedt: return {{in, mid}, {mid, out}, {in, out}, {mid, ground}};
    case PadKind::lpad:   // the series arm on the higher-impedance side
        if (p.zin > p.zout)
            return {{in, out}, {out, ground}};
        return {{in, out}, {in, ground}};
    }
    return {};
}

// The network with `driven` held at 1 V and the other port loaded by `load`
// ohms.
NodeVoltages solve(const Topology& top, const Values& r, Node driven, double load)
{
    std::vector<Branch> branches;
    branches.reserve(top.size() + 1);
    int nodes = out + 1;   // a Pi or an L-pad has no junction
    for (std::size_t k = 0; k < top.size(); ++k) {
        branches.push_back({top[k].first, top[k].second, 1 / r[k]});
        nodes = std::max({nodes, top[k].first + 1, top[k].second + 1});
    }
    branches.push_back({driven == in ? out : in, ground, 1 / load});
    return solvenodes(nodes, branches, driven);
}

double reflection(double r, double z)
{
    const double rho = std::fabs((r - z) / (r + z));
    return rho < perfectmatch ? perfectmatch : rho;
}

double vswr(double rho) { return (1 + rho) / (1 - rho); }

constexpr double decibelspernep = 20 / std::numbers::ln10;

// The forward part of the analysis: attenuation, insertion loss, input
// reflection, powers. The losses come from log1p of their small parts, so
// that a pad of a billionth of a dB keeps its digits.
void forward(Response& a, const Topology& top, const Values& r, Ports p, double pwr)
{
    const NodeVoltages s = solve(top, r, in, p.zout);
    const double impedances = 10 * std::log10(p.zout / p.zin);
    // Vin / Vout = 1 + drop(out) / V(out).
    const double voltageratio = decibelspernep * logabsoneplus(s.drop[out] / s.volts[out]);
    a.atten = voltageratio + impedances;
    a.inputohm = 1 / s.current.real();
    // S21 = 2 (Vout / Es) sqrt(zin / zout) with Es = Vin (1 + zin / Rin):
    // the insertion loss is the attenuation plus 20 log10 |(1 + zin / Rin) / 2|.
    const double sourcefactor = (p.zin - a.inputohm) / (2 * a.inputohm);
    a.insertionloss = voltageratio + decibelspernep * std::log1p(sourcefactor) + impedances;
    a.rho = reflection(a.inputohm, p.zin);
    a.vswr = vswr(a.rho);
    a.returnloss = -20 * std::log10(a.rho);
    a.power.resize(r.size());
    for (std::size_t k = 0; k < r.size(); ++k)
        a.power[k] = pwr * p.zin * std::norm(s.across(top[k].first, top[k].second)) / r[k];
}

bool positive(const Values& r)
{
    return std::all_of(r.begin(), r.end(), [](double x) { return std::isfinite(x) && x > 0; });
}

bool finite(const Values& v)
{
    return std::all_of(v.begin(), v.end(), [](double x) { return std::isfinite(x); });
}

bool finite(const PadResult& p)
{
    const Response& b = p.built;
    const WorstCase& w = p.worst;
    return positive(p.preferred) && finite(p.theorypower) && finite(b.power) && finite(w.power) &&
           finite({b.atten, b.vswr, b.returnloss, b.outreturnloss, b.insertionloss, w.attenlow,
                   w.attenhigh, w.vswr, w.returnloss});
}

} // namespace

std::string_view padname(PadKind k)
{
    constexpr std::array<std::string_view, 4> names = {"pi", "t", "bridged_t", "l_pad"};
    return names[static_cast<std::size_t>(k)];
}

double minimumattenuation(Ports p)
{
    // 20 log10(sqrt(r) + sqrt(r - 1)) with r - 1 taken from the difference
    // of the impedances themselves.
    const double low = std::min(p.zin, p.zout);
    return decibelspernep * std::asinh(std::sqrt((std::max(p.zin, p.zout) - low) / low));
}

// x = dB ln(10) / 20, so that the voltage ratio is e^x. Each form below is
// the textbook one (K = e^x) rewritten without a difference of nearly equal
// numbers: K - 1 = expm1(x), (K^2 - 1) / 2K = sinh x, and
// cosh x - sqrt(zb / za) = 2 sinh^2(x/2) + (za - zb) / (za + sqrt(za zb)).
std::optional<Values> design(PadKind k, double db, Ports p)
{
    const double zin = p.zin, zout = p.zout;
    const double x = db / decibelspernep;
    Values r;
    if (k == PadKind::lpad) {
        if (zin == zout)
            return std::nullopt;
        const double zh = std::max(zin, zout), zl = std::min(zin, zout);
        r = {std::sqrt(zh * (zh - zl)), zl * std::sqrt(zh / (zh - zl))};
    } else if (k == PadKind::bridgedt) {
        if (zin != zout || !(x > 0))
            return std::nullopt;
        const double km1 = std::expm1(x);   // K - 1
        r = {zin, zin, zin * km1, zin / km1};
    } else {
        if (!(db > minimumattenuation(p)))
            return std::nullopt;
        const double sinhx = std::sinh(x), sinhhalf = std::sinh(x / 2);
        const double mean = std::sqrt(zin * zout);
        // cosh x - sqrt(zb / za)
        const auto excess = [&](double za, double zb) {
            return 2 * sinhhalf * sinhhalf + (za - zb) / (za + std::sqrt(za * zb));
        };
        if (k == PadKind::pi)
            r = {zin * sinhx / excess(zout, zin), mean * sinhx, zout * sinhx / excess(zin, zout)};
        else
            r = {zin * excess(zin, zout) / sinhx, mean / sinhx, zout * excess(zout, zin) / sinhx};
    }
    if (!positive(r))
        return std::nullopt;
    return r;
}

Response analyse(PadKind k, const Values& r, Ports p, double pwr)
{
    const Topology top = topology(k, p);
    Response a{};
    forward(a, top, r, p, pwr);
    // Driven from the output, the input loaded by zin.
    a.outputohm = 1 / solve(top, r, out, p.zin).current.real();
    a.outrho = reflection(a.outputohm, p.zout);
    a.outreturnloss = -20 * std::log10(a.outrho);
    return a;
}

// The input resistance grows with every resistor, so the worst reflection
// lies at a corner of the tolerance box; the attenuation is monotonic in
// each resistor but the bridged-T's output arm, which has no first-order
// effect at the nominal point. So the corners bound both.
WorstCase worstcase(PadKind k, const Values& r, Ports p, double pwr, double tolerance)
{
    const Topology top = topology(k, p);
    WorstCase w{INFINITY, -INFINITY, 0, 0, INFINITY, Values(r.size(), 0.0)};
    Values corner(r.size());
    Response a{};
    for (unsigned mask = 0; mask < 1u << r.size(); ++mask) {
        for (std::size_t i = 0; i < r.size(); ++i)
            corner[i] = r[i] * (mask >> i & 1 ? 1 + tolerance : 1 - tolerance);
        forward(a, top, corner, p, pwr);
        w.attenlow = std::min(w.attenlow, a.atten);
        w.attenhigh = std::max(w.attenhigh, a.atten);
        w.rho = std::max(w.rho, a.rho);
        w.vswr = std::max(w.vswr, a.vswr);
        w.returnloss = std::min(w.returnloss, a.returnloss);
        for (std::size_t i = 0; i < r.size(); ++i)
            w.power[i] = std::max(w.power[i], a.power[i]);
    }
    return w;
}

std::optional<std::vector<PadResult>> evaluatepads(const PadRequest& q)
{
    std::vector<PadKind> kinds;
    if (q.db)
        kinds = {PadKind::pi, PadKind::t};
    if (q.ports.zin != q.ports.zout)
        kinds.push_back(PadKind::lpad);
    else if (q.db)
        kinds.push_back(PadKind::bridgedt);

    std::vector<PadResult> out;
    for (PadKind k : kinds) {
        const std::optional<Values> theory = design(k, q.db.value_or(0), q.ports);
        if (!theory)
            return std::nullopt;
        Response nominal{};   // the theoretical pad, for its powers
        forward(nominal, topology(k, q.ports), *theory, q.ports, q.pwr);
        // The bridged-T's junction sits at the output's voltage by design, so
        // its arm out carries no current: 0, not the analysis's rounding.
        if (k == PadKind::bridgedt)
            nominal.power[1] = 0;
        PadResult p{k, *theory, nominal.power, {}, {}, {}, {}};
        for (double rr : p.theory) {
            Part part = q.pairs ? closestpart(rr, q.series) : nearestpart(rr, q.series);
            p.preferred.push_back(part.ohms);
            p.parts.push_back(std::move(part));
        }
        if (!positive(p.preferred))
            return std::nullopt;
        p.built = analyse(k, p.preferred, q.ports, q.pwr);
        p.worst = worstcase(k, p.preferred, q.ports, q.pwr, q.tolerance);
        if (!finite(p))
            return std::nullopt;
        out.push_back(std::move(p));
    }
    return out;
}

} // namespace velkor
