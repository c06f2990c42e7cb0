// Plants on the stand-in level screen: the level table, the seats and their clicks,
// walkers arriving for a seat (a taken or missing seat among them), the seat freed
// when a walker's target changes, the processing of loads, the fan, the linked
// pick-up's return, the heads as parts and the hint.
#include "objects/plant.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/render/vertex_batch.h"
#include "engine/text/text_table.h"
#include "framework/objects/texture_info_ex.h"
#include "objects/item.h"
#include "objects/level_contract.h"
#include "tests/engine/platform/platform_test_support.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

constexpr float kTick = cObject::kTickSeconds;

ResourceVector Amounts(int32_t wood, int32_t food, int32_t money, int32_t mana)
{
    const int32_t values[4] = {wood, food, money, mana};
    return ResourceVector(values, 4);
}

// Ticks of 1/30 s (summed as floats) until a run of `seconds` ends.
int TicksFor(float seconds)
{
    int ticks = 0;
    for (float elapsed = 0.0f; elapsed < seconds; elapsed += kTick) ++ticks;
    return ticks;
}

// A walker of the worker's kind in the workers' layer that drops its target when it
// goes idle, as workers do.
class SeatWalker : public cMan {
public:
    using cMan::cMan;
    int32_t GetTypeId() const override { return kTypeWorker; }
    bool IsKindOf(int32_t id) const override { return IsLevelKindOf(kTypeWorker, id); }
    int32_t OnStateChange(int32_t /*oldState*/, int32_t newState) override
    {
        if (newState == cPlant::kWorkerIdleState) SetTarget(nullptr, 0);
        return 0;
    }
};

class PlantTest : public test::CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        test::RegisterTestSprite("zone2x2", 1, 1.0f, 96.0f, 48.0f, 48.0f, 10.0f);
        for (const char* name : {"mill00", "sawmill00", "goldmill00"}) {
            const std::string base = name;
            for (const std::string& sprite : {base, base + "_up1", base + "_up2"}) {
                test::RegisterTestSprite(sprite, 4, 10.0f, 96.0f, 120.0f, 48.0f, 10.0f);
            }
            test::RegisterTestSprite(base + "_sh", 1, 1.0f);
        }
        test::RegisterTestSprite("icon_head", 1, 1.0f, 20.0f, 24.0f);
        test::RegisterTestSprite("icon_head_circle", 1, 1.0f, 20.0f, 24.0f);
        test::RegisterTestSprite("mill00_fan", 4, 10.0f);
        test::RegisterTestSprite("goldmill00_seat", 1, 1.0f);
        test::RegisterTestSprite("icon_build", 2, 1.0f);
    }

    cPlant* Make(const std::string& name, const std::string& text, const GridCell& cell = {8, 8})
    {
        auto* plant = dynamic_cast<cPlant*>(level.CreateObject(kTypePlant, 0));
        EXPECT_NE(plant, nullptr);
        if (plant == nullptr) return nullptr;
        plant->SetPositionV(level.CellToPoint(cell));
        plant->SetText(text);
        plant->SetSprite(name);
        return plant;
    }
    SeatWalker* Walker(cGameObject* target, int32_t kind, int32_t state)
    {
        auto* walker = new SeatWalker(&level);
        level.AddObject(walker, 0);
        level.SetObjectLayer(walker, LevelScreen::kWorkerLayer);
        walker->SetTarget(target, kind);
        walker->SetState(state);
        return walker;
    }
    // The walker reaches the plant as the end of his path tells it.
    static int32_t Arrive(cPlant& plant, SeatWalker& walker)
    {
        WalkEvent walk{&walker, &plant, walker.GetTargetKind()};
        return plant.OnMessage(kMessagePathFinished, reinterpret_cast<uintptr_t>(&walk));
    }
    // Ticks until the stock holds `amount` of `kind` (at most `limit`).
    int TicksUntilStock(cPlant& plant, size_t kind, int32_t amount, int limit = 2000)
    {
        int ticks = 0;
        while (level.Stock().At(kind) < amount && ticks < limit) {
            plant.Update();
            ++ticks;
        }
        return ticks;
    }
    static int TicksUntilBack(cPlant& plant, cGameObject& item, int limit = 2000)
    {
        int ticks = 0;
        while (item.GetState() != kStateWorkDone && ticks < limit) {
            plant.Update();
            ++ticks;
        }
        return ticks;
    }
    static void Upgrade(cPlant& plant)
    {
        plant.SetState(kStateWorking);
        plant.OnMessage(kMessageWorkTimer, 0);
    }
    int Sounds(const std::string& name) const { return CountLogged("sound buffer not found '" + name + "'"); }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen level;
};

