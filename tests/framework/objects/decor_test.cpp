// cDecor: set-up by descriptor kind, the per-kind updates, messages and drawing.
#include "framework/objects/decor.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/files/byte_stream.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

constexpr float kTick = cObject::kTickSeconds;

class DecorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::RegisterTestSprite("rock", 1, 0.0f);
        test::RegisterTestSprite("loop4", 4, 10.0f);
        test::RegisterTestSprite("once3", 3, 10.0f);
        test::RegisterTestSprite("tree", 1, 0.0f, 40.0f, 100.0f, 20.0f, 0.0f);
    }
    std::unique_ptr<cDecor> Make(const std::string& descriptor)
    {
        auto decor = std::make_unique<cDecor>(&owner_);
        decor->SetSprite(descriptor);
        return decor;
    }
    test::RegistryCleaner cleaner_;
    test::FakeAppServices app_;
    test::FakeOwner owner_;
};

TEST_F(DecorTest, Kinds_SetUpTheirAnimation)
{
    EXPECT_EQ(Make("simple=rock")->GetPlayMode(), kPlayStopped);
    EXPECT_EQ(Make("anim=loop4")->GetPlayMode(), kPlayLoopForward);
    EXPECT_FLOAT_EQ(Make("fade=loop4;0.5")->GetFadeTime(), 0.5f);
    auto coffee = Make("qp3_coffee=once3");
    EXPECT_EQ(coffee->GetPlayMode(), kPlayOnceForward);
    EXPECT_FLOAT_EQ(coffee->GetFadeTime(), 0.3f);
    auto bat = Make("kv2_bat=loop4");
    EXPECT_FLOAT_EQ(bat->GetRate(), 0.3f);
    EXPECT_GE(bat->GetTimer(), 4.0f);
    EXPECT_LT(bat->GetTimer(), 8.0f);
    EXPECT_EQ(Make("simple=rock")->GetTypeId(), kTypeDecor);
    EXPECT_TRUE(Make("simple=rock")->IsKindOf(kTypeObject));
}

TEST_F(DecorTest, UnknownKind_DrawsNothing)
{
    auto decor = Make("bogus=rock");
    EXPECT_EQ(decor->GetKind(), kDecorNone);
    EXPECT_EQ(decor->GetAnimation(), nullptr);
    decor->Update();
    decor->Draw();
    EXPECT_EQ(owner_.batch.UsedVertices(), 0u);
    // Set again from a drawable kind to an unknown one: the old picture goes.
    auto changed = Make("simple=rock");
    changed->SetSprite("bogus=rock");
    changed->Draw();
    EXPECT_EQ(owner_.batch.UsedVertices(), 0u);
}

TEST_F(DecorTest, Rand_WeightsArePercentagesInOrder)
{
    auto decor = Make("rand=once3;30;loop4;70");
    EXPECT_EQ(decor->GetStartWeights(), (std::vector<float>{0.0f, 30.0f}));
    // The generator's fraction times 100 decides: find seeds on both sides of 30.
    for (uint32_t seed = 0; seed < 40; ++seed) {
        RandomGen probe{seed};
        const float pick = probe.NextFraction() * 100.0f;
        app_.random.seed = seed;
        decor->PickRandomAnimation();
        EXPECT_EQ(decor->GetAnimationKey(), pick < 30.0f ? "rand0" : "rand1") << pick;
        EXPECT_EQ(decor->GetPlayMode(), kPlayOnceForward);
    }
}

TEST_F(DecorTest, Rand_EachEndOfAPlayDrawsAgain)
{
    auto decor = Make("rand=once3;100");
    for (int i = 0; i < 12; ++i) decor->Update();
    // Three frames at 10 a second end after 0.2 s; a new play has started.
    EXPECT_EQ(decor->GetPlayMode(), kPlayOnceForward);
    EXPECT_EQ(decor->GetAnimationKey(), "rand0");
}

TEST_F(DecorTest, Anim_NeverCrossFadesNorSendsTheEndMessage)
{
    auto decor = Make("anim=loop4");
    decor->SetFadeTime(0.5f);
    for (int i = 0; i < 30; ++i) decor->Update();
    EXPECT_FLOAT_EQ(decor->GetFadeTimer(), 0.0f);
    EXPECT_NE(decor->GetFrame(), 0);
}

TEST_F(DecorTest, Fade_CrossFadesEachFrameChange)
{
    auto decor = Make("fade=loop4;0.5");
    for (int i = 0; i < 3; ++i) decor->Update();
    EXPECT_FLOAT_EQ(decor->GetFadeTimer(), 0.5f);
    decor->UpdateFade(0.1f);
    EXPECT_FLOAT_EQ(decor->GetFadeTimer(), 0.4f);
    auto plain = Make("simple=rock");
    plain->SetFadeTime(0.5f);
    plain->UpdateFade(0.1f);  // only fade and coffee run the fade timer
    EXPECT_FLOAT_EQ(plain->GetFadeTimer(), 0.0f);
}

