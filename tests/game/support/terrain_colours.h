// What the terrain checks share: the painted ground's colour families as the art
// tool paints them (tools/levels/terrain_palette.lua, read through Lua), the season
// a level's weather asks for, the game's path grid and the tail of a level file.
#pragma once
#include <lua.hpp>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "engine/files/byte_stream.h"
#include "framework/objects/grid_geometry.h"
#include "framework/widgets/level_file.h"
#include "game/level/level_table.h"
#include "objects/level_grid.h"
#include "objects/level_object_factory.h"

namespace test {

constexpr const char* kTerrainPalette = KELVARA_SOURCE_DIR "/tools/levels/terrain_palette.lua";
constexpr int32_t kTerrainGridWidth = 31;
constexpr int32_t kTerrainGridHeight = 25;
// Summed RGB difference within which a pixel counts as a family's colour.
constexpr int kFamilyReach = 90;

struct TerrainRgb {
    int r = 0, g = 0, b = 0;
};

struct ColourFamily {
    std::string name;
    bool obstacle = false;
    std::vector<TerrainRgb> shades;
};

inline bool ParseHex(const std::string& text, TerrainRgb& colour)
{
    if (text.size() != 7 || text[0] != '#') return false;
    const long value = std::strtol(text.c_str() + 1, nullptr, 16);
    colour = {static_cast<int>(value >> 16 & 0xFF), static_cast<int>(value >> 8 & 0xFF),
              static_cast<int>(value & 0xFF)};
    return true;
}

// The families of a season ("summer", "rain", "snow"): open ground first, then the
// obstacles; empty when the palette cannot be read.
inline std::vector<ColourFamily> ReadFamilies(const std::string& season)
{
    std::vector<ColourFamily> families;
    lua_State* lua = luaL_newstate();
    if (lua == nullptr) return families;
    if (luaL_dofile(lua, kTerrainPalette) != 0 || !lua_istable(lua, -1)) {
        lua_close(lua);
        return families;
    }
    const int palette = lua_gettop(lua);
    for (const char* side : {"ground", "obstacle"}) {
        lua_getfield(lua, palette, side);
        const int names = lua_gettop(lua);
        for (int i = 1; lua_istable(lua, names) && i <= static_cast<int>(lua_objlen(lua, names)); ++i) {
            lua_rawgeti(lua, names, i);
            ColourFamily family;
            family.name = lua_isstring(lua, -1) ? lua_tostring(lua, -1) : "";
            family.obstacle = std::string(side) == "obstacle";
            lua_pop(lua, 1);
            lua_getfield(lua, palette, season.c_str());
            if (lua_istable(lua, -1)) lua_getfield(lua, -1, family.name.c_str());
            if (lua_istable(lua, -1)) {
                for (const char* shade : {"base", "light", "dark"}) {
                    lua_getfield(lua, -1, shade);
                    TerrainRgb colour;
                    if (lua_isstring(lua, -1) && ParseHex(lua_tostring(lua, -1), colour)) family.shades.push_back(colour);
                    lua_pop(lua, 1);
                }
            }
            lua_settop(lua, names);
            families.push_back(family);
        }
        lua_settop(lua, palette);
    }
    lua_close(lua);
    return families;
}

inline int ColourDistance(const TerrainRgb& a, const TerrainRgb& b)
{
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

// The family whose shade lies nearest the pixel, and how near; -1 when none.
inline int NearestFamily(const std::vector<ColourFamily>& families, const TerrainRgb& pixel, int* distance = nullptr)
{
    int best = -1;
    int bestDistance = std::numeric_limits<int>::max();
    for (size_t i = 0; i < families.size(); ++i) {
        for (const TerrainRgb& shade : families[i].shades) {
            const int d = ColourDistance(shade, pixel);
            if (d < bestDistance) {
                bestDistance = d;
                best = static_cast<int>(i);
            }
        }
    }
    if (distance != nullptr) *distance = bestDistance;
    return best;
}

// The season the level table's weather paints: snow, rain or a plain summer.
inline std::string SeasonOfLevel(size_t index)
{
    const char* weather = LevelRows()[index].weather;
    if (weather != nullptr && std::string(weather) == "snow") return "snow";
    if (weather != nullptr && std::string(weather) == "rain") return "rain";
    return "summer";
}

// The path grid of the game's levels, as the level screen and the level tool lay it.
inline GridGeometry TerrainGrid() { return LevelGridGeometry(); }

inline bool CentreInArea(const vec2& centre)
{
    return centre.x >= 0.0f && centre.x <= kLevelAreaWidth && centre.y >= 0.0f && centre.y <= kLevelAreaHeight;
}

// A level file's objects and its path grid's costs (x outer, y inner).
struct TerrainLevel {
    cLevelFile file;
    std::vector<float> costs;

    float Cost(int32_t x, int32_t y) const
    {
        if (x < 0 || y < 0 || x >= kTerrainGridWidth || y >= kTerrainGridHeight || costs.empty()) return -1.0f;
        return costs[static_cast<size_t>(x * kTerrainGridHeight + y)];
    }
};

// The level held in the stream (read from its start).
inline bool ReadTerrainLevel(vrk::cByteStream& stream, TerrainLevel& level)
{
    level.file.SetFallbackCreator(NewLevelObject);
    if (!level.file.Load(stream)) return false;
    const int32_t width = static_cast<int32_t>(stream.ReadInt32());
    const int32_t height = static_cast<int32_t>(stream.ReadInt32());
    if (width != kTerrainGridWidth || height != kTerrainGridHeight) return false;
    level.costs.resize(static_cast<size_t>(width * height));
    for (float& cost : level.costs) {
        stream.ReadFloat(cost);
        stream.ReadInt32();
    }
    return true;
}

inline bool ReadTerrainLevel(const std::string& path, TerrainLevel& level)
{
    vrk::cByteStream stream;
    if (stream.LoadFromFile(path) != 0) return false;
    return ReadTerrainLevel(stream, level);
}

inline std::string LevelNumber(size_t index)
{
    char id[8];
    std::snprintf(id, sizeof id, "%03zu", index);
    return id;
}

}  // namespace test
