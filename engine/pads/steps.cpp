#include "pads/steps.h"

#include "base/checks.h"
#include "pads/circuit.h"
#include "pads/nodal.h"
#include "pads/response.h"

#include <algorithm>
#include <cmath>

namespace velkor {
namespace {

// A two-port's chain matrix, [V1; I1] = [a b; c d] [V2; -I2].
template <class T>
struct Chain {
    T a, b, c, d;
};

template <class T>
Chain<T> operator*(const Chain<T>& x, const Chain<T>& y)
{
    return {x.a * y.a + x.b * y.c, x.a * y.b + x.b * y.d, x.c * y.a + x.d * y.c, x.c * y.b + x.d * y.d};
}

template <class T>
constexpr Chain<T> through{1, 0, 0, 1};

// What the cascade's two-port sums to between ports of z ohms: S21 is 2
// over it.
template <class T>
T sum(const Chain<T>& m, double z)
{
    return m.a + m.b / z + m.c * z + m.d;
}

// The scattering parameters of a chain between ports of z ohms (a
// reciprocal one: ad - bc = 1).
SParameters scattering(const Chain<Complex>& m, double z)
{
    const Complex total = sum(m, z);
    return {(m.a + m.b / z - m.c * z - m.d) / total, 2.0 / total, (-m.a + m.b / z - m.c * z + m.d) / total};
}

// The chain matrix of a reciprocal two-port from its scattering
// parameters between ports of z ohms.
Chain<Complex> chainOf(const SParameters& s, double z)
{
    const Complex twice = 2.0 * s.s21, product = s.s21 * s.s21;
    return {((1.0 + s.s11) * (1.0 - s.s22) + product) / twice, z * ((1.0 + s.s11) * (1.0 + s.s22) - product) / twice,
            ((1.0 - s.s11) * (1.0 - s.s22) - product) / (twice * z), ((1.0 - s.s11) * (1.0 + s.s22) + product) / twice};
}

// The chain matrix of a pad of ideal resistors `ohms` from the solver's
// subtraction-free elimination: with the input held at 1 V, the output
// open gives A = 1 / V2 and C = I1 / V2, and the output shorted gives
// B = 1 / I2 and D = I1 / I2, I2 the current into the short (every term a
// sum of positive ones).
Chain<double> chainOf(const Circuit& c, const Values& ohms)
{
    // Shorted, the output is ground and the nodes above it move down one.
    const auto shorted = [&c](int n) { return n == c.output ? 0 : n > c.output ? n - 1 : n; };
    thread_local std::vector<Branch<double>> openBranches, shortBranches;
    thread_local NodeVoltages<double> open, shortedOut;
    openBranches.clear();
    shortBranches.clear();
    for (const CircuitBranch& b : c.branches) {
        const double g = 1 / branchOhms(b, ohms);
        openBranches.push_back({b.a, b.b, g});
        shortBranches.push_back({shorted(b.a), shorted(b.b), g});
    }
    solveNodes(c.nodes, openBranches, c.input, open);
    solveNodes(c.nodes - 1, shortBranches, shorted(c.input), shortedOut);
    double intoShort = 0;
    for (const Branch<double>& b : openBranches)
        if ((b.a == c.output) != (b.b == c.output))
            intoShort += b.admittance * shortedOut.volts[std::size_t(shorted(b.a == c.output ? b.b : b.a))];
    const double out = open.volts[std::size_t(c.output)];
    return {1 / out, 1 / intoShort, open.current / out, shortedOut.current / intoShort};
}

// The loss of a cascade whose chain sums to `total`, dB.
double lossOf(double total) { return decibelsPerNeper * std::log(std::fabs(total) / 2); }

// Each state's insertion loss over every corner of every part of its
// pads: every combination of each bit out, or in at one of its corners,
// walked bit by bit so that a partial product serves every combination
// that shares it. Only the extremes of the chains' sums are kept; their
// losses are taken at the end.
class CornerWalk {
public:
    CornerWalk(const std::vector<std::vector<Chain<double>>>& corners, double z, const Cancel& cancel)
        : corners_(corners), z_(z), cancel_(cancel), low_(std::size_t(1) << corners.size(), INFINITY),
          high_(low_.size(), 0.0)
    {
        askedWalk(0, through<double>, 0);
    }

