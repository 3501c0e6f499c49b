#include "text/netlist.h"

#include "base/numtext.h"
#include "pads/circuit.h"
#include "text/report.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace velkor {
namespace {

std::string element(std::string_view name, std::string_view a, std::string_view b, double value)
{
    std::string out(name);
    out.append(" ").append(a).append(" ").append(b).append(" ").append(shortest(value)).append("\n");
    return out;
}

// A splitter's further outputs as pins, each name followed by `suffix`:
// " out2 out3"; nothing for another kind.
std::string furtherPins(const Circuit& c, const std::string& suffix)
{
    std::string pins;
    for (int further : c.loaded)
        pins.append(" ").append(c.names[std::size_t(further)]).append(suffix);
    return pins;
}

// What the control block measures of a test bench: the voltage across the
// input port and the output port, and the current into the input.
struct Probes {
    std::string in, out, current;
};

Probes probes(const std::string& name, bool balanced, double zin)
{
    const std::string vin = "v(in_" + name + ")", vout = "v(out_" + name + ")";
    if (!balanced)
        return {vin, vout, "((v(src_" + name + ")-" + vin + ")/" + shortest(zin) + ")"};
    return {"(" + vin + "-v(in_n_" + name + "))", "(" + vout + "-v(out_n_" + name + "))",
            "((v(src_" + name + ")-" + vin + ")/" + shortest(zin / 2) + ")"};
}

// One pad as built as a subcircuit named `name`, its ports in, out (a
// balanced pad's in, in_n, out, out_n), a splitter's further outputs and
// gnd; with `radio` modelled, each part's L and C and each node's pads.
std::string subcircuit(const std::string& name, const PadResult& pad, const Circuit& c,
                       const std::optional<RadioFrequency>& radio)
{
    const bool modelled = radio && radio->modelled;
    const PadDescription& kind = describe(pad.kind);
    std::string out = "\n* " + name + ", as built:";
    for (const Part& part : pad.parts)
        out.append(" ").append(part.code);
    out += "\n.subckt " + name + (kind.balanced ? " in in_n out out_n" : " in out") + furtherPins(c, "") + " gnd\n";
    // Each part; with parasitics R and L in series through a node of its
    // own, C across both.
    for (const CircuitBranch& b : c.branches) {
        const std::string& from = c.names[std::size_t(b.a)];
        const std::string& to = c.names[std::size_t(b.b)];
        if (!modelled) {
            out += element(b.name, from, to, b.ohms);
            continue;
        }
        const std::string inner = innerNode(b.name);
        std::string inductor = b.name, capacitor = b.name;
        inductor[0] = 'L';
        capacitor[0] = 'C';
        out += element(b.name, from, inner, b.ohms);
        const bool grounded = b.a == 0 || b.b == 0;   // through a via, with its inductance
        out += element(inductor, inner, to, radio->parts.inductance + (grounded ? radio->parts.viaInductance : 0));
        out += element(capacitor, from, to, radio->parts.capacitance);
    }
    if (kind.through)   // the output joined to the input by a wire
        out += "V" + name + "_wire in out 0\n";
    if (modelled) {
        // Each node's pads, in the order of the nodes' names.
        std::map<std::string, int> terminals;
        for (std::size_t k = 1; k < c.names.size(); ++k)
            if (c.terminals[k] > 0)
                terminals[c.names[k]] = c.terminals[k];
        for (const auto& [node, count] : terminals)
            out += element(std::string("Cpad_").append(node), node, "gnd", count * radio->parts.padCapacitance);
    }
    return out + ".ends " + name + "\n";
}

// A test bench named `name`: 1 V behind zin ohms (a balanced one's +0.5 V
// and -0.5 V, each behind half of it) into in_<name> (and in_n_<name>),
// `between` joining those to out_<name> (and out_n_<name>), and the load of
// zout ohms (half from each output terminal to ground).
std::string bench(const std::string& name, bool balanced, Ports p, const std::string& between)
{
    if (!balanced)
        return "V_" + name + " src_" + name + " 0 DC 1 AC 1\n" + "Rs_" + name + " src_" + name + " in_" + name + " " +
               shortest(p.zin) + "\n" + between + "Rl_" + name + " out_" + name + " 0 " + shortest(p.zout) + "\n";
    const std::string halfIn = shortest(p.zin / 2), halfOut = shortest(p.zout / 2);
    std::string out = "V_" + name + " src_" + name + " 0 DC 0.5 AC 0.5\n";
    out += "V_" + name + "_n src_n_" + name + " 0 DC -0.5 AC 0.5 180\n";
    out += "Rs_" + name + " src_" + name + " in_" + name + " " + halfIn + "\n";
    out += "Rs_" + name + "_n src_n_" + name + " in_n_" + name + " " + halfIn + "\n";
    out += between;
    out += "Rl_" + name + " out_" + name + " 0 " + halfOut + "\n";
    return out + "Rl_" + name + "_n out_n_" + name + " 0 " + halfOut + "\n";
}

// What the control block prints of a bench at 0 Hz: the attenuation as the
// calculator defines it, the voltage ratio across the two-port corrected
// for unequal impedances, and the input resistance from the current
// through the source impedance.
std::string measures(const std::string& name, bool balanced, Ports p)
{
    const Probes v = probes(name, balanced, p.zin);
    return "let " + name + "_attenuation_db = 20*log10(" + v.in + "/" + v.out + ") + 10*log10(" + shortest(p.zout) +
           "/" + shortest(p.zin) + ")\n" + "let " + name + "_input_ohm = " + v.in + "/" + v.current + "\n" +
           "print " + name + "_attenuation_db\nprint " + name + "_input_ohm\n";
}

// An AC analysis at each frequency, printing "<name>_s21_db HZ DB" for
// each bench named: S21 = 2 V(out) / Es sqrt(zin / zout), Es the 1 V AC
// source.
std::string sweepMeasures(const std::vector<std::pair<std::string, bool>>& benches, Ports p,
                          const std::vector<double>& hertz)
{
    std::string out = "foreach f";
    for (double f : hertz)
        (out += ' ') += shortest(f);
    out += "\nac lin 1 $f $f\n";
    for (const auto& [name, balanced] : benches)
        out += "let " + name + "_s21_db = db(2*" + probes(name, balanced, p.zin).out + "*sqrt(" + shortest(p.zin) +
               "/" + shortest(p.zout) + "))\necho \"" + name + "_s21_db $f\" $&" + name + "_s21_db\n";
    return out + "end\n";
}

} // namespace

