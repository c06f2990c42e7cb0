// The table level "002" (five workers, 250 money) played to its win in the real
// game: a player's clicks on house sites, nuggets, fields and trees, tick by tick,
// until the tasks are done, "finish" opens and the player's record holds the win.
#include <gtest/gtest.h>

#include <vector>

#include "engine/files/byte_stream.h"
#include "engine/gui/gui.h"
#include "framework/app/player_base.h"
#include "game/level/magic_widget.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "tests/game/support/game_tour.h"

namespace {

constexpr const char* kLevel = KELVARA_SOURCE_DIR "/tests/data/levels/level_002_test.lvl";
constexpr uint32_t kLevelIndex = 2;
constexpr int kMaxTicks = 60000;

class LevelWinTest : public test::GameTour {};

TEST_F(LevelWinTest, Level002_IsWonThroughClicksAndTicks)
{
    StartGame();
    ASSERT_EQ(app->LogonPlayer(""), 0);
    cPlayerBase* player = app->GetActivePlayer();
    ASSERT_NE(player, nullptr);
    if (player->levelRecords.size() <= kLevelIndex) player->levelRecords.resize(kLevelIndex + 1);
    player->currentLevel = kLevelIndex;
    vrk::cByteStream* stream = app->GetLevelFiles().GetLevelStream(kLevelIndex);
    ASSERT_NE(stream, nullptr);
    ASSERT_EQ(stream->LoadFromFile(kLevel), 0);
    lines.clear();
    auto* screen = Screen<cMagicWidget>("level");
    ASSERT_NE(screen, nullptr);

    app->ShowComics("level", "menu");
    ASSERT_EQ(Focused(), "level");
    Frames(test::kSceneTicks);
    ASSERT_EQ(screen->GetLevelName(), "002");
    ASSERT_EQ(screen->Tasks().records.size(), 2u);
    screen->EndTalk();

    // House sites first, then the sources in turn, so wood, food and money all come in.
    std::vector<cObject*> houses;
    std::vector<cObject*> sources;
    for (const char* name : {"house_0", "house_1", "house_2"}) houses.push_back(screen->FindObject(name, -1));
    for (const char* name : {"nugget_0", "field_a", "tree_0", "nugget_1", "field_b", "tree_1", "nugget_2", "tree_2",
                             "nugget_3", "tree_3"}) {
        sources.push_back(screen->FindObject(name, -1));
    }
    for (cObject* object : houses) ASSERT_NE(object, nullptr);
    for (cObject* object : sources) ASSERT_NE(object, nullptr);

    size_t next = 0;
    int ticks = 0;
    while (ticks < kMaxTicks && !screen->IsPaused()) {
        if (screen->Orders().empty()) {
            bool queued = false;
            for (cObject* house : houses) {
                if (dynamic_cast<cBuild*>(house)->GetLevel() >= 0) continue;
                queued = screen->OnObjectClick(house) == 0 && !screen->Orders().empty();
                if (queued) break;
            }
            for (size_t tried = 0; !queued && tried < sources.size(); ++tried) {
                cObject* source = sources[next];
                next = (next + 1) % sources.size();
                queued = screen->OnObjectClick(source) == 0 && !screen->Orders().empty();
            }
        }
        Frame();
        ++ticks;
    }
    ASSERT_LT(ticks, kMaxTicks) << "workers " << screen->Tasks().records[0].current << " money "
                                << screen->Tasks().records[1].current;
    for (const TaskRecord& task : screen->Tasks().records) {
        EXPECT_TRUE(task.done) << task.id;
        EXPECT_GE(task.current, task.target) << task.id;
    }
    // The three houses brought the three workers the level asks for.
    for (cObject* house : houses) EXPECT_EQ(dynamic_cast<cBuild*>(house)->GetLevel(), 0) << house->GetName();
    Frames(2);
    EXPECT_TRUE(game->gui->IsWindowOpen("finish"));
    const PlayerLevelRecord& record = player->levelRecords[kLevelIndex];
    EXPECT_EQ(record.plays, 1u);
    EXPECT_GE(record.state, static_cast<uint32_t>(kLevelBronze));
    EXPECT_GT(record.bestTime, 0.0f);
}

}  // namespace
