// Running a level source script and building the level it describes.
#include "level_source.h"

#include <lua.hpp>

#include <algorithm>
#include <memory>
#include <type_traits>

#include "framework/objects/fly_decor.h"
#include "framework/objects/grid_geometry.h"
#include "framework/objects/object.h"
#include "framework/widgets/level_file.h"
#include "object_type_names.h"
#include "objects/level_grid.h"

namespace {

struct LuaCloser {
    void operator()(lua_State* state) const { lua_close(state); }
};

// The source being read, reached from the Lua functions through an upvalue.
LevelSource* SourceOf(lua_State* state) { return static_cast<LevelSource*>(lua_touserdata(state, lua_upvalueindex(1))); }

std::string StringField(lua_State* state, const char* key, const std::string& fallback = {})
{
    lua_getfield(state, 1, key);
    std::string value = fallback;
    if (lua_type(state, -1) == LUA_TSTRING) {
        size_t length = 0;
        const char* text = lua_tolstring(state, -1, &length);
        value.assign(text, length);
    }
    lua_pop(state, 1);
    return value;
}

bool NumberField(lua_State* state, const char* key, double& value)
{
    lua_getfield(state, 1, key);
    const bool present = lua_type(state, -1) == LUA_TNUMBER;
    if (present) value = lua_tonumber(state, -1);
    lua_pop(state, 1);
    return present;
}

float FloatField(lua_State* state, const char* key, float fallback)
{
    double value = fallback;
    NumberField(state, key, value);
    return static_cast<float>(value);
}

uint32_t WordField(lua_State* state, const char* key)
{
    double value = 0.0;
    NumberField(state, key, value);
    // Negative numbers are stored as their 32-bit pattern, as the game keeps them.
    return static_cast<uint32_t>(static_cast<int64_t>(value));
}

int LevelCall(lua_State* state)
{
    luaL_checktype(state, 1, LUA_TTABLE);
    LevelSource* source = SourceOf(state);
    source->name = StringField(state, "name");
    double number = 0.0;
    if (NumberField(state, "version", number)) source->version = static_cast<uint32_t>(number);
    if (NumberField(state, "last_id", number)) source->lastId = static_cast<uint32_t>(number);
    return 0;
}

int ObjectCall(lua_State* state)
{
    luaL_checktype(state, 1, LUA_TTABLE);
    SourceObject object;
    lua_getfield(state, 1, "type");
    if (lua_type(state, -1) == LUA_TNUMBER) {
        object.type = static_cast<int32_t>(lua_tonumber(state, -1));
    } else if (lua_type(state, -1) == LUA_TSTRING) {
        const std::string name = lua_tostring(state, -1);
        object.type = TypeIdOfName(name);
        if (object.type == 0) return luaL_error(state, "unknown object class '%s'", name.c_str());
    } else {
        return luaL_error(state, "object without type");
    }
    lua_pop(state, 1);
    object.id = WordField(state, "id");
    double layer = 0.0;
    object.hasLayer = NumberField(state, "layer", layer);
    object.layer = static_cast<int32_t>(layer);
    object.name = StringField(state, "name");
    object.sprite = StringField(state, "sprite");
    object.tag = StringField(state, "tag");
    object.data = WordField(state, "data");
    object.x = FloatField(state, "x", 0.0f);
    object.y = FloatField(state, "y", 0.0f);
    object.angle = FloatField(state, "angle", 0.0f);
    object.scaleX = FloatField(state, "scale_x", 1.0f);
    object.scaleY = FloatField(state, "scale_y", 1.0f);
    double home = 0.0;
    object.hasHome = NumberField(state, "home_x", home);
    object.homeX = static_cast<float>(home);
    home = 0.0;
    object.hasHome = NumberField(state, "home_y", home) || object.hasHome;
    object.homeY = static_cast<float>(home);
    SourceOf(state)->objects.push_back(std::move(object));
    return 0;
}

// The array part of the table field as numbers; false (with the message) for a
// value that is not a number.
template <typename Value>
bool NumberList(lua_State* state, const char* key, std::vector<Value>& values, std::string& error)
{
    lua_getfield(state, 1, key);
    values.clear();
    if (lua_type(state, -1) == LUA_TTABLE) {
        const size_t count = lua_objlen(state, -1);
        values.reserve(count);
        for (size_t i = 1; i <= count; ++i) {
            lua_rawgeti(state, -1, static_cast<int>(i));
            if (lua_type(state, -1) != LUA_TNUMBER) {
                error = std::string("grid ") + key + " entry " + std::to_string(i) + " is not a number";
                lua_pop(state, 2);
                return false;
            }
            const double value = lua_tonumber(state, -1);
            if constexpr (std::is_floating_point_v<Value>) {
                values.push_back(static_cast<Value>(value));
            } else {
                values.push_back(static_cast<Value>(static_cast<int64_t>(value)));
            }
            lua_pop(state, 1);
        }
    }
    lua_pop(state, 1);
    return true;
}

int GridCall(lua_State* state)
{
    luaL_checktype(state, 1, LUA_TTABLE);
    LevelSource* source = SourceOf(state);
    if (source->hasGrid) return luaL_error(state, "a level has one grid");
    double width = -1.0;
    double height = -1.0;
    NumberField(state, "width", width);
    NumberField(state, "height", height);
    constexpr double kLargestSide = 65535.0;
    if (!(width >= 0.0 && width <= kLargestSide && height >= 0.0 && height <= kLargestSide) ||
        width != static_cast<double>(static_cast<uint32_t>(width)) ||
        height != static_cast<double>(static_cast<uint32_t>(height))) {
        return luaL_error(state, "grid needs a whole width and height from 0 to %d", static_cast<int>(kLargestSide));
    }
    SourceGrid grid;
    grid.width = static_cast<uint32_t>(width);
    grid.height = static_cast<uint32_t>(height);
    std::string error;
    if (!NumberList(state, "cells", grid.costs, error) || !NumberList(state, "extra", grid.extras, error)) {
        return luaL_error(state, "%s", error.c_str());
    }
    const uint64_t cells = uint64_t{grid.width} * grid.height;
    if (grid.costs.size() != cells) {
        return luaL_error(state, "grid of %d x %d needs %d cells, has %d", static_cast<int>(grid.width),
                          static_cast<int>(grid.height), static_cast<int>(cells), static_cast<int>(grid.costs.size()));
    }
    if (grid.extras.empty()) grid.extras.assign(grid.costs.size(), 0u);
    if (grid.extras.size() != cells) {
        return luaL_error(state, "grid extra needs %d words, has %d", static_cast<int>(cells),
                          static_cast<int>(grid.extras.size()));
    }
    source->grid = std::move(grid);
    source->hasGrid = true;
    return 0;
}

int TerrainCall(lua_State* state)
{
    luaL_checktype(state, 1, LUA_TTABLE);
    LevelSource* source = SourceOf(state);
    if (source->hasTerrain) return luaL_error(state, "a level has one terrain");
    lua_getfield(state, 1, "text");
    if (lua_type(state, -1) != LUA_TSTRING) return luaL_error(state, "terrain needs its description as text");
    size_t length = 0;
    const char* text = lua_tolstring(state, -1, &length);
    source->terrain.assign(text, length);
    lua_pop(state, 1);
    source->hasTerrain = true;
    return 0;
}

// The path grid of the game's levels: the skewed axes fitted to the level area.
GridGeometry GameGrid()
{
    GridGeometry grid;
    LevelGridAxes(grid.axisX, grid.axisY);
    grid.cellSize = vec2{kLevelGridCellSize, kLevelGridCellSize};
    int32_t columns = 0;
    int32_t rows = 0;
    FitGridToArea(grid.axisX, grid.axisY, grid.cellSize, kLevelAreaWidth, kLevelAreaHeight, grid.origin, columns,
                  rows);
    return grid;
}

// cell_centre(x, y) -> x, y: the world point in the middle of a cell of the game grid.
int CellCentreCall(lua_State* state)
{
    const GridCell cell{static_cast<int32_t>(luaL_checkinteger(state, 1)),
                        static_cast<int32_t>(luaL_checkinteger(state, 2))};
    const vec2 centre = GridCellCentre(GameGrid(), cell);
    lua_pushnumber(state, centre.x);
    lua_pushnumber(state, centre.y);
    return 2;
}

// point_to_cell(x, y) -> x, y: the game grid's cell of a world point; -1, -1 before
// the grid's axis lines.
int PointToCellCall(lua_State* state)
{
    const vec2 point{static_cast<float>(luaL_checknumber(state, 1)), static_cast<float>(luaL_checknumber(state, 2))};
    const GridCell cell = GridPointToCell(GameGrid(), point);
    lua_pushinteger(state, cell.x);
    lua_pushinteger(state, cell.y);
    return 2;
}

// The folder part of a path, "." when it has none.
std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Puts the script's folder and the library folders before Lua's own search path, so
// a source can `require` the level library whatever folder the tool runs from.
void SetModulePath(lua_State* state, const std::string& scriptPath, const std::vector<std::string>& libraryFolders)
{
    std::string searched = FolderOf(scriptPath) + "/?.lua;";
    for (const std::string& folder : libraryFolders) searched += folder + "/?.lua;";
    lua_getglobal(state, "package");
    lua_getfield(state, -1, "path");
    const char* own = lua_tostring(state, -1);
    if (own != nullptr) searched += own;
    lua_pop(state, 1);
    lua_pushstring(state, searched.c_str());
    lua_setfield(state, -2, "path");
    lua_pop(state, 1);
}

void Register(lua_State* state, LevelSource& source, const char* name, lua_CFunction function)
{
    lua_pushlightuserdata(state, &source);
    lua_pushcclosure(state, function, 1);
    lua_setglobal(state, name);
}

}  // namespace

