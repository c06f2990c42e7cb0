// Bonfires on the stand-in level screen: tending pays one wood a second with a
// rising "-1", an empty stock ends the work, the last worker leaving puts the fire
// out, the light follows the fire, enemies within the radius are warned, and three
// fires at once lose the less-fire flag for good.
#include "objects/bonfire.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/text/text_table.h"
#include "framework/widgets/caption_list.h"
#include "objects/level_contract.h"
#include "tests/engine/platform/platform_test_support.h"
#include "tests/objects/support/recording_object.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

constexpr float kTick = cObject::kTickSeconds;

class BonfireTest : public test::CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        test::RegisterTestSprite("bonfire", 4, 10.0f, 64.0f, 64.0f, 32.0f, 32.0f);
        test::RegisterTestTexture("effect_fire");
    }

    cBonfire* Make(const vec2& at)
    {
        auto* bonfire = dynamic_cast<cBonfire*>(level.CreateObject(kTypeBonfire, 0));
        EXPECT_NE(bonfire, nullptr);
        if (bonfire == nullptr) return nullptr;
        bonfire->SetPositionV(at);
        bonfire->SetSprite("bonfire00");
        return bonfire;
    }
    // A worker arrives and starts tending.
    static void Tend(cBonfire& bonfire)
    {
        bonfire.TakePlace();
        bonfire.SetState(cBonfire::kStateBurning);
    }
    bool LightOn(const cBonfire& bonfire) const
    {
        return level.lightList.lights.at(static_cast<size_t>(bonfire.GetLightIndex())).active != 0;
    }
    // Ticks of work until the timer answers something other than "running".
    static int WorkUntilStop(cBonfire& bonfire, int limit)
    {
        for (int tick = 1; tick <= limit; ++tick) {
            if (bonfire.UpdateTimer(kTick) != kTimerRunning) return tick;
        }
        return -1;
    }
    std::vector<RisingCaption>& Captions() { return level.GetEffectList()->captions; }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen level;
};

TEST_F(BonfireTest, Tending_PaysAWoodASecondUntilTheStockRunsOutAndTheFireFollowsTheWorker)
{
    cBonfire* bonfire = Make({200.0f, 200.0f});
    ASSERT_NE(bonfire, nullptr);
    ASSERT_EQ(level.lightList.lights.size(), 1u);
    const LightRecord& light = level.lightList.lights[0];
    EXPECT_FLOAT_EQ(light.w, 2.0f * cBonfire::kRadius);
    EXPECT_FLOAT_EQ(light.x, 200.0f - cBonfire::kRadius);
    EXPECT_FALSE(LightOn(*bonfire));
    EXPECT_EQ(bonfire->GetState(), cBonfire::kStateOut);
    EXPECT_EQ(bonfire->HitTest({200.0f, 200.0f}), 1) << "an unlit fire can be clicked";
    EXPECT_EQ(bonfire->GetCost().At(0), 1);
    vrk::TextTable()["bonfire00"] = "Fire";
    vrk::TextTable()["PerSec"] = "a second";
    const std::string hint = bonfire->GetHintText();
    for (const char* key : {"bonfire00", "PerSec"}) vrk::TextTable().erase(key);
    EXPECT_EQ(hint.rfind("Fire\n", 0), 0u) << hint;
    EXPECT_NE(hint.find("1"), std::string::npos) << hint;
    EXPECT_EQ(hint.substr(hint.size() - 9), " a second") << hint;
    std::vector<vec2> spots;
    bonfire->GetLinkedPoints(spots);
    ASSERT_EQ(spots.size(), 1u);
    EXPECT_FLOAT_EQ(spots[0].x, 180.0f);
    EXPECT_FLOAT_EQ(spots[0].y, 215.0f);

    level.Stock().amounts[0] = 2;
    Tend(*bonfire);
    EXPECT_TRUE(LightOn(*bonfire));
    EXPECT_TRUE(bonfire->GetFire().IsEmitting());
    EXPECT_TRUE(bonfire->GetSmoke().IsEmitting());
    EXPECT_EQ(level.burningFires, 1);
    EXPECT_EQ(bonfire->HitTest({200.0f, 200.0f}), 0) << "a burning fire lets clicks through";

    // The payment clock gathers the same float ticks: a full second is 30 or 31.
    int ticksToSecond = 0;
    for (float clock = 0.0f; clock < 1.0f; clock += kTick) ++ticksToSecond;
    for (int tick = 1; tick < ticksToSecond; ++tick) ASSERT_EQ(bonfire->UpdateTimer(kTick), kTimerRunning);
    EXPECT_EQ(level.Stock().At(0), 2);
    EXPECT_EQ(bonfire->UpdateTimer(kTick), kTimerRunning);
    EXPECT_EQ(level.Stock().At(0), 1);
    ASSERT_EQ(Captions().size(), 1u);
    EXPECT_EQ(Captions()[0].text.rfind("-1", 0), 0u) << Captions()[0].text;
    EXPECT_NEAR(Captions()[0].y, 310.0f, 20.0f);

    EXPECT_EQ(WorkUntilStop(*bonfire, ticksToSecond), -1);
    EXPECT_EQ(level.Stock().At(0), 0);
    // No wood at the next full second: the work is over, the stock untouched.
    EXPECT_EQ(WorkUntilStop(*bonfire, 100), ticksToSecond);
    EXPECT_EQ(level.Stock().At(0), 0);
    EXPECT_EQ(Captions().size(), 2u);

    // The worker leaves: the fire goes out.
    EXPECT_TRUE(bonfire->ReleasePlace());
    EXPECT_EQ(bonfire->GetState(), cBonfire::kStateOut);
    EXPECT_FALSE(LightOn(*bonfire));
    EXPECT_FALSE(bonfire->GetFire().IsEmitting());
    EXPECT_EQ(level.burningFires, 0);
}

