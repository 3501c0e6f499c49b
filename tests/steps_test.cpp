// Step attenuators: ideal cascades against the sum of their bits, one state
// worked by hand, and the range at the tolerance against every corner of
// its parts.

#include "pads/steps.h"

#include "rows.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace {

using velkor::PadKind;
using velkor::Series;

velkor::StepRequest request(std::vector<double> bits, PadKind kind, Series series = Series::E24)
{
    return {std::move(bits), kind, 1, 50, series, {0.05}, false};
}

struct Kind { const char* name; PadKind kind; };
class Cascades : public testing::TestWithParam<Kind> {};

// Matched pads of their designed values lose, cascaded, the sum of their
// losses in every state, and reflect nothing.
TEST_P(Cascades, IdealPadsAddTheirLosses)
{
    velkor::StepRequest q = request({0.5, 1, 2, 4, 8, 16, 32, 64}, GetParam().kind);
    q.theoretical = true;
    const velkor::StepResult r = velkor::evaluateSteps(q).value();
    for (const velkor::StepState& s : r.states) {
        EXPECT_NEAR(s.insertionLoss, s.setting, 1e-9 * std::max(1.0, s.setting)) << s.bits;
        EXPECT_NEAR(s.returnLoss, 120, 1e-9) << s.bits;
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, Cascades,
                         testing::Values(Kind{"Pi", PadKind::pi}, Kind{"T", PadKind::t},
                                         Kind{"BridgedT", PadKind::bridgedT}, Kind{"HPad", PadKind::hPad},
                                         Kind{"OPad", PadKind::oPad}),
                         rowname);

// 1 and 2 dB Pi pads of E24 parts, 910R 5R6 910R and 430R 12R 430R, both
// in: by hand, the product of their chain matrices [1 0; 1/R1 1] [1 R2; 0 1]
// [1 0; 1/R3 1] sums to A + B/50 + 50 C + D = 2.8336 between 50 ohms.
TEST(Steps, OneStateByHand)
{
    const velkor::StepResult r = velkor::evaluateSteps(request({1, 2}, PadKind::pi)).value();
    const velkor::StepState& both = r.states.at(3);
    EXPECT_NEAR(both.insertionLoss, 3.0104959606526, 1e-12);
    EXPECT_NEAR(both.returnLoss, 53.469407585441, 1e-9);
    EXPECT_NEAR(both.outputReturnLoss, 53.340567210260, 1e-9);
}

// A Pi's chain matrix, shunt r1, series r2, shunt r3, written out by hand.
std::array<double, 4> piChain(double r1, double r2, double r3)
{
    return {1 + r2 / r3, r2, 1 / r1 + 1 / r3 + r2 / (r1 * r3), 1 + r2 / r1};
}

// A state's range ends at corners of its parts' tolerance: the 1 and 2 dB
// Pi pads of 10 % parts both in, at each of the 64 corners of their six
// parts, by hand.
TEST(Steps, RangeEndsAtCorners)
{
    velkor::StepRequest q = request({1, 2}, PadKind::pi, Series::E12);
    q.tolerance = {0.1, true};
    const velkor::StepResult r = velkor::evaluateSteps(q).value();
    const velkor::Values& one = r.pads[0].preferred;
    const velkor::Values& two = r.pads[1].preferred;
    double least = INFINITY, most = -INFINITY;
    for (std::size_t corner = 0; corner < 64; ++corner) {
        const auto part = [&](const velkor::Values& v, std::size_t i) {
            return v[i % 3] * (corner >> i & 1 ? 1.1 : 0.9);
        };
        const auto m = piChain(part(one, 0), part(one, 1), part(one, 2));
        const auto n = piChain(part(two, 3), part(two, 4), part(two, 5));
        // A + B/50 + 50 C + D of their product.
        const double sum = m[0] * n[0] + m[1] * n[2] + (m[0] * n[1] + m[1] * n[3]) / 50 +
                           50 * (m[2] * n[0] + m[3] * n[2]) + m[2] * n[1] + m[3] * n[3];
        least = std::min(least, 20 * std::log10(sum / 2));
        most = std::max(most, 20 * std::log10(sum / 2));
    }
    EXPECT_NEAR((*r.states[3].insertionLossRange)[0], least, 1e-12);
    EXPECT_NEAR((*r.states[3].insertionLossRange)[1], most, 1e-12);
}

} // namespace
