// The control base: registration with the window, flags, the mouse enter and leave
// notifications, and the settings that only re-run the layout.
#include "engine/gui/ctrl.h"

#include "engine/gui/gui.h"
#include "engine/gui/gui_handles.h"
#include "engine/gui/window.h"
#include "engine/platform/game_core.h"

namespace vrk {

namespace {

constexpr float kChannelScale = 255.0f;
constexpr uint32_t kChannelMask = 0xFFu;
constexpr uint32_t kOpaqueAlpha = 0xFF000000u;
constexpr int32_t kConsumed = 0;
constexpr int32_t kNotConsumed = 1;

cGUI* CoreGui()
{
    cGame* game = GetGame();
    return game != nullptr ? game->gui.get() : nullptr;
}

// Truncated toward zero, low 8 bits kept; a value no integer can hold (a script may
// pass anything) counts as 0.
uint32_t ChannelByte(float value)
{
    constexpr float kIntLimit = 2147483648.0f;
    const float scaled = value * kChannelScale;
    if (!(scaled > -kIntLimit && scaled < kIntLimit)) return 0;
    return static_cast<uint32_t>(static_cast<int32_t>(scaled)) & kChannelMask;
}

}  // namespace

cCtrl::cCtrl(cWindow* window, const std::string& name)
    : window_(window), gui_(window != nullptr ? window->GetGUI() : CoreGui()), name_(name)
{
    if (window_ != nullptr) id_ = window_->AdoptCtrl(this);
    RegisterLiveCtrl(this);
}

cCtrl::~cCtrl() { UnregisterLiveCtrl(this); }

uint32_t cCtrl::MakeColor(float red, float green, float blue)
{
    return kOpaqueAlpha | (ChannelByte(red) << 16) | (ChannelByte(green) << 8) | ChannelByte(blue);
}

int32_t cCtrl::OnEvent(int32_t code, intptr_t /*first*/, intptr_t /*second*/)
{
    switch (code) {
    case kCtrlKeyDown:
    case kCtrlChar:
        return kNotConsumed;
    case kCtrlMouseEntered:
    case kCtrlMouseLeft:
        if (window_ != nullptr) window_->GetFunction()->OnEvent(window_, code, 0, id_);
        return kConsumed;
    default:
        return kConsumed;
    }
}

void cCtrl::Move(float /*dx*/, float /*dy*/) { Layout(); }

void cCtrl::SetRect(const GuiRect& /*rect*/, int32_t /*mode*/) { Layout(); }

void cCtrl::SetUVRect(const GuiRect& /*uvRect*/, int32_t /*mode*/) {}

void cCtrl::SetFrame(const GuiRect& /*rect*/, float /*borderX*/, float /*borderY*/, int32_t /*mode*/)
{
    Layout();
}

void cCtrl::SetUVFrame(const GuiRect& /*uvRect*/, float /*borderU*/, float /*borderV*/,
                       int32_t /*mode*/)
{
}

bool cCtrl::HitTest(float /*x*/, float /*y*/) const { return false; }

void cCtrl::Show(bool show)
{
    if (show) flags_ |= kCtrlShown;
    else flags_ &= ~static_cast<uint32_t>(kCtrlShown);
}

void cCtrl::Enable(bool enable)
{
    if (enable) flags_ &= ~static_cast<uint32_t>(kCtrlDisabled);
    else flags_ |= kCtrlDisabled;
}

void cCtrl::Ignore(bool ignore)
{
    if (ignore) flags_ |= kCtrlIgnored;
    else flags_ &= ~static_cast<uint32_t>(kCtrlIgnored);
}

void cCtrl::Select(bool select)
{
    if (select) flags_ |= kCtrlSelected;
    else flags_ &= ~static_cast<uint32_t>(kCtrlSelected);
}

void cCtrl::SetTexture(const std::string& /*textureName*/, int32_t /*mode*/) {}

void cCtrl::SetColor(float /*red*/, float /*green*/, float /*blue*/, int32_t /*which*/) {}

void cCtrl::SetText(const std::string& text, int32_t /*mode*/)
{
    Layout();
    KeepTextKey(text);
}

void cCtrl::SetFont(const std::string& /*fontName*/) { Layout(); }

void cCtrl::SetAlign(uint32_t /*align*/, int32_t /*mode*/) { Layout(); }

void cCtrl::KeepTextKey(const std::string& text)
{
    if (textKey_.empty()) textKey_ = text;
}

void cCtrl::PostWindowEvent(int32_t code, intptr_t first, intptr_t second)
{
    if (window_ != nullptr && gui_ != nullptr) gui_->PostEvent(window_, code, first, second);
}

}  // namespace vrk
