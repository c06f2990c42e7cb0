// Enemy camps on the stand-in level screen: the release rhythm with a fixed seed,
// the count by kind, quiet camps (no ";", paused, in the editor), what a released
// walker gets, the pictures the set-up marks, the accessors the level screen drives,
// hostile texts and the shared count of the enemies.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/objects/random_gen.h"
#include "objects/base_enemy.h"
#include "objects/build.h"
#include "objects/goblin.h"
#include "tests/objects/support/enemy_fixture.h"

namespace {

class BaseEnemyTest : public test::EnemyTest {
protected:
    cBaseEnemy* MakeCamp(const std::string& sprite, const std::string& text, const GridCell& cell = {4, 4})
    {
        auto* camp = dynamic_cast<cBaseEnemy*>(level.CreateObject(kTypeBaseEnemy, 0));
        if (camp == nullptr) return nullptr;
        camp->SetPositionV(level.CellToPoint(cell));
        camp->SetText(text);
        camp->SetSprite(sprite);
        return camp;
    }
    // Ticks until the level makes a new object; the number of ticks, or -1.
    int UntilNewObject(int limit)
    {
        const uint32_t last = level.GetLastObjectId();
        return TicksUntil([&] { return level.GetLastObjectId() != last; }, limit);
    }
    // The ticks of the camp's timer from its restart to the end of an interval.
    static int TicksToRun(float interval)
    {
        float elapsed = 0.0f;
        int ticks = 0;
        while (elapsed < interval) {
            elapsed += kTick;
            ++ticks;
        }
        return ticks;
    }
    cGoblin* LastGoblin()
    {
        ObjectList goblins;
        level.FindObjectsOfKind(goblins, kTypeGoblin, -1);
        return goblins.empty() ? nullptr : dynamic_cast<cGoblin*>(goblins.back());
    }
};

TEST_F(BaseEnemyTest, Releases_AtRandomIntervalsFromOneIntervalAfterTheStart)
{
    cBaseEnemy* camp = MakeCamp("goblin_money", "30;2");
    ASSERT_NE(camp, nullptr);
    EXPECT_EQ(camp->GetWalkerType(), kTypeGoblin);
    EXPECT_FLOAT_EQ(camp->GetBaseInterval(), 30.0f);
    EXPECT_EQ(camp->GetMaxWalkers(), 2u);
    EXPECT_EQ(camp->GetLayer(), cBaseEnemy::kCampLayer);
    RandomGen draws = app.random;
    // The goblins find nothing to steal and vanish, so the camp never fills up. A
    // tick draws the interval, the timer runs it out, the release comes in its last
    // tick.
    for (int release = 0; release < 4; ++release) {
        const float interval = (0.8f + 0.7f * draws.NextFraction()) * 30.0f;
        const int ticks = UntilNewObject(2000);
        EXPECT_EQ(ticks, 1 + TicksToRun(interval)) << "release " << release;
        EXPECT_GE(ticks, 24 * 30);
        EXPECT_LE(ticks, 45 * 30 + 1);
    }
}

TEST_F(BaseEnemyTest, Count_ByKindOverEveryLayerIncludingPlacedWalkers)
{
    cBaseEnemy* camp = MakeCamp("goblin_wood", "1;2", {4, 4});
    camp->SetLinkId(7);
    // Two placed goblins of either sprite, held (they choose nothing while held).
    std::vector<cGoblin*> placed;
    for (const char* sprite : {"goblin_money", "goblin_wood"}) {
        auto* goblin = dynamic_cast<cGoblin*>(level.CreateObject(kTypeGoblin, 0));
        goblin->SetPosition(600.0f, 400.0f);
        goblin->SetSprite(sprite);
        goblin->OnMessage(kEventShot, 0);
        placed.push_back(goblin);
    }
    Ticks(1);
    EXPECT_EQ(UntilNewObject(200), -1);

    level.RemoveObject(placed[0]);
    ASSERT_GT(UntilNewObject(200), 0);
    cGoblin* released = LastGoblin();
    ASSERT_NE(released, nullptr);
    EXPECT_EQ(released->GetSprite(), "goblin_wood");
    EXPECT_EQ(released->GetMode(), cGoblin::kModeWood);
    EXPECT_EQ(released->GetHome(), camp);
    EXPECT_EQ(released->GetPosition(), camp->GetPosition());
    EXPECT_EQ(released->GetLinkId(), 7);
    EXPECT_FALSE(released->IsInteractive()) << "no home base, no way to the goblin";

    // With a home base and a way from it, the walker can be clicked.
    test::RegisterTestSprite("base00", 1, 1.0f, 144.0f, 144.0f, 72.0f, 72.0f);
    auto* home = dynamic_cast<cBuild*>(level.CreateObject(kTypeBuild, 0));
    home->SetPositionV(level.CellToPoint({14, 10}));
    home->SetSprite("base00");
    ASSERT_EQ(level.home, home);
    level.RemoveObject(placed[1]);
    ASSERT_GT(UntilNewObject(200), 0);
    EXPECT_TRUE(LastGoblin()->IsInteractive());
}

TEST_F(BaseEnemyTest, QuietCamps_NoSeparatorPausedEditorOrNoWalkerFromTheFactory)
{
    cBaseEnemy* noSeparator = MakeCamp("goblin_money", "30", {2, 2});
    EXPECT_FLOAT_EQ(noSeparator->GetBaseInterval(), 0.0f);
    EXPECT_EQ(noSeparator->GetMaxWalkers(), 0u);
    cBaseEnemy* witches = MakeCamp("witch", "1;3", {6, 2});
    EXPECT_EQ(witches->GetWalkerType(), kTypeWitch);
    // The factory makes witches: this camp would release them.
    level.RemoveObject(witches);
    cBaseEnemy* unknown = MakeCamp("troll", "1;3", {8, 2});
    EXPECT_EQ(unknown->GetWalkerType(), 0);
    EXPECT_EQ(UntilNewObject(200), -1) << "no maximum, no walker type";

    cBaseEnemy* camp = MakeCamp("goblin_money", "1;3", {10, 2});
    Ticks(3);
    const float elapsed = camp->GetReleaseTimer().elapsed;
    level.SetInputFlags(kInputCinematic);
    Ticks(60);
    EXPECT_FLOAT_EQ(camp->GetReleaseTimer().elapsed, elapsed) << "paused";
    level.SetInputFlags(0);
    const vec2 inPicture = camp->GetPosition() + vec2{0.0f, -20.0f};
    EXPECT_EQ(camp->HitTest(inPicture), 0) << "in play a camp cannot be clicked";
    level.ForceMode(kModeEditor);
    Ticks(60);
    EXPECT_FLOAT_EQ(camp->GetReleaseTimer().elapsed, elapsed) << "in the editor";
    EXPECT_EQ(camp->HitTest(inPicture), 1) << "in the editor its picture can be picked";
}

// While the level loads, a camp marks the textures of everything its walker type's
// set-up takes (the shadow and the portal too), so that the loading loads them, and
// makes no walker for it: no object, no id, nothing removed.
TEST_F(BaseEnemyTest, SetUp_MarksTheWalkersTexturesAndMakesNoWalker)
{
    test::RegisterTestSprite(cMan::kShadowSprite, 1, 0.0f);
    test::RegisterTestSprite("succub_portal", 1, 0.0f);
    for (const std::string& name : {"succub_appear0", "succub_walk0", "succub_magic3", "succub_death3"}) {
        test::RegisterTestSprite(name, 2, 10.0f);
    }
    // Only a texture that has a file to load is marked.
    for (auto& [name, texture] : vrk::GetTextureMap()) texture->path = vrk::PathRecord("texture/" + name + ".png");
    const auto marked = [](const std::string& sprite) { return vrk::FindTexture(sprite + "_tex")->inUse; };

    level.ForceMode(kModeLoading);
    cBaseEnemy* goblins = MakeCamp("goblin_wood", "30;2");
    for (const std::string& sprite : cGoblin::SetUpSprites()) EXPECT_TRUE(marked(sprite)) << sprite;
    EXPECT_TRUE(marked(cMan::kShadowSprite));
    EXPECT_TRUE(marked("goblin_pick3"));
    EXPECT_FALSE(marked("skeleton_walk0")) << "another type's";
    cBaseEnemy* succubi = MakeCamp("succub", "30;2");
    for (const std::string& sprite : {"succub_portal", "succub_appear0", "succub_walk0", "succub_death3"}) {
        EXPECT_TRUE(marked(sprite)) << sprite;
    }

    EXPECT_EQ(level.GetLastObjectId(), static_cast<uint32_t>(succubi->GetId()));
    EXPECT_TRUE(level.GetRemovedObjects().empty());
    ObjectList enemies;
    EXPECT_EQ(level.FindObjectsOfKind(enemies, kTypeEnemy, -1), 0u);
    level.Tick();
    EXPECT_EQ(Sounds("bandit_scream0"), 0);
    EXPECT_EQ(goblins->GetWalkerType(), kTypeGoblin);
}

TEST_F(BaseEnemyTest, Accessors_ResetTheTimerKeepIntervalAndMaximumAndReleaseOneFreshIntervalLater)
{
    cBaseEnemy* camp = MakeCamp("goblin_money", "30;2");
    Ticks(100);
    camp->SetBaseInterval(camp->GetBaseInterval() * 0.5f);
    camp->SetMaxWalkers(camp->GetMaxWalkers() + 4);
    camp->ResetReleaseTimer();
    const TimedValue<float>& timer = camp->GetReleaseTimer();
    EXPECT_FLOAT_EQ(timer.start, 0.0f);
    EXPECT_FLOAT_EQ(timer.target, 0.0f);
    EXPECT_FLOAT_EQ(timer.current, 0.0f);
    EXPECT_FLOAT_EQ(timer.elapsed, 0.0f);
    EXPECT_FLOAT_EQ(timer.duration, 0.0f);
    EXPECT_FLOAT_EQ(timer.speed, 1.0f);
    EXPECT_FLOAT_EQ(camp->GetBaseInterval(), 15.0f);
    EXPECT_EQ(camp->GetMaxWalkers(), 6u);
    RandomGen draws = app.random;
    const float interval = (0.8f + 0.7f * draws.NextFraction()) * 15.0f;
    EXPECT_EQ(UntilNewObject(2000), 1 + TicksToRun(interval));
}

TEST_F(BaseEnemyTest, HostileTexts_ReadAsZeroWithAWarning)
{
    cBaseEnemy* negative = MakeCamp("goblin_money", "-1;-5");
    EXPECT_FLOAT_EQ(negative->GetBaseInterval(), 0.0f);
    EXPECT_EQ(negative->GetMaxWalkers(), 0u);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.find("Enemy camp") != std::string::npos; }),
              1);
    cBaseEnemy* word = MakeCamp("goblin_money", "x");
    EXPECT_EQ(word->GetMaxWalkers(), 0u);
    cBaseEnemy* fraction = MakeCamp("goblin_money", "12.5;3");
    EXPECT_FLOAT_EQ(fraction->GetBaseInterval(), 12.5f);
    EXPECT_EQ(fraction->GetMaxWalkers(), 3u);
    EXPECT_EQ(UntilNewObject(300), -1) << "the zero maximum releases nothing";
}

