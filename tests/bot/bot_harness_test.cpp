// The bot's harness on the tool-built level "026" (two workers, three trees, no house
// site, so its task of nine workers can never be met): a click reaches the level
// object under the cursor, a tick between the move and the release or not, the
// harness's own click too, and a run that
// cannot be won ends on its tick budget with the failure trace. On the tool-built
// "020" every worker is cut off without mana: the run stops on "game_over". A talk
// longer than the harness's clicks fails the test and keeps the level paused.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>

#include "engine/files/byte_stream.h"
#include "tests/bot/support/bot_level_run.h"

namespace {

constexpr const char* kLevel = KELVARA_SOURCE_DIR "/tests/data/levels/level_026_test.lvl";
constexpr uint32_t kLevelIndex = 26;
constexpr const char* kBlockedLevel = KELVARA_SOURCE_DIR "/tests/data/levels/bot_blocked_test.lvl";
constexpr uint32_t kBlockedIndex = 20;
// The blocked-workers check runs every 4 s; the end takes a few ticks more to show.
constexpr int kCheckTicks = 4 * 30;
constexpr int kEndTicks = 5;

class BotHarnessTest : public test::BotLevelRun {
protected:
    void SetUp() override
    {
        BotLevelRun::SetUp();
        ASSERT_NO_FATAL_FAILURE(StartBotGame());
        vrk::cByteStream* stream = app->GetLevelFiles().GetLevelStream(kLevelIndex);
        ASSERT_NE(stream, nullptr);
        ASSERT_EQ(stream->LoadFromFile(kLevel), 0);
    }
};

TEST_F(BotHarnessTest, ClickObject_ReachesTheObjectUnderTheCursorWithOrWithoutATick)
{
    ASSERT_TRUE(EnterLevel(kLevelIndex, 1));
    PassTalk();
    ASSERT_FALSE(level_->IsPaused());
    auto* tree = dynamic_cast<cGameObject*>(level_->FindObject("tree_0", -1));
    ASSERT_NE(tree, nullptr);
    std::pair<int32_t, int32_t> pixel;
    ASSERT_TRUE(AimAt(tree, pixel));

    // Nothing hovered: a move onto the tree and a release in the same frame still
    // order the tree, the one under the cursor.
    MoveMouse(kWindowWidth / 2, kWindowHeight - 40);
    Tick();
    ASSERT_NE(level_->GetHoveredObject(), tree);
    MoveMouse(pixel.first, pixel.second);
    game->OnMouseDown(0, pixel.first, pixel.second);
    game->OnMouseUp(0, pixel.first, pixel.second);
    ASSERT_EQ(level_->Orders().size(), 1u);
    EXPECT_EQ(level_->Orders().front().target, tree);
    EXPECT_EQ(level_->GetHoveredObject(), tree);
    level_->ClearOrders();

    // After a tick the hover pass holds the tree; the press and release order it.
    Tick();
    EXPECT_EQ(level_->GetHoveredObject(), tree);
    game->OnMouseDown(0, pixel.first, pixel.second);
    game->OnMouseUp(0, pixel.first, pixel.second);
    ASSERT_EQ(level_->Orders().size(), 1u);
    EXPECT_EQ(level_->Orders().front().target, tree);

    // The harness's own click does the same on the next tree.
    auto* next = dynamic_cast<cGameObject*>(level_->FindObject("tree_1", -1));
    ASSERT_TRUE(ClickObject(next));
    EXPECT_EQ(level_->Orders().back().target, next);
}

TEST_F(BotHarnessTest, PlayLevel_UnwinnableLevelEndsOnItsBudgetWithTheTrace)
{
    const test::LevelResult result = PlayLevel(kLevelIndex, 1);
    ASSERT_TRUE(result.entered);
    EXPECT_FALSE(result.won);
    EXPECT_EQ(result.end, "out of ticks");
    // Twice the limit: the passed limit alone did not end the level.
    EXPECT_EQ(result.ticks, static_cast<int>(2.0f * level_->timeLimit * 30.0f) + 1);
    EXPECT_FALSE(WindowOpen("game_over"));
    EXPECT_EQ(player_->levelRecords[kLevelIndex].plays, 0u);

    // A line every 10 s of game time, then the last state, the end and the bot's note.
    size_t samples = 0;
    for (size_t at = result.trace.find("t="); at != std::string::npos; at = result.trace.find("t=", at + 1)) ++samples;
    EXPECT_EQ(samples, static_cast<size_t>(result.levelTime / 10.0f) + 2) << result.trace;
    EXPECT_NE(result.trace.find("t=0s stock wood 20 food 20 money 20 mana 0 | Population_9 2/9 | workers"),
              std::string::npos)
        << result.trace;
    EXPECT_NE(result.trace.find("end: out of ticks"), std::string::npos);
    EXPECT_NE(result.trace.find("bot: nothing serves Population_9"), std::string::npos) << result.trace;
}

TEST_F(BotHarnessTest, PlayLevel_StopsOnGameOverWithItsText)
{
    ASSERT_EQ(app->GetLevelFiles().GetLevelStream(kBlockedIndex)->LoadFromFile(kBlockedLevel), 0);
    const test::LevelResult result = PlayLevel(kBlockedIndex, 1);
    ASSERT_TRUE(result.entered);
    EXPECT_FALSE(result.won);
    EXPECT_TRUE(WindowOpen("game_over"));
    EXPECT_FALSE(level_->gameOverText.empty());
    EXPECT_EQ(result.end, "game_over: " + level_->gameOverText);
    EXPECT_LE(result.ticks, kCheckTicks + kEndTicks);
    EXPECT_NE(result.trace.find("workers cut_off 2"), std::string::npos) << result.trace;
    // A loss counts a play and leaves the record open.
    EXPECT_EQ(player_->levelRecords[kBlockedIndex].plays, 1u);
    EXPECT_EQ(player_->levelRecords[kBlockedIndex].state, static_cast<uint32_t>(kLevelOpen));
}

TEST_F(BotHarnessTest, PassTalk_FailsOnATalkItsClicksDoNotEnd)
{
    ASSERT_TRUE(EnterLevel(kLevelIndex, 1));
    for (int line = 0; line <= kTalkClicks; ++line) level_->AddTalk(0, "hero", "talk_line");
    if (!level_->IsPaused()) level_->StartTalk();
    ASSERT_TRUE(level_->IsPaused());
    bool passed = true;
    EXPECT_NONFATAL_FAILURE(passed = PassTalk(), "the talk did not end after 64 clicks");
    EXPECT_FALSE(passed);
    // Nothing a player cannot do ended it.
    EXPECT_TRUE(level_->IsPaused());
}

}  // namespace
