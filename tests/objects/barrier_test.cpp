// Barriers on the stand-in level screen: the set-up table, the work that clears a
// log or stone (or mends a bridge) frame by frame, the freed cells and roads, the
// log and stone counts with their achievements, clicks, and the bridge test.
#include "objects/barrier.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/text/text_table.h"
#include "framework/widgets/level_file.h"
#include "objects/level_contract.h"
#include "tests/engine/platform/platform_test_support.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

constexpr float kTick = cObject::kTickSeconds;
constexpr uint32_t kFixedSeed = 4242u;
constexpr int kWorkFrames = 4;

// Ticks of the work timer from a full period until it runs out, in the same float
// steps.
int TicksToRunOut(float period)
{
    int ticks = 0;
    for (float remaining = period; remaining > 0.0f; remaining -= kTick) ++ticks;
    return ticks;
}

class BarrierTest : public test::CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        app.random.seed = kFixedSeed;
        for (const char* name : {"log00", "stone00", "stone_big00", "bridge00", "bridge01", "bridge_big00",
                                 "bridge_big01"}) {
            test::RegisterTestSprite(name, kWorkFrames, 10.0f, 64.0f, 32.0f, 32.0f, 16.0f);
        }
    }

    // A barrier made by the level's factory, standing on a cell, set up by name.
    cBarrier* Make(const std::string& name, const GridCell& cell)
    {
        auto* barrier = dynamic_cast<cBarrier*>(level.CreateObject(kTypeBarrier, 0));
        EXPECT_NE(barrier, nullptr);
        if (barrier == nullptr) return nullptr;
        barrier->SetPositionV(level.CellToPoint(cell));
        barrier->SetSprite(name);
        barrier->MarkZone(1);
        return barrier;
    }

    // A worker's share: the order starts the work, the timer runs to its end.
    // Answers the ticks it took.
    static int Work(cBarrier& barrier)
    {
        barrier.SetState(kStateWorking);
        int ticks = 0;
        while (barrier.GetState() == kStateWorking && ticks < 10000) {
            barrier.UpdateTimer(kTick);
            ++ticks;
        }
        return ticks;
    }

    // How often the screen was handed 7001 (the roads changed).
    size_t ZoneFreedEvents() const
    {
        size_t count = 0;
        for (const auto& event : level.playEvents) count += event.code == kEventZoneFreed ? 1 : 0;
        return count;
    }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen level;
};

struct BarrierRow {
    const char* name;
    std::vector<int32_t> cost;  // wood, food, money, mana
    std::vector<int32_t> yield;
    float period;
    vec2 marks;
};

TEST_F(BarrierTest, SetSprite_TakesPriceYieldPeriodAndMarksFromTheTypeName)
{
    const std::vector<int32_t> none{0, 0, 0, 0};
    const BarrierRow rows[] = {
        {"log00", {0, 50, 0, 0}, {40, 0, 0, 0}, 5.0f, {-5.0f, 5.0f}},
        {"stone00", {0, 60, 60, 0}, none, 5.0f, {-5.0f, 5.0f}},
        {"stone_big00", {0, 120, 120, 0}, none, 10.0f, {-5.0f, 5.0f}},
        {"bridge00", {80, 0, 0, 0}, none, 7.0f, {-20.0f, 5.0f}},
        {"bridge01", {80, 0, 0, 0}, none, 7.0f, {-20.0f, 5.0f}},
        {"bridge_big00", {120, 0, 0, 0}, none, 9.0f, {-20.0f, 5.0f}},
        {"bridge_big01", {120, 0, 0, 0}, none, 9.0f, {-20.0f, 5.0f}},
        {"unknown", none, none, 0.0f, {0.0f, 0.0f}},
    };
    for (const BarrierRow& row : rows) {
        SCOPED_TRACE(row.name);
        cBarrier* barrier = Make(row.name, {2, 2});
        ASSERT_NE(barrier, nullptr);
        EXPECT_EQ(barrier->GetCost().amounts, row.cost);
        EXPECT_EQ(barrier->GetYield().amounts, row.yield);
        EXPECT_FLOAT_EQ(barrier->GetTimerPeriod(), row.period);
        EXPECT_EQ(barrier->GetMarksOffset(), row.marks);
        EXPECT_EQ(barrier->GetBarOffset(), vec2(0.0f, -20.0f));
        EXPECT_FLOAT_EQ(barrier->GetFadeTime(), 1.0f);
        EXPECT_EQ(barrier->GetState(), kStateWorkDone);
        EXPECT_TRUE(barrier->IsKindOf(kTypeBarrier) && barrier->IsKindOf(kTypeGameObject));
        EXPECT_FALSE(barrier->IsKindOf(kTypeBuild));
    }
    EXPECT_EQ(level.standingLogs, 1);
}

