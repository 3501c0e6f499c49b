// Display patterns, and quantities as the lines beyond the window write them.

#include "base/format.h"
#include "text/quantities.h"

#include "rows.h"

#include <gtest/gtest.h>

namespace {

struct Formatted { const char *name, *pattern; double value; const char* text; };
class Pattern : public testing::TestWithParam<Formatted> {};

TEST_P(Pattern, FormatsToTheCharacter)
{
    EXPECT_EQ(velkor::formatPattern(GetParam().value, GetParam().pattern), GetParam().text);
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

// Lines beyond the window's: plain numbers with their units, rounded to the
// nearest or, for a worst case, outward.
struct Written { const char* name; std::string text, want; };
class Quantity : public testing::TestWithParam<Written> {};

TEST_P(Quantity, WrittenPlainWithItsUnit)
{
    EXPECT_EQ(GetParam().text, GetParam().want);
}

using velkor::Rounding;

INSTANTIATE_TEST_SUITE_P(Lines, Quantity, testing::Values(
    Written{"LowBoundDown", velkor::decibelText(5.2949, Rounding::down), "5.29 dB"},
    Written{"HighBoundUp", velkor::decibelText(6.3712, Rounding::up), "6.38 dB"},
    Written{"UpAlreadyOnTheGrid", velkor::decibelText(6.38, Rounding::up), "6.38 dB"},
    Written{"NegativeDown", velkor::decibelText(-0.001, Rounding::down), "-0.01 dB"},
    Written{"Attenuation", velkor::attenuationText(6), "Attenuation 6.00 dB"},
    Written{"VswrNearest", velkor::vswrText(1.0621), "VSWR 1.06"},
    // 20 log10(0.0002) = -73.98 dB.
    Written{"ReturnLossTowardMoreLoss", velkor::returnLossText(0.0002), "Rtn Loss -74.0 dB"},
    Written{"WattsThirdUp", velkor::wattsText(1.0 / 3, Rounding::up), "0.334 W"},
    Written{"Milliwatts", velkor::wattsText(2.78e-3), "0.00278 W"},
    Written{"BelowAMilliwatt", velkor::wattsText(3.33e-4), "333 \u00b5W"},
    Written{"WattsCarryUp", velkor::wattsText(0.09996, Rounding::up), "0.100 W"},
    Written{"BelowMicrowatt", velkor::wattsText(1e-30), "1.00e-30 W"},
    Written{"NanowattsUp", velkor::wattsText(1.2341e-9, Rounding::up), "1.24 nW"},
    Written{"Kilowatts", velkor::wattsText(12500), "12.5 kW"},
    Written{"KilowattsByCarry", velkor::wattsText(999.6), "1.00 kW"},
    Written{"BelowKilohertz", velkor::hertzText(250), "250 Hz"},
    Written{"Kilohertz", velkor::hertzText(1000), "1.00 kHz"},
    Written{"Terahertz", velkor::hertzText(1.2e12), "1.20 THz"},
    Written{"HalfAMicrohertz", velkor::hertzText(5e-7), "5.00e-07 Hz"},
    Written{"NoWatts", velkor::wattsText(0), "0 W"},
    Written{"OhmsOneDecimal", velkor::ohmsText(150.476), "150.5"},
    Written{"OhmsBelowTenThousand", velkor::ohmsText(1740.64), "1740.6"},
    Written{"MegaohmsWithTheUnit", velkor::ohmsText(26562779.9, "\u03a9"), "26.56 M\u03a9"},
    Written{"KiloohmsByCarry", velkor::ohmsText(9999.96), "10.00k"},
    Written{"Microohms", velkor::ohmsText(1.41245e-4), "141.2\u00b5"},
    Written{"BeyondGiga", velkor::ohmsText(1.5e13), "1.500e+13"},
    // A part's parasitic, four figures with the prefix of its thousands.
    Written{"PartFemto", velkor::prefixedText(102.5e-15), "102.5f"},
    Written{"PartPico", velkor::prefixedText(780.7e-12), "780.7p"},
    Written{"PartBelowAFemto", velkor::prefixedText(5e-16), "0.5f"},
    Written{"PartFarBelowAFemto", velkor::prefixedText(5e-18), "0.005f"},
    Written{"PartNano", velkor::prefixedText(1.5e-9), "1.5n"}),
    rowname);

} // namespace
