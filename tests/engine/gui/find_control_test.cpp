// FindControl: the control by window and control name, and its two warnings.
#include "engine/gui/find_control.h"

#include <gtest/gtest.h>

#include "tests/engine/gui/gui_test_support.h"

namespace {

class FindControlTest : public test::GuiCoreTest {};

TEST_F(FindControlTest, FindsTheFirstControlOfThatNameInTheNamedWindow)
{
    vrk::cWindow* window = gui().AddWindow("level_task");  // open or not
    new vrk::cCtrl(window, "frame");
    auto* text = new vrk::cCtrl(window, "text");
    new vrk::cCtrl(window, "text");
    EXPECT_EQ(vrk::FindControl("level_task", "text"), text);
    EXPECT_FALSE(Logged("FindControl"));
}

TEST_F(FindControlTest, MissingWindowOrControlWarnsAndGivesNull)
{
    gui().AddWindow("hud");
    EXPECT_EQ(vrk::FindControl("nowhere", "text"), nullptr);
    EXPECT_TRUE(Logged("FindControl^6: ^5window 'nowhere' not found"));
    EXPECT_EQ(vrk::FindControl("hud", "gone"), nullptr);
    EXPECT_TRUE(Logged("FindControl^6: ^5control 'gone' not found in window 'hud'"));
}

TEST(FindControlWithoutCore, WarnsAboutTheWindow)
{
    EXPECT_EQ(vrk::FindControl("hud", "text"), nullptr);
}

}  // namespace
