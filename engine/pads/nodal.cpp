#include "pads/nodal.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace velkor {

template <class T>
T NodeVoltages<T>::across(int a, int b) const
{
    const auto at = [](const std::vector<T>& v, int n) { return v[static_cast<std::size_t>(n)]; };
    const double direct = std::abs(at(volts, a)) + std::abs(at(volts, b));
    const double dropped = std::abs(at(drop, a)) + std::abs(at(drop, b));
    return direct <= dropped ? at(volts, a) - at(volts, b) : at(drop, b) - at(drop, a);
}

namespace {

template <class T>
struct Scratch {
    std::vector<T> link, rest, fromSource, toGround, pivot;
    std::vector<std::size_t> order, left;
};

} // namespace

// The unknowns are every node but ground and the driven one. Their matrix is
// kept as its off-diagonal entries and, for each row, what it holds beyond
// them: its admittance to ground and to the driven node. The diagonal is
// rebuilt from those as a sum at each pivot, so that for positive
// conductances no step subtracts (Grassmann, Taksar and Heyman's form of
// Gaussian elimination). Pivots are taken on the diagonal, largest first,
// which keeps the form and serves the complex admittances of parts with
// inductance and capacitance.
template <class T>
void solveNodes(int nodes, const std::vector<Branch<T>>& branches, int driven, NodeVoltages<T>& s)
{
    const auto n = static_cast<std::size_t>(nodes);
    const auto d = static_cast<std::size_t>(driven);
    // Kept from call to call: a pad is solved thousands of times a second.
    thread_local Scratch<T> scratch;
    auto& [link, rest, fromSource, toGround, pivot, order, left] = scratch;
    link.assign(n * n, T{});   // admittance between two unknowns (>= 0 when resistive)
    rest.assign(n, T{});       // admittance to ground and the driven node
    fromSource.assign(n, T{}); // to the driven node alone: the right side for V
    toGround.assign(n, T{});   // to ground alone: the right side for 1 - V
    const auto unknown = [d](std::size_t k) { return k != 0 && k != d; };
    for (const Branch<T>& br : branches) {
        const auto a = static_cast<std::size_t>(br.a), b = static_cast<std::size_t>(br.b);
        for (const auto& [x, y] : {std::pair{a, b}, std::pair{b, a}}) {
            if (!unknown(x))
                continue;
            if (unknown(y) && y != x) {
                link[x * n + y] += br.admittance;
            } else if (y == d) {
                rest[x] += br.admittance;
                fromSource[x] += br.admittance;
            } else if (y == 0) {
                rest[x] += br.admittance;
                toGround[x] += br.admittance;
            }
        }
    }

    // Eliminated in turn, the unknown of the largest pivot first; each row
    // keeps its links to the unknowns eliminated after it.
    order.clear();
    left.clear();
    for (std::size_t k = 0; k < n; ++k)
        if (unknown(k))
            left.push_back(k);
    pivot.assign(n, T{});
    while (!left.empty()) {
        std::size_t best = 0;
        for (std::size_t c = 0; c < left.size(); ++c) {
            const std::size_t k = left[c];
            pivot[k] = rest[k];
            for (std::size_t j : left)
                if (j != k)
                    pivot[k] += link[k * n + j];
            if (std::abs(pivot[k]) > std::abs(pivot[left[best]]))
                best = c;
        }
        const std::size_t p = left[best];
        left.erase(left.begin() + static_cast<std::ptrdiff_t>(best));
        order.push_back(p);
        for (std::size_t i : left) {
            if (link[i * n + p] == T{})
                continue;
            const T share = link[i * n + p] / pivot[p];
            rest[i] += share * rest[p];
            fromSource[i] += share * fromSource[p];
            toGround[i] += share * toGround[p];
            for (std::size_t j : left)
                if (j != i)
                    link[i * n + j] += share * link[p * n + j];
        }
    }

    s.volts.assign(n, T{});
    s.drop.assign(n, T{1});
    s.volts[d] = 1;
    s.drop[d] = 0;
    s.current = T{};
    for (std::size_t at = order.size(); at-- > 0;) {
        const std::size_t p = order[at];
        T v = fromSource[p], u = toGround[p];
        for (std::size_t later = at + 1; later < order.size(); ++later) {
            const std::size_t j = order[later];
            v += link[p * n + j] * s.volts[j];
            u += link[p * n + j] * s.drop[j];
        }
        s.volts[p] = v / pivot[p];
        s.drop[p] = u / pivot[p];
    }
    for (const Branch<T>& br : branches)
        if (br.a == driven || br.b == driven)
            s.current += br.admittance * s.drop[static_cast<std::size_t>(br.a == driven ? br.b : br.a)];
}

double logAbsOnePlus(Complex z) { return 0.5 * std::log1p(2 * z.real() + std::norm(z)); }
double logAbsOnePlus(double x) { return 0.5 * std::log1p(2 * x + x * x); }

template struct NodeVoltages<double>;
template struct NodeVoltages<Complex>;
template void solveNodes(int, const std::vector<Branch<double>>&, int, NodeVoltages<double>&);
template void solveNodes(int, const std::vector<Branch<Complex>>&, int, NodeVoltages<Complex>&);

} // namespace velkor
