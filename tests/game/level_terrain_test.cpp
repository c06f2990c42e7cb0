// The painted ground of the play levels against their path grids: at every cell's
// centre the background shows an obstacle's colours where the grid blocks the cell
// and open ground's where a worker walks (the colour families of
// tools/levels/terrain_palette.lua, which the art tool paints with), each picture
// holds several families, no two levels share a picture, and each level's ground
// lies in the season its weather asks for. Obstacles keep to their cells: sampled
// over a grid of points, no open cell shows an obstacle's colours on more than a
// tenth of its area (the sky beyond the top edge is no obstacle).
#include <gtest/gtest.h>

#include <lua.hpp>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "engine/files/path_record.h"
#include "engine/files/png_reader.h"
#include "engine/render/image.h"
#include "framework/objects/object.h"
#include "objects/level_contract.h"
#include "tests/game/support/terrain_colours.h"

namespace {

constexpr const char* kLevelFolder = KELVARA_SOURCE_DIR "/data/level/";
constexpr const char* kTerrainFolder = KELVARA_SOURCE_DIR "/data/level/terrain/";
constexpr const char* kBackFolder = KELVARA_SOURCE_DIR "/data/texture/back/";
constexpr int kPictureWidth = 1024;
constexpr int kPictureHeight = 768;
// The background's quarters as the background object lays them out (x, y of the
// picture's top-left, y down): _0 bottom-left, _1 top-left, _2 bottom-right, _3 top-right.
constexpr int kQuarters[4][2] = {{0, 256}, {0, 0}, {512, 256}, {512, 0}};
// Every how many pixels the family count looks.
constexpr int kCountStep = 3;
// Pixels a family needs in the count to be there at all.
constexpr int kFamilyPixels = 200;
// Points per side of the grid sampled over a cell, and the share of them an open
// cell may show in an obstacle's colours.
constexpr int kCellSamples = 10;
constexpr float kMostObstacleShare = 0.1f;
// Steps between the sky's top and bottom colours that count as its gradient.
constexpr int kSkySteps = 8;

// The whole 1024 x 768 background of a level, rows from the top; empty when a
// quarter is missing or of another size.
std::vector<test::TerrainRgb> ReadBackground(const std::string& id)
{
    std::vector<test::TerrainRgb> picture(static_cast<size_t>(kPictureWidth * kPictureHeight));
    for (int quarter = 0; quarter < 4; ++quarter) {
        vrk::cImage image;
        const std::string path = kBackFolder + id + "_" + std::to_string(quarter) + ".png";
        if (vrk::ReadPng(image, vrk::PathRecord(path)) != 0) return {};
        const uint32_t format = image.Format();
        const size_t bytes = format == vrk::kFormatR8G8B8A8 ? 4 : format == vrk::kFormatR8G8B8 ? 3 : 0;
        const int height = quarter % 2 == 0 ? 512 : 256;
        if (bytes == 0 || image.Width() != 512u || image.Height() != static_cast<uint32_t>(height)) return {};
        const uint8_t* data = image.LevelData(0);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < 512; ++x) {
                const uint8_t* p = data + (static_cast<size_t>(y) * 512 + static_cast<size_t>(x)) * bytes;
                const int px = kQuarters[quarter][0] + x;
                const int py = kQuarters[quarter][1] + y;
                picture[static_cast<size_t>(py * kPictureWidth + px)] = {p[0], p[1], p[2]};
            }
        }
    }
    return picture;
}

test::TerrainRgb PixelAtWorld(const std::vector<test::TerrainRgb>& picture, const vec2& point)
{
    const int x = std::clamp(static_cast<int>(point.x), 0, kPictureWidth - 1);
    const int y = std::clamp(static_cast<int>(static_cast<float>(kPictureHeight) - point.y), 0, kPictureHeight - 1);
    return picture[static_cast<size_t>(y * kPictureWidth + x)];
}

// The season the level tool wrote into the level's ground description.
std::string DescribedSeason(const std::string& id)
{
    lua_State* lua = luaL_newstate();
    std::string season;
    const std::string path = kTerrainFolder + std::string("level") + id + ".lua";
    if (luaL_dofile(lua, path.c_str()) == 0 && lua_istable(lua, -1)) {
        lua_getfield(lua, -1, "season");
        if (lua_isstring(lua, -1)) season = lua_tostring(lua, -1);
    }
    lua_close(lua);
    return season;
}

