// The animation control: a looping sprite scaled about the rectangle's centre, and
// the stop on a name without a sprite.
#include "framework/widgets/animation_ctrl.h"

#include "tests/framework/widgets/dialog_fixtures.h"

namespace {

class AnimationCtrlTest : public test::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        test::RegisterTestSprite("spin", 3, 10.0f, 20.0f, 10.0f, 5.0f, 2.5f);
        anim = new cAnimationCtrl(AddWindow("w"), "anim");
        anim->SetRect({100.0f, 100.0f, 50.0f, 50.0f}, 0);  // centre (125, 125)
    }
    cAnimationCtrl* anim = nullptr;
};

TEST_F(AnimationCtrlTest, SetTexture_LoopsTheSpriteAndDrawsScaledWithoutFlooring)
{
    anim->SetTexture("spin", 0);
    anim->SetScale(2.0f, 0.5f);
    anim->OnEvent(vrk::kCtrlUpdate, 150, 0);
    EXPECT_EQ(anim->GetAnimation().play.frame, 1);
    anim->Draw();
    ASSERT_EQ(batch().UsedVertices(), 6u);
    EXPECT_EQ(QuadBounds(), (vrk::GuiRect{115.0f, 123.75f, 40.0f, 5.0f}));
    EXPECT_FLOAT_EQ(batch().vertices[0].u, 0.1f);  // frame 1's window
    anim->OnEvent(vrk::kCtrlUpdate, 200, 0);
    EXPECT_EQ(anim->GetAnimation().play.frame, 0);
}

TEST_F(AnimationCtrlTest, SetTexture_UnregisteredNameStopsAndDrawsNothing)
{
    anim->SetTexture("spin", 0);
    anim->SetTexture("nothing_here", 0);
    const SpritePlayState& play = anim->GetAnimation().play;
    EXPECT_EQ(play.mode, kPlayStopped);
    EXPECT_EQ(play.frameCount, 0);
    EXPECT_EQ(play.secondsPerFrame, 1.0f);
    anim->OnEvent(vrk::kCtrlUpdate, 5000, 0);
    anim->Draw();
    EXPECT_EQ(batch().UsedVertices(), 0u);
    EXPECT_TRUE(Logged("SpriteEx with area nothing_here not found"));
}

}  // namespace
