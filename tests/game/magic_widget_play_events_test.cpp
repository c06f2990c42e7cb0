// The level screen's play tick and events: the time warnings, the level's end with
// the player's record, the spells' start and end, the blocked-workers loss, the
// camps' scripts and the day and night switch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/app/player_base.h"
#include "game/level/magic_widget.h"
#include "objects/base_enemy.h"
#include "objects/build.h"
#include "objects/enemy_tuning.h"
#include "engine/platform/widget.h"
#include "framework/objects/man.h"
#include "objects/lake.h"
#include "objects/level_contract.h"
#include "objects/tower.h"
#include "objects/worker.h"
#include "tests/framework/widgets/screen_fixtures.h"
#include "tests/game/support/test_magic_widget.h"

namespace {

// Records every play event the screen handles.
class RecordingWidget : public test::TestMagicWidget {
public:
    uint32_t OnPlayEvent(uint32_t kind, uintptr_t param) override
    {
        events.emplace_back(kind, param);
        return test::TestMagicWidget::OnPlayEvent(kind, param);
    }
    int Count(uint32_t kind, uintptr_t param) const
    {
        int count = 0;
        for (const auto& [k, p] : events) count += (k == kind && p == param) ? 1 : 0;
        return count;
    }
    void Ticks(int count)
    {
        for (int i = 0; i < count; ++i) Tick();
    }

