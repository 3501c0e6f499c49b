// Whole recalculations: every caption to the character against values
// derived independently (exact decimal design, two-port analysis of the
// preferred resistors terminated in the system impedance), runs that must
// change nothing, and invariants over every input.

#include "window/calc.h"

#include "rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace {

using velkor::Calc;
using velkor::Field;
using velkor::Series;

Calc run(double atten, double pwr, double sysz, Series s)
{
    Calc c;
    c.loadseries(s);
    std::tie(c.atten, c.pwr, c.sysz) = std::tuple(atten, pwr, sysz);
    EXPECT_TRUE(c.recalc());
    return c;
}

// The captions with "|" between them.
struct Whole { const char* name; double atten, pwr, sysz; Series series; const char* captions; };
class Captions : public testing::TestWithParam<Whole> {};

TEST_P(Captions, EveryFieldToTheCharacter)
{
    const Whole& w = GetParam();
    std::string shown;
    for (const std::string& caption : run(w.atten, w.pwr, w.sysz, w.series).captions)
        shown += (shown.empty() ? "" : "|") + caption;
    EXPECT_EQ(shown, w.captions);
}

INSTANTIATE_TEST_SUITE_P(Cases, Captions, testing::Values(
    Whole{"OneDbTenthWatt", 1, 0.1, 50, Series::E12,
          "869.5|5.8|869.5|2.9|433.3|2.9|0.10 W|0.10 W|0.10 W|820R| 5R6|820R| 2R7|470R| 2R7|"
          "0.01 W|0.01 W|0.00 W|0.01 W|0.01 W|0.00 W|Attenuation .98 dB|Attenuation .94 dB|"
          "VSWR 1.01|VSWR 1.00|Rtn Loss -46.8 dB|Rtn Loss -61.3 dB"},
    Whole{"FortyDbHundredWatts75OhmE6", 40, 100, 75, Series::E6,
          "76.5|3749.6|76.5|73.5|1.5|73.5|98.02 W|1.96 W|0.10 W| 68R| 3k3| 68R| 68R| 1R5| 68R|"
          "110.29 W|2.22 W|0.01 W|105.63 W|2.28 W|0.01 W|Attenuation 39.42 dB|"
          "Attenuation 39.01 dB|VSWR 1.13|VSWR 1.08|Rtn Loss -24.6 dB|Rtn Loss -28.4 dB"},
    // T of 10, 120, 10 ohms: 10 + 120 || 60 is exactly 50 ohms, no reflection.
    Whole{"PerfectlyMatchedT", 3.2, 1, 50, Series::E12,
          "274.5|18.8|274.5|9.1|132.7|9.1|0.18 W|0.25 W|0.10 W|270R| 18R|270R| 10R|120R| 10R|"
          "0.19 W|0.25 W|0.09 W|0.20 W|0.27 W|0.09 W|Attenuation 3.09 dB|Attenuation 3.52 dB|"
          "VSWR 1.02|VSWR 1.00|Rtn Loss -42.1 dB|Rtn Loss -120. dB"}),
    rowname);

TEST(Recalc, ZeroPowerIsTakenAsOneWattAndStored)
{
    Calc c = run(10, 0, 50, Series::E12);
    EXPECT_EQ(c.pwr, 1);
    EXPECT_EQ(c.captions[static_cast<std::size_t>(Field::ThP0)], "0.52 W");   // as at 1 W
    // The state holds the preferred values.
    EXPECT_EQ(std::vector({c.r1p, c.r2p, c.r3p, c.r1t, c.r2t, c.r3t}),
              std::vector<double>({100, 68, 100, 27, 33, 27}));
    // The T's input: 27 + 33 || 77 = 50.1 ohms.
    EXPECT_NEAR(c.rhot, 0.1 / 100.1, 1e-12);
}

struct Declined { const char* name; double atten, sysz; };
class NoRun : public testing::TestWithParam<Declined> {};

auto results(const Calc& c) { return std::tuple(c.captions, c.r1p, c.r3t, c.rhop, c.idx); }

TEST_P(NoRun, LeavesEveryResultAsItWas)
{
    Calc c = run(6, 1, 50, Series::E12);
    const auto before = results(c);
    std::tie(c.atten, c.sysz) = std::tuple(GetParam().atten, GetParam().sysz);
    EXPECT_FALSE(c.recalc());
    EXPECT_EQ(results(c), before);
}

INSTANTIATE_TEST_SUITE_P(Undefined, NoRun, testing::Values(
    Declined{"ZeroAttenuation", 0, 50},
    Declined{"KRoundsToOne", 1e-16, 50},
    Declined{"AnalysisOverflows", 6, 1e300},
    Declined{"PreferredValueOverflows", 1, 9.8e306},
    Declined{"ZeroImpedance", 6, 0}),
    rowname);

// Every input the window lets through gives a complete, finite run.
TEST(Invariants, EveryRunOverASweepIsFinite)
{
    for (Series s : {Series::E6, Series::E12, Series::E24})
        for (double db = 0.001; db <= 60.0001; db *= 2.1)
            for (double z = 1e-3; z <= 1.0001e9; z *= 10)
                for (double w : {0.1, 100.0}) {
                    const Calc c = run(db, w, z, s);   // every value finite, or no run
                    ASSERT_LT(c.rhop, 1) << db << " dB, " << z;
                    ASSERT_LT(c.rhot, 1) << db << " dB, " << z;
                }
}

} // namespace
