// Food fields on the stand-in level screen: growth runs that end on the ticks their
// random length gives, the fast-food spell's step, the orders a growing field
// refuses, the harvest, a harvest its worker left, and a field without a sprite.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/text/text_table.h"
#include "framework/objects/random_gen.h"
#include "framework/widgets/level_file.h"
#include "objects/field.h"
#include "objects/level_contract.h"
#include "objects/level_object_factory.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

constexpr uint32_t kSeed = 90210u;
constexpr float kTick = cObject::kTickSeconds;
constexpr int32_t kGrowthFrames = 5;

// Ticks of the given step until a run of this length has ended, summed in floats
// as the field sums them.
int TicksToGrow(float duration, float step)
{
    float elapsed = 0.0f;
    int ticks = 0;
    while (elapsed < duration) {
        elapsed += step;
        ++ticks;
    }
    return ticks;
}

class FieldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.random.seed = kSeed;
        test::RegisterTestSprite("field00", kGrowthFrames, 0.0f);
    }
    void TearDown() override
    {
        for (const char* key : {"field01", "Profit"}) vrk::TextTable().erase(key);
    }

    cField* Make(const std::string& type)
    {
        auto* field = dynamic_cast<cField*>(level.CreateObject(kTypeField, 0));
        if (field == nullptr) return nullptr;
        field->SetPosition(200.0f, 200.0f);
        field->SetSprite(type);
        return field;
    }
    // Updates until the field is ripe; the frames it showed on the way.
    static std::vector<int32_t> GrowUntilRipe(cField* field, int ticks)
    {
        std::vector<int32_t> frames;
        for (int tick = 1; tick < ticks; ++tick) {
            field->Update();
            EXPECT_EQ(field->GetState(), cField::kStateGrowing) << "tick " << tick;
            frames.push_back(field->GetFrame());
        }
        field->Update();
        EXPECT_EQ(field->GetState(), kStateWorkDone);
        frames.push_back(field->GetFrame());
        return frames;
    }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen level;
};

TEST_F(FieldTest, Growth_FirstRunAndALaterOneEndOnTheirComputedTicks)
{
    RandomGen expected = app.random;
    cField* field = Make("field00");
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->GetState(), cField::kStateGrowing);
    EXPECT_EQ(field->GetAnimationKey(), "grow");
    EXPECT_EQ(field->GetFrame(), 0);
    EXPECT_EQ(field->GetOrderState(), kOrderGrowing);

    // The first tick starts the run; a fresh field grows a fifth as long.
    float first = cField::kGrowthBase + cField::kGrowthRange * expected.NextFraction();
    first *= cField::kFirstGrowthShare;
    const std::vector<int32_t> frames = GrowUntilRipe(field, 1 + TicksToGrow(first, kTick));
    EXPECT_TRUE(std::is_sorted(frames.begin(), frames.end()));
    EXPECT_EQ(frames.back(), kGrowthFrames - 1);
    EXPECT_EQ(field->GetOrderState(), kOrderAllowed);

    // The harvest: 4 s of work, then the field starts over from its first frame.
    field->SetState(kStateWorking);
    ASSERT_EQ(field->UpdateTimer(kTick), kTimerRestarted);
    int workTicks = 0;
    while (field->UpdateTimer(kTick) != kTimerIdle) ASSERT_LT(++workTicks, 1000);
    EXPECT_EQ(field->GetState(), cField::kStateGrowing);
    EXPECT_EQ(field->GetFrame(), 0);
    EXPECT_EQ(field->GetOrderState(), kOrderGrowing);

    const float later = cField::kGrowthBase + cField::kGrowthRange * expected.NextFraction();
    const int laterTicks = 1 + TicksToGrow(later, kTick);
    EXPECT_GE(laterTicks, 13 * 30);
    EXPECT_LE(laterTicks, 18 * 30 + 2);
    GrowUntilRipe(field, laterTicks);
    EXPECT_EQ(app.random.seed, expected.seed);
}

