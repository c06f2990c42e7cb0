// The real game with the game's level screen registered: focusing "level" loads
// the active player's current level from the level cache's in-memory copy, links
// and rates it, all without a warning.
#include <gtest/gtest.h>

#include <string>

#include "engine/files/byte_stream.h"
#include "framework/app/player_base.h"
#include "game/level/magic_widget.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "objects/worker.h"
#include "tests/game/support/game_tour.h"

namespace {

constexpr const char* kTourLevel = KELVARA_SOURCE_DIR "/tests/data/levels/tour_test.lvl";

class LevelTourTest : public test::GameTour {};

TEST_F(LevelTourTest, FocusingTheLevelScreenLoadsLinksAndRatesTheCurrentLevel)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    cPlayerBase* player = app->GetActivePlayer();
    ASSERT_NE(player, nullptr);
    auto* screen = Screen<cMagicWidget>("level");
    ASSERT_NE(screen, nullptr);

    // Without the level's bytes the level screen starts an empty level.
    vrk::cByteStream* stream = app->GetLevelFiles().GetLevelStream(player->currentLevel);
    ASSERT_NE(stream, nullptr);
    ASSERT_EQ(stream->LoadFromFile(kTourLevel), 0);
    lines.clear();

    app->ShowComics("level", "menu");
    ASSERT_EQ(Focused(), "level");
    Frames(test::kSceneTicks);

    EXPECT_EQ(screen->GetLevelName(), "tour_test");
    ASSERT_NE(screen->home, nullptr);
    EXPECT_EQ(static_cast<cObject*>(screen->home), screen->FindObject("home", -1));
    for (const char* name : {"worker_a", "worker_b"}) {
        auto* worker = dynamic_cast<cWorker*>(screen->FindObject(name, -1));
        ASSERT_NE(worker, nullptr) << name;
        EXPECT_NE(worker->GetState(), cWorker::kStateCutOff) << name;
    }
    EXPECT_EQ(screen->GetMedal(), cMagicWidget::kMedalNoLimit);
    EXPECT_EQ(screen->GetScore(), 0);
    EXPECT_TRUE(NoWarning()) << WarningText();
}

}  // namespace
