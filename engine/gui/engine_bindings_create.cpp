// The create functions of the engine's Lua set: each makes one control in a live
// window (which owns it) and hands the script its handle.
#include <string>

#include "engine/gui/button_sys_ctrl.h"
#include "engine/gui/check_box_sys_ctrl.h"
#include "engine/gui/edit_sys_ctrl.h"
#include "engine/gui/engine_bindings_args.h"
#include "engine/gui/frame_ctrl.h"
#include "engine/gui/image_ctrl.h"
#include "engine/gui/label_ctrl.h"
#include "engine/gui/link_sys_ctrl.h"
#include "engine/gui/list_sys_ctrl.h"
#include "engine/gui/progress_bar_sys_ctrl.h"
#include "engine/gui/slider_sys_ctrl.h"
#include "engine/gui/text_box_sys_ctrl.h"
#include "engine/gui/toolbar_sys_ctrl.h"

namespace vrk::bindings {

namespace {

// A window argument that is no live window makes the call return nothing (nil).
template <typename T>
int Create(lua_State* state)
{
    cWindow* window = WindowArg(state, 1);
    if (window == nullptr) return 0;
    // The constructor enters the control into the window's vector, which owns it.
    cCtrl* control = new T(window, StringArg(state, 2));
    // The handle is the control-base address, the one the live set knows.
    lua_pushlightuserdata(state, control);
    return 1;
}

}  // namespace

int CreateCtrl(lua_State* state) { return Create<cCtrl>(state); }
int CreateImageCtrl(lua_State* state) { return Create<cImageCtrl>(state); }
int CreateLabelCtrl(lua_State* state) { return Create<cLabelCtrl>(state); }
int CreateFrameCtrl(lua_State* state) { return Create<cFrameCtrl>(state); }
int CreateProgressBarSysCtrl(lua_State* state) { return Create<cProgressBarSysCtrl>(state); }
int CreateTextBoxSysCtrl(lua_State* state) { return Create<cTextBoxSysCtrl>(state); }
int CreateSliderSysCtrl(lua_State* state) { return Create<cSliderSysCtrl>(state); }
int CreateButtonSysCtrl(lua_State* state) { return Create<cButtonSysCtrl>(state); }
int CreateLinkSysCtrl(lua_State* state) { return Create<cLinkSysCtrl>(state); }
int CreateEditSysCtrl(lua_State* state) { return Create<cEditSysCtrl>(state); }
int CreateCheckBoxSysCtrl(lua_State* state) { return Create<cCheckBoxSysCtrl>(state); }
int CreateListSysCtrl(lua_State* state) { return Create<cListSysCtrl>(state); }
int CreateToolbarSysCtrl(lua_State* state) { return Create<cToolbarSysCtrl>(state); }

}  // namespace vrk::bindings
