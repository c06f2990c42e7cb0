// The message box drawn by the real game into a hidden OpenGL window, for every
// question and notice a player meets in the menus: leaving the game (written as
// "messagebox_quit_screenshot.png" beside the build), deleting a profile, the last
// profile that cannot go and a name left empty. Each must read dark on its cream
// panel and show one icon: the picture beside the text, none in the empty title row.
#include <gtest/gtest.h>

#include <string>

#include "engine/gui/ctrl.h"
#include "engine/gui/frame_ctrl.h"
#include "engine/text/text_table.h"
#include "tests/game/support/menu_tour.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

// Summed RGB of the letters (dark brown on cream) and of anything nearly white.
constexpr int kDark = 300;
constexpr int kWhite = 720;
// How far a pixel may stray from the panel's paper and still be paper.
constexpr int kPaperNear = 40;

class MessageBoxScreenshotTest : public test::GameShot<test::MenuTour> {
protected:
    MessageBoxScreenshotTest() : GameShot("message box screenshot") {}

    Rect RectOf(const std::string& control) const
    {
        const vrk::cCtrl* found = Control("messagebox", control);
        if (found == nullptr) return Rect{};
        const vrk::GuiRect rect = vrk::NormalisedRect(found->GetRect());
        return Rect{rect.x, rect.y, rect.width, rect.height};
    }
    int Count(const Rect& area, bool (*test)(const test::ShotRgb&)) const
    {
        return test::CountInRect(area, kWidth, kHeight, [&](int x, int y) { return test(At(x, y)); });
    }
    // Pixels of the area that are not the paper's colour, taken at its corner.
    int NotPaper(const Rect& area) const
    {
        const test::ShotRgb paper = At(static_cast<int>(area.x), static_cast<int>(area.y));
        return test::CountInRect(area, kWidth, kHeight,
                                 [&](int x, int y) { return test::Difference(At(x, y), paper) > kPaperNear; });
    }

    // The open box, faded in, drawn: dark letters in the text's rectangle and none
    // near white there, the picture beside it, and the title row's icon place bare.
    void CheckBox(const std::string& what, const char* shotName = nullptr)
    {
        ASSERT_TRUE(IsOpen("messagebox")) << what;
        Settle();
        DrawGame();
        if (shotName != nullptr) test::SaveShotPng(image_, kWidth, kHeight, shotName);
        const Rect text = RectOf("text");
        EXPECT_GT(Count(text, [](const test::ShotRgb& p) { return p.r + p.g + p.b < kDark; }), 100) << what;
        EXPECT_EQ(Count(text, [](const test::ShotRgb& p) { return p.r + p.g + p.b > kWhite; }), 0) << what;
        EXPECT_GT(NotPaper(RectOf("image")), 200) << what << ": no picture";
        EXPECT_FALSE(Control("messagebox", "icon")->HasFlag(vrk::kCtrlShown)) << what;
        EXPECT_EQ(NotPaper(RectOf("icon")), 0) << what << ": a second icon in the title row";
    }
};

TEST_F(MessageBoxScreenshotTest, EveryQuestionAndNotice_ReadsDarkOnItsPanelWithOneIcon)
{
    StartNamed();
    ClickControl("menu", "btExit");
    EXPECT_EQ(Text("messagebox", "text"), vrk::FindText("ConfirmExitGame"));
    CheckBox("quit", "messagebox_quit_screenshot.png");
    ClickControl("messagebox", "cancel");
    ASSERT_TRUE(IsOpen("menu"));

    // The last profile cannot go.
    ClickControl("menu", "btProfile");
    ClickControl("profile_select", "btDelete");
    EXPECT_EQ(Text("messagebox", "text"), vrk::FindText("ErrorOnePlayer"));
    CheckBox("one profile");
    ClickControl("messagebox", "ok");

    // A name left empty.
    ClickControl("profile_select", "btAdd");
    EnterName("profile_add", "");
    EXPECT_EQ(Text("messagebox", "text"), vrk::FindText("ErrorEmptyPlayerName"));
    CheckBox("empty name");
    ClickControl("messagebox", "ok");
    EnterName("profile_add", "Bo");
    ASSERT_TRUE(IsOpen("profile_select"));

    // Deleting the profile chosen.
    ClickControl("profile_select", "btDelete");
    CheckBox("delete profile");
    ClickControl("messagebox", "cancel");
}

}  // namespace
