// The layouts of the play levels "001"-"039", read from their files: every level's
// ground shapes its walks (at least kLeastGroundCells cells of water, rock or wall),
// no two levels share more than kMostShared of their object cells, no level leaves
// a quarter of its view empty, and no home stands where the previous level's home
// stood. The test prints each level's figures.
//
// The levels that fail a check today are listed with it; a listed level that passes
// fails the test too, so the lists only shrink.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/level/level_table.h"
#include "tests/game/support/level_layout.h"

namespace {

constexpr size_t kFirstPlayLevel = 1;
constexpr int kLeastGroundCells = 12;
constexpr float kMostShared = 0.40f;
constexpr float kMostEmpty = 0.25f;
// The home covers 3 x 3 cells: two homes fewer cells apart than that in both
// directions overlap, they stand on one spot.
constexpr int32_t kHomeSide = 3;

struct Figures {
    test::GroundCount ground;
    float shared = 0.0f;
    std::string partner;
    test::EmptyArea empty;
    GridCell home;
    bool sameSpot = false;
};

std::string Percent(float share)
{
    char text[16];
    std::snprintf(text, sizeof text, "%.0f%%", static_cast<double>(share * 100.0f));
    return text;
}

class LevelLayoutTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (size_t index = kFirstPlayLevel; index < kLevelCount; ++index) {
            test::LevelLayout layout;
            ASSERT_TRUE(test::ReadLevelLayout(test::LevelNumber(index), layout)) << test::LevelNumber(index);
            ASSERT_TRUE(layout.hasHome) << layout.id;
            layouts_.push_back(layout);
        }
        std::vector<std::set<test::ObjectCell>> cells;
        for (const test::LevelLayout& layout : layouts_) cells.push_back(test::ObjectCells(layout));
        for (size_t i = 0; i < layouts_.size(); ++i) {
            Figures& f = figures_[layouts_[i].id];
            f.ground = test::CountGround(layouts_[i]);
            for (size_t j = 0; j < layouts_.size(); ++j) {
                const float shared = j == i ? 0.0f : test::SharedShare(cells[i], cells[j]);
                if (shared > f.shared) {
                    f.shared = shared;
                    f.partner = layouts_[j].id;
                }
            }
            f.empty = test::LargestEmptyArea(layouts_[i]);
            f.home = test::HomeCell(layouts_[i]);
            if (i > 0) {
                const GridCell before = figures_[layouts_[i - 1].id].home;
                f.sameSpot = std::abs(f.home.x - before.x) < kHomeSide && std::abs(f.home.y - before.y) < kHomeSide;
            }
        }
    }

    std::vector<test::LevelLayout> layouts_;
    std::map<std::string, Figures> figures_;
};

TEST_F(LevelLayoutTest, EveryPlayLevelHasGroundOfItsOwn_ALayoutOfItsOwn_NoEmptyQuarter_AndAHomeThatMoves)
{
    std::printf(
        "level | ground cells (water + rock - boulders) | most shared | largest empty view x,y w x h | home cell\n");
    for (const test::LevelLayout& layout : layouts_) {
        const Figures& f = figures_[layout.id];
        const Rect& e = f.empty.rect;
        std::printf("%s   | %3d (%2d + %2d - %d) | %4s with %s | %4s %4.0f,%4.0f %4.0f x %4.0f | %2d,%2d%s\n",
                    layout.id.c_str(), f.ground.Counted(), f.ground.water, f.ground.rock, f.ground.boulders,
                    Percent(f.shared).c_str(), f.partner.c_str(), Percent(f.empty.share).c_str(),
                    static_cast<double>(e.x), static_cast<double>(e.y), static_cast<double>(e.width),
                    static_cast<double>(e.height), f.home.x, f.home.y, f.sameSpot ? " (the level before's spot)" : "");

        EXPECT_GE(f.ground.Counted(), kLeastGroundCells)
            << "level " << layout.id << ": " << f.ground.Counted() << " cells of water, rock or wall";
        EXPECT_LE(f.shared, kMostShared)
            << "level " << layout.id << ": " << Percent(f.shared) << " of its object cells shared with level "
            << f.partner;
        EXPECT_LT(f.empty.share, kMostEmpty) << "level " << layout.id << ": " << Percent(f.empty.share)
                                             << " of the view empty from (" << e.x << ", " << e.y << ") to ("
                                             << e.x + e.width << ", " << e.y + e.height << ")";
        EXPECT_FALSE(f.sameSpot) << "level " << layout.id << ": the home at cell " << f.home.x << "," << f.home.y
                                 << " overlaps the previous level's home";
    }
}

