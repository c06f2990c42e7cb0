// A play level through the level editor in the real game: level "000" (two brooks,
// a rock wall, woods along the top) opened with Tab, a nugget placed, and Tab back
// to play saves it. The saved level keeps every cell of its path grid as the level
// file has it, so the brooks and the wall stay where its background paints them,
// and it still shows its own background.
#include <gtest/gtest.h>

#include <string>

#include "engine/files/byte_stream.h"
#include "framework/app/player_base.h"
#include "game/level/magic_widget.h"
#include "objects/level_contract.h"
#include "tests/game/support/game_tour.h"
#include "tests/game/support/terrain_colours.h"
#include "tests/support/temp_folder.h"

namespace {

constexpr const char* kLevelFile = KELVARA_SOURCE_DIR "/data/level/level000.lvl";
constexpr int32_t kTabKey = 9;
constexpr int kLoadTicks = 30;

class LevelTerrainEditorTest : public test::GameTour {};

TEST_F(LevelTerrainEditorTest, Level000SavedFromTheEditor_KeepsItsBrooksWallAndBackground)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    cPlayerBase* player = app->GetActivePlayer();
    ASSERT_NE(player, nullptr);
    player->currentLevel = 0;
    app->developerFlag = 1;
    auto* screen = Screen<cMagicWidget>("level");
    ASSERT_NE(screen, nullptr);
    app->ShowComics("level", "menu");
    Frames(kLoadTicks);
    screen->EndTalk();
    Frames(2);

    PressKey(kTabKey);
    Frames(2);
    ASSERT_EQ(screen->GetMode(), kModeEditor);
    ObjectList nuggets;
    const size_t before = screen->FindObjectsBySprite(nuggets, "nugget00", -1);
    screen->SendEditorCommand(kTypeSource, "nugget00", 7);
    Click(600, 300);
    Frames(2);
    EXPECT_EQ(screen->FindObjectsBySprite(nuggets, "nugget00", -1), before + 1);
    PressKey(kTabKey);
    Frames(kLoadTicks);
    ASSERT_NE(screen->GetMode(), kModeEditor);
    EXPECT_EQ(screen->GetLevelName(), "000");

    test::TerrainLevel kept;
    ASSERT_TRUE(test::ReadTerrainLevel(kLevelFile, kept));
    vrk::cByteStream* stream = app->GetLevelFiles().GetLevelStream(0);
    ASSERT_NE(stream, nullptr);
    test::TempFolder folder;
    const std::string saved = folder.Str() + "/level000.lvl";
    ASSERT_EQ(stream->SaveToFile(saved), 0);
    test::TerrainLevel edited;
    ASSERT_TRUE(test::ReadTerrainLevel(saved, edited));
    int blocked = 0;
    for (int32_t x = 0; x < test::kTerrainGridWidth; ++x) {
        for (int32_t y = 0; y < test::kTerrainGridHeight; ++y) {
            EXPECT_EQ(edited.Cost(x, y), kept.Cost(x, y)) << "cell " << x << "," << y;
            blocked += kept.Cost(x, y) < 0.0f ? 1 : 0;
        }
    }
    // The brooks on columns 11 and 20, the wall on column 8 and the woods.
    EXPECT_GT(blocked, 60);
    EXPECT_EQ(edited.file.GetLevelName(), "000");
    int backs = 0;
    for (cObject* object : edited.file.Objects()) backs += object->GetTypeId() == kTypeBack ? 1 : 0;
    EXPECT_EQ(backs, 1);
}

}  // namespace
