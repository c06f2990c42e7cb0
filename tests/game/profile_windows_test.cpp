// The profile windows in the real game: the list in id order with the logged-on
// player chosen and its upside-down scroll bar, choosing and deleting players with
// the confirmations, and the names a new player may take.
#include "game/menus/profile_select_wf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/gui/list_sys_ctrl.h"
#include "engine/platform/game_core.h"
#include "framework/app/player_base.h"
#include "tests/game/support/menu_tour.h"

namespace {

class ProfileWindowsTest : public test::MenuTour {
protected:
    // Ann (the first profile, logged on) and further players, then the list opened
    // from the menu.
    void StartWithPlayers(const std::vector<std::string>& others)
    {
        StartNamed();
        for (const std::string& name : others) ids.push_back(app->AddPlayer(name));
        ClickControl("menu", "btProfile");
        ASSERT_TRUE(IsOpen("profile_select"));
        list = Control<vrk::cListSysCtrl>("profile_select", "lstProfile");
        ASSERT_NE(list, nullptr);
    }
    std::vector<std::string> Rows() const
    {
        std::vector<std::string> rows;
        for (uint32_t i = 0; i < list->GetItemCount(); ++i) rows.push_back(list->GetItemText(i));
        return rows;
    }
    // A row answers the pointer on its name.
    void ClickRow(uint32_t row)
    {
        const auto* item = dynamic_cast<const vrk::cLabelCtrl*>(list->GetItem(row));
        ASSERT_NE(item, nullptr);
        const vrk::GuiRect rect = item->GetTextRect();
        Click(static_cast<int32_t>(rect.x + rect.width / 2.0f),
              kWindowHeight - static_cast<int32_t>(rect.y + rect.height / 2.0f));
        Settle();
    }
    std::string ActiveName() const { return app->GetActivePlayer()->GetName(); }
    bool Exists(const std::string& name) const { return !app->FindPlayerByName(name).empty(); }