TEST_F(PlantTest, SetupLevel_FollowsTheLevelTable)
{
    cPlant* unbuilt = Make("sawmill00", "2");
    EXPECT_EQ(unbuilt->GetLayer(), cBuild::kBuildLayer);
    EXPECT_EQ(unbuilt->GetAnimationKey(), "none");
    EXPECT_EQ(unbuilt->GetZoneWidth(), 2);
    EXPECT_EQ(unbuilt->GetZoneHeight(), 2);
    EXPECT_TRUE(unbuilt->GetSeats().empty());
    EXPECT_EQ(unbuilt->GetCost().amounts, Amounts(30, 0, 0, 0).amounts);
    EXPECT_FLOAT_EQ(unbuilt->GetTimerPeriod(), 8.0f);
    EXPECT_EQ(unbuilt->GetMarksOffset(), vec2(-40.0f, 10.0f));
    EXPECT_EQ(unbuilt->GetResourceKind(), 0);
    EXPECT_EQ(level.sawmill, unbuilt);

    const struct {
        const char* text;
        size_t seats;
        float processTime;
        float factor;
        float respawn;
        ResourceVector cost;
        float period;
    } rows[] = {
        {"3;0", 1, 4.0f, 1.5f, 23.0f, Amounts(30, 0, 30, 0), 6.0f},
        {"3;1", 2, 6.0f, 2.0f, 17.0f, Amounts(50, 0, 50, 0), 8.0f},
        // Level 2 has the top picture: a maximum above it is kept at it, so no
        // further step is priced.
        {"3;2", 3, 10.0f, 2.5f, 10.0f, Amounts(0, 0, 0, 0), 10.0f},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        cPlant* plant = Make("mill00", row.text);
        EXPECT_EQ(level.mill, plant);
        EXPECT_EQ(plant->GetResourceKind(), 1);
        EXPECT_EQ(plant->GetSeats(), std::vector<int32_t>(row.seats, cPlant::kSeatFree));
        EXPECT_FLOAT_EQ(plant->GetProcessTime(), row.processTime);
        EXPECT_FLOAT_EQ(plant->GetFactor(), row.factor);
        EXPECT_FLOAT_EQ(plant->GetRespawnPeriod(), row.respawn);
        EXPECT_EQ(plant->GetCost().amounts, row.cost.amounts);
        EXPECT_FLOAT_EQ(plant->GetTimerPeriod(), row.period);
        EXPECT_EQ(plant->GetMarksOffset(), vec2(-20.0f, 10.0f));
        EXPECT_FLOAT_EQ(plant->GetRespawn().duration, cPlant::kFirstRespawnSeconds);
    }
    EXPECT_EQ(Make("goldmill00", "1")->GetResourceKind(), 2);
    EXPECT_NE(level.goldMill, nullptr);
    level.ClearLevel();
    EXPECT_EQ(level.mill, nullptr);
}

TEST_F(PlantTest, SeatClicks_ReserveFreeAndCallOut)
{
    cPlant* mill = Make("mill00", "2;1");
    const auto click = [mill](uintptr_t part) { return mill->OnMessage(kEventPartClick, part); };
    EXPECT_EQ(click(2), 0) << "a free seat passes the click on for the order";
    EXPECT_EQ(mill->GetSeats()[0], cPlant::kSeatReserved);
    EXPECT_EQ(click(2), 1);
    EXPECT_EQ(mill->GetSeats()[0], cPlant::kSeatReserved);
    for (uintptr_t part : {uintptr_t{0}, uintptr_t{1}, uintptr_t{4}, ~uintptr_t{0}}) {
        EXPECT_EQ(click(part), 1);
    }
    EXPECT_EQ(mill->GetSeats(), (std::vector<int32_t>{cPlant::kSeatReserved, cPlant::kSeatFree}));

    // The walker for seat 0 arrives and sits down; the click calls him out.
    SeatWalker* walker = Walker(mill, 2, kStateWalking);
    EXPECT_TRUE(level.noMillFlag);
    EXPECT_EQ(Arrive(*mill, *walker), 1);
    EXPECT_EQ(walker->GetState(), cPlant::kWorkerInsideState);
    EXPECT_EQ(mill->GetSeats()[0], cPlant::kSeatTaken);
    EXPECT_FALSE(level.noMillFlag);
    EXPECT_EQ(mill->CountTakenSeats(), 1);
    EXPECT_EQ(mill->CountFreeSeats(), 1);
    EXPECT_EQ(click(2), 1);
    EXPECT_EQ(walker->GetState(), cPlant::kWorkerIdleState);
    EXPECT_EQ(walker->GetTarget(), nullptr);
    EXPECT_EQ(mill->GetSeats()[0], cPlant::kSeatFree);
}