// Counts how often the level's scans ask it whether it is an enemy.
class ScanCounter : public test::StandInFigure {
public:
    using StandInFigure::StandInFigure;
    bool IsKindOf(int32_t id) const override
    {
        if (id == kTypeEnemy) ++enemyScans;
        return StandInFigure::IsKindOf(id);
    }
    mutable int enemyScans = 0;
};

TEST_F(BaseEnemyTest, FloodTexts_AreBoundedWithAWarningAndReleaseOneWalkerASecondAtMost)
{
    const auto warnings = [this] {
        return std::count_if(lines.begin(), lines.end(),
                             [](const std::string& line) { return line.find("Enemy camp") != std::string::npos; });
    };
    cBaseEnemy* flood = MakeCamp("goblin_money", "0;2147483647");
    EXPECT_FLOAT_EQ(flood->GetBaseInterval(), cBaseEnemy::kShortestInterval);
    EXPECT_EQ(flood->GetMaxWalkers(), cBaseEnemy::kMostWalkersAsked);
    EXPECT_EQ(warnings(), 2);
    const auto logged = [this](const std::string& text) {
        return std::any_of(lines.begin(), lines.end(), [&text](const std::string& line) { return line.find(text) != std::string::npos; });
    };
    EXPECT_TRUE(logged("Enemy camp 'goblin_money': maximum above 20, read as 20 in '0;2147483647'"));
    EXPECT_TRUE(logged("Enemy camp 'goblin_money': interval below 1 s, read as 1 s in '0;2147483647'"));
    cBaseEnemy* quick = MakeCamp("goblin_money", "0.01;20", {6, 6});
    EXPECT_FLOAT_EQ(quick->GetBaseInterval(), 1.0f);
    EXPECT_EQ(quick->GetMaxWalkers(), 20u);
    EXPECT_EQ(warnings(), 3);
    // What a level may ask for stays as it is, without a word.
    cBaseEnemy* asked = MakeCamp("goblin_money", "1;20", {8, 8});
    EXPECT_FLOAT_EQ(asked->GetBaseInterval(), 1.0f);
    EXPECT_EQ(asked->GetMaxWalkers(), 20u);
    EXPECT_EQ(warnings(), 3);
    level.RemoveObject(quick);
    level.RemoveObject(asked);

    // One camp, 30 seconds: each interval lasts at least 0.8 s, so at most 38 walkers.
    int releases = 0;
    for (int tick = 0; tick < 30 * 30; ++tick) {
        const uint32_t last = level.GetLastObjectId();
        level.Tick();
        if (level.GetLastObjectId() != last) ++releases;
    }
    EXPECT_GT(releases, 0);
    EXPECT_LE(releases, 38);
}

