// cBaseWidget: loading mode. The registered textures are walked in name order, one
// texture loaded or freed per tick, while the "loading" window shows the progress.
#include "engine/gui/find_control.h"
#include "engine/gui/gui.h"
#include "engine/gui/progress_bar_sys_ctrl.h"
#include "engine/gui/window.h"
#include "engine/gui/window_function.h"
#include "engine/platform/game_core.h"
#include "engine/render/texture.h"
#include "framework/widgets/base_widget.h"

namespace {

constexpr const char* kLoadingWindow = "loading";
constexpr const char* kProgressControl = "progress";
// The window event that asks a window to close.
constexpr int32_t kWindowCloseRequest = 11;

vrk::cGUI* Gui()
{
    vrk::cGame* game = vrk::GetGame();
    return game != nullptr ? game->gui.get() : nullptr;
}

}  // namespace

uint32_t cBaseWidget::OnLoadingEvent(uint32_t kind, uintptr_t /*param*/)
{
    if (kind == kEventLeaveMode) {
        vrk::cGUI* gui = Gui();
        vrk::cWindow* window = gui != nullptr ? gui->FindWindow(kLoadingWindow) : nullptr;
        if (window != nullptr && window->GetFunction() != nullptr) {
            window->GetFunction()->OnEvent(window, kWindowCloseRequest, 0, 0);
        }
        return 0;
    }
    if (kind == kEventModeEntered) {
        if (vrk::cGUI* gui = Gui()) gui->ShowWindow(kLoadingWindow);
        progressCtrl_ = Gui() != nullptr ? vrk::FindControl(kLoadingWindow, kProgressControl) : nullptr;
        texturesDone_ = 0;
        const vrk::TextureMap& registry = vrk::GetTextureMap();
        nextTexture_ = registry.empty() ? std::string() : registry.begin()->first;
        return 0;
    }
    return 0;
}

void cBaseWidget::TickLoading()
{
    if (nextTexture_.empty()) {
        SetMode(kModePlay);
        return;
    }
    const vrk::TextureMap& registry = vrk::GetTextureMap();
    auto entry = registry.lower_bound(nextTexture_);
    while (entry != registry.end()) {
        const vrk::TexturePtr& texture = entry->second;
        ++entry;
        ++texturesDone_;
        if (!texture) continue;
        // Apply loads a marked texture that is not on the device and frees an
        // unmarked one that is; the walk rests after each that changed.
        const bool wasOnDevice = texture->IsOnDevice();
        texture->Apply();
        if (texture->IsOnDevice() != wasOnDevice) break;
    }
    nextTexture_ = entry != registry.end() ? entry->first : std::string();
    if (auto* progress = dynamic_cast<vrk::cProgressBarSysCtrl*>(progressCtrl_)) {
        const int32_t total = RegisteredTextureCount();
        progress->SetProgress(total > 0 ? static_cast<float>(texturesDone_) / static_cast<float>(total) : 0.0f);
    }
}
