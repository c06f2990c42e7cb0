// Lakes on the stand-in level screen: freezing frees the cells and snows, thawing
// blocks them at once but waits for the last worker to leave the ice, a second
// freeze changes nothing, and only the editor can pick a lake.
#include "objects/lake.h"

#include <gtest/gtest.h>

#include "objects/level_contract.h"
#include "tests/engine/platform/platform_test_support.h"
#include "tests/objects/support/recording_object.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

class LakeTest : public test::CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        test::RegisterTestSprite("ice", 1, 0.0f, 144.0f, 144.0f, 72.0f, 72.0f);
    }

    cLake* Make()
    {
        auto* lake = dynamic_cast<cLake*>(level.CreateObject(kTypeLake, 0));
        EXPECT_NE(lake, nullptr);
        if (lake == nullptr) return nullptr;
        lake->SetPositionV(level.CellToPoint(kCentre));
        lake->SetSprite("lake00");
        lake->MarkZone(1);
        return lake;
    }
    bool Blocked(int32_t x, int32_t y) const { return level.IsCellBlocked(GridCell{x, y}); }
    bool Snowing(const cLake& lake) const
    {
        for (size_t i = 0; i < 3; ++i) {
            if (!lake.GetSnow(i).IsEmitting()) return false;
        }
        return true;
    }
    size_t Handed(uint32_t code) const
    {
        size_t count = 0;
        for (const auto& event : level.playEvents) count += event.code == code ? 1 : 0;
        return count;
    }

    static constexpr GridCell kCentre{5, 5};
    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen level;
};

TEST_F(LakeTest, Freeze_OpensTheIceAndThaw_WaitsForTheLastWorkerToLeave)
{
    cLake* lake = Make();
    ASSERT_NE(lake, nullptr);
    EXPECT_EQ(lake->GetLayer(), cLake::kLakeLayer);
    EXPECT_EQ(lake->GetState(), cLake::kStateOpen);
    EXPECT_EQ(lake->GetAnimation(), nullptr) << "open water shows nothing in play";
    EXPECT_TRUE(Blocked(4, 4) && Blocked(6, 6));

    lake->SetFrozen(true);
    EXPECT_EQ(lake->GetState(), cLake::kStateFrozen);
    EXPECT_EQ(lake->GetAnimationKey(), "freeze");
    EXPECT_FALSE(Blocked(4, 4) || Blocked(5, 5) || Blocked(6, 6));
    EXPECT_EQ(Handed(kEventZoneFreed), 1u);
    EXPECT_TRUE(Snowing(*lake));

    // A second freeze asks for the state the lake is in: nothing changes.
    lake->SetFrozen(true);
    EXPECT_EQ(lake->GetState(), cLake::kStateFrozen);
    EXPECT_EQ(Handed(kEventZoneFreed), 1u);
    EXPECT_TRUE(Snowing(*lake));

    // A worker crosses the ice when it thaws: the roads close at once, the ice
    // stays until he has left.
    auto* worker = new test::RecordingObject(&level, kTypeWorker, LevelScreen::kWorkerLayer);
    level.AddObject(worker, 0);
    worker->SetPositionV(level.CellToPoint(GridCell{6, 4}));
    lake->SetFrozen(false);
    EXPECT_EQ(lake->GetState(), cLake::kStateThawing);
    EXPECT_TRUE(Blocked(4, 4) && Blocked(6, 6));
    EXPECT_EQ(Handed(kEventZoneMarked), 1u);
    EXPECT_FALSE(lake->GetSnow(0).IsEmitting());
    for (int tick = 0; tick < 5; ++tick) lake->Update();
    EXPECT_EQ(lake->GetState(), cLake::kStateThawing);
    EXPECT_EQ(lake->GetAnimationKey(), "freeze");

    worker->SetPositionV(level.CellToPoint(GridCell{7, 4}));
    lake->Update();
    EXPECT_EQ(lake->GetState(), cLake::kStateOpen);
    EXPECT_EQ(lake->GetAnimation(), nullptr);
    EXPECT_TRUE(Blocked(5, 5));
}

TEST_F(LakeTest, HitTest_PicksOnlyInTheEditor)
{
    cLake* lake = Make();
    ASSERT_NE(lake, nullptr);
    lake->SetFrozen(true);
    const vec2 centre = lake->GetPosition();
    EXPECT_EQ(lake->HitTest(centre), 0) << "frozen and shown, still no click in play";

    level.ForceMode(kModeEditor);
    cLake* edited = Make();
    ASSERT_NE(edited, nullptr);
    EXPECT_EQ(edited->GetAnimationKey(), "freeze") << "the editor shows open water as ice";
    EXPECT_EQ(edited->HitTest(centre), 1);
    EXPECT_EQ(edited->HitTest(centre + vec2{100.0f, 0.0f}), 0);
}

}  // namespace
