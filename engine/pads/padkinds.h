#pragma once
// What varies by pad kind, one description each: its names, where its
// resistors sit, and its design. Every output, the netlist and the analysis
// read a kind from here, so a new two-port kind of resistors is one more
// description (and its tests).

#include <numbers>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace velkor {

/// Decibels of a voltage ratio per neper (natural log): 20 / ln 10.
constexpr double decibelsPerNeper = 20 / std::numbers::ln10;

enum class PadKind {
    pi, t, bridgedT, lPad, seriesResistor, shuntResistor, lPadSeriesFirst, lPadShuntFirst, hPad, oPad, uPad,
    splitter
};

/// The impedances a pad joins, ohms (> 0): its source's and its load's;
/// and how many outputs a splitter has, each loaded by zout (2 to
/// mostOutputs; every other kind has one).
struct Ports {
    double zin, zout;
    int outputs = 2;
};
constexpr int leastOutputs = 2, mostOutputs = 16;

/// Resistor values of a pad in its kind's order, ohms.
using Values = std::vector<double>;

/// A pad's nodes. A balanced pad's ports and junction have a second
/// terminal each, the "minus" one; `in`, `out` and `junction` are then the
/// "plus" ones. `lowSide` (and `lowSideMinus`) stands for the port of the
/// lower impedance (the input between equal ones) and is resolved by
/// `place`, so a placed node is never above `junctionMinus`.
enum Node : int { ground, in, out, junction, inMinus, outMinus, junctionMinus, lowSide, lowSideMinus, firstFurtherOutput };

/// A splitter's output beyond the first (k from 0): its node, loaded by zout
/// as the first output is.
constexpr Node furtherOutput(int k) { return static_cast<Node>(firstFurtherOutput + k); }
constexpr bool isFurtherOutput(Node n) { return n >= firstFurtherOutput; }

/// One resistor of a kind.
struct Resistor {
    std::string_view label;   ///< as the text lines name it: "R1", "arm in"
    std::string_view role;    ///< in words: "input shunt", "bridge"
    Node a, b;                ///< the nodes it joins
};

/// A point of a schematic's grid: x to the right, y down, in grid steps.
struct GridPoint {
    int x, y;
    bool operator==(const GridPoint&) const = default;
};

/// A straight stroke of a schematic from one grid point to another.
struct Stroke {
    GridPoint from, to;
};

/// How a kind is drawn on a small grid: each resistor (in the kind's order)
/// as a stroke between its two ends, the wires, the port terminals, and the
/// ground symbol, which stands on the ground wire. A resistor's end joins
/// whatever wire passes through that point.
struct Drawing {
    std::vector<Stroke> resistors;
    std::vector<Stroke> wires{};
    GridPoint in{}, out{}, ground{};
    /// A balanced pad: no ground, and a minus terminal at each port.
    bool balanced = false;
    GridPoint inMinus{}, outMinus{};
    /// A splitter's further outputs' terminals.
    std::vector<GridPoint> furtherOutputs{};
};

/// The loss at or below which no pad of a kind joins its ports, and how a
/// refusal puts it.
struct LeastLoss {
    double (*of)(Ports p);     ///< dB; 0 for a kind whose loss is its own
    std::string_view rule;     ///< "the attenuation must be above the minimum of"
};

/// What the main window shows of a kind.
enum class InWindow {
    no,                         ///< nothing: a pad beyond the window's
    withoutTheoreticalPowers,   ///< the pad, but no power in its theoretical values
    withTheoreticalPowers,      ///< the pad and the power in each theoretical value
};

