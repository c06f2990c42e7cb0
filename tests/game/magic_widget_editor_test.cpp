// The level screen as the level editor: the palette's menus against their tables,
// the level commands (store, save, step, move, clear), Tab and R and the
// editor-on-load flag, the item drop into a plant and the overlay's texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "engine/files/byte_stream.h"
#include "framework/app/player_base.h"
#include "framework/objects/small_math.h"
#include "objects/item.h"
#include "objects/level_contract.h"
#include "objects/plant.h"
#include "tests/engine/files/files_test_support.h"
#include "tests/framework/widgets/screen_fixtures.h"
#include "tests/game/support/editor_magic_widget.h"
#include "tests/support/temp_folder.h"

namespace {

using Item = test::EditorMagicWidget::Item;

constexpr const char* kStartLevel = KELVARA_SOURCE_DIR "/tests/data/levels/level_start_test.lvl";
constexpr uint32_t kLevels = 40;
constexpr uint32_t kTab = 9;
constexpr uint32_t kR = 82;

// "icon:frame:value:name" items, blank-separated, as the palette tables give them.
std::vector<Item> Items(const std::string& text)
{
    std::vector<Item> items;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        std::istringstream fields(word);
        Item item;
        std::string frame;
        std::string value;
        std::getline(fields, item.icon, ':');
        std::getline(fields, frame, ':');
        std::getline(fields, value, ':');
        std::getline(fields, item.name);
        item.frame = std::stoi(frame);
        item.value = std::stoi(value);
        items.push_back(item);
    }
    return items;
}

const std::vector<std::pair<std::string, std::string>> kMenus = {
    {"second", "editor_level:0:0:level editor_road_edit:0:11: editor_info:0:4: editor_node:0:3: food:0:0:res "
               "house00:4:0:build pad00_1x1:0:0:decor worker_run0:0:0:man stone00:0:0:barrier "
               "chip_run0:0:0:animals part_leaf:0:0:effects"},
    {"level", "editor_back:0:0:second editor_prev:0:0:level_prev editor_next:0:0:level_next "
              "editor_level_down:0:0:level_down editor_level_up:0:0:level_up editor_level_del:0:0:level_clear"},
    {"res", "editor_back:0:0:second food:0:108:food wood:0:108:wood money:0:108:money mana:0:108:mana "
            "field00:0:111:field00 field01:0:111:field01 nugget00:0:106:nugget00 tree00_0:0:106:tree00_0 "
            "tree00_1:0:106:tree00_1 tree00_2:0:106:tree00_2 tree00_3:0:106:tree00_3 tree01_0:0:106:tree01_0 "
            "tree01_1:0:106:tree01_1 tree01_2:0:106:tree01_2 well00:0:106:well00"},
    {"build", "editor_back:0:0:second base00:0:101:base00 house00:4:101:house00 sawmill00:4:107:sawmill00 "
              "mill00:3:107:mill00 goldmill00:4:107:goldmill00 altar00:0:110:altar00 base00_flag:0:124:bonfire00 "
              "lighthouse00:3:126:lighthouse00 ruins00:4:126:ruins00 castle_ice:0:126:castle_ice "
              "tower_advisor:0:126:tower_advisor tower_advisor_pad:0:2:simple=tower_advisor_pad "
              "source_life_water:0:126:source_life_water source_water:0:2:anim=source_water "
              "source_fountain:0:2:anim=source_fountain"},
    {"decor", "editor_back:0:0:second pad00_1x1:0:2:simple=pad00_1x1 pad00_2x2:0:2:simple=pad00_2x2 "
              "pad00_3x2:0:2:simple=pad00_3x2 pad00_3x3:0:2:simple=pad00_3x3 pad01_1x1:0:2:simple=pad01_1x1 "
              "pad01_2x2:0:2:simple=pad01_2x2 pad01_3x2:0:2:simple=pad01_3x2 pad01_3x3:0:2:simple=pad01_3x3 "
              "pad02_1x1:0:2:simple=pad02_1x1 pad02_2x2:0:2:simple=pad02_2x2 pad02_3x2:0:2:simple=pad02_3x2 "
              "pad02_3x3:0:2:simple=pad02_3x3 water00:0:2:anim=water00 water01:0:2:anim=water01 "
              "effect_lava_base:0:2:simple=effect_lava_base effect_lava_add:0:2:offset=effect_lava_add;0.02;0.02"},
    {"man", "editor_back:0:0:second worker_run0:0:104: hero_run0:0:109: wife_run0:0:122: bell00:0:123: "
            "succub_walk0:0:113:succub skeleton_walk0:0:113:skeleton witch_walk0:0:113:witch "
            "goblin_walk0:0:113:goblin_money goblin_pick0:0:113:goblin_wood editor_node:0:119: prison:0:120: "
            "goblin_fear0:0:118:bandit tower00:0:115:tower00 tower_enemy00:0:115:tower_enemy00 "
            "skeleton_death0:0:127:skeleton_wizard altar00:0:128: tank:0:129:"},
    {"barrier", "editor_back:0:0:second log00:0:102:log00 stone00:0:102:stone00 stone_big00:0:102:stone_big00 "
                "bridge00:0:102:bridge00 bridge01:0:102:bridge01 bridge_big00:0:102:bridge_big00 "
                "bridge_big01:0:102:bridge_big01 ice:0:112:lake00"},
    {"animals", "editor_back:0:0:second chip_run0:0:17:chip rabbit_run0:0:17:rabbit butterfly:0:2:anim=butterfly "
                "bird00_idle:0:6:bird00_lr bird01_idle:0:6:bird01_lr bird02_idle:0:6:bird02_lr "
                "magic_cloud:0:6:magic_cloud"},
    {"effects", "editor_back:0:0:second part_fog:0:5:fog part_fire:0:5:fire part_smoke:0:5:smoke"},
};

