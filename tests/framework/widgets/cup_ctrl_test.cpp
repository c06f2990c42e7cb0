// The medal cup: hidden at first, the pop from twice the size and invisible to its
// own size and opaque, and the geometry it keeps.
#include "framework/widgets/cup_ctrl.h"

#include "tests/framework/widgets/dialog_fixtures.h"

namespace {

class CupCtrlTest : public test::DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        test::RegisterTestSprite("gui_cup_gold", 1, 0.0f, 40.0f, 20.0f);
        test::RegisterTestSprite("gui_cup_silver", 1, 0.0f, 40.0f, 20.0f);
        cup = new cCupCtrl(AddWindow("finish"), "cup");
        cup->SetRect({100.0f, 100.0f, 100.0f, 100.0f}, 0);  // centre (150, 150)
    }
    uint32_t Alpha() { return batch().vertices[0].color >> 24; }
    cCupCtrl* cup = nullptr;
};

TEST_F(CupCtrlTest, NewCup_IsHidden)
{
    EXPECT_FALSE(cup->HasFlag(vrk::kCtrlShown));
    EXPECT_STREQ(cup->GetClassName(), "cCupCtrl");
}

struct PopCase {
    uint32_t elapsedMs;
    float width;
    uint32_t alpha;
};

class CupPopTest : public CupCtrlTest, public testing::WithParamInterface<PopCase> {};

TEST_P(CupPopTest, ShowMedal_SettlesWithinPopTime)
{
    cup->ShowMedal(cCupCtrl::kSilver);
    EXPECT_TRUE(cup->HasFlag(vrk::kCtrlShown));
    cup->OnEvent(vrk::kCtrlUpdate, GetParam().elapsedMs, 0);
    cup->Draw();
    ASSERT_EQ(batch().UsedVertices(), 6u);
    EXPECT_EQ(batch().runs[0].key, vrk::FindTexture("gui_cup_silver_tex"));
    const vrk::GuiRect bounds = QuadBounds();
    EXPECT_NEAR(bounds.width, GetParam().width, 1e-3f);
    EXPECT_NEAR(bounds.x + bounds.width / 2.0f, 150.0f, 1e-3f);
    EXPECT_NEAR(bounds.y + bounds.height / 2.0f, 150.0f, 1e-3f);
    EXPECT_EQ(Alpha(), GetParam().alpha);
}

INSTANTIATE_TEST_SUITE_P(Pop, CupPopTest,
                         testing::Values(PopCase{0, 80.0f, 0}, PopCase{350, 60.0f, 127}, PopCase{700, 40.0f, 255},
                                         PopCase{5000, 40.0f, 255}),
                         [](const testing::TestParamInfo<PopCase>& info) {
                             return "After" + std::to_string(info.param.elapsedMs) + "ms";
                         });

TEST_F(CupCtrlTest, MedalWithoutSpriteOrOutOfRange_DrawsNothing)
{
    cup->ShowMedal(cCupCtrl::kBronze);  // no bronze sprite registered
    cup->Draw();
    cup->ShowMedal(7);
    cup->Draw();
    EXPECT_EQ(batch().UsedVertices(), 0u);
}

TEST_F(CupCtrlTest, HideMedal_ResetsAndHides)
{
    cup->ShowMedal(cCupCtrl::kSilver);
    cup->HideMedal();
    EXPECT_EQ(cup->GetMedal(), cCupCtrl::kGold);
    EXPECT_EQ(cup->GetPopTime(), 0.0f);
    EXPECT_FALSE(cup->HasFlag(vrk::kCtrlShown));
}

TEST_F(CupCtrlTest, Geometry_MoveFrameAndStrictHitTest)
{
    cup->Move(10.0f, -10.0f);
    EXPECT_EQ(cup->GetRect(), (vrk::GuiRect{110.0f, 90.0f, 100.0f, 100.0f}));
    cup->SetFrame({0.0f, 0.0f, 10.0f, 10.0f}, 3.0f, 3.0f, 0);
    EXPECT_EQ(cup->GetRect(), (vrk::GuiRect{0.0f, 0.0f, 10.0f, 10.0f}));
    EXPECT_TRUE(cup->HitTest(5.0f, 5.0f));
    EXPECT_FALSE(cup->HitTest(0.0f, 5.0f));
    EXPECT_FALSE(cup->HitTest(5.0f, 10.0f));
}

}  // namespace
