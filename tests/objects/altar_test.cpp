// The player's altar on the stand-in level screen: the one announcement per rise to
// affordable, the refusal, hint and bar while its spell runs, the cast on the wife's
// magic (and the tutorial hint on level "000"), and the altar that names no spell.
#include "objects/altar.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/text/text_table.h"
#include "objects/level_contract.h"
#include "tests/engine/platform/platform_test_support.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

constexpr size_t kMana = 3;

class AltarTest : public test::CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        test::RegisterTestSprite("altar00", 1, 0.0f, 96.0f, 96.0f, 48.0f, 48.0f);
        for (const char* spell : {"spell_shield", "spell_restore_tree", "spell_freeze_water"}) {
            test::RegisterTestSprite(std::string(spell) + "_off", 4, 10.0f);
            test::RegisterTestSprite(std::string(spell) + "_on", 4, 10.0f);
        }
        test::RegisterTestSprite("effect_laser", 4, 10.0f);
        vrk::TextTable()["spell_shield"] = "Shield";
        vrk::TextTable()["Price"] = "Price";
    }
    void TearDown() override
    {
        for (const char* key : {"spell_shield", "Price"}) vrk::TextTable().erase(key);
        CoreTest::TearDown();
    }

    cAltar* Make(const std::string& name)
    {
        auto* altar = dynamic_cast<cAltar*>(level.CreateObject(kTypeAltar, 0));
        EXPECT_NE(altar, nullptr);
        if (altar == nullptr) return nullptr;
        altar->SetPosition(300.0f, 300.0f);
        altar->SetSprite(name);
        return altar;
    }
    int ReadySounds() const { return CountLogged("sound buffer not found 'altar_ready'"); }
    size_t Casts(uintptr_t id) const
    {
        size_t count = 0;
        for (const auto& event : level.playEvents) count += event.code == kEventSpellCast && event.param == id;
        return count;
    }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen level;
};

TEST_F(AltarTest, Ready_SoundsOnceOnEachRiseToAffordable)
{
    cAltar* altar = Make("spell_shield");
    ASSERT_NE(altar, nullptr);
    EXPECT_EQ(altar->GetSpellId(), 5);
    EXPECT_EQ(altar->GetCost().At(kMana), 50);
    altar->Update();
    EXPECT_FALSE(altar->IsReady());

    level.Stock().amounts[kMana] = 50;
    for (int tick = 0; tick < 5; ++tick) altar->Update();
    EXPECT_TRUE(altar->IsReady());
    EXPECT_EQ(ReadySounds(), 1);
    EXPECT_NE(altar->GetOnAnim().play.frame, 0) << "the glowing orb plays";
    EXPECT_EQ(altar->GetOffAnim().play.frame, 0);

    level.Stock().amounts[kMana] = 49;
    altar->Update();
    level.Stock().amounts[kMana] = 80;
    altar->Update();
    EXPECT_EQ(ReadySounds(), 2);
    altar->SetInteractive(false);
    altar->Update();
    EXPECT_FALSE(altar->IsReady());
    altar->SetInteractive(true);
    altar->Update();
    EXPECT_EQ(ReadySounds(), 3);
    EXPECT_EQ(altar->GetOrderState(), kOrderAllowed);
    EXPECT_EQ(altar->GetHintText().rfind("Shield\nPrice: ", 0), 0u) << altar->GetHintText();
}

