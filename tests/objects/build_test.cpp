// Buildings on the stand-in level screen: a house built and upgraded to its top, the
// home base, the levels of the level-file text (hostile ones included), what
// finished buildings of particular names set off, clicks while a worker is inside
// and the smoke of the work.
#include "objects/build.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/text/text_table.h"
#include "framework/widgets/level_file.h"
#include "objects/level_contract.h"
#include "tests/engine/platform/platform_test_support.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

constexpr float kTick = cObject::kTickSeconds;
constexpr uint32_t kFixedSeed = 777u;
constexpr int kHouseFrames = 5;
constexpr int kUpgradeFrames = 4;

int TicksToRunOut(float period)
{
    int ticks = 0;
    for (float remaining = period; remaining > 0.0f; remaining -= kTick) ++ticks;
    return ticks;
}

ResourceVector Amounts(int32_t wood, int32_t food, int32_t money, int32_t mana)
{
    const int32_t values[4] = {wood, food, money, mana};
    return ResourceVector(values, 4);
}

class BuildTest : public test::CoreTest {
protected:
    void SetUp() override
    {
        CoreTest::SetUp();
        app.random.seed = kFixedSeed;
        test::RegisterTestSprite("zone3x2", 1, 1.0f, 144.0f, 96.0f, 72.0f, 48.0f);
        test::RegisterTestSprite("house00", kHouseFrames, 10.0f, 144.0f, 150.0f, 72.0f, 48.0f);
        test::RegisterTestSprite("house00_up1", kUpgradeFrames, 10.0f, 144.0f, 160.0f, 72.0f, 48.0f);
        test::RegisterTestSprite("house00_up2", kUpgradeFrames, 10.0f, 144.0f, 170.0f, 72.0f, 48.0f);
        test::RegisterTestSprite("house00_sh", 1, 1.0f);
        test::RegisterTestSprite("icon_build", 2, 1.0f);
        test::RegisterTestSprite("base00", 1, 1.0f, 144.0f, 144.0f, 72.0f, 72.0f);
        test::RegisterTestSprite("base00_flag", 4, 8.0f);
    }

    // A building made by the level's factory at a cell, with its level-file text,
    // set up by name as the loader does.
    cBuild* Make(const std::string& name, const GridCell& cell, const std::string& text = std::string())
    {
        auto* build = dynamic_cast<cBuild*>(level.CreateObject(kTypeBuild, 0));
        EXPECT_NE(build, nullptr);
        if (build == nullptr) return nullptr;
        build->SetPositionV(level.CellToPoint(cell));
        build->SetText(text);
        build->SetSprite(name);
        return build;
    }

    // The order starts the work; the timer runs until the step is finished. Checks
    // that the frames rise with the timer within the animation; answers the ticks.
    static int Work(cBuild& build)
    {
        build.SetState(kStateWorking);
        int ticks = 0;
        int lastFrame = 0;
        while (build.GetState() == kStateWorking && ticks < 10000) {
            build.UpdateTimer(kTick);
            ++ticks;
            if (build.GetState() != kStateWorking) break;
            EXPECT_GE(build.GetFrame(), lastFrame);
            EXPECT_LT(build.GetFrame(), std::max(build.GetFrameCount(), 1));
            lastFrame = build.GetFrame();
        }
        EXPECT_EQ(lastFrame, std::max(build.GetFrameCount() - 1, 0)) << "the last frame shows before the end";
        return ticks;
    }

    int ReadySounds() const { return CountLogged("sound buffer not found 'build_ready'"); }
    int LevelWarnings() const { return CountLogged("levels '"); }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestLevelScreen level;
};

