#include "pads/response.h"

#include "base/checks.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velkor {
namespace {

// One part's admittance: (R + jwL) in parallel with C.
Complex admittance(double ohms, const Parasitics& x, double omega)
{
    return 1.0 / Complex(ohms, omega * x.inductance) + Complex(0, omega * x.capacitance);
}

// The pad's network at one frequency: every part, a node of its own
// between the two parts of a series pair, and CPAD for every part
// terminal on a node other than ground. Nodes are numbered from 1 in the
// order the parts meet them, ports first, so that none is left unused.
struct Network {
    std::vector<Branch> branches;
    int nodes;
    int input, output;               // the ports' (plus) terminals
    int inputMinus, outputMinus;     // a balanced pad's minus terminals; else ground
    bool balanced;
    std::vector<int> loaded;         // a splitter's further outputs, each loaded by zout
};

Network network(const PadResult& pad, Ports p, const Parasitics& x, double omega)
{
    const PadDescription& kind = describe(pad.kind);
    NodeNumbers number;
    Network n{{}, 0, number(in), number(outputNode(pad.kind)), ground, ground, kind.balanced, {}};
    if (kind.balanced) {
        n.inputMinus = number(inMinus);
        n.outputMinus = number(outMinus);
    }
    std::vector<std::pair<int, int>> ends;
    for (const Resistor& r : resistorsOf(pad.kind, p)) {
        const Node a = place(r.a, p), b = place(r.b, p);
        ends.emplace_back(number(a), number(b));
        for (const Node end : {a, b})
            if (isFurtherOutput(end))
                n.loaded.push_back(number(end));
    }
    int nodes = number.count();
    std::vector<int> terminals(static_cast<std::size_t>(nodes) + pad.parts.size());
    const auto part = [&](int a, int b, double ohms) {
        n.branches.push_back({a, b, admittance(ohms, x, omega)});
        ++terminals[static_cast<std::size_t>(a)];
        ++terminals[static_cast<std::size_t>(b)];
    };
    for (std::size_t i = 0; i < pad.parts.size(); ++i) {
        const Part& made = pad.parts[i];
        const auto [a, b] = ends[i];
        if (made.smaller == 0) {
            part(a, b, made.larger);
        } else if (made.parallel) {
            part(a, b, made.larger);
            part(a, b, made.smaller);
        } else {
            const int between = nodes++;
            part(a, between, made.larger);
            part(between, b, made.smaller);
        }
    }
    n.nodes = nodes;
    for (int k = 1; k < n.nodes; ++k)
        if (const int count = terminals[static_cast<std::size_t>(k)])
            n.branches.push_back({k, ground, Complex(0, omega * x.padCapacitance * count)});
    return n;
}

// Driven at `from` behind its port impedance, the other port loaded by its
// own: the reflection at `from` and the transmission to the other port.
std::pair<Complex, Complex> drive(Network n, Node from, Ports p)
{
    const double zfrom = from == in ? p.zin : p.zout, zto = from == in ? p.zout : p.zin;
    const int at = from == in ? n.input : n.output, to = from == in ? n.output : n.input;
    const int atMinus = from == in ? n.inputMinus : n.outputMinus;
    const int toMinus = from == in ? n.outputMinus : n.inputMinus;
    for (int further : n.loaded)
        n.branches.push_back({further, ground, 1 / p.zout});
    if (!n.balanced) {
        n.branches.push_back({to, ground, 1 / zto});
        const NodeVoltages s = solveNodes(n.nodes, n.branches, at);
        // With 1 V at the port, the source EMF is 1 + I zfrom.
        const Complex emf = 1.0 + s.current * zfrom;
        const Complex reflection = 2.0 / emf - 1.0;
        const Complex transmission = 2.0 * s.volts[static_cast<std::size_t>(to)] / emf * std::sqrt(zfrom / zto);
        return {reflection, transmission};
    }
    // Balanced: +1/2 V behind zfrom/2 at one terminal and -1/2 V behind
    // zfrom/2 at the other, a difference of 1 V, taken as the half of each
    // terminal driven alone (from a source node of its own) less the half
    // of the other; zto/2 loads each terminal of the other port.
    n.branches.push_back({to, ground, 2 / zto});
    n.branches.push_back({toMinus, ground, 2 / zto});
    const int source = n.nodes;
    const auto alone = [&](int driven, int still) {
        std::vector<Branch> branches = n.branches;
        branches.push_back({source, driven, 2 / zfrom});
        branches.push_back({still, ground, 2 / zfrom});
        return solveNodes(n.nodes + 1, branches, source);
    };
    const NodeVoltages plus = alone(at, atMinus), minus = alone(atMinus, at);
    const auto differential = [&](int a, int b) {
        const auto v = [&](const NodeVoltages& s, int k) { return s.volts[static_cast<std::size_t>(k)]; };
        return (v(plus, a) - v(plus, b) - v(minus, a) + v(minus, b)) / 2.0;
    };
    // With an EMF of 1 V behind zfrom: S11 = 2 V - 1, S21 = 2 V(out) sqrt(zfrom / zto).
    return {2.0 * differential(at, atMinus) - 1.0, 2.0 * differential(to, toMinus) * std::sqrt(zfrom / zto)};
}

// The grid the bandwidth search first steps along, from its first point
// to the ceiling; between the last point that holds and the first that
// fails it bisects.
constexpr double firstPoint = 1e3;           // Hz
constexpr double pointsPerDecade = 40;
constexpr double resolution = 1e-4;          // relative
constexpr int maxhalvings = 200;             // 2^-200 of the first point: far below any pad

template <class Holds>
std::optional<double> highest(Holds holds)
{
    if (!holds(0.0))
        return 0.0;
    const double step = std::pow(10.0, 1 / pointsPerDecade);
    double good = 0;
    for (double f = firstPoint;; f *= step) {
        f = std::min(f, bandwidthCeiling);
        if (!holds(f)) {
            // Halving the bracket, geometrically once its low end is above 0;
            // a bounded number of times, so that parts whose reactances leave
            // the range of a double at every frequency still end the search.
            double bad = f;
            for (int step = 0; step < maxhalvings && bad - good > resolution * bad; ++step) {
                const double mid = good > 0 ? good * std::sqrt(bad / good) : bad / 2;
                (holds(mid) ? good : bad) = mid;
            }
            return good;
        }
        good = f;
        if (f >= bandwidthCeiling)
            return std::nullopt;
    }
}

} // namespace

