// The default window handler: drawing and updating the controls, hover and focus
// tracking, input routing to the controls, closing, and locale changes.
#include "engine/gui/window_function.h"

#include "engine/gui/ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/platform/game_core.h"
#include "engine/platform/host_services.h"
#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "engine/text/text_table.h"

namespace vrk {

namespace {

constexpr int32_t kConsumed = 1;
constexpr int32_t kNotConsumed = 0;
constexpr float kMillisecondsPerSecond = 1000.0f;
constexpr char kLocalisedKeyMark = '[';

void DrawControls(const cWindow& window)
{
    cGame* game = GetGame();
    VertexBatch* batch = game != nullptr ? game->batch.get() : nullptr;
    if (batch == nullptr) return;
    batch->Clear();
    // By index: a control's Draw may not add controls, but the vector is not trusted
    // to stay put across virtual calls.
    for (int32_t i = 0; i < window.GetCtrlCount(); ++i) {
        cCtrl* control = window.GetCtrl(i);
        if (control != nullptr && control->HasFlag(kCtrlShown)) control->Draw();
    }
    if (cRender* render = GetRender(); render != nullptr && batch->UsedVertices() != 0)
        render->DrawVertexBatch(*batch);
}

void ApplyLocale(const cWindow& window)
{
    for (int32_t i = 0; i < window.GetCtrlCount(); ++i) {
        cCtrl* control = window.GetCtrl(i);
        if (control == nullptr) continue;
        const std::string key = control->GetTextKey();
        if (!key.empty() && key.front() == kLocalisedKeyMark) control->SetText(FindText(key), 0);
    }
}

}  // namespace

int32_t cWindowFunction::OnEvent(cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    if (window == nullptr) return kNotConsumed;
    cWindow& wnd = *window;
    switch (code) {
    case kWndDraw:
        DrawControls(wnd);
        return kNotConsumed;
    case kWndUpdate:
        OnUpdate(wnd, first, second);
        return kNotConsumed;
    case kWndKeyDown:
    case kWndChar:
        if (wnd.focused_ != nullptr && SendCtrlEvent(wnd.focused_, code, first, second) == 0)
            return kConsumed;
        return kNotConsumed;
    case kWndMouseMove:
        return OnMouseMove(wnd, first, second);
    case kWndLeftDown: {
        cCtrl* hovered = wnd.hovered_;
        if (hovered != nullptr && !hovered->HasFlag(kCtrlDisabled) &&
            SendCtrlEvent(hovered, kCtrlLeftDown, first, second) == 0) {
            wnd.SetFocus(hovered);
            return kConsumed;
        }
        return kNotConsumed;
    }
    case kWndLeftUp: {
        cCtrl* hovered = wnd.hovered_;
        if (hovered != nullptr) SendCtrlEvent(hovered, kCtrlLeftUp, first, second);
        if (wnd.focused_ != nullptr && wnd.focused_ != hovered)
            SendCtrlEvent(wnd.focused_, kCtrlLeftUp, first, second);
        return kNotConsumed;
    }
    case kWndCloseRequested:
        if (cGUI* gui = wnd.GetGUI()) gui->CloseWindow(wnd.GetName());
        return kNotConsumed;
    case kWndActivated: {
        int32_t x = 0;
        int32_t y = 0;
        GetCursorClientPos(x, y);
        if (cGUI* gui = wnd.GetGUI()) gui->ScreenToGui(x, y);
        wnd.GetFunction()->OnEvent(window, kWndMouseMove, 0, PackGuiPoint(x, y));
        return kNotConsumed;
    }
    case kWndDeactivated:
        wnd.SetFocus(nullptr);
        if (wnd.hovered_ != nullptr) SendCtrlEvent(wnd.hovered_, kCtrlMouseLeft, 0, 0);
        wnd.hovered_ = nullptr;
        wnd.hoverTimer_ = cWindow::kHoverStopped;
        return kNotConsumed;
    case kWndLocaleChanged:
        ApplyLocale(wnd);
        return kNotConsumed;
    default:
        return kNotConsumed;
    }
}

void cWindowFunction::OnUpdate(cWindow& window, intptr_t first, intptr_t second)
{
    for (int32_t i = 0; i < window.GetCtrlCount(); ++i) {
        cCtrl* control = window.GetCtrl(i);
        if (control != nullptr && control->IsUsable()) control->OnEvent(kCtrlUpdate, first, second);
    }
    if (window.hoverTimer_ < 0.0f) return;
    const auto elapsed = static_cast<uint32_t>(first);
    window.hoverTimer_ -= static_cast<float>(elapsed) / kMillisecondsPerSecond;
    if (window.hoverTimer_ > 0.0f) return;
    window.hoverTimer_ = cWindow::kHoverStopped;
    const int32_t id = window.hovered_ != nullptr ? window.hovered_->GetId() : cCtrl::kNoId;
    window.GetFunction()->OnEvent(&window, kWndHoverStayed, 0, id);
}

int32_t cWindowFunction::OnMouseMove(cWindow& window, intptr_t first, intptr_t second)
{
    const auto x = static_cast<float>(GuiPointX(second));
    const auto y = static_cast<float>(GuiPointY(second));
    cCtrl* found = nullptr;
    for (int32_t i = window.GetCtrlCount() - 1; i >= 0; --i) {
        cCtrl* control = window.GetCtrl(i);
        if (control != nullptr && control->IsUsable() && control->HitTest(x, y)) {
            found = control;
            break;
        }
    }
    if (found != window.hovered_) {
        cCtrl* old = window.hovered_;
        if (old != nullptr && old->IsUsable()) old->OnEvent(kCtrlMouseLeft, 0, 0);
        if (found != nullptr) {
            if (found->IsUsable()) found->OnEvent(kCtrlMouseEntered, 0, 0);
            window.hoverTimer_ = cWindow::kHoverDelay;
        } else {
            window.hoverTimer_ = cWindow::kHoverStopped;
        }
        window.hovered_ = found;
    }
    int32_t result = 1;
    cCtrl* hovered = window.hovered_;
    if (hovered != nullptr && hovered->IsUsable()) result = hovered->OnEvent(kCtrlMouseMove, first, second);
    if (window.focused_ != nullptr && window.focused_ != hovered)
        SendCtrlEvent(window.focused_, kCtrlMouseMove, first, second);
    return result == 0 ? kConsumed : kNotConsumed;
}

}  // namespace vrk
