// Checking a terrain{} table field by field and writing it as the art tool's ground file.
#include "terrain_description.h"

#include <lua.hpp>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

const char* const kTerrainMarks = " .=:%_~^T";

namespace {

const char* const kFields[] = {"name", "season", "origin", "u", "v", "rows", "paths"};
const char* const kSeasons[] = {"summer", "rain", "snow"};

bool IsOneOf(const std::string& text, std::initializer_list<const char*> words)
{
    for (const char* word : words) {
        if (text == word) return true;
    }
    return false;
}

bool IsPlainWord(const std::string& text)
{
    if (text.empty() || text.size() > TerrainLimits::kLongestName) return false;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (!std::isalnum(byte) && byte != '_') return false;
    }
    return true;
}

// The table at the top of the stack as a list: only the keys 1..n, n at most `most`.
// Its length in count.
bool IsList(lua_State* state, size_t most, size_t& count)
{
    count = lua_objlen(state, -1);
    if (count > most) return false;
    size_t keys = 0;
    lua_pushnil(state);
    while (lua_next(state, -2) != 0) {
        lua_pop(state, 1);
        if (lua_type(state, -1) != LUA_TNUMBER) {
            lua_pop(state, 1);
            return false;
        }
        const double key = lua_tonumber(state, -1);
        if (!(key >= 1.0 && key <= static_cast<double>(count) && key == std::floor(key))) {
            lua_pop(state, 1);
            return false;
        }
        ++keys;
    }
    return keys == count;
}

bool ReadPoint(lua_State* state, const char* field, double (&point)[2], std::string& error)
{
    size_t count = 0;
    bool good = lua_type(state, -1) == LUA_TTABLE && IsList(state, 2, count) && count == 2;
    for (size_t i = 0; good && i < 2; ++i) {
        lua_rawgeti(state, -1, static_cast<int>(i + 1));
        point[i] = lua_tonumber(state, -1);
        good = lua_type(state, -1) == LUA_TNUMBER && std::isfinite(point[i]) &&
               std::fabs(point[i]) <= TerrainLimits::kLargestCoordinate;
        lua_pop(state, 1);
    }
    if (!good) {
        error = std::string(field) + " must be two numbers within +-" +
                std::to_string(static_cast<int>(TerrainLimits::kLargestCoordinate));
    }
    return good;
}

bool ReadRows(lua_State* state, std::vector<std::string>& rows, std::string& error)
{
    size_t count = 0;
    if (lua_type(state, -1) != LUA_TTABLE || !IsList(state, TerrainLimits::kMostRows, count) || count == 0) {
        error = "rows must be a list of 1 to " + std::to_string(TerrainLimits::kMostRows) + " texts";
        return false;
    }
    for (size_t i = 1; i <= count; ++i) {
        lua_rawgeti(state, -1, static_cast<int>(i));
        size_t length = 0;
        const char* text = lua_type(state, -1) == LUA_TSTRING ? lua_tolstring(state, -1, &length) : nullptr;
        std::string row = text != nullptr ? std::string(text, length) : std::string();
        lua_pop(state, 1);
        const bool marks = row.find_first_not_of(kTerrainMarks) == std::string::npos;
        if (text == nullptr || length == 0 || length > TerrainLimits::kWidestRow || !marks ||
            (!rows.empty() && length != rows.front().size())) {
            error = "rows entry " + std::to_string(i) + " must be a text of the marks \"" + kTerrainMarks +
                    "\", 1 to " + std::to_string(TerrainLimits::kWidestRow) + " long, as wide as the first";
            return false;
        }
        rows.push_back(std::move(row));
    }
    return true;
}

bool ReadPaths(lua_State* state, size_t width, size_t height, std::vector<std::vector<int>>& paths,
               std::string& error)
{
    size_t count = 0;
    if (lua_type(state, -1) != LUA_TTABLE || !IsList(state, TerrainLimits::kMostPaths, count)) {
        error = "paths must be a list of at most " + std::to_string(TerrainLimits::kMostPaths) + " walks";
        return false;
    }
    for (size_t i = 1; i <= count; ++i) {
        lua_rawgeti(state, -1, static_cast<int>(i));
        size_t length = 0;
        bool good = lua_type(state, -1) == LUA_TTABLE && IsList(state, 2 * TerrainLimits::kLongestPath, length) &&
                    length % 2 == 0;
        std::vector<int> path;
        for (size_t k = 1; good && k <= length; ++k) {
            lua_rawgeti(state, -1, static_cast<int>(k));
            const double value = lua_tonumber(state, -1);
            const double bound = static_cast<double>(k % 2 == 1 ? width : height);
            good = lua_type(state, -1) == LUA_TNUMBER && value >= 0.0 && value < bound && value == std::floor(value);
            path.push_back(static_cast<int>(value));
            lua_pop(state, 1);
        }
        lua_pop(state, 1);
        if (!good) {
            error = "paths entry " + std::to_string(i) + " must be a list of cells x, y, x, y, ... on the rows";
            return false;
        }
        paths.push_back(std::move(path));
    }
    return true;
}

