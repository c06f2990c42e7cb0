// Registration of the engine's Lua functions, the shared argument readers and the
// functions of the engine group: title, language, window flags and texture dumps.
#include "engine/gui/engine_bindings.h"

#include <cmath>
#include <limits>

#include "engine/gui/engine_bindings_args.h"
#include "engine/gui/window.h"
#include "engine/platform/change_locale.h"
#include "engine/platform/game_core.h"
#include "engine/render/font_bindings.h"
#include "engine/render/texture.h"
#include "engine/script/script.h"
#include "engine/text/text_table.h"

namespace vrk {

namespace bindings {

namespace {

// Fetches table[key] without metamethods (a script's __index could raise an error
// past C++ frames); the caller pops it.
void PushRawField(lua_State* state, int table, const char* key)
{
    lua_pushstring(state, key);
    lua_rawget(state, table < 0 ? table - 1 : table);
}

void ReadNumberField(lua_State* state, int table, const char* key, float& out)
{
    PushRawField(state, table, key);
    if (lua_isnumber(state, -1)) {
        const double value = lua_tonumber(state, -1);
        constexpr double kLargest = std::numeric_limits<float>::max();
        out = std::isnan(value) ? 0.0f : static_cast<float>(std::fmax(-kLargest, std::fmin(kLargest, value)));
    }
    lua_pop(state, 1);
}

}  // namespace

std::string StringArg(lua_State* state, int index)
{
    if (lua_type(state, index) != LUA_TSTRING && lua_type(state, index) != LUA_TNUMBER) return {};
    size_t length = 0;
    const char* text = lua_tolstring(state, index, &length);
    return text != nullptr ? std::string(text, length) : std::string();
}

double NumberArg(lua_State* state, int index)
{
    return lua_isnumber(state, index) ? lua_tonumber(state, index) : 0.0;
}

int32_t IntArg(lua_State* state, int index)
{
    const double value = NumberArg(state, index);
    if (std::isnan(value)) return 0;
    constexpr double kLow = std::numeric_limits<int32_t>::min();
    constexpr double kHigh = std::numeric_limits<int32_t>::max();
    if (value <= kLow) return std::numeric_limits<int32_t>::min();
    if (value >= kHigh) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

float FloatArg(lua_State* state, int index)
{
    const double value = NumberArg(state, index);
    if (std::isnan(value)) return 0.0f;
    constexpr double kLargest = std::numeric_limits<float>::max();
    return static_cast<float>(std::fmax(-kLargest, std::fmin(kLargest, value)));
}

bool BoolArg(lua_State* state, int index, bool& flag)
{
    if (lua_type(state, index) != LUA_TBOOLEAN) return false;
    flag = lua_toboolean(state, index) != 0;
    return true;
}

GuiRect ReadRectArg(lua_State* state, int index)
{
    GuiRect rect;
    if (!lua_istable(state, index)) return rect;
    ReadNumberField(state, index, "x", rect.x);
    ReadNumberField(state, index, "y", rect.y);
    ReadNumberField(state, index, "w", rect.width);
    ReadNumberField(state, index, "h", rect.height);
    return rect;
}

void ReadPointArg(lua_State* state, int index, float& x, float& y)
{
    x = 0.0f;
    y = 0.0f;
    if (!lua_istable(state, index)) return;
    ReadNumberField(state, index, "x", x);
    ReadNumberField(state, index, "y", y);
}

cWindow* WindowArg(lua_State* state, int index)
{
    if (!lua_isuserdata(state, index)) return nullptr;
    return FindLiveWindow(lua_touserdata(state, index));
}

int SetWindowTitle(lua_State* state)
{
    const std::string title = StringArg(state, 1);
    if (cGame* game = GetGame()) game->SetTitle(title);
    lua_pushboolean(state, 1);
    return 1;
}

int SetLocale(lua_State* state)
{
    TextTable()[StringArg(state, 1)] = StringArg(state, 2);
    lua_pushboolean(state, 1);
    return 1;
}

int ChangeLocaleFunction(lua_State* state)
{
    const std::string name = StringArg(state, 1);
    if (GetGame() != nullptr) ChangeLocale(name);
    lua_pushboolean(state, 1);
    return 1;
}

int SetWndActive(lua_State* state)
{
    cWindow* window = WindowArg(state, 1);
    bool flag = false;
    if (window != nullptr && BoolArg(state, 2, flag)) window->active = flag;
    return 0;
}

int SetWndModal(lua_State* state)
{
    cWindow* window = WindowArg(state, 1);
    bool flag = false;
    if (window != nullptr && BoolArg(state, 2, flag)) window->modal = flag;
    return 0;
}

int Dump(lua_State* state)
{
    lua_pushnumber(state, DumpTextures());
    return 1;
}

int DumpIos(lua_State* state)
{
    lua_pushnumber(state, DumpTextureTotal());
    return 1;
}

}  // namespace bindings

void RegisterEngineBindings()
{
    lua_State* state = GetLuaState();
    if (state == nullptr) return;
    cScript::RunBuffer(kAlignScript);

    using namespace bindings;
    const struct {
        const char* name;
        lua_CFunction function;
    } functions[] = {
        {"setWindowTitle", Guarded<SetWindowTitle>},
        {"setLocale", Guarded<SetLocale>},
        {"changeLocale", Guarded<ChangeLocaleFunction>},
        {"createFont", Guarded<LuaCreateFont>},
        {"initFont", Guarded<LuaInitFont>},
        {"setFontTexture", Guarded<LuaSetFontTexture>},
        {"setFontTransform", Guarded<LuaSetFontTransform>},
        {"fillFont", Guarded<LuaFillFont>},
        {"setWndActive", Guarded<SetWndActive>},
        {"setWndModal", Guarded<SetWndModal>},
        {"dump", Guarded<Dump>},
        {"dump_ios", Guarded<DumpIos>},
        {"createCtrl", Guarded<CreateCtrl>},
        {"setCtrlRect", Guarded<SetCtrlRect>},
        {"setCtrlUVRect", Guarded<SetCtrlUVRect>},
        {"setCtrlFrame", Guarded<SetCtrlFrame>},
        {"setCtrlUVFrame", Guarded<SetCtrlUVFrame>},
        {"showCtrl", Guarded<ShowCtrl>},
        {"enableCtrl", Guarded<EnableCtrl>},
        {"ignoreCtrl", Guarded<IgnoreCtrl>},
        {"setCtrlTexture", Guarded<SetCtrlTexture>},
        {"setCtrlColor", Guarded<SetCtrlColor>},
        {"setCtrlText", Guarded<SetCtrlText>},
        {"setCtrlFont", Guarded<SetCtrlFont>},
        {"setCtrlAlign", Guarded<SetCtrlAlign>},
        {"createImageCtrl", Guarded<CreateImageCtrl>},
        {"createLabelCtrl", Guarded<CreateLabelCtrl>},
        {"createFrameCtrl", Guarded<CreateFrameCtrl>},
        {"drawFrameCtrlInnerRect", Guarded<SetSingleFrameOrCenter>},
        {"createProgressBarSysCtrl", Guarded<CreateProgressBarSysCtrl>},
        {"setProgressBarSysCtrlVertical", Guarded<SetProgressBarVertical>},
        {"createTextBoxSysCtrl", Guarded<CreateTextBoxSysCtrl>},
        {"createSliderSysCtrl", Guarded<CreateSliderSysCtrl>},
        {"setSliderCtrlMinMax", Guarded<SetSliderMinMax>},
        {"setSliderCtrlVertical", Guarded<SetSliderVertical>},
        {"createButtonSysCtrl", Guarded<CreateButtonSysCtrl>},
        {"setButtonSingleFrame", Guarded<SetSingleFrameOrCenter>},
        {"createLinkSysCtrl", Guarded<CreateLinkSysCtrl>},
        {"createEditSysCtrl", Guarded<CreateEditSysCtrl>},
        {"setEditCtrlMaxLength", Guarded<SetEditMaxLength>},
        {"createCheckBoxSysCtrl", Guarded<CreateCheckBoxSysCtrl>},
        {"createListSysCtrl", Guarded<CreateListSysCtrl>},
        {"setListSysCtrlMultiselect", Guarded<SetListMultiselect>},
        {"createToolbarSysCtrl", Guarded<CreateToolbarSysCtrl>},
    };
    for (const auto& entry : functions) {
        lua_pushcclosure(state, entry.function, 0);
        SetGlobalRaw(state, entry.name);
    }
}

}  // namespace vrk
