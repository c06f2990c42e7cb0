// The map screen: the cups earned from the player's level records, the scene kept
// across visits with the weather cleared on leaving, and the editor palette.
#include "game/screens/map_widget.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/app/player_base.h"
#include "framework/objects/particle_emitter_params.h"
#include "framework/objects/particle_store.h"
#include "tests/framework/widgets/screen_fixtures.h"
#include "tests/game/support/game_tour.h"
#include "tests/game/support/palette_recorder.h"

namespace {

class MapCupsTest : public test::GameTour {
protected:
    bool HasCup(const char* name)
    {
        const uint32_t index = app->FindAchievement(name);
        const std::vector<float>& progress = app->GetActivePlayer()->achievementProgress;
        return index < progress.size() && progress[index] >= 1.0f;
    }
    void VisitMap()
    {
        app->ShowComics("map", "menu");
        ASSERT_EQ(Focused(), "map");
        app->ShowComics("menu", "map");
    }
};

TEST_F(MapCupsTest, Cups_FollowTheLowestStateOfEveryLevelAndAMissingRecordIsClosed)
{
    StartGame();
    cPlayerBase* player = app->GetActivePlayer();
    ASSERT_NE(player, nullptr);
    const size_t levels = app->GetLevelCount();

    // A profile that knows one level less: that level counts as never opened.
    player->levelRecords.assign(levels - 1, PlayerLevelRecord{});
    for (PlayerLevelRecord& record : player->levelRecords) record.state = kLevelGold;
    VisitMap();
    EXPECT_FALSE(HasCup(cMapWidget::kBronzeCup));

    // One level open but not won blocks every cup.
    player->levelRecords.assign(levels, PlayerLevelRecord{});
    for (PlayerLevelRecord& record : player->levelRecords) record.state = kLevelGold;
    player->levelRecords[17].state = kLevelOpen;
    VisitMap();
    EXPECT_FALSE(HasCup(cMapWidget::kBronzeCup));

    for (PlayerLevelRecord& record : player->levelRecords) record.state = kLevelSilver;
    VisitMap();
    EXPECT_TRUE(HasCup(cMapWidget::kBronzeCup));
    EXPECT_TRUE(HasCup(cMapWidget::kSilverCup));
    EXPECT_FALSE(HasCup(cMapWidget::kGoldCup));

    for (PlayerLevelRecord& record : player->levelRecords) record.state = kLevelGold;
    VisitMap();
    EXPECT_TRUE(HasCup(cMapWidget::kGoldCup));
}

class MapWidgetTest : public test::ScreenTest {
protected:
    void SetUp() override
    {
        StartGame();
        ASSERT_EQ(middle_.GetLevelFiles().GetMapStream()->LoadFromFile(KELVARA_SOURCE_DIR "/data/level/map.lvl"), 0);
    }
    size_t ObjectCount() const
    {
        size_t count = 0;
        for (const ObjectList& layer : widget_.GetLayers()) count += layer.size();
        return count;
    }

    test::PaletteRecorder<cMapWidget> widget_;
};

TEST_F(MapWidgetTest, Leaving_KeepsTheSceneForTheNextVisitAndClearsTheWeather)
{
    widget_.OnFocus();
    EXPECT_EQ(widget_.GetLevelWidth(), cMapWidget::kSceneWidth);
    EXPECT_EQ(widget_.GetLevelHeight(), cMapWidget::kSceneHeight);
    const size_t count = ObjectCount();
    widget_.SetObjectLayer(widget_.CreateObject(kTypeDecor, 0), 3);
    middle_.GetWeather().rain.AddParams(std::make_shared<EmitterParams>());

    widget_.OnUnfocus();
    EXPECT_TRUE(middle_.GetWeather().rain.Sources().empty());
    widget_.OnFocus();
    EXPECT_EQ(ObjectCount(), count + 1);
}

TEST_F(MapWidgetTest, PaletteEvent_ListsTheMapsSceneryInOrder)
{
    widget_.OnGuiEvent(0, "second", 0);
    ASSERT_EQ(widget_.clears, 1);
    ASSERT_EQ(widget_.items.size(), 13u);
    EXPECT_EQ(widget_.items[0], (test::PaletteItem{"map_ready", kTypeMapPoint, ""}));
    EXPECT_EQ(widget_.items[1], (test::PaletteItem{"map_pt", kTypeMapPath, ""}));
    EXPECT_EQ(widget_.items[4], (test::PaletteItem{"map_cloud0", kTypeFlyDecor, "map_cloud0"}));
    EXPECT_EQ(widget_.items[7], (test::PaletteItem{"map_ship0", kTypeDecor, "wave=map_ship0;0.9;2;0.6;2;0.8;0.035"}));
    EXPECT_EQ(widget_.items[12], (test::PaletteItem{"part_leaf", kTypeParticlesDecor, "pillar_snow=16"}));

    // A placed item's event is the editor's, not the palette's.
    widget_.OnGuiEvent(kTypeDecor, "simple=map_back0", 2);
    EXPECT_EQ(widget_.clears, 1);
    EXPECT_EQ(widget_.GetPendingType(), kTypeDecor);
}

}  // namespace