TEST_F(PlantTest, Arrival_AdmitsOnlyIntoAnExistingSeatNobodyHolds)
{
    cPlant* mill = Make("mill00", "2;1");
    SeatWalker* seated = Walker(mill, 3, kStateWalking);
    Arrive(*mill, *seated);
    ASSERT_EQ(mill->GetSeats()[1], cPlant::kSeatTaken);

    // A second walker for the same seat, one for a seat that does not exist: both
    // stay outside, and the seated one keeps his seat.
    SeatWalker* late = Walker(mill, 3, kStateWalking);
    SeatWalker* lost = Walker(mill, 7, kStateWalking);
    for (SeatWalker* walker : {late, lost}) {
        EXPECT_EQ(Arrive(*mill, *walker), 1);
        EXPECT_EQ(walker->GetState(), cPlant::kWorkerIdleState);
    }
    EXPECT_EQ(seated->GetState(), cPlant::kWorkerInsideState);
    EXPECT_EQ(mill->GetSeats(), (std::vector<int32_t>{cPlant::kSeatFree, cPlant::kSeatTaken}));
    mill->OnMessage(kEventPartClick, 3);
    EXPECT_EQ(seated->GetState(), cPlant::kWorkerIdleState) << "the seated one can still be called out";

    // A seat given back by clearing the reservations still admits its walker.
    mill->OnMessage(kEventPartClick, 2);
    mill->ClearReservations();
    EXPECT_EQ(mill->GetSeats()[0], cPlant::kSeatFree);
    SeatWalker* walker = Walker(mill, 2, kStateWalking);
    Arrive(*mill, *walker);
    EXPECT_EQ(mill->GetSeats()[0], cPlant::kSeatTaken);
}

TEST_F(PlantTest, TargetChange_FreesTheSeatOfAWalkerOnHisWay)
{
    cPlant* mill = Make("mill00", "2;1");
    mill->OnMessage(kEventPartClick, 2);
    SeatWalker* walker = Walker(mill, 2, kStateWalking);
    walker->SetTarget(nullptr, 0);
    EXPECT_EQ(mill->GetSeats()[0], cPlant::kSeatFree);

    // One sitting inside keeps his seat when his target is set anew.
    mill->OnMessage(kEventPartClick, 3);
    SeatWalker* inside = Walker(mill, 3, kStateWalking);
    Arrive(*mill, *inside);
    inside->SetTarget(mill, 3);
    EXPECT_EQ(mill->GetSeats()[1], cPlant::kSeatTaken);
    // Building orders (kinds 0 and 1) have no seat.
    Walker(mill, 1, kStateWalking)->SetTarget(nullptr, 0);
    EXPECT_EQ(mill->GetSeats()[1], cPlant::kSeatTaken);
}

