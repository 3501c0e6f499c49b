// Pads between any two impedances, analysed from the node voltages of the
// loaded network.

#include "pads/pads.h"

#include "base/checks.h"
#include "base/parts.h"
#include "pads/circuit.h"
#include "pads/nodal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace velkor {
namespace {

// The stand-in with the port at `driven` held at 1 V and the other port
// loaded by `load` ohms, each further output by `furtherLoad`. (Where both
// ports are one node, the load stands across the source and only the
// current sees it.)
const NodeVoltages<double>& solve(const Circuit& c, const Values& r, int driven, double load, double furtherLoad)
{
    // Kept: the worst case solves a pad many times.
    thread_local std::vector<Branch<double>> branches;
    thread_local NodeVoltages<double> s;
    branches.clear();
    for (const CircuitBranch& b : c.branches)
        branches.push_back({b.a, b.b, 1 / branchOhms(b, r)});
    branches.push_back({driven == c.input ? c.output : c.input, 0, 1 / load});
    for (int further : c.loaded)
        branches.push_back({further, 0, 1 / furtherLoad});
    solveNodes(c.nodes, branches, driven, s);
    return s;
}

double reflection(double r, double z)
{
    const double rho = std::fabs((r - z) / (r + z));
    return rho < perfectMatch ? perfectMatch : rho;
}

double vswr(double rho) { return (1 + rho) / (1 - rho); }


// The pad driven at its input, its output loaded: the node voltages with
// the input at 1 V, and each resistor's current (A) and power (W) into
// `amperes` and `watts`, fed by a generator of `power` W available: an EMF
// of 2 sqrt(P Zin) behind Zin, which puts 2 sqrt(P Zin) Rin / (Rin + Zin)
// volts at an input of Rin.
const NodeVoltages<double>& driven(Values& watts, Values& amperes, const Circuit& c, const Values& r, Ports p,
                                   double power)
{
    const NodeVoltages<double>& s = solve(c, r, c.input, p.zout, p.zout);
    const double inputOhms = 1 / s.current;
    const double atInput = 2 * std::sqrt(power * p.zin) * inputOhms / (inputOhms + p.zin);   // V
    watts.resize(r.size());
    amperes.resize(r.size());
    for (const CircuitBranch& b : c.branches) {
        // The same current through each member: R I^2 each.
        const double current = std::fabs(s.across(b.a, b.b)) * atInput / branchOhms(b, r);
        for (std::size_t m : b.members) {
            amperes[m] = current;
            watts[m] = current * current * r[m];
        }
    }
    return s;
}

// Vin / Vout - 1 = drop(out) / V(out), which the attenuation grows with.
double excessRatio(const NodeVoltages<double>& s, const Circuit& c)
{
    const std::size_t output = std::size_t(c.output);
    return s.drop[output] / s.volts[output];
}

// The attenuation, dB, from the voltage ratio's excess over 1: taken from
// log1p of it, so that a pad of a billionth of a dB keeps its digits.
double attenuationOf(double excess, Ports p)
{
    return decibelsPerNeper * logAbsOnePlus(excess) + 10 * std::log10(p.zout / p.zin);
}

// The forward part of the analysis: attenuation, insertion loss, input
// reflection, powers.
void forward(Response& a, const Circuit& c, const Values& r, Ports p, double power)
{
    thread_local Values amperes;
    const NodeVoltages<double>& s = driven(a.power, amperes, c, r, p, power);
    const double impedances = 10 * std::log10(p.zout / p.zin);
    const double voltageratio = decibelsPerNeper * logAbsOnePlus(excessRatio(s, c));
    a.atten = voltageratio + impedances;
    a.inputOhms = 1 / s.current;
    // S21 = 2 (Vout / Es) sqrt(zin / zout) with Es = Vin (1 + zin / Rin):
    // the insertion loss is the attenuation plus 20 log10 |(1 + zin / Rin) / 2|.
    const double sourcefactor = (p.zin - a.inputOhms) / (2 * a.inputOhms);
    a.insertionLoss = voltageratio + decibelsPerNeper * std::log1p(sourcefactor) + impedances;
    a.rho = reflection(a.inputOhms, p.zin);
    a.vswr = vswr(a.rho);
    a.returnLoss = -20 * std::log10(a.rho);
}

bool finite(const PadResult& p)
{
    const Response& b = p.built;
    const WorstCase& w = p.worst;
    const double numbers[] = {b.atten, b.vswr, b.returnLoss, b.outReturnLoss, b.insertionLoss,
                              w.attenLow, w.attenHigh, w.vswr, w.returnLoss};
    return allPositive(p.preferred) && allFinite(p.theoryPower) && allFinite(b.power) &&
           allFinite(w.power) && allFinite(numbers);
}


// The analysis of a pad whose stand-in `c` is built already.
Response analyse(const Circuit& c, const Values& r, Ports p, double power)
{
    Response a{};
    forward(a, c, r, p, power);
    // Driven from the output, the input loaded by zin.
    const NodeVoltages<double>& back = solve(c, r, c.output, p.zin, p.zout);
    a.outputOhms = 1 / back.current;
    if (!c.loaded.empty()) {
        // Driven at the first output behind zout: S = 2 V(other) / EMF.
        const double emf = 1 + back.current * p.zout;
        a.isolation = -decibelsPerNeper * std::log(std::abs(2 * back.volts[std::size_t(c.loaded.front())] / emf));
    }
    a.outRho = reflection(a.outputOhms, p.zout);
    a.outReturnLoss = -20 * std::log10(a.outRho);
    return a;
}

// What the worst case keeps of one corner of a pad's parts.
struct Corner {
    double excess;   // Vin / Vout - 1, which the attenuation grows with
    double rho;      // the input reflection
};

// One corner of an unbalanced pad, in its stand-in, which is all of it.
Corner unbalanced(Values& watts, Values& amperes, const Circuit& c, const Values& r, Ports p, double power)
{
    const NodeVoltages<double>& s = driven(watts, amperes, c, r, p, power);
    return {excessRatio(s, c), reflection(1 / s.current, p.zin)};
}

// One corner of a balanced pad as it is, each half a part of its own: the
// generator's EMF split +-EMF/2, each half behind Zin/2, into the input's
// two terminals, and Zout/2 from each output terminal to ground. Solved
// with the minus half's source as the solver's ground and the plus half's
// at 1 V, so that ground is a node like the others.
Corner balanced(Values& watts, Values& amperes, const Circuit& c, const Values& r, Ports p, double power)
{
    thread_local std::vector<Branch<double>> branches;
    thread_local NodeVoltages<double> s;
    const auto node = [](int k) { return k + 1; };   // the circuit's node k; 0 is the minus source
    const int plusSource = c.nodes + 1, ground = node(0);
    branches.clear();
    for (const CircuitBranch& b : c.branches)
        branches.push_back({node(b.a), node(b.b), 1 / branchOhms(b, r)});
    branches.push_back({plusSource, node(c.input), 2 / p.zin});
    branches.push_back({0, node(c.inputMinus), 2 / p.zin});
    branches.push_back({node(c.output), ground, 2 / p.zout});
    branches.push_back({node(c.outputMinus), ground, 2 / p.zout});
    solveNodes(c.nodes + 2, branches, plusSource, s);
    const double emf = 2 * std::sqrt(power * p.zin);   // V
    watts.resize(r.size());
    amperes.resize(r.size());
    for (const CircuitBranch& b : c.branches) {
        const std::size_t m = b.members.front();
        amperes[m] = std::fabs(s.across(node(b.a), node(b.b))) * emf / r[m];
        watts[m] = amperes[m] * amperes[m] * r[m];
    }
    const double in = s.across(node(c.input), node(c.inputMinus));
    const double out = s.across(node(c.output), node(c.outputMinus));
    // Vin - Vout as the drops along the two lines, neither a difference of the ports' voltages.
    const double drop = s.across(node(c.input), node(c.output)) + s.across(node(c.outputMinus), node(c.inputMinus));
    return {drop / out, reflection(in / s.current, p.zin)};
}

// A part's power V^2 R / (Rth + R)^2 from the Thevenin source (V, Rth) the
// rest of the pad presents to it peaks at R = Rth, with V^2 / (4 Rth) watts,
// which may lie inside the part's tolerance rather than at an end. With the
// other parts held, the currents through it (A) at the low and the high end
// of its tolerance give V and Rth: that peak where Rth lies between, else 0.
double peakWithin(double atLow, double atHigh, double ohms, double tolerance)
{
    const double low = ohms * (1 - tolerance), high = ohms * (1 + tolerance);
    const double thevenin = (atHigh * high - atLow * low) / (atLow - atHigh);
    if (!(thevenin > low && thevenin < high))
        return 0;
    const double emf = atLow * (thevenin + low);
    return emf * emf / (4 * thevenin);
}

// The input resistance grows with every resistor, so the worst reflection
// lies at a corner of the tolerance box; the attenuation is monotonic in
// each resistor but the bridged-T's output arm, which has no first-order
// effect at the nominal point. So the corners bound both. A part's power is
// monotonic in every other part, so its peak lies at a corner of the others:
// at each, where its Thevenin resistance lies within its own tolerance.
//
// A splitter's further arms, of equal values, are interchangeable: swapping
// two swaps their powers and changes nothing else. So of them only how many
// stand at the high end matters (the first ones, say): N cases for them
// rather than 2^(N-1), which keeps a 16-way splitter as quick as a Pi.
// `c` is the circuit the corners are worked out in: the stand-in, or a
// balanced pad as it is.
WorstCase worstCase(const Circuit& c, PadKind k, const Values& r, Ports p, double power, double tolerance,
                    const Cancel& cancel = {})
{
    const std::size_t own = describe(k).resistors.size();
    const bool fanned = describe(k).fansOut && r.size() > own &&
                        std::all_of(r.begin() + std::ptrdiff_t(own), r.end(), [&](double v) { return v == r[own]; });
    const std::size_t distinct = fanned ? own : r.size(), alike = r.size() - distinct;
    // With no tolerance every corner is the one point.
    const unsigned masks = tolerance == 0 ? 1 : 1u << distinct;
    const auto corner = describe(k).balanced ? balanced : unbalanced;
    WorstCase w{0, 0, 0, 0, 0, Values(r.size(), 0.0)};
    // The attenuation grows with the voltage ratio and the return loss falls
    // as the reflection grows: their logarithms are taken at the extremes.
    double leastExcess = INFINITY, mostExcess = -INFINITY;
    // The current through each part at each case, amperes, in the order the
    // cases are walked: a case is (mask, high).
    thread_local std::vector<double> current;
    current.clear();
    thread_local Values values, watts, amperes;
    values.resize(r.size());
    for (unsigned mask = 0; mask < masks; ++mask)
        for (std::size_t high = 0; high <= alike; ++high) {
            if (cancelled(cancel))
                return w;   // unfinished: the caller drops it
            for (std::size_t i = 0; i < r.size(); ++i) {
                const bool up = i < distinct ? (mask >> i & 1) != 0 : i - distinct < high;
                values[i] = r[i] * (up ? 1 + tolerance : 1 - tolerance);
            }
            const Corner at = corner(watts, amperes, c, values, p, power);
            leastExcess = std::min(leastExcess, at.excess);
            mostExcess = std::max(mostExcess, at.excess);
            w.rho = std::max(w.rho, at.rho);
            current.insert(current.end(), amperes.begin(), amperes.end());
            for (std::size_t i = 0; i < distinct; ++i)
                w.power[i] = std::max(w.power[i], watts[i]);
            // Each alike arm takes, in some case, the place of a high one
            // and of a low one.
            double most = 0;
            if (high > 0)
                most = watts[distinct];
            if (high < alike)
                most = std::max(most, watts.back());
            for (std::size_t i = distinct; i < r.size(); ++i)
                w.power[i] = std::max(w.power[i], most);
        }
    w.attenLow = attenuationOf(leastExcess, p);
    w.attenHigh = attenuationOf(mostExcess, p);
    w.vswr = vswr(w.rho);
    w.returnLoss = -20 * std::log10(w.rho);
    // Each part between its ends with the others held: a distinct part
    // rises from its case to the one with its bit set; the alike arm that
    // the next case raises stands for them all. Checked: a case outside the
    // walk is a fault to stop at, never a current to read.
    const auto at = [&](unsigned mask, std::size_t high, std::size_t i) {
        return current.at(((mask * (alike + 1)) + high) * r.size() + i);
    };
    for (unsigned mask = 0; tolerance > 0 && mask < masks; ++mask)
        for (std::size_t high = 0; high <= alike; ++high) {
            for (std::size_t i = 0; i < distinct; ++i)
                if ((mask >> i & 1) == 0)
                    w.power[i] = std::max(w.power[i], peakWithin(at(mask, high, i), at(mask | 1u << i, high, i),
                                                                 r[i], tolerance));
            if (high < alike) {
                const std::size_t arm = distinct + high;
                const double peak = peakWithin(at(mask, high, arm), at(mask, high + 1, arm), r[arm], tolerance);
                for (std::size_t i = distinct; i < r.size(); ++i)
                    w.power[i] = std::max(w.power[i], peak);
            }
        }
    return w;
}

// The circuit a kind's corners are worked out in: a balanced pad as it is,
// each half its own part; another its stand-in, which is all of it.
const Circuit& cornersCircuit(PadKind k, Ports p)
{
    return describe(k).balanced ? resistorNetwork(k, p) : standIn(k, p);
}

} // namespace

