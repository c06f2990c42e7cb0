// The push button and the link: states and their texture cells, clicks only for a
// press that stayed on the button, the link's click on any release, and the sounds.
#include "engine/gui/button_sys_ctrl.h"

#include <gtest/gtest.h>

#include "engine/gui/link_sys_ctrl.h"
#include "tests/engine/gui/sys_ctrl_test_support.h"

namespace {

using test::SeenEvent;
constexpr float kCell = 0.25f;  // four cells stacked in the texture

class ButtonSysTest : public test::SysCtrlTest {
protected:
    void SetUp() override
    {
        test::SysCtrlTest::SetUp();
        button = new vrk::cButtonSysCtrl(window, "ok");
        button->SetFrame(vrk::GuiRect{100.0f, 100.0f, 120.0f, 40.0f}, 8.0f, 8.0f, 0);
        button->SetUVFrame(vrk::GuiRect{0.0f, 3.0f * kCell, 1.0f, kCell}, 0.1f, 0.05f, 0);
    }
    int Played(const std::string& sound) const { return log.Count("'" + sound + "'"); }

    vrk::cButtonSysCtrl* button = nullptr;
};

struct CellCase {
    const char* name;
    int32_t state;  // 0 normal, 1 pressed, 2 hovered
    bool disabled;
    bool singleFrame;
    float cellV;
};

class ButtonSysCellTest : public ButtonSysTest, public ::testing::WithParamInterface<CellCase> {};

TEST_P(ButtonSysCellTest, DrawsTheCellOfItsStateDisabledFourthSingleFrameFirst)
{
    const CellCase& c = GetParam();
    if (c.state == vrk::cButtonSysCtrl::kHovered) button->OnEvent(vrk::kCtrlMouseEntered, 0, 0);
    if (c.state == vrk::cButtonSysCtrl::kPressed) button->OnEvent(vrk::kCtrlLeftDown, 0, 0);
    button->Enable(!c.disabled);
    button->SetSingleFrame(c.singleFrame);
    ASSERT_EQ(button->GetState(), c.state);
    EXPECT_FLOAT_EQ(button->CurrentCell().y, c.cellV);
    EXPECT_FLOAT_EQ(button->CurrentCell().height, kCell);
}

INSTANTIATE_TEST_SUITE_P(
    States, ButtonSysCellTest,
    ::testing::Values(CellCase{"Normal", 0, false, false, 0.75f}, CellCase{"Pressed", 1, false, false, 0.5f},
                      CellCase{"Hovered", 2, false, false, 0.25f}, CellCase{"Disabled", 0, true, false, 0.0f},
                      CellCase{"DisabledPressed", 1, true, false, 0.0f},
                      CellCase{"DisabledHovered", 2, true, false, 0.0f},
                      CellCase{"SinglePressed", 1, false, true, 0.75f},
                      CellCase{"SingleDisabled", 0, true, true, 0.75f}),
    [](const ::testing::TestParamInfo<CellCase>& info) { return std::string(info.param.name); });

TEST_F(ButtonSysTest, PressAndReleaseOnTheButton_QueuesOneClickForTheNextUpdate)
{
    Click(150.0f, 120.0f);
    EXPECT_EQ(Reported(), (std::vector<SeenEvent>{{vrk::kWndClicked, 0, button->GetId()}}));
    EXPECT_EQ(button->GetState(), vrk::cButtonSysCtrl::kNormal);
    EXPECT_EQ(Played("mouse_in"), 1);
    EXPECT_EQ(Played("click"), 1);
}

TEST_F(ButtonSysTest, PressLeaveAndRelease_ClicksNothing)
{
    MoveTo(150.0f, 120.0f);
    Press(150.0f, 120.0f);
    EXPECT_EQ(button->GetState(), vrk::cButtonSysCtrl::kPressed);
    MoveTo(500.0f, 500.0f);
    Release(500.0f, 500.0f);
    EXPECT_TRUE(Reported().empty());
}

TEST_F(ButtonSysTest, StateMachine_EnterHoverPressLeave)
{
    button->OnEvent(vrk::kCtrlMouseEntered, 0, 0);
    EXPECT_EQ(button->GetState(), vrk::cButtonSysCtrl::kHovered);
    button->OnEvent(vrk::kCtrlLeftDown, 0, 0);
    EXPECT_EQ(button->GetState(), vrk::cButtonSysCtrl::kPressed);
    button->OnEvent(vrk::kCtrlMouseLeft, 0, 0);
    EXPECT_EQ(button->GetState(), vrk::cButtonSysCtrl::kNormal);
}

TEST_F(ButtonSysTest, Caption_CoversTheBodyCentredAndKeepsItsFirstTextAsKey)
{
    button->SetFont("test");
    button->SetText("[Ok]", 0);
    button->SetText("Okay", 0);
    EXPECT_EQ(button->GetTextKey(), "[Ok]");
    EXPECT_EQ(button->GetLabel().GetRect(), button->GetRect());
    EXPECT_EQ(button->GetLabel().GetAlign(), vrk::kAlignCenter | vrk::kAlignMiddle);
    button->Move(10.0f, -20.0f);
    EXPECT_EQ(button->GetRect(), (vrk::GuiRect{110.0f, 80.0f, 120.0f, 40.0f}));
    EXPECT_EQ(button->GetLabel().GetRect(), button->GetRect());
    // "Okay": 38 wide, 16 high, centred in 120 x 40.
    EXPECT_EQ(button->GetLabel().GetTextRect().x, 151.0f);
    EXPECT_EQ(button->GetLabel().GetTextRect().y, 92.0f);
    EXPECT_TRUE(button->HitTest(111.0f, 81.0f));
    EXPECT_FALSE(button->HitTest(110.0f, 81.0f));
    EXPECT_STREQ(button->GetClassName(), "cButtonSysCtrl");
}

class LinkSysTest : public test::SysCtrlTest {
protected:
    void SetUp() override
    {
        test::SysCtrlTest::SetUp();
        link = new vrk::cLinkSysCtrl(window, "more");
        link->SetFont("test");
        link->SetRect(vrk::GuiRect{300.0f, 300.0f, 200.0f, 30.0f}, 0);
        link->SetText("More", 0);  // text box (300, 300, 38, 16)
    }
    vrk::cLinkSysCtrl* link = nullptr;
};

TEST_F(LinkSysTest, ReleaseAfterAPressElsewhere_StillClicks)
{
    MoveTo(10.0f, 10.0f);
    Press(10.0f, 10.0f);
    MoveTo(310.0f, 305.0f);
    Release(310.0f, 305.0f);
    EXPECT_EQ(Reported(), (std::vector<SeenEvent>{{vrk::kWndClicked, 0, link->GetId()}}));
}

TEST_F(LinkSysTest, Colours_NormalShownAtOnceHoverWhileTheMouseIsOver)
{
    link->SetColor(1.0f, 0.0f, 0.0f, vrk::cLinkSysCtrl::kColorNormal);
    EXPECT_EQ(link->GetColor(), 0xFFFF0000u);
    link->SetColor(0.0f, 0.0f, 1.0f, 1);
    EXPECT_EQ(link->GetColor(), 0xFFFF0000u);
    MoveTo(310.0f, 305.0f);
    EXPECT_EQ(link->GetColor(), 0xFF0000FFu);
    MoveTo(600.0f, 305.0f);
    EXPECT_EQ(link->GetColor(), 0xFFFF0000u);
    EXPECT_EQ(link->GetHoverColor().alpha, 1.0f);
    EXPECT_STREQ(link->GetClassName(), "cLinkSysCtrl");
}

}  // namespace