/// One kind of pad.
struct PadDescription {
    PadKind kind;
    std::string_view key;         ///< in the outputs and --pad: "bridged_t"
    std::string_view name;        ///< in words: "Minimum-loss L-pad"
    std::string_view lineName;    ///< first in a text line: "L-pad", "Bridged-T"
    std::string_view inlineName;  ///< later in a line: "bridged-T"
    /// How a refusal of its loss names it, where that is not `inlineName`:
    /// the Pi and T share their minimum and are refused together.
    std::string_view refusedAs = {};
    std::vector<Resistor> resistors;   ///< in the kind's order
    /// The resistor that carries no current by design (the bridged-T's arm
    /// out, whose ends sit at the same voltage), if any.
    std::optional<std::size_t> idle = std::nullopt;
    /// Whether the design takes an attenuation; the L-pad's is its own.
    bool takesDb = true;
    /// Designed for its insertion loss rather than its attenuation: the
    /// single resistors, matched at neither port, whose attenuation is not
    /// the dB they were designed for.
    bool byInsertionLoss = false;
    /// Matched at both ports by design, so that it can be a bit of a step
    /// attenuator where it also takes an attenuation.
    bool matched = false;
    /// The output port is the input's node, joined by a wire (a shunt
    /// resistor alone): the output node is `in`, and `out` is not used.
    bool through = false;
    /// Balanced ports: the source drives in and inMinus with +-Vs/2, each
    /// through Zin/2, and Zout/2 loads each of out and outMinus to ground.
    /// Each series arm is two equal halves, one between plus nodes and one
    /// between the same minus nodes; a shunt joins a node's two terminals.
    bool balanced = false;
    /// A splitter: one output a further arm from the junction. `resistors`
    /// and `drawing` show one output; `resistorsOf` and `drawn` repeat the
    /// last resistor to each further output, drawn a grid step lower each
    /// time on a wire down from the junction.
    bool fansOut = false;
    /// Worked out when no kind is named and the ports allow it (and, for a
    /// kind that takes one, an attenuation is given).
    bool byDefault = false;
    InWindow window = InWindow::no;
    /// The schematic, drawn with the low side (where it matters) at the
    /// output; `drawn` turns it round when the low side is the input.
    Drawing drawing;
    /// Why no pad of this kind joins these ports (any attenuation), or "".
    std::string_view (*unavailable)(Ports p);
    LeastLoss leastLoss;
    /// The resistors, ohms, of a pad of `db` decibels (ignored where the
    /// kind takes none) between the ports; nothing where no design exists
    /// or a value leaves the range of a double.
    std::optional<Values> (*design)(double db, Ports p);
};

/// How many outputs beyond the first a kind has between these ports: a
/// splitter's outputs less one (its count held to leastOutputs ...
/// mostOutputs), 0 for any other kind.
int furtherOutputCount(PadKind k, Ports p);

/// The resistors of a kind between these ports, in its order: the
/// description's, and a splitter's arm to each further output.
const std::vector<Resistor>& resistorsOf(PadKind k, Ports p);

/// Every kind, in the order the outputs give them.
std::span<const PadDescription> padKinds();

/// Whether a kind can be a bit of a step attenuator: matched at both ports,
/// with an attenuation of its own to set.
bool steppable(PadKind k);

/// The kinds worked out when none are named: the default kinds that join
/// the ports, and of them those that take an attenuation only when `db`.
std::vector<PadKind> defaultKinds(bool db, Ports p);

/// The description of a kind.
const PadDescription& describe(PadKind k);

/// The kind of an output key ("pi", "bridged_t"); nothing for another text.
std::optional<PadKind> kindByKey(std::string_view key);

/// The node `n` stands for between these ports: `lowSide` resolved.
Node place(Node n, Ports p);

/// Where a kind's shunt arm sits when it follows the lower impedance
/// (the L-pad's and U-pad's): `in` or `out` between these ports; nothing
/// for a kind whose arms stay where they are drawn.
std::optional<Node> shuntPort(PadKind k, Ports p);

/// The node of a kind's output port: `out`, or `in` for a kind that passes
/// straight through.
Node outputNode(PadKind k);

/// The plus terminal of a node (a node that is not a minus terminal is its
/// own).
Node plusOf(Node n);

/// Whether a placed node is a balanced pad's minus terminal.
bool isMinus(Node n);

/// The schematic of a kind between these ports.
Drawing drawn(PadKind k, Ports p);

/// The least loss of a resistive pad between two impedances, dB:
/// 20 log10(sqrt(r) + sqrt(r - 1)) with r = Zmax / Zmin; 0 when they are equal.
/// Pi and T exist only above it; the L-pad has exactly this loss.
double minimumAttenuation(Ports p);

/// The insertion loss of a direct connection of two impedances, dB:
/// 20 log10((Zin + Zout) / (2 sqrt(Zin Zout))); 0 when they are equal.
/// A single series or shunt resistor exists only above it.
double mismatchLoss(Ports p);

} // namespace velkor
