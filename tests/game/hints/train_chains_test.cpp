// The levels' tutorial chains with the real level classes on small tool-built
// levels: "000" in order up to a missing bridge, the 20 s wait and the witch of
// "037", the night and day triggers of "035", the goblin of "003", the remembered count of "011" and
// the bell of "009" on the freeze timer.
#include <gtest/gtest.h>

#include <memory>
#include <typeinfo>

#include "game/hints/first_hint.h"
#include "game/hints/train000.h"
#include "game/hints/train003.h"
#include "game/hints/train009.h"
#include "game/hints/train011.h"
#include "game/hints/train035.h"
#include "game/hints/train037.h"
#include "framework/objects/man.h"
#include "objects/goblin.h"
#include "objects/level_contract.h"
#include "objects/plant.h"
#include "objects/worker.h"
#include "tests/game/support/hint_tour.h"

namespace {

class TrainChainsTest : public test::HintTour {
protected:
    template <class Step>
    Step* Current() const
    {
        return dynamic_cast<Step*>(screen->GetHint());
    }
    template <class Step>
    Step* Start()
    {
        screen->SetHint(std::make_unique<Step>());
        return Current<Step>();
    }
    bool RunUntilShown(int limit)
    {
        for (int i = 0; i < limit; ++i) {
            if (screen->GetHint() != nullptr && screen->GetHint()->stage == cTrain::kStageShown) return true;
            Frame();
        }
        return false;
    }
    // Shows the current step, does what it asks, and runs on to the next one.
    template <class Step, class Act>
    void Play(Act act)
    {
        Step* step = Current<Step>();
        ASSERT_NE(step, nullptr) << (screen->GetHint() ? typeid(*screen->GetHint()).name() : "none") << " "
                                 << (screen->GetHint() ? screen->GetHint()->stage : 9);
        ASSERT_TRUE(RunUntilShown(200));
        act();
        ASSERT_TRUE(RunUntilReplaced(step, 200));
    }
    void SetState(const char* name, int32_t state)
    {
        cObject* object = screen->FindObject(name, -1);
        ASSERT_NE(object, nullptr) << name;
        object->SetState(state);
    }
};

TEST_F(TrainChainsTest, Chain000_RunsInOrderAndEndsAtAMissingBridge)
{
    PlayLevel(kHintsLevel);
    ASSERT_EQ(screen->GetLevelName(), "000");
    HudControl("frame_task0", {900, 600, 80, 40});
    HudControl("spin", {470, 720, 120, 30});
    screen->FindObject("bridge1", -1)->SetName("bridge_gone");

    Play<train000::cTakeTree>([&] { SetState("tree0", 2); });
    Play<train000::cRepairBridge0>([&] { SetState("bridge0", 2); });
    Play<train000::cPanelTask>([&] { Gui()->ShowWindow("level_task"); });
    Play<train000::cLevelTime>([&] { PressKey('a'); });
    // A harvest lasts only while a worker holds the field's place.
    Play<train000::cTakeField>([&] {
        screen->FindObject("field0", -1)->TakePlace();
        SetState("field0", 0);
    });
    // Its bridge is missing: it never shows and the chain stops with it.
    auto* last = Current<train000::cRepairBridge1>();
    ASSERT_NE(last, nullptr);
    Frames(120);
    EXPECT_EQ(screen->GetHint(), last);
    EXPECT_EQ(last->stage, cTrain::kStageOver);
}

TEST_F(TrainChainsTest, FirstHints_StartEachTutorialLevelsChain)
{
    PlayLevel(kChainsLevel);
    EXPECT_NE(dynamic_cast<train000::cTakeTree*>(CreateFirstHint("000").get()), nullptr);
    EXPECT_NE(dynamic_cast<train037::cAddWorker*>(CreateFirstHint("037").get()), nullptr);
    EXPECT_NE(dynamic_cast<train035::cNightTimer*>(CreateFirstHint("035").get()), nullptr);
    for (const char* level : {"001", "003", "009", "010", "011", "019", "020", "021", "025", "029", "032", "036"})
        EXPECT_NE(CreateFirstHint(level), nullptr) << level;
    for (const char* level : {"002", "038", "00", "0000", ""}) EXPECT_EQ(CreateFirstHint(level), nullptr) << level;
}

TEST_F(TrainChainsTest, Chain037_ShowsFreeWorkerNoEarlierThanTwentySeconds)
{
    PlayLevel(kChainsLevel);
    auto* mill = dynamic_cast<cPlant*>(screen->FindObject("mill0", -1));
    ASSERT_NE(mill, nullptr);
    if (mill->GetSeats().empty()) mill->SetSeatCount(2);
    Start<train037::cAddWorker>();
    Play<train037::cAddWorker>([&] { mill->SetSeat(0, cPlant::kSeatTaken); });
    Play<train037::cAddedWorker>([&] { PressKey('a'); });
    auto* freeWorker = Current<train037::cFreeWorker>();
    ASSERT_NE(freeWorker, nullptr);
    Frames(19 * 30);
    EXPECT_EQ(freeWorker->stage, cTrain::kStageWaiting);
    Frames(2 * 30);
    EXPECT_EQ(freeWorker->stage, cTrain::kStageShown);
    mill->SetSeat(0, cPlant::kSeatFree);
    ASSERT_TRUE(RunUntilReplaced(freeWorker, 5));
    EXPECT_NE(Current<train037::cFreedWorker>(), nullptr);
}

TEST_F(TrainChainsTest, Chain037_FollowsAWitchOnHerWayUntilSheIsGone)
{
    PlayLevel(kChainsLevel);
    auto* killWitch = Start<train037::cKillWitch>();
    cObject* witch = screen->CreateObject(kTypeWitch, 901);
    ASSERT_NE(witch, nullptr);
    screen->SetObjectLayer(witch, 6);
    // A witch without a target of her own is not pointed at; one on her way is.
    EXPECT_FALSE(killWitch->IsTriggered());
    EXPECT_EQ(killWitch->target, nullptr);
    auto* walker = dynamic_cast<cMan*>(witch);
    ASSERT_NE(walker, nullptr);
    if (walker->GetTarget() == nullptr)
        walker->SetTarget(static_cast<cGameObject*>(screen->FindObject("worker0", -1)), 0);
    ASSERT_TRUE(RunUntilShown(60));
    EXPECT_EQ(killWitch->target, witch);
    EXPECT_TRUE(killWitch->follow);
    screen->RemoveObject(witch);
    ASSERT_TRUE(RunUntilReplaced(killWitch, 5));
    // The last step points at a worker and follows it.
    auto* killed = Current<train037::cKilledWitch>();
    ASSERT_NE(killed, nullptr);
    ASSERT_NE(killed->target, nullptr);
    EXPECT_TRUE(killed->target->IsKindOf(kTypeWorker));
    EXPECT_TRUE(killed->follow);
    EXPECT_TRUE(killed->waitClick);
}

TEST_F(TrainChainsTest, Chain035_WaitsForTheNightThenForTheDay)
{
    PlayLevel(kChainsLevel);
    HudControl("night", {600, 720, 40, 40});
    Start<train035::cNightTimer>();
    Play<train035::cNightTimer>([&] { PressKey('a'); });
    Play<train035::cBonfireInfo>([&] { PressKey('a'); });
    auto* bonfire0 = Current<train035::cBonfire0>();
    ASSERT_NE(bonfire0, nullptr);
    Frames(90);
    EXPECT_EQ(bonfire0->stage, cTrain::kStageWaiting);
    screen->SetNight(true);
    Play<train035::cBonfire0>([&] { SetState("bonfire0", 0); });
    Play<train035::cBonfire1>([&] { SetState("bonfire1", 0); });
    auto* stew0 = Current<train035::cBonfireStew0>();
    ASSERT_NE(stew0, nullptr);
    Frames(90);
    EXPECT_EQ(stew0->stage, cTrain::kStageWaiting);
    screen->SetNight(false);
    Play<train035::cBonfireStew0>([&] { SetState("bonfire0", 1); });
    EXPECT_NE(Current<train035::cBonfireStew1>(), nullptr);
}

TEST_F(TrainChainsTest, Chain003_WaitsForAGoblinAtWorkAndPointsAtIt)
{
    PlayLevel(kChainsLevel);
    auto* info = Start<train003::cGoblinInfo>();
    Frames(120);
    EXPECT_EQ(info->stage, cTrain::kStageWaiting);
    EXPECT_EQ(info->target, nullptr);
    // Without its camp and a tree a goblin leaves state 6 by itself (and the level
    // soon after), so the trigger is asked at once.
    cObject* goblin = screen->CreateObject(kTypeGoblin, 900);
    ASSERT_NE(goblin, nullptr);
    screen->SetObjectLayer(goblin, 6);
    EXPECT_FALSE(info->IsTriggered());
    goblin->SetState(cGoblin::kStatePicking);
    EXPECT_TRUE(info->IsTriggered());
    EXPECT_EQ(info->target, goblin);
}

TEST_F(TrainChainsTest, Chain011_FreeWorkerRemembersTheUsedPlaces)
{
    PlayLevel(kChainsLevel);
    cObject* keyAltar = screen->FindObject("key_altar0", -1);
    ASSERT_NE(keyAltar, nullptr);
    keyAltar->SetPlaces(3);
    auto* worker = dynamic_cast<cWorker*>(screen->FindObject("worker1", -1));
    ASSERT_NE(worker, nullptr);
    auto* freeWorker = Start<train011::cFreeWorker>();
    Frames(11 * 30);
    EXPECT_EQ(freeWorker->stage, cTrain::kStageWaiting);

    // Two places taken, but nobody at work there yet: not yet.
    keyAltar->TakePlace();
    keyAltar->TakePlace();
    EXPECT_FALSE(freeWorker->IsTriggered());
    // A worker at work on it (its target takes a place of its own): triggered,
    // remembering the places used then.
    worker->SetTarget(static_cast<cGameObject*>(keyAltar), 0);
    worker->SetState(cWorker::kStateAtWork);
    const int32_t used = keyAltar->GetUsedPlaces();
    EXPECT_TRUE(freeWorker->IsTriggered());
    EXPECT_EQ(freeWorker->usedPlaces, used);
    EXPECT_FALSE(freeWorker->IsDone());
    keyAltar->ReleasePlace();
    EXPECT_TRUE(freeWorker->IsDone());
    keyAltar->TakePlace();
    EXPECT_FALSE(freeWorker->IsDone());
}

TEST_F(TrainChainsTest, Chain009_BellInfoTriggersInTheFreezesLastQuarter)
{
    PlayLevel(kChainsLevel);
    Start<train009::cAltarEnemyInfo>();
    Play<train009::cAltarEnemyInfo>([&] { PressKey('a'); });
    Play<train009::cAltarInfo>([&] { PressKey('a'); });
    auto* bell = Current<train009::cBellInfo>();
    ASSERT_NE(bell, nullptr);
    Frames(60);
    EXPECT_EQ(bell->stage, cTrain::kStageWaiting);
    screen->spellTimers[3] = 20.0f;
    Frames(5);
    EXPECT_EQ(bell->stage, cTrain::kStageWaiting);
    screen->spellTimers[3] = 9.0f;
    Frame();
    EXPECT_EQ(bell->stage, cTrain::kStageShown);
    Play<train009::cBellInfo>([&] { PressKey('a'); });
    // The house stands at level 0: the last step may show.
    auto* upgrade = Current<train009::cUpgradeHouse>();
    ASSERT_NE(upgrade, nullptr);
    EXPECT_TRUE(RunUntilShown(60));
}

}  // namespace