TEST_F(FieldTest, FastFoodSpell_GrowsByElevenHundredthsATickAndShowsLeaves)
{
    cField* field = Make("field00");
    field->Update();  // the run starts
    level.spellTimers[cField::kFastFoodSpell] = 0.0f;
    field->Update();
    EXPECT_FLOAT_EQ(field->GetGrowth().elapsed, cField::kFastGrowthStep);
    level.spellTimers[cField::kFastFoodSpell] = LevelScreen::kSpellOff;
    field->Update();
    EXPECT_FLOAT_EQ(field->GetGrowth().elapsed, cField::kFastGrowthStep + kTick);
    // Another spell does not speed the fields.
    level.spellTimers[0] = 5.0f;
    field->Update();
    EXPECT_FLOAT_EQ(field->GetGrowth().elapsed, cField::kFastGrowthStep + 2.0f * kTick);

    EXPECT_FALSE(field->GetLeaves().IsEmitting());
    field->ShowLeaves(true);
    EXPECT_TRUE(field->GetLeaves().IsEmitting());
    field->ShowLeaves(false);
    EXPECT_FALSE(field->GetLeaves().IsEmitting());
}

TEST_F(FieldTest, Harvest_GivesTwentyFoodWhateverTheNameAndSaysSoInTheHint)
{
    vrk::TextTable()["field01"] = "Wheat";
    vrk::TextTable()["Profit"] = "Profit";
    ResourceVector food;
    food.amounts[1] = 20;
    std::string profit;
    food.FormatResourceAmounts(profit, true);
    for (const std::string name : {"field00", "field01", "meadow"}) {
        SCOPED_TRACE(name);
        cField* field = Make(name);
        EXPECT_EQ(field->GetYield().amounts, food.amounts);
        EXPECT_EQ(field->GetTimerPeriod(), cField::kHarvestSeconds);
        EXPECT_EQ(field->GetRadius(), 0.0f);
        EXPECT_EQ(field->GetBarOffset(), (vec2{0.0f, -20.0f}));
        EXPECT_EQ(field->GetMarksOffset(), (vec2{-20.0f, 10.0f}));
        const std::string title = name == "field01" ? "Wheat" : "";
        EXPECT_EQ(field->GetHintText(), title + "\nProfit: " + profit);
    }
}

TEST_F(FieldTest, MissingSprite_GrowsAndRipensWithoutShowingAFrame)
{
    cField* field = Make("field_missing");
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->GetFrameCount(), 0);
    for (int tick = 0; tick < 200 && field->GetState() != kStateWorkDone; ++tick) field->Update();
    EXPECT_EQ(field->GetState(), kStateWorkDone);
    EXPECT_EQ(field->GetFrame(), 0);
    field->SetState(kStateWorking);
    field->OnMessage(kMessageWorkTimer, 0);
    EXPECT_EQ(field->GetState(), cField::kStateGrowing);
    EXPECT_EQ(field->GetFrame(), 0);
}

TEST_F(FieldTest, HarvestLeftByItsWorker_EndsWithItsBarAndTheFieldIsRipeAgain)
{
    cField* field = Make("field00");
    ASSERT_NE(field, nullptr);
    for (int tick = 0; tick < 200 && field->GetState() != kStateWorkDone; ++tick) field->Update();
    ASSERT_EQ(field->GetState(), kStateWorkDone);
    // A worker holds the field's place and harvests a few ticks: the harvest waits
    // for him, its timer where he left it.
    ASSERT_TRUE(field->TakePlace());
    field->SetState(kStateWorking);
    for (int tick = 0; tick < 3; ++tick) field->UpdateTimer(kTick);
    const float remaining = field->GetTimerRemaining();
    field->Update();
    EXPECT_EQ(field->GetState(), kStateWorking);
    EXPECT_EQ(field->GetTimerRemaining(), remaining);
    // He is gone: the harvest ends on the next tick, bar and all.
    field->ReleasePlace();
    field->Update();
    EXPECT_EQ(field->GetState(), kStateWorkDone);
    EXPECT_EQ(field->GetTimerRemaining(), 0.0f);
    EXPECT_EQ(field->GetOrderState(), kOrderAllowed);
}

TEST(FieldSetUp, EachTypeNameSetsUpAndRipensUnderALevelFileWithoutAnApplication)
{
    for (const char* name : {"field00", "field01", ""}) {
        SCOPED_TRACE(name);
        cLevelFile file;
        const std::unique_ptr<cObject> object = NewLevelObject(kTypeField, &file);
        auto* field = dynamic_cast<cField*>(object.get());
        ASSERT_NE(field, nullptr);
        field->SetSprite(name);
        EXPECT_EQ(field->GetState(), cField::kStateGrowing);
        EXPECT_FALSE(field->GetHintText().empty());
        // Without a generator every run is the shortest: 2.6 growth units.
        for (int tick = 0; tick < 100 && field->GetState() == cField::kStateGrowing; ++tick) field->Update();
        EXPECT_EQ(field->GetState(), kStateWorkDone);
        field->Draw();
    }
}

}  // namespace
