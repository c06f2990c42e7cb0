// The enemy altar on the stand-in level screen: charging and casting its spell at
// each full charge with one announcement per charge, the pause, names that cast
// nothing, and the periods of 0 (and below) that never cast.
#include "objects/altar_enemy.h"

#include <gtest/gtest.h>

#include <string>

#include "objects/level_contract.h"
#include "tests/engine/platform/platform_test_support.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

class AltarEnemyTest : public test::CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        test::RegisterTestSprite("altar00", 1, 0.0f, 96.0f, 96.0f, 48.0f, 48.0f);
        for (const char* spell : {"enemy_spell_kill_workers", "enemy_spell_kill_towers"}) {
            test::RegisterTestSprite(std::string(spell) + "_off", 4, 10.0f);
            test::RegisterTestSprite(std::string(spell) + "_on", 4, 10.0f);
        }
        test::RegisterTestSprite("effect_laser", 4, 10.0f);
    }

    cAltarEnemy* Make(const std::string& text)
    {
        auto* altar = dynamic_cast<cAltarEnemy*>(level.CreateObject(kTypeAltarEnemy, 0));
        EXPECT_NE(altar, nullptr);
        if (altar == nullptr) return nullptr;
        altar->SetPosition(300.0f, 300.0f);
        altar->SetText(text);
        altar->SetSprite("altar00");
        return altar;
    }
    size_t Handed(uint32_t code) const
    {
        size_t count = 0;
        for (const auto& event : level.playEvents) count += event.code == code && event.param == 0 ? 1 : 0;
        return count;
    }
    int Sounds(const std::string& name) const { return CountLogged("sound buffer not found '" + name + "'"); }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen level;
};

TEST_F(AltarEnemyTest, FullCharge_CastsItsSpellOncePerPeriodAfterOneAnnouncement)
{
    cAltarEnemy* altar = Make("enemy_spell_kill_workers;3");
    ASSERT_NE(altar, nullptr);
    EXPECT_FLOAT_EQ(altar->GetPeriod(), 3.0f);
    EXPECT_EQ(altar->GetOrderState(), kOrderRefused);

    int firstCast = 0;
    for (int tick = 1; tick <= 200 && firstCast == 0; ++tick) {
        altar->Update();
        if (Handed(kEventEnemyKillWorkers) == 1) firstCast = tick;
        if (tick == 60) {
            EXPECT_EQ(Sounds("altar_ready"), 0) << "at 2/3 of the charge";
        }
    }
    ASSERT_GE(firstCast, 89);
    ASSERT_LE(firstCast, 91);
    EXPECT_EQ(Sounds("altar_ready"), 1);
    EXPECT_EQ(Sounds("bonus_start"), 1);
    EXPECT_EQ(altar->GetLaser().play.mode, kPlayOnceForward);
    EXPECT_FALSE(altar->IsCharged()) << "the charge starts over";

    for (int tick = 0; tick < firstCast; ++tick) altar->Update();
    EXPECT_EQ(Handed(kEventEnemyKillWorkers), 2u);
    EXPECT_EQ(Sounds("altar_ready"), 2);
    EXPECT_EQ(Sounds("bonus_start"), 2);

    cAltarEnemy* towers = Make("enemy_spell_kill_towers;1");
    ASSERT_NE(towers, nullptr);
    for (int tick = 0; tick < 31; ++tick) towers->Update();
    EXPECT_EQ(Handed(kEventEnemyKillTowers), 1u);
}

TEST_F(AltarEnemyTest, Pause_StopsTheChargeButNotTheOrb)
{
    cAltarEnemy* altar = Make("enemy_spell_kill_workers;3");
    ASSERT_NE(altar, nullptr);
    for (int tick = 0; tick < 30; ++tick) altar->Update();
    const float charge = altar->GetCharge().current;
    EXPECT_GT(charge, 0.9f);
    altar->Draw();
    ASSERT_EQ(level.progressCalls.size(), 1u);
    EXPECT_NEAR(level.progressCalls[0].fraction, charge / 3.0f, 1e-6f);

    level.SetInputFlags(kInputCinematic);
    const float phase = altar->GetPhase();
    const int32_t frame = altar->GetOffAnim().play.frame;
    for (int tick = 0; tick < 5; ++tick) altar->Update();
    EXPECT_FLOAT_EQ(altar->GetCharge().current, charge);
    EXPECT_NE(altar->GetPhase(), phase);
    EXPECT_NE(altar->GetOffAnim().play.frame, frame);
    level.SetInputFlags(0);
    altar->Update();
    EXPECT_GT(altar->GetCharge().current, charge);
}

TEST_F(AltarEnemyTest, UnknownSpell_CastsNothingAndChargesAgain)
{
    cAltarEnemy* altar = Make("enemy_spell_rain;1");
    ASSERT_NE(altar, nullptr);
    for (int tick = 0; tick < 31; ++tick) altar->Update();
    EXPECT_TRUE(level.playEvents.empty());
    EXPECT_EQ(Sounds("bonus_start"), 0);
    EXPECT_EQ(altar->GetLaser().play.mode, kPlayStopped);
    EXPECT_LT(altar->GetCharge().current, 0.1f) << "re-armed";
    EXPECT_EQ(Sounds("altar_ready"), 1);
}

TEST_F(AltarEnemyTest, PeriodOfZeroOrBelow_NeverChargesCastsOrDrawsABar)
{
    for (const char* text :
         {"enemy_spell_kill_workers;0", "enemy_spell_kill_workers", "enemy_spell_kill_workers;-2"}) {
        cAltarEnemy* altar = Make(text);
        ASSERT_NE(altar, nullptr);
        EXPECT_FLOAT_EQ(altar->GetPeriod(), 0.0f) << text;
        for (int tick = 0; tick < 100; ++tick) altar->Update();
        EXPECT_FALSE(altar->IsCharged()) << text;
        altar->Draw();
    }
    EXPECT_TRUE(level.playEvents.empty());
    EXPECT_TRUE(level.progressCalls.empty());
    EXPECT_EQ(Sounds("altar_ready"), 0);
    EXPECT_EQ(CountLogged("period '-2' is negative"), 1);
}

}  // namespace
