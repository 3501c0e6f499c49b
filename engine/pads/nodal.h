#pragma once
// Nodal analysis of a network of two-terminal branches with one node held at
// a voltage, worked out so that a resistive network keeps its digits at any
// loss: every elimination step of a network of positive conductances adds
// positive numbers only, and each node's voltage is found twice, as itself
// and as its drop below the driven node, so that neither a node near the
// driven voltage nor one near ground loses digits to a subtraction.
//
// One solver for both number types: real conductances for the pads at 0 Hz
// and their worst case, complex admittances for the pads at radio
// frequencies.

#include <complex>
#include <vector>

namespace velkor {

using Complex = std::complex<double>;

/// A two-terminal element between nodes `a` and `b` (0 is ground, the
/// others count up from 1), of `admittance` siemens: double or Complex.
template <class T>
struct Branch {
    int a, b;
    T admittance;
};

/// The nodes of a network with its driven node held at 1 V.
template <class T>
struct NodeVoltages {
    std::vector<T> volts;   ///< V of each node, ground (0) first; the driven node's is 1
    std::vector<T> drop;    ///< 1 - V of each node, worked out on its own
    T current{};            ///< A flowing from the source into the driven node

    /// The voltage from node a to node b, V(a) - V(b), from whichever of
    /// the two forms holds the smaller numbers.
    T across(int a, int b) const;
};

/// Solves a network of `nodes` nodes (ground included, so at least 2) with
/// node `driven` (1 <= driven < nodes) held at 1 V, into `s` (whose storage
/// is reused). Every node must reach ground or the driven node through
/// branches of nonzero admittance; a floating node gives non-finite voltages.
template <class T>
void solveNodes(int nodes, const std::vector<Branch<T>>& branches, int driven, NodeVoltages<T>& s);

/// The same, into a result of its own.
template <class T>
NodeVoltages<T> solveNodes(int nodes, const std::vector<Branch<T>>& branches, int driven)
{
    NodeVoltages<T> s;
    solveNodes(nodes, branches, driven, s);
    return s;
}

/// log|1 + z|, accurate where |z| is small: 0.5 log1p(2 Re z + |z|^2).
double logAbsOnePlus(Complex z);
double logAbsOnePlus(double x);

extern template struct NodeVoltages<double>;
extern template struct NodeVoltages<Complex>;
extern template void solveNodes(int, const std::vector<Branch<double>>&, int, NodeVoltages<double>&);
extern template void solveNodes(int, const std::vector<Branch<Complex>>&, int, NodeVoltages<Complex>&);

} // namespace velkor