// Numbers are written as std::to_chars writes them: SPICE reads 1e+06 as a
// number and no letter of it as a scale factor.
std::string netlist(const PadRequest& q, const std::vector<PadResult>& pads,
                    const std::optional<RadioFrequency>& radio)
{
    const Ports p = q.ports;
    std::string out = "* Velkor pads as built: ";
    if (q.db)
        out += shortest(*q.db) + " dB, ";
    out += shortest(p.zin) + " to " + shortest(p.zout) + " ohms, " + std::string(seriesName(q.series)) +
           (q.pairs ? " parts and pairs\n" : " parts\n");
    if (radio && radio->package)
        out += "* " + packageWords(*radio) + "\n";
    std::vector<Circuit> circuits;
    for (const PadResult& pad : pads) {
        const Circuit& c = circuits.emplace_back(asBuilt(pad.kind, p, pad.parts));
        out += subcircuit(std::string(describe(pad.kind).key), pad, c, radio);
    }
    out += "\n* Test benches: 1 V behind the source impedance, the pad, the load.\n";
    const auto any = [&pads](bool PadDescription::*what) {
        return std::any_of(pads.begin(), pads.end(), [what](const PadResult& r) { return describe(r.kind).*what; });
    };
    if (any(&PadDescription::balanced))
        out += "* A balanced pad's source is +0.5 V and -0.5 V, each behind half of it, and\n"
               "* half the load stands from each output terminal to ground.\n";
    if (any(&PadDescription::fansOut))
        out += "* Each further output of a splitter is loaded as the first.\n";
    std::vector<std::pair<std::string, bool>> benches;
    for (std::size_t n = 0; n < pads.size(); ++n) {
        const std::string name(describe(pads[n].kind).key);
        const bool balanced = describe(pads[n].kind).balanced;
        benches.emplace_back(name, balanced);
        if (balanced) {
            out += bench(name, true, p, "X_" + name + " in_" + name + " in_n_" + name + " out_" + name + " out_n_" +
                                            name + " 0 " + name + "\n");
            continue;
        }
        std::string between = "X_" + name + " in_" + name + " out_" + name + furtherPins(circuits[n], "_" + name) +
                              " 0 " + name + "\n";
        out += bench(name, false, p, between);
        for (int k : circuits[n].loaded) {
            const std::string& further = circuits[n].names[std::size_t(k)];
            out += "Rl_" + name + "_" + further + " " + further + "_" + name + " 0 " + shortest(p.zout) + "\n";
        }
    }
    out += "\n.control\nop\n";
    for (const auto& [name, balanced] : benches)
        out += measures(name, balanced, p);
    if (radio && !radio->hertz.empty())
        out += sweepMeasures(benches, p, radio->hertz);
    // quit ends a batch run with status 0 once the values are printed.
    out += "quit\n.endc\n.end\n";
    return out;
}

