// The check box: toggling with its event, the square box beside the caption, and the
// cell of the 2 x 2 texture grid that each state draws.
#include "engine/gui/check_box_sys_ctrl.h"

#include <gtest/gtest.h>

#include "tests/engine/gui/sys_ctrl_test_support.h"

namespace {

using test::SeenEvent;

class CheckBoxSysTest : public test::SysCtrlTest {
protected:
    void SetUp() override
    {
        test::SysCtrlTest::SetUp();
        box = new vrk::cCheckBoxSysCtrl(window, "sound");
        box->SetRect(vrk::GuiRect{10.0f, 10.0f, 200.0f, 20.0f}, 0);
        box->SetUVRect(vrk::GuiRect{0.0f, 0.5f, 0.5f, 0.5f}, 0);
    }
    vrk::cCheckBoxSysCtrl* box = nullptr;
};

TEST_F(CheckBoxSysTest, ClickedTwice_QueuesTheNewValueEachTime)
{
    Click(15.0f, 15.0f);
    Click(15.0f, 15.0f);
    EXPECT_EQ(Reported(), (std::vector<SeenEvent>{{vrk::kWndCheckToggled, 1, box->GetId()},
                                                  {vrk::kWndCheckToggled, 0, box->GetId()}}));
    EXPECT_FALSE(box->IsChecked());
    EXPECT_EQ(log.Count("'click'"), 2);
}

TEST_F(CheckBoxSysTest, Layout_SquareBoxLeftCaptionRightAlsoAfterLaterLayouts)
{
    EXPECT_EQ(box->GetBox().GetRect(), (vrk::GuiRect{10.0f, 10.0f, 20.0f, 20.0f}));
    EXPECT_EQ(box->GetLabel().GetRect(), (vrk::GuiRect{30.0f, 10.0f, 180.0f, 20.0f}));
    box->SetFont("test");
    box->SetText("Sound", 0);
    EXPECT_EQ(box->GetLabel().GetRect(), (vrk::GuiRect{30.0f, 10.0f, 180.0f, 20.0f}));
    box->Move(5.0f, 5.0f);
    EXPECT_EQ(box->GetBox().GetRect(), (vrk::GuiRect{15.0f, 15.0f, 20.0f, 20.0f}));
    EXPECT_EQ(box->GetLabel().GetRect(), (vrk::GuiRect{35.0f, 15.0f, 180.0f, 20.0f}));
    EXPECT_EQ(box->GetRect(), box->GetBox().GetRect());
    EXPECT_EQ(box->GetTextKey(), "Sound");
    // The caption's text (x 35..83 after the 1-unit bearing, y 17..33) hits too.
    EXPECT_TRUE(box->HitTest(50.0f, 25.0f));
    EXPECT_FALSE(box->HitTest(150.0f, 25.0f));
}

struct BoxCellCase {
    bool hovered;
    bool checked;
    float u;
    float v;
};

class CheckBoxSysCellTest : public CheckBoxSysTest, public ::testing::WithParamInterface<BoxCellCase> {};

TEST_P(CheckBoxSysCellTest, ColumnsAreNormalAndHoveredRowsUncheckedAndChecked)
{
    const BoxCellCase& c = GetParam();
    if (c.hovered) box->OnEvent(vrk::kCtrlMouseEntered, 0, 0);
    box->SetChecked(c.checked);
    EXPECT_FLOAT_EQ(box->CurrentCell().x, c.u);
    EXPECT_FLOAT_EQ(box->CurrentCell().y, c.v);
}

INSTANTIATE_TEST_SUITE_P(Cells, CheckBoxSysCellTest,
                         ::testing::Values(BoxCellCase{false, false, 0.0f, 0.5f}, BoxCellCase{true, false, 0.5f, 0.5f},
                                           BoxCellCase{false, true, 0.0f, 0.0f}, BoxCellCase{true, true, 0.5f, 0.0f}));

}  // namespace