TEST_F(BaseEnemyTest, LevelEnemyCap_HoldsEveryReleaseUntilAnEnemyLeaves)
{
    std::vector<cGoblin*> placed;
    for (uint32_t i = 0; i < cBaseEnemy::kMostLevelEnemies; ++i) {
        auto* goblin = dynamic_cast<cGoblin*>(level.CreateObject(kTypeGoblin, 0));
        goblin->SetPosition(600.0f, 400.0f);
        goblin->SetSprite("goblin_money");
        goblin->OnMessage(kEventShot, 0);
        placed.push_back(goblin);
    }
    // No skeleton is out, but the level is full.
    MakeCamp("skeleton", "1;5");
    Ticks(1);
    EXPECT_EQ(UntilNewObject(200), -1);
    level.RemoveObject(placed.back());
    ASSERT_GT(UntilNewObject(200), 0);
    ObjectList skeletons;
    EXPECT_EQ(level.FindObjectsOfKind(skeletons, kTypeSkeleton, -1), 1u);
    // Full again: the skeletons that leave make room for the next, never more.
    ObjectList enemies;
    for (int tick = 0; tick < 600; ++tick) {
        level.Tick();
        ASSERT_LE(level.FindObjectsOfKind(enemies, kTypeEnemy, -1), cBaseEnemy::kMostLevelEnemies) << tick;
    }
}