TEST_F(BarrierTest, Work_ClearsFrameByFrameThenFreesTheCellsAndTheRoads)
{
    level.InitLevel("001");
    cBarrier* stone = Make("stone00", {3, 3});
    cBarrier* bridge = Make("bridge00", {6, 3});
    ASSERT_TRUE(level.IsCellBlockedXY(3, 3));

    stone->SetState(kStateWorking);
    EXPECT_TRUE(stone->GetCost().IsZero()) << "the order paid already";
    int lastFrame = 0;
    int ticks = 0;
    while (stone->GetState() == kStateWorking) {
        stone->UpdateTimer(kTick);
        ++ticks;
        if (stone->GetState() != kStateWorking) break;
        EXPECT_GE(stone->GetFrame(), lastFrame);
        EXPECT_LT(stone->GetFrame(), kWorkFrames);
        lastFrame = stone->GetFrame();
    }
    EXPECT_EQ(lastFrame, kWorkFrames - 1);
    EXPECT_EQ(ticks, 1 + TicksToRunOut(5.0f)) << "one call starts the period, then it runs down";
    EXPECT_EQ(stone->GetState(), cBarrier::kStateCleared);
    EXPECT_FALSE(level.IsCellBlockedXY(3, 3));
    EXPECT_EQ(ZoneFreedEvents(), 1u);
    // A cleared stone shows "done", which is never bound: nothing is drawn.
    EXPECT_EQ(stone->GetAnimation(), nullptr);

    Work(*bridge);
    EXPECT_FALSE(level.IsCellBlockedXY(6, 3));
    EXPECT_EQ(bridge->GetAnimationKey(), "life") << "a mended bridge keeps its picture";
    EXPECT_NE(bridge->GetAnimation(), nullptr);
    EXPECT_EQ(ZoneFreedEvents(), 2u);
    EXPECT_EQ(level.clearedStones, 1);
    EXPECT_TRUE(level.achievements.empty());
}

TEST_F(BarrierTest, Work_WithoutFramesSetsNoFrame)
{
    { test::RegistryCleaner missingSprites; }
    cBarrier* bare = dynamic_cast<cBarrier*>(level.CreateObject(kTypeBarrier, 0));
    ASSERT_NE(bare, nullptr);
    bare->SetSprite("stone_big00");
    EXPECT_EQ(bare->GetFrameCount(), 0);
    Work(*bare);
    EXPECT_EQ(bare->GetFrame(), 0);
    EXPECT_EQ(bare->GetState(), cBarrier::kStateCleared);
}

TEST_F(BarrierTest, LastLogOnLevel027_UnlocksTheWoodBarrierAchievement)
{
    level.InitLevel("027");
    cBarrier* first = Make("log00", {2, 2});
    cBarrier* second = Make("log00", {5, 2});
    EXPECT_EQ(level.standingLogs, 2);
    Work(*first);
    EXPECT_EQ(level.standingLogs, 1);
    EXPECT_TRUE(level.achievements.empty());
    Work(*second);
    EXPECT_EQ(level.standingLogs, 0);
    EXPECT_EQ(level.achievements, std::vector<std::string>{"achieve_wood_barrier"});
    EXPECT_EQ(first->GetAnimation(), nullptr);

    level.achievements.clear();
    level.ClearLevel();
    level.InitLevel("026");
    Work(*Make("log00", {2, 2}));
    EXPECT_TRUE(level.achievements.empty());
}

