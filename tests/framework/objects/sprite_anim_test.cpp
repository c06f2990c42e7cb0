// SpriteAnim: frame stepping in the six play modes and mode application.
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "framework/objects/sprite_anim.h"

namespace {

constexpr float kFps = 10.0f;
constexpr float kFrameSeconds = 1.0f / kFps;
// A little over n frames of time, so float rounding cannot lose a step.
float StepsOf(int n) { return kFrameSeconds * static_cast<float>(n) + kFrameSeconds * 0.25f; }

SpriteAnim MakeAnim(int32_t count, int32_t mode, int32_t frame = 0)
{
    SpriteAnim anim;
    SpriteInfo info;
    info.frameCount = static_cast<uint32_t>(count);
    info.framesPerSecond = kFps;
    anim.LoadRecord(info);
    anim.play.mode = mode;
    anim.SetPlayMode(true, mode);
    anim.play.frame = frame;
    return anim;
}

struct StepCase {
    const char* name;
    int32_t mode;
    int32_t count;
    int32_t startFrame;
    int steps;
    int32_t expectedFrame;
    int32_t expectedMode;
};

void PrintTo(const StepCase& c, std::ostream* out) { *out << c.name; }

class SpriteAnimStepTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(SpriteAnimStepTest, Update_MovesFrameByMode)
{
    const StepCase& c = GetParam();
    SpriteAnim anim = MakeAnim(c.count, c.mode, c.startFrame);
    anim.Update(StepsOf(c.steps));
    EXPECT_EQ(anim.play.frame, c.expectedFrame);
    EXPECT_EQ(anim.play.mode, c.expectedMode);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SpriteAnimStepTest,
    ::testing::Values(StepCase{"OnceForwardStopsAtLastFrame", kPlayOnceForward, 4, 0, 9, 3, kPlayStopped},
                      StepCase{"OnceForwardInside", kPlayOnceForward, 4, 0, 2, 2, kPlayOnceForward},
                      StepCase{"OnceBackwardStopsAtFirstFrame", kPlayOnceBackward, 4, 3, 5, 0, kPlayStopped},
                      StepCase{"LoopForwardWrapsWithRemainder", kPlayLoopForward, 4, 2, 7, 1, kPlayLoopForward},
                      StepCase{"LoopBackwardFullTurn", kPlayLoopBackward, 4, 0, 4, 0, kPlayLoopBackward},
                      StepCase{"LoopBackwardOneStepWraps", kPlayLoopBackward, 4, 0, 1, 3, kPlayLoopBackward},
                      StepCase{"LoopBackwardManyTurns", kPlayLoopBackward, 4, 1, 11, 2, kPlayLoopBackward},
                      StepCase{"StoppedNeverMoves", kPlayStopped, 4, 1, 5, 1, kPlayStopped},
                      StepCase{"UnknownModeNeverMoves", 7, 4, 1, 5, 1, 7},
                      StepCase{"SingleFrameNeverMoves", kPlayLoopForward, 1, 0, 5, 0, kPlayLoopForward}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

TEST(SpriteAnimTest, Update_OnceForwardEndLeavesTimeZeroAndLaterStepsChangeNothing)
{
    SpriteAnim anim = MakeAnim(4, kPlayOnceForward);
    EXPECT_EQ(anim.Update(StepsOf(4)), 4);
    EXPECT_EQ(anim.play.frame, 3);
    EXPECT_EQ(anim.play.mode, kPlayStopped);
    EXPECT_EQ(anim.play.time, 0.0f);
    EXPECT_EQ(anim.Update(StepsOf(3)), 0);
    EXPECT_EQ(anim.play.frame, 3);
}

TEST(SpriteAnimTest, Update_PingPongBouncesBetweenEnds)
{
    SpriteAnim anim = MakeAnim(3, kPlayPingPong);
    std::vector<int32_t> frames{anim.play.frame};
    for (int i = 0; i < 6; ++i) {
        anim.Update(StepsOf(1) - kFrameSeconds * 0.25f);
        frames.push_back(anim.play.frame);
    }
    EXPECT_EQ(frames, (std::vector<int32_t>{0, 1, 2, 1, 0, 1, 2}));
}

TEST(SpriteAnimTest, Update_PingPongFromBackwardEndStaysInTable)
{
    SpriteAnim anim = MakeAnim(3, kPlayLoopBackward);
    anim.play.frame = 0;  // direction -1 at the first frame
    anim.play.mode = kPlayPingPong;
    anim.SetPlayMode(false, kPlayPingPong);
    for (int i = 0; i < 10; ++i) {
        anim.Update(kFrameSeconds * 1.01f);
        ASSERT_GE(anim.play.frame, 0);
        ASSERT_LT(anim.play.frame, 3);
    }
}

TEST(SpriteAnimTest, Update_PingPongHugeStepCountKeepsPhase)
{
    SpriteAnim anim = MakeAnim(4, kPlayPingPong);
    // 6 steps make one full bounce (period 2 * (4 - 1)); 6001 steps end one past it.
    anim.Update(StepsOf(6001));
    EXPECT_EQ(anim.play.frame, 1);
    EXPECT_EQ(anim.play.direction, 1);
}

TEST(SpriteAnimTest, Update_AccumulatesTimeBelowOneFrame)
{
    SpriteAnim anim = MakeAnim(4, kPlayLoopForward);
    EXPECT_EQ(anim.Update(kFrameSeconds * 0.6f), 0);
    EXPECT_EQ(anim.Update(kFrameSeconds * 0.6f), 1);
    EXPECT_EQ(anim.play.frame, 1);
    EXPECT_NEAR(anim.play.time, kFrameSeconds * 0.2f, 1e-5f);
}

TEST(SpriteAnimTest, Update_NoRateNeverSteps)
{
    SpriteAnim anim;
    SpriteInfo info;
    info.frameCount = 4;
    info.framesPerSecond = 0.0f;
    anim.LoadRecord(info);
    anim.play.mode = kPlayLoopForward;
    EXPECT_EQ(anim.Update(100.0f), 0);
    EXPECT_EQ(anim.play.frame, 0);
}

TEST(SpriteAnimTest, SetPlayMode_AppliesDirectionFrameAndTime)
{
    SpriteAnim anim = MakeAnim(5, kPlayLoopForward, 2);
    anim.play.time = 0.05f;
    anim.SetPlayMode(false, kPlayLoopBackward);
    EXPECT_EQ(anim.play.direction, -1);
    EXPECT_EQ(anim.play.frame, 2);
    EXPECT_EQ(anim.play.time, 0.05f);
    anim.SetPlayMode(true, kPlayOnceBackward);
    EXPECT_EQ(anim.play.frame, 4);
    EXPECT_EQ(anim.play.time, 0.0f);
    anim.SetPlayMode(true, kPlayOnceForward);
    EXPECT_EQ(anim.play.direction, 1);
    EXPECT_EQ(anim.play.frame, 0);
    anim.play.frame = 3;
    anim.play.direction = -1;
    anim.SetPlayMode(false, kPlayPingPong);  // no restart: nothing changes
    EXPECT_EQ(anim.play.direction, -1);
    EXPECT_EQ(anim.play.frame, 3);
    anim.SetPlayMode(true, kPlayPingPong);
    EXPECT_EQ(anim.play.direction, 1);
    EXPECT_EQ(anim.play.frame, 0);
}

TEST(SpriteAnimTest, SetPlayMode_BackwardRestartOnEmptyRecordGivesFrameZero)
{
    SpriteAnim anim = MakeAnim(0, kPlayStopped);
    anim.SetPlayMode(true, kPlayLoopBackward);
    EXPECT_EQ(anim.play.frame, 0);
}

TEST(SpriteAnimTest, Clear_LeavesStoppedEmptyState)
{
    SpriteAnim anim = MakeAnim(4, kPlayLoopForward, 2);
    anim.Clear();
    EXPECT_EQ(anim.play.frameCount, 0);
    EXPECT_EQ(anim.play.secondsPerFrame, 1.0f);
    EXPECT_EQ(anim.play.framesPerSecond, 1.0f);
    EXPECT_EQ(anim.play.mode, kPlayStopped);
    EXPECT_EQ(anim.play.frame, 0);
    EXPECT_EQ(anim.CurrentFrame(), -1);
}

}  // namespace
