#include "pads/padkinds.h"

#include "base/checks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <mutex>
#include <string>

namespace velkor {
namespace {

std::optional<Values> checked(Values r)
{
    if (!allPositive(r))
        return std::nullopt;
    return r;
}

std::string_view anyPorts(Ports) { return {}; }
std::string_view equalOnly(Ports p) { return p.zin == p.zout ? "" : "equal impedances only"; }
std::string_view unequalOnly(Ports p) { return p.zin != p.zout ? "" : "unequal impedances only"; }

// x = dB ln(10) / 20, so that the voltage ratio is K = e^x. Each form below
// is the textbook one rewritten without a difference of nearly equal
// numbers: K - 1 = expm1(x), (K^2 - 1) / 2K = sinh x, and
// cosh x - sqrt(zb / za) = 2 sinh^2(x/2) + (za - zb) / (za + sqrt(za zb)).
struct Hyperbolic {
    double sinhX, mean;
    double halfSquared;   // 2 sinh^2(x/2) = cosh x - 1
    // cosh x - sqrt(zb / za)
    double excess(double za, double zb) const { return halfSquared + (za - zb) / (za + std::sqrt(za * zb)); }
};

std::optional<Hyperbolic> hyperbolic(double db, Ports p)
{
    if (!(db > minimumAttenuation(p)))
        return std::nullopt;
    const double x = db / decibelsPerNeper, half = std::sinh(x / 2);
    return Hyperbolic{std::sinh(x), std::sqrt(p.zin * p.zout), 2 * half * half};
}

std::optional<Values> piDesign(double db, Ports p)
{
    const std::optional<Hyperbolic> h = hyperbolic(db, p);
    if (!h)
        return std::nullopt;
    return checked({p.zin * h->sinhX / h->excess(p.zout, p.zin), h->mean * h->sinhX,
                    p.zout * h->sinhX / h->excess(p.zin, p.zout)});
}

std::optional<Values> tDesign(double db, Ports p)
{
    const std::optional<Hyperbolic> h = hyperbolic(db, p);
    if (!h)
        return std::nullopt;
    return checked({p.zin * h->excess(p.zin, p.zout) / h->sinhX, h->mean / h->sinhX,
                    p.zout * h->excess(p.zout, p.zin) / h->sinhX});
}

std::optional<Values> bridgedTDesign(double db, Ports p)
{
    const double x = db / decibelsPerNeper;
    if (p.zin != p.zout || !(x > 0))
        return std::nullopt;
    const double km1 = std::expm1(x);   // K - 1
    return checked({p.zin, p.zin, p.zin * km1, p.zin / km1});
}

// A single resistor of a given insertion loss: 2 sqrt(Zin Zout) K - Zin -
// Zout, written as 2 sqrt(Zin Zout) (K - 1) - (sqrt Zin - sqrt Zout)^2;
// the series resistor is that many ohms, the shunt that many siemens times
// Zin Zout. Between equal impedances it is 2 Z expm1(x).
std::optional<double> excessOhms(double db, Ports p)
{
    if (!(db > mismatchLoss(p)))
        return std::nullopt;
    const double x = db / decibelsPerNeper, rootDifference = std::sqrt(p.zin) - std::sqrt(p.zout);
    return 2 * std::sqrt(p.zin * p.zout) * std::expm1(x) - rootDifference * rootDifference;
}

std::optional<Values> seriesResistorDesign(double db, Ports p)
{
    const std::optional<double> ohms = excessOhms(db, p);
    return ohms ? checked({*ohms}) : std::nullopt;
}

std::optional<Values> shuntResistorDesign(double db, Ports p)
{
    const std::optional<double> ohms = excessOhms(db, p);
    return ohms ? checked({p.zin * p.zout / *ohms}) : std::nullopt;
}

// L-pads of a given loss between equal impedances, matched at their input
// only, with K = e^x: series Z (K - 1) / K and shunt Z / (K - 1) with the
// shunt across the output, or series Z (K - 1) and shunt Z K / (K - 1) with
// it across the input.
std::optional<Values> lPadSeriesFirstDesign(double db, Ports p)
{
    const double x = db / decibelsPerNeper;
    if (p.zin != p.zout || !(x > 0))
        return std::nullopt;
    return checked({-p.zin * std::expm1(-x), p.zin / std::expm1(x)});
}

std::optional<Values> lPadShuntFirstDesign(double db, Ports p)
{
    const double x = db / decibelsPerNeper;
    if (p.zin != p.zout || !(x > 0))
        return std::nullopt;
    return checked({p.zin * std::expm1(x), p.zin / -std::expm1(-x)});
}

double noLeastLoss(Ports) { return 0; }

// A balanced pad: an unbalanced design with the series arms named by
// `halved` (indices into it) each split into two equal halves, the top
// half and then the bottom one in place of the arm.
std::optional<Values> balancedOf(const std::optional<Values>& unbalanced, std::initializer_list<std::size_t> halved)
{
    if (!unbalanced)
        return std::nullopt;
    Values out;
    for (std::size_t i = 0; i < unbalanced->size(); ++i) {
        const double ohms = (*unbalanced)[i];
        const bool split = std::find(halved.begin(), halved.end(), i) != halved.end();
        out.insert(out.end(), split ? 2 : 1, split ? ohms / 2 : ohms);
    }
    return checked(out);
}

std::optional<Values> lPadDesign(double, Ports p)
{
    if (p.zin == p.zout)
        return std::nullopt;
    const double zh = std::max(p.zin, p.zout), zl = std::min(p.zin, p.zout);
    return checked({std::sqrt(zh * (zh - zl)), zl * std::sqrt(zh / (zh - zl))});
}

std::optional<Values> hPadDesign(double db, Ports p) { return balancedOf(tDesign(db, p), {0, 2}); }
std::optional<Values> oPadDesign(double db, Ports p) { return balancedOf(piDesign(db, p), {1}); }
std::optional<Values> uPadDesign(double db, Ports p) { return balancedOf(lPadDesign(db, p), {0}); }

// A resistive star: an arm from each port to the junction, each
// Z (N - 1) / (N + 1), so that every port sees Z with the others loaded;
// between equal impedances only.
std::optional<Values> splitterDesign(double, Ports p)
{
    if (p.zin != p.zout || p.outputs < leastOutputs || p.outputs > mostOutputs)
        return std::nullopt;
    const double arm = p.zin * (p.outputs - 1) / (p.outputs + 1);
    return checked(Values(static_cast<std::size_t>(p.outputs) + 1, arm));
}

// How the least losses are refused.
constexpr LeastLoss ownLoss{noLeastLoss, ""};
constexpr LeastLoss matchedMinimum{minimumAttenuation, "the attenuation must be above the minimum of"};
constexpr LeastLoss mismatch{mismatchLoss, "the insertion loss must be above the mismatch loss of"};

const std::vector<PadDescription> kinds = {
    {.kind = PadKind::pi, .key = "pi", .name = "Pi", .lineName = "Pi", .inlineName = "Pi", .refusedAs = "Pi or T",
     .resistors = {{"R1", "input shunt", in, ground}, {"R2", "series", in, out}, {"R3", "output shunt", out, ground}},
     .matched = true, .byDefault = true, .window = InWindow::withTheoreticalPowers,
     .drawing = {{{{1, 0}, {1, 2}}, {{1, 0}, {3, 0}}, {{3, 0}, {3, 2}}},
                 {{{0, 0}, {1, 0}}, {{3, 0}, {4, 0}}, {{0, 2}, {4, 2}}}, {0, 0}, {4, 0}, {2, 2}},
     .unavailable = anyPorts, .leastLoss = matchedMinimum, .design = piDesign},
    {.kind = PadKind::t, .key = "t", .name = "T", .lineName = "T", .inlineName = "T", .refusedAs = "Pi or T",
     .resistors = {{"R1", "input arm", in, junction}, {"R2", "shunt", junction, ground},
                   {"R3", "output arm", junction, out}},
     .matched = true, .byDefault = true, .window = InWindow::withoutTheoreticalPowers,
     .drawing = {{{{0, 0}, {2, 0}}, {{2, 0}, {2, 2}}, {{2, 0}, {4, 0}}}, {{{0, 2}, {4, 2}}}, {0, 0}, {4, 0}, {2, 2}},
     .unavailable = anyPorts, .leastLoss = matchedMinimum, .design = tDesign},
    {.kind = PadKind::bridgedT, .key = "bridged_t", .name = "Bridged-T", .lineName = "Bridged-T",
     .inlineName = "bridged-T",
     .resistors = {{"arm in", "arm in", in, junction}, {"arm out", "arm out", junction, out},
                   {"bridge", "bridge", in, out}, {"shunt", "shunt", junction, ground}},
     .idle = 1, .matched = true, .byDefault = true,
     .drawing = {{{{0, 1}, {2, 1}}, {{2, 1}, {4, 1}}, {{1, 0}, {3, 0}}, {{2, 1}, {2, 3}}},
                 {{{0, 1}, {0, 0}}, {{0, 0}, {1, 0}}, {{3, 0}, {4, 0}}, {{4, 0}, {4, 1}}, {{0, 3}, {4, 3}}},
                 {0, 1}, {4, 1}, {2, 3}},
     .unavailable = equalOnly, .leastLoss = ownLoss, .design = bridgedTDesign},
    // The series arm on the higher-impedance side, the shunt across the lower.
    {.kind = PadKind::lPad, .key = "l_pad", .name = "Minimum-loss L-pad", .lineName = "L-pad", .inlineName = "L-pad",
     .resistors = {{"series", "series", in, out}, {"shunt", "shunt", lowSide, ground}},
     .takesDb = false, .matched = true, .byDefault = true,
     .drawing = {{{{0, 0}, {2, 0}}, {{2, 0}, {2, 2}}}, {{{2, 0}, {3, 0}}, {{0, 2}, {3, 2}}}, {0, 0}, {3, 0}, {1, 2}},
     .unavailable = unequalOnly, .leastLoss = ownLoss, .design = lPadDesign},
    // Designed for their insertion loss, which for these unmatched pads is
    // not their attenuation.
    {.kind = PadKind::seriesResistor, .key = "series_r", .name = "Series resistor", .lineName = "Series resistor",
     .inlineName = "series resistor",
     .resistors = {{"series", "series", in, out}}, .byInsertionLoss = true,
     .drawing = {{{{0, 0}, {2, 0}}}, {{{0, 2}, {2, 2}}}, {0, 0}, {2, 0}, {1, 2}},
     .unavailable = anyPorts, .leastLoss = mismatch, .design = seriesResistorDesign},
    {.kind = PadKind::shuntResistor, .key = "shunt_r", .name = "Shunt resistor", .lineName = "Shunt resistor",
     .inlineName = "shunt resistor",
     .resistors = {{"shunt", "shunt", in, ground}},
     .byInsertionLoss = true, .through = true,
     .drawing = {{{{1, 0}, {1, 2}}}, {{{0, 0}, {2, 0}}, {{0, 2}, {2, 2}}}, {0, 0}, {2, 0}, {1, 2}},
     .unavailable = anyPorts, .leastLoss = mismatch, .design = shuntResistorDesign},
    {.kind = PadKind::lPadSeriesFirst, .key = "l_pad_series", .name = "L-pad of a given loss, series first",
     .lineName = "L-pad, series first", .inlineName = "L-pad, series first",
     .resistors = {{"series", "series", in, out}, {"shunt", "shunt", out, ground}},
     .drawing = {{{{0, 0}, {2, 0}}, {{2, 0}, {2, 2}}}, {{{2, 0}, {3, 0}}, {{0, 2}, {3, 2}}}, {0, 0}, {3, 0}, {1, 2}},
     .unavailable = equalOnly, .leastLoss = ownLoss, .design = lPadSeriesFirstDesign},
    {.kind = PadKind::lPadShuntFirst, .key = "l_pad_shunt", .name = "L-pad of a given loss, shunt first",
     .lineName = "L-pad, shunt first", .inlineName = "L-pad, shunt first",
     .resistors = {{"series", "series", in, out}, {"shunt", "shunt", in, ground}},
     .drawing = {{{{1, 0}, {3, 0}}, {{1, 0}, {1, 2}}}, {{{0, 0}, {1, 0}}, {{0, 2}, {3, 2}}}, {0, 0}, {3, 0}, {2, 2}},
     .unavailable = equalOnly, .leastLoss = ownLoss, .design = lPadShuntFirstDesign},
    // Balanced: the T, Pi and L with each series arm in two halves.
    {.kind = PadKind::hPad, .key = "h_pad", .name = "H-pad (balanced T)", .lineName = "H-pad", .inlineName = "H-pad",
     .resistors = {{"in top", "input arm, top half", in, junction},
                   {"in bottom", "input arm, bottom half", inMinus, junctionMinus},
                   {"shunt", "shunt", junction, junctionMinus},
                   {"out top", "output arm, top half", junction, out},
                   {"out bottom", "output arm, bottom half", junctionMinus, outMinus}},
     .matched = true, .balanced = true,
     .drawing = {.resistors = {{{0, 0}, {2, 0}}, {{0, 2}, {2, 2}}, {{2, 0}, {2, 2}}, {{2, 0}, {4, 0}}, {{2, 2}, {4, 2}}},
                 .in = {0, 0}, .out = {4, 0}, .balanced = true, .inMinus = {0, 2}, .outMinus = {4, 2}},
     .unavailable = anyPorts, .leastLoss = matchedMinimum, .design = hPadDesign},
    {.kind = PadKind::oPad, .key = "o_pad", .name = "O-pad (balanced Pi)", .lineName = "O-pad", .inlineName = "O-pad",
     .resistors = {{"in shunt", "input shunt", in, inMinus}, {"series top", "series arm, top half", in, out},
                   {"series bottom", "series arm, bottom half", inMinus, outMinus},
                   {"out shunt", "output shunt", out, outMinus}},
     .matched = true, .balanced = true,
     .drawing = {.resistors = {{{1, 0}, {1, 2}}, {{1, 0}, {3, 0}}, {{1, 2}, {3, 2}}, {{3, 0}, {3, 2}}},
                 .wires = {{{0, 0}, {1, 0}}, {{3, 0}, {4, 0}}, {{0, 2}, {1, 2}}, {{3, 2}, {4, 2}}},
                 .in = {0, 0}, .out = {4, 0}, .balanced = true, .inMinus = {0, 2}, .outMinus = {4, 2}},
     .unavailable = anyPorts, .leastLoss = matchedMinimum, .design = oPadDesign},
    // The series arm on the higher-impedance side, the shunt across the lower.
    {.kind = PadKind::uPad, .key = "u_pad", .name = "U-pad (balanced minimum-loss L)", .lineName = "U-pad",
     .inlineName = "U-pad",
     .resistors = {{"series top", "series arm, top half", in, out},
                   {"series bottom", "series arm, bottom half", inMinus, outMinus},
                   {"shunt", "shunt", lowSide, lowSideMinus}},
     .takesDb = false, .matched = true, .balanced = true,
     .drawing = {.resistors = {{{0, 0}, {2, 0}}, {{0, 2}, {2, 2}}, {{2, 0}, {2, 2}}},
                 .wires = {{{2, 0}, {3, 0}}, {{2, 2}, {3, 2}}},
                 .in = {0, 0}, .out = {3, 0}, .balanced = true, .inMinus = {0, 2}, .outMinus = {3, 2}},
     .unavailable = unequalOnly, .leastLoss = ownLoss, .design = uPadDesign},
    {.kind = PadKind::splitter, .key = "splitter", .name = "Resistive splitter", .lineName = "Splitter",
     .inlineName = "splitter",
     .resistors = {{"arm in", "input arm", in, junction}, {"arm 1", "arm to output 1", junction, out}},
     .takesDb = false, .matched = true, .fansOut = true,
     .drawing = {{{{0, 0}, {2, 0}}, {{2, 0}, {4, 0}}}, {{{0, 1}, {4, 1}}}, {0, 0}, {4, 0}, {2, 1}},
     .unavailable = equalOnly, .leastLoss = ownLoss, .design = splitterDesign},
};

// A splitter's resistors for each number of outputs, made once: its
// description's, then "arm 2" ... to each further output.
const std::vector<Resistor>& fannedOut(const PadDescription& d, int outputs)
{
    static const std::array<std::string, mostOutputs + 1> labels = [] {
        std::array<std::string, mostOutputs + 1> out;
        for (std::size_t k = 0; k < out.size(); ++k)
            out[k] = "arm " + std::to_string(k);
        return out;
    }();
    static const std::array<std::string, mostOutputs + 1> roles = [] {
        std::array<std::string, mostOutputs + 1> out;
        for (std::size_t k = 0; k < out.size(); ++k)
            out[k] = "arm to output " + std::to_string(k);
        return out;
    }();
    static std::map<std::pair<PadKind, int>, std::vector<Resistor>> made;
    static std::mutex guard;
    const std::lock_guard lock(guard);
    std::vector<Resistor>& r = made[{d.kind, outputs}];
    if (r.empty()) {
        r = d.resistors;
        const Resistor last = d.resistors.back();
        for (int k = 0; k + 1 < outputs; ++k)
            r.push_back({labels[std::size_t(k) + 2], roles[std::size_t(k) + 2], last.a, furtherOutput(k)});
    }
    return r;
}

} // namespace

std::span<const PadDescription> padKinds() { return kinds; }

bool steppable(PadKind k) { return describe(k).matched && describe(k).takesDb; }

std::vector<PadKind> defaultKinds(bool db, Ports p)
{
    std::vector<PadKind> out;
    for (const PadDescription& d : kinds)
        if (d.byDefault && d.unavailable(p).empty() && (db || !d.takesDb))
            out.push_back(d.kind);
    return out;
}

int furtherOutputCount(PadKind k, Ports p)
{
    return describe(k).fansOut ? std::clamp(p.outputs, leastOutputs, mostOutputs) - 1 : 0;
}

const std::vector<Resistor>& resistorsOf(PadKind k, Ports p)
{
    const PadDescription& d = describe(k);
    return d.fansOut ? fannedOut(d, furtherOutputCount(k, p) + 1) : d.resistors;
}

const PadDescription& describe(PadKind k)
{
    return *std::find_if(kinds.begin(), kinds.end(), [k](const PadDescription& d) { return d.kind == k; });
}

std::optional<PadKind> kindByKey(std::string_view key)
{
    for (const PadDescription& d : kinds)
        if (d.key == key)
            return d.kind;
    return std::nullopt;
}

Drawing drawn(PadKind k, Ports p)
{
    const PadDescription& d = describe(k);
    Drawing out = d.drawing;
    if (d.fansOut) {
        // The last arm again for each further output, a row lower each
        // time, on a wire down from the junction; the rows below move down.
        const Stroke last = d.drawing.resistors.back();
        const int further = furtherOutputCount(k, p);
        for (Stroke& w : out.wires)
            if (w.from.y > last.from.y && w.to.y > last.from.y) {
                w.from.y += further;
                w.to.y += further;
            }
        out.ground.y += further;
        for (int row = 1; row <= further; ++row) {
            out.resistors.push_back({{last.from.x, last.from.y + row}, {last.to.x, last.to.y + row}});
            out.furtherOutputs.push_back({d.drawing.out.x, d.drawing.out.y + row});
        }
        out.wires.push_back({last.from, {last.from.x, last.from.y + further}});
    }
    const bool lowinput = std::any_of(d.resistors.begin(), d.resistors.end(), [p](const Resistor& r) {
        return (r.a == lowSide || r.b == lowSide) && place(lowSide, p) == in;
    });
    if (!lowinput)
        return out;
    // Mirrored left to right, so that the low side stands at the input.
    const int width = d.drawing.out.x;
    const auto mirror = [width](GridPoint& g) { g.x = width - g.x; };
    for (std::vector<Stroke>* strokes : {&out.resistors, &out.wires})
        for (Stroke& s : *strokes) {
            mirror(s.from);
            mirror(s.to);
        }
    mirror(out.ground);
    std::swap(out.in, out.out);
    std::swap(out.inMinus, out.outMinus);
    for (GridPoint* terminal : {&out.in, &out.out, &out.inMinus, &out.outMinus})
        mirror(*terminal);
    return out;
}

Node place(Node n, Ports p)
{
    const bool lowOutput = p.zin > p.zout;
    if (n == lowSide)
        return lowOutput ? out : in;
    if (n == lowSideMinus)
        return lowOutput ? outMinus : inMinus;
    return n;
}

std::optional<Node> shuntPort(PadKind k, Ports p)
{
    for (const Resistor& r : describe(k).resistors)
        if (r.a == lowSide || r.b == lowSide)
            return place(lowSide, p);
    return std::nullopt;
}

Node outputNode(PadKind k) { return describe(k).through ? in : out; }

Node plusOf(Node n)
{
    switch (n) {
    case inMinus: return in;
    case outMinus: return out;
    case junctionMinus: return junction;
    default: return n;
    }
}

bool isMinus(Node n) { return plusOf(n) != n; }

double mismatchLoss(Ports p)
{
    // 10 log10(1 + (Zin - Zout)^2 / (4 Zin Zout)), from the difference itself.
    const double difference = p.zin - p.zout;
    return decibelsPerNeper / 2 * std::log1p(difference * difference / (4 * p.zin * p.zout));
}

double minimumAttenuation(Ports p)
{
    // 20 log10(sqrt(r) + sqrt(r - 1)) with r - 1 taken from the difference
    // of the impedances themselves.
    const double low = std::min(p.zin, p.zout);
    return decibelsPerNeper * std::asinh(std::sqrt((std::max(p.zin, p.zout) - low) / low));
}

} // namespace velkor
