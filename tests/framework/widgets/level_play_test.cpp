// A tool-built level played without a window: the walk test level (scenery, two
// critters and a path grid with a fence, a rock, rough ground and a pond) is loaded
// into a level screen, walkers and targets are added, the walkers are sent along
// paths found on the level's grid and the screen runs a few hundred fixed ticks.
#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/files/byte_stream.h"
#include "framework/objects/animal.h"
#include "framework/objects/man.h"
#include "tests/framework/widgets/level_fixtures.h"

namespace {

constexpr const char* kLevelFile = KELVARA_SOURCE_DIR "/tests/data/levels/walk_test.lvl";
constexpr uint32_t kFixedSeed = 20240611u;
constexpr int kPlayTicks = 400;
// A critter runs at 20 units a second, up to nine cells a run: a minute of play
// holds a few runs.
constexpr int kWanderTicks = 1800;
constexpr int kAlertFrames = 4;
constexpr float kAlertFramesPerSecond = 8.0f;
constexpr int kRunFrames = 6;
constexpr float kRunFramesPerSecond = 12.0f;

// A worker-like walker: it walks at a speed of its own (a plain walker crawls at
// one unit a second) and counts the walks it finished.
class TestWalker : public cMan {
public:
    static constexpr float kWalkSpeed = 120.0f;
    using cMan::cMan;
    void StartMove() override { StartMoveAtSpeed(kWalkSpeed); }
    int32_t OnMessage(uint32_t code, uintptr_t data) override
    {
        if (code == kMessagePathFinished) ++pathsFinished;
        return cMan::OnMessage(code, data);
    }
    int pathsFinished = 0;
};

// The screen keeps a copy of every arrival it is told of: the event lives on the
// walker's stack.
class PlayLevel : public test::TestLevel {
public:
    uint32_t OnPlayEvent(uint32_t kind, uintptr_t param) override
    {
        if (kind == kMessageArrived && param != 0) arrivals.push_back(*reinterpret_cast<const WalkEvent*>(param));
        return test::TestLevel::OnPlayEvent(kind, param);
    }
    std::vector<WalkEvent> arrivals;
};

// The critters' look-around and run animations, so they play as in the game.
void RegisterCritterSprites()
{
    for (const std::string kind : {"chip", "rabbit"}) {
        for (int direction = 0; direction < cMan::kDefaultDirectionCount; ++direction) {
            const std::string digit = std::to_string(direction);
            test::RegisterTestSprite(kind + "_alert" + digit, kAlertFrames, kAlertFramesPerSecond);
            test::RegisterTestSprite(kind + "_run" + digit, kRunFrames, kRunFramesPerSecond);
        }
    }
}

class LevelPlayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        app.random.seed = kFixedSeed;
        RegisterCritterSprites();
        ASSERT_TRUE(LoadWalkLevel(level));
    }

    static bool LoadWalkLevel(PlayLevel& into)
    {
        vrk::cByteStream stream;
        if (stream.LoadFromFile(kLevelFile) != 0) return false;
        if (!into.LoadLevel(stream, 0)) return false;
        into.LinkObjects();
        into.ForceMode(kModePlay);
        return true;
    }

    TestWalker* AddWalker(const GridCell& cell)
    {
        auto* walker = new TestWalker(&level);
        const vec2 point = level.CellToPoint(cell);
        walker->SetPosition(point.x, point.y);
        level.AddObject(walker, 0);
        return walker;
    }

    std::vector<cAnimal*> Animals()
    {
        ObjectList found;
        level.FindObjectsOfKind(found, kTypeAnimal, -1);
        std::vector<cAnimal*> animals;
        for (cObject* object : found) animals.push_back(static_cast<cAnimal*>(object));
        return animals;
    }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    PlayLevel level;
};

TEST_F(LevelPlayTest, LoadLevel_TakesTheToolsGridAndObjects)
{
    EXPECT_EQ(level.GetLevelName(), "walk_test");
    ASSERT_EQ(level.GetGridWidth(), 22);
    ASSERT_EQ(level.GetGridHeight(), 16);
    // Table of (cell, terrain code) straight from the source's map.
    const std::vector<std::pair<GridCell, int32_t>> cells{
        {{0, 9}, kTerrainImpassable},  {{10, 9}, kTerrainFree},  {{21, 9}, kTerrainImpassable},
        {{14, 2}, kTerrainImpassable}, {{14, 5}, kTerrainImpassable}, {{14, 6}, kTerrainFree},
        {{3, 13}, kTerrainImpassable}, {{14, 12}, kTerrainSlow}, {{8, 6}, kTerrainVerySlow},
        {{0, 0}, kTerrainFree},        {{21, 15}, kTerrainFree},
    };
    for (const auto& [cell, code] : cells) {
        EXPECT_EQ(level.GetCellCostAt(cell), code) << cell.x << "," << cell.y;
    }
    EXPECT_EQ(Animals().size(), 2u);
    ASSERT_NE(level.FindObject("tree1", -1), nullptr);
    ASSERT_NE(level.FindObject("bush", -1), nullptr);
    // 352 cells less 21 fence, 8 rock and 4 stone cells: the rest are places to go.
    EXPECT_EQ(level.GetDestinationCells().size(), 352u - 21u - 8u - 4u);
}