// The sky as one more family, of open ground: its gradient and its hills. It shows
// above the top edge, where an open cell's corner may reach.
test::ColourFamily SkyFamily(const std::string& season)
{
    test::ColourFamily sky{"sky", false, {}};
    lua_State* lua = luaL_newstate();
    if (luaL_dofile(lua, test::kTerrainPalette) == 0 && lua_istable(lua, -1)) {
        lua_getfield(lua, -1, season.c_str());
        if (lua_istable(lua, -1)) lua_getfield(lua, -1, "sky");
        test::TerrainRgb top;
        test::TerrainRgb bottom;
        test::TerrainRgb hill;
        const auto shade = [lua](const char* name, test::TerrainRgb& colour) {
            if (!lua_istable(lua, -1)) return false;
            lua_getfield(lua, -1, name);
            const bool read = lua_isstring(lua, -1) && test::ParseHex(lua_tostring(lua, -1), colour);
            lua_pop(lua, 1);
            return read;
        };
        if (shade("top", top) && shade("bottom", bottom) && shade("hill", hill)) {
            sky.shades.push_back(hill);
            for (int step = 0; step <= kSkySteps; ++step) {
                const auto mix = [step](int a, int b) { return a + (b - a) * step / kSkySteps; };
                sky.shades.push_back({mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b)});
            }
        }
    }
    lua_close(lua);
    return sky;
}

// The share of the sampled points of the cell that show an obstacle's colours.
float ObstacleShare(const std::vector<test::TerrainRgb>& picture, const std::vector<test::ColourFamily>& families,
                    const GridGeometry& grid, int32_t x, int32_t y)
{
    vec2 c00;
    vec2 c01;
    vec2 c10;
    GridCellCorners(grid, x, y, &c00, &c01, nullptr, &c10);
    int obstacle = 0;
    for (int i = 0; i < kCellSamples; ++i) {
        for (int j = 0; j < kCellSamples; ++j) {
            const float s = (static_cast<float>(i) + 0.5f) / kCellSamples;
            const float t = (static_cast<float>(j) + 0.5f) / kCellSamples;
            const vec2 point = c00 + (c10 - c00) * s + (c01 - c00) * t;
            const int family = test::NearestFamily(families, PixelAtWorld(picture, point));
            obstacle += family >= 0 && families[static_cast<size_t>(family)].obstacle ? 1 : 0;
        }
    }
    return static_cast<float>(obstacle) / static_cast<float>(kCellSamples * kCellSamples);
}

uint64_t PictureHash(const std::vector<test::TerrainRgb>& picture)
{
    uint64_t hash = 1469598103934665603ull;
    for (const test::TerrainRgb& p : picture) {
        for (int channel : {p.r, p.g, p.b}) hash = (hash ^ static_cast<uint64_t>(channel)) * 1099511628211ull;
    }
    return hash;
}

// The cells of the logs, stones and bridges: they lie on the ground they open, so the
// grid stores their cells open while the picture shows the wall or the water.
std::set<std::pair<int32_t, int32_t>> BarrierCells(const test::TerrainLevel& level, const GridGeometry& grid)
{
    std::set<std::pair<int32_t, int32_t>> cells;
    for (cObject* object : level.file.Objects()) {
        if (object->GetTypeId() != kTypeBarrier) continue;
        const GridCell cell = GridPointToCell(grid, object->GetPosition());
        cells.insert({cell.x, cell.y});
    }
    return cells;
}

