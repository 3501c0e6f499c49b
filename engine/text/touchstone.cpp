// Between equal impedances version 1.1, which every reader takes; between
// unequal ones version 2.0, whose [Reference] keyword gives each port its
// own impedance.

#include "text/touchstone.h"

#include "base/numtext.h"

namespace velkor {
namespace {

void pair(std::string& out, Complex s)
{
    ((out += ' ') += shortest(s.real()) += ' ') += shortest(s.imag());
}

// The parts' parasitics and package as comment lines.
std::string partsComments(const RadioFrequency& radio)
{
    const Parasitics& x = radio.parts;
    std::string out = "! Each part: L " + shortest(x.inductance) + " H, C " + shortest(x.capacitance) +
                      " F; each pad to ground: " + shortest(x.padCapacitance) + " F\n";
    if (radio.package)
        out += "! " + packageWords(radio) + "\n";
    return out;
}

// The option line and the data, after the comments: version 1.1 between
// equal impedances, 2.0 with its keywords between unequal ones.
std::string data(Ports p, const std::vector<double>& hertz, const std::vector<SParameters>& response)
{
    const bool unequal = p.zin != p.zout;
    std::string out;
    if (unequal)
        out += "[Version] 2.0\n";
    out += "# HZ S RI R " + shortest(p.zin) + "\n";
    if (unequal)
        out += "[Number of Ports] 2\n[Two-Port Data Order] 21_12\n[Number of Frequencies] " +
               std::to_string(hertz.size()) + "\n[Reference] " + shortest(p.zin) + " " + shortest(p.zout) +
               "\n[Network Data]\n";
    out += "! f S11 S21 S12 S22, real and imaginary parts\n";
    for (std::size_t i = 0; i < hertz.size(); ++i) {
        const SParameters& s = response[i];
        out += shortest(hertz[i]);
        for (Complex c : {s.s11, s.s21, s.s21, s.s22})   // reciprocal: S12 = S21
            pair(out, c);
        out += '\n';
    }
    if (unequal)
        out += "[End]\n";
    return out;
}

} // namespace

std::string touchstone(const Row& r)
{
    const PadResult& pad = r.pads.front();
    const PadDescription& kind = describe(pad.kind);
    std::string out = "! Velkor: " + std::string(kind.name) + " as built";
    if (r.db)
        out += ", " + shortest(*r.db) + " dB";
    out += ", " + shortest(r.ports.zin) + " to " + shortest(r.ports.zout) + " ohms, " +
           std::string(seriesName(r.series)) + " parts\n!";
    for (std::size_t i = 0; i < pad.parts.size(); ++i)
        out += " R" + std::to_string(i + 1) + " " + pad.parts[i].code;
    out.append("\n").append(partsComments(*r.radio));
    if (kind.fansOut) {   // two ports of a pad of more
        const std::string others = r.ports.outputs == leastOutputs
                                       ? "output 2"
                                       : "outputs 2 to " + std::to_string(r.ports.outputs);
        out += "! Port 2 is output 1; " + others + " loaded by " + shortest(r.ports.zout) + " ohms\n";
    }
    return out + data(r.ports, r.radio->hertz, r.padRadio.front().response);
}

std::string stateTouchstone(const StepResult& r, std::size_t state)
{
    const StepRequest& q = r.request;
    const StepState& s = r.states.at(state);
    std::string out = "! Velkor: step attenuator as built, state " + std::to_string(state) + " (" + s.bits + "), " +
                      shortest(s.setting) + " dB of " + std::string(describe(q.kind).inlineName) + " pads, " +
                      shortest(q.impedance) + " ohms, " + std::string(seriesName(q.series)) + " parts\n";
    for (std::size_t bit = 0; bit < s.bits.size(); ++bit) {
        if (s.bits[bit] != '1')
            continue;
        out += "! bit " + std::to_string(bit + 1) + ", " + shortest(q.bits[bit]) + " dB:";
        for (const Part& part : r.pads[bit].parts)
            out += " " + part.code;
        out += "\n";
    }
    return out + partsComments(*q.radio) + data({q.impedance, q.impedance}, q.radio->hertz, s.radio.response);
}

} // namespace velkor