TEST_F(AltarTest, RunningSpell_RefusesOrdersShowsTheNameOnlyAndDrawsItsBar)
{
    cAltar* altar = Make("spell_shield");
    cAltar* freeze = Make("spell_freeze_water");
    cAltar* restore = Make("spell_restore_tree");
    ASSERT_TRUE(altar != nullptr && freeze != nullptr && restore != nullptr);
    level.Stock().amounts[kMana] = 100;
    level.spellTimers[5] = 17.5f;
    level.spellTimers[3] = 20.0f;
    level.spellTimers[2] = 0.0f;
    EXPECT_EQ(altar->GetOrderState(), kOrderRefused);
    EXPECT_EQ(altar->GetHintText(), "Shield");

    altar->Draw();
    ASSERT_EQ(level.progressCalls.size(), 1u);
    EXPECT_FLOAT_EQ(level.progressCalls[0].fraction, 0.5f);
    EXPECT_FLOAT_EQ(level.progressCalls[0].point.x, 300.0f);
    EXPECT_FLOAT_EQ(level.progressCalls[0].point.y, 268.0f);
    freeze->Draw();
    ASSERT_EQ(level.progressCalls.size(), 2u);
    EXPECT_FLOAT_EQ(level.progressCalls[1].fraction, 0.5f);
    // Restore tree is over at once: its length is 0, so no bar at all.
    restore->Draw();
    EXPECT_EQ(level.progressCalls.size(), 2u);

    level.spellTimers[5] = LevelScreen::kSpellOff;
    EXPECT_EQ(altar->GetOrderState(), kOrderAllowed);
    altar->Draw();
    EXPECT_EQ(level.progressCalls.size(), 2u);
}

TEST_F(AltarTest, WifesMagic_CastsAtOnceAndClearsTheTutorialTargetOnlyOnLevel000)
{
    cAltar* altar = Make("spell_freeze_water");
    ASSERT_NE(altar, nullptr);
    level.InitLevel("003");
    altar->OnMessage(kEventMagicReached, 0);
    EXPECT_EQ(Casts(3), 1u) << "handed to the screen at once, not queued";
    EXPECT_EQ(altar->GetLaser().play.mode, kPlayOnceForward);
    EXPECT_TRUE(level.clearHintTargetCalls.empty());

    level.InitLevel("000");
    altar->OnMessage(kEventMagicReached, 0);
    EXPECT_EQ(Casts(3), 2u);
    ASSERT_EQ(level.clearHintTargetCalls.size(), 1u);
    EXPECT_EQ(level.clearHintTargetCalls[0], altar);

    for (int tick = 0; tick < 20; ++tick) altar->Update();
    EXPECT_EQ(altar->GetLaser().play.mode, kPlayStopped) << "the laser flashes once";

    // A one-frame laser would never end its once-play: it is not lit at all.
    test::RegisterTestSprite("effect_laser", 1, 0.0f);
    cAltar* still = Make("spell_shield");
    ASSERT_NE(still, nullptr);
    still->OnMessage(kEventMagicReached, 0);
    EXPECT_EQ(still->GetLaser().play.mode, kPlayStopped);
    EXPECT_EQ(Casts(5), 1u);
}

TEST_F(AltarTest, AltarNamingNoSpell_HasNoSpellAtAll)
{
    cAltar* altar = Make("altar00");
    ASSERT_NE(altar, nullptr);
    EXPECT_EQ(CountLogged("Altar 'altar00' names no spell"), 1);
    EXPECT_EQ(altar->GetSpellId(), cAltar::kNoSpell);
    EXPECT_EQ(altar->GetOffAnim().play.frameCount, 0);
    EXPECT_EQ(altar->GetOnAnim().play.frameCount, 0);
    level.Stock().amounts[kMana] = 500;
    for (int tick = 0; tick < 3; ++tick) altar->Update();
    EXPECT_FALSE(altar->IsReady());
    EXPECT_EQ(ReadySounds(), 0);
    EXPECT_EQ(altar->GetOrderState(), kOrderRefused);
    EXPECT_TRUE(altar->GetCost().IsZero());
    EXPECT_EQ(altar->GetHintText(), "");
    level.InitLevel("000");
    altar->OnMessage(kEventMagicReached, 0);
    for (const auto& event : level.playEvents) EXPECT_NE(event.code, kEventSpellCast);
    EXPECT_TRUE(level.clearHintTargetCalls.empty());
    altar->Draw();
    EXPECT_TRUE(level.progressCalls.empty());
}

}  // namespace
