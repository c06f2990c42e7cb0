// The menu windows with nobody logged on (the game always logs a profile on at
// start, so only a game stopped before that gets here): the achievements show a
// score of 0, the map's "play" stays on the map, and the options leave the hints
// box unchecked whatever is clicked.
#include <gtest/gtest.h>

#include <string>

#include "engine/gui/check_box_sys_ctrl.h"
#include "engine/gui/label_ctrl.h"
#include "engine/text/text_table.h"
#include "tests/game/support/menu_tour.h"

namespace {

class MenusNoPlayerTest : public test::MenuTour {
protected:
    // The application made and set up, its windows built from their scripts with
    // the game's handlers, but no profile read and none logged on.
    void SetUp() override
    {
        MenuTour::SetUp();
        app = std::make_unique<cGarden>();
        AddEntries(app->GetRegistry());
        ASSERT_EQ(app->Init(), 0);
        game->Resize(kWindowWidth, kWindowHeight);
        for (const auto& [name, script] : {std::pair{"map", "map.lua"}, std::pair{"achieve", "achieve.lua"},
                                          std::pair{"options", "options.lua"}}) {
            app->FillWindow(name, std::string("{StaticPath}/gui/") + script, app->GetRegistry().MakeWindowFunction(name));
        }
        ASSERT_EQ(app->GetActivePlayer(), nullptr);
    }
    void Open(const std::string& window)
    {
        app->ShowWindow(window, 1);
        UpdateGui();
    }
    void Press(const std::string& window, const std::string& control)
    {
        PostClick(game->gui->FindWindow(window), control);
        UpdateGui();
    }
    // The windows alone: the splash screen must not run on into the game.
    void UpdateGui()
    {
        for (int i = 0; i < kSettleFrames; ++i) game->gui->Update(test::kTick);
    }
};

TEST_F(MenusNoPlayerTest, Windows_ActForNobody)
{
    Open("achieve");
    EXPECT_EQ(Control<vrk::cLabelCtrl>("achieve", "score")->GetText(), vrk::FindText("[AchieveScore]") + ": 0");

    Open("map");
    const std::string before = Focused();
    Press("map", "play");
    EXPECT_EQ(Focused(), before);
    EXPECT_TRUE(IsOpen("map"));

    Open("options");
    auto* hints = Control<vrk::cCheckBoxSysCtrl>("options", "cbHints");
    ASSERT_NE(hints, nullptr);
    EXPECT_FALSE(hints->IsChecked());
    const vrk::GuiRect box = hints->GetRect();
    Click(static_cast<int32_t>(box.x + box.width / 2.0f), kWindowHeight - static_cast<int32_t>(box.y + box.height / 2.0f));
    // The box took the click; the handler takes it back.
    EXPECT_TRUE(hints->IsChecked());
    UpdateGui();
    EXPECT_FALSE(hints->IsChecked());
}

}  // namespace
