// The window-function base: the open and close fades with their zoom, failure, Esc
// on broken or closing dialogs, the close notice to the application, and the control
// lookup and messaging routines.
#include "framework/widgets/base_wf.h"

#include <cmath>

#include "engine/gui/ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/log/log.h"
#include "engine/platform/game_core.h"
#include "engine/render/matrix4.h"
#include "engine/render/render.h"
#include "framework/app/middle.h"

namespace {

constexpr int32_t kKeyEscape = 27;
constexpr float kMillisecondsPerSecond = 1000.0f;
constexpr float kOpaque = 1.0f;
constexpr float kTransparent = 0.0f;
constexpr float kFullAlpha = 255.0f;
constexpr int kAlphaShift = 24;
constexpr uint32_t kWhiteRgb = 0x00FFFFFFu;
// The zoom while fading: 110 % when invisible down to 100 % when opaque.
constexpr float kZoomAtTransparent = 1.1f;
constexpr float kZoomRange = 0.1f;

}  // namespace

bool cBaseWF::IsActive() const
{
    if (failed_) return false;
    if (opacity_ == fadeTarget_) return true;
    return fadeTarget_ != kTransparent;
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

void cBaseWF::StartFade(float target)
{
    fadeStart_ = opacity_;
    fadeTarget_ = target;
    fadeDuration_ = std::fabs(target - opacity_) / fadeSpeed_;
    fadeElapsed_ = 0.0f;
    if (fadeDuration_ < kInstantFade) {
        fadeDuration_ = 0.0f;
        opacity_ = target;
    }
}

void cBaseWF::AdvanceFade(uint32_t milliseconds)
{
    if (fadeElapsed_ == fadeDuration_) return;
    fadeElapsed_ += static_cast<float>(milliseconds) / kMillisecondsPerSecond;
    if (fadeElapsed_ >= fadeDuration_) {
        fadeElapsed_ = fadeDuration_;
        opacity_ = fadeTarget_;
    } else {
        opacity_ = fadeStart_ + (fadeTarget_ - fadeStart_) * fadeElapsed_ / fadeDuration_;
    }
}

int32_t cBaseWF::Draw(vrk::cWindow* window, intptr_t first, intptr_t second)
{
    vrk::cRender* render = vrk::GetRender();
    const bool fading = opacity_ < kOpaque && render != nullptr;
    if (fading) {
        const auto alpha = static_cast<uint32_t>(static_cast<int32_t>(opacity_ * kFullAlpha));
        render->SetTextureFactor((alpha << kAlphaShift) | kWhiteRgb);
        const vrk::cGUI* gui = window != nullptr ? window->GetGUI() : nullptr;
        const float centerX = gui != nullptr ? gui->virtualWidth / 2.0f : vrk::kGuiWidth / 2.0f;
        const float centerY = gui != nullptr ? gui->virtualHeight / 2.0f : vrk::kGuiHeight / 2.0f;
        const float zoom = kZoomAtTransparent - kZoomRange * opacity_;
        const vrk::Matrix4 world = vrk::Matrix4::Translation(-centerX, -centerY, 0.0f) *
                                   vrk::Matrix4::Scale(zoom, zoom, 1.0f) *
                                   vrk::Matrix4::Translation(centerX, centerY, 0.0f);
        render->SetTransform(world, vrk::cRender::kWorld);
    }
    vrk::cWindowFunction::OnEvent(window, vrk::kWndDraw, first, second);
    if (fading && opacity_ < kOpaque) {
        render->SetTransform(vrk::Matrix4::Scale(1.0f, 1.0f, 1.0f), vrk::cRender::kWorld);
        render->SetTextureFactor(vrk::cRender::kDefaultTextureFactor);
    }
    return 0;
}

int32_t cBaseWF::OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    switch (code) {
    case vrk::kWndOpened:
        StartFade(kOpaque);
        break;
    case vrk::kWndCloseRequested:
        // The window stays open until an update finds the fade-out done.
        StartFade(kTransparent);
        return 0;
    case vrk::kWndUpdate:
        AdvanceFade(static_cast<uint32_t>(first));
        // Only a fade-out closes: an opening window meets opacity 0 too when its
        // first update carries no time.
        if (opacity_ == kTransparent && fadeTarget_ == kTransparent && window != nullptr &&
            window->GetGUI() != nullptr) {
            window->GetGUI()->CloseWindow(window->GetName());
        }
        break;
    case vrk::kWndDraw:
        return Draw(window, first, second);
    case vrk::kWndKeyDown:
        if (!IsActive() && first == kKeyEscape && window != nullptr && window->GetGUI() != nullptr) {
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
