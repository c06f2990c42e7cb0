// One-shot animations and firework launchers of the level screen.
#include "framework/objects/anim_effect_list.h"

#include <gtest/gtest.h>

#include "tests/framework/objects/fake_owner.h"

namespace {

constexpr float kTick = 0.033333335f;

class AnimEffectListTest : public ::testing::Test {
protected:
    test::RegistryCleaner cleaner_;
    test::FakeAppServices app_;
};

TEST_F(AnimEffectListTest, Add_NeedsFramesAndAPositiveRate)
{
    test::RegisterTestSprite("puff", 4, 10.0f);
    test::RegisterTestSprite("still", 4, 0.0f);
    test::RegisterTestSprite("empty", 0, 10.0f);
    AnimEffectList list;
    EXPECT_TRUE(list.Add("puff", vec2(1.0f, 2.0f)));
    EXPECT_FALSE(list.Add("still", vec2(1.0f, 2.0f)));
    EXPECT_FALSE(list.Add("empty", vec2(1.0f, 2.0f)));
    EXPECT_FALSE(list.Add("missing", vec2(1.0f, 2.0f)));
    EXPECT_EQ(list.effects.size(), 1u);
    EXPECT_FLOAT_EQ(list.effects[0].frameTime, 0.1f);
}

TEST_F(AnimEffectListTest, Update_RemovesAnEffectAfterItsLastFrame)
{
    test::RegisterTestSprite("puff", 3, 10.0f);
    AnimEffectList list;
    list.Add("puff", vec2(0.0f, 0.0f));
    list.Update(0.29f);
    EXPECT_EQ(list.effects.size(), 1u);
    list.Update(0.02f);
    EXPECT_TRUE(list.effects.empty());
}

TEST_F(AnimEffectListTest, Draw_SnapsTheCurrentFrameToWholePixels)
{
    test::RegisterTestSprite("puff", 3, 10.0f, 31.6f, 15.2f, 0.5f, 0.5f);
    AnimEffectList list;
    list.Add("puff", vec2(10.7f, 20.2f));
    list.Update(0.15f);  // frame 1
    vrk::VertexBatch batch;
    list.Draw(batch);
    EXPECT_FLOAT_EQ(batch.vertices[0].x, 10.0f);
    EXPECT_FLOAT_EQ(batch.vertices[0].y, 19.0f);
    EXPECT_FLOAT_EQ(batch.vertices[0].u, 0.1f);
}

TEST_F(AnimEffectListTest, LauncherOfThreeBursts_FiresAtOnceThenEveryInterval)
{
    test::RegisterTestSprite("effect_firework", 30, 10.0f);
    AnimEffectList list;
    list.LaunchFirework(vec2(500.0f, 400.0f), 3, 0.65f, 30.0f);
    list.Update(kTick);
    EXPECT_EQ(list.effects.size(), 1u);
    int ticks = 1;
    while (!list.launchers.empty() && ticks < 100) {
        list.Update(kTick);
        ++ticks;
    }
    EXPECT_EQ(list.effects.size(), 3u);
    // Fired at ticks 1, about 21 and about 41.
    EXPECT_GE(ticks, 40);
    EXPECT_LE(ticks, 42);
    for (const AnimEffect& effect : list.effects) {
        EXPECT_LE(std::abs(effect.x - 500.0f), 30.0f);
        EXPECT_LE(std::abs(effect.y - 400.0f), 30.0f);
    }
    list.Clear();
    EXPECT_TRUE(list.effects.empty());
}

}  // namespace
