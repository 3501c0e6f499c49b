#include "pads/response.h"

#include "base/checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numbers>

namespace velkor {
namespace {

// One part's admittance: (R + jwL) in parallel with C.
Complex admittance(double ohms, double inductance, double capacitance, double omega)
{
    return 1.0 / Complex(ohms, omega * inductance) + Complex(0, omega * capacitance);
}

// Driven at port `at` (its minus terminal `atMinus`) behind its port
// impedance `zfrom`, the other port (`to`, `toMinus`) loaded by its own,
// `zto`: the reflection at `at` and the transmission to `to`. `branches`
// holds the pad and its pads' capacitances, and returns so.
std::pair<Complex, Complex> drive(const Circuit& c, std::vector<Branch<Complex>>& branches, bool balanced,
                                  std::array<int, 4> ports, double zfrom, double zto, double zfurther)
{
    const auto [at, atMinus, to, toMinus] = ports;
    const std::size_t pad = branches.size();
    for (int further : c.loaded)
        branches.push_back({further, 0, 1 / zfurther});
    thread_local NodeVoltages<Complex> plus, minus;
    if (!balanced) {
        branches.push_back({to, 0, 1 / zto});
        solveNodes(c.nodes, branches, at, plus);
        branches.resize(pad);
        // With 1 V at the port, the source EMF is 1 + I zfrom.
        const Complex emf = 1.0 + plus.current * zfrom;
        const Complex reflection = 2.0 / emf - 1.0;
        const Complex transmission = 2.0 * plus.volts[static_cast<std::size_t>(to)] / emf * std::sqrt(zfrom / zto);
        return {reflection, transmission};
    }
    // Balanced: +1/2 V behind zfrom/2 at one terminal and -1/2 V behind
    // zfrom/2 at the other, a difference of 1 V, taken as the half of each
    // terminal driven alone (from a source node of its own) less the half
    // of the other; zto/2 loads each terminal of the other port.
    branches.push_back({to, 0, 2 / zto});
    branches.push_back({toMinus, 0, 2 / zto});
    const int source = c.nodes;
    const auto alone = [&](int driven, int still, NodeVoltages<Complex>& s) {
        branches.push_back({source, driven, 2 / zfrom});
        branches.push_back({still, 0, 2 / zfrom});
        solveNodes(c.nodes + 1, branches, source, s);
        branches.resize(branches.size() - 2);
    };
    alone(at, atMinus, plus);
    alone(atMinus, at, minus);
    branches.resize(pad);
    const auto differential = [&](int a, int b) {
        const auto v = [&](const NodeVoltages<Complex>& s, int k) { return s.volts[static_cast<std::size_t>(k)]; };
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

PadAtRadio::PadAtRadio(const PadResult& pad, Ports p, const Parasitics& x)
    : circuit_(asBuilt(pad.kind, p, pad.parts)), balanced_(describe(pad.kind).balanced), ports_(p), parts_(x)
{
}

double PadAtRadio::inductanceOf(const CircuitBranch& b) const
{
    return parts_.inductance + (b.a == 0 || b.b == 0 ? parts_.viaInductance : 0);
}

// The pad's network at one frequency: every part, and CPAD for every part
// terminal on a node other than ground.
SParameters PadAtRadio::at(double hertz) const
{
    const double omega = 2 * std::numbers::pi * hertz;
    thread_local std::vector<Branch<Complex>> branches;
    branches.clear();
    for (const CircuitBranch& b : circuit_.branches)
        branches.push_back({b.a, b.b, admittance(b.ohms, inductanceOf(b), parts_.capacitance, omega)});
    for (int k = 1; k < circuit_.nodes; ++k)
        if (const int count = circuit_.terminals[static_cast<std::size_t>(k)])
            branches.push_back({k, 0, Complex(0, omega * parts_.padCapacitance * count)});
    const Circuit& c = circuit_;
    const auto [s11, s21] = drive(c, branches, balanced_, {c.input, c.inputMinus, c.output, c.outputMinus},
                                  ports_.zin, ports_.zout, ports_.zout);
    const Complex s22 = drive(c, branches, balanced_, {c.output, c.outputMinus, c.input, c.inputMinus},
                              ports_.zout, ports_.zin, ports_.zout).first;
    return {s11, s21, s22};
}

SParameters sParameters(const PadResult& pad, Ports p, const Parasitics& x, double hertz)
{
    return PadAtRadio(pad, p, x).at(hertz);
}

std::vector<SParameters> response(const PadResult& pad, Ports p, const Parasitics& x,
                                  const std::vector<double>& hertz, const Cancel& cancel)
{
    const PadAtRadio radio(pad, p, x);
    std::vector<SParameters> out;
    out.reserve(hertz.size());
    for (double f : hertz) {
        if (cancelled(cancel))
            break;
        out.push_back(radio.at(f));
    }
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
                      double minReturnLoss, const Cancel& cancel)
{
    const PadAtRadio radio(pad, p, x);
    return bandwidths([&](double f) { return radio.at(f); }, flatness, minReturnLoss, cancel);
}

Bandwidths bandwidths(const std::function<SParameters(double)>& at, double flatness, double minReturnLoss,
                      const Cancel& cancel)
{
    // The two searches step along the same grid: each frequency is worked
    // out once for both.
    std::map<double, SParameters> seen;
    const auto once = [&](double f) -> const SParameters& {
        const auto [it, fresh] = seen.try_emplace(f);
        if (fresh)
            it->second = at(f);
        return it->second;
    };
    const double dc = transmissionDecibels(once(0).s21);
    // Stopped, every frequency fails: the searches end without another solve.
    const auto flat = [&](double f) {
        return !cancelled(cancel) && std::fabs(transmissionDecibels(once(f).s21) - dc) <= flatness;
    };
    const auto matched = [&](double f) {
        if (cancelled(cancel))
            return false;
        const SParameters& s = once(f);
        return -decibels(s.s11) >= minReturnLoss && -decibels(s.s22) >= minReturnLoss;
    };
    return {highest(flat), highest(matched)};
}

} // namespace velkor
