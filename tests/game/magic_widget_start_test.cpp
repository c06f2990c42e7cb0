// The level start on the game's level screen: a tool-built level on the skewed
// 31 x 25 grid (tests/data/levels/level_start_test.lua) loaded from its file and
// linked with the real level classes: zones, the home's reach, cut-off workers,
// pick-ups in their plants, way points, the bandits' column and the fountain.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/files/byte_stream.h"
#include "objects/bandit.h"
#include "objects/item.h"
#include "objects/level_contract.h"
#include "objects/plant.h"
#include "objects/source.h"
#include "objects/worker.h"
#include "tests/framework/objects/fake_owner.h"
#include "tests/game/support/test_magic_widget.h"

namespace {

constexpr const char* kLevelFile = KELVARA_SOURCE_DIR "/tests/data/levels/level_start_test.lvl";

class MagicWidgetStartTest : public ::testing::Test {
protected:
    void Load()
    {
        vrk::cByteStream stream;
        ASSERT_EQ(stream.LoadFromFile(kLevelFile), 0);
        ASSERT_TRUE(screen.LoadLevel(stream, 100));
        screen.LinkObjects();
    }
    template <class T>
    T* Find(const std::string& name)
    {
        return dynamic_cast<T*>(screen.FindObject(name, -1));
    }
    GridCell CellOf(const std::string& name) { return screen.ObjectToCell(screen.FindObject(name, -1)); }