bool ReadLevelSource(const std::string& path, LevelSource& source, std::string& error,
                     const std::vector<std::string>& libraryFolders)
{
    std::unique_ptr<lua_State, LuaCloser> state(luaL_newstate());
    if (!state) {
        error = "cannot create a Lua state";
        return false;
    }
    luaL_openlibs(state.get());
    SetModulePath(state.get(), path, libraryFolders);
    Register(state.get(), source, "level", &LevelCall);
    Register(state.get(), source, "object", &ObjectCall);
    Register(state.get(), source, "grid", &GridCall);
    Register(state.get(), source, "terrain", &TerrainCall);
    lua_register(state.get(), "cell_centre", &CellCentreCall);
    lua_register(state.get(), "point_to_cell", &PointToCellCall);
    if (luaL_loadfile(state.get(), path.c_str()) != 0 || lua_pcall(state.get(), 0, 0, 0) != 0) {
        const char* message = lua_tostring(state.get(), -1);
        error = message != nullptr ? message : "unknown Lua error";
        return false;
    }
    return true;
}

bool BuildLevel(const LevelSource& source, cLevelFile& level, std::string& error)
{
    level.Clear();
    level.InitLevel(source.name);
    level.SetLastObjectId(source.lastId);
    for (const SourceObject& entry : source.objects) {
        cObject* object = level.CreateObject(entry.type, entry.id);
        if (object == nullptr) {
            error = "the game cannot make objects of type " + std::to_string(entry.type);
            return false;
        }
        // The sprite set-up first: the fields below are then written as the source
        // gives them, whatever a class does while it sets itself up.
        object->SetSprite(entry.sprite);
        if (entry.hasLayer) level.SetObjectLayer(object, entry.layer);
        object->SetName(entry.name);
        object->SetText(entry.tag);
        object->SetLinkId(static_cast<int32_t>(entry.data));
        object->SetPosition(entry.x, entry.y);
        object->SetAngle(entry.angle);
        object->SetScale(entry.scaleX, entry.scaleY);
        if (entry.hasHome && object->GetTypeId() == kTypeFlyDecor) {
            // A flying decoration's editor position is its home point.
            level.SetEditing(true);
            object->SetPosition(entry.homeX, entry.homeY);
            level.SetEditing(false);
        }
    }
    level.SetLastObjectId(std::max(level.GetLastObjectId(), level.GetMaxObjectId()));
    return true;
}
