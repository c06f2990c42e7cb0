// The bot on the tool-built level "003" (six workers, 200 food, 200 money): the
// fields and nuggets it needs lie beyond a broken bridge, so it must pay the bridge
// first, and pay the trees' food before it can fell them; it wins through clicks
// alone, and the win is in the player's record.
#include <gtest/gtest.h>

#include "engine/files/byte_stream.h"
#include "tests/bot/support/bot_level_run.h"

namespace {

constexpr const char* kLevel = KELVARA_SOURCE_DIR "/tests/data/levels/bot_bridge_test.lvl";
constexpr uint32_t kLevelIndex = 3;

class LevelBotTest : public test::BotLevelRun {};

TEST_F(LevelBotTest, Decide_MendsTheBridgeToTheFarFieldsAndWins)
{
    ASSERT_NO_FATAL_FAILURE(StartBotGame());
    ASSERT_EQ(app->GetLevelFiles().GetLevelStream(kLevelIndex)->LoadFromFile(kLevel), 0);
    const test::LevelResult result = PlayLevel(kLevelIndex, 1);
    ASSERT_TRUE(result.won) << result.end << "\n" << result.trace;
    for (const char* beyond : {"field_0", "nugget_0"}) {
        auto* object = dynamic_cast<cGameObject*>(level_->FindObject(beyond, -1));
        ASSERT_NE(object, nullptr);
        EXPECT_TRUE(object->IsReachable()) << beyond;
    }
    // Every task met at the end, in well under the level's limit.
    for (const TaskRecord& task : level_->Tasks().records) EXPECT_GE(task.current, task.target) << task.id;
    EXPECT_LT(result.levelTime, level_->timeLimit);
    const PlayerLevelRecord& record = player_->levelRecords[kLevelIndex];
    EXPECT_EQ(record.plays, 1u);
    EXPECT_GE(record.state, static_cast<uint32_t>(kLevelBronze));
}

}  // namespace
