// Display patterns.

#include "format.h"

#include "rows.h"

#include <gtest/gtest.h>

namespace {

struct Formatted { const char *name, *pattern; double value; const char* text; };
class Pattern : public testing::TestWithParam<Formatted> {};

TEST_P(Pattern, FormatsToTheCharacter)
{
    EXPECT_EQ(velkor::formatpattern(GetParam().value, GetParam().pattern), GetParam().text);
}

// The four patterns the captions use, at their ties, carries and zeros.
INSTANTIATE_TEST_SUITE_P(Language, Pattern, testing::Values(
    Formatted{"ResBelowOne", "###0.0", 0.06, "0.1"},
    Formatted{"ResHalfUp", "###0.0", 0.25, "0.3"},
    Formatted{"ResHalfFromFifteenDigits", "###0.0", 2.05, "2.1"},   // the double lies below 2.05
    Formatted{"ResCarry", "###0.0", 9.96, "10.0"},
    Formatted{"ResKeptDigitsEndInZero", "###0.0", 47.04, "47.0"},
    Formatted{"ResNegative", "###0.0", -3.14, "-3.1"},
    Formatted{"ResNoSeparator", "###0.0", 1234567.89, "1234567.9"},
    Formatted{"PwrCarry", "###0.#0 W", 99.999, "100.00 W"},
    Formatted{"DbRoundsToZero", "##.## dB", 0.001, ". dB"},
    Formatted{"DbNegativeZeroNoSign", "##.## dB", -0.001, ". dB"},
    Formatted{"DbToInteger", "##.## dB", 20.999, "21. dB"},
    Formatted{"VswrSmallReflection", "#.00", 1.0 + 2 * 0.05 / (1 - 0.05), "1.11"},
    Formatted{"LiteralsAround", "x=##0.00 V", 3.14159, "x=3.14 V"},
    Formatted{"LeadingZeros", "00.#", 7, "07."}),
    rowname);

} // namespace
