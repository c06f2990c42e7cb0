// Tests of TimedValue for float and integer values.
#include "framework/objects/timed_value.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(TimedValue, FloatMove_ReachesTargetExactlyThenRests)
{
    TimedValue<float> value;
    value.speed = 2.0f;
    value.SetTarget(1.0f);
    EXPECT_FLOAT_EQ(value.duration, 0.5f);
    EXPECT_EQ(value.Step(0.25f), kTimedMoving);
    EXPECT_FLOAT_EQ(value.current, 0.5f);
    EXPECT_EQ(value.Step(0.25f), kTimedArrived);
    EXPECT_EQ(value.current, 1.0f);
    EXPECT_EQ(value.elapsed, value.duration);
    EXPECT_EQ(value.Step(0.25f), kTimedIdle);
    EXPECT_EQ(value.current, 1.0f);
}

TEST(TimedValue, OvershootingStep_StopsAtTarget)
{
    TimedValue<float> value;
    value.current = 3.0f;
    value.SetTarget(-1.0f);  // downward, duration 4
    EXPECT_EQ(value.Step(1.0f), kTimedMoving);
    EXPECT_FLOAT_EQ(value.current, 2.0f);
    EXPECT_EQ(value.Step(10.0f), kTimedArrived);
    EXPECT_EQ(value.current, -1.0f);
    EXPECT_FLOAT_EQ(value.elapsed, 4.0f);
}

TEST(TimedValue, IntegerMove_TruncatesTowardZero)
{
    TimedValue<int32_t> value;
    value.speed = 1.0f;
    value.SetTarget(10);
    EXPECT_FLOAT_EQ(value.duration, 10.0f);
    EXPECT_EQ(value.Step(3.9f), kTimedMoving);
    EXPECT_EQ(value.current, 3);
}

TEST(TimedValue, IntegerMoveDown_TruncatesTheInterpolatedValue)
{
    TimedValue<int32_t> value;
    value.current = 5;
    value.SetTarget(0);
    EXPECT_EQ(value.Step(0.5f), kTimedMoving);
    EXPECT_EQ(value.current, 4);  // 4.5 truncated
}

TEST(TimedValue, IntegerExtremes_DoNotOverflow)
{
    TimedValue<int32_t> value;
    value.current = std::numeric_limits<int32_t>::min();
    value.speed = 1.0e9f;
    value.SetTarget(std::numeric_limits<int32_t>::max());
    EXPECT_GT(value.duration, 4.0f);
    EXPECT_EQ(value.Step(value.duration * 0.999999f), kTimedMoving);
    EXPECT_LE(value.current, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(value.Step(1.0f), kTimedArrived);
    EXPECT_EQ(value.current, std::numeric_limits<int32_t>::max());
}

TEST(TimedValue, TargetWithinSnapDistance_JumpsAtOnce)
{
    TimedValue<float> value;
    value.speed = 10.0f;
    value.SetTarget(0.0009f);  // 0.0009 / 10 < 0.0001
    EXPECT_EQ(value.duration, 0.0f);
    EXPECT_EQ(value.current, 0.0009f);
    EXPECT_EQ(value.Step(1.0f / 30.0f), kTimedIdle);
}

TEST(TimedValue, NegativeSpeed_JumpsToTarget)
{
    TimedValue<float> value;
    value.speed = -2.0f;
    value.SetTarget(5.0f);
    EXPECT_EQ(value.duration, 0.0f);
    EXPECT_EQ(value.current, 5.0f);
    EXPECT_EQ(value.Step(0.1f), kTimedIdle);

    value.SetSpeed(-1.0f);
    value.SetTarget(8.0f);
    EXPECT_EQ(value.current, 8.0f);
}

TEST(TimedValue, SetSpeed_RestartsFromCurrentValue)
{
    TimedValue<float> value;
    value.SetTarget(4.0f);  // speed 1: duration 4
    value.Step(1.0f);
    ASSERT_FLOAT_EQ(value.current, 1.0f);
    value.SetSpeed(3.0f);
    EXPECT_FLOAT_EQ(value.start, 1.0f);
    EXPECT_FLOAT_EQ(value.duration, 1.0f);
    EXPECT_EQ(value.elapsed, 0.0f);
    EXPECT_EQ(value.Step(0.5f), kTimedMoving);
    EXPECT_FLOAT_EQ(value.current, 2.5f);
}

TEST(TimedValue, SetSpeedZero_CountsAsOne)
{
    TimedValue<float> value;
    value.target = 2.0f;
    value.SetSpeed(0.0f);
    EXPECT_EQ(value.speed, 1.0f);
    EXPECT_FLOAT_EQ(value.duration, 2.0f);
}

TEST(TimedValue, ZeroSpeedWithoutDistance_SnapsInsteadOfNaN)
{
    TimedValue<float> value;
    value.speed = 0.0f;
    value.SetTarget(0.0f);
    EXPECT_EQ(value.duration, 0.0f);
    EXPECT_EQ(value.Step(0.1f), kTimedIdle);
}

}  // namespace