    std::vector<std::pair<uint32_t, uintptr_t>> events;
};

class MagicWidgetPlayEventsTest : public test::ScreenTest {
protected:
    // A screen in play with the pause bits clear.
    void Play(RecordingWidget& screen)
    {
        screen.SetMode(kModePlay);
        screen.SetInputFlags(0);
    }
};

TEST_F(MagicWidgetPlayEventsTest, TimeLimit_WarnsOnceAtTwoThirdsAndPostsTimeOverOnEveryLaterTick)
{
    RecordingWidget screen;
    Play(screen);
    screen.timeLimit = 300.0f;
    screen.levelTime = 199.95f;
    screen.Ticks(3);
    EXPECT_EQ(screen.Count(kEventTimeAlarm, kTimeWarning), 1);
    EXPECT_TRUE(screen.limitWarned);
    screen.levelTime = 299.99f;
    screen.Ticks(4);
    EXPECT_EQ(screen.Count(kEventTimeAlarm, kTimeWarning), 1);
    // A posted event is handled in the next tick.
    EXPECT_EQ(screen.Count(kEventTimeAlarm, kTimeOver), 3);
    EXPECT_TRUE(screen.timeOver);
    // Paused, the clock stands and posts nothing more.
    screen.SetInputFlags(kInputCinematic);
    const float stopped = screen.levelTime;
    screen.Ticks(5);
    EXPECT_EQ(screen.levelTime, stopped);
    EXPECT_EQ(screen.Count(kEventTimeAlarm, kTimeOver), 4);
}

TEST_F(MagicWidgetPlayEventsTest, LevelEnd_ActsOnceAndWritesTheWinsAndLossesIntoTheRecord)
{
    StartGame();
    cPlayerBase* player = Player();
    player->levelRecords.resize(3);
    player->currentLevel = 1;
    PlayerLevelRecord& record = player->levelRecords[1];
    record.state = kLevelOpen;

    RecordingWidget screen;
    Play(screen);
    screen.timeLimit = 300.0f;
    screen.levelTime = 100.0f;
    screen.OnPlayEvent(kEventLevelEnd, 0);
    screen.OnPlayEvent(kEventLevelEnd, 0);
    EXPECT_EQ(record.plays, 1u);
    EXPECT_EQ(record.state, static_cast<uint32_t>(kLevelGold));
    EXPECT_FLOAT_EQ(record.bestTime, 100.0f);
    const uint32_t firstScore = record.bestScore;
    EXPECT_EQ(record.totalScore, firstScore);
    EXPECT_NE(screen.GetInputFlags() & kInputCinematic, 0u);

    // A worse second win keeps the best time and adds to the total.
    Play(screen);
    screen.levelTime = 250.0f;
    screen.OnPlayEvent(kEventLevelEnd, 0);
    EXPECT_EQ(record.plays, 2u);
    EXPECT_FLOAT_EQ(record.bestTime, 100.0f);
    EXPECT_FLOAT_EQ(record.lastTime, 250.0f);
    EXPECT_EQ(record.state, static_cast<uint32_t>(kLevelGold));
    EXPECT_EQ(record.totalScore, firstScore + record.lastScore);

    // A loss counts the play only.
    Play(screen);
    const PlayerLevelRecord before = record;
    screen.gameOverText = "lost";
    screen.levelTime = 10.0f;
    screen.OnPlayEvent(kEventLevelEnd, 0);
    EXPECT_EQ(record.plays, 3u);
    EXPECT_FLOAT_EQ(record.lastTime, before.lastTime);
    EXPECT_EQ(record.totalScore, before.totalScore);

    // Outside the records the level still ends, and nothing is written.
    Play(screen);
    player->currentLevel = 7;
    screen.OnPlayEvent(kEventLevelEnd, 0);
    EXPECT_NE(screen.GetInputFlags() & kInputCinematic, 0u);
}

TEST_F(MagicWidgetPlayEventsTest, LevelEnd_UnlocksTheLevelsAchievementWhileItsWatchFlagHolds)
{
    StartGame();
    RecordingWidget screen;
    screen.SetLevelName("003");
    Play(screen);
    screen.OnPlayEvent(kEventLevelEnd, 0);
    EXPECT_EQ(screen.achievements, std::vector<std::string>{"achieve_no_mill"});

    RecordingWidget broken;
    broken.SetLevelName("003");
    broken.noMillFlag = false;
    Play(broken);
    broken.OnPlayEvent(kEventLevelEnd, 0);
    EXPECT_TRUE(broken.achievements.empty());
}

// Without an application the stock holds the game's four resources, mana last.
TEST(MagicWidgetPlayEvents, BlockedWorkers_LoseTheLevelBelowTheFreezePriceOnly)
{
    for (const int32_t mana : {79, 80}) {
        RecordingWidget screen;
        screen.SetMode(kModePlay);
        screen.SetInputFlags(0);
        cObject* worker = screen.CreateObject(kTypeWorker, 0);
        ASSERT_NE(worker, nullptr);
        screen.SetObjectLayer(worker, cWorker::kWorkerLayer);
        worker->SetState(cWorker::kStateImprisoned);
        ASSERT_EQ(screen.Stock().Size(), 4u);
        screen.Stock().amounts[3] = mana;
        screen.Ticks(2 * 30 * 4 + 2);
        EXPECT_EQ(worker->GetState(), cWorker::kStateImprisoned);
        EXPECT_EQ(screen.Count(kEventLevelEnd, 0), mana == 79 ? 1 : 0) << mana;
        EXPECT_EQ(screen.gameOverText.empty(), mana != 79) << mana;
    }
}

TEST_F(MagicWidgetPlayEventsTest, Spells_FreezeLastsFortySecondsAndInstantSpellsEndOnTheNextTick)
{
    RecordingWidget screen;
    Play(screen);
    auto* lake = dynamic_cast<cLake*>(screen.CreateObject(kTypeLake, 0));
    ASSERT_NE(lake, nullptr);
    screen.OnPlayEvent(kEventSpellCast, 3);
    EXPECT_EQ(lake->GetState(), cLake::kStateFrozen);
    EXPECT_FLOAT_EQ(screen.spellTimers[3], 40.0f);
    screen.Ticks(30 * 40 - 1);
    EXPECT_EQ(lake->GetState(), cLake::kStateFrozen);
    EXPECT_EQ(screen.Count(kEventSpellEnded, 3), 0);
    screen.Ticks(2);
    EXPECT_EQ(screen.Count(kEventSpellEnded, 3), 1);
    EXPECT_NE(lake->GetState(), cLake::kStateFrozen);
    EXPECT_EQ(screen.spellTimers[3], LevelScreen::kSpellOff);
    // Recounted at both ends.
    EXPECT_GE(screen.Count(kEventRecount, kTypeWorker), 2);

    screen.OnPlayEvent(kEventSpellCast, 2);
    screen.Tick();
    EXPECT_EQ(screen.Count(kEventSpellEnded, 2), 1);
    // The fast-workers spell loses the level's no-speed achievement.
    screen.OnPlayEvent(kEventSpellCast, 0);
    EXPECT_FALSE(screen.noSpeedFlag);
    // A recast restarts the timer.
    screen.Ticks(30);
    screen.OnPlayEvent(kEventSpellCast, 0);
    EXPECT_FLOAT_EQ(screen.spellTimers[0], 30.0f);
}

TEST_F(MagicWidgetPlayEventsTest, KillEnemies_StartsEachCampsReleaseTimerAfreshAndKeepsItsSettings)
{
    RecordingWidget screen;
    Play(screen);
    auto* camp = dynamic_cast<cBaseEnemy*>(screen.CreateObject(kTypeBaseEnemy, 0));
    ASSERT_NE(camp, nullptr);
    camp->SetBaseInterval(6.0f);
    camp->SetMaxWalkers(3);
    screen.OnPlayEvent(kEventSpellCast, 4);
    EXPECT_FLOAT_EQ(camp->GetBaseInterval(), 6.0f);
    EXPECT_EQ(camp->GetMaxWalkers(), 3u);
    screen.Tick();
    EXPECT_EQ(screen.Count(kEventSpellEnded, 4), 1);
}

TEST_F(MagicWidgetPlayEventsTest, Script006_WakesTwoCampsTheFirstNightAndThreeLaterNights)
{
    RecordingWidget screen;
    screen.SetLevelName("006");
    Play(screen);
    std::vector<cBaseEnemy*> camps;
    for (int i = 0; i < 3; ++i) {
        auto* camp = dynamic_cast<cBaseEnemy*>(screen.CreateObject(kTypeBaseEnemy, 0));
        ASSERT_NE(camp, nullptr);
        camp->SetName("base_enemy" + std::to_string(i));
        camps.push_back(camp);
    }
    screen.baseStage = 0;
    screen.SetDayNightLengths(1.0f, 1.0f);
    // The phase timer takes a tick to start each half of the day.
    screen.Ticks(31);
    EXPECT_TRUE(screen.night);
    EXPECT_EQ(screen.baseStage, 1);
    EXPECT_FLOAT_EQ(camps[0]->GetBaseInterval(), 7.0f);
    EXPECT_EQ(camps[1]->GetMaxWalkers(), 5u);
    EXPECT_EQ(camps[2]->GetMaxWalkers(), 0u);
    screen.Ticks(31);
    EXPECT_FALSE(screen.night);
    EXPECT_EQ(screen.baseStage, 2);
    EXPECT_EQ(camps[0]->GetMaxWalkers(), 0u);
    screen.Ticks(31);
    EXPECT_TRUE(screen.night);
    EXPECT_EQ(screen.baseStage, 3);
    EXPECT_FLOAT_EQ(camps[2]->GetBaseInterval(), 8.0f);
    EXPECT_EQ(camps[2]->GetMaxWalkers(), 5u);
}

TEST_F(MagicWidgetPlayEventsTest, Night_TintsTheSceneAndRaisesTheLightsOverFiveSeconds)
{
    RecordingWidget screen;
    Play(screen);
    screen.SetNight(true);
    EXPECT_EQ(screen.nightCount, 0);
    screen.Ticks(75);
    EXPECT_NEAR(screen.nightStrength.current, 0.5f, 0.02f);
    screen.Ticks(80);
    EXPECT_FLOAT_EQ(screen.nightStrength.current, 1.0f);
    EXPECT_EQ(screen.GetSceneColor(), 0xFF5F5FC0u);

    // A night length of 0 keeps the day for good.
    RecordingWidget day;
    Play(day);
    day.SetDayNightLengths(1.0f, 0.0f);
    day.Ticks(120);
    EXPECT_FALSE(day.night);
}

}  // namespace