SParameters sParameters(const PadResult& pad, Ports p, const Parasitics& x, double hertz)
{
    const Network n = network(pad, p, x, 2 * std::numbers::pi * hertz);
    const auto [s11, s21] = drive(n, in, p);
    return {s11, s21, drive(n, out, p).first};
}

std::vector<SParameters> response(const PadResult& pad, Ports p, const Parasitics& x,
                                  const std::vector<double>& hertz)
{
    std::vector<SParameters> out;
    out.reserve(hertz.size());
    for (double f : hertz)
        out.push_back(sParameters(pad, p, x, f));
    return out;
}

double decibels(Complex s)
{
    const double magnitude = std::abs(s);
    return magnitude < perfectMatch ? -120 : 20 * std::log10(magnitude);
}

double transmissionDecibels(Complex s) { return 20 * std::log10(std::abs(s)); }

double degrees(Complex s) { return std::arg(s) * 180 / std::numbers::pi; }

Bandwidths bandwidths(const PadResult& pad, Ports p, const Parasitics& x, double flatness,
                      double minReturnLoss)
{
    return bandwidths([&](double f) { return sParameters(pad, p, x, f); }, flatness, minReturnLoss);
}

Bandwidths bandwidths(const std::function<SParameters(double)>& at, double flatness, double minReturnLoss)
{
    const double dc = transmissionDecibels(at(0).s21);
    const auto flat = [&](double f) { return std::fabs(transmissionDecibels(at(f).s21) - dc) <= flatness; };
    const auto matched = [&](double f) {
        const SParameters s = at(f);
        return -decibels(s.s11) >= minReturnLoss && -decibels(s.s22) >= minReturnLoss;
    };
    return {highest(flat), highest(matched)};
}

} // namespace velkor
