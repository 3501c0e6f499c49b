// Whole recalculations: every caption to the character, the matched designs
// against closed forms, invariants over a grid, and runs that must change
// nothing.

#include "calc.h"

#include "rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using velkor::Calc;
using velkor::Field;
using velkor::Series;

Calc run(double atten, double pwr, double sysz, Series s)
{
    Calc c;
    c.loadseries(s);
    c.atten = atten;
    c.pwr = pwr;
    c.sysz = sysz;
    EXPECT_TRUE(c.recalc());
    return c;
}

struct WholeRun {
    const char* name;
    double atten, pwr, sysz;
    Series series;
    // In the order of Field: ThR(0..5), ThP(0..2), R1P..R3P, R1T..R3T codes,
    // RealPR1P..3P, RealPR1T..3T, TrueAttenP, TrueAttenT, VSWRP, VSWRT,
    // RtnlossP, rtnlosst.
    std::vector<std::string> captions;
};

class Captions : public testing::TestWithParam<WholeRun> {};

TEST_P(Captions, EveryFieldToTheCharacter)
{
    const WholeRun& w = GetParam();
    const Calc c = run(w.atten, w.pwr, w.sysz, w.series);
    ASSERT_EQ(w.captions.size(), velkor::fieldcount);
    for (std::size_t i = 0; i < velkor::fieldcount; ++i)
        EXPECT_EQ(c.captions[i], w.captions[i]) << velkor::fieldname(static_cast<Field>(i));
}

// Preferred-value figures checked independently by two-port (ABCD) analysis
// of the preferred resistors terminated in the system impedance.
INSTANTIATE_TEST_SUITE_P(Cases, Captions, testing::Values(
    WholeRun{"Start6dB1W50OhmE12", 6, 1, 50, Series::E12,
             {"150.5", "37.4", "150.5", "16.6", "66.9", "16.6",
              "0.33 W", "0.33 W", "0.10 W",
              "150R", " 39R", "150R", " 18R", " 68R", " 18R",
              "0.33 W", "0.33 W", "0.08 W", "0.33 W", "0.31 W", "0.08 W",
              "Attenuation 6.19 dB", "Attenuation 6.36 dB", "VSWR 1.01", "VSWR 1.04",
              "Rtn Loss -43.7 dB", "Rtn Loss -34.2 dB"}},
    WholeRun{"TenDbE12", 10, 1, 50, Series::E12,
             {"96.2", "71.2", "96.2", "26.0", "35.1", "26.0",
              "0.52 W", "0.33 W", "0.10 W",
              "100R", " 68R", "100R", " 27R", " 33R", " 27R",
              "0.50 W", "0.33 W", "0.05 W", "0.54 W", "0.32 W", "0.05 W",
              "Attenuation 9.66 dB", "Attenuation 10.47 dB", "VSWR 1.01", "VSWR 1.00",
              "Rtn Loss -49.7 dB", "Rtn Loss -60.1 dB"}},
    WholeRun{"SixDbE24", 6, 1, 50, Series::E24,
             {"150.5", "37.4", "150.5", "16.6", "66.9", "16.6",
              "0.33 W", "0.33 W", "0.10 W",
              "150R", " 36R", "150R", " 16R", " 68R", " 16R",
              "0.33 W", "0.33 W", "0.09 W", "0.33 W", "0.34 W", "0.08 W",
              "Attenuation 5.85 dB", "Attenuation 5.8 dB", "VSWR 1.01", "VSWR 1.01",
              "Rtn Loss -43.5 dB", "Rtn Loss -45.9 dB"}}),
    RowName());

struct Matched {
    const char* name;
    double atten;
    double r1p, r2p, r1t, r2t;   // independently computed at 50 ohms
};

class MatchedDesign : public testing::TestWithParam<Matched> {};

TEST_P(MatchedDesign, AgreesWithIndependentValues)
{
    const Matched& m = GetParam();
    const velkor::Design d = Calc::design(std::pow(10.0, m.atten / 20), 50);
    constexpr double tol = 5e-4;   // ohms; references are given to 6 figures
    EXPECT_NEAR(d.r1p, m.r1p, tol);
    EXPECT_NEAR(d.r2p, m.r2p, tol);
    EXPECT_NEAR(d.r3p, m.r1p, tol);
    EXPECT_NEAR(d.r1t, m.r1t, tol);
    EXPECT_NEAR(d.r2t, m.r2t, tol);
    EXPECT_NEAR(d.r3t, m.r1t, tol);
}

INSTANTIATE_TEST_SUITE_P(At50Ohms, MatchedDesign, testing::Values(
    Matched{"SixDb", 6, 150.476, 37.3519, 16.6139, 66.931},
    Matched{"TenDb", 10, 96.2475, 71.1512, 25.9747, 35.1364},
    Matched{"TwentyDb", 20, 61.1111, 247.5, 40.9091, 10.101}),   // K = 10 exactly: 550/9, 2475/10, 450/11, 1000/99
    RowName());

double parallel(double a, double b) { return a * b / (a + b); }

TEST(Invariants, MatchedAttenuatorsPresentTheSystemImpedance)
{
    for (double db = 0.01; db <= 60; db *= 1.37)
        for (double z = 1e-3; z <= 1e9; z *= 7.3) {
            const double k = std::pow(10.0, db / 20);
            const velkor::Design d = Calc::design(k, z);
            const double pin = parallel(d.r1p, d.r2p + parallel(d.r3p, z));
            const double tin = d.r1t + parallel(d.r2t, d.r3t + z);
            EXPECT_NEAR(pin / z, 1, 1e-9) << db << " dB " << z << " ohms";
            EXPECT_NEAR(tin / z, 1, 1e-9) << db << " dB " << z << " ohms";
            // Terminated in z, the output voltage is 1/k of the input.
            const double tout = parallel(d.r2t, d.r3t + z) / (d.r1t + parallel(d.r2t, d.r3t + z)) * z / (d.r3t + z);
            EXPECT_NEAR(tout * k, 1, 1e-9);
        }
}

