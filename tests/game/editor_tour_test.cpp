// The level editor in the real game on the data tree: with the developer flag on,
// Tab opens the level in the editor; every palette menu fills with all its icons;
// an object chosen in the palette and placed in the scene is still there after Tab
// back to play, and in the level's stored copy.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/files/byte_stream.h"
#include "engine/gui/ctrl.h"
#include "engine/gui/find_control.h"
#include "engine/gui/gui.h"
#include "engine/gui/list_ctrl.h"
#include "engine/render/texture.h"
#include "framework/app/player_base.h"
#include "framework/widgets/editor_toolbar_ctrl.h"
#include "game/editor/editor_palette.h"
#include "game/level/magic_widget.h"
#include "objects/level_contract.h"
#include "tests/game/support/game_tour.h"

namespace {

constexpr const char* kLevel = KELVARA_SOURCE_DIR "/tests/data/levels/tour_test.lvl";
constexpr uint32_t kLevelIndex = 3;
constexpr int32_t kTabKey = 9;
constexpr const char* kPlaced = "tree00_2";
constexpr const char* kBackIcon = "editor_back";

class EditorTourTest : public test::GameTour {
protected:
    // The menus' "editor_back" icon comes with the game's menu art; until the data
    // tree has it, the palette shows its menus without that entry.
    static bool HasBackIcon() { return vrk::FindTexture(kBackIcon) != nullptr; }
    static size_t ShownItems(const std::string& menu)
    {
        size_t count = 0;
        for (const PaletteItem& item : FindPaletteMenu(menu)) count += HasBackIcon() || item.icon != kBackIcon ? 1 : 0;
        return count;
    }
    std::vector<std::string> OtherWarnings() const
    {
        std::vector<std::string> found;
        std::vector<std::string> lines = Complaints();
        for (const std::string& line : Warnings()) lines.push_back(line);
        for (const std::string& line : lines) {
            if (HasBackIcon() || line.find(kBackIcon) == std::string::npos) found.push_back(line);
        }
        return found;
    }

    // The level file in the slot the tour plays, shown on a fresh profile with the
    // developer's keys on.
    cMagicWidget* PlayLevelFile(const char* file)
    {
        StartGame();
        cPlayerBase* player = app->LogonPlayer("") == 0 ? app->GetActivePlayer() : nullptr;
        vrk::cByteStream* stream = app->GetLevelFiles().GetLevelStream(kLevelIndex);
        if (player == nullptr || stream == nullptr || stream->LoadFromFile(file) != 0) return nullptr;
        player->currentLevel = kLevelIndex;
        app->developerFlag = 1;
        auto* screen = Screen<cMagicWidget>("level");
        if (screen == nullptr) return nullptr;
        app->ShowComics("level", "menu");
        Frames(test::kSceneTicks);
        return screen;
    }

    vrk::cListCtrl* Palette() { return dynamic_cast<vrk::cListCtrl*>(vrk::FindControl("editor", "second")); }
    // Clicks the palette item with that set-up name, through the window as the
    // player does; false when there is none.
    bool ClickPaletteItem(const std::string& itemName)
    {
        vrk::cListCtrl* palette = Palette();
        for (uint32_t i = 0; palette != nullptr && i < palette->GetItemCount(); ++i) {
            auto* item = dynamic_cast<cEditorToolbarItemCtrl*>(palette->GetItem(i));
            if (item == nullptr || item->itemName != itemName) continue;
            const vrk::GuiRect rect = item->GetRect();
            // GUI points count up from the bottom, window pixels down from the top.
            Click(static_cast<int32_t>(rect.x + rect.width / 2.0f),
                  kWindowHeight - static_cast<int32_t>(rect.y + rect.height / 2.0f));
            Frames(2);
            return true;
        }
        return false;
    }
};

TEST_F(EditorTourTest, TabOpensTheEditorAndAPlacedObjectIsThereBackInPlay)
{
    cMagicWidget* screen = PlayLevelFile(kLevel);
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->GetMode(), kModePlay);
    lines.clear();

