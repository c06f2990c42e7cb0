// The tutorial step's tick on the level screen, with steps of the tests' own: the
// delay in play ticks, the trigger, target and stage changes, a missing target, the
// ways a wait-for-click step closes, hints switched off, a step that follows its
// target, and the hand-over from one step to the next.
#include "game/level/train.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/objects/object.h"
#include "game/hints/train_step.h"
#include "tests/game/support/hint_tour.h"

namespace {

// A step whose tests the test sets, counting its trigger tests.
class FakeTrain : public cTrain {
public:
    bool IsTriggered() override
    {
        ++triggerTests;
        return triggered;
    }
    bool IsDone() override { return done || cTrain::IsDone(); }

    bool triggered = true;
    bool done = false;
    int triggerTests = 0;
};

// A chain of two steps that count their lives, for the hand-over.
int liveSteps = 0;
int secondSteps = 0;

struct SecondStep : cTrainStep {
    SecondStep() : cTrainStep({.textKey = "Train000RightClick", .flags = kTrainUntargeted | kTrainWait})
    {
        ++liveSteps;
        ++secondSteps;
    }
    ~SecondStep() override { --liveSteps; }
};

struct FirstStep : cTrainStep {
    FirstStep() : cTrainStep({.textKey = "Train000Targets", .flags = kTrainUntargeted}) { ++liveSteps; }
    ~FirstStep() override { --liveSteps; }
    void Finish() override { FinishWith<SecondStep>(); }
};

class TrainTest : public test::HintTour {
protected:
    FakeTrain* Put(std::unique_ptr<FakeTrain> step)
    {
        FakeTrain* raw = step.get();
        screen->SetHint(std::move(step));
        return raw;
    }
    // A step pointing at the mill, shown after its one-second delay.
    FakeTrain* ShownStep(bool waitClick)
    {
        auto step = std::make_unique<FakeTrain>();
        step->target = screen->FindObject("mill0", -1);
        step->waitClick = waitClick;
        FakeTrain* raw = Put(std::move(step));
        Frames(31);
        EXPECT_EQ(raw->stage, cTrain::kStageShown);
        return raw;
    }
};

TEST_F(TrainTest, Tick_WaitsItsDelayInPlayTicksThenShowsAndFinishes)
{
    PlayLevel(kChainsLevel);
    auto step = std::make_unique<FakeTrain>();
    step->target = screen->FindObject("mill0", -1);
    step->triggered = false;
    FakeTrain* fake = Put(std::move(step));

    // A paused level (a talk) makes no progress on the delay.
    screen->ShowLetterbox();
    Frames(60);
    EXPECT_EQ(fake->delay.elapsed, 0.0f);
    screen->HideLetterbox();
    Frames(29);
    EXPECT_EQ(fake->triggerTests, 0);
    Frames(2);
    EXPECT_GE(fake->triggerTests, 1);
    EXPECT_EQ(fake->stage, cTrain::kStageWaiting);
    EXPECT_FALSE(Gui()->IsWindowOpen("train"));

    // Triggered with a target: shown beside the mill, the window opens.
    fake->triggered = true;
    fake->waitClick = true;
    Frame();
    EXPECT_EQ(fake->stage, cTrain::kStageShown);
    EXPECT_TRUE(Gui()->IsWindowOpen("train"));
    Frames(20);
    EXPECT_EQ(fake->stage, cTrain::kStageShown);

    // Done: asked to close and finished in the same tick, deleted on the next.
    fake->done = true;
    Frame();
    ASSERT_EQ(screen->GetHint(), fake);
    EXPECT_EQ(fake->stage, cTrain::kStageOver);
    EXPECT_TRUE(fake->finished);
    EXPECT_EQ(Train()->GetFadeTarget(), 0.0f);
    Frame();
    EXPECT_EQ(screen->GetHint(), nullptr);
    Frames(20);
    EXPECT_FALSE(Gui()->IsWindowOpen("train"));
}

TEST_F(TrainTest, Tick_WithoutATargetEndsTheStepUnseen)
{
    PlayLevel(kChainsLevel);
    FakeTrain* fake = Put(std::make_unique<FakeTrain>());
    Frames(40);
    EXPECT_EQ(fake->stage, cTrain::kStageOver);
    EXPECT_FALSE(fake->finished);
    EXPECT_EQ(screen->GetHint(), fake);
    EXPECT_FALSE(Gui()->IsWindowOpen("train"));
}

TEST_F(TrainTest, WaitForClick_EndsAfterTenSecondsOrAClickInTheFrameOrAKey)
{
    PlayLevel(kChainsLevel);
    FakeTrain* fake = ShownStep(true);
    Frames(288);
    EXPECT_EQ(fake->stage, cTrain::kStageShown);
    // Closed, finished and let go by the screen.
    Frames(14);
    EXPECT_EQ(screen->GetHint(), nullptr);

    // A click outside the frame leaves it; one inside moves it on.
    fake = ShownStep(true);
    const vrk::GuiRect frame = DrawnFrame();
    PressGui(frame.x - 5, frame.y - 5);
    EXPECT_EQ(fake->stage, cTrain::kStageShown);
    PressGui(frame.x + frame.width / 2, frame.y + frame.height / 2);
    EXPECT_EQ(fake->stage, cTrain::kStageDone);
    Frame();
    EXPECT_TRUE(fake->finished);

    // Any key but Esc moves it on.
    fake = ShownStep(true);
    PressKey('a');
    EXPECT_EQ(fake->stage, cTrain::kStageDone);
}

TEST_F(TrainTest, HintsSwitchedOff_DeleteTheStepAndCloseTheWindow)
{
    PlayLevel(kChainsLevel);
    ShownStep(true);
    ASSERT_TRUE(Gui()->IsWindowOpen("train"));
    player->hintsEnabled = false;
    Frame();
    EXPECT_EQ(screen->GetHint(), nullptr);
    EXPECT_EQ(Train()->GetFadeTarget(), 0.0f);
    Frames(20);
    EXPECT_FALSE(Gui()->IsWindowOpen("train"));
}

TEST_F(TrainTest, FollowingStep_MovesItsFrameWithTheTargetEveryTick)
{
    PlayLevel(kChainsLevel);
    cObject* worker = screen->FindObject("worker0", -1);
    ASSERT_NE(worker, nullptr);
    auto step = std::make_unique<FakeTrain>();
    step->target = worker;
    step->waitClick = true;
    step->follow = true;
    FakeTrain* fake = Put(std::move(step));
    Frames(31);
    ASSERT_EQ(fake->stage, cTrain::kStageShown);
    for (int i = 0; i < 3; ++i) {
        const vrk::GuiRect before = TrainCtrl("frame")->GetRect();
        worker->SetPosition(worker->GetPosition().x + 10.0f, worker->GetPosition().y);
        Frame();
        EXPECT_FLOAT_EQ(TrainCtrl("frame")->GetRect().x, before.x + 10.0f) << i;
    }
}

TEST_F(TrainTest, Finish_PutsTheSuccessorInPlaceAndDeletesTheStepOnce)
{
    PlayLevel(kChainsLevel);
    liveSteps = 0;
    secondSteps = 0;
    screen->SetHint(std::make_unique<FirstStep>());
    const cTrain* first = screen->GetHint();
    ASSERT_TRUE(RunUntilReplaced(first, 60));
    EXPECT_EQ(liveSteps, 1);
    EXPECT_EQ(secondSteps, 1);
    ASSERT_NE(screen->GetHint(), nullptr);
    EXPECT_EQ(screen->GetHint()->stage, cTrain::kStageWaiting);
    EXPECT_FALSE(screen->GetHint()->finished);
    // The last of its chain stays, finished, until the screen lets it go.
    Frames(31);
    PressKey('a');
    Frames(2);
    EXPECT_EQ(screen->GetHint(), nullptr);
    EXPECT_EQ(liveSteps, 0);
    EXPECT_EQ(secondSteps, 1);
}

}  // namespace
