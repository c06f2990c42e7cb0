// Running a level source script and building the level it describes.
#include "level_source.h"

#include <lua.hpp>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <type_traits>

#include "engine/script/script.h"
#include "framework/objects/fly_decor.h"
#include "framework/objects/grid_geometry.h"
#include "framework/objects/object.h"
#include "framework/widgets/level_file.h"
#include "object_type_names.h"
#include "objects/level_grid.h"
#include "terrain_description.h"
#include "tools/common/regular_file.h"

namespace {

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
    LevelSource* source = SourceOf(state);
    if (source->hasTerrain) return luaL_error(state, "a level has one terrain");
    std::string error;
    if (!ReadTerrainDescription(state, 1, source->terrain, error)) return luaL_error(state, "%s", error.c_str());
    source->hasTerrain = true;
    return 0;
}

// cell_centre(x, y) -> x, y: the world point in the middle of a cell of the game grid.
int CellCentreCall(lua_State* state)
{
    const GridCell cell{static_cast<int32_t>(luaL_checkinteger(state, 1)),
                        static_cast<int32_t>(luaL_checkinteger(state, 2))};
    const vec2 centre = GridCellCentre(LevelGridGeometry(), cell);
    lua_pushnumber(state, centre.x);
    lua_pushnumber(state, centre.y);
    return 2;
}

// point_to_cell(x, y) -> x, y: the game grid's cell of a world point; -1, -1 before
// the grid's axis lines.
int PointToCellCall(lua_State* state)
{
    const vec2 point{static_cast<float>(luaL_checknumber(state, 1)), static_cast<float>(luaL_checknumber(state, 2))};
    const GridCell cell = GridPointToCell(LevelGridGeometry(), point);
    lua_pushinteger(state, cell.x);
    lua_pushinteger(state, cell.y);
    return 2;
}

// footprint_cells(x, y, width, height) -> x0, y0, x1, y1: the cells the level screen
// counts under an object of that zone standing at the world point.
int FootprintCellsCall(lua_State* state)
{
    const vec2 point{static_cast<float>(luaL_checknumber(state, 1)), static_cast<float>(luaL_checknumber(state, 2))};
    const auto width = static_cast<int32_t>(luaL_checkinteger(state, 3));
    const auto height = static_cast<int32_t>(luaL_checkinteger(state, 4));
    GridCell first{-1, -1};
    GridCell last{-1, -1};
    GridFootprint(LevelGridGeometry(), point, width, height, first, last);
    lua_pushinteger(state, first.x);
    lua_pushinteger(state, first.y);
    lua_pushinteger(state, last.x);
    lua_pushinteger(state, last.y);
    return 4;
}

// The folder part of a path, "." when it has none.
std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The marker a module's entry holds while its chunk runs: a second require of it
// then is a loop.
char gLoadingMark;

// Module names are plain words, so no name leads out of the searched folders.
bool IsModuleName(const char* name, size_t length)
{
    if (length == 0) return false;
    for (size_t i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (!std::isalnum(byte) && byte != '_') return false;
    }
    return true;
}

// The largest source or module the tool reads: some fifty times the largest the
// project has (the level library, 20 KB), so that a path to an endless device or a
// file of gigabytes is refused before it is read.
constexpr size_t kLargestSourceFile = 1024 * 1024;
// The work a source may take: ten times the game's budget for one script. A source
// lays a whole ground and its paths (level 036, the costliest, takes some 4.9 million
// instructions), so it stays far inside, and a source that loops for ever, or loops
// over costly searches, still ends within seconds.
constexpr int64_t kLevelSourceRunBudget = 10LL * vrk::kScriptInstructionBudget;

// What LoadPresentLuaFile answers, with nothing pushed, when there is no file.
constexpr int kNoSuchFile = -1;

// Loads a Lua file as a chunk named after its path, leaving the chunk or the error
// message on the stack. Only a regular file within kLargestSourceFile is read (a FIFO
// would block the tool, a folder or a device is no source), and precompiled chunks
// are refused (Lua 5.1 does not check them).
int LoadPresentLuaFile(lua_State* state, const std::string& path)
{
    std::string text;
    std::string error;
    const tool_files::FileRead read = tool_files::ReadRegularFile(path.c_str(), kLargestSourceFile, text, error);
    if (read == tool_files::FileRead::kMissing) return kNoSuchFile;
    if (read == tool_files::FileRead::kRefused) {
        lua_pushstring(state, (path + ": " + error).c_str());
        return LUA_ERRFILE;
    }
    if (!text.empty() && text[0] == LUA_SIGNATURE[0]) {
        lua_pushstring(state, (path + ": precompiled chunks are not accepted").c_str());
        return LUA_ERRSYNTAX;
    }
    return luaL_loadbuffer(state, text.data(), text.size(), ("@" + path).c_str());
}

int LoadLuaFile(lua_State* state, const std::string& path)
{
    const int status = LoadPresentLuaFile(state, path);
    if (status != kNoSuchFile) return status;
    lua_pushstring(state, ("cannot open " + path).c_str());
    return LUA_ERRFILE;
}

