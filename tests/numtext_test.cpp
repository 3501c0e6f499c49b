// Reading typed numbers and writing the sign-position text.

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

struct ReadCase {
    const char* name;
    std::string text;
    double value;
};

class ReadNumber : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumber, ReadsTheLongestNumericPrefix)
{
    EXPECT_EQ(velkor::readnum(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

constexpr double dmax = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(Rule, ReadNumber, testing::Values(
    ReadCase{"Empty", "", 0},
    ReadCase{"Integer", "50", 50},
    ReadCase{"TrailingLetters", "12abc", 12},
    ReadCase{"BlankBetweenDigits", "7 50", 750},
    ReadCase{"TabAndLineFeedDropped", "1\t2\n3", 123},
    ReadCase{"CarriageReturnEndsNumber", "1\r2", 1},
    ReadCase{"Exponent", "1e3", 1000},
    ReadCase{"UpperExponentWithSign", "2.5E-1", 0.25},
    ReadCase{"ExponentWithoutDigits", "1e", 1},
    ReadCase{"ExponentSignWithoutDigits", "1e+", 1},
    ReadCase{"LeadingPoint", ".5", 0.5},
    ReadCase{"TrailingPoint", "10.", 10},
    ReadCase{"SecondPointEnds", "1.2.3", 1.2},
    ReadCase{"CommaEnds", "0,5", 0},
    ReadCase{"LeadingLetter", "abc12", 0},
    ReadCase{"PointAlone", ".", 0},
    ReadCase{"SignAlone", "-", 0},
    ReadCase{"ExplicitPlus", "+7", 7},
    ReadCase{"Negative", "-3", -3},
    ReadCase{"NegativeFraction", "-.5e-1", -0.05},
    ReadCase{"BlanksAroundSign", " - 4 . 5 ", -4.5},
    ReadCase{"DoubleSign", "--5", 0},
    ReadCase{"ExponentNeedsMantissaDigit", "e5", 0},
    ReadCase{"ImpedanceWriteBack", " 50", 50},
    ReadCase{"PowerOfTenText", "1E 2", 100},
    ReadCase{"NegativePowerOfTenText", "1E-1", 0.1},
    ReadCase{"OverflowPositive", "1E999", dmax},
    ReadCase{"OverflowNegative", "-1E999", -dmax},
    ReadCase{"OverflowManyDigits", std::string(400, '9'), dmax},
    ReadCase{"UnderflowIsZero", "1E-999", 0},
    ReadCase{"UnderflowNegativeIsZero", "-1E-999", 0},
    ReadCase{"SmallMantissaHugeExponent", "0.000001E309", 1e303},
    ReadCase{"SubnormalKept", "2.5e-320", 2.5e-320},
    ReadCase{"BelowSmallestSubnormal", "2e-324", 0},
    ReadCase{"HugeExponentDigits", "1E99999999999999999999999", dmax},
    ReadCase{"AmpersandHexNotAccepted", "&H10", 0},
    ReadCase{"LetterDNotAnExponent", "1D2", 1},
    ReadCase{"Infinity", "inf", 0},
    ReadCase{"NotANumber", "nan", 0}),
    RowName());

struct SignCase {
    const char* name;
    double value;
    const char* text;
};

class SignText : public testing::TestWithParam<SignCase> {};

TEST_P(SignText, WritesBlankOrMinusThenShortestForm)
{
    EXPECT_EQ(velkor::signtext(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rule, SignText, testing::Values(
    SignCase{"Fifty", 50, " 50"},
    SignCase{"Fraction", 12.5, " 12.5"},
    SignCase{"BelowOneNoLeadingZero", 0.5, " .5"},
    SignCase{"NegativeBelowOne", -0.5, "-.5"},
    SignCase{"Zero", 0, " 0"},
    SignCase{"FifteenDigitsRounded", 0.1 + 0.2, " .3"},
    SignCase{"FifteenSignificant", 1.0 / 3, " .333333333333333"},
    SignCase{"LargestPlain", 1e14, " 100000000000000"},
    SignCase{"ExponentAbove", 1e15, " 1E+15"},
    SignCase{"ExponentWithMantissa", 1.5e20, " 1.5E+20"},
    SignCase{"SmallestPlain", 1e-4, " .0001"},
    SignCase{"ExponentBelow", 1e-5, " 1E-05"},
    SignCase{"ThreeDigitExponent", 2.5e-300, " 2.5E-300"},
    SignCase{"RoundsUpIntoNextDecade", 999999999999999.9, " 1E+15"},
    SignCase{"NegativeInteger", -1, "-1"}),
    RowName());

TEST(SignText, ReadsBackAsTheSameFifteenDigitNumber)
{
    for (double x : {50.0, 0.5, 12.5, 1e-7, 3.3e21, 123456.789}) {
        const double back = velkor::readnum(velkor::signtext(x));
        EXPECT_EQ(velkor::signtext(back), velkor::signtext(x)) << x;
        EXPECT_NEAR(back, x, x * 1e-14);
    }
}

} // namespace

namespace {

// Sign-position text built from the C library's own correctly rounded
// 15-digit conversion, to check the engine's digits against.
std::string reference(double x)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", x);
    std::string s(buf);
    const bool neg = s[0] == '-';
    if (neg)
        s.erase(0, 1);
    const std::size_t epos = s.find('e');
    const int exp10 = std::atoi(s.c_str() + epos + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, epos - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out(1, neg ? '-' : ' ');
    if (exp10 < -4 || exp10 >= 15) {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        char e[16];
        std::snprintf(e, sizeof e, "E%c%02d", exp10 < 0 ? '-' : '+', exp10 < 0 ? -exp10 : exp10);
        return out + e;
    }
    if (exp10 < 0)
        return out + "." + std::string(static_cast<std::size_t>(-exp10 - 1), '0') + digits;
    const auto point = static_cast<std::size_t>(exp10 + 1);
    if (digits.size() <= point)
        return out + digits + std::string(point - digits.size(), '0');
    return out + digits.substr(0, point) + "." + digits.substr(point);
}

TEST(SignText, DigitsAgreeWithTheCLibraryOverAllMagnitudes)
{
    std::mt19937_64 gen(20261206);
    std::uniform_real_distribution<double> mant(1.0, 10.0);
    std::uniform_int_distribution<int> exp10(-40, 40);
    for (int i = 0; i < 200000; ++i) {
        const double x = mant(gen) * std::pow(10.0, exp10(gen)) * (i % 7 == 0 ? -1 : 1);
        ASSERT_EQ(velkor::signtext(x), reference(x)) << x;
    }
    // Values that sit on or next to a 15-digit half-way point.
    for (double x : {0.5, 1.5, 2.5, 1234567890123455.0, 123456789012345.5, 0.1 + 0.2, 1e15 - 0.5, 2.05})
        EXPECT_EQ(velkor::signtext(x), reference(x)) << x;
}

} // namespace
