// What each input box stores for a number read, and whether a
// recalculation follows.

#include "inputs.h"

#include "rows.h"

#include <gtest/gtest.h>

namespace {

enum class Box { Atten, Pwr, Sysz };

struct Rule {
    const char* name;
    Box box;
    double read;
    double stored;
    bool recalc;
};

class Limits : public testing::TestWithParam<Rule> {};

TEST_P(Limits, StoresAndRecalculatesAsTheBoxRuleSays)
{
    const Rule& r = GetParam();
    const velkor::Accepted a = r.box == Box::Atten ? velkor::acceptatten(r.read)
                               : r.box == Box::Pwr ? velkor::acceptpwr(r.read)
                                                   : velkor::acceptsysz(r.read);
    EXPECT_EQ(a.value, r.stored);
    EXPECT_EQ(a.recalc, r.recalc);
}

INSTANTIATE_TEST_SUITE_P(Boxes, Limits, testing::Values(
    Rule{"AttenAboveSixtyIsSixty", Box::Atten, 75, 60, true},
    Rule{"AttenSixtyKept", Box::Atten, 60, 60, true},
    Rule{"AttenNoLowerLimit", Box::Atten, 0.05, 0.05, true},
    Rule{"AttenZeroStoredNoRun", Box::Atten, 0, 0, false},
    Rule{"AttenNegativeStoredNoRun", Box::Atten, -3, -3, false},
    Rule{"PwrAboveHundredIsHundred", Box::Pwr, 250, 100, true},
    Rule{"PwrHundredKept", Box::Pwr, 100, 100, true},
    Rule{"PwrTenthKept", Box::Pwr, 0.1, 0.1, true},
    Rule{"PwrBelowTenthIsOneWatt", Box::Pwr, 0.05, 1, true},
    Rule{"PwrNegativeIsOneWatt", Box::Pwr, -2, 1, true},
    Rule{"SyszKeptAndRun", Box::Sysz, 75, 75, true},
    Rule{"SyszNoUpperLimit", Box::Sysz, 1e6, 1e6, true},
    Rule{"SyszTinyKept", Box::Sysz, 0.001, 0.001, true},
    Rule{"SyszZeroIsFiftyNoRun", Box::Sysz, 0, 50, false},
    Rule{"SyszNegativeIsFiftyNoRun", Box::Sysz, -50, 50, false}),
    rowname);

} // namespace
