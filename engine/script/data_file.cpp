// RunDataFile: a data file run in an empty table of its own under instruction and
// memory budgets, and the values of its known fields taken over as globals.
#include "engine/script/data_file.h"

#include <lua.hpp>

#include <exception>
#include <span>

#include "engine/files/byte_stream.h"
#include "engine/files/file_handle.h"
#include "engine/files/file_system.h"
#include "engine/files/text_file.h"
#include "engine/log/log.h"
#include "engine/script/script.h"

namespace vrk {
namespace {

constexpr const char* kSender = "cScript";
constexpr const char* kText = "^6";
constexpr const char* kWarning = "^5";
constexpr int kTextRead = 0;
constexpr int kTextEmpty = 3;

// Wraps the state's allocator while a data file runs: growth past the budget is
// refused, which Lua reports as a memory error of the run.
struct MemoryBudget {
    lua_Alloc allocate = nullptr;
    void* userData = nullptr;
    size_t used = 0;
};

void* AllocateWithinBudget(void* userData, void* block, size_t oldSize, size_t newSize)
{
    auto* budget = static_cast<MemoryBudget*>(userData);
    if (newSize > oldSize) {
        const size_t growth = newSize - oldSize;
        if (growth > kDataMemoryBudget - budget->used) return nullptr;
        void* grown = budget->allocate(budget->userData, block, oldSize, newSize);
        if (grown != nullptr) budget->used += growth;
        return grown;
    }
    // Blocks made before the run may be freed during it; they give no extra room.
    const size_t released = oldSize - newSize;
    budget->used -= released < budget->used ? released : budget->used;
    return budget->allocate(budget->userData, block, oldSize, newSize);
}

void StopAtInstructionLimit(lua_State* state, lua_Debug* /*record*/)
{
    luaL_error(state, "instruction limit reached");
}

// Everything the run changes on the shared state, set up and always undone: the
// allocator, the count hook, and the strings' metatable, whose string library
// methods would otherwise reach C code that no instruction count can stop (a
// pattern search that backtracks for hours).
class RunLimits {
public:
    RunLimits(lua_State* state, int stringIndex, int savedMetatableIndex)
        : state_(state), stringIndex_(stringIndex), savedMetatableIndex_(savedMetatableIndex)
    {
        hook_ = lua_gethook(state_);
        hookMask_ = lua_gethookmask(state_);
        hookCount_ = lua_gethookcount(state_);
        lua_pushnil(state_);
        lua_setmetatable(state_, stringIndex_);
        lua_sethook(state_, StopAtInstructionLimit, LUA_MASKCOUNT, kDataInstructionLimit);
        budget_.allocate = lua_getallocf(state_, &budget_.userData);
        lua_setallocf(state_, AllocateWithinBudget, &budget_);
    }
    ~RunLimits()
    {
        lua_setallocf(state_, budget_.allocate, budget_.userData);
        lua_sethook(state_, hook_, hookMask_, hookCount_);
        lua_pushvalue(state_, savedMetatableIndex_);
        lua_setmetatable(state_, stringIndex_);
    }
    RunLimits(const RunLimits&) = delete;
    RunLimits& operator=(const RunLimits&) = delete;

private:
    lua_State* state_;
    int stringIndex_;
    int savedMetatableIndex_;
    lua_Hook hook_ = nullptr;
    int hookMask_ = 0;
    int hookCount_ = 0;
    MemoryBudget budget_;
};

bool TypeAccepted(int luaType, unsigned types)
{
    switch (luaType) {
    case LUA_TBOOLEAN: return (types & kDataBoolean) != 0;
    case LUA_TNUMBER: return (types & kDataNumber) != 0;
    case LUA_TSTRING: return (types & kDataString) != 0;
    default: return false;
    }
}

// Copies the accepted values of the environment at envIndex into the globals, with
// raw access on both sides.
void TakeOverFields(lua_State* state, int envIndex, const std::string& name, std::span<const DataField> fields)
{
    for (const DataField& field : fields) {
        lua_pushstring(state, field.name);
        lua_rawget(state, envIndex);
        const int luaType = lua_type(state, -1);
        if (luaType != LUA_TNIL && !TypeAccepted(luaType, field.types)) {
            LogWrite(kSender, kWarning, "%s: value of '%s' ignored (wrong type)", FormatArg::FromString(name),
                     FormatArg::FromText(field.name));
        }
        if (luaType == LUA_TNIL || !TypeAccepted(luaType, field.types)) {
            lua_pop(state, 1);
            continue;
        }
        lua_pushstring(state, field.name);
        lua_insert(state, -2);
        lua_rawset(state, LUA_GLOBALSINDEX);
    }
}

// Runs the text; on failure the Lua message is in `error`.
int RunInSandbox(lua_State* state, const std::string& text, const std::string& name,
                 std::span<const DataField> fields, std::string& error)
{
    // Room for the values below, beyond what the caller left on the stack.
    constexpr int kStackNeeded = 8;
    if (!lua_checkstack(state, kStackNeeded)) {
        error = "no stack space";
        return LUA_ERRMEM;
    }
    const int base = lua_gettop(state);
    const int stringIndex = base + 1;
    const int savedMetatableIndex = base + 2;
    const int envIndex = base + 3;
    const int chunkIndex = base + 4;
    lua_pushliteral(state, "");
    if (!lua_getmetatable(state, stringIndex)) lua_pushnil(state);
    lua_newtable(state);
    // "@" makes Lua name the file in its messages, as "settings.lua:3:".
    int status = LoadScriptChunk(state, text, ("@" + name).c_str());
    if (status == 0) {
        lua_pushvalue(state, envIndex);
        lua_setfenv(state, chunkIndex);
        RunLimits limits(state, stringIndex, savedMetatableIndex);
        status = lua_pcall(state, 0, 0, 0);
    }
    if (status == 0) {
        TakeOverFields(state, envIndex, name, fields);
    } else {
        const char* message = lua_tostring(state, -1);
        error = message != nullptr ? message : "(no message)";
    }
    lua_settop(state, base);
    return status;
}

// The file's bytes as they are, before the next save replaces them.
void KeepAside(const std::string& name)
{
    const std::string badName = name + kBadDataFileSuffix;
    cByteStream bytes;
    if (bytes.LoadFromFile(name) == 0 && bytes.SaveToFile(badName) == 0) {
        LogWrite(kSender, kWarning, "Kept as %s; the defaults are used", FormatArg::FromString(badName));
    } else {
        LogWrite(kSender, kWarning, "%s not kept; the defaults are used", FormatArg::FromString(name));
    }
}

int Refuse(const std::string& name, const std::string& reason)
{
    LogWrite(kSender, kWarning, "Data file %s refused: %s", FormatArg::FromString(name),
             FormatArg::FromString(BufferExcerpt(reason)));
    KeepAside(name);
    return kDataFileBad;
}

}  // namespace

int RunDataFile(const std::string& name, std::span<const DataField> fields)
{
    lua_State* state = GetLuaState();
    if (state == nullptr) {
        LogWrite(kSender, kWarning, "Script system does not exist");
        return kDataFileMissing;
    }
    if (!FileExists(name)) {
        LogWrite(kSender, kText, "No file %s; the defaults are used", FormatArg::FromString(name));
        return kDataFileMissing;
    }
    {
        FileHandlePtr handle;
        if (FileOpen(handle, PathRecord(name), "rb") != kFileOpened) return Refuse(name, "not readable");
        if (FileSize(handle.get()) > static_cast<int64_t>(kMaxDataFileBytes))
            return Refuse(name, "longer than a data file can be");
    }
    std::string text;
    int readResult = 0;
    try {
        readResult = ReadTextFile(text, name);
    } catch (const std::exception&) {
        readResult = -1;  // undecodable text
    }
    if (readResult == kTextEmpty) return kDataFileRead;
    if (readResult != kTextRead) return Refuse(name, "not readable as text");

    std::string error;
    if (RunInSandbox(state, text, name, fields, error) == 0) return kDataFileRead;
    // The first line only: the file may be as long as the size limit allows.
    LogWrite(kSender, kWarning, "Invalid buffer: %s", FormatArg::FromString(BufferExcerpt(text)));
    return Refuse(name, error);
}

}  // namespace vrk
