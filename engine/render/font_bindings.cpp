// The font functions of the engine's Lua set. They never raise Lua errors: missing
// arguments read as empty text or 0, and a first argument that is not a registered
// font makes the call a no-op.
#include "engine/render/font_bindings.h"

#include <lua.hpp>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/log/log.h"
#include "engine/render/font.h"
#include "engine/script/script.h"

namespace vrk {

namespace {

constexpr const char* kFontSender = "cFont";
// One record per code point of the glyph table is the most a glyph list can mean.
constexpr size_t kMaxGlyphRecords = cFont::kGlyphTableSize;

std::string StringArg(lua_State* state, int index)
{
    if (lua_type(state, index) != LUA_TSTRING && lua_type(state, index) != LUA_TNUMBER) return {};
    size_t length = 0;
    const char* text = lua_tolstring(state, index, &length);
    return text ? std::string(text, length) : std::string();
}

bool IsNumberArg(lua_State* state, int index) { return lua_isnumber(state, index) != 0; }

double NumberArg(lua_State* state, int index, double fallback = 0.0)
{
    return IsNumberArg(state, index) ? lua_tonumber(state, index) : fallback;
}

// Truncates toward zero; values outside the 32-bit range (and NaN) are clamped so
// that a wild script number cannot overflow a conversion.
int32_t TruncateToInt(double value)
{
    if (std::isnan(value)) return 0;
    constexpr double kLow = std::numeric_limits<int32_t>::min();
    constexpr double kHigh = std::numeric_limits<int32_t>::max();
    if (value <= kLow) return std::numeric_limits<int32_t>::min();
    if (value >= kHigh) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

// The font behind a light userdata argument, or null. The pointer is compared with
// the registry's fonts before use: a stale or foreign pointer from a script must not
// be written through.
cFont* FontArg(lua_State* state, int index)
{
    void* pointer = lua_touserdata(state, index);
    if (pointer == nullptr) return nullptr;
    for (const auto& entry : GetFontMap()) {
        if (entry.second.get() == pointer) return entry.second.get();
    }
    return nullptr;
}

// Fetches table[key] without metamethods (a script's __index could raise an error
// past C++ frames); pops it again after reading.
void PushRawField(lua_State* state, int table, const char* key)
{
    lua_pushstring(state, key);
    lua_rawget(state, table < 0 ? table - 1 : table);
}

void ReadNumberField(lua_State* state, int table, const char* key, float& out)
{
    PushRawField(state, table, key);
    if (lua_isnumber(state, -1)) out = static_cast<float>(lua_tonumber(state, -1));
    lua_pop(state, 1);
}

void ReadIntegerField(lua_State* state, int table, const char* key, int32_t& out)
{
    PushRawField(state, table, key);
    if (lua_isnumber(state, -1)) out = TruncateToInt(lua_tonumber(state, -1));
    lua_pop(state, 1);
}

void ReadStringField(lua_State* state, int table, const char* key, std::string& out)
{
    PushRawField(state, table, key);
    if (lua_isstring(state, -1)) {
        size_t length = 0;
        const char* text = lua_tolstring(state, -1, &length);
        if (text) out.assign(text, length);
    }
    lua_pop(state, 1);
}

// One glyph record from the table on top of the stack; false when it is no table.
bool ReadGlyphRecord(lua_State* state, GlyphRecord& record)
{
    if (!lua_istable(state, -1)) return false;
    ReadStringField(state, -1, "ch", record.symbol);
    ReadNumberField(state, -1, "fWidth", record.width);
    ReadIntegerField(state, -1, "u", record.u);
    ReadIntegerField(state, -1, "v", record.v);
    ReadIntegerField(state, -1, "cu", record.cu);
    ReadIntegerField(state, -1, "cv", record.cv);
    ReadNumberField(state, -1, "fBearingX", record.bearingX);
    ReadNumberField(state, -1, "dx", record.advance);
    return true;
}

}  // namespace

int LuaCreateFont(lua_State* state)
{
    cFont* font = FindOrCreateFont(StringArg(state, 1));
    lua_pushlightuserdata(state, font);
    return 1;
}

int LuaInitFont(lua_State* state)
{
    if (!lua_isuserdata(state, 1)) return 0;
    cFont* font = FontArg(state, 1);
    if (font == nullptr) return 0;
    InitFont(*font, StringArg(state, 2), StringArg(state, 3), TruncateToInt(NumberArg(state, 4)),
             static_cast<float>(NumberArg(state, 5)));
    return 0;
}

int LuaSetFontTexture(lua_State* state)
{
    if (!lua_isuserdata(state, 1)) return 0;
    cFont* font = FontArg(state, 1);
    if (font == nullptr) return 0;
    const int32_t width = TruncateToInt(NumberArg(state, 3));
    const int32_t height = IsNumberArg(state, 4) ? TruncateToInt(lua_tonumber(state, 4)) : width;
    SetFontTexture(*font, StringArg(state, 2), width, height);
    return 0;
}

int LuaSetFontTransform(lua_State* state)
{
    if (!lua_isuserdata(state, 1)) return 0;
    cFont* font = FontArg(state, 1);
    if (font == nullptr) return 0;
    SetFontTransform(*font, static_cast<float>(NumberArg(state, 2)),
                     static_cast<float>(NumberArg(state, 3)), static_cast<float>(NumberArg(state, 4)));
    return 0;
}

int LuaFillFont(lua_State* state)
{
    if (!lua_isuserdata(state, 1)) return 0;
    cFont* font = FontArg(state, 1);
    std::vector<GlyphRecord> records;
    if (lua_istable(state, 2)) {
        // lua_objlen is not trusted (a sparse table reports a border far beyond its
        // elements): the walk ends at the first missing element, and no font holds
        // more glyphs than its table has code points.
        for (int i = 1;; ++i) {
            lua_rawgeti(state, 2, i);
            if (lua_isnil(state, -1)) {
                lua_pop(state, 1);
                break;
            }
            if (static_cast<size_t>(i) > kMaxGlyphRecords) {
                lua_pop(state, 1);
                LogWrite(kFontSender, "^5", "Glyph list has more than %d entries; the rest are dropped",
                         FormatArg::FromInt(static_cast<int32_t>(kMaxGlyphRecords)));
                break;
            }
            GlyphRecord record;
            if (ReadGlyphRecord(state, record)) records.push_back(std::move(record));
            lua_pop(state, 1);
        }
    }
    lua_pushnumber(state, FillFont(font, records));
    return 1;
}

void RegisterFontFunctions(lua_State* state)
{
    if (state == nullptr) return;
    const struct {
        const char* name;
        lua_CFunction function;
    } functions[] = {
        {"createFont", LuaCreateFont},
        {"initFont", LuaInitFont},
        {"setFontTexture", LuaSetFontTexture},
        {"setFontTransform", LuaSetFontTransform},
        {"fillFont", LuaFillFont},
    };
    for (const auto& entry : functions) {
        lua_pushcclosure(state, entry.function, 0);
        SetGlobalRaw(state, entry.name);
    }
}

}  // namespace vrk
