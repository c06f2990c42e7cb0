// The balance runs: each of the forty play levels played headless through clicks by
// three players of the bot, each run in a freshly started game: the full player on
// seeds 1 to 5, the paced and the defenceless players on seeds 1 to 3. Every run
// prints its "[balance]" line, and the level's lines go to
// <build>/balance/levelNNN.txt for the table and the target check, stamped with the
// test run (balance_results.h): a run removes its file first, so a run that is
// skipped or stops leaves none. Asserted here: the full player wins every seed. A
// level whose file is not built yet is skipped.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/balance/balance_results.h"
#include "tests/balance/balance_table.h"
#include "tests/bot/support/bot_level_run.h"

namespace {

constexpr uint32_t kLevelCount = 40;

struct Player {
    test::BotPlayer player;
    const char* name;
    uint32_t seeds;
};
constexpr Player kPlayers[] = {
    {test::BotPlayer::kFull, "full", balance::Targets::kFullSeeds},
    {test::BotPlayer::kPaced, "paced", balance::Targets::kOtherSeeds},
    {test::BotPlayer::kDefenceless, "defenceless", balance::Targets::kOtherSeeds},
};

std::string LevelName(uint32_t index)
{
    char name[8];
    std::snprintf(name, sizeof name, "%03u", index);
    return name;
}

std::filesystem::path ResultFolder() { return std::filesystem::path(KELVARA_BINARY_DIR) / "balance"; }

std::string LevelFile(uint32_t index)
{
    return std::string(KELVARA_SOURCE_DIR) + "/data/level/level" + LevelName(index) + ".lvl";
}

class BalanceRunTest : public test::BotLevelRun, public testing::WithParamInterface<uint32_t> {};

TEST_P(BalanceRunTest, EveryPlayerPlaysItsSeeds)
{
    const uint32_t index = GetParam();
    balance::StartLevelResults(ResultFolder(), index);
    if (!std::filesystem::exists(LevelFile(index))) GTEST_SKIP() << "no level file " << LevelFile(index);
    std::string lines;
    bool first = true;
    for (const Player& player : kPlayers) {
        for (uint32_t seed = 1; seed <= player.seeds; ++seed) {
            if (!first) {
                // A fresh game for each run, so every run starts from the same state.
                TearDown();
                SetUp();
            }
            first = false;
            ASSERT_NO_FATAL_FAILURE(StartBotGame());
            const test::LevelResult result = PlayLevel(index, seed, player.player);
            ASSERT_TRUE(result.entered) << result.end;
            const balance::RunLine run{index,        player.name,      seed,         result.won,
                                       result.levelTime, result.timeLimit, result.medal, result.enemies};
            const std::string line = balance::FormatLine(run);
            std::printf("%s\n", line.c_str());
            std::fflush(stdout);
            lines += line + "\n";
            if (player.player == test::BotPlayer::kFull) {
                EXPECT_TRUE(result.won) << line << "\n" << result.end << "\n" << result.trace;
            }
        }
    }
    EXPECT_TRUE(balance::WriteLevelResults(ResultFolder(), index, lines))
        << balance::ResultFile(ResultFolder(), index) << " (no test run started: run through ctest)";
}

// The fixture ctest runs before every balance run and the target check.
TEST(BalanceTestRun, StartsANewTestRun)
{
    const uint64_t stamp = balance::NewTestRun(ResultFolder());
    uint64_t current = 0;
    ASSERT_TRUE(balance::CurrentTestRun(ResultFolder(), current));
    EXPECT_EQ(current, stamp);
}

INSTANTIATE_TEST_SUITE_P(BalanceRuns, BalanceRunTest, testing::Range(0u, kLevelCount),
                         [](const testing::TestParamInfo<uint32_t>& info) { return "Level" + LevelName(info.param); });

}  // namespace
