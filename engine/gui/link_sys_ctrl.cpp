// The text link: its two colours and its click.
#include "engine/gui/link_sys_ctrl.h"

#include "engine/sound/sound_play.h"

namespace vrk {

namespace {

constexpr const char* kClickSound = "click";
constexpr const char* kMouseInSound = "mouse_in";

}  // namespace

cLinkSysCtrl::cLinkSysCtrl(cWindow* window, const std::string& name) : cLabelCtrl(window, name) {}

void cLinkSysCtrl::ShowColor(const Rgba& color) { color_ = MakeColor(color.red, color.green, color.blue); }

void cLinkSysCtrl::SetColor(float red, float green, float blue, int32_t which)
{
    const Rgba color{red, green, blue, 1.0f};
    if (which == kColorNormal) {
        normalColor_ = color;
        ShowColor(normalColor_);
    } else {
        hoverColor_ = color;
    }
}

int32_t cLinkSysCtrl::OnEvent(int32_t code, intptr_t first, intptr_t second)
{
    switch (code) {
    case kCtrlLeftDown:
        PlaySound(kClickSound);
        break;
    case kCtrlLeftUp:
        // A link has no pressed state: a press elsewhere released here still clicks.
        PostWindowEvent(kWndClicked, 0, id_);
        break;
    case kCtrlMouseEntered:
        PlaySound(kMouseInSound);
        ShowColor(hoverColor_);
        break;
    case kCtrlMouseLeft:
        ShowColor(normalColor_);
        break;
    default:
        break;
    }
    return cLabelCtrl::OnEvent(code, first, second);
}

}  // namespace vrk
