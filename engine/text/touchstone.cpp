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

} // namespace

std::string touchstone(const Row& r)
{
    const PadResult& pad = r.pads.front();
    const PadDescription& kind = describe(pad.kind);
    const Parasitics& x = r.radio->parts;
    const bool unequal = r.ports.zin != r.ports.zout;
    std::string out = "! Velkor: " + std::string(kind.name) + " as built";
    if (r.db)
        out += ", " + shortest(*r.db) + " dB";
    out += ", " + shortest(r.ports.zin) + " to " + shortest(r.ports.zout) + " ohms, " +
           std::string(seriesName(r.series)) + " parts\n!";
    for (std::size_t i = 0; i < pad.parts.size(); ++i)
        out += " R" + std::to_string(i + 1) + " " + pad.parts[i].code;
    out += "\n! Each part: L " + shortest(x.inductance) + " H, C " + shortest(x.capacitance) +
           " F; each pad to ground: " + shortest(x.padCapacitance) + " F\n";
    if (r.radio->package)
        out += "! " + packageWords(*r.radio) + "\n";
    if (kind.fansOut) {   // two ports of a pad of more
        const std::string others = r.ports.outputs == leastOutputs ? "output 2" : "outputs 2 to " + std::to_string(r.ports.outputs);
        out += "! Port 2 is output 1; " + others + " loaded by " + shortest(r.ports.zout) + " ohms\n";
    }
    if (unequal)
        out += "[Version] 2.0\n";
    out += "# HZ S RI R " + shortest(r.ports.zin) + "\n";
    if (unequal)
        out += "[Number of Ports] 2\n[Two-Port Data Order] 21_12\n[Number of Frequencies] " +
               std::to_string(r.radio->hertz.size()) + "\n[Reference] " + shortest(r.ports.zin) + " " +
               shortest(r.ports.zout) + "\n[Network Data]\n";
    out += "! f S11 S21 S12 S22, real and imaginary parts\n";
    for (std::size_t i = 0; i < r.radio->hertz.size(); ++i) {
        const SParameters& s = r.padRadio.front().response[i];
        out += shortest(r.radio->hertz[i]);
        for (Complex c : {s.s11, s.s21, s.s21, s.s22})   // reciprocal: S12 = S21
            pair(out, c);
        out += '\n';
    }
    if (unequal)
        out += "[End]\n";
    return out;
}

} // namespace velkor
