// Reading typed numbers, and the sign-position text they are written back in.

#include "numtext.h"

#include "rows.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace {

constexpr double dmax = std::numeric_limits<double>::max();

struct Read {
    const char* name;
    std::string text;
    double value;
};

class ReadNumber : public testing::TestWithParam<Read> {};

TEST_P(ReadNumber, ReadsTheLongestNumericPrefix)
{
    EXPECT_EQ(velkor::readnum(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Rule, ReadNumber, testing::Values(
    Read{"Empty", "", 0}, Read{"TrailingLetters", "12abc", 12}, Read{"BlanksTabsLineFeedsDropped", " 1\t2\n3", 123},
    Read{"CarriageReturnEnds", "1\r2", 1}, Read{"Exponent", "1e3", 1000}, Read{"SignedExponent", "2.5E-1", 0.25},
    Read{"ExponentPlus", "1E+2", 100}, Read{"ExponentWithoutDigits", "1e+", 1}, Read{"LeadingPoint", ".5", 0.5},
    Read{"TrailingPoint", "10.", 10}, Read{"SecondPointEnds", "1.2.3", 1.2}, Read{"CommaEnds", "0,5", 0},
    Read{"LeadingLetter", "abc12", 0}, Read{"PointAlone", ".", 0}, Read{"SignAlone", "-", 0},
    Read{"Plus", "+7", 7}, Read{"BlanksAroundSign", " - 4 . 5 ", -4.5}, Read{"DoubleSign", "--5", 0},
    Read{"ExponentNeedsDigit", "e5", 0}, Read{"PowerOfTenText", "1E 2", 100},
    Read{"Overflow", "1E999", dmax}, Read{"NegativeOverflow", "-1E999", -dmax},
    Read{"ManyDigitsOverflow", std::string(400, '9'), dmax}, Read{"Underflow", "1E-999", 0},
    Read{"SmallMantissaHugeExponent", "0.000001E309", 1e303}, Read{"Subnormal", "2.5e-320", 2.5e-320},
    Read{"HugeExponentDigits", "1E99999999999999999999999", dmax}, Read{"AmpersandHex", "&H10", 0},
    Read{"LetterD", "1D2", 1}, Read{"Infinity", "inf", 0}),
    rowname);

struct Sign {
    const char* name;
    double value;
    const char* text;
};

class SignText : public testing::TestWithParam<Sign> {};

TEST_P(SignText, BlankOrMinusThenShortestForm)
{
    EXPECT_EQ(velkor::signtext(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rule, SignText, testing::Values(
    Sign{"Fifty", 50, " 50"}, Sign{"Fraction", 12.5, " 12.5"}, Sign{"BelowOne", 0.5, " .5"},
    Sign{"NegativeBelowOne", -0.5, "-.5"}, Sign{"Zero", 0, " 0"}, Sign{"FifteenDigits", 0.1 + 0.2, " .3"},
    Sign{"Third", 1.0 / 3, " .333333333333333"}, Sign{"LargestPlain", 1e14, " 100000000000000"},
    Sign{"ExponentAbove", 1e15, " 1E+15"}, Sign{"ExponentMantissa", 1.5e20, " 1.5E+20"},
    Sign{"SmallestPlain", 1e-4, " .0001"}, Sign{"ExponentBelow", 1.25e-5, " 1.25E-05"},
    Sign{"HundredthPower", 1e100, " 1E+100"}, Sign{"BelowHundredthPower", 9.5e99, " 9.5E+99"},
    Sign{"ThreeDigitNegative", -2.5e-300, "-2.5E-300"}, Sign{"CarryIntoNextDecade", 999999999999999.9, " 1E+15"},
    Sign{"NotANumber", NAN, " nan"}, Sign{"MinusInfinity", -INFINITY, "-inf"}),
    rowname);

// Whatever its form, the text must denote the double rounded to 15 digits
// as the C library rounds it.
TEST(SignText, DenotesTheFifteenDigitValueAtEveryMagnitude)
{
    std::mt19937_64 gen(20261206);
    std::uniform_real_distribution<double> exp10(-300, 300);
    for (int i = 0; i < 100000; ++i) {
        const double x = std::pow(10.0, exp10(gen)) * (i % 3 ? 1 : -1);
        char c[40];
        std::snprintf(c, sizeof c, "%.14e", x);
        ASSERT_EQ(velkor::readnum(velkor::signtext(x)), std::strtod(c, nullptr)) << c;
    }
}

} // namespace