    vrk::cListSysCtrl* list = nullptr;
    std::vector<std::string> ids;
};

TEST_F(ProfileWindowsTest, List_ShowsPlayersInIdOrderWithTheActiveChosenAndScrollsUpsideDown)
{
    StartWithPlayers({"Kim", "Bea", "Cid", "Dan", "Eve", "Fay", "Gus", "Hal", "Ida", "Jon"});
    const std::vector<std::string> expected = {"Ann", "Kim", "Bea", "Cid", "Dan", "Eve",
                                               "Fay", "Gus", "Hal", "Ida", "Jon"};
    EXPECT_EQ(Rows(), expected);
    EXPECT_EQ(list->FindNextSelected(0), 0u);
    EXPECT_EQ(Handler<cProfileSelectWF>("profile_select")->GetRowIds().front(), app->GetActivePlayer()->GetId());

    // The slider's top end is the list's top.
    auto* slider = Control<vrk::cSliderCtrl>("profile_select", "slProfile");
    EXPECT_EQ(slider->GetMax(), 10.0f);
    EXPECT_EQ(slider->GetValue(), 10.0f);
    DragSlider("profile_select", "slProfile", 0.7f);
    EXPECT_EQ(list->GetFirstVisible(), 10u - static_cast<uint32_t>(std::lround(slider->GetValue())));
    EXPECT_GT(list->GetFirstVisible(), 0u);
    DragSlider("profile_select", "slProfile", 1.0f);
    EXPECT_EQ(list->GetFirstVisible(), 0u);

    // Choosing a row logs that player on and goes back to the greeting menu.
    ClickRow(2);
    ClickControl("profile_select", "btOk");
    EXPECT_EQ(ActiveName(), "Bea");
    EXPECT_TRUE(IsOpen("menu"));
    EXPECT_EQ(Text("menu", "lbProfile"), "Welcome, Bea!");

    // The list opens with the new player chosen and in view.
    app->LogonPlayer(ids.back());
    ClickControl("menu", "btProfile");
    EXPECT_EQ(list->FindNextSelected(0), 10u);
    EXPECT_TRUE(list->IsVisible(10));
    EXPECT_TRUE(NoWarning()) << WarningText();
}

TEST_F(ProfileWindowsTest, Delete_AsksFirstAndHandsTheGameToTheRowAbove)
{
    StartWithPlayers({"Bea", "Cid"});
    // The first row: the next row goes on.
    ClickControl("profile_select", "btDelete");
    ASSERT_TRUE(IsOpen("messagebox"));
    EXPECT_EQ(Text("messagebox", "text"), "Delete the player Ann?");
    ClickControl("messagebox", "cancel");
    EXPECT_TRUE(Exists("Ann"));
    ASSERT_TRUE(IsOpen("profile_select"));
    ClickControl("profile_select", "btDelete");
    ClickControl("messagebox", "ok");
    EXPECT_FALSE(Exists("Ann"));
    EXPECT_EQ(ActiveName(), "Bea");
    ASSERT_TRUE(IsOpen("profile_select"));
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Bea", "Cid"}));

    // Another row: the row above it goes on.
    ClickRow(1);
    ClickControl("profile_select", "btDelete");
    ClickControl("messagebox", "ok");
    EXPECT_FALSE(Exists("Cid"));
    EXPECT_EQ(ActiveName(), "Bea");

    // The last player stays.
    ClickControl("profile_select", "btDelete");
    ASSERT_TRUE(IsOpen("messagebox"));
    EXPECT_EQ(Text("messagebox", "text"), vrk::FindText("ErrorOnePlayer"));
    ClickControl("messagebox", "ok");
    EXPECT_TRUE(IsOpen("profile_select"));
    EXPECT_EQ(Rows(), std::vector<std::string>{"Bea"});
    EXPECT_TRUE(NoWarning()) << WarningText();
}

TEST_F(ProfileWindowsTest, AddPlayer_TrimsTheNameAndRefusesEmptyAndTakenNames)
{
    StartWithPlayers({});
    ClickControl("profile_select", "btAdd");
    ASSERT_TRUE(IsOpen("profile_add"));

    EnterName("profile_add", "   ");
    ASSERT_TRUE(IsOpen("messagebox"));
    EXPECT_EQ(Text("messagebox", "text"), vrk::FindText("ErrorEmptyPlayerName"));
    ClickControl("messagebox", "ok");
    ASSERT_TRUE(IsOpen("profile_add"));

    EnterName("profile_add", "Ann");
    EXPECT_EQ(Text("messagebox", "text"), vrk::FindText("ErrorPlayerExist"));
    ClickControl("messagebox", "ok");
    ASSERT_TRUE(IsOpen("profile_add"));
    EXPECT_EQ(app->GetPlayerList().GetPlayers().size(), 1u);

    EnterName("profile_add", "  Bo b ");
    EXPECT_TRUE(IsOpen("profile_select"));
    EXPECT_EQ(ActiveName(), "Bo b");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"Ann", "Bo b"}));
    EXPECT_EQ(list->FindNextSelected(0), 1u);

    // "cancel" adds nothing.
    ClickControl("profile_select", "btAdd");
    ClickControl("profile_add", "cancel");
    EXPECT_TRUE(IsOpen("profile_select"));
    EXPECT_EQ(app->GetPlayerList().GetPlayers().size(), 2u);
    EXPECT_TRUE(NoWarning()) << WarningText();
}

TEST_F(ProfileWindowsTest, NameField_RefusesPunctuationOrLatinByLocale)
{
    StartWithPlayers({});
    ClickControl("profile_select", "btAdd");
    for (size_t i = 0; i < vrk::FindText("Player").size(); ++i) PressKey(kKeyBackspace);
    Type("a.b!c(1)");
    EXPECT_EQ(Text("profile_add", "name"), "abc1");

    game->localeFlag = 1;
    for (int i = 0; i < 4; ++i) PressKey(kKeyBackspace);
    Type("aZ7 &_.");
    EXPECT_EQ(Text("profile_add", "name"), " &.");
    game->localeFlag = 0;

}

}  // namespace
