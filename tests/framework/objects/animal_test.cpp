// The level's critters: their animations, the look-around / run cycle on a level
// grid, the run speed, and a look-around that cannot end.
#include "framework/objects/animal.h"

#include "tests/framework/widgets/level_fixtures.h"

namespace {

class AnimalTest : public test::LevelTest {
protected:
    void SetUp() override
    {
        for (const char* name : {"chip_run0", "chip_run1", "chip_run2", "chip_run3", "chip_alert0", "chip_alert1",
                                 "chip_alert2", "chip_alert3"}) {
            test::RegisterTestSprite(name, 4, 10.0f);
        }
        level.Paint({"....",
                     "...."});
        level.LinkObjects();
        animal = static_cast<cAnimal*>(level.CreateObject(kTypeAnimal, 0));
        const vec2 start = level.CellToPoint(GridCell{0, 0});
        animal->SetPosition(start.x, start.y);
    }
    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i) animal->Update();
    }
    cAnimal* animal = nullptr;
};

TEST_F(AnimalTest, Kind_AnswersItsOwnIdAndItsBases)
{
    EXPECT_EQ(animal->GetTypeId(), 17);
    for (int32_t id : {17, 12, 10, 1}) EXPECT_TRUE(animal->IsKindOf(id)) << id;
    EXPECT_FALSE(animal->IsKindOf(13));
}

TEST_F(AnimalTest, Chip_LooksAroundThenRunsAndLooksAgain)
{
    animal->SetSprite("chip");
    EXPECT_EQ(animal->GetState(), kAnimalAlert);
    EXPECT_EQ(animal->GetAnimationKey(), "alert");
    Ticks(12);  // four frames at ten per second end the look-around
    EXPECT_EQ(animal->GetState(), kAnimalChoosing);
    animal->Update();  // the next update asks for the run
    EXPECT_EQ(animal->GetState(), kStateWalking);
    EXPECT_EQ(animal->GetAnimationKey().rfind("walk", 0), 0u);
    EXPECT_EQ(animal->GetPlayMode(), kPlayLoopForward);
    for (int i = 0; i < 3000 && animal->GetState() == kStateWalking; ++i) animal->Update();
    EXPECT_EQ(animal->GetState(), kAnimalAlert);
    EXPECT_EQ(animal->GetAnimationKey().rfind("alert", 0), 0u);
}

TEST_F(AnimalTest, UnknownKind_AddsNothingButStillWanders)
{
    animal->SetSprite("deer");
    EXPECT_EQ(animal->GetState(), kAnimalAlert);
    EXPECT_EQ(animal->GetAnimation(), nullptr);
    animal->Update();  // the missing look-around does not hold it
    EXPECT_EQ(animal->GetState(), kStateWalking);
}

TEST_F(AnimalTest, SingleFrameLookAround_GoesOnToTheNextRun)
{
    test::RegisterTestSprite("chip_alert0", 1, 10.0f);
    animal->SetSprite("chip");
    animal->Update();
    EXPECT_EQ(animal->GetState(), kStateWalking);
}

TEST_F(AnimalTest, NoPath_StaysChoosingAndAsksAgain)
{
    level.ClearLevel();
    auto* stray = static_cast<cAnimal*>(level.CreateObject(kTypeAnimal, 0));
    stray->SetSprite("deer");
    stray->Update();
    EXPECT_EQ(stray->GetState(), kAnimalChoosing);
    stray->Update();
    EXPECT_EQ(stray->GetState(), kAnimalChoosing);
}

TEST_F(AnimalTest, AnimationEndWhileRunning_ChangesNothing)
{
    animal->SetSprite("chip");
    Ticks(13);
    ASSERT_EQ(animal->GetState(), kStateWalking);
    animal->OnMessage(kMessageAnimationEnded, kPlayLoopForward);
    EXPECT_EQ(animal->GetState(), kStateWalking);
}

TEST_F(AnimalTest, Run_FortyUnitsTakeTwoSeconds)
{
    animal->SetSprite("deer");
    animal->WalkPath({vec2{0.0f, 0.0f}, vec2{40.0f, 0.0f}}, nullptr, 0);
    EXPECT_FLOAT_EQ(animal->Mover().duration, 2.0f);
    EXPECT_FLOAT_EQ(animal->Mover().speed, 20.0f);
    Ticks(59);
    EXPECT_EQ(animal->GetState(), kStateWalking);
    Ticks(2);
    EXPECT_EQ(animal->GetState(), kAnimalAlert);
}

}  // namespace
