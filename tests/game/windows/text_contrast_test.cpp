// Every window of the game that shows text, opened in the real game the way a player
// meets it and drawn into a hidden OpenGL window: each text control's letters must
// read against what is drawn behind them at a ratio of 4.5 : 1 or more. The player
// list with two names is checked with the pointer away and on the name not chosen;
// the latter is written as "profile_select_screenshot.png" beside the build.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/gui/gui.h"
#include "engine/gui/list_sys_ctrl.h"
#include "engine/text/text_table.h"
#include "framework/objects/object_owner.h"
#include "game/level/magic_widget.h"
#include "tests/game/support/menu_tour.h"
#include "tests/game/support/text_contrast.h"
#include "tests/objects/support/level_screenshot.h"

namespace {

// The real level with an opening talk and tasks in its top bar.
constexpr uint32_t kTalkLevel = 2;
// A rest for the cursor on the open level, away from its windows.
constexpr int32_t kRestX = 600;
constexpr int32_t kRestY = 500;
// How far inside a name's text box the pointer rests to hover its row.
constexpr int32_t kPointerInName = 2;
// Frames enough for the finish window to count its results to the end.
constexpr int kFinishCountFrames = 150;

class TextContrastTest : public test::GameShot<test::MenuTour> {
protected:
    TextContrastTest() : GameShot("text contrast") {}

    // Draws the game with and without the window's texts and checks each text's
    // letters against what is behind them; the worst ratio goes to the summary.
    void CheckWindow(const std::string& window, const char* shotName = nullptr)
    {
        ASSERT_TRUE(IsOpen(window)) << window;
        const std::vector<test::WindowText> texts = test::TextsOf(*game->gui->FindWindow(window));
        ASSERT_FALSE(texts.empty()) << window << " shows no text";
        for (const test::WindowText& text : texts) text.Set(std::string());
        DrawGame();
        const port::BackBufferImage behind = image_;
        for (const test::WindowText& text : texts) text.Set(text.text);
        DrawGame();
        if (shotName != nullptr) test::SaveShotPng(image_, kWidth, kHeight, shotName);
        double worst = 0.0;
        for (const test::WindowText& text : texts) {
            const test::TextReading reading = test::ReadText(
                text.box, kWidth, kHeight, [&](int x, int y) { return At(x, y); },
                [&](int x, int y) { return test::PixelAt(behind, kHeight, x, y); });
            const std::string where = window + " / " + text.name + " \"" + text.text + "\"";
            EXPECT_GT(reading.letters, 0) << where << ": no letters drawn";
            EXPECT_GE(reading.contrast, test::kLeastTextContrast) << where;
            if (worst == 0.0 || reading.contrast < worst) worst = reading.contrast;
        }
        summary_ += window + " " + std::to_string(texts.size()) + " texts, least " + std::to_string(worst) + "\n";
    }
    void Rest() { MoveMouse(kRestX, kWindowHeight - kRestY); }

