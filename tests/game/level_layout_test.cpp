// The layouts of the play levels "001"-"039", read from their files: every level has
// ground of its own (at least kLeastGroundCells cells of water, rock or wall), no two
// levels share more than kMostShared of their object cells, no level leaves a
// quarter of its view empty, and no home stands where the previous level's home
// stood. Every level's ground shapes a walk: the walk from the home to some work
// place is more than 15 % longer than on open ground, or crosses a log, a stone or
// a bridge (tests/game/support/level_walks.h), and no water or rock lies under the
// HUD, on "000" neither. The tests print each level's figures.
//
// The levels that still lay ground under the HUD are listed; a listed level that
// keeps it clear fails the test too, so the list only shrinks.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "game/level/level_table.h"
#include "tests/game/support/level_layout.h"
#include "tests/game/support/level_walks.h"

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

std::string WalkText(const test::PlaceWalk& walk)
{
    char text[96];
    std::snprintf(text, sizeof text, "%s at %d,%d: %.1f / %.1f cells%s", walk.sprite.c_str(), walk.cell.x,
                  walk.cell.y, static_cast<double>(walk.cleared), static_cast<double>(walk.open),
                  walk.CrossesBarrier() ? " across a barrier" : "");
    return text;
}

// The walk the ground lengthens most, a walk across a barrier before any other.
test::PlaceWalk MostShapedWalk(const std::vector<test::PlaceWalk>& walks)
{
    test::PlaceWalk most;
    most.open = 1.0f;
    most.cleared = 0.0f;
    most.shut = 0.0f;
    for (const test::PlaceWalk& walk : walks) {
        if (walk.CrossesBarrier() && !most.CrossesBarrier()) {
            most = walk;
        } else if (walk.CrossesBarrier() == most.CrossesBarrier() && walk.Share() > most.Share()) {
            most = walk;
        }
    }
    return most;
}

// " 8,19 8,20": the cells of water, rock or wall whose centres lie under the HUD.
std::string UnderTheHud(const test::LevelLayout& layout)
{
    std::string under;
    for (const GridCell& cell : test::GroundUnderHud(layout)) {
        under += " " + std::to_string(cell.x) + "," + std::to_string(cell.y);
    }
    return under;
}

