// Display patterns of the result fields, and the return-loss grid.

#include "calc.h"
#include "format.h"

#include "rows.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using velkor::Calc;

enum class Fn { Res, Pwr, Db, Vswr };

struct FormatCase {
    const char* name;
    Fn fn;
    double value;
    const char* text;
};

std::string apply(Fn fn, double x)
{
    switch (fn) {
    case Fn::Res:
        return Calc::tidyres(x);
    case Fn::Pwr:
        return Calc::tidypwr(x);
    case Fn::Db:
        return Calc::tidydb(x);
    case Fn::Vswr:
        break;
    }
    return Calc::tidyvswr(x);
}

class Tidy : public testing::TestWithParam<FormatCase> {};

TEST_P(Tidy, FormatsToTheCharacter)
{
    EXPECT_EQ(apply(GetParam().fn, GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Patterns, Tidy, testing::Values(
    FormatCase{"ResInteger", Fn::Res, 47, "47.0"},
    FormatCase{"ResBelowOne", Fn::Res, 0.06, "0.1"},
    FormatCase{"ResHundreds", Fn::Res, 470, "470.0"},
    FormatCase{"ResHalfUp", Fn::Res, 0.25, "0.3"},
    FormatCase{"ResHalfFromFifteenDigits", Fn::Res, 2.05, "2.1"},  // the double lies below 2.05
    FormatCase{"ResCarry", Fn::Res, 9.96, "10.0"},
    FormatCase{"ResTiny", Fn::Res, 0.04, "0.0"},
    FormatCase{"ResLargeNoSeparator", Fn::Res, 1234567.89, "1234567.9"},
    FormatCase{"ResNegative", Fn::Res, -3.14, "-3.1"},
    FormatCase{"PwrFloor", Fn::Pwr, 0.1, "0.10 W"},
    FormatCase{"PwrInteger", Fn::Pwr, 2, "2.00 W"},
    FormatCase{"PwrRoundsToZero", Fn::Pwr, 0.004, "0.00 W"},
    FormatCase{"PwrHalfUp", Fn::Pwr, 0.125, "0.13 W"},
    FormatCase{"PwrHundred", Fn::Pwr, 99.999, "100.00 W"},
    FormatCase{"DbOneDecimal", Fn::Db, 9.5, "9.5 dB"},
    FormatCase{"DbNegative", Fn::Db, -49.7, "-49.7 dB"},
    FormatCase{"DbPointKept", Fn::Db, -120, "-120. dB"},
    FormatCase{"DbNoLeadingZero", Fn::Db, 0.5, ".5 dB"},
    FormatCase{"DbRoundsToZero", Fn::Db, 0.001, ". dB"},
    FormatCase{"DbNegativeRoundsToZeroHasNoSign", Fn::Db, -0.001, ". dB"},
    FormatCase{"DbTwoDecimals", Fn::Db, 6.1926, "6.19 dB"},
    FormatCase{"DbTrailingZeroDropped", Fn::Db, 5.8033, "5.8 dB"},
    FormatCase{"DbRoundsToInteger", Fn::Db, 20.999, "21. dB"},
    FormatCase{"VswrSmallReflection", Fn::Vswr, 1.0 + 2 * 0.05 / (1 - 0.05), "1.11"},
    FormatCase{"VswrPerfect", Fn::Vswr, 1.000002, "1.00"},
    FormatCase{"VswrLarge", Fn::Vswr, 12.345, "12.35"}),
    RowName());

struct FnzCase {
    const char* name;
    double rho;
    double db;
};

class ReturnLoss : public testing::TestWithParam<FnzCase> {};

TEST_P(ReturnLoss, RoundsDownOnATenthOfADecibel)
{
    EXPECT_DOUBLE_EQ(Calc::fnz(GetParam().rho), GetParam().db);
}

INSTANTIATE_TEST_SUITE_P(Grid, ReturnLoss, testing::Values(
    FnzCase{"FivePercent", 0.05, -26.1},    // 20 log10 0.05 = -26.02
    FnzCase{"Half", 0.5, -6.1},             // -6.0206
    FnzCase{"OnePerMille", 0.001, -60.0},
    FnzCase{"PerfectMatchStandIn", 1e-6, -120.0},
    FnzCase{"NearOne", 0.999, -0.1}),
    RowName());

TEST(Pattern, LiteralsAroundTheNumberAreCopied)
{
    EXPECT_EQ(velkor::formatpattern(3.14159, "x=##0.00 V"), "x=3.14 V");
    EXPECT_EQ(velkor::formatpattern(7, "00.#"), "07.");
    EXPECT_EQ(velkor::formatpattern(1, "none"), "none");
}

} // namespace