    std::string summary_;
};

TEST(TextContrastRatio, BlackOnWhiteIsTwentyOneEqualColoursOneAndTheOrderDoesNotMatter)
{
    const test::ShotRgb white{255, 255, 255};
    const test::ShotRgb black{0, 0, 0};
    const test::ShotRgb blue{0x4A, 0x86, 0xD0};
    EXPECT_NEAR(test::ContrastRatio(black, white), 21.0, 1e-9);
    EXPECT_NEAR(test::ContrastRatio(blue, blue), 1.0, 1e-9);
    EXPECT_NEAR(test::ContrastRatio(white, blue), 3.74, 0.01);
    EXPECT_DOUBLE_EQ(test::ContrastRatio(white, blue), test::ContrastRatio(blue, white));
}

TEST_F(TextContrastTest, EveryWindowWithText_ReadsAtLeastFourAndAHalfToOneOnWhatIsBehindIt)
{
    // The first name, the menu and its dialogs.
    StartFirstRun();
    CheckWindow("profile_new");
    EnterName("profile_new", "Ann");
    CheckWindow("menu");
    ClickControl("menu", "btExit");
    CheckWindow("messagebox");
    ClickControl("messagebox", "cancel");
    ClickControl("menu", "btOptions");
    CheckWindow("options");
    ClickControl("options", "btBack");
    ClickControl("menu", "btAchieves");
    CheckWindow("achieve");
    ClickControl("achieve", "back");

    // The player list with two names: the chosen one on its band, the other hovered.
    ClickControl("menu", "btProfile");
    ClickControl("profile_select", "btAdd");
    CheckWindow("profile_add");
    EnterName("profile_add", "Bo");
    ASSERT_TRUE(IsOpen("profile_select"));
    auto* list = Control<vrk::cListSysCtrl>("profile_select", "lstProfile");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->GetItemCount(), 2u);
    const uint32_t chosen = list->FindNextSelected(0);
    ASSERT_LT(chosen, 2u);
    Rest();
    Settle();
    CheckWindow("profile_select");
    // A row takes the hover colour under the pointer on its name; the pointer rests
    // at the name's bottom right, so the cursor below it hides no letter.
    const auto* other = dynamic_cast<const vrk::cLabelCtrl*>(list->GetItem(1 - chosen));
    ASSERT_NE(other, nullptr);
    const vrk::GuiRect name = other->GetTextRect();
    MoveMouse(static_cast<int32_t>(name.x + name.width) - kPointerInName,
              kWindowHeight - static_cast<int32_t>(name.y) - kPointerInName);
    Settle();
    EXPECT_EQ(other->GetColor(), list->GetHoverTextColor());
    CheckWindow("profile_select", "profile_select_screenshot.png");
    ClickControl("profile_select", "btDelete");
    CheckWindow("messagebox");
    ClickControl("messagebox", "cancel");
    ClickControl("profile_select", "btOk");
    ASSERT_TRUE(IsOpen("menu"));

    // The map, then a level with its talk, top bar, task tooltip and pop-ups.
    ClickControl("menu", "btStart");
    ASSERT_EQ(Focused(), "map");
    // The menu fades out over the map for longer than a window's fade.
    Settle();
    CheckWindow("map");
    Rest();
    cMagicWidget* level = ShowLevel(kTalkLevel, test::kSceneTicks);
    ASSERT_NE(level, nullptr);
    CheckWindow("talk");
    level->EndTalk();
    Frames(test::kSceneTicks);
    CheckWindow("level");
    const vrk::GuiRect task = Control("level", "frame_task1")->GetRect();
    MoveMouse(static_cast<int32_t>(task.x + task.width / 2),
              kWindowHeight - static_cast<int32_t>(task.y + task.height / 2));
    Settle();
    CheckWindow("level_task");
    Rest();
    Settle();
    app->PopupAchieve("achieve_wood", "achieve_wood");
    Settle();
    CheckWindow("level_achieve");
    Key(kKeyEscape);
    CheckWindow("escape");
    ClickControl("escape", "btResume");
    Rest();

    // The caption pattern and the editor's dialogs, shown as they are.
    Control("hint", "text")->SetText(vrk::FindText("Talk002_1"), 0);
    game->gui->ShowWindow("hint");
    Settle();
    CheckWindow("hint");
    game->gui->CloseWindow("hint");
    Control("train", "text")->SetText(vrk::FindText("Talk002_1"), 0);
    game->gui->ShowWindow("train");
    Settle();
    CheckWindow("train");
    game->gui->CloseWindow("train");
    game->gui->ShowWindow("name");
    Control("name", "name")->SetText(level->GetLevelName(), 0);
    Settle();
    CheckWindow("name");
    game->gui->CloseWindow("name");
    for (const char* dialog : {"object", "freeze"}) {
        game->gui->ShowWindow(dialog);
        Settle();
        CheckWindow(dialog);
        game->gui->CloseWindow(dialog);
    }

    // The level's two ends.
    level->levelTime = 90.0f;
    level->timeLimit = 200.0f;
    level->resourceTotal = 40;
    level->builds = 3;
    app->ShowWindow("finish", 0);
    Frames(kFinishCountFrames);
    CheckWindow("finish");
    game->gui->CloseWindow("finish");
    level->gameOverText = vrk::FindText("GameOver_009");
    level->PostEvent(kEventLevelEnd, 0);
    Settle();
    CheckWindow("game_over");

    std::printf("%s", summary_.c_str());
}

}  // namespace