std::string Number(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value);
    if (std::strcmp(text, "-0.000") == 0) return "0.000";
    return text;
}

std::string Pair(const double (&point)[2])
{
    return "{ " + Number(point[0]) + ", " + Number(point[1]) + " }";
}

}  // namespace

bool ReadTerrainDescription(lua_State* state, int index, TerrainDescription& terrain, std::string& error)
{
    if (lua_type(state, index) != LUA_TTABLE) {
        error = "terrain needs the ground's description as a table";
        return false;
    }
    lua_pushvalue(state, index);
    // Every key must be one of the fields: a text the tool would not write is refused,
    // not passed over in silence.
    lua_pushnil(state);
    while (lua_next(state, -2) != 0) {
        lua_pop(state, 1);
        const bool known = lua_type(state, -1) == LUA_TSTRING &&
                           IsOneOf(lua_tostring(state, -1), {kFields[0], kFields[1], kFields[2], kFields[3],
                                                             kFields[4], kFields[5], kFields[6]});
        if (!known) {
            const std::string key = lua_type(state, -1) == LUA_TSTRING ? lua_tostring(state, -1) : "(not a name)";
            error = "terrain: unknown field '" + key + "'; the description holds only name, season, origin, u, v, "
                    "rows and paths";
            lua_pop(state, 2);
            return false;
        }
    }
    bool good = true;
    lua_getfield(state, -1, "name");
    terrain.name = lua_type(state, -1) == LUA_TSTRING ? lua_tostring(state, -1) : "";
    lua_pop(state, 1);
    if (!IsPlainWord(terrain.name)) {
        error = "name must be a plain word of letters, digits and _ up to " +
                std::to_string(TerrainLimits::kLongestName) + " long";
        good = false;
    }
    lua_getfield(state, -1, "season");
    terrain.season = lua_type(state, -1) == LUA_TSTRING ? lua_tostring(state, -1) : "";
    lua_pop(state, 1);
    if (good && !IsOneOf(terrain.season, {kSeasons[0], kSeasons[1], kSeasons[2]})) {
        error = "season must be \"summer\", \"rain\" or \"snow\"";
        good = false;
    }
    const std::pair<const char*, double (*)[2]> points[] = {
        {"origin", &terrain.origin}, {"u", &terrain.u}, {"v", &terrain.v}};
    for (const auto& [field, point] : points) {
        if (!good) break;
        lua_getfield(state, -1, field);
        good = ReadPoint(state, field, *point, error);
        lua_pop(state, 1);
    }
    if (good) {
        lua_getfield(state, -1, "rows");
        good = ReadRows(state, terrain.rows, error);
        lua_pop(state, 1);
    }
    if (good) {
        lua_getfield(state, -1, "paths");
        good = ReadPaths(state, terrain.rows.front().size(), terrain.rows.size(), terrain.paths, error);
        lua_pop(state, 1);
    }
    lua_pop(state, 1);
    if (!good) error = "terrain: " + error;
    return good;
}

std::string WriteTerrainDescription(const TerrainDescription& terrain)
{
    std::string text = "-- The ground of level \"" + terrain.name +
                       "\" as the art tool paints it; written by the level tool\n"
                       "-- from data/level/src/level" +
                       terrain.name +
                       ".lua (see tools/levels/level_terrain.lua). Do not edit.\n"
                       "return {\n";
    text += "  name = \"" + terrain.name + "\",\n";
    text += "  season = \"" + terrain.season + "\",\n";
    text += "  origin = " + Pair(terrain.origin) + ",\n";
    text += "  u = " + Pair(terrain.u) + ",\n";
    text += "  v = " + Pair(terrain.v) + ",\n";
    text += "  rows = {\n";
    for (size_t i = 0; i < terrain.rows.size(); ++i) {
        text += "    \"" + terrain.rows[i] + "\", -- " + std::to_string(terrain.rows.size() - 1 - i) + "\n";
    }
    text += "  },\n  paths = {\n";
    for (const std::vector<int>& path : terrain.paths) {
        text += "    { ";
        for (size_t i = 0; i < path.size(); ++i) text += (i == 0 ? "" : ", ") + std::to_string(path[i]);
        text += " },\n";
    }
    text += "  },\n}\n";
    return text;
}