TEST_F(BuildTest, House_IsBuiltAndUpgradedTwiceUpToItsMaximum)
{
    level.Stock() = Amounts(200, 0, 200, 0);
    cBuild* house = Make("house00", {5, 5}, "2");
    ASSERT_NE(house, nullptr);
    EXPECT_EQ(house->GetLayer(), cBuild::kBuildLayer);
    EXPECT_EQ(house->GetLevel(), -1);
    EXPECT_EQ(house->GetMaxLevel(), 2);
    EXPECT_EQ(house->GetAnimationKey(), "none");
    EXPECT_EQ(house->GetZoneWidth(), 3);
    EXPECT_EQ(house->GetZoneHeight(), 2);
    EXPECT_EQ(house->GetMarksOffset(), vec2(-40.0f, 10.0f));
    EXPECT_EQ(house->GetCost().amounts, Amounts(40, 0, 0, 0).amounts);
    EXPECT_FLOAT_EQ(house->GetTimerPeriod(), 7.0f);
    EXPECT_EQ(house->GetOrderState(), kOrderAllowed);
    EXPECT_TRUE(house->ShowsBuildIcon());
    house->Update();
    EXPECT_GT(house->GetBobPhase(), 0.0f) << "the icon bobs while the stock holds the price";

    const struct {
        const char* animation;
        float period;
    } steps[] = {{"0", 7.0f}, {"1", 5.0f}, {"2", 5.0f}};
    for (int step = 0; step < 3; ++step) {
        SCOPED_TRACE(step);
        level.postedEvents.clear();
        level.AnimEffects().launchers.clear();
        EXPECT_EQ(Work(*house), 1 + TicksToRunOut(steps[step].period));
        EXPECT_EQ(house->GetAnimationKey(), steps[step].animation);
        EXPECT_EQ(house->GetLevel(), step);
        EXPECT_EQ(house->GetState(), kStateWorkDone);
        EXPECT_EQ(level.builds, 1) << "only the first completion counts";
        EXPECT_EQ(ReadySounds(), step + 1);
        // Every finished step of a house adds a worker and recounts.
        ObjectList workers;
        EXPECT_EQ(level.FindObjectsOfKind(workers, kTypeWorker, -1), static_cast<uint32_t>(step + 1));
        EXPECT_EQ(level.PostedCodes(), (std::vector<uint32_t>{kEventRecount, kEventRecount}));
        EXPECT_EQ(level.postedEvents[0].param, static_cast<uintptr_t>(kTypeWorker));
        EXPECT_EQ(level.postedEvents[1].param, static_cast<uintptr_t>(kTypeBuild));
        ASSERT_EQ(level.AnimEffects().launchers.size(), 1u);
        const FireworkLauncher& salvo = level.AnimEffects().launchers[0];
        EXPECT_EQ(salvo.remaining, 5u);
        EXPECT_FLOAT_EQ(salvo.spread, 70.0f);
        EXPECT_FLOAT_EQ(salvo.interval, 0.65f);
        EXPECT_FLOAT_EQ(salvo.x, house->GetPosition().x);
        EXPECT_FLOAT_EQ(salvo.y, house->GetPosition().y + 60.0f);
        if (step < 2) {
            EXPECT_EQ(house->GetCost().amounts, Amounts(40, 0, 40, 0).amounts);
            EXPECT_FLOAT_EQ(house->GetTimerPeriod(), 5.0f);
            EXPECT_TRUE(house->ShowsBuildIcon());
        }
    }
    EXPECT_EQ(house->GetOrderState(), kOrderRefused);
    EXPECT_TRUE(house->GetCost().IsZero());
    EXPECT_FALSE(house->ShowsBuildIcon());
}

