// Pads between any impedances: published and hand-worked references, the
// invariants every design must meet, the worst case against a dense sample,
// the longer series against IEC 60063, pairs against a brute-force search,
// and the netlists run in ngspice.

#include "calc.h"
#include "netlist.h"
#include "pads.h"
#include "parts.h"

#include "rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

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
    Reference{"Pi10dB75To50", PadKind::pi, 10, 75, 50, {207.43, 87.14, 77.11}, 0.005},
    Reference{"T10dB75To50", PadKind::t, 10, 75, 50, {48.63, 43.03, 18.08}, 0.005},
    Reference{"LPad75To50", PadKind::lpad, 0, 75, 50, {43.30, 86.60}, 0.005},
    Reference{"LPad600To50Handbook", PadKind::lpad, 0, 600, 50, {574.5, 52.2}, 0.05},
    Reference{"BridgedT10dB", PadKind::bridgedt, 10, 50, 50, {50, 50, 108.11, 23.12}, 0.005},
    Reference{"PiAtMinimum", PadKind::pi, 5.719475, 75, 50, {}, 0},
    Reference{"TBelowMinimum", PadKind::t, 5, 75, 50, {}, 0},
    Reference{"PiAtZero", PadKind::pi, 0, 50, 50, {}, 0},
    Reference{"BridgedTUnequal", PadKind::bridgedt, 10, 75, 50, {}, 0},
    Reference{"LPadEqual", PadKind::lpad, 0, 50, 50, {}, 0}),
    rowname);

// Every design, analysed as designed, has exactly its attenuation (the
// L-pad its minimum), presents zin and zout at its ports, and so loses in
// a network analyser just what it attenuates. Between equal impedances the
// Pi and T are the window's own.
TEST(Invariants, DesignsGiveTheirAttenuationAndMatchBothPorts)
{
    const Ports ports[] = {{50, 50}, {75, 50}, {50, 75}, {600, 50}, {1e-3, 1e6}};
    for (const Ports p : ports)
        for (PadKind k : {PadKind::pi, PadKind::t, PadKind::bridgedt, PadKind::lpad})
            for (double db = 0.1; db < 120; db *= 1.9) {
                const std::optional<Values> r = velkor::design(k, db, p);
                if (!r)
                    continue;
                const velkor::Response a = velkor::analyse(k, *r, p, 1);
                const double want = k == PadKind::lpad ? velkor::minimumattenuation(p) : db;
                const std::string at = std::string(velkor::padname(k)) + " " + std::to_string(db);
                EXPECT_NEAR(a.atten / want, 1, 1e-9) << at;
                EXPECT_NEAR(a.insertionloss / want, 1, 1e-9) << at;   // matched: the same loss
                EXPECT_NEAR(a.inputohm / p.zin, 1, 1e-9) << at;
                EXPECT_NEAR(a.outputohm / p.zout, 1, 1e-9) << at;
                if (p.zin != p.zout || (k != PadKind::pi && k != PadKind::t))
                    continue;
                const velkor::Design w = velkor::Calc::design(std::pow(10.0, db / 20), p.zin);
                const Values window = k == PadKind::pi ? Values{w.r1p, w.r2p, w.r3p}
                                                       : Values{w.r1t, w.r2t, w.r3t};
                for (std::size_t i = 0; i < 3; ++i)
                    EXPECT_NEAR((*r)[i] / window[i], 1, 1e-9) << at;
            }
}

TEST(WorstCase, AtNoToleranceIsTheNominal)
{
    const Values t{27, 33, 27};
    const velkor::Response a = velkor::analyse(PadKind::t, t, {50, 50}, 2);
    const velkor::WorstCase w = velkor::worstcase(PadKind::t, t, {50, 50}, 2, 0);
    EXPECT_EQ(std::tuple(w.attenlow, w.attenhigh, w.vswr, w.returnloss),
              std::tuple(a.atten, a.atten, a.vswr, a.returnloss));
    EXPECT_EQ(w.power, a.power);
}

// No point inside the tolerance box is worse than its corners.
TEST(WorstCase, CornersBoundADenseSample)
{
    struct Case { PadKind kind; Ports ports; double db; };
    const Case cases[] = {{PadKind::pi, {50, 50}, 10}, {PadKind::t, {75, 50}, 12},
                          {PadKind::bridgedt, {50, 50}, 6}, {PadKind::lpad, {600, 50}, 0}};
    std::mt19937_64 gen(20261206);
    std::uniform_real_distribution<double> within(-1, 1);
    constexpr double tolerance = 0.1;
    for (const Case& c : cases) {
        const Values r = *velkor::design(c.kind, c.db, c.ports);
        const velkor::WorstCase w = velkor::worstcase(c.kind, r, c.ports, 1, tolerance);
        Values point(r.size());
        for (int n = 0; n < 20000; ++n) {
            for (std::size_t i = 0; i < r.size(); ++i)
                point[i] = r[i] * (1 + tolerance * within(gen));
            const velkor::Response a = velkor::analyse(c.kind, point, c.ports, 1);
            ASSERT_GE(a.atten, w.attenlow - 0.001) << velkor::padname(c.kind);
            ASSERT_LE(a.atten, w.attenhigh + 0.001) << velkor::padname(c.kind);
            ASSERT_LE(a.rho, w.rho + 1e-6) << velkor::padname(c.kind);
        }
    }
}

