// Tests of the game's random generator and its start-up seed.
#include "framework/objects/random_gen.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(RandomGen, FromSeedZero_FirstValuesFollowTheFormula)
{
    RandomGen random;
    EXPECT_EQ(random.Next(7, 1), 1);
    EXPECT_EQ(random.seed, 1u);
    EXPECT_EQ(random.Next(7, 1), 0);  // 69070 & 0x7FFF = 3534
    EXPECT_EQ(random.seed, 69070u);
}

TEST(RandomGen, StateWrapsModulo32Bits)
{
    RandomGen random;
    const uint32_t expectedSeeds[] = {1u, 69070u, 475628535u, 3277404108u, 772999773u, 3877832058u};
    const uint32_t expectedValues[] = {1u, 3534u, 1015u, 14284u, 2653u, 1402u};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(random.NextValue(), expectedValues[i]) << i;
        EXPECT_EQ(random.seed, expectedSeeds[i]) << i;
    }
}

TEST(RandomGen, MinusOne_AnswersZeroWithoutTouchingTheState)
{
    RandomGen withCall;
    RandomGen withoutCall;
    withCall.seed = withoutCall.seed = 12345u;
    EXPECT_EQ(withCall.Next(0, -1), 0);
    EXPECT_EQ(withCall.seed, 12345u);
    EXPECT_EQ(withCall.Next(0, 100), withoutCall.Next(0, 100));
}

TEST(RandomGen, OtherNegativeRanges_AnswerZeroAndAdvance)
{
    RandomGen random;
    EXPECT_EQ(random.Next(-5), 0);
    EXPECT_EQ(random.seed, 1u);
}

TEST(RandomGen, ResultsStayWithinZeroToN)
{
    RandomGen random;
    random.seed = 99u;
    for (int i = 0; i < 1000; ++i) {
        const int32_t value = random.Next(9);
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 9);
    }
    EXPECT_EQ(random.Next(0), 0);
}

TEST(RandomGen, LargestRange_GivesTheFifteenBitValue)
{
    RandomGen random;
    random.seed = 1u;
    EXPECT_EQ(random.Next(std::numeric_limits<int32_t>::max()), 3534);
}

TEST(RandomGen, Fraction_IsLowBitsOver32768)
{
    RandomGen random;
    random.seed = 1u;
    EXPECT_FLOAT_EQ(random.NextFraction(), 3534.0f / 32768.0f);
    for (int i = 0; i < 1000; ++i) {
        const float fraction = random.NextFraction();
        ASSERT_GE(fraction, 0.0f);
        ASSERT_LT(fraction, 1.0f);
    }
}

struct SeedCase {
    int32_t hour;
    int32_t minute;
    int32_t second;
    uint32_t seed;
};

class RandomSeedTest : public ::testing::TestWithParam<SeedCase> {};

TEST_P(RandomSeedTest, IsMillisecondsOfTheDay)
{
    const SeedCase& c = GetParam();
    EXPECT_EQ(RandomSeedOfTimeOfDay(c.hour, c.minute, c.second), c.seed);
}

INSTANTIATE_TEST_SUITE_P(Times, RandomSeedTest,
                         ::testing::Values(SeedCase{0, 0, 0, 0u}, SeedCase{0, 0, 1, 1000u},
                                           SeedCase{12, 34, 56, 45296000u}, SeedCase{23, 59, 59, 86399000u},
                                           SeedCase{-1, 0, 0, 0u}));

}  // namespace
