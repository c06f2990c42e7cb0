// Tests of the level screen as the level objects see it, through the test stand-in:
// the current-level pointer, the clearing of the level state, the refund, the
// direction sectors, the count of workers at work and the two grid bases.
#include "objects/level_screen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "framework/objects/man.h"
#include "framework/widgets/level_widget.h"
#include "objects/level_contract.h"
#include "objects/level_grid.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/objects/support/test_level_screen.h"

namespace {

class LevelScreenTest : public ::testing::Test {
protected:
    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
};

TEST_F(LevelScreenTest, CurrentLevelScreen_FollowsConstructionAndDestruction)
{
    EXPECT_EQ(CurrentLevelScreen(), nullptr);
    {
        test::TestLevelScreen first;
        EXPECT_EQ(CurrentLevelScreen(), &first);
        // The framework's plain level screen never takes the pointer.
        { cLevelWidget plain; EXPECT_EQ(CurrentLevelScreen(), &first); }
        EXPECT_EQ(CurrentLevelScreen(), &first);
        auto second = std::make_unique<test::TestLevelScreen>();
        EXPECT_EQ(CurrentLevelScreen(), second.get());
        second.reset();
        // It pointed at the second screen: that one took it away.
        EXPECT_EQ(CurrentLevelScreen(), nullptr);
    }
    EXPECT_EQ(CurrentLevelScreen(), nullptr);
    // A screen that is not the current one leaves the pointer alone.
    auto older = std::make_unique<test::TestLevelScreen>();
    test::TestLevelScreen newer;
    older.reset();
    EXPECT_EQ(CurrentLevelScreen(), &newer);
}

TEST_F(LevelScreenTest, PlainLevelWidget_NeverAppearsThroughTheAccessor)
{
    cLevelWidget plain;
    EXPECT_EQ(CurrentLevelScreen(), nullptr);
    EXPECT_EQ(dynamic_cast<LevelScreen*>(static_cast<cObjectOwner*>(&plain)), nullptr);
}

// Records, as it is deleted, whether its owner is still a level screen and still the
// current one.
class WatchingObject : public cGameObject {
public:
    struct Seen {
        bool ownerIsLevelScreen = false;
        bool ownerIsCurrent = false;
        int deletions = 0;
    };
    WatchingObject(cObjectOwner* owner, Seen& seen) : cGameObject(owner), seen_(seen) {}
    ~WatchingObject() override
    {
        auto* level = dynamic_cast<LevelScreen*>(GetOwner());
        seen_.ownerIsLevelScreen = level != nullptr;
        seen_.ownerIsCurrent = level != nullptr && CurrentLevelScreen() == level;
        ++seen_.deletions;
    }

private:
    Seen& seen_;
};

TEST_F(LevelScreenTest, Destruction_DeletesTheObjectsWhileStillALevelScreen)
{
    WatchingObject::Seen seen;
    {
        test::TestLevelScreen level;
        level.AddObject(new WatchingObject(&level, seen), 0);
        auto* removed = new WatchingObject(&level, seen);
        level.AddObject(removed, 0);
        level.RemoveObject(removed);
    }
    EXPECT_EQ(seen.deletions, 2);
    EXPECT_TRUE(seen.ownerIsLevelScreen);
    EXPECT_TRUE(seen.ownerIsCurrent);
    EXPECT_EQ(CurrentLevelScreen(), nullptr);
}

void ExpectStartingState(const LevelScreen& level)
{
    for (const float timer : level.spellTimers) EXPECT_EQ(timer, LevelScreen::kSpellOff);
    EXPECT_EQ(level.home, nullptr);
    EXPECT_EQ(level.mill, nullptr);
    EXPECT_EQ(level.goldMill, nullptr);
    EXPECT_EQ(level.hero, nullptr);
    EXPECT_EQ(level.prison, nullptr);
    EXPECT_EQ(level.builds, 0);
    EXPECT_EQ(level.livingTrees, 0);
    EXPECT_EQ(level.clearedStones, 0);
    EXPECT_EQ(level.succubi, 0);
    EXPECT_TRUE(level.noMillFlag);
    EXPECT_TRUE(level.noTowerFlag);
    EXPECT_TRUE(level.advisorWatchFlag);
    EXPECT_TRUE(level.shieldFlag);
    EXPECT_FALSE(level.night);
    EXPECT_TRUE(level.gameOverText.empty());
    EXPECT_TRUE(level.lightList.lights.empty());
}

TEST_F(LevelScreenTest, ClearLevel_ResetsTheLevelStateButKeepsTheAdvisorChoice)
{
    test::TestLevelScreen level;
    ExpectStartingState(level);
    EXPECT_EQ(level.GetGridWidth(), 22);
    EXPECT_EQ(level.GetGridHeight(), 16);

    level.Stock() = ResourceVector(std::vector<int32_t>{5, 6, 7, 8});
    level.home = reinterpret_cast<cBuild*>(&level);
    level.goldMill = reinterpret_cast<cPlant*>(&level);
    level.spellTimers[3] = 2.5f;
    level.builds = 4;
    level.livingTrees = 9;
    level.clearedStones = 6;
    level.succubi = 2;
    level.noMillFlag = false;
    level.noTowerFlag = false;
    level.advisorWatchFlag = false;
    level.shieldFlag = false;
    level.night = true;
    level.gameOverText = "GameOver_011";
    level.lightList.Add("light", vec2{10.0f, 10.0f}, 20.0f, 0xFFFFFF);
    level.chosenAdvisorId = 2;
    level.AddObject(new cGameObject(&level), 0);

    level.ClearLevel();
    ExpectStartingState(level);
    EXPECT_EQ(level.Stock().amounts, (std::vector<int32_t>{0, 0, 0, 0}));
    EXPECT_EQ(level.chosenAdvisorId, 2);
    for (const auto& layer : level.GetLayers()) EXPECT_TRUE(layer.empty());
}

TEST_F(LevelScreenTest, LoadLevel_ClearsTheLevelStateFirst)
{
    test::TestLevelScreen level;
    level.Stock() = ResourceVector(std::vector<int32_t>{5, 6, 7, 8});
    level.night = true;
    level.gameOverText = "GameOver_011";
    vrk::cByteStream stream;
    ASSERT_EQ(stream.LoadFromFile(KELVARA_SOURCE_DIR "/tests/data/levels/walk_test.lvl"), 0);
    ASSERT_TRUE(level.LoadLevel(stream, 0));
    EXPECT_EQ(level.GetLevelName(), "walk_test");
    EXPECT_EQ(level.Stock().amounts, (std::vector<int32_t>{0, 0, 0, 0}));
    EXPECT_FALSE(level.night);
    EXPECT_TRUE(level.gameOverText.empty());
}

// Counts the calls of the income operation, which a refund must not reach.
class IncomeCountingScreen : public test::TestLevelScreen {
public:
    void AddResources(const ResourceVector& amounts) override
    {
        ++incomeCalls;
        test::TestLevelScreen::AddResources(amounts);
    }
    int incomeCalls = 0;
};

TEST_F(LevelScreenTest, RefundResources_RestoresTheStockAndOnlyAsksForARecount)
{
    IncomeCountingScreen level;
    level.Stock() = ResourceVector(std::vector<int32_t>{1, 2, std::numeric_limits<int32_t>::max() - 1, 4});
    level.RefundResources(ResourceVector(std::vector<int32_t>{10, 20, 5, 0}));
    EXPECT_EQ(level.Stock().amounts, (std::vector<int32_t>{11, 22, std::numeric_limits<int32_t>::max(), 4}));
    EXPECT_EQ(level.incomeCalls, 0);
    EXPECT_TRUE(level.playEvents.empty());
    ASSERT_EQ(level.postedEvents.size(), 1u);
    EXPECT_EQ(level.postedEvents[0].code, kEventRecount);
    EXPECT_EQ(level.postedEvents[0].param, static_cast<uintptr_t>(kTypeItem));
    // The recount reaches the play handler at the end of the tick.
    level.TickPlay();
    ASSERT_EQ(level.playEvents.size(), 1u);
    EXPECT_EQ(level.playEvents[0].code, kEventRecount);
}

struct SectorCase {
    float degrees;
    int32_t sector;
};

class DirectionSectorTest : public LevelScreenTest, public ::testing::WithParamInterface<SectorCase> {};

TEST_P(DirectionSectorTest, CutsTheCircleIntoFourUnevenSectors)
{
    test::TestLevelScreen level;
    const SectorCase& c = GetParam();
    const float radians = c.degrees * std::numbers::pi_v<float> / 180.0f;
    const vec2 direction{std::cos(radians) * 7.0f, std::sin(radians) * 7.0f};
    // The sector count asked for makes no difference.
    for (const int32_t count : {4, 8, 1}) {
        EXPECT_EQ(level.GetDirectionIndex(direction, count), c.sector) << c.degrees << " degrees";
    }
}

INSTANTIATE_TEST_SUITE_P(Angles, DirectionSectorTest,
                         ::testing::Values(SectorCase{0.0f, 0}, SectorCase{29.9f, 0}, SectorCase{30.0f, 1},
                                           SectorCase{90.0f, 1}, SectorCase{104.9f, 1}, SectorCase{105.1f, 2},
                                           SectorCase{180.0f, 2}, SectorCase{209.9f, 2},
                                           SectorCase{210.1f, 3}, SectorCase{299.0f, 3},
                                           SectorCase{300.0f, 0}, SectorCase{-10.0f, 0}),
                         [](const ::testing::TestParamInfo<SectorCase>& info) {
                             // "Deg299_9" for 299.9 degrees, "DegMinus10" for -10.
                             const auto tenths = static_cast<int>(std::lround(info.param.degrees * 10.0f));
                             const std::string sign = tenths < 0 ? "Minus" : "";
                             const int whole = std::abs(tenths) / 10;
                             const int fraction = std::abs(tenths) % 10;
                             return "Deg" + sign + std::to_string(whole) +
                                    (fraction != 0 ? "_" + std::to_string(fraction) : std::string());
                         });

// A walker of the given type whose state the test sets.
class TypedWalker : public cMan {
public:
    TypedWalker(cObjectOwner* owner, int32_t typeId) : cMan(owner), typeId_(typeId) {}
    int32_t GetTypeId() const override { return typeId_; }

private:
    int32_t typeId_;
};

TEST_F(LevelScreenTest, CountWorkersAt_CountsOnlyWorkersAtWorkOnTheObject)
{
    test::TestLevelScreen level;
    auto* target = new cGameObject(&level);
    auto* other = new cGameObject(&level);
    level.AddObject(target, 0);
    level.AddObject(other, 0);
    auto addWalker = [&level](int32_t typeId, cGameObject* to, int32_t state, int32_t layer) {
        auto* walker = new TypedWalker(&level, typeId);
        level.AddObject(walker, 0);
        level.SetObjectLayer(walker, layer);
        walker->SetTarget(to, 0);
        walker->SetState(state);
    };
    addWalker(kTypeWorker, target, LevelScreen::kWorkerWorkingState, LevelScreen::kWorkerLayer);
    addWalker(kTypeWorker, target, LevelScreen::kWorkerWorkingState, LevelScreen::kWorkerLayer);
    addWalker(kTypeWorker, target, kStateWalking, LevelScreen::kWorkerLayer);
    addWalker(kTypeWorker, other, LevelScreen::kWorkerWorkingState, LevelScreen::kWorkerLayer);
    addWalker(kTypeMan, target, LevelScreen::kWorkerWorkingState, LevelScreen::kWorkerLayer);
    addWalker(kTypeWorker, target, LevelScreen::kWorkerWorkingState, LevelScreen::kWorkerLayer - 1);
    EXPECT_EQ(level.CountWorkersAt(target), 2);
    EXPECT_EQ(level.CountWorkersAt(other), 1);
    EXPECT_EQ(level.CountWorkersAt(nullptr), 0);
}

TEST_F(LevelScreenTest, SkewedBasis_TurnsTheGridOntoTheLevelAxes)
{
    test::TestLevelScreen level;
    level.UseSkewedBasis();
    EXPECT_EQ(level.GetGridWidth(), 31);
    EXPECT_EQ(level.GetGridHeight(), 25);
    vec2 origin;
    vec2 axisX;
    vec2 axisY;
    level.GetGridBasis(origin, axisX, axisY);
    EXPECT_EQ(origin, level.GetGridOrigin());
    EXPECT_NEAR(axisX.x, std::cos(-15.0 * std::numbers::pi / 180.0), 1e-6);
    EXPECT_NEAR(axisX.y, std::sin(-15.0 * std::numbers::pi / 180.0), 1e-6);
    EXPECT_NEAR(axisY.x, std::sqrt(0.5), 1e-6);
    EXPECT_NEAR(axisY.y, std::sqrt(0.5), 1e-6);
    // Every cell centre maps back to its own cell.
    for (const GridCell cell : {GridCell{0, 0}, GridCell{30, 24}, GridCell{12, 7}}) {
        EXPECT_EQ(level.PointToCell(level.CellToPoint(cell)), cell);
    }
}

}  // namespace