// The chunk of module `name` from the first searched folder (upvalue 1, a list of
// folder paths) that holds NAME.lua, or the message naming every file tried. What
// stands at a path but is no file a source may be (a FIFO, a folder) is refused,
// not passed over.
int LoadModule(lua_State* state, const std::string& name)
{
    std::string tried;
    const size_t folders = lua_objlen(state, lua_upvalueindex(1));
    for (size_t i = 1; i <= folders; ++i) {
        lua_rawgeti(state, lua_upvalueindex(1), static_cast<int>(i));
        const std::string path = std::string(lua_tostring(state, -1)) + "/" + name + ".lua";
        lua_pop(state, 1);
        const int status = LoadPresentLuaFile(state, path);
        if (status != kNoSuchFile) return status;
        tried += "\n\tno file '" + path + "'";
    }
    lua_pushstring(state, ("module '" + name + "' not found:" + tried).c_str());
    return LUA_ERRFILE;
}

// require(name): the module NAME.lua from the source's folder or a library folder,
// run once; its result (true when it returns nothing) is kept in upvalue 2 and given
// to every later require. Holds no object with a destructor: Lua errors leave this
// frame by a long jump.
int RequireCall(lua_State* state)
{
    size_t length = 0;
    const char* name = luaL_checklstring(state, 1, &length);
    if (!IsModuleName(name, length)) return luaL_error(state, "module name '%s' is not a plain name", name);
    lua_settop(state, 1);
    lua_getfield(state, lua_upvalueindex(2), name);
    if (lua_touserdata(state, -1) == &gLoadingMark) {
        return luaL_error(state, "loop or previous error loading module '%s'", name);
    }
    if (lua_toboolean(state, -1)) return 1;
    lua_pop(state, 1);
    if (LoadModule(state, name) != 0) return lua_error(state);
    lua_pushlightuserdata(state, &gLoadingMark);
    lua_setfield(state, lua_upvalueindex(2), name);
    lua_pushvalue(state, 1);
    lua_call(state, 1, 1);
    if (lua_isnil(state, -1)) {
        lua_pop(state, 1);
        lua_pushboolean(state, 1);
    }
    lua_pushvalue(state, -1);
    lua_setfield(state, lua_upvalueindex(2), name);
    return 1;
}

// Gives the source its require, which searches the source's folder and then each
// library folder, and nothing else.
void RegisterRequire(lua_State* state, const std::string& scriptPath, const std::vector<std::string>& libraryFolders)
{
    lua_newtable(state);
    int index = 1;
    lua_pushstring(state, FolderOf(scriptPath).c_str());
    lua_rawseti(state, -2, index++);
    for (const std::string& folder : libraryFolders) {
        lua_pushstring(state, folder.c_str());
        lua_rawseti(state, -2, index++);
    }
    lua_newtable(state);
    lua_pushcclosure(state, &RequireCall, 2);
    lua_setglobal(state, "require");
}

// os.getenv(name): the variable's text, or nil.
int GetEnvCall(lua_State* state)
{
    const char* value = std::getenv(luaL_checkstring(state, 1));
    if (value != nullptr) {
        lua_pushstring(state, value);
    } else {
        lua_pushnil(state);
    }
    return 1;
}

// io.stderr:write(...): strings and numbers to standard error; returns the handle.
int StderrWriteCall(lua_State* state)
{
    const int count = lua_gettop(state);
    for (int i = 2; i <= count; ++i) {
        size_t length = 0;
        const char* text = luaL_checklstring(state, i, &length);
        std::fwrite(text, 1, length, stderr);
    }
    lua_settop(state, 1);
    return 1;
}

// The designer's picture of a placed level (LEVEL_MAP=1 on a compile) reads the
// environment and writes to standard error: of the os and io libraries a source gets
// those two calls only.
void RegisterDesignerCalls(lua_State* state)
{
    lua_newtable(state);
    lua_pushcfunction(state, &GetEnvCall);
    lua_setfield(state, -2, "getenv");
    lua_setglobal(state, "os");
    lua_newtable(state);
    lua_newtable(state);
    lua_pushcfunction(state, &StderrWriteCall);
    lua_setfield(state, -2, "write");
    lua_setfield(state, -2, "stderr");
    lua_setglobal(state, "io");
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
    // The game's own bounds: a source is a program, and one that loops for ever or
    // asks for gigabytes is refused like any failing source.
    const vrk::ScriptStatePtr state = vrk::NewBoundedScriptState();
    if (!state) {
        error = "cannot create a Lua state";
        return false;
    }
    RegisterRequire(state.get(), path, libraryFolders);
    RegisterDesignerCalls(state.get());
    Register(state.get(), source, "level", &LevelCall);
    Register(state.get(), source, "object", &ObjectCall);
    Register(state.get(), source, "grid", &GridCall);
    Register(state.get(), source, "terrain", &TerrainCall);
    lua_register(state.get(), "cell_centre", &CellCentreCall);
    lua_register(state.get(), "point_to_cell", &PointToCellCall);
    lua_register(state.get(), "footprint_cells", &FootprintCellsCall);
    if (LoadLuaFile(state.get(), path) != 0) {
        const char* message = lua_tostring(state.get(), -1);
        error = message != nullptr ? message : "unknown Lua error";
        return false;
    }
    vrk::SetScriptRunBudget(kLevelSourceRunBudget);
    const int status = vrk::cScript::Call(state.get(), 0, path);
    if (status == LUA_ERRMEM) {
        error = "refused: the source needs more than the " + std::to_string(vrk::kScriptMemoryLimit >> 20) +
                " MB of memory a script may hold";
        return false;
    }
    if (status != 0) {
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