namespace {

cWorker* AddWorker(RecordingWidget& screen, int32_t state)
{
    auto* worker = dynamic_cast<cWorker*>(screen.CreateObject(kTypeWorker, 0));
    if (worker == nullptr) return nullptr;
    screen.SetObjectLayer(worker, cWorker::kWorkerLayer);
    worker->SetState(state);
    return worker;
}

}  // namespace

TEST(MagicWidgetPlayEvents, Recount_CountsWorkersNotCutOffButNothingWhileTheKillWorkersSpellRuns)
{
    RecordingWidget screen;
    screen.SetMode(kModePlay);
    screen.SetInputFlags(0);
    screen.Tasks().Add(kTypeWorker, "", 5, "task_worker", "Population_5");
    screen.Tasks().Add(0, "money", 100, "task_money", "Money_100");
    ASSERT_NE(AddWorker(screen, cWorker::kStateIdle), nullptr);
    ASSERT_NE(AddWorker(screen, cWorker::kStateCutOff), nullptr);
    screen.Stock().amounts[2] = 40;
    screen.OnPlayEvent(kEventRecount, 0);
    EXPECT_EQ(screen.Tasks().records[0].current, 1u);
    EXPECT_EQ(screen.Tasks().records[1].current, 40u);

    screen.OnPlayEvent(kEventEnemyKillWorkers, 0);
    screen.Stock().amounts[2] = 100;
    screen.OnPlayEvent(kEventRecount, 0);
    EXPECT_EQ(screen.Tasks().records[1].current, 40u);
}

