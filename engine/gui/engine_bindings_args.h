// What the engine's Lua functions share: reading their arguments the forgiving way
// (missing text is empty, a missing number is 0, a flag counts only as a boolean),
// looking up handles among the live objects, and the native functions of each group.
#pragma once
#include <lua.hpp>

#include <cstdint>
#include <string>

#include "engine/gui/ctrl.h"
#include "engine/gui/gui_handles.h"

namespace vrk {

class cWindow;

namespace bindings {

std::string StringArg(lua_State* state, int index);
// lua_tonumber of a number argument, else 0.
double NumberArg(lua_State* state, int index);
// Truncated toward zero; values beyond 32 bits (and NaN) are held to the range.
int32_t IntArg(lua_State* state, int index);
float FloatArg(lua_State* state, int index);
// False (and flag untouched) when the argument's type is not boolean.
bool BoolArg(lua_State* state, int index, bool& flag);
// Fields "x", "y", "w", "h" of a table argument; missing or non-number fields stay 0.
GuiRect ReadRectArg(lua_State* state, int index);
// Fields "x", "y" of a table argument.
void ReadPointArg(lua_State* state, int index, float& x, float& y);

// The live window behind a userdata argument, or null.
cWindow* WindowArg(lua_State* state, int index);
// The live control behind a userdata argument when it is of the kind T, or null.
template <typename T>
T* CtrlArg(lua_State* state, int index)
{
    if (!lua_isuserdata(state, index)) return nullptr;
    return dynamic_cast<T*>(FindLiveCtrl(lua_touserdata(state, index)));
}

// Calls the native function with every C++ exception (an allocation failure while a
// script builds a window) stopped here: it must not unwind through Lua's frames.
template <lua_CFunction Function>
int Guarded(lua_State* state)
{
    try {
        return Function(state);
    } catch (...) {
        return 0;
    }
}

// Engine group.
int SetWindowTitle(lua_State* state);
int SetLocale(lua_State* state);
int ChangeLocaleFunction(lua_State* state);
int SetWndActive(lua_State* state);
int SetWndModal(lua_State* state);
int Dump(lua_State* state);
int DumpIos(lua_State* state);

// Control creation.
int CreateCtrl(lua_State* state);
int CreateImageCtrl(lua_State* state);
int CreateLabelCtrl(lua_State* state);
int CreateFrameCtrl(lua_State* state);
int CreateProgressBarSysCtrl(lua_State* state);
int CreateTextBoxSysCtrl(lua_State* state);
int CreateSliderSysCtrl(lua_State* state);
int CreateButtonSysCtrl(lua_State* state);
int CreateLinkSysCtrl(lua_State* state);
int CreateEditSysCtrl(lua_State* state);
int CreateCheckBoxSysCtrl(lua_State* state);
int CreateListSysCtrl(lua_State* state);
int CreateToolbarSysCtrl(lua_State* state);

// Control settings.
int SetCtrlRect(lua_State* state);
int SetCtrlUVRect(lua_State* state);
int SetCtrlFrame(lua_State* state);
int SetCtrlUVFrame(lua_State* state);
int ShowCtrl(lua_State* state);
int EnableCtrl(lua_State* state);
int IgnoreCtrl(lua_State* state);
int SetCtrlTexture(lua_State* state);
int SetCtrlColor(lua_State* state);
int SetCtrlText(lua_State* state);
int SetCtrlFont(lua_State* state);
int SetCtrlAlign(lua_State* state);
// drawFrameCtrlInnerRect and setButtonSingleFrame: a frame's centre, a button's
// single cell.
int SetSingleFrameOrCenter(lua_State* state);
int SetProgressBarVertical(lua_State* state);
int SetSliderMinMax(lua_State* state);
int SetSliderVertical(lua_State* state);
int SetEditMaxLength(lua_State* state);
int SetListMultiselect(lua_State* state);

}  // namespace bindings

}  // namespace vrk
