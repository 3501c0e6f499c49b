#include "pads/nodal.h"

#include <algorithm>
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

// Storage kept from call to call: a pad is solved thousands of times a
// second. Each piece is handed out as a pointer to at least `size` items.
template <class T>
struct Scratch {
    std::vector<T> numbers;
    std::vector<std::size_t> indices;

    T* take(std::size_t size)
    {
        if (numbers.size() < size)
            numbers.resize(size);
        return numbers.data();
    }
    std::size_t* takeIndices(std::size_t size)
    {
        if (indices.size() < size)
            indices.resize(size);
        return indices.data();
    }
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
    // The unknowns in the order of their nodes, each at a slot of its own.
    const std::size_t m = n - 2;
    const auto slot = [d](std::size_t k) { return k - 1 - (k > d ? 1 : 0); };
    const auto unknown = [d](std::size_t k) { return k != 0 && k != d; };
    thread_local Scratch<T> scratch;
    T* const link = scratch.take(m * m + 7 * m);   // admittance between two unknowns (>= 0 when resistive)
    T* const rest = link + m * m;      // admittance to ground and the driven node
    T* const fromSource = rest + m;    // to the driven node alone: the right side for V
    T* const toGround = fromSource + m;   // to ground alone: the right side for 1 - V
    T* const pivot = toGround + m;
    T* const volts = pivot + m;
    T* const drop = volts + m;
    std::fill_n(link, m * m + 4 * m, T{});
    std::size_t* const order = scratch.takeIndices(2 * m);   // the unknowns in the order eliminated
    std::size_t* const left = order + m;                     // those still to eliminate, in order
    const auto add = [&](std::size_t x, std::size_t y, T admittance) {
        if (!unknown(x))
            return;
        if (unknown(y) && y != x) {
            link[slot(x) * m + slot(y)] += admittance;
        } else if (y == d) {
            rest[slot(x)] += admittance;
            fromSource[slot(x)] += admittance;
        } else if (y == 0) {
            rest[slot(x)] += admittance;
            toGround[slot(x)] += admittance;
        }
    };
    for (const Branch<T>& br : branches) {
        const auto a = static_cast<std::size_t>(br.a), b = static_cast<std::size_t>(br.b);
        add(a, b, br.admittance);
        add(b, a, br.admittance);
    }

    // Eliminated in turn, the unknown of the largest pivot first; each row
    // keeps its links to the unknowns eliminated after it.
    for (std::size_t k = 0; k < m; ++k)
        left[k] = k;
    for (std::size_t eliminated = 0, remaining = m; remaining > 0; ++eliminated) {
        std::size_t best = 0;
        for (std::size_t c = 0; c < remaining; ++c) {
            const std::size_t k = left[c];
            pivot[k] = rest[k];
            for (std::size_t r = 0; r < remaining; ++r)
                if (left[r] != k)
                    pivot[k] += link[k * m + left[r]];
            if (std::abs(pivot[k]) > std::abs(pivot[left[best]]))
                best = c;
        }
        const std::size_t p = left[best];
        std::copy(left + best + 1, left + remaining, left + best);
        --remaining;
        order[eliminated] = p;
        for (std::size_t c = 0; c < remaining; ++c) {
            const std::size_t i = left[c];
            if (link[i * m + p] == T{})
                continue;
            const T share = link[i * m + p] / pivot[p];
            rest[i] += share * rest[p];
            fromSource[i] += share * fromSource[p];
            toGround[i] += share * toGround[p];
            for (std::size_t r = 0; r < remaining; ++r)
                if (left[r] != i)
                    link[i * m + left[r]] += share * link[p * m + left[r]];
        }
    }

    // Back, the last eliminated first, into the unknowns' slots; then each
    // node's own.
    for (std::size_t at = m; at-- > 0;) {
        const std::size_t p = order[at];
        T v = fromSource[p], u = toGround[p];
        for (std::size_t later = at + 1; later < m; ++later) {
            const std::size_t j = order[later];
            v += link[p * m + j] * volts[j];
            u += link[p * m + j] * drop[j];
        }
        volts[p] = v / pivot[p];
        drop[p] = u / pivot[p];
    }
    s.volts.resize(n);
    s.drop.resize(n);
    for (std::size_t k = 0; k < n; ++k) {
        s.volts[k] = k == 0 ? T{} : k == d ? T{1} : volts[slot(k)];
        s.drop[k] = k == 0 ? T{1} : k == d ? T{} : drop[slot(k)];
    }
    s.current = T{};
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