class MagicWidgetEditorTest : public test::ScreenTest {
protected:
    void SetUp() override
    {
        middle_.levelCount = kLevels;
        StartGame();
        // Levels 0, 1, 38 and 39 hold small scenes named after their place.
        for (uint32_t index : {0u, 1u, 38u, 39u}) {
            WriteScene(*Stream(index), "L" + std::to_string(index), {{kTypeBack, "back"}});
        }
    }
    vrk::cByteStream* Stream(uint32_t index) { return middle_.GetLevelFiles().GetLevelStream(index); }
    // The level at that index, loaded and shown in the editor.
    void EditLevel(uint32_t index)
    {
        Player()->SetCurrentLevel(static_cast<int32_t>(index));
        ASSERT_TRUE(screen.StartGame());
        screen.SetMode(kModeEditor);
    }
    void Send(const std::string& name, int32_t value = 0, int32_t index = 0)
    {
        screen.SendEditorCommand(value, name, index);
    }

    test::EditorMagicWidget screen;
};

TEST_F(MagicWidgetEditorTest, EveryMenuEventFillsThePaletteWithItsTableAndValuesNeverRebuildIt)
{
    EditLevel(0);
    // Entering the editor opens the top menu (and the level's window).
    EXPECT_EQ(screen.palette, Items(kMenus[0].second));
    EXPECT_EQ(middle_.windows.back().first, "level");
    for (const auto& [menu, items] : kMenus) {
        Send(menu);
        EXPECT_EQ(screen.palette, Items(items)) << menu;
    }
    // A category's entry also reaches the base handler, which leaves no choice behind.
    Send("build");
    EXPECT_EQ(screen.GetPendingType(), 0);

    // Values choose what to place, whatever the name says.
    const int fills = screen.paletteFills;
    Send("altar00", kTypeAltar, 6);
    EXPECT_EQ(screen.GetPendingType(), kTypeAltar);
    EXPECT_EQ(screen.GetPendingSprite(), "altar00");
    Send("", kTypeAltarEnemy, 16);
    EXPECT_EQ(screen.GetPendingType(), kTypeAltarEnemy);
    EXPECT_EQ(screen.GetPendingSprite(), "");
    Send("res", kTypeItem, 1);
    Send("second", kTypeNode, 3);
    EXPECT_EQ(screen.GetPendingType(), kTypeNode);
    EXPECT_EQ(screen.paletteFills, fills);
    EXPECT_EQ(screen.palette, Items(kMenus[3].second));
}