TEST(LevelTerrainTest, EveryBackgroundShowsItsGridsObstaclesAndOpenGroundInItsSeason)
{
    const GridGeometry grid = test::TerrainGrid();
    std::set<uint64_t> pictures;
    for (size_t index = 0; index < kLevelCount; ++index) {
        const std::string id = test::LevelNumber(index);
        SCOPED_TRACE("level " + id);
        const std::string season = test::SeasonOfLevel(index);
        EXPECT_EQ(DescribedSeason(id), season);
        const std::vector<test::ColourFamily> families = test::ReadFamilies(season);
        ASSERT_EQ(families.size(), 6u);
        for (const test::ColourFamily& family : families) ASSERT_EQ(family.shades.size(), 3u) << family.name;

        test::TerrainLevel level;
        ASSERT_TRUE(test::ReadTerrainLevel(kLevelFolder + std::string("level") + id + ".lvl", level));
        const std::vector<test::TerrainRgb> picture = ReadBackground(id);
        ASSERT_FALSE(picture.empty()) << "background quarters";

        const std::set<std::pair<int32_t, int32_t>> barriers = BarrierCells(level, grid);
        int blocked = 0;
        std::string wrong;
        for (int32_t x = 0; x < test::kTerrainGridWidth; ++x) {
            for (int32_t y = 0; y < test::kTerrainGridHeight; ++y) {
                const vec2 centre = GridCellCentre(grid, GridCell{x, y});
                if (!test::CentreInArea(centre) || barriers.count({x, y}) != 0) continue;
                const bool obstacle = level.Cost(x, y) < 0.0f;
                blocked += obstacle ? 1 : 0;
                const int family = test::NearestFamily(families, PixelAtWorld(picture, centre));
                ASSERT_GE(family, 0);
                if (families[static_cast<size_t>(family)].obstacle != obstacle) {
                    wrong += " " + std::to_string(x) + "," + std::to_string(y) + (obstacle ? " blocked" : " open") +
                             " shows " + families[static_cast<size_t>(family)].name + ";";
                }
            }
        }
        EXPECT_EQ(wrong, "");
        EXPECT_GT(blocked, 0) << "a play level shows no obstacle at all";

        std::vector<int> counts(families.size(), 0);
        for (int y = 0; y < kPictureHeight; y += kCountStep) {
            for (int x = 0; x < kPictureWidth; x += kCountStep) {
                int distance = 0;
                const int family = test::NearestFamily(families, picture[static_cast<size_t>(y * kPictureWidth + x)],
                                                       &distance);
                if (family >= 0 && distance < test::kFamilyReach) ++counts[static_cast<size_t>(family)];
            }
        }
        int present = 0;
        for (int count : counts) present += count >= kFamilyPixels ? 1 : 0;
        EXPECT_GE(present, 3) << "colour families in the picture";
        EXPECT_TRUE(pictures.insert(PictureHash(picture)).second) << "another level has the same picture";
    }
}

TEST(LevelTerrainTest, EveryOpenCellShowsAnObstacleOnAtMostATenthOfItsArea)
{
    const GridGeometry grid = test::TerrainGrid();
    for (size_t index = 0; index < kLevelCount; ++index) {
        const std::string id = test::LevelNumber(index);
        SCOPED_TRACE("level " + id);
        std::vector<test::ColourFamily> families = test::ReadFamilies(test::SeasonOfLevel(index));
        families.push_back(SkyFamily(test::SeasonOfLevel(index)));
        ASSERT_EQ(families.back().shades.size(), static_cast<size_t>(kSkySteps + 2));
        test::TerrainLevel level;
        ASSERT_TRUE(test::ReadTerrainLevel(kLevelFolder + std::string("level") + id + ".lvl", level));
        const std::vector<test::TerrainRgb> picture = ReadBackground(id);
        ASSERT_FALSE(picture.empty()) << "background quarters";
        const std::set<std::pair<int32_t, int32_t>> barriers = BarrierCells(level, grid);
        std::string wrong;
        for (int32_t x = 0; x < test::kTerrainGridWidth; ++x) {
            for (int32_t y = 0; y < test::kTerrainGridHeight; ++y) {
                const vec2 centre = GridCellCentre(grid, GridCell{x, y});
                if (!test::CentreInArea(centre) || barriers.count({x, y}) != 0 || level.Cost(x, y) < 0.0f) continue;
                const float share = ObstacleShare(picture, families, grid, x, y);
                if (share > kMostObstacleShare) {
                    wrong += " " + std::to_string(x) + "," + std::to_string(y) + " " +
                             std::to_string(static_cast<int>(share * 100.0f + 0.5f)) + "%;";
                }
            }
        }
        EXPECT_EQ(wrong, "") << "open cells showing an obstacle";
    }
}

}  // namespace
