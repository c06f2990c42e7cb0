// What the layout checks measure on a play level, read from its files alone: the
// level file's objects and the ground description the level tool writes for the art
// tool (data/level/terrain/levelNNN.lua, one mark per path-grid cell).
//   - ground cells: water, rock and the gaps of rock walls, without boulders (a rock
//     clump of at most kBoulderCells cells, such as the 2 x 2 rocks in a corner);
//   - object cells: each object's type with its position rounded to a 40-unit grid;
//   - the largest empty rectangle of the view: no object that stands there and no
//     terrain feature inside it;
//   - the home's cell.
#pragma once
#include <lua.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "framework/objects/object.h"
#include "objects/level_contract.h"
#include "tests/game/support/terrain_colours.h"

namespace test {

constexpr const char* kLayoutLevelFolder = KELVARA_SOURCE_DIR "/data/level/";
constexpr const char* kLayoutTerrainFolder = KELVARA_SOURCE_DIR "/data/level/terrain/";
// Rock clumps this small are boulders lying about, not ground that shapes a walk.
constexpr int kBoulderCells = 4;
constexpr float kObjectCellSize = 40.0f;
// The woods under the sky fill the cells whose centre lies this close to the top
// edge (the level tool's band); the view below them is what the player plays on.
constexpr float kRimBand = 56.0f;
// The HUD's task panel, menu button and top bar (x, y, width, height; y up): the
// levels keep them clear, so the emptiness check takes them as filled (the top bar
// lies above the play view), and no water or rock lies under them.
constexpr Rect kHudAreas[] = {
    {808.0f, 554.0f, 208.0f, 152.0f}, {896.0f, 8.0f, 120.0f, 40.0f}, {8.0f, 716.0f, 640.0f, 44.0f}};
// The step of the lattice the empty rectangles are measured on.
constexpr float kEmptyStep = 16.0f;

constexpr char kMarkWater = '~';
constexpr char kMarkRock = '^';
constexpr char kMarkGap = '_';
constexpr char kMarkWoods = 'T';

struct LayoutObject {
    int32_t type = 0;
    std::string sprite;
    vec2 position;
    bool walker = false;
};

struct LevelLayout {
    std::string id;
    // Every object but the background, nodes, decorations and way points.
    std::vector<LayoutObject> objects;
    bool hasHome = false;
    vec2 home;
    // The ground marks, rows[y][x] with y = 0 the grid's first row.
    std::vector<std::string> rows;

    char Mark(int32_t x, int32_t y) const
    {
        if (y < 0 || y >= static_cast<int32_t>(rows.size()) || x < 0 ||
            x >= static_cast<int32_t>(rows[static_cast<size_t>(y)].size())) {
            return ' ';
        }
        return rows[static_cast<size_t>(y)][static_cast<size_t>(x)];
    }
};

// The ground rows of the level's description, first grid row first.
inline std::vector<std::string> ReadGroundRows(const std::string& id)
{
    std::vector<std::string> rows;
    lua_State* lua = luaL_newstate();
    const std::string path = kLayoutTerrainFolder + std::string("level") + id + ".lua";
    if (luaL_dofile(lua, path.c_str()) == 0 && lua_istable(lua, -1)) {
        lua_getfield(lua, -1, "rows");
        // The description lists the rows from the top one down.
        for (int i = lua_istable(lua, -1) ? static_cast<int>(lua_objlen(lua, -1)) : 0; i >= 1; --i) {
            lua_rawgeti(lua, -1, i);
            rows.emplace_back(lua_isstring(lua, -1) ? lua_tostring(lua, -1) : "");
            lua_pop(lua, 1);
        }
    }
    lua_close(lua);
    return rows;
}

inline bool ReadLevelLayout(const std::string& id, LevelLayout& layout)
{
    TerrainLevel level;
    if (!ReadTerrainLevel(kLayoutLevelFolder + std::string("level") + id + ".lvl", level)) return false;
    layout.id = id;
    for (cObject* object : level.file.Objects()) {
        const int32_t type = object->GetTypeId();
        if (type == kTypeBack || type == kTypeNode || type == kTypeDecor || type == kTypeWayPoint) continue;
        layout.objects.push_back(
            LayoutObject{type, object->GetSprite(), object->GetPosition(), object->IsKindOf(kTypeMan)});
        if (type == kTypeBuild && object->GetSprite() == "base00") {
            layout.hasHome = true;
            layout.home = object->GetPosition();
        }
    }
    layout.rows = ReadGroundRows(id);
    return static_cast<int32_t>(layout.rows.size()) == kTerrainGridHeight;
}

struct GroundCount {
    int water = 0;
    int rock = 0;      // rock and wall gaps
    int boulders = 0;  // rock cells in clumps of at most kBoulderCells
    int Counted() const { return water + rock - boulders; }
};

inline bool IsRock(char mark) { return mark == kMarkRock || mark == kMarkGap; }

inline GroundCount CountGround(const LevelLayout& layout)
{
    GroundCount count;
    std::set<std::pair<int32_t, int32_t>> seen;
    for (int32_t y = 0; y < kTerrainGridHeight; ++y) {
        for (int32_t x = 0; x < kTerrainGridWidth; ++x) {
            const char mark = layout.Mark(x, y);
            count.water += mark == kMarkWater ? 1 : 0;
            if (!IsRock(mark) || !seen.insert({x, y}).second) continue;
            // The clump of rock this cell starts, four neighbours a step.
            std::vector<std::pair<int32_t, int32_t>> clump{{x, y}};
            for (size_t i = 0; i < clump.size(); ++i) {
                const auto [cx, cy] = clump[i];
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    if (IsRock(layout.Mark(cx + dx, cy + dy)) && seen.insert({cx + dx, cy + dy}).second) {
                        clump.emplace_back(cx + dx, cy + dy);
                    }
                }
            }
            const int size = static_cast<int>(clump.size());
            count.rock += size;
            count.boulders += size <= kBoulderCells ? size : 0;
        }
    }
    return count;
}