TEST_F(BuildTest, House_HintTellsTheNextStepAndItsPrice)
{
    vrk::TextTable()["house00"] = "House";
    vrk::TextTable()["house00_up"] = "Bigger house";
    vrk::TextTable()["Price"] = "Price";
    vrk::TextTable()["FinishWork"] = "Finish the work";
    level.Stock() = Amounts(10, 0, 0, 0);
    cBuild* house = Make("house00", {5, 5}, "1");
    std::string price;
    Amounts(40, 0, 0, 0).FormatResourceCost(price, level.Stock());
    EXPECT_EQ(house->GetHintText(), "House\nPrice: " + price);
    house->SetState(kStateWorking);
    EXPECT_EQ(house->GetHintText(), "House\nFinish the work");
    Work(*house);
    Amounts(40, 0, 40, 0).FormatResourceCost(price, level.Stock());
    EXPECT_EQ(house->GetHintText(), "Bigger house\nPrice: " + price);
    for (const char* key : {"house00", "house00_up", "Price", "FinishWork"}) vrk::TextTable().erase(key);
}

TEST_F(BuildTest, HomeBase_TakesNoOrdersAndHasNoTimer)
{
    level.Stock() = Amounts(1000, 1000, 1000, 1000);
    cBuild* base = Make("base00", {10, 8});
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(level.home, base);
    EXPECT_EQ(base->GetState(), kStateWorkDone);
    EXPECT_EQ(base->GetLevel(), 0);
    EXPECT_EQ(base->GetMaxLevel(), 0);
    EXPECT_EQ(base->GetFreePlaces(), 1000);
    EXPECT_EQ(base->GetZoneWidth(), 3);
    EXPECT_EQ(base->GetAnimationKey(), "0");
    EXPECT_EQ(base->GetFlagSprite().play.mode, kPlayLoopForward);
    EXPECT_EQ(base->GetOrderState(), kOrderRefused);
    base->SetTimerPeriod(1.0f);
    EXPECT_EQ(base->UpdateTimer(kTick), kTimerIdle);
    EXPECT_FLOAT_EQ(base->GetTimerRemaining(), 0.0f);
    EXPECT_FALSE(base->GetSmoke().IsEmitting());
    EXPECT_EQ(base->GetHintText(), "");
    EXPECT_FALSE(base->ShowsBuildIcon());
}

TEST_F(BuildTest, LevelText_StartsBuiltAtItsLevel)
{
    cBuild* house = Make("house00", {5, 5}, "2;1");
    EXPECT_EQ(house->GetState(), kStateWorkDone);
    EXPECT_EQ(house->GetLevel(), 1);
    EXPECT_EQ(house->GetMaxLevel(), 2);
    EXPECT_EQ(house->GetAnimationKey(), "1");
    EXPECT_EQ(house->GetFrame(), kUpgradeFrames - 1);
    EXPECT_EQ(house->GetCost().amounts, Amounts(40, 0, 40, 0).amounts);
    EXPECT_EQ(LevelWarnings(), 0);
}

TEST_F(BuildTest, LevelText_HostileTextsLoadWithinTheLevels)
{
    const struct {
        const char* text;
        int32_t state;
        int32_t level;
        int32_t maxLevel;
        const char* animation;
        int warnings;
    } rows[] = {
        {"2;7", kStateWorkDone, 2, 2, "2", 1},
        {"2;-1", kStateWorkDone, 0, 2, "0", 1},
        {"-3", kStateNone, -1, 0, "none", 1},
        {"x;y", kStateWorkDone, 0, 0, "0", 0},
        {"99999999999", kStateNone, -1, 0, "none", 0},
    };
    int warnings = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        cBuild* house = Make("house00", {5, 5}, row.text);
        EXPECT_EQ(house->GetState(), row.state);
        EXPECT_EQ(house->GetLevel(), row.level);
        EXPECT_EQ(house->GetMaxLevel(), row.maxLevel);
        EXPECT_EQ(house->GetAnimationKey(), row.animation);
        EXPECT_LT(house->GetFrame(), std::max(house->GetFrameCount(), 1));
        warnings += row.warnings;
        EXPECT_EQ(LevelWarnings(), warnings);
        if (row.warnings > 0) {
            EXPECT_EQ(CountLogged("Building " + std::to_string(house->GetId()) + ": levels '" + row.text + "'"), 1);
        }
    }
}

