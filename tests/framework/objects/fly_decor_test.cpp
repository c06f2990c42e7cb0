// cFlyDecor: the flyer table, the flight cycle, editor positions and the record.
#include "framework/objects/fly_decor.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/files/byte_stream.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

class FlyDecorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::RegisterTestSprite("bird00_idle", 4, 10.0f, 20.0f, 10.0f, 10.0f, 5.0f);
        test::RegisterTestSprite("bird00_action", 4, 10.0f, 20.0f, 10.0f, 10.0f, 5.0f);
        test::RegisterTestSprite("bird00_sh", 2, 10.0f, 20.0f, 6.0f, 10.0f, 3.0f);
        test::RegisterTestSprite("magic_cloud", 1, 0.0f, 200.0f, 100.0f);
    }
    test::RegistryCleaner cleaner_;
    test::FakeAppServices app_;
    test::FakeOwner owner_;
};

TEST_F(FlyDecorTest, SetSprite_TakesTheFlyersRow)
{
    cFlyDecor bird(&owner_);
    bird.SetSprite("bird00_lr");
    EXPECT_FLOAT_EQ(bird.GetHeight(), 170.0f);
    EXPECT_FLOAT_EQ(bird.GetLeastWait(), 30.0f);
    EXPECT_FLOAT_EQ(bird.GetMostWait(), 60.0f);
    EXPECT_FLOAT_EQ(bird.GetSpeed(), 35.0f);
    EXPECT_EQ(bird.GetAnimationKey(), "rand0");
    EXPECT_EQ(bird.GetPlayMode(), kPlayOnceForward);
    EXPECT_EQ(bird.GetShadow().play.mode, kPlayLoopForward);
    EXPECT_EQ(bird.GetTypeId(), kTypeFlyDecor);
    cFlyDecor unknown(&owner_);
    unknown.SetSprite("bat");
    EXPECT_EQ(unknown.GetAnimation(), nullptr);
}

TEST_F(FlyDecorTest, Bird_CrossesTheWorldThenWaits)
{
    cFlyDecor bird(&owner_);
    bird.SetSprite("bird00_lr");
    bird.Update();
    EXPECT_EQ(bird.GetFlightState(), cFlyDecor::kFlightFlying);
    EXPECT_FLOAT_EQ(bird.GetStart().x, -30.0f);            // 1.5 frame widths left
    EXPECT_FLOAT_EQ(bird.GetEnd().x, 1024.0f + 30.0f);     // and right of the world
    EXPECT_EQ(bird.GetStart().y, bird.GetEnd().y);
    EXPECT_GE(bird.GetStart().y, 0.0f);
    EXPECT_LT(bird.GetStart().y, 768.0f);
    float lastX = bird.GetPosition().x;
    int ticks = 0;
    while (bird.GetFlightState() == cFlyDecor::kFlightFlying && ticks < 2000) {
        bird.Update();
        if (bird.GetFlightState() == cFlyDecor::kFlightFlying) {
            EXPECT_GE(bird.GetPosition().x, lastX);
            lastX = bird.GetPosition().x;
        }
        ++ticks;
    }
    EXPECT_EQ(bird.GetFlightState(), cFlyDecor::kFlightWaiting);
    EXPECT_GE(bird.GetWaitTime(), 30.0f);
    EXPECT_LT(bird.GetWaitTime(), 60.0f);
    // Unseen while it waits.
    bird.Draw();
    EXPECT_EQ(owner_.batch.UsedVertices(), 0u);
}

TEST_F(FlyDecorTest, ZeroLengthPath_WaitsInsteadOfMovingToNaN)
{
    cFlyDecor cloud(&owner_);
    cloud.SetSprite("magic_cloud");
    cloud.SetDirection(2);  // a direction that plans nothing
    for (int i = 0; i < 100; ++i) {
        cloud.Update();
        EXPECT_FALSE(std::isnan(cloud.GetPosition().x));
        EXPECT_FALSE(std::isnan(cloud.GetPosition().y));
    }
    EXPECT_NE(cloud.GetFlightState(), cFlyDecor::kFlightNew);
}

TEST_F(FlyDecorTest, Draw_FlyingDrawsShadowBelowThenTheBird)
{
    cFlyDecor bird(&owner_);
    bird.SetSprite("bird00_lr");
    bird.Update();
    owner_.batch.Clear();
    bird.Draw();
    ASSERT_EQ(owner_.batch.UsedVertices(), 12u);
    // The shadow's bottom edge: position.y - 170 - its hot spot 3, floored.
    EXPECT_FLOAT_EQ(owner_.batch.vertices[0].y, std::floor(bird.GetPosition().y - 170.0f - 3.0f));
}

TEST_F(FlyDecorTest, EditorMode_MovesTheHomeAndStandsStill)
{
    cFlyDecor bird(&owner_);
    bird.SetSprite("bird00_lr");
    owner_.editorMode = true;
    bird.SetPosition(300.0f, 200.0f);
    bird.Move(10.0f, 0.0f);
    EXPECT_EQ(bird.GetHome(), vec2(310.0f, 200.0f));
    EXPECT_EQ(bird.GetPosition(), vec2(310.0f, 200.0f));
    bird.Update();
    EXPECT_EQ(bird.GetFlightState(), cFlyDecor::kFlightNew);
    bird.Draw();  // drawn in the editor whatever its state
    EXPECT_GT(owner_.batch.UsedVertices(), 0u);
}

TEST_F(FlyDecorTest, SaveLoad_KeepsTheHome)
{
    owner_.editorMode = true;
    cFlyDecor bird(&owner_);
    bird.SetSprite("bird00_lr");
    bird.SetPosition(300.0f, 200.0f);
    vrk::cByteStream stream;
    ASSERT_TRUE(bird.Save(stream));
    cFlyDecor copy(&owner_);
    ASSERT_TRUE(copy.Load(stream, 0));
    EXPECT_EQ(copy.GetHome(), vec2(300.0f, 200.0f));
    EXPECT_FLOAT_EQ(copy.GetHeight(), 170.0f);
    // A record that ends before the home is refused.
    vrk::cByteStream cut;
    cObject plain(&owner_);
    plain.Save(cut);
    cFlyDecor short_(&owner_);
    EXPECT_FALSE(short_.Load(cut, 0));
}

}  // namespace
