// The bot plays each of the forty play levels headless, through the player's own
// clicks, to its finish window: with seed 1, or failing that with seed 2 or 3, each
// try in a freshly started game. A win must leave the player's record with one play
// and at least a bronze medal. Every try prints its time and medal; a failed one
// prints its trace. A level whose file is not built yet is skipped.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "tests/bot/support/bot_level_run.h"

namespace {

constexpr uint32_t kLevelCount = 40;
constexpr uint32_t kSeeds[] = {1, 2, 3};

std::string LevelFile(uint32_t index)
{
    char name[32];
    std::snprintf(name, sizeof name, "/data/level/level%03u.lvl", index);
    return std::string(KELVARA_SOURCE_DIR) + name;
}

class PlayLevelTest : public test::BotLevelRun, public testing::WithParamInterface<uint32_t> {};

TEST_P(PlayLevelTest, BotWinsTheLevel)
{
    const uint32_t index = GetParam();
    if (!std::filesystem::exists(LevelFile(index))) GTEST_SKIP() << "no level file " << LevelFile(index);
    test::LevelResult result;
    std::string traces;
    for (const uint32_t seed : kSeeds) {
        if (seed != kSeeds[0]) {
            // A fresh game for each try, so every seed starts from the same state.
            TearDown();
            SetUp();
        }
        ASSERT_NO_FATAL_FAILURE(StartBotGame());
        result = PlayLevel(index, seed);
        std::printf("[bot] %s: %s%s\n", Summary(index, result).c_str(), result.end.c_str(),
                    result.won ? "" : ("; " + result.note).c_str());
        if (result.won) break;
        traces += "seed " + std::to_string(seed) + ":\n" + result.trace;
    }
    ASSERT_TRUE(result.entered) << result.end;
    ASSERT_TRUE(result.won) << traces;
    const PlayerLevelRecord& record = player_->levelRecords[index];
    EXPECT_EQ(record.plays, 1u);
    EXPECT_GE(record.state, static_cast<uint32_t>(kLevelBronze));
    EXPECT_FLOAT_EQ(record.bestTime, result.levelTime);
}

INSTANTIATE_TEST_SUITE_P(PlayLevels, PlayLevelTest, testing::Range(0u, kLevelCount),
                         [](const testing::TestParamInfo<uint32_t>& info) {
                             char name[16];
                             std::snprintf(name, sizeof name, "Level%03u", info.param);
                             return std::string(name);
                         });

}  // namespace
