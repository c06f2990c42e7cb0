// The bell on the stand-in level screen: a ring reaches every worker on every layer,
// drops the orders, sounds and clears the level's flag (also with no worker at all);
// the clapper finishes its swing, swings twice more and rests.
#include "objects/bell.h"

#include <gtest/gtest.h>

#include "objects/level_contract.h"
#include "tests/engine/platform/platform_test_support.h"
#include "tests/objects/support/recording_object.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

class BellTest : public test::CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        test::RegisterTestSprite("bell00", 1, 0.0f, 64.0f, 96.0f, 32.0f, 48.0f);
    }

    cBell* Make()
    {
        auto* bell = dynamic_cast<cBell*>(level.CreateObject(kTypeBell, 0));
        EXPECT_NE(bell, nullptr);
        if (bell == nullptr) return nullptr;
        bell->SetPosition(200.0f, 200.0f);
        bell->SetSprite("bell00");
        return bell;
    }
    // Ticks until the clapper has come to rest (counted restarts from frame 0).
    static int SettleCountingRestarts(cBell& bell)
    {
        int restarts = 0;
        int previousFrame = bell.GetClapper().play.frame;
        for (int tick = 0; tick < 300; ++tick) {
            bell.Update();
            const SpritePlayState& play = bell.GetClapper().play;
            if (play.frame == 0 && previousFrame != 0) ++restarts;
            previousFrame = play.frame;
            if (play.mode == kPlayStopped && bell.GetRingCounter() == 0) break;
        }
        return restarts;
    }
    int Alarms() const { return CountLogged("sound buffer not found 'alarm'"); }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen level;
};

TEST_F(BellTest, Ring_CallsEveryWorkerDropsTheOrdersAndClearsTheFlag)
{
    cBell* bell = Make();
    ASSERT_NE(bell, nullptr);
    EXPECT_FLOAT_EQ(bell->GetRadius(), 50.0f);
    auto* walking = new test::RecordingObject(&level, kTypeWorker, LevelScreen::kWorkerLayer);
    auto* elsewhere = new test::RecordingObject(&level, kTypeWorker, 2);
    auto* enemy = new test::RecordingObject(&level, kTypeEnemy, LevelScreen::kWorkerLayer);
    auto* target = new cGameObject(&level);
    for (cObject* object : {static_cast<cObject*>(walking), static_cast<cObject*>(elsewhere),
                            static_cast<cObject*>(enemy), static_cast<cObject*>(target)}) {
        level.AddObject(object, 0);
    }
    level.QueueOrder(target, 0);
    ASSERT_EQ(target->GetReservations(), 1u);

    bell->RingAlarm();
    ASSERT_EQ(walking->Count(kEventBellAlarm), 1u);
    EXPECT_EQ(walking->received[0].second, reinterpret_cast<uintptr_t>(bell));
    EXPECT_EQ(elsewhere->Count(kEventBellAlarm), 1u);
    EXPECT_EQ(enemy->Count(kEventBellAlarm), 0u);
    EXPECT_TRUE(level.Orders().empty());
    EXPECT_EQ(target->GetReservations(), 0u);
    EXPECT_FALSE(level.bellNotRungFlag);
    EXPECT_EQ(Alarms(), 1);

    bell->Update();
    bell->RingAlarm();
    EXPECT_EQ(walking->Count(kEventBellAlarm), 2u) << "no lock-out";
    EXPECT_EQ(elsewhere->Count(kEventBellAlarm), 2u);
    EXPECT_EQ(Alarms(), 2);
}

TEST_F(BellTest, Ring_WithNoWorkerStillSoundsAndClearsTheFlag)
{
    cBell* bell = Make();
    ASSERT_NE(bell, nullptr);
    auto* target = new cGameObject(&level);
    level.AddObject(target, 0);
    level.QueueOrder(target, 1);
    bell->RingAlarm();
    EXPECT_EQ(Alarms(), 1);
    EXPECT_TRUE(level.Orders().empty());
    EXPECT_FALSE(level.bellNotRungFlag);
}

TEST_F(BellTest, Clapper_FinishesItsSwingSwingsTwiceMoreAndRestsOnFrame5)
{
    test::RegisterTestSprite("bell00_bell", 8, 10.0f);
    cBell* bell = Make();
    ASSERT_NE(bell, nullptr);
    EXPECT_EQ(bell->GetClapper().play.frame, cBell::kRestFrame);
    EXPECT_EQ(bell->GetClapper().play.mode, kPlayStopped);
    for (int tick = 0; tick < 10; ++tick) bell->Update();
    EXPECT_EQ(bell->GetClapper().play.frame, cBell::kRestFrame) << "still until rung";

    bell->RingAlarm();
    bell->Update();
    EXPECT_NE(bell->GetClapper().play.frame, 0) << "the first swing goes on from the resting frame";
    EXPECT_EQ(SettleCountingRestarts(*bell), 2);
    EXPECT_EQ(bell->GetClapper().play.frame, cBell::kRestFrame);
    EXPECT_EQ(bell->GetClapper().play.mode, kPlayStopped);
}

TEST_F(BellTest, ShortClapper_RestsOnItsLastFrame)
{
    test::RegisterTestSprite("bell00_bell", 5, 10.0f);
    cBell* bell = Make();
    ASSERT_NE(bell, nullptr);
    EXPECT_EQ(bell->GetClapper().play.frame, 4);
    bell->RingAlarm();
    EXPECT_EQ(SettleCountingRestarts(*bell), 2);
    EXPECT_EQ(bell->GetClapper().play.frame, 4);
    EXPECT_EQ(bell->GetClapper().play.mode, kPlayStopped);
}

TEST_F(BellTest, MissingClapper_IsNeitherPlacedNorSwung)
{
    cBell* bare = Make();
    ASSERT_NE(bare, nullptr);
    EXPECT_EQ(bare->GetClapper().play.frameCount, 0);
    bare->RingAlarm();
    for (int tick = 0; tick < 60; ++tick) bare->Update();
    EXPECT_EQ(bare->GetClapper().play.mode, kPlayStopped);
    EXPECT_EQ(bare->GetClapper().play.frame, 0);
    EXPECT_EQ(bare->GetRingCounter(), 2) << "no swing ever ends to count down";
    EXPECT_EQ(Alarms(), 1);
    bare->Draw();
}

}  // namespace
