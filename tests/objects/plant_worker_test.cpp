// Workers at plants and special buildings on the stand-in level screen: where a
// load goes, a delivery processed and credited, a seat's round trip by clicks, a
// seat given back by a worker reset on his way, two workers for one seat, and the
// fountain brought into view during a worker's update.
#include <gtest/gtest.h>

#include <string>

#include "objects/item.h"
#include "objects/level_contract.h"
#include "objects/plant.h"
#include "objects/tunnel_build.h"
#include "objects/worker.h"
#include "tests/objects/support/worker_fixture.h"

namespace {

ResourceVector Amounts(int32_t wood, int32_t food, int32_t money, int32_t mana)
{
    const int32_t values[4] = {wood, food, money, mana};
    return ResourceVector(values, 4);
}

class PlantWorkerTest : public test::WorkerTest {
protected:
    void SetUp() override
    {
        WorkerTest::SetUp();
        test::RegisterTestSprite("zone2x2", 1, 1.0f, 96.0f, 48.0f, 48.0f, 10.0f);
        for (const char* name : {"mill00", "sawmill00", "goldmill00"}) {
            test::RegisterTestSprite(name, 4, 10.0f, 96.0f, 120.0f, 48.0f, 10.0f);
        }
        test::RegisterTestSprite("icon_head", 1, 1.0f, 20.0f, 24.0f);
        test::RegisterTestSprite("source_life_water", 4, 10.0f, 150.0f, 150.0f, 75.0f, 10.0f);
        home = MakeHome({3, 12});
    }

    cPlant* MakePlant(const std::string& name, const GridCell& cell)
    {
        auto* plant = dynamic_cast<cPlant*>(level.CreateObject(kTypePlant, 0));
        if (plant == nullptr) return nullptr;
        plant->SetPositionV(level.CellToPoint(cell));
        plant->SetText("2;0");
        plant->SetSprite(name);
        return plant;
    }

