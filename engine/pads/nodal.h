#pragma once
// Nodal analysis of a network of two-terminal branches with one node held at
// a voltage, worked out so that a resistive network keeps its digits at any
// loss: every elimination step of a network of positive conductances adds
// positive numbers only, and each node's voltage is found twice, as itself
// and as its drop below the driven node, so that neither a node near the
// driven voltage nor one near ground loses digits to a subtraction.

#include <complex>
#include <vector>

namespace velkor {

using Complex = std::complex<double>;

/// A two-terminal element between nodes `a` and `b` (0 is ground, the
/// others count up from 1), of `admittance` siemens.
struct Branch {
    int a, b;
    Complex admittance;
};

/// The nodes of a network with its driven node held at 1 V.
struct NodeVoltages {
    std::vector<Complex> volts;   ///< V of each node, ground (0) first; the driven node's is 1
    std::vector<Complex> drop;    ///< 1 - V of each node, worked out on its own
    Complex current;              ///< A flowing from the source into the driven node

    /// The voltage from node a to node b, V(a) - V(b), from whichever of
    /// the two forms holds the smaller numbers.
    Complex across(int a, int b) const;
};

/// Solves a network of `nodes` nodes (ground included, so at least 2) with
/// node `driven` (1 <= driven < nodes) held at 1 V. Every node must reach
/// ground or the driven node through branches of nonzero admittance; a
/// floating node gives non-finite voltages.
NodeVoltages solveNodes(int nodes, const std::vector<Branch>& branches, int driven);

/// log|1 + z|, accurate where |z| is small: 0.5 log1p(2 Re z + |z|^2).
double logAbsOnePlus(Complex z);

} // namespace velkor
