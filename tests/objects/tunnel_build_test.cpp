// Special buildings on the stand-in level screen: the set-up table, the payment by
// instalments with one worker and with five, a payment the stock cannot make, the
// floating captions, the order code, the lighthouse's light, the fountain and the
// completion through the building's own handling.
#include "objects/tunnel_build.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/text/text_table.h"
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

int TicksFor(float seconds)
{
    int ticks = 0;
    for (float elapsed = 0.0f; elapsed < seconds; elapsed += kTick) ++ticks;
    return ticks;
}

class TunnelBuildTest : public test::CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        test::RegisterTestSprite("zone2x2", 1, 1.0f, 96.0f, 48.0f, 48.0f, 10.0f);
        for (const char* name : {"lighthouse00", "ruins00", "castle_ice", "tower_advisor", "source_life_water"}) {
            test::RegisterTestSprite(name, 5, 10.0f, 150.0f, 150.0f, 75.0f, 10.0f);
        }
    }

    cTunnelBuild* Make(const std::string& name, const GridCell& cell = {8, 8})
    {
        auto* build = dynamic_cast<cTunnelBuild*>(level.CreateObject(kTypeTunnelBuild, 0));
        EXPECT_NE(build, nullptr);
        if (build == nullptr) return nullptr;
        build->SetPositionV(level.CellToPoint(cell));
        build->SetSprite(name);
        return build;
    }
    // Work as `workers` workers do it, each calling the timer every tick, until one
    // call answers 0; answers the ticks.
    static int Work(cTunnelBuild& build, int workers)
    {
        build.SetState(kStateWorking);
        for (int tick = 1; tick < 100000; ++tick) {
            for (int worker = 0; worker < workers; ++worker) {
                if (build.UpdateTimer(kTick) == kTimerIdle) return tick;
            }
        }
        return -1;
    }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen level;
};

TEST_F(TunnelBuildTest, SetSprite_SetsUpEachSpecialBuilding)
{
    const struct {
        const char* name;
        ResourceVector price;
        const char* none;
        int32_t zoneWidth;
        int32_t zoneHeight;
        int32_t places;
        vec2 marks;
        vec2 bar;
        int32_t state;
    } rows[] = {
        {"lighthouse00", Amounts(250, 0, 0, 0), "zone2x2", 2, 2, 3, {-40, 10}, {0, -50}, kStateNone},
        {"ruins00", Amounts(0, 500, 0, 0), "ruins00", 4, 3, 5, {0, 0}, {0, -50}, kStateNone},
        {"castle_ice", Amounts(0, 0, 400, 0), "castle_ice", 4, 3, 5, {-40, 30}, {0, -50}, kStateNone},
        {"tower_advisor", Amounts(0, 0, 120, 0), "tower_advisor", 2, 2, 3, {-40, 30}, {0, -50}, kStateWorkDone},
        {"source_life_water", Amounts(0, 0, 1000, 0), "source_life_water", 4, 4, 5, {-40, 30}, {0, -100},
         kStateNone},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        cTunnelBuild* build = Make(row.name);
        EXPECT_EQ(build->GetTypeId(), kTypeTunnelBuild);
        EXPECT_TRUE(build->IsKindOf(kTypeBuild));
        EXPECT_EQ(build->GetPrice().amounts, row.price.amounts);
        EXPECT_EQ(build->GetPriceLeft().amounts, row.price.amounts);
        ResourceVector instalment;
        for (size_t kind = 0; kind < 4; ++kind) instalment.amounts[kind] = row.price.amounts[kind] > 0 ? 1 : 0;
        EXPECT_EQ(build->GetCost().amounts, instalment.amounts);
        EXPECT_EQ(build->GetAnimationKey(), "none");
        EXPECT_EQ(build->GetAnimation() != nullptr, true);
        EXPECT_EQ(build->GetZoneWidth(), row.zoneWidth);
        EXPECT_EQ(build->GetZoneHeight(), row.zoneHeight);
        EXPECT_EQ(build->GetFreePlaces(), row.places);
        EXPECT_EQ(build->GetMarksOffset(), row.marks);
        EXPECT_EQ(build->GetBarOffset(), row.bar);
        EXPECT_EQ(build->GetState(), row.state);
        EXPECT_EQ(build->GetMaxLevel(), 0);
        EXPECT_FLOAT_EQ(build->GetTimerProgress(), 0.0f);
    }
}

TEST_F(TunnelBuildTest, Ruins_ArePaidOffOneFoodPerSecondOfWorkPerWorker)
{
    const int perPayment = TicksFor(cTunnelBuild::kPayPeriod);
    // The first payment falls due at once, the other 499 one second of work apart.
    const int calls = 1 + 499 * perPayment;

    level.Stock() = Amounts(0, 600, 0, 0);
    cTunnelBuild* alone = Make("ruins00");
    EXPECT_EQ(Work(*alone, 1), calls);
    EXPECT_EQ(level.Stock().At(1), 100);
    EXPECT_TRUE(alone->GetPriceLeft().IsZero());
    EXPECT_EQ(alone->GetState(), kStateWorkDone);
    EXPECT_EQ(alone->GetLevel(), 0);
    EXPECT_EQ(alone->GetOrderState(), kOrderRefused);
    EXPECT_EQ(level.achievements, std::vector<std::string>{"achieve_ruins"});
    EXPECT_EQ(level.CountPosted(kEventRecount, kTypeTunnelBuild), 1u);
    EXPECT_EQ(level.builds, 1);
    EXPECT_EQ(CountLogged("sound buffer not found 'build_ready'"), 1);
    EXPECT_EQ(level.GetEffectList()->captions.size(), 125u) << "one caption per 4 units";
    EXPECT_EQ(level.GetEffectList()->captions.back().text.substr(0, 2), "-4");

    level.Stock() = Amounts(0, 500, 0, 0);
    cTunnelBuild* five = Make("ruins00", {14, 8});
    EXPECT_EQ(Work(*five, 5), (calls + 4) / 5);
    EXPECT_EQ(level.Stock().At(1), 0);
}