TEST_F(LevelPlayTest, Walkers_FollowFoundPathsToTheirTargetsAndArrive)
{
    struct Trip {
        GridCell from;
        GridCell to;
        bool smooth;
        GridCell mustCross;  // the only way there
    };
    // Through the fence's gap; round the stone wall (rough path); along the bottom.
    const std::vector<Trip> trips{
        {{2, 2}, {2, 13}, false, {10, 9}},
        {{12, 3}, {17, 3}, true, {-1, -1}},
        {{0, 0}, {21, 1}, false, {-1, -1}},
    };
    struct Walk {
        TestWalker* walker;
        cGameObject* target;
        float length;
        int arrivedAt = -1;
        bool crossed = false;
    };
    std::vector<Walk> walks;
    for (const Trip& trip : trips) {
        TestWalker* walker = AddWalker(trip.from);
        cGameObject* target = level.AddAt(trip.to);
        std::vector<vec2> points;
        ASSERT_TRUE(level.FindPath(points, walker, target, trip.smooth));
        std::vector<vec2> goal;
        level.CellsToPoints({trip.to}, goal);
        EXPECT_EQ(points.back(), goal.front());
        ASSERT_TRUE(level.QueueOrder(target, 0));
        level.Orders().back().worker = walker;
        walker->WalkPath(points, target, 0);
        walks.push_back(Walk{walker, target, level.GetPathLength(points)});
        walks.back().crossed = trip.mustCross.x < 0;
    }
    EXPECT_EQ(level.Orders().size(), trips.size());

    for (int tick = 1; tick <= kPlayTicks; ++tick) {
        level.Tick();
        for (size_t i = 0; i < walks.size(); ++i) {
            Walk& walk = walks[i];
            const GridCell cell = level.ObjectToCell(walk.walker);
            ASSERT_GE(level.GetCellCostAt(cell), 0) << "walker " << i << " in a wall at tick " << tick;
            if (cell == trips[i].mustCross) walk.crossed = true;
            if (walk.arrivedAt < 0 && walk.walker->pathsFinished > 0) walk.arrivedAt = tick;
        }
    }

    for (size_t i = 0; i < walks.size(); ++i) {
        const Walk& walk = walks[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(walk.walker->pathsFinished, 1);
        EXPECT_EQ(walk.walker->GetPosition(), level.CellToPoint(trips[i].to));
        EXPECT_EQ(walk.walker->GetState(), kStateNone);
        EXPECT_TRUE(walk.crossed);
        // A walk takes its length at the walker's speed, to within a tick per leg.
        const float expected = walk.length / TestWalker::kWalkSpeed / cObject::kTickSeconds;
        EXPECT_NEAR(static_cast<float>(walk.arrivedAt), expected,
                    static_cast<float>(walk.walker->GetPath().size()));
        EXPECT_EQ(walk.target->GetReservations(), 0u);
    }
    ASSERT_EQ(level.arrivals.size(), walks.size());
    for (const Walk& walk : walks) {
        const auto arrival = std::find_if(level.arrivals.begin(), level.arrivals.end(),
                                          [&walk](const WalkEvent& event) { return event.man == walk.walker; });
        ASSERT_NE(arrival, level.arrivals.end());
        EXPECT_EQ(arrival->target, walk.target);
    }
    EXPECT_TRUE(level.Orders().empty());
}

TEST_F(LevelPlayTest, Animals_WanderOverPassableCellsOnly)
{
    const std::vector<cAnimal*> animals = Animals();
    ASSERT_EQ(animals.size(), 2u);
    std::vector<vec2> starts;
    std::vector<std::set<std::pair<int32_t, int32_t>>> visited(animals.size());
    std::vector<int> walks(animals.size(), 0);
    for (const cAnimal* animal : animals) starts.push_back(animal->GetPosition());

    for (int tick = 1; tick <= kWanderTicks; ++tick) {
        std::vector<int32_t> before;
        for (const cAnimal* animal : animals) before.push_back(animal->GetState());
        level.Tick();
        for (size_t i = 0; i < animals.size(); ++i) {
            const GridCell cell = level.ObjectToCell(animals[i]);
            ASSERT_GE(level.GetCellCostAt(cell), 0) << "animal " << i << " in a wall at tick " << tick;
            visited[i].insert({cell.x, cell.y});
            if (before[i] != kStateWalking && animals[i]->GetState() == kStateWalking) ++walks[i];
        }
    }
    for (size_t i = 0; i < animals.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NE(animals[i]->GetPosition(), starts[i]);
        EXPECT_GE(walks[i], 2) << "looked around and ran again";
        EXPECT_GT(visited[i].size(), 2u);
    }
}

TEST_F(LevelPlayTest, Play_IsTheSameForTheSameSeed)
{
    const auto run = [](PlayLevel& played) {
        std::vector<vec2> positions;
        for (int tick = 0; tick < kPlayTicks; ++tick) played.Tick();
        ObjectList animals;
        played.FindObjectsOfKind(animals, kTypeAnimal, -1);
        for (const cObject* animal : animals) positions.push_back(animal->GetPosition());
        return positions;
    };
    const std::vector<vec2> first = run(level);
    app.random.seed = kFixedSeed;
    PlayLevel again;
    ASSERT_TRUE(LoadWalkLevel(again));
    EXPECT_EQ(run(again), first);
}

}  // namespace