bool isentrytimespoweroften(double v, const Calc& c, Series s)
{
    const double decade = std::pow(10.0, std::floor(std::log10(v) + 1e-12));
    for (int k = 1; k <= velkor::seriescount(s); ++k)
        if (std::fabs(v / decade - c.pvtable[static_cast<std::size_t>(k)]) < 1e-9 * c.pvtable[static_cast<std::size_t>(k)])
            return true;
    return false;
}

std::string caption(const Calc& c, Field f) { return c.captions[static_cast<std::size_t>(f)]; }

// Log-spaced sweep over every input: attenuation 0.001 to 60 dB, impedance
// 1E-3 to 1E9 ohms, power 0.1 to 100 W, each series.
TEST(Invariants, SweepOverEveryInput)
{
    for (Series s : {Series::E6, Series::E12, Series::E24})
        for (double db = 0.001; db <= 60.0001; db *= std::pow(60000.0, 1.0 / 19))
            for (double z = 1e-3; z <= 1.0001e9; z *= 10)
                for (double w : {0.1, 1.0, 10.0, 100.0}) {
                    Calc c;
                    c.loadseries(s);
                    c.atten = db;
                    c.pwr = w;
                    c.sysz = z;
                    ASSERT_TRUE(c.recalc()) << db << " dB " << z << " ohms " << w << " W";
                    for (const std::string& t : c.captions) {
                        EXPECT_EQ(t.find("nan"), std::string::npos) << t;
                        EXPECT_EQ(t.find("inf"), std::string::npos) << t;
                    }
                    for (double r : {c.r1p, c.r2p, c.r3p, c.r1t, c.r2t, c.r3t})
                        EXPECT_TRUE(isentrytimespoweroften(r, c, s)) << r << " at " << db << " dB " << z << " ohms";
                    for (Field f : {Field::VSWRP, Field::VSWRT})
                        EXPECT_GE(std::stod(caption(c, f).substr(5)), 1.0) << caption(c, f);
                    for (Field f : {Field::RtnlossP, Field::rtnlosst})
                        EXPECT_EQ(caption(c, f).rfind("Rtn Loss -", 0), 0u) << caption(c, f);
                    for (Field f : {Field::TrueAttenP, Field::TrueAttenT})
                        EXPECT_EQ(caption(c, f).rfind("Attenuation -", 0), std::string::npos) << caption(c, f);
                    EXPECT_GT(c.rhop, 0);
                    EXPECT_LT(c.rhop, 1);
                    EXPECT_GT(c.rhot, 0);
                    EXPECT_LT(c.rhot, 1);
                }
}

TEST(Recalc, ZeroPowerIsTakenAsOneWatt)
{
    Calc c;
    c.loadseries(Series::E12);
    c.atten = 10;
    c.pwr = 0;
    c.sysz = 50;
    ASSERT_TRUE(c.recalc());
    EXPECT_EQ(c.pwr, 1);
    EXPECT_EQ(c.captions[static_cast<std::size_t>(Field::ThP0)], "0.52 W");
}

TEST(Recalc, TheoreticalPowerFloorOnlyOnTheoreticalValues)
{
    const Calc c = run(10, 1, 50, Series::E12);
    EXPECT_EQ(c.captions[static_cast<std::size_t>(Field::ThP2)], "0.10 W");      // 0.05 W raised
    EXPECT_EQ(c.captions[static_cast<std::size_t>(Field::RealPR3P)], "0.05 W");  // no floor
}

struct Unchanged {
    const char* name;
    double atten, sysz;
};

class NoRun : public testing::TestWithParam<Unchanged> {};

TEST_P(NoRun, LeavesEveryResultAsItWas)
{
    Calc c = run(6, 1, 50, Series::E12);
    const Calc before = c;
    c.atten = GetParam().atten;
    c.sysz = GetParam().sysz;
    EXPECT_FALSE(c.recalc());
    EXPECT_EQ(c.captions, before.captions);
    EXPECT_EQ(c.r1p, before.r1p);
    EXPECT_EQ(c.r2t, before.r2t);
    EXPECT_EQ(c.rhop, before.rhop);
    EXPECT_EQ(c.rhot, before.rhot);
    EXPECT_EQ(c.idx, before.idx);
}

INSTANTIATE_TEST_SUITE_P(Undefined, NoRun, testing::Values(
    Unchanged{"ZeroAttenuation", 0, 50},
    Unchanged{"NegativeAttenuation", -3, 50},
    Unchanged{"AttenuationTooSmallForK", 1e-16, 50},
    Unchanged{"HugeImpedanceOverflows", 60, 1e303},
    Unchanged{"EdgeOfRangeLarge", 60, 1e300},
    Unchanged{"EdgeOfRangeLargeAt6dB", 6, 1e300},
    Unchanged{"EdgeOfRangeSmallAt60dB", 60, 1e-300},
    Unchanged{"TinyImpedanceUnderflows", 6, 1e-300},
    Unchanged{"ZeroImpedance", 6, 0},
    Unchanged{"NegativeImpedance", 6, -50}),
    RowName());

} // namespace