TEST(MagicWidgetPlayEvents, KillWorkers_StrikesOneWorkerEachHalfSecondAndLosesOnlyLevel009)
{
    for (const char* level : {"009", "010"}) {
        RecordingWidget screen;
        screen.SetLevelName(level);
        screen.SetMode(kModePlay);
        screen.SetInputFlags(0);
        cWorker* first = AddWorker(screen, cWorker::kStateIdle);
        cWorker* second = AddWorker(screen, cWorker::kStateIdle);
        ASSERT_NE(second, nullptr);
        screen.OnPlayEvent(kEventEnemyKillWorkers, 0);
        screen.Ticks(15);
        EXPECT_EQ(first->GetState(), cWorker::kStateExploding) << level;
        EXPECT_NE(second->GetState(), cWorker::kStateExploding) << level;
        // The exploded workers are gone (or at least out of reach) before the next.
        first->SetState(-2);
        screen.Ticks(15);
        EXPECT_EQ(second->GetState(), cWorker::kStateExploding) << level;
        second->SetState(-2);
        screen.Ticks(17);
        EXPECT_EQ(screen.Count(kEventLevelEnd, 0), std::string(level) == "009" ? 1 : 0) << level;
        EXPECT_EQ(screen.gameOverText.empty(), std::string(level) != "009") << level;
        // The spell is over: the tasks count again.
        EXPECT_EQ(screen.killWorkersTimer.current, screen.killWorkersTimer.target) << level;
        // A spell still running when the level is cleared stops with it.
        screen.OnPlayEvent(kEventEnemyKillWorkers, 0);
        screen.ClearLevel();
        EXPECT_EQ(screen.killWorkersTimer.duration, 0.0f) << level;
        EXPECT_EQ(screen.killWorkersTimer.current, screen.killWorkersTimer.target) << level;
    }
}

TEST(MagicWidgetPlayEvents, KillTowers_MarksTheFirstStandingTowerOnly)
{
    RecordingWidget screen;
    screen.SetMode(kModePlay);
    screen.SetInputFlags(0);
    std::vector<cTower*> towers;
    for (const int32_t state : {-1, 0, 1}) {
        auto* tower = dynamic_cast<cTower*>(screen.CreateObject(kTypeTower, 0));
        ASSERT_NE(tower, nullptr);
        tower->SetState(state);
        towers.push_back(tower);
    }
    screen.OnPlayEvent(kEventEnemyKillTowers, 0);
    // The second run finds no other standing tower and the spell is over.
    screen.Ticks(31);
    EXPECT_LE(towers[0]->GetDestructionTimer(), 0.0f);
    EXPECT_LE(towers[1]->GetDestructionTimer(), 0.0f);
    EXPECT_GT(towers[2]->GetDestructionTimer(), 0.0f);
    // A site built after the run is not destroyed.
    towers[1]->SetState(1);
    screen.Ticks(60);
    EXPECT_LE(towers[1]->GetDestructionTimer(), 0.0f);
}