// IEC 60063: E192 is the geometric series 10^(i/192) rounded to three
// digits except 920 (not 919); E96 and E48 take every second and fourth.
TEST(Series, LongSeriesFollowTheStandard)
{
    const std::span<const double> e192 = velkor::seriestable(Series::E192);
    ASSERT_EQ(e192.size(), 194u);   // 0, 192 entries, 10
    for (int i = 0; i < 192; ++i) {
        const double formula = std::round(100 * std::pow(10.0, i / 192.0)) / 100;
        EXPECT_EQ(e192[static_cast<std::size_t>(i + 1)], i == 185 ? 9.2 : formula) << i;
    }
    for (auto [s, stride] : {std::pair{Series::E96, 2}, std::pair{Series::E48, 4}})
        for (int i = 0; i < 192 / stride; ++i)
            EXPECT_EQ(velkor::seriestable(s)[static_cast<std::size_t>(i + 1)],
                      e192[static_cast<std::size_t>(i * stride + 1)]);
    EXPECT_EQ(std::count(e192.begin(), e192.end(), 2.7), 0);   // E24's 2.7 is no E192 value
    Values tolerances;
    for (Series s : {Series::E6, Series::E12, Series::E24, Series::E48, Series::E96, Series::E192})
        tolerances.push_back(velkor::seriestolerance(s));
    EXPECT_EQ(tolerances, Values({0.2, 0.1, 0.05, 0.02, 0.01, 0.005}));   // IEC 60063
}

struct Coded { const char* name; double ohms; int digits; const char* code; };
class Codes : public testing::TestWithParam<Coded> {};

TEST_P(Codes, LetterAtTheDecimalPoint)
{
    EXPECT_EQ(velkor::partcode(GetParam().ohms, GetParam().digits), GetParam().code);
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
    EXPECT_EQ(velkor::closestpart(GetParam().ohms, GetParam().series).code, GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Search, Pairs, testing::Values(
    Paired{"SeriesSmall", 150.476, Series::E12, "150R+R47"},
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
    const std::string file = testing::TempDir() + "velkor_pads";
    std::ofstream(file + ".cir") << netlist;
    // Its status is 1 without .print lines; what it printed tells.
    std::system(("ngspice -b " + file + ".cir >" + file + ".log 2>&1").c_str());
    std::ostringstream out;
    out << std::ifstream(file + ".log").rdbuf();
    return out.str();
}

double printed(const std::string& out, const std::string& name)
{
    const std::string line = "\n" + name + " = ";
    const std::size_t at = out.find(line);
    return at == std::string::npos ? NAN : std::stod(out.substr(at + line.size()));
}

TEST(Spice, NgspiceAgreesWithTheAnalysis)
{
    const velkor::PadRequest six{6, 1, {50, 50}, Series::E12, 0.1};
    const std::string netlist = velkor::netlist(six, *velkor::evaluatepads(six));
    const std::string title = "* Velkor pads as built: 6 dB, 50 to 50 ohms, E12 parts";
    EXPECT_EQ(netlist.substr(0, netlist.find('\n')), title);
    EXPECT_EQ(netlist.substr(netlist.size() - 11), ".endc\n.end\n");
    const std::string pi = "\n.subckt pi in out gnd\nR1 in gnd 150\nR2 in out 39\nR3 out gnd 150\n";
    EXPECT_NE(netlist.find(pi), std::string::npos) << netlist;
    const std::string out = ngspice(netlist);
    EXPECT_NE(out.find("\npi_attenuation_db = 6.192603e+00"), std::string::npos) << out;
    EXPECT_NE(out.find("\npi_input_ohm = 5.066225e+01"), std::string::npos) << out;
    const velkor::PadRequest requests[] = {{10, 1, {75, 50}, Series::E96, 0.01},
                                           {20, 1, {50, 50}, Series::E24, 0.05, true},
                                           {std::nullopt, 1, {50, 600}, Series::E192, 0.005}};
    for (const velkor::PadRequest& q : requests) {
        const std::vector<velkor::PadResult> pads = *velkor::evaluatepads(q);
        const std::string out = ngspice(velkor::netlist(q, pads));
        for (const velkor::PadResult& p : pads) {
            const std::string name(velkor::padname(p.kind));
            EXPECT_NEAR(printed(out, name + "_attenuation_db") / p.built.atten, 1, 1e-6) << name;
            EXPECT_NEAR(printed(out, name + "_input_ohm") / p.built.inputohm, 1, 1e-6) << name;
        }
    }
}

} // namespace