std::optional<Values> design(PadKind k, double db, Ports p) { return describe(k).design(db, p); }

Response analyse(PadKind k, const Values& r, Ports p, double power) { return analyse(standIn(k, p), r, p, power); }

WorstCase worstCase(PadKind k, const Values& r, Ports p, double power, double tolerance)
{
    return worstCase(cornersCircuit(k, p), k, r, p, power, tolerance);
}

std::optional<std::vector<PadResult>> evaluatePads(const PadRequest& q, const Cancel& cancel)
{
    const std::vector<PadKind> kinds = q.kinds.empty() ? defaultKinds(q.db.has_value(), q.ports) : q.kinds;
    std::vector<PadResult> out;
    out.reserve(kinds.size());
    for (PadKind k : kinds) {
        std::optional<Values> theory = design(k, q.db.value_or(0), q.ports);
        if (!theory)
            return std::nullopt;
        const Circuit& c = standIn(k, q.ports);
        Response nominal{};   // the theoretical pad, for its powers
        forward(nominal, c, *theory, q.ports, q.power);
        // No current by design: 0, not the analysis's rounding.
        if (const std::optional<std::size_t> idle = describe(k).idle)
            nominal.power[*idle] = 0;
        PadResult p{k, std::move(*theory), std::move(nominal.power), {}, {}, {}, {}};
        p.preferred.reserve(p.theory.size());
        p.parts.reserve(p.theory.size());
        for (double rr : p.theory) {
            Part part = q.pairs ? closestPart(rr, q.series) : nearestPart(rr, q.series);
            p.preferred.push_back(part.ohms);
            p.parts.push_back(std::move(part));
        }
        if (!allPositive(p.preferred))
            return std::nullopt;
        p.built = analyse(c, p.preferred, q.ports, q.power);
        p.worst = worstCase(cornersCircuit(k, q.ports), k, p.preferred, q.ports, q.power, q.tolerance.fraction,
                            cancel);
        if (cancelled(cancel) || !finite(p))
            return std::nullopt;
        out.push_back(std::move(p));
    }
    return out;
}

} // namespace velkor