TEST_F(MagicWidgetEditorTest, LevelStepsStayInsideTheLevelsAndComeBackInTheEditorWithTheLevelTools)
{
    EditLevel(0);
    Send("level_prev");
    EXPECT_EQ(screen.GetMode(), kModeLoading);
    EXPECT_TRUE(screen.IsEditorOnLoad());
    ASSERT_TRUE(screen.TickUntilMode(kModeEditor));
    EXPECT_FALSE(screen.IsEditorOnLoad());
    EXPECT_EQ(Player()->currentLevel, 0u);
    EXPECT_EQ(screen.GetLevelName(), "L0");
    EXPECT_EQ(screen.palette, Items(kMenus[1].second));

    Send("level_next");
    ASSERT_TRUE(screen.TickUntilMode(kModeEditor));
    EXPECT_EQ(Player()->currentLevel, 1u);
    EXPECT_EQ(screen.GetLevelName(), "L1");

    EditLevel(39);
    Send("level_next");
    ASSERT_TRUE(screen.TickUntilMode(kModeEditor));
    EXPECT_EQ(Player()->currentLevel, 39u);
    EXPECT_EQ(screen.GetLevelName(), "L39");
    Send("level_prev");
    ASSERT_TRUE(screen.TickUntilMode(kModeEditor));
    EXPECT_EQ(screen.GetLevelName(), "L38");
}

TEST_F(MagicWidgetEditorTest, LevelMovesChangeTheOrderButNotPastEitherEndAndClearOnlyClicks)
{
    EditLevel(0);
    const std::vector<unsigned char> first = Stream(0)->Bytes();
    Send("level_up");
    EXPECT_EQ(Player()->currentLevel, 0u);
    EXPECT_EQ(Stream(0)->Bytes(), first);
    Send("level_down");
    EXPECT_EQ(Player()->currentLevel, 1u);
    EXPECT_EQ(Stream(1)->Bytes(), first);
    Send("level_up");
    EXPECT_EQ(Player()->currentLevel, 0u);
    EXPECT_EQ(Stream(0)->Bytes(), first);

    EditLevel(39);
    const std::vector<unsigned char> last = Stream(39)->Bytes();
    Send("level_down");
    EXPECT_EQ(Player()->currentLevel, 39u);
    EXPECT_EQ(Stream(39)->Bytes(), last);

    const size_t objects = screen.GetLayers()[0].size() + screen.GetLayers()[5].size();
    Send("level_clear");
    EXPECT_EQ(screen.GetMode(), kModeEditor);
    EXPECT_EQ(Player()->currentLevel, 39u);
    EXPECT_EQ(screen.GetLayers()[0].size() + screen.GetLayers()[5].size(), objects);
    EXPECT_EQ(Stream(39)->Bytes(), last);
}

TEST_F(MagicWidgetEditorTest, StoredLevelReloadsWithItsObjectsAndSaveWritesOnlyLevelsIntoTheStaticFolder)
{
    vrk::cByteStream start;
    ASSERT_EQ(start.LoadFromFile(kStartLevel), 0);
    *Stream(2) = start;
    EditLevel(2);
    Send("nugget00", kTypeSource, 7);
    screen.PressAt(vec2{420.0f, 310.0f});
    ASSERT_TRUE(screen.SaveCurrentLevel());
    ASSERT_TRUE(screen.StartGame());
    EXPECT_EQ(screen.GetLevelName(), "level_start_test");
    ObjectList sources;
    screen.FindObjectsBySprite(sources, "nugget00", -1);
    bool found = false;
    for (cObject* source : sources) found = found || (source->GetPosition() - vec2{420.0f, 310.0f}).Length() < 0.01f;
    EXPECT_TRUE(found);
    EXPECT_EQ(screen.GetGridWidth(), 31);

    // "_save": every level stream that holds a level to its file; the empty ones
    // keep their files.
    test::TempFolder folder;
    std::filesystem::create_directories(folder.Path() / "level");
    const std::string kept = folder.Write("level/level005.lvl", "old level five");
    test::MacroScope macros({{"{StaticPath}", folder.Str()}});
    Send("_save");
    vrk::cByteStream written;
    ASSERT_EQ(written.LoadFromFile(folder.Str() + "/level/level002.lvl"), 0);
    EXPECT_EQ(written.Bytes(), Stream(2)->Bytes());
    ASSERT_EQ(written.LoadFromFile(folder.Str() + "/level/level039.lvl"), 0);
    EXPECT_EQ(written.Bytes(), Stream(39)->Bytes());
    ASSERT_EQ(written.LoadFromFile(kept), 0);
    EXPECT_EQ(std::string(written.Bytes().begin(), written.Bytes().end()), "old level five");
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "level" / "level006.lvl"));
}

