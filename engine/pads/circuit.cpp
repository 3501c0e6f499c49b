#include "pads/circuit.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <tuple>

namespace velkor {
namespace {

// A node's name, as the netlist's subcircuits give it.
std::string nodeName(Node n)
{
    if (isFurtherOutput(n))   // out2, out3, ...
        return "out" + std::to_string(n - firstFurtherOutput + 2);
    switch (n) {
    case in: return "in";
    case out: return "out";
    case junction: return "mid";
    case inMinus: return "in_n";
    case outMinus: return "out_n";
    case junctionMinus: return "mid_n";
    default: return "gnd";
    }
}

// Numbers a circuit's nodes: ground is 0 and the others count up from 1 in
// the order first met, so that none is unused; each is named as it is
// numbered.
class Numbering {
public:
    explicit Numbering(Circuit& c) : c_(c)
    {
        c_.nodes = 1;
        c_.names = {nodeName(ground)};
    }

    int operator()(Node n)
    {
        const auto at = static_cast<std::size_t>(n);
        if (at >= index_.size())
            index_.resize(at + 1, -1);
        if (index_[at] < 0) {
            index_[at] = c_.nodes++;
            c_.names.push_back(nodeName(n));
            if (isFurtherOutput(n))
                c_.loaded.push_back(index_[at]);
        }
        return index_[at];
    }

    // A node of the circuit's own, not one of the kind's.
    int inside(std::string name)
    {
        c_.names.push_back(std::move(name));
        return c_.nodes++;
    }

private:
    Circuit& c_;
    std::vector<int> index_ = std::vector<int>(1, 0);
};

Circuit buildStandIn(PadKind k, Ports p)
{
    Circuit c;
    Numbering number(c);
    c.input = number(in);
    c.output = number(outputNode(k));
    std::vector<bool> lower;   // whether a branch so far is one bottom half
    const std::vector<Resistor>& resistors = resistorsOf(k, p);
    for (std::size_t i = 0; i < resistors.size(); ++i) {
        const Node a = place(resistors[i].a, p), b = place(resistors[i].b, p);
        const Node ea = plusOf(a), eb = plusOf(b);
        if (ea == eb) {   // a balanced shunt, from its node to ground
            c.branches.push_back({number(ea), 0, {i}});
            lower.push_back(false);
            continue;
        }
        // A half joins the other half of its arm (listed the same way
        // round) if that came first.
        const int na = number(ea), nb = number(eb);
        const bool bottom = isMinus(a);
        const auto other = std::find_if(c.branches.begin(), c.branches.end(), [&](const CircuitBranch& br) {
            return br.a == na && br.b == nb && br.members.size() == 1 &&
                   lower[std::size_t(&br - c.branches.data())] != bottom;
        });
        if (describe(k).balanced && other != c.branches.end()) {
            other->members.push_back(i);
            continue;
        }
        c.branches.push_back({na, nb, {i}});
        lower.push_back(bottom);
    }
    return c;
}

} // namespace

const Circuit& standIn(PadKind k, Ports p)
{
    // Made once for each kind, low side and count of outputs, the only ways
    // the ports shape it.
    static std::map<std::tuple<PadKind, Node, int>, Circuit> made;
    static std::mutex guard;
    const std::lock_guard lock(guard);
    const auto [at, fresh] = made.try_emplace({k, place(lowSide, p), furtherOutputCount(k, p)});
    if (fresh)
        at->second = buildStandIn(k, p);
    return at->second;
}

double branchOhms(const CircuitBranch& b, const Values& r)
{
    double ohms = 0;
    for (std::size_t m : b.members)
        ohms += r[m];
    return ohms;
}

Circuit asBuilt(PadKind k, Ports p, std::span<const Part> parts)
{
    const PadDescription& kind = describe(k);
    Circuit c;
    Numbering number(c);
    c.input = number(in);
    c.output = number(outputNode(k));
    if (kind.balanced) {
        c.inputMinus = number(inMinus);
        c.outputMinus = number(outMinus);
    }
    const std::vector<Resistor>& resistors = resistorsOf(k, p);
    std::vector<std::pair<int, int>> ends;
    for (const Resistor& r : resistors)
        ends.emplace_back(number(place(r.a, p)), number(place(r.b, p)));
    if (parts.empty())   // each resistor a branch, its value apart
        for (std::size_t i = 0; i < ends.size(); ++i)
            c.branches.push_back({ends[i].first, ends[i].second, {i}});
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const Part& made = parts[i];
        const auto [a, b] = ends[i];
        const std::string name = std::string("R").append(std::to_string(i + 1));
        if (made.smaller == 0) {
            c.branches.push_back({a, b, {i}, made.larger, name});
        } else if (made.parallel) {
            c.branches.push_back({a, b, {i}, made.larger, name + "a"});
            c.branches.push_back({a, b, {i}, made.smaller, name + "b"});
        } else {
            const int between = number.inside(name + "_mid");
            c.branches.push_back({a, between, {i}, made.larger, name + "a"});
            c.branches.push_back({between, b, {i}, made.smaller, name + "b"});
        }
    }
    c.terminals.assign(std::size_t(c.nodes), 0);
    for (const CircuitBranch& br : c.branches) {
        ++c.terminals[std::size_t(br.a)];
        ++c.terminals[std::size_t(br.b)];
    }
    return c;
}

const Circuit& resistorNetwork(PadKind k, Ports p)
{
    static std::map<std::tuple<PadKind, Node, int>, Circuit> made;
    static std::mutex guard;
    const std::lock_guard lock(guard);
    const auto [at, fresh] = made.try_emplace({k, place(lowSide, p), furtherOutputCount(k, p)});
    if (fresh)
        at->second = asBuilt(k, p, {});
    return at->second;
}

std::string innerNode(const std::string& name) { return name + "_l"; }

} // namespace velkor