// A level text that allows more levels than the house has pictures for: the top
// picture is the top level, with the warning of any out-of-range text, and the
// finished house shows it and takes no more upgrades.
TEST_F(BuildTest, LevelText_AMaximumAboveThePicturesStopsAtTheTopPicture)
{
    level.Stock() = Amounts(500, 0, 500, 0);
    cBuild* house = Make("house00", {5, 5}, "5");
    EXPECT_EQ(house->GetMaxLevel(), 2);
    EXPECT_EQ(CountLogged("Building " + std::to_string(house->GetId()) + ": levels '5'"), 1);
    for (int step = 0; step < 3; ++step) Work(*house);
    EXPECT_EQ(house->GetLevel(), 2);
    EXPECT_EQ(house->GetAnimationKey(), "2");
    EXPECT_NE(house->GetAnimation(), nullptr) << "the top picture shows";
    EXPECT_EQ(house->GetOrderState(), kOrderRefused);
    EXPECT_TRUE(house->GetCost().IsZero());
    EXPECT_FALSE(house->ShowsBuildIcon());

    cBuild* built = Make("house00", {12, 5}, "9;7");
    EXPECT_EQ(built->GetMaxLevel(), 2);
    EXPECT_EQ(built->GetLevel(), 2);
    EXPECT_EQ(built->GetAnimationKey(), "2");
    EXPECT_EQ(built->GetOrderState(), kOrderRefused);
    EXPECT_EQ(LevelWarnings(), 2);
}

TEST_F(BuildTest, Completion_ActsByTypeName)
{
    const auto finish = [this](const std::string& name, int32_t linkId) {
        cBuild* build = Make(name, {3, 3}, "1");
        build->SetLinkId(linkId);
        build->OnMessage(kMessageWorkTimer, 0);
        return build;
    };
    finish("ruins00", 0);
    finish("castle_ice", 0);
    finish("source_life_water", 0);
    EXPECT_EQ(level.achievements,
              (std::vector<std::string>{"achieve_ruins", "achieve_gravik", "achieve_finish_well"}));
    EXPECT_TRUE(level.noTowerFlag);
    cBuild* tower = finish("tower00", 0);
    EXPECT_FALSE(level.noTowerFlag);
    EXPECT_EQ(level.CountPosted(kEventRecount, kTypeBuild), 4u);
    EXPECT_EQ(level.CountPosted(kEventRecount, kTypeWorker), 0u) << "only a house makes a worker";
    EXPECT_EQ(tower->GetLevel(), 0);
    EXPECT_EQ(level.builds, 4);

    // The chosen advisor tower ends the level; the achievement needs it finished first.
    level.achievements.clear();
    level.chosenAdvisorId = 2;
    finish("tower_advisor", 2);
    EXPECT_EQ(level.achievements, std::vector<std::string>{"achieve_advisor"});
    EXPECT_EQ(level.CountPosted(kEventLevelEnd, 0), 1u);
    EXPECT_TRUE(level.advisorWatchFlag);

    level.achievements.clear();
    finish("tower_advisor", 1);
    EXPECT_FALSE(level.advisorWatchFlag) << "a wrong advisor tower loses the achievement";
    EXPECT_EQ(level.CountPosted(kEventLevelEnd, 0), 1u);
    finish("tower_advisor", 2);
    EXPECT_TRUE(level.achievements.empty());
    EXPECT_EQ(level.CountPosted(kEventLevelEnd, 0), 2u);
}

TEST_F(BuildTest, HitTest_PassesClicksThroughWhileAWorkerIsInside)
{
    cBuild* house = Make("house00", {5, 5}, "2");
    const vec2 at = house->GetPosition();
    EXPECT_EQ(house->HitTest(at), 1);
    EXPECT_EQ(house->HitTest(level.CellToPoint({12, 12})), 0);
    ASSERT_TRUE(house->TakePlace());
    EXPECT_EQ(house->HitTest(at), 0);
}