    PressKey(kTabKey);
    Frames(2);
    ASSERT_EQ(screen->GetMode(), kModeEditor);
    EXPECT_FALSE(screen->IsEditorOnLoad());
    EXPECT_TRUE(game->gui->IsWindowOpen("editor"));
    ASSERT_NE(Palette(), nullptr);
    EXPECT_EQ(Palette()->GetItemCount(), ShownItems("second"));

    // Every menu shows every icon: each names a sprite (with the frame shown) or a
    // texture of the data tree.
    for (const char* menu : {"level", "res", "build", "decor", "man", "barrier", "animals", "effects", "second"}) {
        screen->SendEditorCommand(0, menu, 0);
        EXPECT_EQ(Palette()->GetItemCount(), ShownItems(menu)) << menu;
    }
    EXPECT_TRUE(OtherWarnings().empty()) << WarningText();

    ASSERT_TRUE(ClickPaletteItem("res"));
    ASSERT_TRUE(ClickPaletteItem(kPlaced));
    ASSERT_EQ(screen->GetPendingType(), kTypeSource);
    ObjectList before;
    screen->FindObjectsBySprite(before, kPlaced, -1);
    Click(500, 400);
    Frames(2);
    ObjectList placed;
    screen->FindObjectsBySprite(placed, kPlaced, -1);
    ASSERT_EQ(placed.size(), before.size() + 1);
    const vec2 where = placed.back()->GetPosition();

    PressKey(kTabKey);
    Frames(test::kSceneTicks);
    ASSERT_EQ(screen->GetMode(), kModePlay);
    EXPECT_FALSE(screen->IsEditorOnLoad());
    EXPECT_FALSE(game->gui->IsWindowOpen("editor"));
    ObjectList after;
    screen->FindObjectsBySprite(after, kPlaced, -1);
    ASSERT_EQ(after.size(), placed.size());
    bool found = false;
    for (cObject* object : after) found = found || (object->GetPosition() - where).Length() < 0.01f;
    EXPECT_TRUE(found);
    EXPECT_TRUE(OtherWarnings().empty()) << WarningText();
}


// What a start of play sets up that the editor shows otherwise: the mill's
// pick-up, hidden in play, and the clouds over cut-off workers.
struct PlaySetUp {
    std::string pickUpAnimation;
    int32_t pickUpState = 0;
    size_t clouds = 0;
    bool operator==(const PlaySetUp&) const = default;
};

PlaySetUp ReadPlaySetUp(cMagicWidget& screen)
{
    PlaySetUp seen;
    if (cObject* item = screen.FindObject("item_food", -1)) {
        seen.pickUpAnimation = item->GetAnimationKey();
        seen.pickUpState = item->GetState();
    }
    ObjectList all;
    screen.FindObjectsOfKind(all, kTypeObject, -1);
    for (const cObject* object : all) seen.clouds += object->GetTypeId() == kTypeWorkerCloud ? 1 : 0;
    return seen;
}

TEST_F(EditorTourTest, TabOutOfTheEditorStartsTheLevelAsPlayDoes)
{
    cMagicWidget* screen = PlayLevelFile(KELVARA_SOURCE_DIR "/tests/data/levels/level_start_test.lvl");
    ASSERT_NE(screen, nullptr);
    ASSERT_EQ(screen->GetMode(), kModePlay);
    // The worker on the island thinks of help; the pick-up waits hidden in the mill.
    const PlaySetUp play = ReadPlaySetUp(*screen);
    EXPECT_EQ(play.clouds, 1u);
    EXPECT_EQ(play.pickUpState, -1);

    PressKey(kTabKey);
    Frames(2);
    ASSERT_EQ(screen->GetMode(), kModeEditor);
    EXPECT_NE(ReadPlaySetUp(*screen), play);

    PressKey(kTabKey);
    Frames(test::kSceneTicks);
    ASSERT_EQ(screen->GetMode(), kModePlay);
    EXPECT_EQ(ReadPlaySetUp(*screen), play);
}

}  // namespace
