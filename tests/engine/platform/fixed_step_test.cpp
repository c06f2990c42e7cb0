// Fixed-step arithmetic of the engine core's clock.
#include "engine/platform/fixed_step.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// The remainder repeated float subtraction leaves, as the loop has always computed it.
float SubtractWholeTicks(float value)
{
    while (value >= vrk::kFixedTick) value -= vrk::kFixedTick;
    return value;
}

TEST(FixedStep, TickIsTheFloatOneThirtieth) { EXPECT_EQ(vrk::kFixedTick, 0.033333335f); }

TEST(FixedStep, ShortFramesAccumulateUntilATickIsDue)
{
    float accumulator = 0.0f;
    EXPECT_FALSE(vrk::AdvanceFixedStep(accumulator, 0.02f));
    EXPECT_TRUE(vrk::AdvanceFixedStep(accumulator, 0.02f));
    EXPECT_FLOAT_EQ(accumulator, 0.04f - vrk::kFixedTick);
}

TEST(FixedStep, ATenthOfASecondGivesOneTickAndKeepsOnlyTheRemainder)
{
    float accumulator = 0.0f;
    EXPECT_TRUE(vrk::AdvanceFixedStep(accumulator, 0.1f));
    EXPECT_EQ(accumulator, SubtractWholeTicks(0.1f));
    EXPECT_LT(accumulator, vrk::kFixedTick);
    EXPECT_GE(accumulator, 0.0f);
}

TEST(FixedStep, ExactlyOneTickRunsAndLeavesNothing)
{
    float accumulator = 0.0f;
    EXPECT_TRUE(vrk::AdvanceFixedStep(accumulator, vrk::kFixedTick));
    EXPECT_EQ(accumulator, 0.0f);
}

TEST(FixedStep, LongStallsEndWithARemainderBelowOneTick)
{
    const float stalls[] = {1.5f, 3600.0f, 1.0e9f, 1.0e30f};
    for (const float dt : stalls) {
        float accumulator = 0.01f;
        EXPECT_TRUE(vrk::AdvanceFixedStep(accumulator, dt)) << dt;
        EXPECT_GE(accumulator, 0.0f) << dt;
        EXPECT_LT(accumulator, vrk::kFixedTick) << dt;
    }
}

TEST(FixedStep, OneSecondStillSubtractsStepByStep)
{
    float accumulator = 0.0f;
    EXPECT_TRUE(vrk::AdvanceFixedStep(accumulator, 1.0f));
    EXPECT_EQ(accumulator, SubtractWholeTicks(1.0f));
}

TEST(FixedStep, NegativeOrNonFiniteTimeAddsNothing)
{
    const float odd[] = {-1.0f, std::numeric_limits<float>::infinity(), std::nanf("")};
    for (const float dt : odd) {
        float accumulator = 0.02f;
        EXPECT_FALSE(vrk::AdvanceFixedStep(accumulator, dt));
        EXPECT_EQ(accumulator, 0.02f);
    }
}

}  // namespace