// The measures on a level laid out by hand.
TEST(LevelLayoutMeasureTest, CountsWallsAndWaterButNotBoulders_SharesCellsByType_FindsTheEmptyView)
{
    test::LevelLayout layout;
    layout.rows.assign(test::kTerrainGridHeight, std::string(test::kTerrainGridWidth, '.'));
    for (int x = 3; x < 8; ++x) layout.rows[10][static_cast<size_t>(x)] = test::kMarkWater;
    for (int y = 2; y < 8; ++y) layout.rows[static_cast<size_t>(y)][20] = test::kMarkRock;
    layout.rows[8][20] = test::kMarkGap;  // a log in the wall is still wall
    for (int y : {15, 16}) {
        for (int x : {25, 26}) layout.rows[static_cast<size_t>(y)][static_cast<size_t>(x)] = test::kMarkRock;
    }
    const test::GroundCount ground = test::CountGround(layout);
    EXPECT_EQ(ground.water, 5);
    EXPECT_EQ(ground.rock, 11);
    EXPECT_EQ(ground.boulders, 4);
    EXPECT_EQ(ground.Counted(), 12);

    // Bare ground: all of the view but the HUD's corners is one empty area.
    test::LevelLayout bare;
    bare.rows.assign(test::kTerrainGridHeight, std::string(test::kTerrainGridWidth, '.'));
    EXPECT_GT(test::LargestEmptyArea(bare).share, 0.75f);
    // The water and walls above fill their parts of it.
    EXPECT_LT(test::LargestEmptyArea(layout).share, test::LargestEmptyArea(bare).share);
    // Trees every 200 units leave no quarter empty.
    for (float x = 100.0f; x < kLevelAreaWidth; x += 200.0f) {
        for (float y = 100.0f; y < kLevelAreaHeight; y += 200.0f) {
            layout.objects.push_back(test::LayoutObject{kTypeSource, "tree00_0", {x, y}, false});
        }
    }
    EXPECT_LT(test::LargestEmptyArea(layout).share, kMostEmpty);
    // Walkers move on: they fill no part of the view.
    test::LevelLayout walkers = bare;
    walkers.objects = layout.objects;
    for (test::LayoutObject& object : walkers.objects) object.walker = true;
    EXPECT_GT(test::LargestEmptyArea(walkers).share, 0.75f);

    // Same type on the same 40-unit cell is common; another type or cell is not.
    test::LevelLayout other;
    other.objects = {
        test::LayoutObject{kTypeSource, "tree01_0", {110.0f, 110.0f}, false},  // the cell of the tree at 100, 100
        test::LayoutObject{kTypeField, "field00", {300.0f, 100.0f}, false},    // another type there
        test::LayoutObject{kTypeSource, "tree00_0", {500.0f, 140.0f}, false},  // the next cell up
    };
    const std::set<test::ObjectCell> mine = test::ObjectCells(layout);
    EXPECT_FLOAT_EQ(test::SharedShare(mine, test::ObjectCells(other)), 1.0f / static_cast<float>(mine.size() + 2));
    EXPECT_FLOAT_EQ(test::SharedShare(mine, mine), 1.0f);
}

}  // namespace