TEST_F(LevelLayoutTest, EveryPlayLevelsGroundLengthensAWalkToWorkOrBarsItWithABarrier_NoneUnderTheHud)
{
    std::printf("level | the walk the ground shapes most, four and eight neighbours a step: with ground / on "
                "open ground\n");
    for (const test::LevelLayout& layout : layouts_) {
        std::string line;
        std::string most;
        bool shaped = false;
        for (const test::Neighbours neighbours : {test::Neighbours::kFour, test::Neighbours::kEight}) {
            const std::vector<test::PlaceWalk> walks = test::MeasureWalks(layout, neighbours);
            ASSERT_FALSE(walks.empty()) << "level " << layout.id << ": no work place";
            for (const test::PlaceWalk& walk : walks) {
                EXPECT_LT(walk.cleared, test::kNoWalk)
                    << "level " << layout.id << ": the ground cuts " << walk.sprite << " at " << walk.cell.x << ","
                    << walk.cell.y << " off from the home";
            }
            const test::PlaceWalk walk = MostShapedWalk(walks);
            shaped = shaped || walk.Shaped();
            most += std::string(most.empty() ? "" : "; ") + WalkText(walk);
            char share[16];
            std::snprintf(share, sizeof share, " (%+.0f%%)", static_cast<double>((walk.Share() - 1.0f) * 100.0f));
            line += std::string(line.empty() ? "" : " | ") + WalkText(walk) + share;
        }
        std::printf("%s   | %s\n", layout.id.c_str(), line.c_str());
        EXPECT_TRUE(shaped) << "level " << layout.id
                            << ": the ground lengthens no walk to work by more than 15% and no barrier stands on "
                               "one; the most: "
                            << most;

        EXPECT_EQ(UnderTheHud(layout), "") << "level " << layout.id << ": water, rock or wall under the HUD at";
    }
    // The first farm keeps the HUD clear too, though its ground shapes its walks by
    // its own hints.
    test::LevelLayout first;
    ASSERT_TRUE(test::ReadLevelLayout(test::LevelNumber(0), first));
    EXPECT_EQ(UnderTheHud(first), "") << "level 000: water, rock or wall under the HUD at";
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

// The walks on ground laid out by hand: a wall lengthens the walk round it, a
// diagonal step never cuts a blocked corner, a log in the wall is a barrier on the
// walk, and only water and rock under the HUD count.
TEST(LevelWalksMeasureTest, AWallLengthensTheWalk_NoCornerIsCut_ALogBarsIt_GroundUnderTheHudIsFound)
{
    test::LevelLayout layout;
    layout.rows.assign(test::kTerrainGridHeight, std::string(test::kTerrainGridWidth, '.'));
    const GridGeometry grid = test::TerrainGrid();
    layout.objects.push_back(
        test::LayoutObject{kTypeBuild, "base00", GridCellCentre(grid, GridCell{10, 5}), false});
    layout.home = layout.objects.back().position;
    layout.objects.push_back(test::LayoutObject{kTypeField, "field00", GridCellCentre(grid, GridCell{10, 12}), false});
    layout.objects.push_back(test::LayoutObject{kTypeSource, "tree00_0", GridCellCentre(grid, GridCell{14, 5}), false});
    // A walker, the home and a decoration are no work places.
    layout.objects.push_back(test::LayoutObject{kTypeWorker, "worker", GridCellCentre(grid, GridCell{3, 3}), true});

    // Open ground: seven cells straight north to the field, four east to the tree.
    for (const test::Neighbours neighbours : {test::Neighbours::kFour, test::Neighbours::kEight}) {
        const std::vector<test::PlaceWalk> walks = test::MeasureWalks(layout, neighbours);
        ASSERT_EQ(walks.size(), 2u);
        EXPECT_FLOAT_EQ(walks[0].open, 7.0f);
        EXPECT_FLOAT_EQ(walks[0].cleared, 7.0f);
        EXPECT_FLOAT_EQ(walks[1].open, 4.0f);
        EXPECT_FALSE(walks[0].Shaped());
    }

    // A wall across row 8 from x 6 to 14: the walk goes round an end.
    for (int x = 6; x <= 14; ++x) layout.rows[8][static_cast<size_t>(x)] = test::kMarkRock;
    std::vector<test::PlaceWalk> four = test::MeasureWalks(layout, test::Neighbours::kFour);
    EXPECT_FLOAT_EQ(four[0].open, 7.0f);
    EXPECT_FLOAT_EQ(four[0].cleared, 7.0f + 2.0f * 5.0f);  // five cells west and back
    EXPECT_TRUE(four[0].Shaped());
    EXPECT_FALSE(four[0].CrossesBarrier());
    EXPECT_FLOAT_EQ(four[1].cleared, 4.0f);  // the tree's walk keeps clear of the wall
    // With eight neighbours: to (5, 7), straight past the wall's end to (5, 9) (a
    // diagonal there would cut the corner of (6, 8)), on to the field; five diagonal
    // steps and seven straight ones (cutting the corners would make it 12.9).
    const std::vector<test::PlaceWalk> eight = test::MeasureWalks(layout, test::Neighbours::kEight);
    EXPECT_NEAR(eight[0].open, 7.0f, 1e-3f);
    EXPECT_NEAR(eight[0].cleared, 5.0f * std::sqrt(2.0f) + 7.0f, 1e-3f);
    EXPECT_GT(eight[0].Share(), test::kShapedWalkShare);

    // A log in the wall above the home: shut it bars the short walk, cleared it opens it.
    layout.rows[8][10] = test::kMarkGap;
    layout.objects.push_back(test::LayoutObject{kTypeBarrier, "log00", GridCellCentre(grid, GridCell{10, 8}), false});
    four = test::MeasureWalks(layout, test::Neighbours::kFour);
    EXPECT_FLOAT_EQ(four[0].cleared, 7.0f);
    EXPECT_FLOAT_EQ(four[0].shut, 17.0f);
    EXPECT_TRUE(four[0].CrossesBarrier());
    EXPECT_TRUE(four[0].Shaped());

    // Closing the wall's ends cuts the field off while the log lies there.
    for (int x = 0; x < test::kTerrainGridWidth; ++x) {
        if (layout.rows[8][static_cast<size_t>(x)] == '.') layout.rows[8][static_cast<size_t>(x)] = test::kMarkWater;
    }
    four = test::MeasureWalks(layout, test::Neighbours::kFour);
    EXPECT_EQ(four[0].shut, test::kNoWalk);
    EXPECT_TRUE(four[0].CrossesBarrier());

    // Under the HUD: water under the top bar and rock under the task panel count,
    // woods under them do not.
    test::LevelLayout hud;
    hud.rows.assign(test::kTerrainGridHeight, std::string(test::kTerrainGridWidth, '.'));
    const auto cellUnder = [&grid](const Rect& rect) {
        return GridPointToCell(grid, vec2{rect.x + rect.width / 2.0f, rect.y + rect.height / 2.0f});
    };
    const GridCell underBar = cellUnder(test::kHudAreas[2]);
    const GridCell underPanel = cellUnder(test::kHudAreas[0]);
    const GridCell beside = GridPointToCell(grid, vec2{500.0f, 400.0f});
    hud.rows[static_cast<size_t>(underBar.y)][static_cast<size_t>(underBar.x)] = test::kMarkWoods;
    EXPECT_TRUE(test::GroundUnderHud(hud).empty());
    hud.rows[static_cast<size_t>(underBar.y)][static_cast<size_t>(underBar.x)] = test::kMarkWater;
    hud.rows[static_cast<size_t>(underPanel.y)][static_cast<size_t>(underPanel.x)] = test::kMarkRock;
    hud.rows[static_cast<size_t>(beside.y)][static_cast<size_t>(beside.x)] = test::kMarkWater;
    const std::vector<GridCell> under = test::GroundUnderHud(hud);
    ASSERT_EQ(under.size(), 2u);
    EXPECT_TRUE((under[0] == underBar && under[1] == underPanel) || (under[0] == underPanel && under[1] == underBar));
}

}  // namespace