TEST_F(DecorTest, Offset_ScrollsTheTextureWindowAndWrapsAtHundred)
{
    auto decor = Make("offset=rock;0.02;0.02");
    decor->Update();
    EXPECT_FLOAT_EQ(decor->GetDrawOffset().x, 0.02f * kTick);
    decor->SetDrawOffset(99.9999f, 50.0f);
    decor->Update();
    decor->Update();
    EXPECT_FLOAT_EQ(decor->GetDrawOffset().x, 0.0f + 0.02f * kTick);
    EXPECT_GT(decor->GetDrawOffset().y, 50.0f);
}

TEST_F(DecorTest, Tree_SwaysBetweenItsAnglesAndBounces)
{
    auto decor = Make("tree=tree;-0.1;0.1;3");
    float lowest = 1.0f, highest = 0.0f;
    for (int i = 0; i < 60; ++i) {
        decor->Update();
        lowest = std::min(lowest, decor->GetPhase());
        highest = std::max(highest, decor->GetPhase());
    }
    EXPECT_FLOAT_EQ(lowest, 0.0f);
    EXPECT_FLOAT_EQ(highest, 1.0f);
}

TEST_F(DecorTest, DrawBent_BaseStaysAndTopSwings)
{
    auto decor = Make("tree=tree;0.5;0.5;0");
    decor->SetPosition(100.0f, 50.0f);
    decor->Draw();
    ASSERT_EQ(owner_.batch.UsedVertices(), 6u);
    const auto& v = owner_.batch.vertices;
    EXPECT_FLOAT_EQ(v[0].x, 80.0f);   // base left stays
    EXPECT_FLOAT_EQ(v[0].y, 50.0f);
    EXPECT_FLOAT_EQ(v[1].x, 120.0f);  // base right stays
    // Top-left: (-20, 50) turned by 0.5 about the centre (100, 100).
    EXPECT_NEAR(v[2].x, 100.0f + (-20.0f * std::cos(0.5f) - 50.0f * std::sin(0.5f)), 1e-3f);
    EXPECT_NEAR(v[2].y, 100.0f + (-20.0f * std::sin(0.5f) + 50.0f * std::cos(0.5f)), 1e-3f);
    EXPECT_FLOAT_EQ(v[2].v, 1.0f);  // moving edge at v + height
}

TEST_F(DecorTest, Coffee_ForwardBackwardPauseForward)
{
    auto decor = Make("qp3_coffee=once3");
    auto tickWhile = [&](int32_t mode) {
        int ticks = 0;
        while (decor->GetPlayMode() == mode && ticks < 400) {
            decor->Update();
            ++ticks;
        }
        return ticks;
    };
    tickWhile(kPlayOnceForward);  // three frames forward
    EXPECT_EQ(decor->GetPlayMode(), kPlayOnceBackward);
    EXPECT_EQ(decor->GetFrame(), 2);
    tickWhile(kPlayOnceBackward);  // and back
    EXPECT_EQ(decor->GetPlayMode(), kPlayStopped);
    // The pause starts counting in the tick that set it.
    EXPECT_GE(decor->GetTimer(), 7.0f - kTick);
    EXPECT_LT(decor->GetTimer(), 10.0f);
    const int pause = tickWhile(kPlayStopped);
    EXPECT_EQ(decor->GetPlayMode(), kPlayOnceForward);
    EXPECT_EQ(decor->GetFrame(), 0);
    EXPECT_GE(pause, 7 * 30 - 1);
    EXPECT_LE(pause, 10 * 30 + 1);
}

TEST_F(DecorTest, Bat_FluttersBeforeEachPauseEnds)
{
    auto decor = Make("kv2_bat=loop4");
    bool fluttered = false;
    for (int i = 0; i < 8 * 30 && !fluttered; ++i) {
        decor->Update();
        fluttered = std::abs(decor->GetRate()) == 20.0f;
    }
    EXPECT_TRUE(fluttered);
    EXPECT_LT(decor->GetTimer(), 2.0f);
}

TEST_F(DecorTest, Wave_BobsTheQuadAndTurns)
{
    auto decor = Make("wave=loop4;1;4;1;3;1;0.2");
    decor->Update();
    const auto& waves = decor->GetWaves();
    EXPECT_FLOAT_EQ(decor->GetAngle(), std::cos(waves[2].phase) * 0.2f);
    Quad plain;
    decor->cObject::GetQuad(plain);
    Quad bobbed;
    decor->GetQuad(bobbed);
    EXPECT_FLOAT_EQ(bobbed[0].x - plain[0].x, std::cos(waves[1].phase) * 3.0f);
    EXPECT_FLOAT_EQ(bobbed[0].y - plain[0].y, std::sin(waves[0].phase) * 4.0f);
}

TEST_F(DecorTest, SaveLoad_RoundTripRebuildsTheKind)
{
    auto decor = Make("fade=loop4;0.5");
    decor->SetName("torch1");
    decor->SetPosition(12.0f, 34.0f);
    vrk::cByteStream stream;
    decor->Save(stream);
    cDecor loaded(&owner_);
    ASSERT_TRUE(loaded.Load(stream, 0));
    EXPECT_EQ(loaded.GetName(), "torch1");
    EXPECT_EQ(loaded.GetKind(), kDecorFade);
    EXPECT_FLOAT_EQ(loaded.GetFadeTime(), 0.5f);
    EXPECT_EQ(loaded.GetPosition(), vec2(12.0f, 34.0f));
}

}  // namespace
