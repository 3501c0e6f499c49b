// Pads between any impedances: published and hand-worked references, the
// invariants every design must meet, the worst case against a dense sample,
// the longer series against IEC 60063, pairs against a brute-force search,
// and the netlists run in ngspice.

#include "base/parts.h"
#include "pads/packages.h"
#include "pads/pads.h"
#include "pads/radio.h"
#include "pads/steps.h"
#include "pads/response.h"
#include "text/netlist.h"

#include "rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cmath>
#include <complex>
#include <numbers>
#include <cstdlib>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using velkor::PadKind;
using velkor::Ports;
using velkor::Series;
using velkor::Values;

// Each design against published or hand-worked values; no values: no such pad.
struct Reference { const char* name; PadKind kind; double db, zin, zout; Values ohms; double tol; };
class Designs : public testing::TestWithParam<Reference> {};

TEST_P(Designs, MatchPublishedValues)
{
    const Reference& r = GetParam();
    const std::optional<Values> got = velkor::design(r.kind, r.db, {r.zin, r.zout});
    ASSERT_EQ(got.has_value(), !r.ohms.empty());
    ASSERT_EQ(got.value_or(Values{}).size(), r.ohms.size());
    for (std::size_t i = 0; i < r.ohms.size(); ++i)
        EXPECT_NEAR((*got)[i], r.ohms[i], r.tol) << "resistor " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(Worked, Designs, testing::Values(
    Reference{"PiAtMinimum", PadKind::pi, 5.719475475333593, 75, 50, {}, 0},
    Reference{"TBelowMinimum", PadKind::t, 5, 75, 50, {}, 0},
    Reference{"PiAtZero", PadKind::pi, 0, 50, 50, {}, 0},
    Reference{"BridgedTUnequal", PadKind::bridgedT, 10, 75, 50, {}, 0},
    Reference{"LPadEqual", PadKind::lPad, 0, 50, 50, {}, 0},
    // 50 / (2 (10^(dB/20) - 1)), the dual of the series resistor's 100 (10^(dB/20) - 1).
    Reference{"ShuntResistor10dB", PadKind::shuntResistor, 10, 50, 50, {11.5618824}, 1e-6},
    // Below the 0.1773 dB that a direct connection of 75 and 50 ohms loses.
    Reference{"SeriesResistorBelowMismatch", PadKind::seriesResistor, 0.177, 75, 50, {}, 0},
    Reference{"ShuntResistorAtZero", PadKind::shuntResistor, 0, 50, 50, {}, 0},
    // 6 dB, K = 10^(6/20): Z (K - 1) / K and Z / (K - 1); Z (K - 1) and Z K / (K - 1).
    Reference{"LPadSeriesFirst", PadKind::lPadSeriesFirst, 6, 50, 50, {24.9406383, 50.2380119}, 1e-6},
    Reference{"LPadShuntFirst", PadKind::lPadShuntFirst, 6, 50, 50, {49.7631157, 100.2380119}, 1e-6},
    Reference{"SplitterUnequal", PadKind::splitter, 0, 75, 50, {}, 0}),
    rowname);

// A star splitter of N outputs between 50 ohms: every arm 50 (N - 1) / (N + 1),
// and by its symmetry 1/N from any port to any other: 20 log10 N dB to each
// output and between outputs, every port matched.
struct Star { const char* name; int outputs; double arm, db; };
class Splitters : public testing::TestWithParam<Star> {};

TEST_P(Splitters, OneNthToEveryOtherPort)
{
    const Star& c = GetParam();
    const Ports p{50, 50, c.outputs};
    const Values r = velkor::design(PadKind::splitter, 0, p).value();
    ASSERT_EQ(r.size(), std::size_t(c.outputs) + 1);
    EXPECT_NEAR(r.back(), c.arm, 1e-4);
    const velkor::Response a = velkor::analyse(PadKind::splitter, r, p, 1);
    EXPECT_NEAR(a.atten, c.db, 1e-4);
    EXPECT_NEAR(a.insertionLoss, c.db, 1e-4);
    EXPECT_NEAR(a.isolation, c.db, 1e-4);
    EXPECT_NEAR(a.returnLoss, 120, 1e-9);
    EXPECT_NEAR(a.outReturnLoss, 120, 1e-9);
    // Of 1 W in, each load takes 1/N^2, and each output arm (N - 1) / (N + 1)
    // times its load's share.
    EXPECT_NEAR(a.power.back() * c.outputs * c.outputs, (c.outputs - 1.0) / (c.outputs + 1), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Worked, Splitters, testing::Values(Star{"TwoWay", 2, 16.6667, 6.0206},
                                                            Star{"FourWay", 4, 30, 12.0412},
                                                            Star{"SixteenWay", 16, 44.1176, 24.0824}),
                         rowname);

// A balanced pad is its unbalanced one with each series arm in two halves:
// each half takes half its arm's power, a shunt all of its own; so too in
// the worst case at no tolerance, worked out in the balanced network.
TEST(Balanced, HalvesShareTheirArmsPower)
{
    struct Pair { PadKind balanced, unbalanced; double db; std::vector<std::size_t> arm; };
    const Ports p{75, 50};
    for (const Pair& c : {Pair{PadKind::hPad, PadKind::t, 10, {0, 0, 1, 2, 2}},
                          Pair{PadKind::oPad, PadKind::pi, 10, {0, 1, 1, 2}},
                          Pair{PadKind::uPad, PadKind::lPad, 0, {0, 0, 1}}}) {
        const Values r = *velkor::design(c.balanced, c.db, p);
        const velkor::Response b = velkor::analyse(c.balanced, r, p, 1);
        const velkor::WorstCase w = velkor::worstCase(c.balanced, r, p, 1, 0);
        const velkor::Response u = velkor::analyse(c.unbalanced, *velkor::design(c.unbalanced, c.db, p), p, 1);
        const std::string kind(velkor::describe(c.balanced).key);
        for (std::size_t i = 0; i < c.arm.size(); ++i) {
            const bool half = std::count(c.arm.begin(), c.arm.end(), c.arm[i]) == 2;
            EXPECT_NEAR(b.power[i], u.power[c.arm[i]] / (half ? 2 : 1), 1e-12) << kind << " resistor " << i + 1;
            EXPECT_NEAR(w.power[i], u.power[c.arm[i]] / (half ? 2 : 1), 1e-12) << kind << " worst " << i + 1;
        }
    }
}

// Every matched design, analysed as designed, has exactly its attenuation
// (the L-pad its minimum) and presents zin and zout at its ports. A single
// resistor has its insertion loss; an L-pad of a given loss its
// attenuation, matched at its input.
TEST(Invariants, DesignsGiveTheirAttenuationAndMatchBothPorts)
{
    const Ports ports[] = {{50, 50}, {75, 50}, {50, 75}, {600, 50}, {1e-3, 1e6}};
    for (const Ports p : ports)
        for (PadKind k : {PadKind::pi, PadKind::t, PadKind::bridgedT, PadKind::lPad, PadKind::hPad, PadKind::oPad,
                          PadKind::uPad})
            for (double db = 0.1; db < 120; db *= 1.9) {
                const std::optional<Values> r = velkor::design(k, db, p);
                if (!r)
                    continue;
                const velkor::Response a = velkor::analyse(k, *r, p, 1);
                const bool lPad = k == PadKind::lPad || k == PadKind::uPad;
                const double want = lPad ? velkor::minimumAttenuation(p) : db;
                const auto at = std::string(velkor::describe(k).key) + " " + std::to_string(db);
                EXPECT_NEAR(a.atten / want, 1, 1e-9) << at;
                EXPECT_NEAR(a.inputOhms / p.zin, 1, 1e-9) << at;
                EXPECT_NEAR(a.outputOhms / p.zout, 1, 1e-9) << at;
            }
    for (const Ports p : ports)
        for (double db = 0.1; db < 120; db *= 1.9) {
            for (PadKind k : {PadKind::seriesResistor, PadKind::shuntResistor})
                if (const std::optional<Values> r = velkor::design(k, db, p)) {
                    EXPECT_NEAR(velkor::analyse(k, *r, p, 1).insertionLoss / db, 1, 1e-9) << db;
                }
            for (PadKind k : {PadKind::lPadSeriesFirst, PadKind::lPadShuntFirst})
                if (const std::optional<Values> r = velkor::design(k, db, p)) {
                    EXPECT_NEAR(velkor::analyse(k, *r, p, 1).atten / db, 1, 1e-9) << db;
                    EXPECT_NEAR(velkor::analyse(k, *r, p, 1).returnLoss, 120, 1e-9) << db;
                }
        }
}

// Designs and the analysis of the E12 pads built from them against 60-digit
// arithmetic (tools/pad-references.py): from a billionth of a dB to 300 dB,
// from just above the least loss between 75 and 50 ohms, and each further
// kind at a billionth of a dB. Built: the
// attenuation, insertion loss and both return losses, dB.
constexpr Ports same{50, 50}, down{75, 50};
// A millionth of a dB and 1 dB above the least loss from 75 to 50 ohms.
constexpr double nearmin = 5.719476475333594, abovemin = 6.719475475333594;
struct Accurate {
    const char* name; PadKind kind; std::optional<double> db; Ports ports; Values theory;
    std::array<double, 4> built;
};
class Accuracy : public testing::TestWithParam<Accurate> {};

TEST_P(Accuracy, DesignAndAnalysisKeepTheirDigits)
{
    const Accurate& c = GetParam();
    const auto pads = velkor::evaluatePads({c.db, 1, c.ports, Series::E12, 0.1, false, {c.kind}});
    ASSERT_TRUE(pads);
    const auto kind = [&](const velkor::PadResult& p) { return p.kind == c.kind; };
    const auto pad = std::find_if(pads->begin(), pads->end(), kind);
    ASSERT_NE(pad, pads->end());
    // Nearer the least loss a shunt grows without bound: the last digit of
    // the attenuation itself limits any design there.
    const double bound = c.db == nearmin ? 1e-8 : 1e-12;
    for (std::size_t i = 0; i < c.theory.size(); ++i)
        EXPECT_NEAR(pad->theory.at(i) / c.theory[i], 1, bound) << "resistor " << i + 1;
    const velkor::Response& b = pad->built;
    const std::array got{b.atten, b.insertionLoss, b.returnLoss, b.outReturnLoss};
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_NEAR(got[i], c.built[i], std::max(1e-9 * c.built[i], 1e-12)) << "quantity " << i;
}

const Accurate accurate[] = {
    {"PiNano", PadKind::pi, 1e-9, same, {868588963806.5, 5.7564627324851e-09, 868588963806.5},
     {9.728196394681e-10, 1.016037236687e-09, 120, 120}},
    {"TNano", PadKind::t, 1e-9, same, {2.8782313662426e-09, 434294481903.25, 2.8782313662426e-09},
     {9.380760809103e-10, 9.310534467356e-10, 120, 120}},
    {"BridgedTNano", PadKind::bridgedT, 1e-9, same, {50, 50, 5.7564627328165e-09, 434294481878.25},
     {9.728196394026e-10, 9.484252259596e-10, 120, 120}},
    {"Pi300dB", PadKind::pi, 300, same, {50, 2.5e+16, 50},
     {300.9413527231, 301.2142303364, 30.19300959093, 30.19300959093}},
    {"T300dB", PadKind::t, 300, same, {50, 1e-13, 50},
     {299.1979917573, 299.4708693706, 30.19300959093, 30.19300959093}},
    {"BridgedT300dB", PadKind::bridgedT, 300, same, {50, 50, 5e+16, 5e-14},
     {299.7354346853, 300.0083122987, 30.19300959093, 30.19300959093}},
    {"PiNearMin", PadKind::pi, nearmin, down, {651441787.77961, 43.301278823916, 86.602540378443},
     {6.243527275363, 6.071558047154, 33.98114481702, 40.26361356962}},
    {"TNearMin", PadKind::t, nearmin, down, {43.301270189223, 86.602523109059, 5.756462158778e-06},
     {6.24352788432, 6.071558049704, 33.98111388421, 40.26367688728}},
    {"PiAboveMin", PadKind::pi, abovemin, down, {713.19105118475, 52.242342819083, 85.660413925019},
     {7.191322621447, 7.067816813326, 36.88071242883, 42.88479550077}},
    {"LPadDown", PadKind::lPad, {}, down, {43.301270189222, 86.602540378444},
     {6.243527275363, 6.071557558575, 33.98111989459, 40.26362576968}},
    {"SeriesResistorNano", PadKind::seriesResistor, 1e-9, same, {1.1512925465633e-08},
     {2.0846135128855e-09, 1.0423067565053e-09, 120, 120}},
    {"ShuntResistorNano", PadKind::shuntResistor, 1e-9, same, {217147240939.13},
     {0, 9.870329133604e-10, 120, 120}},
    {"LPadSeriesFirstNano", PadKind::lPadSeriesFirst, 1e-9, same, {5.7564627321537e-09, 434294481878.25},
     {9.728196395123e-10, 9.484252260117e-10, 120, 120}},
    {"LPadShuntFirstNano", PadKind::lPadShuntFirst, 1e-9, same, {5.7564627328165e-09, 434294481928.25},
     {9.728196394088e-10, 9.484252260117e-10, 120, 120}},
    {"SeriesResistorDown", PadKind::seriesResistor, 1, down, {12.418634751305},
     {0.10752111268789, 0.97349875257132, 20.455544296991, 11.370376861788}},
    {"ShuntResistorDown", PadKind::shuntResistor, 1, down, {301.96556023246},
     {-1.7609125905568, 0.93305888739231, 11.480625354554, 20}},
    // Balanced: the references solve both terminals of each port.
    {"HPadNano", PadKind::hPad, 1e-9, same,
     {1.4391156831212786e-9, 1.4391156831212786e-9, 434294481903.25183, 1.4391156831212786e-9, 1.4391156831212786e-9},
     {1.0423067565607078e-9, 9.83168784563756e-10, 120, 120}},
    {"OPad20dBDown", PadKind::oPad, 20, down,
     {97.052350109535566, 151.56217783470914, 151.56217783470914, 58.462218049710923},
     {20.077448758454335, 19.989138299167691, 39.811850629563375, 34.434944383711776}},
    {"UPadDown", PadKind::uPad, {}, down, {21.650635094610966, 21.650635094610966, 86.602540378443865},
     {5.9031302333244652, 5.8996229085693328, 67.875012806961607, 36.629155517832113}}};
INSTANTIATE_TEST_SUITE_P(HighPrecision, Accuracy, testing::ValuesIn(accurate), rowname);

// Every schematic joins each resistor to the nodes the kind places it
// between: wires join every grid point along them, a resistor's end joins
// what stands at its point, and the ports and ground are three nodes.
TEST(Drawings, JoinWhatTheKindJoins)
{
    using velkor::GridPoint;
    for (const velkor::PadDescription& kind : velkor::padKinds())
        for (const Ports p : {Ports{50, 50}, Ports{75, 50}, Ports{50, 75}, Ports{50, 50, 5}}) {
            if (!kind.unavailable(p).empty())
                continue;
            const velkor::Drawing d = velkor::drawn(kind.kind, p);
            // Wires touching one another are one net, found as the least
            // index among them; a point on no wire is a net of its own.
            const auto on = [](velkor::Stroke w, GridPoint g) {
                return std::min(w.from.x, w.to.x) <= g.x && g.x <= std::max(w.from.x, w.to.x) &&
                       std::min(w.from.y, w.to.y) <= g.y && g.y <= std::max(w.from.y, w.to.y);
            };
            std::vector<int> root(d.wires.size());
            for (std::size_t w = 0; w < root.size(); ++w)
                root[w] = static_cast<int>(w);
            for (std::size_t pass = 0; pass < root.size(); ++pass)
                for (std::size_t v = 0; v < root.size(); ++v)
                    for (std::size_t w = 0; w < root.size(); ++w)
                        if (on(d.wires[v], d.wires[w].from) || on(d.wires[v], d.wires[w].to))
                            root[v] = root[w] = std::min(root[v], root[w]);
            const auto net = [&](GridPoint g) {
                for (std::size_t w = 0; w < d.wires.size(); ++w)
                    if (on(d.wires[w], g))
                        return root[w];
                constexpr int lone = 1000;
                return lone + 100 * g.x + g.y;
            };
            std::map<velkor::Node, int> nodes = {{velkor::in, net(d.in)}, {velkor::out, net(d.out)}};
            const std::string at = std::string(kind.key) + " " + std::to_string(p.zin);
            // one wire, or a pad between
            EXPECT_EQ(nodes[velkor::in] == nodes[velkor::out], kind.through) << at;
            EXPECT_EQ(d.balanced, kind.balanced) << at;
            if (kind.balanced) {
                // Each port's minus terminal under its plus one.
                nodes[velkor::inMinus] = net(d.inMinus);
                nodes[velkor::outMinus] = net(d.outMinus);
                EXPECT_EQ(d.inMinus.x, d.in.x) << at;
                EXPECT_EQ(d.outMinus.x, d.out.x) << at;
                EXPECT_GT(d.inMinus.y, d.in.y) << at;
            } else {
                nodes[velkor::ground] = net(d.ground);
                EXPECT_NE(nodes[velkor::in], nodes[velkor::ground]) << at;
                // Ground runs the width of the drawing, under both ports.
                EXPECT_EQ(net({d.in.x, d.ground.y}), nodes[velkor::ground]) << at;
                EXPECT_EQ(net({d.out.x, d.ground.y}), nodes[velkor::ground]) << at;
            }
            const std::vector<velkor::Resistor>& resistors = velkor::resistorsOf(kind.kind, p);
            ASSERT_EQ(d.resistors.size(), resistors.size()) << at;
            ASSERT_EQ(d.furtherOutputs.size(), kind.fansOut ? std::size_t(p.outputs - 1) : 0) << at;
            for (std::size_t k = 0; k < d.furtherOutputs.size(); ++k)
                nodes[velkor::furtherOutput(int(k))] = net(d.furtherOutputs[k]);
            for (const auto* strokes : {&d.resistors, &d.wires})   // drawn across or down the grid
                for (const velkor::Stroke& stroke : *strokes)
                    EXPECT_TRUE(stroke.from.x == stroke.to.x || stroke.from.y == stroke.to.y) << at;
            // No wire ends loose, and none ends on a resistor's body: each ends at a
            // terminal (a port's ground one under it), at a resistor's end or on another wire.
            std::vector<GridPoint> ends = {d.in, d.out, d.inMinus, d.outMinus,
                                           {d.in.x, d.ground.y}, {d.out.x, d.ground.y}};
            ends.insert(ends.end(), d.furtherOutputs.begin(), d.furtherOutputs.end());
            for (const velkor::Stroke& r : d.resistors)
                ends.insert(ends.end(), {r.from, r.to});
            for (std::size_t v = 0; v < d.wires.size(); ++v)
                for (const GridPoint end : {d.wires[v].from, d.wires[v].to}) {
                    bool joined = std::count(ends.begin(), ends.end(), end) > 0;
                    for (std::size_t w = 0; w < d.wires.size(); ++w)
                        joined = joined || (w != v && on(d.wires[w], end));
                    EXPECT_TRUE(joined) << at << " wire " << v + 1;
                    for (const velkor::Stroke& r : d.resistors)
                        EXPECT_TRUE(!on(r, end) || end == r.from || end == r.to) << at << " wire " << v + 1;
                }
            for (std::size_t i = 0; i < d.resistors.size(); ++i) {
                const int from = net(d.resistors[i].from), to = net(d.resistors[i].to);
                const std::pair<int, int> ends = std::minmax(from, to);
                const velkor::Node a = velkor::place(resistors[i].a, p);
                const velkor::Node b = velkor::place(resistors[i].b, p);
                // A junction is whatever stands at the end its partner does not.
                if (nodes.count(a) == 0 && nodes.count(b) > 0)
                    nodes[a] = from == nodes[b] ? to : from;
                if (nodes.count(b) == 0 && nodes.count(a) > 0)
                    nodes[b] = from == nodes[a] ? to : from;
                EXPECT_EQ(ends, std::minmax({nodes[a], nodes[b]})) << at << " resistor " << i + 1;
            }
        }
}

// Powers keep their digits too: a matched Pi of 1e-7 dB at 1 W takes
// 2 (1 - e^-x) / (1 + e^x) W in its series arm (x = 1e-7 ln(10) / 20), and
// one of 300 dB leaves 50 V^2 * 1e-30 across its 50-ohm output shunt.
TEST(Accuracy, PowersAtTheExtremes)
{
    const auto tiny = velkor::evaluatePads({1e-7, 1, {50, 50}, Series::E12, 0.1});
    const auto huge = velkor::evaluatePads({300, 1, {50, 50}, Series::E12, 0.1});
    ASSERT_TRUE(tiny && huge);
    EXPECT_NEAR(tiny->front().theoryPower[1] / 1.1512925332422776e-8, 1, 1e-9);
    EXPECT_NEAR(huge->front().theoryPower[2] / 1e-30, 1, 1e-9);
}

// Each part's worst-case power is its peak over the tolerance box: at each
// corner of the other parts, the part swept over 51 values of its own
// tolerance, on inputs where some part's peak lies inside its tolerance, so
// that the corners alone fall short, for every kind (the splitter's input
// arm alone). A point of the box is worked out as the worst case at no
// tolerance: the pad of exactly those values. The losses and the
// reflection are extremes at the corners, which the sweeps hold.
TEST(WorstCase, EachPartAtItsPeakOverTheBox)
{
    struct Case { PadKind kind; double db, zin, zout, tolerance; int outputs; std::size_t swept; };
    const Case cases[] = {
        {PadKind::pi, 34.3, 221.8, 221.8, 0.1, 2, 3}, {PadKind::t, 32.2, 261, 261, 0.1, 2, 3},
        {PadKind::bridgedT, 20.7, 216, 216, 0.1, 2, 4}, {PadKind::lPad, 0, 531, 1164, 0.4, 2, 2},
        {PadKind::seriesResistor, 7.6, 144, 428, 0.1, 2, 1}, {PadKind::shuntResistor, 5.8, 372, 372, 0.1, 2, 1},
        {PadKind::lPadSeriesFirst, 28.1, 15, 15, 0.1, 2, 2}, {PadKind::lPadShuntFirst, 33.8, 289, 289, 0.1, 2, 2},
        {PadKind::hPad, 9.2, 103, 103, 0.1, 2, 5}, {PadKind::oPad, 36.3, 414, 833, 0.1, 2, 4},
        {PadKind::uPad, 0, 261, 1085, 0.2, 2, 3}, {PadKind::splitter, 0, 304, 304, 0.33, 11, 1}};
    constexpr int levels = 51;
    for (const Case& c : cases) {
        const Ports p{c.zin, c.zout, c.outputs};
        const velkor::PadResult pad = velkor::evaluatePads({c.db, 1, p, Series::E12, c.tolerance, false, {c.kind}})
                                          ->front();
        const Values& r = pad.preferred;
        const velkor::WorstCase& w = pad.worst;
        const std::string name(velkor::describe(c.kind).key);
        double low = INFINITY, high = -INFINITY, rho = 0;
        bool inside = false;   // a peak above its corners'
        for (std::size_t i = 0; i < c.swept; ++i) {
            double most = 0, cornersMost = 0;
            Values point(r.size());
            for (std::size_t mask = 0; mask < std::size_t(1) << r.size(); ++mask) {
                if (mask >> i & 1)
                    continue;
                for (std::size_t k = 0; k < r.size(); ++k)
                    point[k] = r[k] * (mask >> k & 1 ? 1 + c.tolerance : 1 - c.tolerance);
                for (int step = 0; step < levels; ++step) {
                    point[i] = r[i] * (1 + c.tolerance * (2.0 * step / (levels - 1) - 1));
                    const velkor::WorstCase at = velkor::worstCase(c.kind, point, p, 1, 0);
                    low = std::min(low, at.attenLow);
                    high = std::max(high, at.attenHigh);
                    rho = std::max(rho, at.rho);
                    most = std::max(most, at.power[i]);
                    if (step == 0 || step == levels - 1)
                        cornersMost = std::max(cornersMost, at.power[i]);
                }
            }
            // Between two of 51 values the peak lies at most 1.2e-5 above either.
            EXPECT_LE(most, w.power[i] * (1 + 1e-12)) << name << " resistor " << i + 1;
            EXPECT_GE(most, w.power[i] * (1 - 2e-5)) << name << " resistor " << i + 1;
            inside = inside || most > cornersMost * (1 + 2e-5);
        }
        EXPECT_TRUE(inside) << name;
        EXPECT_NEAR(low, w.attenLow, 1e-12) << name;
        EXPECT_NEAR(high, w.attenHigh, 1e-12) << name;
        EXPECT_NEAR(rho, w.rho, 1e-15) << name;
    }
}

// A 16-way splitter of 47R at +-90 %: every output arm peaks inside its
// tolerance, where its value meets the Thevenin resistance of the rest, 57.94
// ohms with the input arm at its low end and the other arms at their high end:
// V^2 / 4R = 0.018177780767052265 W in exact fractions, above every corner.
TEST(WorstCase, EveryArmOfAWideSplitterAtItsInnerPeak)
{
    const velkor::PadResult pad =
        velkor::evaluatePads({0, 1, {50, 50, 16}, Series::E12, 0.9, false, {PadKind::splitter}})->front();
    for (std::size_t arm = 1; arm < pad.preferred.size(); ++arm)
        EXPECT_NEAR(pad.worst.power[arm], 0.018177780767052265, 1e-15) << "arm " << arm;
}

// A balanced pad's worst case takes each half as a part of its own, in the
// balanced network: an H-pad's losses and return loss against a grid of its
// five parts at -10 %, 0 and +10 %, each worked out from its scattering
// parameters at 0 Hz (attenuation 20 log10 |(1 + S11) / S21|).
TEST(WorstCase, HPadHalvesApart)
{
    const Ports p{75, 50};
    const velkor::PadResult pad = velkor::evaluatePads({12, 1, p, Series::E12, 0.1, false, {PadKind::hPad}})
                                      ->front();
    double low = INFINITY, high = -INFINITY, returnLoss = INFINITY;
    velkor::PadResult corner = pad;
    for (int n = 0; n < 243; ++n) {
        for (std::size_t i = 0, digits = std::size_t(n); i < 5; ++i, digits /= 3) {
            const double ohms = pad.preferred[i] * (0.9 + 0.1 * double(digits % 3));
            corner.parts[i] = {ohms, "", ohms};
        }
        const velkor::SParameters s = velkor::sParameters(corner, p, {}, 0);
        low = std::min(low, 20 * std::log10(std::abs(1.0 + s.s11) / std::abs(s.s21)));
        high = std::max(high, 20 * std::log10(std::abs(1.0 + s.s11) / std::abs(s.s21)));
        returnLoss = std::min(returnLoss, -velkor::decibels(s.s11));
    }
    EXPECT_NEAR(low, pad.worst.attenLow, 1e-9);
    EXPECT_NEAR(high, pad.worst.attenHigh, 1e-9);
    EXPECT_NEAR(returnLoss, pad.worst.returnLoss, 1e-9);
}

// Each size's parasitics against figures worked out apart from the same
// formulas (Hammerstad and Jensen's strip, Kirschning, Jansen and Koster's
// open end, Johnson and Graham's via) on FR-4 at 0.2 and 1.55 mm to the
// ground plane, within 1e-3; and no part capacitance falls as the size grows.
TEST(Packages, ParasiticsFromTheBodyTheLandAndTheBoard)
{
    struct Figures { const char* size; std::array<double, 2> inductance, padCapacitance; };
    const Figures figures[] = {{"0201", {0.22102e-9, 0.34772e-9}, {0.076455e-12, 0.056961e-12}},
                               {"0402", {0.33009e-9, 0.51284e-9}, {0.12250e-12, 0.076254e-12}},
                               {"0603", {0.49810e-9, 0.78071e-9}, {0.22928e-12, 0.11296e-12}},
                               {"0805", {0.53803e-9, 0.87966e-9}, {0.39119e-12, 0.16020e-12}},
                               {"1206", {0.80237e-9, 1.2923e-9}, {0.51507e-12, 0.19351e-12}}};
    const std::array<double, 2> heights = {0.2, 1.55}, vias = {0.079233e-9, 1.2488e-9};
    for (std::size_t b = 0; b < heights.size(); ++b) {
        velkor::Parasitics before{};
        for (const Figures& f : figures) {
            const velkor::Parasitics x = velkor::packageParasitics(*velkor::chipSizeByName(f.size), {heights[b], 4.3});
            const std::string at = std::string(f.size) + " at " + std::to_string(heights[b]) + " mm";
            EXPECT_NEAR(x.inductance / f.inductance[b], 1, 1e-3) << at;
            EXPECT_NEAR(x.padCapacitance / f.padCapacitance[b], 1, 1e-3) << at;
            EXPECT_NEAR(x.viaInductance / vias[b], 1, 1e-3) << at;
            EXPECT_GE(x.capacitance, before.capacitance) << at;
            before = x;
        }
    }
}

// A Pi of 0603 parts by hand: each part (R + jwL) || jwC, the shunts' L
// with the via's, the series arm's without; each port node with the pads
// of two part terminals; from 50 ohms into 50 ohms.
TEST(Packages, TheViaOnThePartsToGround)
{
    using C = std::complex<double>;
    const velkor::PadRequest q{6, 1, {50, 50}, Series::E12, 0.1};
    const velkor::PadResult pad = velkor::evaluatePads(q)->front();
    const velkor::Parasitics x = velkor::packageParasitics(*velkor::chipSizeByName("0603"), {});
    for (double hz : {1e8, 1e9, 5e9}) {
        const double w = 2 * std::numbers::pi * hz;
        const auto part = [&](double ohms, double l) { return 1.0 / C(ohms, w * l) + C(0, w * x.capacitance); };
        const C y1 = part(150, x.inductance + x.viaInductance), y2 = part(39, x.inductance);
        const C y3 = part(150, x.inductance + x.viaInductance), pads = C(0, w * 2 * x.padCapacitance);
        // Node voltages with 1 A into the input's Norton source of 50 ohms.
        const C a = y1 + y2 + pads + 1.0 / 50, b = -y2, d = y3 + y2 + pads + 1.0 / 50;
        const C det = a * d - b * b, vin = d / det, vout = -b / det;
        const velkor::SParameters s = velkor::sParameters(pad, q.ports, x, hz);
        EXPECT_NEAR(std::abs(s.s21 - 2.0 * vout / 50.0), 0, 1e-12) << hz;   // EMF 50 V behind 50 ohms
        EXPECT_NEAR(std::abs(s.s11 - (2.0 * vin / 50.0 - 1.0)), 0, 1e-12) << hz;
    }
}

// IEC 60063: E192 is the geometric series 10^(i/192) rounded to three
// digits except 920 (not 919); E96 and E48 take every second and fourth.
TEST(Series, LongSeriesFollowTheStandard)
{
    const std::span<const double> e192 = velkor::seriesTable(Series::E192);
    ASSERT_EQ(e192.size(), 194u);   // 0, 192 entries, 10
    for (int i = 0; i < 192; ++i) {
        const double formula = std::round(100 * std::pow(10.0, i / 192.0)) / 100;
        EXPECT_EQ(e192[static_cast<std::size_t>(i + 1)], i == 185 ? 9.2 : formula) << i;
    }
    for (auto [s, stride] : {std::pair{Series::E96, 2}, std::pair{Series::E48, 4}})
        for (int i = 0; i < 192 / stride; ++i)
            EXPECT_EQ(velkor::seriesTable(s)[static_cast<std::size_t>(i + 1)],
                      e192[static_cast<std::size_t>(i * stride + 1)]);
    Values tolerances;
    for (Series s : {Series::E6, Series::E12, Series::E24, Series::E48, Series::E96, Series::E192})
        tolerances.push_back(velkor::seriesTolerance(s));
    EXPECT_EQ(tolerances, Values({0.2, 0.1, 0.05, 0.02, 0.01, 0.005}));   // IEC 60063
}

struct Coded { const char* name; double ohms; int digits; const char* code; };
class Codes : public testing::TestWithParam<Coded> {};

TEST_P(Codes, LetterAtTheDecimalPoint)
{
    EXPECT_EQ(velkor::partCode(GetParam().ohms, GetParam().digits), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(ThreeDigits, Codes, testing::Values(
    Coded{"Tenths", 0.499, 3, "R499"},
    Coded{"Hundreds", 499, 3, "499R"},
    Coded{"Kilo", 4990, 3, "4k99"},
    Coded{"KiloHundreds", 499e3, 3, "499k"}, Coded{"Mega", 4.99e6, 3, "4M99"},
    Coded{"RoundOne", 1, 3, "1R00"},
    Coded{"RoundTen", 10, 3, "10R0"},
    Coded{"Hundredths", 0.0499, 3, "R0499"}, Coded{"Beyond", 4.99e-4, 3, "4.99E-04"},
    Coded{"TenDecadesBelow", 4.7e-10, 2, "4.7E-10"},
    Coded{"TwoDigitsHundreds", 470, 2, "470R"}, Coded{"TwoDigitsKiloOne", 1000, 2, "1k0"},
    Coded{"Giga", 4.7e9, 2, "4G7"}, Coded{"TeraHundreds", 470e12, 2, "470T"},
    Coded{"Thousandths", 0.0047, 2, "R0047"}, Coded{"FarBeyond", 8.2e120, 2, "8.2E+120"}),
    rowname);

// Expected codes from a plain search over every pair in exact rational
// arithmetic, with the tie rules spelt out (fewer parts, series, the larger
// part nearer the value).
struct Paired { const char* name; double ohms; Series series; const char* code; };
class Pairs : public testing::TestWithParam<Paired> {};

TEST_P(Pairs, ClosestOfOneOrTwoParts)
{
    EXPECT_EQ(velkor::closestPart(GetParam().ohms, GetParam().series).code, GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Search, Pairs, testing::Values(
    Paired{"SeriesSmall", 150.476, Series::E12, "150R+R47"},
    Paired{"NoPartBeyondThreeDecades", 100.012, Series::E12, "100R"},   // not 100R+R012
    Paired{"ExactParallel", 50, Series::E12, "100R||100R"},
    Paired{"OnePartBeatsAnEqualPair", 4700, Series::E12, "4k7"},
    Paired{"ParallelFarApart", 37.35, Series::E24, "910R||39R"},
    Paired{"ParallelE6", 1234, Series::E6, "6k8||1k5"},
    Paired{"SeriesUnits", 2.875, Series::E12, "2R7+R18"},
    Paired{"EqualSumsLargerPartNearer", 80, Series::E12, "68R+12R"},   // not 47R+33R
    Paired{"EqualParallelLargerPartNearer", 20.0 / 3, Series::E24, "15R||12R"}),   // not 20R||10R
    rowname);

// ngspice's own reading of each netlist agrees with the analysis.
std::string ngspice(const std::string& netlist)
{
    // Of this process alone: another run of the tests may be writing its own.
    const std::string file = testing::TempDir() + "velkor_pads_" + std::to_string(getpid());
    std::ofstream(file + ".cir") << netlist;
    const int status = std::system(("ngspice -b " + file + ".cir >" + file + ".log 2>&1").c_str());
    EXPECT_EQ(WEXITSTATUS(status), 0);   // a script's && goes on
    std::ostringstream out;
    out << std::ifstream(file + ".log").rdbuf();
    std::remove((file + ".cir").c_str());
    std::remove((file + ".log").c_str());
    return out.str();
}

double printed(const std::string& out, const std::string& name)
{
    const std::string line = "\n" + name + " = ";
    const std::size_t at = out.find(line);
    return at == std::string::npos ? NAN : std::stod(out.substr(at + line.size()));
}

// A state of a step attenuator in ngspice, the bits in cascaded and a wire
// for each out, balanced bits too: its S21 at 1 kHz is its insertion loss.
TEST(Spice, StateOfAStepAttenuator)
{
    for (PadKind kind : {PadKind::pi, PadKind::hPad}) {
        velkor::StepRequest q{{1, 2, 4, 8, 16, 32}, kind, 1, 50, Series::E24, 0.05, false};
        q.radio = velkor::RadioFrequency{false, {}, 0.1, 20, {1000}};
        const velkor::StepResult r = velkor::evaluateSteps(q).value();
        for (std::size_t state : {0, 25, 63}) {
            const std::string out = ngspice(velkor::stateNetlist(r, state));
            const std::string line = "state" + std::to_string(state) + "_s21_db 1000 ";
            ASSERT_NE(out.find(line), std::string::npos) << out;
            EXPECT_NEAR(-std::stod(out.substr(out.find(line) + line.size())), r.states[state].insertionLoss, 0.001)
                << velkor::describe(kind).key << " state " << state;
        }
    }
}

TEST(Spice, NgspiceAgreesWithTheAnalysis)
{
    const velkor::PadRequest six{6, 1, {50, 50}, Series::E12, 0.1};
    const std::string netlist = velkor::netlist(six, *velkor::evaluatePads(six));
    const std::string title = "* Velkor pads as built: 6 dB, 50 to 50 ohms, E12 parts";
    EXPECT_EQ(netlist.substr(0, netlist.find('\n')), title);
    EXPECT_EQ(netlist.substr(netlist.size() - 16), "quit\n.endc\n.end\n");
    const std::string pi = "\n* pi, as built: 150R 39R 150R\n.subckt pi in out gnd\n"
                           "R1 in gnd 150\nR2 in out 39\nR3 out gnd 150\n";
    EXPECT_NE(netlist.find(pi), std::string::npos) << netlist;
    const std::string out = ngspice(netlist);
    EXPECT_NE(out.find("\npi_attenuation_db = 6.192603e+00"), std::string::npos) << out;
    EXPECT_NE(out.find("\npi_input_ohm = 5.066225e+01"), std::string::npos) << out;
    // Pairs as their two parts, side by side or one after the other.
    const velkor::PadRequest paired{6, 1, {50, 50}, Series::E12, 0.1, true};
    const std::string pairs = velkor::netlist(paired, *velkor::evaluatePads(paired));
    EXPECT_NE(pairs.find("\nR1a in R1_mid 150\nR1b R1_mid gnd 0.47\n"), std::string::npos) << pairs;
    EXPECT_NE(pairs.find("\nR2a in out 180\nR2b in out 47\n"), std::string::npos) << pairs;
    const velkor::PadRequest requests[] = {
        {10, 1, {75, 50}, Series::E96, 0.01},
        {20, 1, {50, 50}, Series::E24, 0.05, true},
        {std::nullopt, 1, {50, 600}, Series::E192, 0.005},
        {10, 1, {50, 50}, Series::E24, 0.05, false,
         {PadKind::seriesResistor, PadKind::shuntResistor, PadKind::lPadSeriesFirst, PadKind::lPadShuntFirst}},
        {3, 1, {75, 50}, Series::E96, 0.01, true, {PadKind::seriesResistor, PadKind::shuntResistor}},
        {6, 1, {50, 50}, Series::E12, 0.1, true, {PadKind::hPad, PadKind::oPad}},
        {10, 1, {75, 50}, Series::E96, 0.01, false, {PadKind::hPad, PadKind::oPad, PadKind::uPad}},
        {std::nullopt, 1, {50, 50, 3}, Series::E24, 0.05, true, {PadKind::splitter}}};
    // Each part an 0603 on FR-4 0.2 mm above its ground plane, a via to it
    // on every part on ground, from 0 Hz to well past flat.
    velkor::RadioFrequency radio{true, {}, 0.1, 20, {0, 1e9, 2.4e9, 6e9}, velkor::chipSizeByName("0603")};
    radio.parts = velkor::packageParasitics(*radio.package, radio.board);
    for (const velkor::PadRequest& q : requests) {
        const std::vector<velkor::PadResult> pads = *velkor::evaluatePads(q);
        const std::string out = ngspice(velkor::netlist(q, pads, radio));
        for (const velkor::PadResult& p : pads) {
            const std::string name(velkor::describe(p.kind).key);
            // (A shunt resistor alone, between equal impedances, attenuates 0 dB;
            // ngspice gives 10 log10(50/75) to 6 figures.)
            EXPECT_NEAR(printed(out, name + "_attenuation_db"), p.built.atten,
                        1e-5 * std::max(1.0, std::abs(p.built.atten))) << name;
            EXPECT_NEAR(printed(out, name + "_input_ohm") / p.built.inputOhms, 1, 1e-6) << name;
            // Its AC lines, "<pad>_s21_db HZ DB", one a frequency.
            std::istringstream lines(out);
            std::size_t at = 0;
            for (std::string word, line; std::getline(lines, line);) {
                std::istringstream in(line);
                double hz = NAN, db = NAN;
                if (!(in >> word >> hz >> db) || word != name + "_s21_db")
                    continue;
                const auto s = velkor::sParameters(p, q.ports, radio.parts, radio.hertz.at(at++));
                EXPECT_NEAR(db, velkor::decibels(s.s21), 0.001) << name << " at " << hz << " Hz";
            }
            EXPECT_EQ(at, radio.hertz.size()) << name;
        }
    }
}

// Read back, each subcircuit joins its parts where the pad does: a part's
// resistance and inductance meet at a node of their own, its capacitance
// spans both, and the nodes are as many as the pad's own (its ports,
// junctions and ground, counted by hand), its series pairs' middles and
// its parts' insides: no two elements meet where the pad does not join them.
TEST(Spice, NodesReadBack)
{
    struct Case { PadKind kind; Ports ports; std::optional<double> db; std::size_t padNodes; };
    const Case cases[] = {{PadKind::pi, {50, 50}, 6, 3}, {PadKind::t, {75, 50}, 10, 4},
                          {PadKind::bridgedT, {50, 50}, 20, 4}, {PadKind::hPad, {50, 50}, 6, 7},
                          {PadKind::oPad, {75, 50}, 10, 5}, {PadKind::splitter, {50, 50, 3}, {}, 6}};
    const velkor::RadioFrequency radio{true, {1e-9, 1e-13, 1e-13}, 0.1, 20, {}};
    for (const Case& c : cases) {
        const velkor::PadRequest q{c.db, 1, c.ports, Series::E24, 0.05, true, {c.kind}};
        const velkor::PadResult pad = velkor::evaluatePads(q)->front();
        std::istringstream lines(velkor::netlist(q, {pad}, radio));
        std::map<std::string, std::pair<std::string, std::string>> ends;   // element: its nodes
        std::map<std::string, int> touches;                                // node: elements on it
        std::string line;
        while (std::getline(lines, line) && line.rfind(".subckt", 0) != 0) {}
        while (std::getline(lines, line) && line.rfind(".ends", 0) != 0) {
            std::istringstream in(line);
            std::string name, a, b;
            in >> name >> a >> b;
            ends[name] = {a, b};
            ++touches[a];
            ++touches[b];
        }
        std::size_t parts = 0, middles = 0;
        for (const velkor::Part& part : pad.parts) {
            parts += part.smaller > 0 ? 2 : 1;
            middles += part.smaller > 0 && !part.parallel;
        }
        const std::string name(velkor::describe(c.kind).key);
        EXPECT_EQ(touches.size(), c.padNodes + middles + parts) << name;
        for (const auto& [element, nodes] : ends) {
            if (element[0] != 'R')
                continue;
            const std::string number = element.substr(1);
            const auto inductor = ends.at("L" + number), capacitor = ends.at("C" + number);
            EXPECT_EQ(inductor.first, nodes.second) << name << " " << element;
            EXPECT_EQ(touches.at(nodes.second), 2) << name << " " << element;
            EXPECT_EQ(capacitor, std::pair(nodes.first, inductor.second)) << name << " " << element;
        }
    }
}

// At 0 Hz, whatever the parts' parasitics, the response is the analysis of
// the pad as built: within 1e-9 or 1e-12 dB.
TEST(Response, AtZeroHertzIsTheAnalysis)
{
    const velkor::Parasitics parts{1e-9, 1e-12, 1e-12};
    const velkor::PadRequest requests[] = {{1e-6, 1, {50, 50}, Series::E12, 0.1},
                                           {20, 1, {50, 50}, Series::E24, 0.05, true},
                                           {10, 1, {75, 50}, Series::E96, 0.01},
                                           // S21 far below -120 dB:
                                           {300, 1, {50, 50}, Series::E12, 0.1},
                                           {6, 1, {50, 75}, Series::E24, 0.05, true,
                                            {PadKind::hPad, PadKind::oPad, PadKind::uPad}},
                                           {std::nullopt, 1, {50, 50, 5}, Series::E12, 0.1, false,
                                            {PadKind::splitter}}};
    for (const velkor::PadRequest& q : requests) {
        const std::vector<velkor::PadResult> pads = velkor::evaluatePads(q).value();
        for (const velkor::PadResult& p : pads) {
            const auto s = velkor::sParameters(p, q.ports, parts, 0);
            const velkor::Response& b = p.built;
            const std::string name(velkor::describe(p.kind).key);
            const double bound = std::max(1e-9 * b.insertionLoss, 1e-12);
            EXPECT_NEAR(-velkor::transmissionDecibels(s.s21), b.insertionLoss, bound) << name;
            EXPECT_NEAR(-velkor::decibels(s.s11) / b.returnLoss, 1, 1e-9) << name;
            EXPECT_NEAR(-velkor::decibels(s.s22) / b.outReturnLoss, 1, 1e-9) << name;
        }
    }
}

// Told to stop at its fourth step, a computation takes no fifth: the
// worst case of an H-pad's 32 corners, a sweep of 100001 frequencies. (The
// caller asks once more, to tell a stop from a result.)
TEST(Cancel, StopsAtTheNextStep)
{
    int asked = 0;
    const velkor::Cancel fourSteps = [&asked] { return ++asked > 3; };
    const velkor::PadRequest q{6, 1, {50, 50}, Series::E12, 0.1, false, {PadKind::hPad}};
    EXPECT_FALSE(velkor::evaluatePads(q, fourSteps));
    EXPECT_LE(asked, 5);
    const velkor::RadioFrequency sweep{false, {}, 0.1, 20, std::vector<double>(100001, 1e9)};
    asked = 0;
    EXPECT_FALSE(velkor::evaluateRadio(*velkor::evaluatePads(q), q.ports, sweep, fourSteps));
    EXPECT_LE(asked, 5);
    asked = 3;   // so fourSteps stops at once: each bandwidth search asks once
    velkor::bandwidths(velkor::evaluatePads(q)->front(), q.ports, {}, 0.1, 20, fourSteps);
    EXPECT_EQ(asked, 5);
}

// How far a computation goes, by the times it asks whether to go on. A
// splitter's further arms are interchangeable: its worst case walks only how
// many of them stand high (0 to 15) at each of the 4 corners of the two arms
// before them, not the 2^17 corners of all its parts; then the caller asks
// once more. A step attenuator's corner walk asks once at its first bit, and
// at its second once for each of the first's 9 choices (out, or in at one of
// 8 corners): a 3-bit Pi asks 9 times for each bit's pad, 10 in the walk and
// once for each state.
TEST(Cancel, AskedAtEachStep)
{
    int asked = 0;
    const velkor::Cancel counting = [&asked] { return ++asked < 0; };
    ASSERT_TRUE(velkor::evaluatePads({0, 1, {50, 50, 16}, Series::E12, 0.1, false, {PadKind::splitter}}, counting));
    EXPECT_EQ(asked, 4 * 16 + 1);
    asked = 0;
    const velkor::StepRequest q{{1, 2, 4}, PadKind::pi, 1, 50, Series::E24, {0.05, true}, false};
    ASSERT_TRUE(velkor::evaluateSteps(q, counting));
    EXPECT_EQ(asked, 3 * 9 + 10 + 8);
}

// The L-pad from 75 to 50 ohms (47 and 82 ohms) with 1 nH in each part,
// by hand: a voltage divider of Z1 = 47 + jwL in series and Z2 = 82 + jwL
// across the 50-ohm load, fed from 75 ohms. S21 and S11.
std::pair<std::complex<double>, std::complex<double>> lpadbyhand(double hz)
{
    using C = std::complex<double>;
    const C jwl(0, 2 * std::numbers::pi * hz * 1e-9);
    const C z2 = 1.0 / (1.0 / (82.0 + jwl) + 1.0 / 50.0), zin = 47.0 + jwl + z2;
    return {2.0 * z2 / (75.0 + zin) * std::sqrt(75.0 / 50), (zin - 75.0) / (zin + 75.0)};
}

TEST(Response, LPadWithInductanceByHand)
{
    const velkor::PadRequest q{std::nullopt, 1, {75, 50}, Series::E12, 0.1};
    const velkor::PadResult pad = velkor::evaluatePads(q)->front();
    for (double hz : {1e8, 1e9, 5e9}) {
        const auto s = velkor::sParameters(pad, q.ports, {1e-9, 0, 0}, hz);
        EXPECT_NEAR(std::abs(s.s21 - lpadbyhand(hz).first), 0, 1e-12) << hz;
        EXPECT_NEAR(std::abs(s.s11 - lpadbyhand(hz).second), 0, 1e-12) << hz;
    }
    // Flat within 0.1 dB: the first frequency where the hand form leaves
    // the band, stepping by 1 MHz, then halving the step.
    const auto away = [](double hz) {
        const double gain = std::abs(lpadbyhand(hz).first) / std::abs(lpadbyhand(0).first);
        return std::fabs(20 * std::log10(gain));
    };
    double low = 0, high = 1e6;
    while (away(high) <= 0.1)
        low = high, high += 1e6;
    while (high - low > 1)
        (away((low + high) / 2) <= 0.1 ? low : high) = (low + high) / 2;
    const std::optional<double> flat = velkor::bandwidths(pad, q.ports, {1e-9, 0, 0}, 0.1, 20).flat;
    ASSERT_TRUE(flat);
    EXPECT_LE(*flat, high);
    EXPECT_GE(*flat, low * (1 - 1e-4));
}

} // namespace