using ObjectCell = std::tuple<int32_t, long, long>;

inline std::set<ObjectCell> ObjectCells(const LevelLayout& layout)
{
    std::set<ObjectCell> cells;
    for (const LayoutObject& object : layout.objects) {
        cells.emplace(object.type, std::lround(object.position.x / kObjectCellSize),
                      std::lround(object.position.y / kObjectCellSize));
    }
    return cells;
}

// Common cells over all cells of the two.
inline float SharedShare(const std::set<ObjectCell>& a, const std::set<ObjectCell>& b)
{
    size_t common = 0;
    for (const ObjectCell& cell : a) common += b.count(cell);
    const size_t all = a.size() + b.size() - common;
    return all == 0 ? 0.0f : static_cast<float>(common) / static_cast<float>(all);
}

// The view the player plays on: the level area under the woods along the top.
inline Rect PlayView() { return Rect{0.0f, 0.0f, kLevelAreaWidth, kLevelAreaHeight - kRimBand}; }

// What fills a point of the view: an object that stands (walkers move off, the
// enemy's camps draw nothing in play), the centre of a water, rock, gap or woods
// cell below the band, and the HUD's areas.
inline std::vector<vec2> FilledPoints(const LevelLayout& layout)
{
    std::vector<vec2> points;
    for (const LayoutObject& object : layout.objects) {
        if (!object.walker && object.type != kTypeBaseEnemy) points.push_back(object.position);
    }
    const GridGeometry grid = TerrainGrid();
    for (int32_t y = 0; y < kTerrainGridHeight; ++y) {
        for (int32_t x = 0; x < kTerrainGridWidth; ++x) {
            const char mark = layout.Mark(x, y);
            if (mark == kMarkWater || IsRock(mark) || mark == kMarkWoods)
                points.push_back(GridCellCentre(grid, {x, y}));
        }
    }
    for (const Rect& hud : kHudAreas) {
        for (float y = hud.y; y <= hud.y + hud.height; y += kEmptyStep) {
            for (float x = hud.x; x <= hud.x + hud.width; x += kEmptyStep) points.push_back({x, y});
        }
    }
    return points;
}

struct EmptyArea {
    float share = 0.0f;  // of the play view
    Rect rect;
};

// The largest rectangle of the play view, on the lattice, that holds no filled
// point and whose sides are each at least a quarter of the view's.
inline EmptyArea LargestEmptyArea(const LevelLayout& layout)
{
    const Rect view = PlayView();
    const int columns = static_cast<int>(view.width / kEmptyStep);
    const int rows = static_cast<int>(view.height / kEmptyStep);
    // filled[c][r] and its sums from the origin, for a count per rectangle.
    std::vector<std::vector<int>> sums(static_cast<size_t>(columns + 1),
                                       std::vector<int>(static_cast<size_t>(rows + 1)));
    for (const vec2& point : FilledPoints(layout)) {
        const int c = static_cast<int>(std::floor((point.x - view.x) / kEmptyStep));
        const int r = static_cast<int>(std::floor((point.y - view.y) / kEmptyStep));
        if (c >= 0 && c < columns && r >= 0 && r < rows)
            sums[static_cast<size_t>(c + 1)][static_cast<size_t>(r + 1)] = 1;
    }
    for (size_t c = 1; c < sums.size(); ++c) {
        for (size_t r = 1; r < sums[c].size(); ++r) sums[c][r] += sums[c - 1][r] + sums[c][r - 1] - sums[c - 1][r - 1];
    }
    const auto filled = [&sums](int c0, int r0, int c1, int r1) {
        return sums[static_cast<size_t>(c1)][static_cast<size_t>(r1)] -
               sums[static_cast<size_t>(c0)][static_cast<size_t>(r1)] -
               sums[static_cast<size_t>(c1)][static_cast<size_t>(r0)] +
               sums[static_cast<size_t>(c0)][static_cast<size_t>(r0)];
    };
    const int leastColumns = columns / 4;
    const int leastRows = rows / 4;
    EmptyArea best;
    int bestCells = 0;
    for (int c0 = 0; c0 < columns; ++c0) {
        for (int c1 = c0 + leastColumns; c1 <= columns; ++c1) {
            for (int r0 = 0; r0 < rows; ++r0) {
                for (int r1 = r0 + leastRows; r1 <= rows && filled(c0, r0, c1, r1) == 0; ++r1) {
                    const int cells = (c1 - c0) * (r1 - r0);
                    if (cells <= bestCells) continue;
                    bestCells = cells;
                    best.rect =
                        Rect{view.x + static_cast<float>(c0) * kEmptyStep, view.y + static_cast<float>(r0) * kEmptyStep,
                             static_cast<float>(c1 - c0) * kEmptyStep, static_cast<float>(r1 - r0) * kEmptyStep};
                }
            }
        }
    }
    best.share = best.rect.width * best.rect.height / (view.width * view.height);
    return best;
}

inline GridCell HomeCell(const LevelLayout& layout) { return GridPointToCell(TerrainGrid(), layout.home); }

}  // namespace test
