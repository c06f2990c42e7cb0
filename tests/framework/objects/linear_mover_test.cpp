// Tests of LinearMover, the point form of the timed value.
#include "framework/objects/linear_mover.h"

#include <gtest/gtest.h>

namespace {

TEST(LinearMover, MoveTo_WalksSegmentAndArrives)
{
    LinearMover mover;
    mover.speed = 100.0f;
    mover.SetPosition({0.0f, 0.0f});
    EXPECT_FALSE(mover.IsMoving());
    mover.MoveTo({30.0f, 40.0f});  // length 50: half a time unit
    EXPECT_FLOAT_EQ(mover.duration, 0.5f);
    EXPECT_TRUE(mover.IsMoving());
    EXPECT_EQ(mover.Step(0.25f), kTimedMoving);
    EXPECT_FLOAT_EQ(mover.current.x, 15.0f);
    EXPECT_FLOAT_EQ(mover.current.y, 20.0f);
    EXPECT_EQ(mover.Step(0.25f), kTimedArrived);
    EXPECT_EQ(mover.current, vec2(30.0f, 40.0f));
    EXPECT_FALSE(mover.IsMoving());
    EXPECT_EQ(mover.Step(0.25f), kTimedIdle);
}

TEST(LinearMover, ShortMove_Snaps)
{
    LinearMover mover;
    mover.speed = 100.0f;
    mover.MoveTo({0.005f, 0.0f});
    EXPECT_EQ(mover.duration, 0.0f);
    EXPECT_EQ(mover.current, vec2(0.005f, 0.0f));
    EXPECT_EQ(mover.Step(1.0f), kTimedIdle);
}

TEST(LinearMover, SetPosition_StopsTheMove)
{
    LinearMover mover;
    mover.MoveTo({10.0f, 0.0f});
    mover.Step(1.0f);
    mover.SetPosition({-3.0f, 2.0f});
    EXPECT_EQ(mover.start, vec2(-3.0f, 2.0f));
    EXPECT_EQ(mover.target, vec2(-3.0f, 2.0f));
    EXPECT_EQ(mover.duration, 0.0f);
    EXPECT_EQ(mover.Step(1.0f), kTimedIdle);
}

}  // namespace
