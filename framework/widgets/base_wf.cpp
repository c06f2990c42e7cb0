// The window-function base: the open and close fades with their zoom, failure, Esc
// on broken or closing dialogs, the close notice to the application, and the control
// lookup and messaging routines.
#include "framework/widgets/base_wf.h"

#include "engine/gui/ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/log/log.h"
#include "engine/platform/game_core.h"
#include "engine/render/matrix4.h"
#include "engine/render/render.h"
#include "framework/app/middle.h"

namespace {

constexpr float kOpaque = cWindowFade::kOpaque;
constexpr float kTransparent = cWindowFade::kTransparent;
// The zoom while fading: 110 % when invisible down to 100 % when opaque.
constexpr float kZoomAtTransparent = 1.1f;
constexpr float kZoomRange = 0.1f;

}  // namespace

bool cBaseWF::IsActive() const
{
    if (failed_) return false;
    if (fade_.GetOpacity() == fade_.GetTarget()) return true;
    return fade_.GetTarget() != kTransparent;
}

int32_t cBaseWF::Fail(vrk::cWindow* window, const std::string& message)
{
    failed_ = true;
    if (!message.empty()) {
        const std::string name = window != nullptr ? window->GetName() : std::string();
        vrk::LogWrite("GUI", "^5", "[%s] %s", vrk::FormatArg::FromString(name), vrk::FormatArg::FromString(message));
    }
    return 0;
}

int32_t cBaseWF::Draw(vrk::cWindow* window, intptr_t first, intptr_t second)
{
    vrk::cRender* render = vrk::GetRender();
    const float opacity = fade_.GetOpacity();
    const bool fading = opacity < kOpaque && render != nullptr;
    if (fading) {
        render->SetTextureFactor(cWindowFade::TintAt(opacity));
        const vrk::cGUI* gui = window != nullptr ? window->GetGUI() : nullptr;
        const float centerX = gui != nullptr ? gui->virtualWidth / 2.0f : vrk::kGuiWidth / 2.0f;
        const float centerY = gui != nullptr ? gui->virtualHeight / 2.0f : vrk::kGuiHeight / 2.0f;
        const float zoom = kZoomAtTransparent - kZoomRange * opacity;
        const vrk::Matrix4 world = vrk::Matrix4::Translation(-centerX, -centerY, 0.0f) *
                                   vrk::Matrix4::Scale(zoom, zoom, 1.0f) *
                                   vrk::Matrix4::Translation(centerX, centerY, 0.0f);
        render->SetTransform(world, vrk::cRender::kWorld);
    }
    vrk::cWindowFunction::OnEvent(window, vrk::kWndDraw, first, second);
    if (fading && fade_.GetOpacity() < kOpaque) {
        render->SetTransform(vrk::Matrix4::Scale(1.0f, 1.0f, 1.0f), vrk::cRender::kWorld);
        render->SetTextureFactor(vrk::cRender::kDefaultTextureFactor);
    }
    return 0;
}

int32_t cBaseWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    if (fade_.Follow(window, code, first)) return 0;
    switch (code) {
    case vrk::kWndDraw:
        return Draw(window, first, second);
    case vrk::kWndKeyDown:
        if (!IsActive() && first == window_key::kEscape && window != nullptr && window->GetGUI() != nullptr) {
            window->GetGUI()->AskCloseWindow(window->GetName());
            return 1;
        }
        break;
    case vrk::kWndClosed:
        if (cMiddle* app = GetMiddle(); app != nullptr && window != nullptr) app->OnDialogCommand(window->GetName());
        break;
    default:
        break;
    }
    return vrk::cWindowFunction::OnEvent(window, code, first, second);
}

vrk::cCtrl* ControlByName(vrk::cWindow* window, const std::string& name)
{
    if (window == nullptr) return nullptr;
    return window->GetCtrl(window->FindCtrl(name));
}

bool IsNamedControl(const vrk::cWindow* window, intptr_t index, const std::string& name)
{
    if (window == nullptr) return false;
    const int32_t found = window->FindCtrl(name);
    return found < window->GetCtrlCount() && index == found;
}

int32_t SendMessage(const std::string& windowName)
{
    vrk::cGame* game = vrk::GetGame();
    vrk::cWindow* window = game != nullptr && game->gui ? game->gui->FindWindow(windowName) : nullptr;
    if (window == nullptr) {
        vrk::LogWrite("SendMessage", "^5", "window '%s' not found\n", vrk::FormatArg::FromString(windowName));
        return 0;
    }
    vrk::cWindowFunction* function = window->GetFunction();
    return function != nullptr ? function->OnEvent(window, kWndMessage, 0, 0) : 0;
}

bool PostClick(vrk::cWindow* window, const std::string& controlName)
{
    if (window == nullptr || window->GetGUI() == nullptr) return false;
    window->GetGUI()->PostEvent(window, vrk::kWndClicked, 0, window->FindCtrl(controlName));
    return true;
}