TEST_F(BonfireTest, BurningFire_WarnsEnemiesUpToItsRadiusOnly)
{
    cBonfire* bonfire = Make({100.0f, 100.0f});
    ASSERT_NE(bonfire, nullptr);
    auto* atEdge = new test::RecordingObject(&level, kTypeEnemy, LevelScreen::kWorkerLayer);
    auto* beyond = new test::RecordingObject(&level, kTypeEnemy, 3);
    auto* worker = new test::RecordingObject(&level, kTypeWorker, LevelScreen::kWorkerLayer);
    for (cObject* object : {static_cast<cObject*>(atEdge), static_cast<cObject*>(beyond),
                            static_cast<cObject*>(worker)}) {
        level.AddObject(object, 0);
    }
    atEdge->SetPosition(100.0f, 400.0f);
    beyond->SetPosition(400.5f, 100.0f);
    worker->SetPosition(110.0f, 100.0f);

    for (int tick = 0; tick < 30; ++tick) bonfire->Update();
    EXPECT_TRUE(atEdge->received.empty()) << "an unlit fire warns nobody";

    Tend(*bonfire);
    for (int tick = 0; tick < 12; ++tick) bonfire->Update();
    ASSERT_EQ(atEdge->Count(kEventBonfireNear), 1u);
    EXPECT_EQ(atEdge->received[0].second, reinterpret_cast<uintptr_t>(atEdge)) << "the enemy itself";
    EXPECT_EQ(beyond->Count(kEventBonfireNear), 0u);
    EXPECT_EQ(worker->Count(kEventBonfireNear), 0u);
    for (int tick = 0; tick < 30; ++tick) bonfire->Update();
    EXPECT_GE(atEdge->Count(kEventBonfireNear), 3u);
}

TEST_F(BonfireTest, ThreeFiresAtOnce_LoseTheLessFireFlagForGood)
{
    cBonfire* first = Make({100.0f, 100.0f});
    cBonfire* second = Make({300.0f, 100.0f});
    cBonfire* third = Make({500.0f, 100.0f});
    ASSERT_TRUE(first != nullptr && second != nullptr && third != nullptr);
    Tend(*first);
    Tend(*second);
    EXPECT_TRUE(level.lessFireFlag);
    first->ReleasePlace();
    Tend(*third);
    EXPECT_TRUE(level.lessFireFlag) << "never more than two at once";
    Tend(*first);
    EXPECT_EQ(level.burningFires, 3);
    EXPECT_FALSE(level.lessFireFlag);
    third->ReleasePlace();
    EXPECT_EQ(level.burningFires, 2);
    EXPECT_FALSE(level.lessFireFlag);
}

TEST_F(BonfireTest, SetUpAgain_AddsALightAndSwitchesTheOldOneOff)
{
    cBonfire* bonfire = Make({100.0f, 100.0f});
    ASSERT_NE(bonfire, nullptr);
    Tend(*bonfire);
    EXPECT_TRUE(LightOn(*bonfire));
    bonfire->SetSprite("bonfire00");
    ASSERT_EQ(level.lightList.lights.size(), 2u);
    EXPECT_EQ(bonfire->GetLightIndex(), 1);
    EXPECT_EQ(level.lightList.lights[0].active, 0);
    EXPECT_EQ(level.lightList.lights[1].active, 0);
    EXPECT_EQ(level.burningFires, 0);
}

}  // namespace