    cBuild* home = nullptr;
};

TEST_F(PlantWorkerTest, StartDelivery_SendsALoadToTheSeatedPlantOfItsFirstResource)
{
    cPlant* mill = MakePlant("mill00", {10, 4});
    cPlant* sawmill = MakePlant("sawmill00", {14, 4});
    cPlant* goldMill = MakePlant("goldmill00", {18, 4});
    mill->SetSeat(0, cPlant::kSeatTaken);
    sawmill->SetSeat(0, cPlant::kSeatTaken);
    cWorker* worker = MakeWorker({10, 10});
    cGameObject* site = MakeSite({12, 12}, 1.0f);
    auto* item = dynamic_cast<cItem*>(level.CreateObject(kTypeItem, 0));
    ASSERT_NE(item, nullptr);
    const auto destination = [&](const ResourceVector& load, cGameObject* source) -> cGameObject* {
        worker->AssignTask(load, source);
        level.sendWorkerCalls.clear();
        EXPECT_TRUE(worker->StartDelivery());
        return level.sendWorkerCalls.empty() ? nullptr : level.sendWorkerCalls.back().target;
    };
    EXPECT_EQ(destination(Amounts(5, 5, 0, 0), site), mill) << "food before wood";
    EXPECT_EQ(destination(Amounts(5, 0, 5, 0), site), sawmill) << "wood before money";
    EXPECT_EQ(destination(Amounts(0, 0, 5, 0), site), home) << "nobody sits in the gold mill";
    EXPECT_EQ(destination(Amounts(0, 0, 0, 5), site), home);
    EXPECT_EQ(destination(Amounts(0, 5, 0, 0), item), home) << "pick-ups always go home";
    goldMill->SetSeat(0, cPlant::kSeatTaken);
    EXPECT_EQ(destination(Amounts(0, 0, 5, 0), site), goldMill);
    mill->FreeSeat(0);
    EXPECT_EQ(destination(Amounts(5, 5, 0, 0), site), home) << "the mill takes no food with nobody inside";
}

TEST_F(PlantWorkerTest, Delivery_IsTakenInProcessedAndCredited)
{
    cPlant* sawmill = MakePlant("sawmill00", {14, 8});
    sawmill->SetSeat(0, cPlant::kSeatTaken);
    cWorker* worker = MakeWorker({6, 8});
    worker->AssignTask(Amounts(10, 0, 0, 0), MakeSite({6, 4}, 1.0f));
    ASSERT_GT(TicksUntil([&] { return !sawmill->GetDeliveries().empty() || level.Stock().At(0) > 0; }), 0);
    EXPECT_TRUE(worker->Load().IsEmpty());
    EXPECT_EQ(worker->GetTarget(), nullptr);
    ASSERT_GT(TicksUntil([&] { return level.Stock().At(0) > 0; }), 0);
    EXPECT_EQ(level.Stock().At(0), 15);
    EXPECT_EQ(Sounds("sawmill"), 1);
}

TEST_F(PlantWorkerTest, SeatClicks_TakeAWorkerInAndLetHimOut)
{
    cPlant* mill = MakePlant("mill00", {14, 8});
    cWorker* worker = MakeWorker({6, 8});
    ASSERT_EQ(mill->OnMessage(kEventPartClick, 2), 0);
    ASSERT_TRUE(level.SendWorker(worker, mill, 2));
    ASSERT_GT(TicksUntil([&] { return worker->GetState() == cWorker::kStateInside; }), 0);
    EXPECT_EQ(mill->GetSeats()[0], cPlant::kSeatTaken);
    EXPECT_FALSE(level.noMillFlag);
    EXPECT_EQ(mill->GetFanSprite().play.mode, kPlayLoopForward);
    Ticks(30);
    EXPECT_EQ(worker->GetState(), cWorker::kStateInside) << "he stays inside";

    EXPECT_EQ(mill->OnMessage(kEventPartClick, 2), 1);
    EXPECT_NE(worker->GetState(), cWorker::kStateInside);
    EXPECT_EQ(mill->GetSeats()[0], cPlant::kSeatFree);

    // Reset on his way in, a worker gives the reserved seat back.
    cWorker* far = MakeWorker({2, 4});
    mill->OnMessage(kEventPartClick, 2);
    ASSERT_TRUE(level.SendWorker(far, mill, 2));
    Ticks(3);
    ASSERT_EQ(far->GetState(), kStateWalking);
    far->Reset();
    EXPECT_EQ(mill->GetSeats()[0], cPlant::kSeatFree);
}

// An upgrade started while a worker walks to the seat he was sent to: he is turned
// away at the door, as the seated ones were sent out, and the seat stays free.
TEST_F(PlantWorkerTest, UpgradeStartedMeanwhile_TurnsTheWorkerForTheSeatAway)
{
    cPlant* mill = MakePlant("mill00", {14, 8});
    cWorker* worker = MakeWorker({4, 8});
    ASSERT_EQ(mill->OnMessage(kEventPartClick, 2), 0);
    ASSERT_TRUE(level.SendWorker(worker, mill, 2));
    Ticks(3);
    ASSERT_EQ(worker->GetState(), kStateWalking);
    mill->SetState(kStateWorking);
    ASSERT_GT(TicksUntil([&] { return worker->GetState() != kStateWalking; }), 0);
    EXPECT_NE(worker->GetState(), cWorker::kStateInside);
    EXPECT_EQ(Sounds("worker_in"), 0);
    EXPECT_EQ(mill->CountTakenSeats(), 0);
    EXPECT_TRUE(mill->GetFanSprite().play.mode == kPlayStopped) << "no work goes on inside";
    EXPECT_EQ(worker->GetTarget(), nullptr) << "free for the next order";
}

TEST_F(PlantWorkerTest, TwoWorkersForOneSeat_OnlyOneSitsDown)
{
    cPlant* mill = MakePlant("mill00", {14, 8});
    cWorker* first = MakeWorker({6, 8});
    cWorker* second = MakeWorker({6, 10});
    mill->OnMessage(kEventPartClick, 2);
    level.SendWorker(first, mill, 2);
    level.SendWorker(second, mill, 2);
    const auto arrived = [](const cWorker* worker) { return worker->GetTarget() == nullptr; };
    ASSERT_GT(TicksUntil([&] {
                  return (first->GetState() == cWorker::kStateInside || arrived(first)) &&
                         (second->GetState() == cWorker::kStateInside || arrived(second));
              }),
              0);
    const int inside = (first->GetState() == cWorker::kStateInside ? 1 : 0) +
                       (second->GetState() == cWorker::kStateInside ? 1 : 0);
    EXPECT_EQ(inside, 1);
    EXPECT_EQ(mill->GetSeats()[0], cPlant::kSeatTaken);
    mill->OnMessage(kEventPartClick, 2);
    EXPECT_NE(first->GetState(), cWorker::kStateInside);
    EXPECT_NE(second->GetState(), cWorker::kStateInside);
}

TEST_F(PlantWorkerTest, LifeWater_MovesTheFountainDuringTheLastWorkersUpdate)
{
    cObject* fountain = level.CreateObject(kTypeDecor, 0);
    fountain->SetSprite("anim=source_fountain");
    level.SetObjectLayer(fountain, 3);
    auto* source = dynamic_cast<cTunnelBuild*>(level.CreateObject(kTypeTunnelBuild, 0));
    ASSERT_NE(source, nullptr);
    source->SetPositionV(level.CellToPoint({14, 8}));
    source->SetSprite("source_life_water");
    level.Stock() = Amounts(0, 0, 1000, 0);
    for (int payment = 0; payment < 999; ++payment) source->UpdateTimer(1.0f);
    ASSERT_EQ(source->GetPriceLeft().At(2), 1);

    cWorker* worker = MakeWorker({6, 8});
    ASSERT_TRUE(level.SendWorker(worker, source, 0));
    ASSERT_GT(TicksUntil([&] { return fountain->GetLayer() == 7; }), 0);
    EXPECT_EQ(source->GetState(), kStateWorkDone);
    EXPECT_EQ(level.achievements, std::vector<std::string>{"achieve_finish_well"});
    Ticks(5);
}

}  // namespace