TEST(MagicWidgetPlayEvents, RightClick_StopsWalkersAndPausedInputIsHeld)
{
    RecordingWidget screen;
    screen.SetMode(kModePlay);
    screen.SetInputFlags(0);
    cWorker* walker = AddWorker(screen, cWorker::kStateIdle);
    cWorker* worker = AddWorker(screen, cWorker::kStateAtWork);
    ASSERT_NE(worker, nullptr);
    auto* target = dynamic_cast<cGameObject*>(screen.CreateObject(kTypeSource, 0));
    walker->SetTarget(target, 0);
    walker->SetState(kStateWalking);
    // No hero, no wife on this level: nothing to call back, no crash.
    screen.OnPlayEvent(vrk::kWidgetButtonDown, 2);
    EXPECT_EQ(walker->GetState(), cWorker::kStateIdle);
    EXPECT_EQ(worker->GetState(), cWorker::kStateAtWork);
    screen.OnPlayEvent(kEventZoneMarked, 0);

    walker->SetState(kStateWalking);
    screen.SetInputFlags(kInputCinematic);
    screen.OnPlayEvent(vrk::kWidgetButtonDown, 2);
    EXPECT_EQ(walker->GetState(), kStateWalking);
}

TEST(MagicWidgetPlayEvents, WorkFinished_DeliversAtHomeAndTakesTheYieldElsewhere)
{
    RecordingWidget screen;
    screen.SetMode(kModePlay);
    screen.SetInputFlags(0);
    screen.home = dynamic_cast<cBuild*>(screen.CreateObject(kTypeBuild, 0));
    ASSERT_NE(screen.home, nullptr);
    auto* tree = dynamic_cast<cGameObject*>(screen.CreateObject(kTypeSource, 0));
    cWorker* carrier = AddWorker(screen, cWorker::kStateAtWork);
    const int32_t load[] = {3, 0, 5, 0};
    carrier->Load().Assign(ResourceVector(load, 4), tree);
    WorkFinishedRecord delivery{screen.home, carrier};
    screen.OnPlayEvent(kEventWorkFinished, reinterpret_cast<uintptr_t>(&delivery));
    EXPECT_EQ(screen.Stock().amounts, (std::vector<int32_t>{3, 0, 5, 0}));
    EXPECT_TRUE(carrier->Load().IsEmpty());
    // An empty bag brings nothing.
    screen.OnPlayEvent(kEventWorkFinished, reinterpret_cast<uintptr_t>(&delivery));
    EXPECT_EQ(screen.Stock().amounts, (std::vector<int32_t>{3, 0, 5, 0}));

    // Elsewhere the others heading for the same target give it up.
    cWorker* other = AddWorker(screen, cWorker::kStateIdle);
    other->SetTarget(tree, 0);
    other->SetState(kStateWalking);
    WorkFinishedRecord felled{tree, carrier};
    screen.OnPlayEvent(kEventWorkFinished, reinterpret_cast<uintptr_t>(&felled));
    EXPECT_EQ(other->GetTarget(), nullptr);
    EXPECT_EQ(other->GetState(), cWorker::kStateIdle);
    // A record without a worker or target is ignored.
    WorkFinishedRecord empty{};
    screen.OnPlayEvent(kEventWorkFinished, reinterpret_cast<uintptr_t>(&empty));
}

