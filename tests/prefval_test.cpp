// Rounding to preferred values and writing resistor codes.

#include "calc.h"

#include "rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using velkor::Calc;
using velkor::Series;

Calc loaded(Series s)
{
    Calc c;
    c.loadseries(s);
    return c;
}

TEST(Series, LoadsEntriesIntoSlotsOneToN)
{
    const Calc c = loaded(Series::E24);
    EXPECT_EQ(c.pvtable[0], 0);
    EXPECT_DOUBLE_EQ(c.pvtable[1], 1.0);
    EXPECT_DOUBLE_EQ(c.pvtable[8], 2.0);
    EXPECT_DOUBLE_EQ(c.pvtable[24], 9.1);
    EXPECT_DOUBLE_EQ(c.pvtable[25], 10);
    EXPECT_EQ(c.pvtable[26], 0);
    EXPECT_EQ(velkor::seriescount(Series::E6), 7);
    EXPECT_EQ(velkor::seriescount(Series::E12), 13);
    EXPECT_EQ(velkor::seriescount(Series::E24), 25);
}

TEST(Series, ShorterSeriesLeavesHigherSlotsAlone)
{
    Calc c = loaded(Series::E24);
    c.loadseries(Series::E12);
    EXPECT_DOUBLE_EQ(c.pvtable[13], 10);
    EXPECT_DOUBLE_EQ(c.pvtable[14], 3.6);   // E24 leftovers 3.6 ... 10
    EXPECT_DOUBLE_EQ(c.pvtable[25], 10);
    EXPECT_EQ(c.pvtable[26], 0);
}

TEST(Decade, PowerOfTenIsCorrectlyRounded)
{
    EXPECT_EQ(Calc::fnd(2), 100);
    EXPECT_EQ(Calc::fnd(-1), 0.1);
    EXPECT_EQ(Calc::fnd(-3.5), 1e-4);   // floor first
    EXPECT_EQ(Calc::fnd(22), 1e22);
    EXPECT_EQ(Calc::fnd(-330), 0);
    EXPECT_EQ(Calc::fnc(47), 1);
    EXPECT_EQ(Calc::fnc(0.47), -1);
}

struct PrefCase {
    const char* name;
    Series series;
    double rr;
    double value;
    const char* code;
};

class Preferred : public testing::TestWithParam<PrefCase> {};

TEST_P(Preferred, RoundsToNearestEntryAndWritesCode)
{
    Calc c = loaded(GetParam().series);
    const double v = c.prefvalue(GetParam().rr);
    EXPECT_NEAR(v, GetParam().value, GetParam().value * 1e-12);
    EXPECT_EQ(c.rescode(v), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Rounding, Preferred, testing::Values(
    PrefCase{"UpToTheEntryTen", Series::E12, 96.2, 100, "100R"},
    PrefCase{"DownToLowerNeighbour", Series::E12, 71.2, 68, " 68R"},
    PrefCase{"E24Between", Series::E24, 37.4, 36, " 36R"},
    PrefCase{"ExactEntryKept", Series::E12, 4.7, 4.7, " 4R7"},
    PrefCase{"HalfWayGoesUp", Series::E12, 2.45, 2.7, " 2R7"},
    PrefCase{"HalfWayBelowOneFallsShort", Series::E12, 0.245, 0.22, " R22"},
    PrefCase{"ExactPowerOfTenKilo", Series::E12, 962, 1000, " 1k0"},
    PrefCase{"ExactPowerOfTenMega", Series::E12, 962e3, 1e6, " 1M0"},
    PrefCase{"ThousandItself", Series::E12, 1000, 1000, " 1k0"},
    PrefCase{"MillionItself", Series::E12, 1e6, 1e6, " 1M0"},
    PrefCase{"E24TwoPointZero", Series::E24, 2000, 2000, " 2k0"},
    PrefCase{"E24ThreePointZero", Series::E24, 30, 30, " 30R"},
    PrefCase{"E6Coarse", Series::E6, 2.9, 3.3, " 3R3"},
    PrefCase{"MantissaJustBelowOne", Series::E12, 0.9999999, 1, " 1R0"}),
    RowName());

struct CodeCase {
    const char* name;
    double rr;
    const char* code;
};

class Code : public testing::TestWithParam<CodeCase> {};

TEST_P(Code, EveryDecade)
{
    Calc c = loaded(Series::E12);
    EXPECT_EQ(c.rescode(c.prefvalue(GetParam().rr)), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Decades, Code, testing::Values(
    CodeCase{"Beyond1E15", 1e15, "1.0E+15"},
    CodeCase{"TeraHundreds", 470e12, "470T"},
    CodeCase{"TeraTens", 47e12, " 47T"},
    CodeCase{"TeraUnits", 4.7e12, " 4T7"},
    CodeCase{"GigaHundreds", 470e9, "470G"},
    CodeCase{"GigaTens", 47e9, " 47G"},
    CodeCase{"GigaUnits", 4.7e9, " 4G7"},
    CodeCase{"MegaHundreds", 470e6, "470M"},
    CodeCase{"MegaTens", 47e6, " 47M"},
    CodeCase{"MegaUnits", 4.7e6, " 4M7"},
    CodeCase{"KiloHundreds", 470e3, "470k"},
    CodeCase{"KiloTens", 47e3, " 47k"},
    CodeCase{"KiloUnits", 4.7e3, " 4k7"},
    CodeCase{"OhmHundreds", 470, "470R"},
    CodeCase{"OhmTens", 47, " 47R"},
    CodeCase{"OhmUnits", 4.7, " 4R7"},
    CodeCase{"Tenths", 0.47, " R47"},
    CodeCase{"Hundredths", 0.056, "R056"},
    CodeCase{"Thousandths", 0.0047, "R0047"},
    CodeCase{"Below1EMinus3", 0.000056, "5.6E-05"},
    CodeCase{"FarBelow", 8.2e-20, "8.2E-20"}),
    RowName());

TEST(Preferred, SearchStopsAtEntryTenOfTheLoadedSeries)
{
    // E12 then E6: slots 8..13 keep E12 entries; the E6 search must stop at
    // its own 10 in slot 7.
    Calc c = loaded(Series::E12);
    c.loadseries(Series::E6);
    EXPECT_DOUBLE_EQ(c.prefvalue(9.0), 10);
    EXPECT_EQ(c.idx, 7);
    EXPECT_EQ(c.rescode(10), " 10R");
}

TEST(Preferred, MantissaOfTenOrMoreTakesEntryTen)
{
    // A scale of exactly 1 with a mantissa of 10 or more can only come from
    // a decade that fell short; the search must not run past slot 13.
    Calc c = loaded(Series::E12);
    for (double rr : {1000.0, 1e6, 1e9, 1e12, 1e21}) {
        const double v = c.prefvalue(rr);
        EXPECT_LE(c.idx, 13) << rr;
        EXPECT_NEAR(v, rr, rr * 1e-15) << rr;
    }
}

TEST(Preferred, NonPositiveOrNonFiniteHasNoValue)
{
    Calc c = loaded(Series::E12);
    EXPECT_TRUE(std::isnan(c.prefvalue(0)));
    EXPECT_TRUE(std::isnan(c.prefvalue(-5)));
    EXPECT_TRUE(std::isnan(c.prefvalue(INFINITY)));
    EXPECT_TRUE(std::isnan(c.prefvalue(NAN)));
}

} // namespace
