// cParticlesDecor: the effect follows the object, draws into the owner's batch and
// shows its count in the editor.
#include "framework/objects/particles_decor.h"

#include <gtest/gtest.h>

#include "framework/objects/particle_spawn_random.h"
#include "tests/framework/objects/fake_owner.h"

namespace {

class ParticlesDecorTest : public ::testing::Test {
protected:
    void SetUp() override { ResetParticleSpawnRandom(); }
    test::RegistryCleaner cleaner_;
    test::FakeAppServices app_;
    test::FakeOwner owner_;
};

TEST_F(ParticlesDecorTest, SetSprite_MakesTheEffectAndItsSquare)
{
    cParticlesDecor decor(&owner_);
    Rect rect;
    decor.GetFrameRect(rect, -1);
    EXPECT_FLOAT_EQ(rect.width, 40.0f);
    decor.SetPosition(100.0f, 100.0f);
    decor.SetSprite("snow=64");
    ASSERT_NE(decor.GetEffect(), nullptr);
    EXPECT_TRUE(decor.GetEffect()->HasEffect());
    decor.GetFrameRect(rect, -1);
    EXPECT_FLOAT_EQ(rect.x, 50.0f);
    EXPECT_FLOAT_EQ(rect.width, 100.0f);
    decor.SetSprite("unknown");
    decor.GetFrameRect(rect, -1);
    EXPECT_FLOAT_EQ(rect.width, 40.0f);
    EXPECT_EQ(decor.GetTypeId(), kTypeParticlesDecor);
}

TEST_F(ParticlesDecorTest, UpdateFadeAndDraw_EmitAtThePositionIntoTheBatch)
{
    test::RegisterTestTexture("part_fog");
    cParticlesDecor decor(&owner_);
    decor.SetSprite("fog");
    decor.SetPosition(300.0f, 200.0f);
    decor.UpdateFade(EffectHolder::kTickSeconds);
    decor.UpdateFade(EffectHolder::kTickSeconds);
    decor.Draw();
    ASSERT_EQ(owner_.batch.UsedVertices(), 6u);
    EXPECT_NEAR(owner_.batch.vertices[0].x, 300.0f, 32.0f + 64.0f);
    decor.DrawSelection();
    ASSERT_EQ(app_.systemTexts.size(), 1u);
    EXPECT_EQ(app_.systemTexts[0].text, "^12^^");
}

}  // namespace