TEST_F(TunnelBuildTest, Payment_OnAnEmptyStockEndsTheWorkAndKeepsThePriceLeft)
{
    cTunnelBuild* castle = Make("castle_ice");
    EXPECT_EQ(castle->GetOrderState(), kOrderCannotPay);
    level.Stock() = Amounts(0, 0, 3, 0);
    EXPECT_EQ(castle->GetOrderState(), kOrderAllowed);
    EXPECT_EQ(Work(*castle, 1), 1 + 3 * TicksFor(1.0f));
    EXPECT_EQ(castle->GetPriceLeft().amounts, Amounts(0, 0, 397, 0).amounts);
    EXPECT_EQ(castle->GetState(), kStateWorking);
    EXPECT_EQ(castle->GetOrderState(), kOrderCannotPay) << "until the stock holds an instalment";
    EXPECT_TRUE(level.GetEffectList()->captions.empty()) << "three units are no caption yet";
    EXPECT_FLOAT_EQ(castle->GetTimerProgress(), 3.0f / 400.0f);
    EXPECT_FLOAT_EQ(castle->GetTimerRemaining(), 1.0f) << "the bar stays up";

    level.Stock() = Amounts(0, 0, 1, 0);
    EXPECT_EQ(castle->GetOrderState(), kOrderAllowed);
    castle->UpdateTimer(1.0f);
    EXPECT_EQ(level.GetEffectList()->captions.size(), 1u);
}

TEST_F(TunnelBuildTest, Lighthouse_LightsUpOnlyOncePaid)
{
    cTunnelBuild* lighthouse = Make("lighthouse00");
    EXPECT_FLOAT_EQ(lighthouse->GetTimerPeriod(), 100.0f);
    ASSERT_TRUE(lighthouse->GetFireEffect().HasEffect());
    ASSERT_TRUE(lighthouse->GetSmokeEffect().HasEffect());
    level.Stock() = Amounts(250, 0, 0, 0);
    lighthouse->SetState(kStateWorking);
    for (int payment = 0; payment < 249; ++payment) ASSERT_EQ(lighthouse->UpdateTimer(1.0f), kTimerRunning);
    EXPECT_FALSE(lighthouse->GetFireEffect().IsEmitting());
    EXPECT_FALSE(lighthouse->GetSmokeEffect().IsEmitting());
    EXPECT_EQ(lighthouse->GetFrame(), 4) << "249 of 250 paid shows the last of 5 frames";
    EXPECT_EQ(lighthouse->UpdateTimer(1.0f), kTimerIdle);
    EXPECT_TRUE(lighthouse->GetFireEffect().IsEmitting());
    EXPECT_TRUE(lighthouse->GetSmokeEffect().IsEmitting());
    EXPECT_FLOAT_EQ(lighthouse->GetTimerPeriod(), 0.0f);
}

TEST_F(TunnelBuildTest, LifeWater_BringsTheFountainIntoViewAndFinishesTheLevelsWell)
{
    cObject* fountain = level.CreateObject(kTypeDecor, 0);
    fountain->SetSprite("anim=source_fountain");
    level.SetObjectLayer(fountain, 3);
    cTunnelBuild* source = Make("source_life_water");
    level.Stock() = Amounts(0, 0, 1000, 0);
    source->SetState(kStateWorking);
    int calls = 0;
    while (source->UpdateTimer(1.0f) != kTimerIdle && calls < 2000) ++calls;
    EXPECT_EQ(fountain->GetLayer(), 7);
    EXPECT_EQ(level.achievements, std::vector<std::string>{"achieve_finish_well"});
    EXPECT_EQ(source->GetState(), kStateWorkDone);
}

TEST_F(TunnelBuildTest, Hint_ShowsThePriceLeftAndRoomForMoreWorkers)
{
    vrk::TextTable()["ruins00"] = "Ruins";
    vrk::TextTable()["PriceLeft"] = "Left";
    vrk::TextTable()["AddWorker"] = "Add";
    cTunnelBuild* ruins = Make("ruins00");
    std::string cost;
    ruins->GetPriceLeft().FormatResourceCost(cost, level.Stock());
    EXPECT_EQ(ruins->GetHintText(), "Ruins\nLeft: " + cost);
    level.Stock() = Amounts(0, 10, 0, 0);
    std::string plain;
    ruins->GetPriceLeft().FormatResourceAmounts(plain, false);
    ASSERT_TRUE(ruins->TakePlace());
    EXPECT_EQ(ruins->GetHintText(), "Ruins\nLeft: " + plain + "\nAdd");
    EXPECT_EQ(ruins->HitTest(ruins->GetPosition()), 1) << "workers inside do not hide it";
    vrk::TextTable()["tower_advisor"] = "Tower";
    EXPECT_EQ(Make("tower_advisor")->GetHintText(), "Tower") << "it starts finished: no price left";
    for (const char* key : {"ruins00", "PriceLeft", "AddWorker", "tower_advisor"}) vrk::TextTable().erase(key);
}

}  // namespace