TEST_F(BarrierTest, SixthStoneOnLevel010_UnlocksOnceAndTheSeventhNotAgain)
{
    level.InitLevel("010");
    for (int i = 0; i < 7; ++i) {
        Work(*Make(i % 2 == 0 ? "stone00" : "stone_big00", {1 + 2 * i, 8}));
        EXPECT_EQ(level.achievements.size(), i >= 5 ? 1u : 0u) << "stone " << i + 1;
    }
    EXPECT_EQ(level.clearedStones, 7);
    EXPECT_EQ(level.achievements.front(), "achieve_stone_barrier");
}

TEST_F(BarrierTest, HitTest_IgnoresClicksWhileWorkedOrCleared)
{
    cBarrier* log = Make("log00", {4, 4});
    const vec2 at = log->GetPosition();
    EXPECT_EQ(log->HitTest(at), 1);
    ASSERT_TRUE(log->TakePlace());
    EXPECT_EQ(log->HitTest(at), 0);
    log->ReleasePlace();
    Work(*log);
    EXPECT_EQ(log->HitTest(at), 0);
}

TEST_F(BarrierTest, GetHintText_ShowsPriceAndProfitOrTheWorkInProgress)
{
    vrk::TextTable()["log00"] = "Fallen log";
    vrk::TextTable()["Price"] = "Price";
    vrk::TextTable()["Profit"] = "Profit";
    vrk::TextTable()["FinishWork"] = "Being cleared";
    cBarrier* log = Make("log00", {4, 4});
    level.Stock().amounts = {0, 100, 0, 0};
    std::string price;
    std::string profit;
    log->GetCost().FormatResourceCost(price, level.Stock());
    log->GetYield().FormatResourceAmounts(profit, true);
    EXPECT_EQ(log->GetHintText(), "Fallen log\nPrice: " + price + "\nProfit: " + profit);
    log->SetState(kStateWorking);
    EXPECT_EQ(log->GetHintText(), "Fallen log\nBeing cleared");
    for (const char* key : {"log00", "Price", "Profit", "FinishWork"}) vrk::TextTable().erase(key);
}

TEST_F(BarrierTest, IsBridge_NeedsABarrierNamedBridge)
{
    EXPECT_TRUE(IsBridge(Make("bridge_big01", {2, 2})));
    EXPECT_TRUE(IsBridge(Make("bridge01", {4, 2})));
    EXPECT_FALSE(IsBridge(Make("log00", {6, 2})));
    cGameObject other(&level);
    other.SetSprite("bridge00");
    EXPECT_FALSE(IsBridge(&other));
    EXPECT_FALSE(IsBridge(nullptr));
}

TEST(BarrierFileTest, SetSprite_RunsInALevelFileWithoutApplication)
{
    cLevelFile file;
    for (const char* name : {"log00", "stone00", "stone_big00", "bridge00", "bridge01", "bridge_big00",
                             "bridge_big01", "unknown"}) {
        SCOPED_TRACE(name);
        cBarrier barrier(&file);
        barrier.SetSprite(name);
        EXPECT_EQ(barrier.GetState(), kStateWorkDone);
        EXPECT_FALSE(barrier.GetHintText().empty());
        barrier.SetState(kStateWorking);
        for (int tick = 0; tick < 400 && barrier.GetState() == kStateWorking; ++tick) barrier.UpdateTimer(kTick);
        EXPECT_EQ(barrier.GetState(), std::string(name) == "unknown" ? kStateWorking : cBarrier::kStateCleared);
    }
}

}  // namespace
