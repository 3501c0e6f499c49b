// Pads between any two impedances, analysed from the node voltages of the
// loaded network.

#include "pads.h"

#include "parts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace velkor {
namespace {

// Stands in for a reflection coefficient of exactly 0, as in the window, so
// that a perfect match gives 120 dB rather than infinity.
constexpr double perfectmatch = 1e-6;

// The pad's nodes: ground, the two ports, and the junction inside a T or a
// bridged-T.
enum Node : int { ground, in, out, mid };
using Branch = std::pair<Node, Node>;
using Topology = std::vector<Branch>;

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

// Node voltages with `driven` held at `volts` and the other port loaded by
// `load` ohms, and the current the source delivers into the driven node.
struct Solution {
    std::array<double, 4> v{};
    double current = 0;
};

Solution solve(const Topology& top, const Values& r, Node driven, double volts, double load)
{
    const Node other = driven == in ? out : in;
    // Unknowns: 0 the other port, 1 the junction (held at 0 when unused).
    const auto unknown = [other](Node n) { return n == other ? 0 : n == mid ? 1 : -1; };
    double g[2][2] = {{1 / load, 0}, {0, 0}}, i[2] = {0, 0};
    bool junction = false;
    for (std::size_t k = 0; k < top.size(); ++k) {
        const double c = 1 / r[k];
        for (const auto& [a, b] : {top[k], Branch{top[k].second, top[k].first}}) {
            junction = junction || a == mid;
            const int x = unknown(a);
            if (x < 0)
                continue;
            g[x][x] += c;
            if (const int y = unknown(b); y >= 0)
                g[x][y] -= c;
            else if (b == driven)
                i[x] += c * volts;
        }
    }
    if (!junction)
        g[1][1] = 1;
    const double det = g[0][0] * g[1][1] - g[0][1] * g[1][0];
    Solution s;
    s.v[driven] = volts;
    s.v[other] = (i[0] * g[1][1] - g[0][1] * i[1]) / det;
    s.v[mid] = (g[0][0] * i[1] - g[1][0] * i[0]) / det;
    for (std::size_t k = 0; k < top.size(); ++k) {
        const auto [a, b] = top[k];
        if (a == driven || b == driven)
            s.current += (s.v[driven] - s.v[a == driven ? b : a]) / r[k];
    }
    return s;
}

// Node voltages carry rounding errors of a few parts in 10^16, so a
// reflection below this is a perfect match worked out inexactly.
constexpr double roundingnoise = 1e-12;

double reflection(double r, double z)
{
    const double rho = std::fabs((r - z) / (r + z));
    return rho < roundingnoise ? perfectmatch : rho;
}

double vswr(double rho) { return (1 + rho) / (1 - rho); }

double power(const Solution& s, Branch b, double ohms)
{
    const double v = s.v[b.first] - s.v[b.second];
    return v * v / ohms;
}

// The forward part of the analysis: attenuation, input reflection, powers.
// Returns the node voltages it found.
Solution forward(Response& a, const Topology& top, const Values& r, Ports p, double pwr)
{
    const double vin = std::sqrt(pwr * p.zin);
    const Solution s = solve(top, r, in, vin, p.zout);
    a.atten = 20 * std::log10(vin / s.v[out]) + 10 * std::log10(p.zout / p.zin);
    a.rho = reflection(vin / s.current, p.zin);
    a.vswr = vswr(a.rho);
    a.returnloss = -20 * std::log10(a.rho);
    a.power.resize(r.size());
    for (std::size_t k = 0; k < r.size(); ++k)
        a.power[k] = power(s, top[k], r[k]);
    return s;
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
    const double r = std::max(p.zin, p.zout) / std::min(p.zin, p.zout);
    return 20 * std::log10(std::sqrt(r) + std::sqrt(r - 1));
}

std::optional<Values> design(PadKind k, double db, Ports p)
{
    const double zin = p.zin, zout = p.zout;
    Values r;
    if (k == PadKind::lpad) {
        if (zin == zout)
            return std::nullopt;
        const double zh = std::max(zin, zout), zl = std::min(zin, zout);
        r = {std::sqrt(zh * (zh - zl)), zl * std::sqrt(zh / (zh - zl))};
    } else if (k == PadKind::bridgedt) {
        const double kk = std::pow(10.0, db / 20);   // voltage ratio
        if (zin != zout || !(kk > 1))
            return std::nullopt;
        r = {zin, zin, zin * (kk - 1), zin / (kk - 1)};
    } else {
        if (!(db > minimumattenuation(p)))
            return std::nullopt;
        const double l = std::pow(10.0, db / 10);   // power ratio
        const double a = (l + 1) / (l - 1);
        if (k == PadKind::pi) {
            const double r2 = (l - 1) / 2 * std::sqrt(zin * zout / l);
            r = {1 / (a / zin - 1 / r2), r2, 1 / (a / zout - 1 / r2)};
        } else {
            const double r2 = 2 * std::sqrt(l * zin * zout) / (l - 1);
            r = {a * zin - r2, r2, a * zout - r2};
        }
    }
    if (!positive(r))
        return std::nullopt;
    return r;
}

Response analyse(PadKind k, const Values& r, Ports p, double pwr)
{
    const Topology top = topology(k, p);
    Response a{};
    const Solution f = forward(a, top, r, p, pwr);
    const double vin = f.v[in];
    a.inputohm = vin / f.current;
    // Driven from the output, the input loaded by zin.
    const Solution back = solve(top, r, out, 1, p.zin);
    a.outputohm = 1 / back.current;
    a.outrho = reflection(a.outputohm, p.zout);
    a.outreturnloss = -20 * std::log10(a.outrho);
    // A source of zin ohms sees the input resistance; S21 = 2 (Vout / Es) sqrt(zin / zout).
    const double s21 = 2 * a.inputohm / (a.inputohm + p.zin) * (f.v[out] / vin) * std::sqrt(p.zin / p.zout);
    a.insertionloss = -20 * std::log10(s21);
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
        PadResult p{k, *theory, nominal.power, {}, {}, {}, {}};
        for (double rr : p.theory) {
            const Part part = q.pairs ? closestpart(rr, q.series) : nearestpart(rr, q.series);
            p.preferred.push_back(part.ohms);
            p.codes.push_back(part.code);
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
