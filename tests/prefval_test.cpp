// Preferred-value series: loading, rounding and resistor codes.

#include "window/calc.h"

#include "rows.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using velkor::Calc;
using velkor::Series;

Calc loaded(Series s)
{
    Calc c;
    c.loadseries(s);
    return c;
}
struct Pick { const char* name; Series series; double rr, value; const char* code; };
class Preferred : public testing::TestWithParam<Pick> {};

TEST_P(Preferred, NearestEntryAndItsCode)
{
    Calc c = loaded(GetParam().series);
    const double v = c.prefvalue(GetParam().rr);
    EXPECT_EQ(v, GetParam().value);   // the part's value itself: 0.22, not 2.2 * 0.1
    EXPECT_EQ(c.rescode(v), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Rounding, Preferred, testing::Values(
    Pick{"UpToEntryTen", Series::E12, 96.2, 100, "100R"},
    Pick{"E24Between", Series::E24, 37.4, 36, " 36R"},
    Pick{"FirstEntry", Series::E12, 1.05, 1, " 1R0"},
    Pick{"ExactEntryKept", Series::E12, 4.7, 4.7, " 4R7"},
    Pick{"HalfWayGoesUp", Series::E12, 2.45, 2.7, " 2R7"},
    Pick{"HalfWayBelowOneFallsShort", Series::E12, 0.245, 0.22, " R22"},   // 0.245 / 0.1 < 2.45
    Pick{"KiloFromEntryTen", Series::E12, 962, 1000, " 1k0"},
    Pick{"E24TwoZero", Series::E24, 2000, 2000, " 2k0"},
    Pick{"E6Coarse", Series::E6, 2.9, 3.3, " 3R3"},
    Pick{"MantissaJustBelowOne", Series::E12, 0.9999999, 1, " 1R0"},
    // A decade that falls one short gives a mantissa of 10: the search stops at the entry 10.
    Pick{"MillionItself", Series::E12, 1e6, 1e6, " 1M0"},
    Pick{"PowerOfTenBeyond", Series::E12, 1e21, 1e21, "1.0E+21"}),
    rowname);

// E6 after E24 leaves E24's higher slots in the table, but its search stops
// at its own 10.
TEST(Series, ShorterSeriesStopsAtItsOwnTen)
{
    Calc c = loaded(Series::E24);
    c.loadseries(Series::E6);
    EXPECT_EQ(c.pvtable[8], 2.0);   // an E24 leftover
    EXPECT_EQ(c.prefvalue(9.0), 10);
    EXPECT_EQ(c.idx, 7);
    for (double bad : {0.0, -5.0, HUGE_VAL}) {
        EXPECT_TRUE(std::isnan(c.prefvalue(bad))) << bad;
        EXPECT_EQ(c.idx, 1) << bad;
    }
}

} // namespace