TEST_F(MagicWidgetPlayEventsTest, Nightfall015_WakesTwoDifferentCampsAndDaybreakSilencesAll)
{
    StartGame();
    for (const uint32_t seed : {1u, 2u, 3u, 4u}) {
        middle_.randomGen.seed = seed;
        RecordingWidget screen;
        screen.SetLevelName("015");
        std::vector<cBaseEnemy*> camps;
        for (int i = 0; i < 4; ++i) {
            auto* camp = dynamic_cast<cBaseEnemy*>(screen.CreateObject(kTypeBaseEnemy, 0));
            ASSERT_NE(camp, nullptr);
            camp->SetName("base_enemy" + std::to_string(i));
            camps.push_back(camp);
        }
        screen.SetNight(true);
        int woken = 0;
        for (const cBaseEnemy* camp : camps) {
            if (camp->GetMaxWalkers() == 4u && camp->GetBaseInterval() == 8.0f) ++woken;
        }
        EXPECT_EQ(woken, 2) << seed;
        screen.SetNight(false);
        for (const cBaseEnemy* camp : camps) EXPECT_EQ(camp->GetMaxWalkers(), 0u) << seed;
    }
}

TEST(MagicWidgetPlayEvents, Scripts_RaiseTheCampsAndBanditsByTheLevelClock)
{
    {
        RecordingWidget screen;
        screen.SetLevelName("012");
        auto* camp = dynamic_cast<cBaseEnemy*>(screen.CreateObject(kTypeBaseEnemy, 0));
        camp->SetBaseInterval(10.0f);
        camp->SetMaxWalkers(2);
        screen.baseStage = 0;
        screen.levelTime = 89.0f;
        screen.UpdateEnemyBases();
        EXPECT_EQ(camp->GetMaxWalkers(), 2u);
        screen.levelTime = 90.0f;
        screen.UpdateEnemyBases();
        screen.UpdateEnemyBases();
        EXPECT_EQ(camp->GetMaxWalkers(), 3u);
        EXPECT_FLOAT_EQ(camp->GetBaseInterval(), 7.0f);
        screen.levelTime = 180.0f;
        screen.UpdateEnemyBases();
        screen.UpdateEnemyBases();
        EXPECT_EQ(camp->GetMaxWalkers(), 4u);
        EXPECT_EQ(screen.baseStage, -1);
    }
    {
        RecordingWidget screen;
        screen.SetLevelName("008");
        screen.ResetEnemyTuning();
        screen.baseStage = 0;
        screen.levelTime = 100.0f;
        screen.UpdateEnemyBases();
        EXPECT_FLOAT_EQ(EnemyTuningValues().banditSpeedFactor, 1.35f);
        screen.ResetEnemyTuning();
    }
    {
        // "027" without its second camp still finishes its script.
        RecordingWidget screen;
        screen.SetLevelName("027");
        auto* camp = dynamic_cast<cBaseEnemy*>(screen.CreateObject(kTypeBaseEnemy, 0));
        camp->SetName("base_enemy0");
        screen.baseStage = 0;
        screen.levelTime = 50.0f;
        screen.UpdateEnemyBases();
        EXPECT_EQ(camp->GetMaxWalkers(), 2u);
        screen.levelTime = 100.0f;
        screen.UpdateEnemyBases();
        EXPECT_EQ(camp->GetMaxWalkers(), 5u);
        EXPECT_EQ(screen.baseStage, -1);
    }
}

TEST_F(MagicWidgetPlayEventsTest, Escape_OpensTheEscapeWindowOnlyWhileTheLevelRuns)
{
    StartGame();
    RecordingWidget screen;
    Play(screen);
    middle_.windows.clear();
    screen.SetInputFlags(kInputCinematic | kInputNoHover);
    screen.OnPlayEvent(vrk::kWidgetKeyDown, 27);
    EXPECT_TRUE(middle_.windows.empty());
    screen.SetInputFlags(0);
    EXPECT_EQ(screen.OnPlayEvent(vrk::kWidgetKeyDown, 27), 0u);
    ASSERT_EQ(middle_.windows.size(), 1u);
    EXPECT_EQ(middle_.windows[0].first, "escape");
    EXPECT_EQ(middle_.windows[0].second, cLevelWidget::kWindowContext);

    // The level's end opens "finish" once, however often it is asked.
    middle_.windows.clear();
    screen.OnPlayEvent(kEventLevelEnd, 0);
    screen.OnPlayEvent(kEventLevelEnd, 0);
    ASSERT_EQ(middle_.windows.size(), 1u);
    EXPECT_EQ(middle_.windows[0].first, "finish");
}