TEST_F(PlantTest, Processing_CreditsEachLoadTimesTheFactorOnceSomeoneSits)
{
    cPlant* sawmill = Make("sawmill00", "2;0");
    sawmill->QueueDelivery(Amounts(10, 3, 0, 0));
    for (int tick = 0; tick < 300; ++tick) sawmill->Update();
    EXPECT_EQ(level.Stock().amounts, Amounts(0, 0, 0, 0).amounts) << "loads wait while nobody sits inside";
    EXPECT_EQ(Sounds("sawmill"), 0);

    sawmill->SetSeat(0, cPlant::kSeatTaken);
    EXPECT_TRUE(sawmill->GetSmokeLeft().IsEmitting());
    EXPECT_EQ(TicksUntilStock(*sawmill, 0, 15), TicksFor(4.0f));
    EXPECT_EQ(level.Stock().amounts, Amounts(15, 3, 0, 0).amounts) << "only the plant's resource grows";
    EXPECT_EQ(Sounds("sawmill"), 1);
    EXPECT_EQ(Sounds("res_income"), 1);
    ASSERT_EQ(level.GetEffectList()->captions.size(), 1u);
    EXPECT_TRUE(sawmill->GetDeliveries().empty());

    // At level 2 with three seated a load takes a third of 10 s and counts 2.5 times.
    cPlant* big = Make("sawmill00", "2;2", {14, 8});
    for (int32_t seat = 0; seat < 3; ++seat) big->SetSeat(seat, cPlant::kSeatTaken);
    EXPECT_FLOAT_EQ(big->GetRatePerWorker(), 10.0f / 3.0f);
    big->QueueDelivery(Amounts(10, 0, 0, 0));
    big->QueueDelivery(Amounts(2, 0, 0, 0));
    EXPECT_EQ(TicksUntilStock(*big, 0, 40), TicksFor(10.0f / 3.0f));
    EXPECT_EQ(TicksUntilStock(*big, 0, 45), TicksFor(10.0f / 3.0f)) << "the next load starts on the next tick";
    EXPECT_EQ(Sounds("sawmill"), 3);
}

TEST_F(PlantTest, Upgrade_SendsEverySeatedWorkerOut)
{
    cPlant* goldMill = Make("goldmill00", "2;1");
    SeatWalker* first = Walker(goldMill, 2, kStateWalking);
    SeatWalker* second = Walker(goldMill, 3, kStateWalking);
    Arrive(*goldMill, *first);
    Arrive(*goldMill, *second);
    EXPECT_TRUE(goldMill->GetSmokeLeft().IsEmitting());
    EXPECT_TRUE(goldMill->GetSmokeRight().IsEmitting());
    goldMill->SetState(kStateWorking);
    EXPECT_EQ(first->GetState(), cPlant::kWorkerIdleState);
    EXPECT_EQ(second->GetState(), cPlant::kWorkerIdleState);
    EXPECT_EQ(goldMill->CountTakenSeats(), 0);
    EXPECT_FALSE(goldMill->GetSmokeLeft().IsEmitting());
    EXPECT_FALSE(goldMill->GetSmokeRight().IsEmitting());
    EXPECT_EQ(goldMill->GetAnimationKey(), "2");
}

TEST_F(PlantTest, Fan_TurnsOnlyWhileSomeoneSits)
{
    cPlant* mill = Make("mill00", "2;0");
    for (int tick = 0; tick < 10; ++tick) mill->Update();
    EXPECT_EQ(mill->GetFanSprite().play.frame, 0);
    mill->SetSeat(0, cPlant::kSeatTaken);
    EXPECT_EQ(mill->GetFanSprite().play.mode, kPlayLoopForward);
    for (int tick = 0; tick < 10; ++tick) mill->Update();
    EXPECT_GT(mill->GetFanSprite().play.frame, 0);
    mill->FreeSeat(0);
    EXPECT_EQ(mill->GetFanSprite().play.mode, kPlayStopped);
    const int32_t frame = mill->GetFanSprite().play.frame;
    for (int tick = 0; tick < 10; ++tick) mill->Update();
    EXPECT_EQ(mill->GetFanSprite().play.frame, frame);
}