    std::array<double, 2> range(std::size_t state) const { return {lossOf(low_[state]), lossOf(high_[state])}; }

private:
    // The walk's first two levels ask whether to go on, between at most
    // some 10^5 chains for eight bits of nine choices each; the levels below
    // them, where the time goes, do not.
    static constexpr std::size_t askedLevels = 2;

    void askedWalk(std::size_t bit, const Chain<double>& before, std::size_t state)
    {
        if (bit == askedLevels || bit == corners_.size())
            return walk(bit, before, state);
        if (cancelled(cancel_))
            return;   // unfinished: the caller drops it
        askedWalk(bit + 1, before, state);
        for (const Chain<double>& corner : corners_[bit])
            askedWalk(bit + 1, before * corner, state | std::size_t(1) << bit);
    }

    void walk(std::size_t bit, const Chain<double>& before, std::size_t state)
    {
        if (bit == corners_.size()) {
            const double total = std::fabs(sum(before, z_));
            low_[state] = std::min(low_[state], total);
            high_[state] = std::max(high_[state], total);
            return;
        }
        walk(bit + 1, before, state);
        for (const Chain<double>& corner : corners_[bit])
            walk(bit + 1, before * corner, state | std::size_t(1) << bit);
    }

    const std::vector<std::vector<Chain<double>>>& corners_;
    double z_;
    const Cancel& cancel_;
    std::vector<double> low_, high_;   // each state's least and greatest |sum|
};

// The chains of a pad at every corner of its parts' tolerance.
std::vector<Chain<double>> cornersOf(const PadResult& pad, double tolerance)
{
    const Circuit& circuit = standIn(pad.kind, {1, 1});
    std::vector<Chain<double>> out;
    Values corner(pad.preferred.size());
    for (std::size_t mask = 0; mask < std::size_t(1) << corner.size(); ++mask) {
        for (std::size_t i = 0; i < corner.size(); ++i)
            corner[i] = pad.preferred[i] * (mask >> i & 1 ? 1 + tolerance : 1 - tolerance);
        out.push_back(chainOf(circuit, corner));
    }
    return out;
}

// The states' cascades at radio frequencies: each bit's pad built once, and
// its chain at each frequency of the sweep worked out once for every state
// that has it in.
class Cascades {
public:
    Cascades(const StepResult& r, const Parasitics& parts) : z_(r.request.impedance), sweeps_(r.pads.size())
    {
        for (const PadResult& pad : r.pads)
            pads_.emplace_back(pad, Ports{z_, z_}, parts);
    }

    // The state's scattering parameters at f Hz: the cascade of its bits in.
    SParameters at(std::size_t state, double f) const
    {
        Chain<Complex> chain = through<Complex>;
        for (std::size_t bit = 0; bit < pads_.size(); ++bit)
            if (state >> bit & 1)
                chain = chain * chainOf(pads_[bit].at(f), z_);
        return scattering(chain, z_);
    }

    // The same at each of `hertz`, which must be the same list at every call.
    std::vector<SParameters> over(std::size_t state, const std::vector<double>& hertz)
    {
        std::vector<SParameters> out;
        out.reserve(hertz.size());
        for (std::size_t i = 0; i < hertz.size(); ++i) {
            Chain<Complex> chain = through<Complex>;
            for (std::size_t bit = 0; bit < pads_.size(); ++bit)
                if (state >> bit & 1)
                    chain = chain * sweepOf(bit, hertz)[i];
            out.push_back(scattering(chain, z_));
        }
        return out;
    }

private:
    const std::vector<Chain<Complex>>& sweepOf(std::size_t bit, const std::vector<double>& hertz)
    {
        std::vector<Chain<Complex>>& sweep = sweeps_[bit];
        if (sweep.empty())
            for (double f : hertz)
                sweep.push_back(chainOf(pads_[bit].at(f), z_));
        return sweep;
    }

