// The bot on tool-built levels. "003" (six workers, 200 food, 200 money): the fields
// and nuggets it needs lie beyond a broken bridge, so it must pay the bridge first,
// and pay the trees' food before it can fell them; it wins through clicks alone,
// and the win is in the player's record. "019": a skeleton stands beside the
// workers and a worker is frozen; the hero goes at the skeleton and the wife, paid,
// to the frozen worker. The paced player wins "003" too, its orders at least 2 s
// apart where the full player gives several at once; the defenceless player
// leaves the skeleton of "019" alone and the frozen worker frozen.
#include <gtest/gtest.h>

#include "engine/files/byte_stream.h"
#include "objects/hero.h"
#include "objects/wife.h"
#include "objects/worker.h"
#include "tests/bot/support/bot_level_run.h"

namespace {

constexpr const char* kLevel = KELVARA_SOURCE_DIR "/tests/data/levels/bot_bridge_test.lvl";
constexpr uint32_t kLevelIndex = 3;
constexpr const char* kGuardLevel = KELVARA_SOURCE_DIR "/tests/data/levels/bot_guard_test.lvl";
constexpr uint32_t kGuardIndex = 19;
constexpr int kRounds = 20;

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

TEST_F(LevelBotTest, Decide_SendsTheHeroAtANearEnemyAndTheWifeToAFrozenWorker)
{
    ASSERT_NO_FATAL_FAILURE(StartBotGame());
    ASSERT_EQ(app->GetLevelFiles().GetLevelStream(kGuardIndex)->LoadFromFile(kGuardLevel), 0);
    ASSERT_TRUE(EnterLevel(kGuardIndex, 1));
    PassTalk();
    ASSERT_NE(level_->hero, nullptr);
    ASSERT_NE(level_->wife, nullptr);
    auto* frozen = dynamic_cast<cWorker*>(level_->FindObject("worker_a", -1));
    cObject* skeleton = level_->FindObject("skeleton", -1);
    ASSERT_NE(frozen, nullptr);
    ASSERT_NE(skeleton, nullptr);
    frozen->SetFrozen(true);
    const int32_t mana = level_->Stock().At(test::BotView::kMana);

    test::LevelBot bot(*level_, [this](cObject* target, int32_t part) { return ClickObject(target, part); });
    bool heroSent = false;
    bool wifeSent = false;
    for (int round = 0; round < kRounds && !(heroSent && wifeSent); ++round) {
        bot.Decide();
        heroSent = heroSent || level_->hero->GetTarget() == skeleton;
        wifeSent = wifeSent || level_->wife->GetTarget() == frozen;
        for (int tick = 0; tick < test::BotLevelRun::kDecisionTicks; ++tick) Tick();
    }
    EXPECT_TRUE(heroSent) << bot.GetNote();
    EXPECT_TRUE(wifeSent);
    // The thaw was paid at the click.
    EXPECT_EQ(level_->Stock().At(test::BotView::kMana), mana - cWorker::kThawMana);
}

TEST_F(LevelBotTest, Players_PacedSpacesItsOrdersAndDefencelessNeverDefends)
{
    ASSERT_NO_FATAL_FAILURE(StartBotGame());
    ASSERT_EQ(app->GetLevelFiles().GetLevelStream(kLevelIndex)->LoadFromFile(kLevel), 0);
    const test::LevelResult full = PlayLevel(kLevelIndex, 1, test::BotPlayer::kFull);
    ASSERT_TRUE(full.won) << full.end;
    EXPECT_LT(full.shortestOrderGap, kPacedOrderTicks);
    TearDown();
    SetUp();
    ASSERT_NO_FATAL_FAILURE(StartBotGame());
    ASSERT_EQ(app->GetLevelFiles().GetLevelStream(kLevelIndex)->LoadFromFile(kLevel), 0);
    const test::LevelResult paced = PlayLevel(kLevelIndex, 1, test::BotPlayer::kPaced);
    ASSERT_TRUE(paced.won) << paced.end << "\n" << paced.trace;
    EXPECT_GT(paced.orders, 1);
    EXPECT_GE(paced.shortestOrderGap, kPacedOrderTicks);
    EXPECT_GE(paced.levelTime, full.levelTime);

    ASSERT_EQ(app->GetLevelFiles().GetLevelStream(kGuardIndex)->LoadFromFile(kGuardLevel), 0);
    ASSERT_TRUE(EnterLevel(kGuardIndex, 1));
    EXPECT_TRUE(test::BotView::HoldsEnemy(*level_));
    PassTalk();
    auto* frozen = dynamic_cast<cWorker*>(level_->FindObject("worker_a", -1));
    ASSERT_NE(frozen, nullptr);
    frozen->SetFrozen(true);
    test::LevelBot bot(
        *level_, [this](cObject* target, int32_t part) { return ClickObject(target, part); },
        test::BotPlayer::kDefenceless);
    int clicks = 0;
    for (int round = 0; round < kRounds; ++round) {
        clicks += bot.Decide();
        EXPECT_EQ(level_->hero->GetTarget(), nullptr);
        EXPECT_EQ(level_->wife->GetTarget(), nullptr);
        for (int tick = 0; tick < test::BotLevelRun::kDecisionTicks; ++tick) Tick();
    }
    // It still works the level.
    EXPECT_GT(clicks, 0);
    EXPECT_TRUE(frozen->IsFrozen());
}

}  // namespace