std::string stateNetlist(const StepResult& r, std::size_t state)
{
    const StepRequest& q = r.request;
    const StepState& s = r.states.at(state);
    const Ports p{q.impedance, q.impedance};
    const bool balanced = describe(q.kind).balanced;
    const std::string name = "state" + std::to_string(state);
    std::string out = "* Velkor step attenuator, state " + std::to_string(state) + " (" + s.bits + ") as built: " +
                      shortest(s.setting) + " dB of " + std::string(describe(q.kind).inlineName) + " pads, " +
                      shortest(p.zin) + " ohms, " + std::string(seriesName(q.series)) +
                      (q.pairs ? " parts and pairs\n" : " parts\n");
    if (q.radio && q.radio->package)
        out += "* " + packageWords(*q.radio) + "\n";
    // The bits in, each a subcircuit, chained from the input to the output
    // through nodes of their own; with none in, the ports joined by a wire.
    std::string between;
    std::string from = "in_" + name, fromMinus = "in_n_" + name;
    std::vector<std::size_t> in;
    for (std::size_t bit = 0; bit < s.bits.size(); ++bit)
        if (s.bits[bit] == '1')
            in.push_back(bit);
    for (std::size_t k = 0; k < in.size(); ++k) {
        const std::string bit = "bit" + std::to_string(in[k] + 1);
        out += subcircuit(bit, r.pads[in[k]], asBuilt(q.kind, p, r.pads[in[k]].parts), q.radio);
        const bool last = k + 1 == in.size();
        const std::string joint = std::string("n").append(std::to_string(k + 1));   // between two bits
        const std::string to = std::string(last ? "out" : joint).append("_").append(name);
        const std::string toMinus = std::string(last ? "out" : joint).append("_n_").append(name);
        between += "X_" + bit + " " + from + (balanced ? " " + fromMinus : "") + " " + to +
                   (balanced ? " " + toMinus : "") + " 0 " + bit + "\n";
        std::tie(from, fromMinus) = std::pair(to, toMinus);
    }
    if (in.empty()) {
        between = "V_" + name + "_wire in_" + name + " out_" + name + " 0\n";
        if (balanced)
            between += "V_" + name + "_wire_n in_n_" + name + " out_n_" + name + " 0\n";
    }
    out += "\n* Test bench: 1 V behind the source impedance, the bits in, the load.\n";
    if (balanced)
        out += "* Its source is +0.5 V and -0.5 V, each behind half of it, and half the\n"
               "* load stands from each output terminal to ground.\n";
    out += bench(name, balanced, p, between);
    out += "\n.control\nop\n" + measures(name, balanced, p);
    if (q.radio && !q.radio->hertz.empty())
        out += sweepMeasures({{name, balanced}}, p, q.radio->hertz);
    out += "quit\n.endc\n.end\n";
    return out;
}

} // namespace velkor