// A walker of the camps' type that stays where it is put.
class StillGoblin : public ScanCounter {
public:
    using ScanCounter::ScanCounter;
    bool IsKindOf(int32_t id) const override { return id == kTypeGoblin || ScanCounter::IsKindOf(id) || id == kTypeEnemy; }
};

// Camps whose walker type is at its maximum share one count of the scene: none scans
// it again until an object has left the scene, and then the count is taken anew
// once, a camp releases the one walker the level lacks, and the rest stay quiet.
TEST_F(BaseEnemyTest, FullLevel_CampsShareOneCountUntilAWalkerLeaves)
{
    auto* counter = new ScanCounter(&level);
    level.AddObject(counter, 0);
    auto* placed = new StillGoblin(&level);
    level.AddObject(placed, 0);
    for (int i = 0; i < 60; ++i) MakeCamp("goblin_money", "1;1", {2 + i % 10, 2 + i / 10});
    // Ten seconds: every camp's interval runs out six times at least.
    Ticks(10 * 30);
    EXPECT_EQ(counter->enemyScans, 1);
    ObjectList goblins;
    EXPECT_EQ(level.FindObjectsOfKind(goblins, kTypeGoblin, -1), 1u);

    level.RemoveObject(placed);
    counter->enemyScans = 0;
    ASSERT_GT(UntilNewObject(60), 0);
    cGoblin* released = LastGoblin();
    ASSERT_NE(released, nullptr);
    // It stays put while held.
    released->OnMessage(kEventShot, 0);
    Ticks(60);
    EXPECT_EQ(level.FindObjectsOfKind(goblins, kTypeGoblin, -1), 1u);
    // The count after the leave, and the one after the release that finds it full.
    EXPECT_EQ(counter->enemyScans, 2);
}

TEST_F(BaseEnemyTest, IdleCamps_DoNoWorkAndTheWalkerScanComesOnceAnInterval)
{
    auto* counter = new ScanCounter(&level);
    counter->SetPosition(600.0f, 400.0f);
    level.AddObject(counter, 0);
    std::vector<cBaseEnemy*> idle = {MakeCamp("goblin_money", "30", {2, 2}), MakeCamp("goblin_money", "5;0", {4, 2}),
                                     MakeCamp("troll", "1;3", {6, 2})};
    Ticks(1);
    const uint32_t seed = app.random.seed;
    counter->enemyScans = 0;
    Ticks(300);
    EXPECT_EQ(app.random.seed, seed) << "an idle camp draws no interval";
    EXPECT_EQ(counter->enemyScans, 0) << "an idle camp counts no walkers";
    for (const cBaseEnemy* camp : idle) EXPECT_FLOAT_EQ(camp->GetReleaseTimer().duration, 0.0f);

    // A camp whose base the level's scripts set to 0 still waits an interval between
    // its scans, full or not.
    auto* goblin = dynamic_cast<cGoblin*>(level.CreateObject(kTypeGoblin, 0));
    goblin->SetPosition(600.0f, 400.0f);
    goblin->SetSprite("goblin_money");
    goblin->OnMessage(kEventShot, 0);
    cBaseEnemy* full = MakeCamp("goblin_money", "30;1", {8, 2});
    full->SetBaseInterval(0.0f);
    Ticks(1);
    counter->enemyScans = 0;
    Ticks(300);
    EXPECT_GE(counter->enemyScans, 1);
    EXPECT_LE(counter->enemyScans, 300 / 24 + 1);
}

}  // namespace