TEST(MagicWidgetPlayEvents, Recount_EndsTheLevelOnceEveryTaskIsDone)
{
    RecordingWidget screen;
    screen.SetMode(kModePlay);
    screen.SetInputFlags(0);
    screen.Tasks().Add(0, "wood", 10, "task_wood", "Wood_10");
    screen.Tasks().Add(0, "mana", 5, "task_mana", "Mana_5");
    screen.Stock().amounts[0] = 10;
    screen.OnPlayEvent(kEventRecount, kTypeItem);
    EXPECT_EQ(screen.Count(kEventTaskDone, 0), 1);
    screen.Tick();
    EXPECT_EQ(screen.Count(kEventLevelEnd, 0), 0);
    screen.Stock().amounts[3] = 5;
    screen.OnPlayEvent(kEventRecount, 0);
    EXPECT_EQ(screen.Count(kEventTaskDone, 1), 1);
    screen.Tick();
    EXPECT_EQ(screen.Count(kEventLevelEnd, 0), 1);
    EXPECT_NE(screen.GetInputFlags() & kInputCinematic, 0u);
}

TEST_F(MagicWidgetPlayEventsTest, Nightfall028_CalmsTheSuccubiAndDaybreakSilencesTheWitchCamps)
{
    StartGame();
    middle_.randomGen.seed = 7;
    RecordingWidget screen;
    screen.SetLevelName("028");
    cObject* succubus = screen.CreateObject(kTypeSuccub, 0);
    ASSERT_NE(succubus, nullptr);
    std::vector<cBaseEnemy*> camps;
    for (int i = 0; i < 4; ++i) {
        auto* camp = dynamic_cast<cBaseEnemy*>(screen.CreateObject(kTypeBaseEnemy, 0));
        ASSERT_NE(camp, nullptr);
        camp->SetName("base_enemy" + std::to_string(i));
        camp->SetSprite(i < 2 ? "witch" : "goblin");
        camps.push_back(camp);
    }
    screen.SetNight(true);
    EXPECT_EQ(succubus->GetState(), 7);
    int woken = 0;
    for (const cBaseEnemy* camp : camps) woken += camp->GetMaxWalkers() == 4u ? 1 : 0;
    EXPECT_GE(woken, 1);
    EXPECT_LE(woken, 2);
    for (cBaseEnemy* camp : camps) camp->SetMaxWalkers(4);
    screen.SetNight(false);
    EXPECT_EQ(camps[0]->GetMaxWalkers(), 0u);
    EXPECT_EQ(camps[1]->GetMaxWalkers(), 0u);
    EXPECT_EQ(camps[2]->GetMaxWalkers(), 4u);
}

TEST(MagicWidgetPlayEvents, ZoneFreed_ReleasesCutOffWorkersWithAWayHomeAndCountsThem)
{
    RecordingWidget screen;
    screen.SetMode(kModePlay);
    screen.SetInputFlags(0);
    for (int32_t x = 0; x < screen.GetGridWidth(); ++x) {
        for (int32_t y = 0; y < screen.GetGridHeight(); ++y) screen.SetCellCost(x, y, kTerrainFree);
    }
    screen.home = dynamic_cast<cBuild*>(screen.CreateObject(kTypeBuild, 0));
    ASSERT_NE(screen.home, nullptr);
    screen.home->SetPosition(300.0f, 300.0f);
    cWorker* cutOff = AddWorker(screen, cWorker::kStateCutOff);
    cutOff->SetPosition(500.0f, 300.0f);
    cWorker* idle = AddWorker(screen, cWorker::kStateIdle);
    idle->SetPosition(500.0f, 400.0f);
    screen.OnPlayEvent(kEventZoneFreed, 0);
    EXPECT_EQ(cutOff->GetState(), cWorker::kStateCheering);
    EXPECT_EQ(idle->GetState(), cWorker::kStateIdle);
    EXPECT_EQ(screen.GetFreedWorkers(), 1);
    // The workers recount themselves on leaving state 10 too; the screen adds one.
    screen.Tick();
    EXPECT_GE(screen.Count(kEventRecount, kTypeWorker), 1);
}