    test::FakeAppServices app;
    test::RegistryCleaner cleaner;
    test::TestMagicWidget screen;
};

TEST_F(MagicWidgetStartTest, LinkObjects_MarksZonesAndReachAndCutsOffWorkersWithoutAWayHome)
{
    Load();
    ASSERT_EQ(screen.GetLevelName(), "level_start_test");
    ASSERT_NE(screen.home, nullptr);
    // The home and the mill block their cells; the water round the island is
    // impassable and the open ground free.
    const GridCell home = CellOf("home");
    EXPECT_EQ(screen.GetCellCost(home.x, home.y), kTerrainBlockedByObject);
    const GridCell mill = CellOf("mill");
    EXPECT_EQ(screen.GetCellCost(mill.x, mill.y), kTerrainBlockedByObject);
    const GridCell island = CellOf("worker_island");
    EXPECT_EQ(screen.GetCellCost(island.x + 1, island.y), kTerrainImpassable);
    const GridCell door = screen.PointToCell(screen.FindObject("home_door", -1)->GetPosition());
    EXPECT_EQ(screen.GetCellCost(door.x, door.y), kTerrainFree);

    EXPECT_TRUE(Find<cPlant>("mill")->IsReachable());
    EXPECT_TRUE(Find<cSource>("tree_main")->IsReachable());
    EXPECT_TRUE(Find<cItem>("item_food")->IsReachable());
    EXPECT_FALSE(Find<cSource>("tree_island")->IsReachable());

    EXPECT_EQ(Find<cWorker>("worker_island")->GetState(), cWorker::kStateCutOff);
    EXPECT_NE(Find<cWorker>("worker_a")->GetState(), cWorker::kStateCutOff);
    EXPECT_NE(Find<cWorker>("worker_b")->GetState(), cWorker::kStateCutOff);
}

TEST_F(MagicWidgetStartTest, LinkObjects_LinksItemsListsWayPointsLeadsTheColumnAndLowersTheFountain)
{
    Load();
    auto* item = Find<cItem>("item_food");
    EXPECT_EQ(Find<cPlant>("mill")->GetLinkedItem(), item);
    EXPECT_EQ(item->GetState(), -1);

    std::vector<std::string> order;
    for (const cGameObject* point : screen.GetWayPoints()) order.push_back(point->GetName());
    EXPECT_EQ(order, (std::vector<std::string>{"way_a", "way_b", "way_c"}));

    // The first bandit heads for the first way point, the second follows him.
    auto* leader = Find<cBandit>("bandit_a");
    EXPECT_EQ(leader->GetTarget(), screen.GetWayPoints().front());
    EXPECT_EQ(Find<cBandit>("bandit_b")->GetTarget(), leader);

    EXPECT_EQ(screen.FindObject("fountain", -1)->GetLayer(), 0);
}

TEST_F(MagicWidgetStartTest, LinkObjects_WithoutAHomeCutsOffEveryWorkerAndMarksNothing)
{
    Load();
    screen.RemoveObject(screen.FindObject("home", -1));
    screen.home = nullptr;
    Find<cSource>("tree_main")->SetReachable(false);
    screen.UpdateReachability(3);
    EXPECT_FALSE(Find<cSource>("tree_main")->IsReachable());

    cObject* added = screen.CreateObject(kTypeWorker, 0);
    ASSERT_NE(added, nullptr);
    added->SetPositionV(screen.FindObject("worker_a", -1)->GetPosition());
    screen.LinkObjects();
    for (const char* name : {"worker_a", "worker_b", "worker_island"})
        EXPECT_EQ(Find<cWorker>(name)->GetState(), cWorker::kStateCutOff) << name;
    EXPECT_EQ(dynamic_cast<cWorker*>(added)->GetState(), cWorker::kStateCutOff);
}

TEST_F(MagicWidgetStartTest, ClearingLeavesEveryCellImpassableAndUnbuiltIdsCreateNothing)
{
    Load();
    screen.ClearLevel();
    ASSERT_EQ(screen.GetGridWidth(), 31);
    ASSERT_EQ(screen.GetGridHeight(), 25);
    int32_t walkable = 0;
    for (int32_t x = 0; x < screen.GetGridWidth(); ++x) {
        for (int32_t y = 0; y < screen.GetGridHeight(); ++y) walkable += screen.GetCellCost(x, y) != -1 ? 1 : 0;
    }
    EXPECT_EQ(walkable, 0);
    for (int32_t typeId : {103, 105, 116}) EXPECT_EQ(screen.CreateObject(typeId, 0), nullptr) << typeId;
    EXPECT_TRUE(screen.GetWayPoints().empty());
}

TEST_F(MagicWidgetStartTest, SendWorker_LeavesTheHomeByItsDoorStopsByTheTargetAndGoesIntoTheHome)
{
    Load();
    auto* home = static_cast<cGameObject*>(screen.home);
    auto* mill = Find<cPlant>("mill");
    auto* worker = Find<cWorker>("worker_a");
    const vec2 door = screen.FindObject("home_door", -1)->GetPosition();
    EXPECT_FALSE(screen.SendWorker(nullptr, mill, 1));
    EXPECT_FALSE(screen.SendWorker(worker, nullptr, 1));

    // Into the home: the walk ends at the home's own position.
    ASSERT_TRUE(screen.SendWorker(worker, home, 0));
    EXPECT_EQ(worker->GetTarget(), home);
    ASSERT_GE(worker->GetPath().size(), 2u);
    EXPECT_EQ(worker->GetPath().front(), worker->GetPosition());
    EXPECT_EQ(worker->GetPath().back(), home->GetPosition());

    // Out of the home: from where the worker stands to the door's cell, then on.
    worker->SetPositionV(home->GetPosition());
    ASSERT_TRUE(screen.SendWorker(worker, mill, 1));
    const std::vector<vec2>& path = worker->GetPath();
    ASSERT_GE(path.size(), 3u);
    EXPECT_EQ(path[0], home->GetPosition());
    EXPECT_EQ(screen.PointToCell(path[1]), screen.PointToCell(door));
    EXPECT_EQ(worker->GetTarget(), mill);

    // The island worker has no way anywhere.
    EXPECT_FALSE(screen.SendWorker(Find<cWorker>("worker_island"), mill, 1));
}

TEST_F(MagicWidgetStartTest, Columns_PassOnJoinTheTailOrTheNearestWayPointAndCycleTheWayPoints)
{
    Load();
    const std::vector<cGameObject*>& points = screen.GetWayPoints();
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(screen.NextEntryAfter(points[0]), points[1]);
    EXPECT_EQ(screen.NextEntryAfter(points[2]), points[0]);
    EXPECT_EQ(screen.NextEntryAfter(static_cast<cGameObject*>(screen.home)), nullptr);
    EXPECT_EQ(screen.NextEntryAfter(nullptr), nullptr);

    auto* leader = Find<cBandit>("bandit_a");
    auto* follower = Find<cBandit>("bandit_b");
    // The leader hands his way point on to the one behind him.
    screen.PassTargetOn(leader);
    EXPECT_EQ(follower->GetTarget(), points[0]);

    // A newcomer joins behind the one nobody follows.
    leader->SetTarget(follower, 0);
    follower->SetTarget(points[0], 0);
    auto* newcomer = dynamic_cast<cBandit*>(screen.CreateObject(kTypeBandit, 0));
    ASSERT_NE(newcomer, nullptr);
    newcomer->SetPositionV(points[2]->GetPosition() + vec2{10.0f, 0.0f});
    screen.JoinColumn(newcomer);
    EXPECT_EQ(newcomer->GetTarget(), leader);
    // When everyone is followed, the nearest way point.
    follower->SetTarget(newcomer, 0);
    screen.JoinColumn(newcomer);
    EXPECT_EQ(newcomer->GetTarget(), points[2]);

    screen.ClearLevel();
    EXPECT_EQ(screen.NextEntryAfter(nullptr), nullptr);
}

TEST_F(MagicWidgetStartTest, Columns_TwoBanditsBackFromTheirChasesNeverFollowEachOther)
{
    Load();
    const std::vector<cGameObject*>& points = screen.GetWayPoints();
    ASSERT_EQ(points.size(), 3u);
    auto* first = Find<cBandit>("bandit_a");
    auto* second = Find<cBandit>("bandit_b");
    // Both chased a worker; the first is back and walks behind the second, the one
    // nobody follows.
    first->SetTarget(Find<cWorker>("worker_a"), 0);
    second->SetTarget(Find<cWorker>("worker_island"), 0);
    screen.JoinColumn(first);
    EXPECT_EQ(first->GetTarget(), second);
    // Behind the first the second would close a ring with no head: it takes the
    // nearest way point and leads the column on.
    screen.JoinColumn(second);
    EXPECT_NE(second->GetTarget(), first);
    EXPECT_TRUE(second->GetTarget() != nullptr && second->GetTarget()->IsKindOf(kTypeWayPoint));
}

}  // namespace
