// How a play level's ground shapes the walks: from the home's cell to the cell of
// every work place, over the path grid, once across the level's ground and once
// across open ground. Objects block in neither (they stand where the work is), so
// only water, rock, walls and woods make a walk longer. The logs, stones and bridges
// are measured shut (as the level starts) and open (cleared or mended), and each
// walk both with four neighbours a step (as the path finder searches) and with eight
// (as a walker cuts corners once its path is smoothed, never across a blocked one).
#pragma once
#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/game/support/level_layout.h"

namespace test {

constexpr float kNoWalk = std::numeric_limits<float>::infinity();
// A walk this much longer than on open ground is one the ground shapes.
constexpr float kShapedWalkShare = 1.15f;

enum class Neighbours { kFour, kEight };

struct PlaceWalk {
    std::string sprite;
    GridCell cell;
    float open = kNoWalk;     // on open ground
    float cleared = kNoWalk;  // across the ground, the barriers open
    float shut = kNoWalk;     // across the ground, the barriers shut

    float Share() const { return cleared / open; }
    // The shortest walk crosses a log, a stone or a bridge.
    bool CrossesBarrier() const { return shut > cleared + 1e-3f; }
    bool Shaped() const { return Share() > kShapedWalkShare || CrossesBarrier(); }
};

// The places the workers walk to: buildings and sites, plants, fields, altars,
// towers, bells, bonfires, prisons and every source (trees, wells, gold nuggets).
inline bool IsWorkPlace(const LayoutObject& object)
{
    switch (object.type) {
    case kTypeBuild: return object.sprite != "base00";
    case kTypePlant:
    case kTypeAltar:
    case kTypeField:
    case kTypeTower:
    case kTypeTunnelBuild:
    case kTypeBell:
    case kTypeBonfire:
    case kTypePrison:
    case kTypeSource: return true;
    default: return false;
    }
}

inline bool IsGroundMark(char mark) { return mark == kMarkWater || IsRock(mark) || mark == kMarkWoods; }

// Which cells a walker may step on (x outer, y inner).
using WalkGrid = std::vector<bool>;

inline size_t WalkIndex(int32_t x, int32_t y) { return static_cast<size_t>(x * kTerrainGridHeight + y); }

// The cells the logs, stones and bridges lie on.
inline std::set<std::pair<int32_t, int32_t>> BarrierCells(const LevelLayout& layout)
{
    std::set<std::pair<int32_t, int32_t>> cells;
    for (const LayoutObject& object : layout.objects) {
        if (object.type != kTypeBarrier) continue;
        const GridCell cell = GridPointToCell(TerrainGrid(), object.position);
        cells.insert({cell.x, cell.y});
    }
    return cells;
}

// withGround false: every cell of the level area; true: its open ground, and the
// barriers' cells when they are open.
inline WalkGrid MakeWalkGrid(const LevelLayout& layout, bool withGround, bool barriersOpen)
{
    const std::set<std::pair<int32_t, int32_t>> barriers = BarrierCells(layout);
    WalkGrid grid(static_cast<size_t>(kTerrainGridWidth * kTerrainGridHeight), false);
    for (int32_t x = 0; x < kTerrainGridWidth; ++x) {
        for (int32_t y = 0; y < kTerrainGridHeight; ++y) {
            const char mark = layout.Mark(x, y);
            bool open = mark != ' ';
            if (withGround) {
                open = open && (barriers.count({x, y}) != 0 ? barriersOpen : !IsGroundMark(mark));
            }
            grid[WalkIndex(x, y)] = open;
        }
    }
    return grid;
}

// The length in cells of the shortest walk from the cell to every cell (kNoWalk
// where none leads); a diagonal step is sqrt(2) long and needs both cells beside it.
inline std::vector<float> WalkLengths(const WalkGrid& grid, GridCell from, Neighbours neighbours)
{
    const auto open = [&grid](int32_t x, int32_t y) {
        return x >= 0 && y >= 0 && x < kTerrainGridWidth && y < kTerrainGridHeight && grid[WalkIndex(x, y)];
    };
    std::vector<float> length(grid.size(), kNoWalk);
    std::vector<bool> done(grid.size(), false);
    if (!open(from.x, from.y)) return length;
    length[WalkIndex(from.x, from.y)] = 0.0f;
    const float diagonal = std::sqrt(2.0f);
    // The grid holds 775 cells: a plain scan for the nearest open one will do.
    for (;;) {
        size_t pick = grid.size();
        for (size_t i = 0; i < grid.size(); ++i) {
            if (!done[i] && length[i] < kNoWalk && (pick == grid.size() || length[i] < length[pick])) pick = i;
        }
        if (pick == grid.size()) break;
        done[pick] = true;
        const int32_t x = static_cast<int32_t>(pick) / kTerrainGridHeight;
        const int32_t y = static_cast<int32_t>(pick) % kTerrainGridHeight;
        for (int32_t dx = -1; dx <= 1; ++dx) {
            for (int32_t dy = -1; dy <= 1; ++dy) {
                const bool straight = (dx == 0) != (dy == 0);
                if ((dx == 0 && dy == 0) || !open(x + dx, y + dy)) continue;
                if (!straight && (neighbours == Neighbours::kFour || !open(x + dx, y) || !open(x, y + dy))) continue;
                float& next = length[WalkIndex(x + dx, y + dy)];
                next = std::min(next, length[pick] + (straight ? 1.0f : diagonal));
            }
        }
    }
    return length;
}

// Every work place's walk from the home's cell. The home stands on open ground,
// so it starts every walk, objects blocking in none.
inline std::vector<PlaceWalk> MeasureWalks(const LevelLayout& layout, Neighbours neighbours)
{
    const GridCell home = HomeCell(layout);
    const std::vector<float> open = WalkLengths(MakeWalkGrid(layout, false, true), home, neighbours);
    const std::vector<float> cleared = WalkLengths(MakeWalkGrid(layout, true, true), home, neighbours);
    const std::vector<float> shut = WalkLengths(MakeWalkGrid(layout, true, false), home, neighbours);
    std::vector<PlaceWalk> walks;
    for (const LayoutObject& object : layout.objects) {
        if (!IsWorkPlace(object)) continue;
        PlaceWalk walk;
        walk.sprite = object.sprite;
        walk.cell = GridPointToCell(TerrainGrid(), object.position);
        if (walk.cell.x < 0 || walk.cell.y < 0 || walk.cell.x >= kTerrainGridWidth ||
            walk.cell.y >= kTerrainGridHeight) {
            continue;
        }
        const size_t at = WalkIndex(walk.cell.x, walk.cell.y);
        walk.open = open[at];
        walk.cleared = cleared[at];
        walk.shut = shut[at];
        walks.push_back(walk);
    }
    return walks;
}

// The water, rock and wall cells whose centre lies under a control of the HUD:
// ground the player never sees.
inline std::vector<GridCell> GroundUnderHud(const LevelLayout& layout)
{
    std::vector<GridCell> cells;
    for (int32_t x = 0; x < kTerrainGridWidth; ++x) {
        for (int32_t y = 0; y < kTerrainGridHeight; ++y) {
            const char mark = layout.Mark(x, y);
            if (mark != kMarkWater && !IsRock(mark)) continue;
            const vec2 centre = GridCellCentre(TerrainGrid(), GridCell{x, y});
            for (const Rect& hud : kHudAreas) {
                if (centre.x >= hud.x && centre.x <= hud.x + hud.width && centre.y >= hud.y &&
                    centre.y <= hud.y + hud.height) {
                    cells.push_back(GridCell{x, y});
                    break;
                }
            }
        }
    }
    return cells;
}

}  // namespace test
