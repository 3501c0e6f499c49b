// The sign-position text numbers are written back in. (The number reader is
// checked against a plain second reading of its rule over the fuzz corpus.)

#include "base/numtext.h"

#include "rows.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Sign { const char* name; double value; const char* text; };
class SignText : public testing::TestWithParam<Sign> {};

TEST_P(SignText, BlankOrMinusThenShortestForm)
{
    EXPECT_EQ(velkor::signText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rule, SignText, testing::Values(
    Sign{"NegativeBelowOne", -0.5, "-.5"},
    Sign{"FifteenDigits", 0.1 + 0.2, " .3"},
    Sign{"Third", 1.0 / 3, " .333333333333333"},
    Sign{"LargestPlain", 1e14, " 100000000000000"},
    Sign{"ExponentAbove", 1e15, " 1E+15"},
    Sign{"SmallestPlain", 1e-4, " .0001"},
    Sign{"ExponentBelow", 1.25e-5, " 1.25E-05"},
    Sign{"NotANumber", NAN, " nan"},
    Sign{"ThreeDigitNegative", -2.5e-300, "-2.5E-300"},
    Sign{"CarryIntoNextDecade", 999999999999999.9, " 1E+15"},
    Sign{"MinusInfinity", -INFINITY, "-inf"}),
    rowname);

} // namespace