TEST_F(PlantTest, LinkedPickUp_ReturnsAfterItsRespawnTimeWhileSomeoneSits)
{
    cPlant* mill = Make("mill00", "2;0");
    auto* item = dynamic_cast<cItem*>(level.CreateObject(kTypeItem, 0));
    item->SetSprite("food");
    item->SetState(kStateNone);
    mill->SetLinkedItem(item);
    for (int tick = 0; tick < 100; ++tick) mill->Update();
    EXPECT_EQ(item->GetState(), kStateNone) << "nobody sits inside";

    mill->SetSeat(0, cPlant::kSeatTaken);
    EXPECT_EQ(TicksUntilBack(*mill, *item), TicksFor(1.0f));
    EXPECT_EQ(Sounds("respawn"), 1);
    item->SetState(kStateNone);
    EXPECT_EQ(TicksUntilBack(*mill, *item), TicksFor(23.0f));

    // After an upgrade the first return comes after 1 s again, then every 10 s at
    // level 2.
    Upgrade(*mill);
    Upgrade(*mill);
    ASSERT_EQ(mill->GetLevel(), 2);
    mill->SetSeat(0, cPlant::kSeatTaken);
    item->SetState(kStateNone);
    EXPECT_EQ(TicksUntilBack(*mill, *item), TicksFor(1.0f));
    item->SetState(kStateNone);
    EXPECT_EQ(TicksUntilBack(*mill, *item), TicksFor(10.0f));
    EXPECT_EQ(Sounds("respawn"), 4);
}

TEST_F(PlantTest, Heads_AreClickablePartsWithTheirOwnHint)
{
    vrk::TextTable()["mill00"] = "Mill";
    vrk::TextTable()["mill00_up"] = "Bigger mill";
    vrk::TextTable()["AddWorker"] = "Add";
    vrk::TextTable()["FreeWorker"] = "Free";
    vrk::TextTable()["Price"] = "Price";
    cPlant* mill = Make("mill00", "2;2");
    const vec2 at = mill->GetPosition();
    // Three 20-wide heads centred on the 96-wide picture, their tops on its top.
    Rect head;
    ASSERT_TRUE(mill->GetHeadRect(2, head));
    EXPECT_FLOAT_EQ(head.x, at.x - 30.0f + 40.0f);
    EXPECT_FLOAT_EQ(head.y, at.y - 10.0f + 120.0f - 24.0f);
    Rect rect;
    mill->GetRect(rect, 4);
    EXPECT_FLOAT_EQ(rect.x, head.x);
    EXPECT_FLOAT_EQ(rect.width, 20.0f);
    EXPECT_FALSE(mill->GetHeadRect(3, head));
    mill->GetRect(rect, 5);
    EXPECT_FLOAT_EQ(rect.width, 0.0f);
    mill->GetRect(rect, 1);
    EXPECT_FLOAT_EQ(rect.width, 96.0f);

    const vec2 overSeat1{at.x - 30.0f + 30.0f, at.y + 100.0f};
    EXPECT_EQ(mill->HitTest(overSeat1), 3);
    EXPECT_EQ(mill->HitTest(at), 1);
    mill->OnMessage(kEventPartClick, 4);
    mill->SetSeat(1, cPlant::kSeatTaken);
    const auto hintAt = [this, mill](const vec2& point) {
        level.mouseWorld = point;
        level.Tick();
        return mill->GetHintText();
    };
    EXPECT_EQ(hintAt({at.x - 30.0f + 10.0f, at.y + 100.0f}), "Mill\nAdd");
    EXPECT_EQ(hintAt(overSeat1), "Mill\nFree");
    EXPECT_EQ(hintAt({at.x - 30.0f + 50.0f, at.y + 100.0f}), "Mill") << "a reserved seat adds nothing";
    EXPECT_EQ(hintAt(at), "Mill") << "at its top level the mill shows no price";

    // While an upgrade runs the heads are no parts.
    mill->SetState(kStateWorking);
    EXPECT_EQ(mill->HitTest(overSeat1), 0) << "above the footprint";
    for (const char* key : {"mill00", "mill00_up", "AddWorker", "FreeWorker", "Price"}) {
        vrk::TextTable().erase(key);
    }
}

TEST_F(PlantTest, MissingHeadIcon_DrawsNoHeadsAndClicksHitTheFootprint)
{
    GetTextureInfoExMap().erase("icon_head");
    vrk::VertexBatch batch;
    app.batch = &batch;
    cPlant* mill = Make("mill00", "2;2");
    Rect head;
    EXPECT_FALSE(mill->GetHeadRect(0, head));
    EXPECT_EQ(mill->HitTest(mill->GetPosition()), 1);
    mill->Draw();
    for (uint32_t run = 0; run < batch.runCount; ++run) {
        ASSERT_NE(batch.runs[run].key, nullptr);
        EXPECT_NE(batch.runs[run].key->name, "icon_head_circle_tex");
    }
    app.batch = nullptr;
}

}  // namespace