TEST_F(MagicWidgetEditorTest, TabLeavesTheEditorWithTheEditedLevelAndTheFlagDoesNotOutliveIt)
{
    middle_.developerFlag = 1;
    Player()->SetCurrentLevel(1);
    screen.OnFocus();
    ASSERT_TRUE(screen.TickUntilMode(kModePlay));

    screen.Key(kTab);
    EXPECT_EQ(screen.GetMode(), kModeEditor);
    EXPECT_FALSE(screen.IsEditorOnLoad());
    Send("wood", kTypeItem, 2);
    screen.PressAt(vec2{200.0f, 220.0f});

    // R stores and reloads in the editor: the new item is there after the reload.
    screen.Key(kR);
    EXPECT_EQ(screen.GetMode(), kModeEditor);
    ObjectList items;
    EXPECT_EQ(screen.FindObjectsOfKind(items, kTypeItem, -1), 1u);

    screen.Key(kTab);
    EXPECT_FALSE(screen.IsEditorOnLoad());
    ASSERT_TRUE(screen.TickUntilMode(kModePlay));
    EXPECT_EQ(screen.FindObjectsOfKind(items, kTypeItem, -1), 1u);
    EXPECT_EQ(screen.GetLevelName(), "L1");

    // A restart later comes back in play, not in the editor.
    screen.OnFocus();
    ASSERT_TRUE(screen.TickUntilMode(kModePlay));
    EXPECT_EQ(screen.FindObjectsOfKind(items, kTypeItem, -1), 1u);
}

TEST_F(MagicWidgetEditorTest, ItemDroppedInsideAPlantJoinsItButNotOnTheFrameEdge)
{
    vrk::cByteStream start;
    ASSERT_EQ(start.LoadFromFile(kStartLevel), 0);
    *Stream(2) = start;
    // The mill's pictures, site and stages, give it a 96 x 96 frame round its position.
    for (const char* sprite : {"zone2x2", "mill00", "mill00_up1", "mill00_up2"})
        test::RegisterTestSprite(sprite, 5, 0.0f, 96.0f, 96.0f, 48.0f, 48.0f);
    EditLevel(2);
    auto* mill = dynamic_cast<cPlant*>(screen.FindObject("mill", -1));
    ASSERT_NE(mill, nullptr);
    mill->SetLinkedItem(nullptr);
    Rect frame;
    mill->GetFrameRect(frame, -1);
    ASSERT_GT(frame.width, 0.0f);

    Send("money", kTypeItem, 3);
    screen.PressAt(vec2{frame.x, frame.y + frame.height / 2.0f});
    ASSERT_EQ(screen.GetSelection().size(), 1u);
    cObject* onEdge = screen.GetSelection().front();
    EXPECT_EQ(onEdge->GetLinkId(), 0);
    EXPECT_EQ(mill->GetLinkedItem(), nullptr);

    screen.PressAt(vec2{frame.x + frame.width / 2.0f, frame.y + frame.height / 2.0f});
    ASSERT_EQ(screen.GetSelection().size(), 1u);
    auto* inside = dynamic_cast<cItem*>(screen.GetSelection().front());
    ASSERT_NE(inside, nullptr);
    EXPECT_EQ(inside->GetLinkId(), mill->GetId());
    EXPECT_EQ(mill->GetLinkedItem(), inside);

    // Another kind of object placed in the plant is left alone.
    Send("nugget00", kTypeSource, 7);
    screen.PressAt(vec2{frame.x + frame.width / 2.0f, frame.y + frame.height / 2.0f});
    EXPECT_EQ(mill->GetLinkedItem(), inside);
    EXPECT_EQ(screen.GetSelection().front()->GetLinkId(), 0);
}

TEST_F(MagicWidgetEditorTest, OverlayShowsLevelNumberAndNameAndTheAreaToolsNote)
{
    EditLevel(38);
    using Line = cMagicWidget::OverlayLine;
    auto same = [](const std::vector<Line>& lines, const std::vector<Line>& expected) {
        if (lines.size() != expected.size()) return false;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].text != expected[i].text || lines[i].x != expected[i].x || lines[i].y != expected[i].y)
                return false;
        }
        return true;
    };
    EXPECT_TRUE(same(screen.ComposeEditorOverlay(), {{"Level: 38", 940.0f, 640.0f}, {"Name: 'L38'", 940.0f, 630.0f}}));
    Send("", 11, 1);
    EXPECT_TRUE(same(screen.ComposeEditorOverlay(), {{"Level: 38", 940.0f, 640.0f},
                                                      {"Name: 'L38'", 940.0f, 630.0f},
                                                      {"Area editing mode on. Some keys are disabled.", 3.0f, 735.0f}}));
}

}  // namespace