    double z_;
    std::vector<PadAtRadio> pads_;
    std::vector<std::vector<Chain<Complex>>> sweeps_;   // each bit's chain at each swept frequency
};

} // namespace

std::vector<SParameters> stateResponse(const StepResult& r, std::size_t state, const Parasitics& parts,
                                       const std::vector<double>& hertz, const Cancel& cancel)
{
    const Cascades cascades(r, parts);
    std::vector<SParameters> out;
    out.reserve(hertz.size());
    for (double f : hertz) {
        if (cancelled(cancel))
            break;
        out.push_back(cascades.at(state, f));
    }
    return out;
}

std::size_t partsOfAllBits(PadKind kind, std::size_t bits)
{
    return bits * describe(kind).resistors.size();
}

std::optional<StepResult> evaluateSteps(const StepRequest& q, const Cancel& cancel)
{
    StepResult r{q, {}, {}, {}, 0, 0};
    const Ports ports{q.impedance, q.impedance};
    std::vector<Chain<double>> chains;
    for (double db : q.bits) {
        const std::optional<std::vector<PadResult>> pad =
            evaluatePads({db, q.power, ports, q.series, q.tolerance, q.pairs, {q.kind}}, cancel);
        if (!pad)
            return std::nullopt;
        r.pads.push_back(pad->front());
        if (q.radio && q.radio->package)
            r.ratings.push_back(ratePad(r.pads.back(), *q.radio->package, q.radio->ambient));
        chains.push_back(chainOf(standIn(q.kind, ports), q.theoretical ? r.pads.back().theory : r.pads.back().preferred));
    }
    std::optional<CornerWalk> corners;
    if (q.tolerance.given) {
        std::vector<std::vector<Chain<double>>> each;
        for (const PadResult& pad : r.pads)
            each.push_back(cornersOf(pad, q.tolerance.fraction));
        corners.emplace(each, q.impedance, cancel);
    }
    std::optional<Cascades> cascades;
    if (q.radio)
        cascades.emplace(r, q.radio->parts);
    const std::size_t count = std::size_t(1) << q.bits.size();
    for (std::size_t number = 0; number < count; ++number) {
        if (cancelled(cancel))
            return std::nullopt;
        StepState s{static_cast<unsigned>(number), std::string(q.bits.size(), '0'), 0, 0, 0, 0, 0, {}, {}};
        Chain<double> m = through<double>;
        for (std::size_t bit = 0; bit < q.bits.size(); ++bit)
            if (number >> bit & 1) {
                s.bits[bit] = '1';
                s.setting += q.bits[bit];
                m = m * chains[bit];
            }
        const SParameters dc = scattering({m.a, m.b, m.c, m.d}, q.impedance);
        s.insertionLoss = lossOf(sum(m, q.impedance));
        s.error = s.insertionLoss - s.setting;
        s.returnLoss = -decibels(dc.s11);
        s.outputReturnLoss = -decibels(dc.s22);
        if (corners)
            s.insertionLossRange = corners->range(number);
        if (cascades) {
            // The state at f Hz: the cascade of its pads with their parts' parasitics.
            const auto at = [&](double f) { return cascades->at(number, f); };
            s.radio.response = cascades->over(number, q.radio->hertz);
            if (q.radio->modelled)
                s.radio.bandwidths = bandwidths(at, q.radio->flatness, q.radio->minReturnLoss, cancel);
        }
        const double numbers[] = {s.insertionLoss, s.returnLoss, s.outputReturnLoss};
        if (!allFinite(numbers))
            return std::nullopt;
        r.states.push_back(std::move(s));
    }
    const auto error = [](const StepState& a, const StepState& b) { return std::fabs(a.error) < std::fabs(b.error); };
    const auto least = [](const StepState& a, const StepState& b) {
        return std::min(a.returnLoss, a.outputReturnLoss) < std::min(b.returnLoss, b.outputReturnLoss);
    };
    r.worstErrorState = static_cast<std::size_t>(std::max_element(r.states.begin(), r.states.end(), error) -
                                                 r.states.begin());
    r.leastReturnLossState = static_cast<std::size_t>(std::min_element(r.states.begin(), r.states.end(), least) -
                                                      r.states.begin());
    return r;
}

} // namespace velkor