TEST_F(BuildTest, Smoke_GoesOffOneSecondAfterTheTimerLastRan)
{
    cBuild* house = Make("house00", {5, 5}, "2");
    ASSERT_TRUE(house->GetSmoke().HasEffect());
    EXPECT_FALSE(house->GetSmoke().IsEmitting());
    house->SetState(kStateWorking);
    house->UpdateTimer(kTick);
    house->Update();
    house->UpdateTimer(kTick);
    EXPECT_TRUE(house->GetSmoke().IsEmitting());
    int ticks = 0;
    while (house->GetSmoke().IsEmitting() && ticks < 1000) {
        house->Update();
        ++ticks;
    }
    float idle = 0.0f;
    int expected = 0;
    while (idle <= cBuild::kSmokeIdleSeconds) {
        idle += kTick;
        ++expected;
    }
    EXPECT_EQ(ticks, expected);
}

TEST_F(BuildTest, Draw_MarksABuildingThatCanRiseWithTheIcon)
{
    vrk::VertexBatch batch;
    app.batch = &batch;
    cBuild* house = Make("house00", {5, 5}, "1;0");
    const vec2 at = house->GetPosition();
    // The first vertex of the last run drawn, and that run's texture.
    const auto lastRun = [&batch](vec2& corner) {
        const vrk::BatchRun& run = batch.runs[batch.runCount - 1];
        corner = vec2(batch.vertices[run.first].x, batch.vertices[run.first].y);
        return run.key != nullptr ? run.key->name : std::string();
    };
    vec2 corner;
    house->Draw();
    ASSERT_GT(batch.runCount, 2u);
    EXPECT_EQ(batch.runs[0].key->name, "house00_sh_tex");
    EXPECT_EQ(lastRun(corner), "icon_build_tex");
    // Too dear: frame 0, still, a third of the picture's height (150) above.
    EXPECT_FLOAT_EQ(corner.x, at.x);
    EXPECT_FLOAT_EQ(corner.y, at.y + 50.0f);
    EXPECT_FLOAT_EQ(batch.vertices[batch.runs[batch.runCount - 1].first].u, 0.0f);

    batch.Clear();
    level.Stock() = Amounts(40, 0, 40, 0);
    house->Draw();
    EXPECT_EQ(lastRun(corner), "icon_build_tex");
    EXPECT_FLOAT_EQ(corner.y, at.y + 53.0f) << "affordable: it bobs, starting 3 higher";
    EXPECT_FLOAT_EQ(batch.vertices[batch.runs[batch.runCount - 1].first].u, 0.1f);

    Work(*house);
    batch.Clear();
    house->Draw();
    EXPECT_NE(lastRun(corner), "icon_build_tex");
    app.batch = nullptr;
}

TEST_F(BuildTest, MissingSprites_BuildWithoutFrames)
{
    { test::RegistryCleaner missingSprites; }
    cBuild* house = Make("house00", {5, 5}, "1");
    EXPECT_EQ(house->GetFrameCount(), 0);
    Work(*house);
    EXPECT_EQ(house->GetLevel(), 0);
    EXPECT_EQ(house->GetFrame(), 0);
}

TEST(BuildFileTest, SetSprite_RunsInALevelFileWithoutApplication)
{
    cLevelFile file;
    for (const char* name : {"house00", "base00", "ruins00"}) {
        SCOPED_TRACE(name);
        cBuild build(&file);
        build.SetText("2;1");
        build.SetSprite(name);
        EXPECT_EQ(build.GetState(), kStateWorkDone);
        build.GetHintText();
        build.Update();
        build.Draw();
    }
    cBuild house(&file);
    house.SetSprite("house00");
    house.SetState(kStateWorking);
    for (int tick = 0; tick < 400 && house.GetState() == kStateWorking; ++tick) house.UpdateTimer(kTick);
    EXPECT_EQ(house.GetLevel(), 0);
}

}  // namespace
