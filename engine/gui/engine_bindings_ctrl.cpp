// The control settings of the engine's Lua set: each passes its arguments to one
// operation of a live control of the right kind, and does nothing otherwise.
#include "engine/gui/button_sys_ctrl.h"
#include "engine/gui/edit_ctrl.h"
#include "engine/gui/engine_bindings_args.h"
#include "engine/gui/frame_ctrl.h"
#include "engine/gui/list_ctrl.h"
#include "engine/gui/progress_bar_sys_ctrl.h"
#include "engine/gui/slider_ctrl.h"

namespace vrk::bindings {

namespace {

// Argument positions of the rectangle and point tables.
constexpr int kRectIndex = 2;
constexpr int kPointIndex = 3;

template <typename T, void (T::*Setter)(bool)>
int SetFlag(lua_State* state)
{
    T* target = CtrlArg<T>(state, 1);
    bool flag = false;
    if (target != nullptr && BoolArg(state, 2, flag)) (target->*Setter)(flag);
    return 0;
}

}  // namespace

int SetCtrlRect(lua_State* state)
{
    if (cCtrl* control = CtrlArg<cCtrl>(state, 1)) control->SetRect(ReadRectArg(state, kRectIndex), IntArg(state, 3));
    return 0;
}

int SetCtrlUVRect(lua_State* state)
{
    if (cCtrl* control = CtrlArg<cCtrl>(state, 1)) {
        control->SetUVRect(ReadRectArg(state, kRectIndex), IntArg(state, 3));
    }
    return 0;
}

int SetCtrlFrame(lua_State* state)
{
    cCtrl* control = CtrlArg<cCtrl>(state, 1);
    if (control == nullptr) return 0;
    float borderX = 0.0f;
    float borderY = 0.0f;
    ReadPointArg(state, kPointIndex, borderX, borderY);
    control->SetFrame(ReadRectArg(state, kRectIndex), borderX, borderY, IntArg(state, 4));
    return 0;
}

int SetCtrlUVFrame(lua_State* state)
{
    cCtrl* control = CtrlArg<cCtrl>(state, 1);
    if (control == nullptr) return 0;
    float borderU = 0.0f;
    float borderV = 0.0f;
    ReadPointArg(state, kPointIndex, borderU, borderV);
    control->SetUVFrame(ReadRectArg(state, kRectIndex), borderU, borderV, IntArg(state, 4));
    return 0;
}

int ShowCtrl(lua_State* state) { return SetFlag<cCtrl, &cCtrl::Show>(state); }
int EnableCtrl(lua_State* state) { return SetFlag<cCtrl, &cCtrl::Enable>(state); }
int IgnoreCtrl(lua_State* state) { return SetFlag<cCtrl, &cCtrl::Ignore>(state); }

int SetCtrlTexture(lua_State* state)
{
    if (cCtrl* control = CtrlArg<cCtrl>(state, 1)) control->SetTexture(StringArg(state, 2), IntArg(state, 3));
    return 0;
}

int SetCtrlColor(lua_State* state)
{
    if (cCtrl* control = CtrlArg<cCtrl>(state, 1)) {
        control->SetColor(FloatArg(state, 2), FloatArg(state, 3), FloatArg(state, 4), IntArg(state, 5));
    }
    return 0;
}

int SetCtrlText(lua_State* state)
{
    if (cCtrl* control = CtrlArg<cCtrl>(state, 1)) control->SetText(StringArg(state, 2), IntArg(state, 3));
    return 0;
}

int SetCtrlFont(lua_State* state)
{
    // The mode number that scripts pass is read by no control.
    if (cCtrl* control = CtrlArg<cCtrl>(state, 1)) control->SetFont(StringArg(state, 2));
    return 0;
}

int SetCtrlAlign(lua_State* state)
{
    if (cCtrl* control = CtrlArg<cCtrl>(state, 1)) {
        control->SetAlign(static_cast<uint32_t>(IntArg(state, 2)), IntArg(state, 3));
    }
    return 0;
}

int SetSingleFrameOrCenter(lua_State* state)
{
    cCtrl* control = CtrlArg<cCtrl>(state, 1);
    bool flag = false;
    if (control == nullptr || !BoolArg(state, 2, flag)) return 0;
    if (auto* frame = dynamic_cast<cFrameCtrl*>(control)) frame->SetDrawCenter(flag);
    else if (auto* button = dynamic_cast<cButtonSysCtrl*>(control)) button->SetSingleFrame(flag);
    return 0;
}

int SetProgressBarVertical(lua_State* state)
{
    return SetFlag<cProgressBarSysCtrl, &cProgressBarSysCtrl::SetVertical>(state);
}

int SetSliderMinMax(lua_State* state)
{
    if (auto* slider = CtrlArg<cSliderCtrl>(state, 1)) slider->SetMinMax(FloatArg(state, 2), FloatArg(state, 3));
    return 0;
}

int SetSliderVertical(lua_State* state) { return SetFlag<cSliderCtrl, &cSliderCtrl::SetVertical>(state); }

int SetEditMaxLength(lua_State* state)
{
    if (auto* edit = CtrlArg<cEditCtrl>(state, 1)) edit->SetMaxLength(IntArg(state, 2));
    return 0;
}

int SetListMultiselect(lua_State* state) { return SetFlag<cListCtrl, &cListCtrl::SetMultiselect>(state); }

}  // namespace vrk::bindings
