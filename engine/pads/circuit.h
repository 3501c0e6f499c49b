#pragma once
// A pad as a circuit: its branches between numbered, named nodes. The one
// place a pad's network is built; the analysis at 0 Hz, the worst case, the
// response, the netlist and a step attenuator's chain all take it.

#include "base/parts.h"
#include "pads/padkinds.h"

#include <span>
#include <string>
#include <vector>

namespace velkor {

/// One branch of a circuit between two of its nodes.
struct CircuitBranch {
    int a, b;   ///< its nodes: 0 is ground
    /// The kind's resistors it carries: one, or in the unbalanced stand-in
    /// the two halves of a balanced arm in series.
    std::vector<std::size_t> members;
    double ohms = 0;       ///< as built: the part's value; 0 in the stand-in, whose values come apart
    std::string name{};    ///< as built: "R1", or "R1a" and "R1b" of a pair
};

/// A pad's circuit. Node 0 is ground, 1 the input (its plus terminal), then
/// the output (1 again where the output is the input's node), a balanced
/// pad's minus terminals as built, then the rest as the branches meet them.
struct Circuit {
    int nodes = 0;                      ///< ground included
    int input = 0, output = 0;          ///< the ports' (plus) terminals
    int inputMinus = 0, outputMinus = 0;   ///< a balanced pad's minus terminals as built; else ground
    std::vector<int> loaded;            ///< a splitter's further outputs, each loaded by zout
    std::vector<CircuitBranch> branches;
    /// As built, each node's name ("gnd", "in", "mid", "in_n", "out2",
    /// "R1_mid" between the parts of a series pair), and how many part
    /// terminals stand on it (each on a footprint pad of its own).
    std::vector<std::string> names{};
    std::vector<int> terminals{};
};

/// The unbalanced stand-in of a kind between the ports: a branch a resistor,
/// a balanced arm's two halves one branch, a balanced shunt from its node to
/// ground. With ideal parts and a symmetric pad it does exactly what the
/// balanced pad does between its ports; each member of a branch takes its
/// own share of the branch's power. Made once, and kept.
const Circuit& standIn(PadKind k, Ports p);

/// The ohms of a stand-in branch for resistors `r` (the pad's, in its kind's
/// order): its members' in series.
double branchOhms(const CircuitBranch& b, const Values& r);

/// The pad as built from its parts, one for each resistor in the kind's
/// order (none: a branch a resistor, its value apart): a branch a part, a pair two parts side by side or in series
/// through a node of its own, a balanced pad with both terminals of each
/// port.
Circuit asBuilt(PadKind k, Ports p, std::span<const Part> parts);

/// The pad as designed: a branch a resistor, its value apart (in the
/// kind's order, as branchOhms takes them), a balanced pad with both
/// terminals of each port, so that each half is a part of its own. Made
/// once, and kept.
const Circuit& resistorNetwork(PadKind k, Ports p);

/// The name of the node inside part `name` where its resistance meets its
/// inductance, when its parasitics are drawn apart: "R1_l".
std::string innerNode(const std::string& name);

} // namespace velkor
