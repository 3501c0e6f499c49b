#include "text/netlist.h"

#include "base/numtext.h"
#include "pads/circuit.h"
#include "text/report.h"

#include <algorithm>
#include <map>

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

} // namespace

// Numbers are written as std::to_chars writes them: SPICE reads 1e+06 as a
// number and no letter of it as a scale factor.
std::string netlist(const PadRequest& q, const std::vector<PadResult>& pads,
                    const std::optional<RadioFrequency>& radio)
{
    const bool modelled = radio && radio->modelled;
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
        const PadDescription& kind = describe(pad.kind);
        const Circuit& c = circuits.emplace_back(asBuilt(pad.kind, p, pad.parts));
        const std::string name(kind.key);
        out += "\n* " + name + ", as built:";
        for (const Part& part : pad.parts)
            out.append(" ").append(part.code);
        out += "\n.subckt " + name + (kind.balanced ? " in in_n out out_n" : " in out") + furtherPins(c, "") +
               " gnd\n";
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
        out += ".ends " + name + "\n";
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
    for (std::size_t n = 0; n < pads.size(); ++n) {
        const PadResult& pad = pads[n];
        const std::string name(describe(pad.kind).key);
        if (!describe(pad.kind).balanced) {
            out += "V_" + name + " src_" + name + " 0 DC 1 AC 1\n";
            out += "Rs_" + name + " src_" + name + " in_" + name + " " + shortest(p.zin) + "\n";
            out += "X_" + name + " in_" + name + " out_" + name + furtherPins(circuits[n], "_" + name) + " 0 " + name +
                   "\n";
            out += "Rl_" + name + " out_" + name + " 0 " + shortest(p.zout) + "\n";
            for (int k : circuits[n].loaded) {
                const std::string& further = circuits[n].names[std::size_t(k)];
                out += "Rl_" + name + "_" + further + " " + further + "_" + name + " 0 " + shortest(p.zout) + "\n";
            }
            continue;
        }
        const std::string halfIn = shortest(p.zin / 2), halfOut = shortest(p.zout / 2);
        out += "V_" + name + " src_" + name + " 0 DC 0.5 AC 0.5\n";
        out += "V_" + name + "_n src_n_" + name + " 0 DC -0.5 AC 0.5 180\n";
        out += "Rs_" + name + " src_" + name + " in_" + name + " " + halfIn + "\n";
        out += "Rs_" + name + "_n src_n_" + name + " in_n_" + name + " " + halfIn + "\n";
        out += "X_" + name + " in_" + name + " in_n_" + name + " out_" + name + " out_n_" + name + " 0 " + name + "\n";
        out += "Rl_" + name + " out_" + name + " 0 " + halfOut + "\n";
        out += "Rl_" + name + "_n out_n_" + name + " 0 " + halfOut + "\n";
    }
    // Attenuation as the calculator defines it: the voltage ratio across the
    // pad, corrected for unequal impedances; the input resistance from the
    // current through the source impedance.
    out += "\n.control\nop\n";
    for (const PadResult& pad : pads) {
        const std::string name(describe(pad.kind).key);
        const Probes v = probes(name, describe(pad.kind).balanced, p.zin);
        out += "let " + name + "_attenuation_db = 20*log10(" + v.in + "/" + v.out + ") + 10*log10(" +
               shortest(p.zout) + "/" + shortest(p.zin) + ")\n";
        out += "let " + name + "_input_ohm = " + v.in + "/" + v.current + "\n";
        out += "print " + name + "_attenuation_db\nprint " + name + "_input_ohm\n";
    }
    if (radio && !radio->hertz.empty()) {
        // S21 = 2 V(out) / Es sqrt(zin / zout), Es the 1 V AC source.
        out += "foreach f";
        for (double f : radio->hertz)
            (out += ' ') += shortest(f);
        out += "\nac lin 1 $f $f\n";
        for (const PadResult& pad : pads) {
            const std::string name(describe(pad.kind).key);
            out += "let " + name + "_s21_db = db(2*" + probes(name, describe(pad.kind).balanced, p.zin).out + "*sqrt(" +
                   shortest(p.zin) + "/" +
                   shortest(p.zout) + "))\necho \"" + name + "_s21_db $f\" $&" + name + "_s21_db\n";
        }
        out += "end\n";
    }
    // quit ends a batch run with status 0 once the values are printed.
    out += "quit\n.endc\n.end\n";
    return out;
}

} // namespace velkor
