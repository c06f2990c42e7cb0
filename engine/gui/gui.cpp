// The GUI manager: window map and open stack, coordinate mapping, the input walk,
// the event queue, drawing with the software cursor, and the locale broadcast.
#include "engine/gui/gui.h"

#include <algorithm>

#include "engine/gui/ctrl.h"
#include "engine/log/log.h"
#include "engine/platform/game_core.h"
#include "engine/render/render.h"
#include "engine/render/texture.h"
#include "engine/render/vertex_batch.h"

namespace vrk {

namespace {

const char* const kSender = "cGUI";
const char* const kWarning = "^5";
const char* const kError = "^4";

// The picture keeps 4:3; the float is the one the renderer's letterbox uses too.
constexpr float kFourThirds = 1.3333334f;
constexpr float kMillisecondsPerSecond = 1000.0f;
// The GUI's own alpha test keeps the soft edges of its pictures.
constexpr float kWindowAlphaReference = 0.05f;
// 12 of 255; the half keeps the byte from truncating to 11.
constexpr float kCursorAlphaReference = 12.5f / 255.0f;
constexpr uint32_t kBatchTexCoordSize = 2;
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;

enum MouseButton : int32_t { kLeftButton = 0, kMiddleButton = 1 };

int32_t ButtonCode(int32_t button, bool up)
{
    if (button == kLeftButton) return up ? kWndLeftUp : kWndLeftDown;
    if (button == kMiddleButton) return up ? kWndMiddleUp : kWndMiddleDown;
    return kWndRightButton;
}

void SendTo(cWindow& window, int32_t code, intptr_t first = 0, intptr_t second = 0)
{
    window.GetFunction()->OnEvent(&window, code, first, second);
}

void RestoreDefaultState(cRender& render)
{
    render.SetBlendMode(cRender::kBlendOff, 0.0f);
    render.SetVertexFormat(true, false, true, kBatchTexCoordSize);
    render.SetViewport(0, 0, 0, 0);
}

}  // namespace

cGUI::cGUI(float width, float height) : virtualWidth(width), virtualHeight(height) {}

cGUI::~cGUI()
{
    cursor = CursorSprite{};
    openWindows_.clear();
    queue_.clear();
    // A copy: a handler may touch the map while it hears of its end.
    const WindowMap windows = windows_;
    for (const auto& [name, window] : windows) {
        if (window) SendTo(*window, kWndDestroying);
    }
    windows_.clear();
}

void cGUI::ScreenToGui(int32_t& x, int32_t& y) const
{
    const int32_t width = clientRect.width;
    const int32_t height = clientRect.height;
    if (width == 0 || height == 0) return;
    const auto virtualW = static_cast<int32_t>(virtualWidth);
    const auto virtualH = static_cast<int32_t>(virtualHeight);
    const auto width43 = static_cast<int32_t>(static_cast<float>(height) * kFourThirds);
    const bool pillarBox = width43 < width;
    if (pillarBox) x -= (width - width43) / 2;
    x = virtualW * x / width;
    y = virtualH - (y * virtualH) / height;
    // width43 is at least 1 for any height of 1 or more; the guard is for the reader.
    if (pillarBox && width43 != 0) x = x * width / width43;
}

cWindow* cGUI::AddWindow(const std::string& name, std::unique_ptr<cWindowFunction> function)
{
    auto window = std::make_shared<cWindow>(this, name, std::move(function));
    auto& slot = windows_[name];
    if (slot) {
        // The old window leaves the stack with its map entry; its queued events lapse.
        const auto old = std::find(openWindows_.begin(), openWindows_.end(), slot);
        if (old != openWindows_.end()) openWindows_.erase(old);
    }
    slot = window;
    SendTo(*window, kWndCreated);
    return window.get();
}

std::shared_ptr<cWindow> cGUI::FindShared(const std::string& name) const
{
    const auto it = windows_.find(name);
    return it != windows_.end() ? it->second : nullptr;
}

cWindow* cGUI::FindWindow(const std::string& name) const { return FindShared(name).get(); }

bool cGUI::IsOpen(const cWindow* window) const
{
    return std::any_of(openWindows_.begin(), openWindows_.end(),
                       [window](const auto& open) { return open.get() == window; });
}

void cGUI::SendToOpenFromTop(int32_t code, size_t below)
{
    // A copy: the handlers may open or close windows.
    const std::vector<std::shared_ptr<cWindow>> open(openWindows_.begin(),
                                                    openWindows_.begin() + static_cast<long>(below));
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        SendTo(**it, code);
        if ((*it)->modal) break;
    }
}

void cGUI::ShowWindow(const std::string& name)
{
    const auto it = windows_.find(name);
    if (it == windows_.end()) {
        if (GetGame() != nullptr)
            LogWrite(kSender, kWarning, "Window with name '%s' not found!", FormatArg::FromString(name));
        return;
    }
    const std::shared_ptr<cWindow> window = it->second;
    if (!window) {
        LogWrite(kSender, kError, "Window with name '%s' not found! After checking!!!",
                 FormatArg::FromString(name));
        return;
    }
    if (window->modal) SendToOpenFromTop(kWndDeactivated, openWindows_.size());
    if (!IsOpen(window.get())) openWindows_.push_back(window);
    SendTo(*window, kWndOpened);
    SendTo(*window, kWndActivated);
}

void cGUI::AskCloseWindow(const std::string& name)
{
    if (const std::shared_ptr<cWindow> window = FindShared(name)) SendTo(*window, kWndCloseRequested);
}

void cGUI::CloseWindow(const std::string& name)
{
    const std::shared_ptr<cWindow> window = FindShared(name);
    if (!window || !IsOpen(window.get())) return;
    SendTo(*window, kWndDeactivated);
    if (window->modal) {
        // The handler of event 16 may have changed the stack: look the window up again.
        const auto place = std::find(openWindows_.begin(), openWindows_.end(), window);
        SendToOpenFromTop(kWndActivated, static_cast<size_t>(place - openWindows_.begin()));
    }
    SendTo(*window, kWndClosed);
    const auto place = std::find(openWindows_.begin(), openWindows_.end(), window);
    if (place != openWindows_.end()) openWindows_.erase(place);
}

bool cGUI::IsWindowOpen(const std::string& name) const
{
    const std::shared_ptr<cWindow> window = FindShared(name);
    return window && IsOpen(window.get());
}

cWindow* cGUI::GetFirstWindow() const
{
    return windows_.empty() ? nullptr : windows_.begin()->second.get();
}

cWindow* cGUI::GetNextWindow(const cWindow* window) const
{
    if (window == nullptr) return nullptr;
    for (auto it = windows_.begin(); it != windows_.end(); ++it) {
        if (it->second.get() != window) continue;
        const auto next = std::next(it);
        return next != windows_.end() ? next->second.get() : nullptr;
    }
    return nullptr;
}

void cGUI::PostEvent(cWindow* window, int32_t code, intptr_t first, intptr_t second)
{
    if (window == nullptr) return;
    queue_.push_back(QueuedWindowEvent{code, window->weak_from_this(), first, second});
}

bool cGUI::WalkOpenWindows(int32_t code, intptr_t first, intptr_t second)
{
    // A copy: a window function may open or close windows while it handles the event.
    const std::vector<std::shared_ptr<cWindow>> open = openWindows_;
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        cWindow& window = **it;
        if (window.active && window.GetFunction()->OnEvent(&window, code, first, second) == 1)
            return true;
        if (window.modal) return true;
    }
    return false;
}

bool cGUI::TakesPress() const
{
    for (auto it = openWindows_.rbegin(); it != openWindows_.rend(); ++it) {
        const cWindow& window = **it;
        const cCtrl* hovered = window.GetHover();
        if (window.active && hovered != nullptr && hovered->IsUsable() && !hovered->HasFlag(kCtrlDisabled)) {
            return true;
        }
        if (window.modal) return true;
    }
    return false;
}

bool cGUI::OnKey(int32_t virtualKey) { return WalkOpenWindows(kWndKeyDown, virtualKey, 0); }

bool cGUI::OnChar(int32_t character) { return WalkOpenWindows(kWndChar, character, 0); }

bool cGUI::OnMouseMove(int32_t x, int32_t y)
{
    if (cursorShown) {
        cursor.x = static_cast<float>(x);
        cursor.y = static_cast<float>(clientRect.height - y);
    }
    ScreenToGui(x, y);
    return WalkOpenWindows(kWndMouseMove, 0, PackGuiPoint(x, y));
}

bool cGUI::OnMouseButton(int32_t x, int32_t y, int32_t button, bool up)
{
    ScreenToGui(x, y);
    return WalkOpenWindows(ButtonCode(button, up), 0, PackGuiPoint(x, y));
}

void cGUI::Update(float dt)
{
    while (!queue_.empty()) {
        const QueuedWindowEvent event = queue_.front();
        queue_.pop_front();
        if (const std::shared_ptr<cWindow> target = event.target.lock())
            target->GetFunction()->OnEvent(target.get(), event.code, event.first, event.second);
    }
    const auto elapsed = static_cast<intptr_t>(dt * kMillisecondsPerSecond);
    for (auto it = openWindows_.rbegin(); it != openWindows_.rend(); ++it)
        PostEvent(it->get(), kWndUpdate, elapsed, 0);
    blinkTime_ += dt;
    if (blinkTime_ > kBlinkPeriod) {
        blinkTime_ = 0.0f;
        caretBlink_ = !caretBlink_;
    }
}

void cGUI::Draw()
{
    cRender* render = GetRender();
    if (render != nullptr) {
        render->SetOrtho2D(true, virtualWidth, virtualHeight);
        render->SetBlendMode(cRender::kBlendAlpha, kWindowAlphaReference);
    }
    const std::vector<std::shared_ptr<cWindow>> open = openWindows_;
    for (const auto& window : open) SendTo(*window, kWndDraw);
    if (render == nullptr) return;
    RestoreDefaultState(*render);
    render->SetOrtho2D(false, static_cast<float>(clientRect.width), static_cast<float>(clientRect.height));
    render->SetBlendMode(cRender::kBlendAlpha, kCursorAlphaReference);
    if (cursorShown) DrawCursor();
    RestoreDefaultState(*render);
}

void cGUI::DrawCursor()
{
    cGame* game = GetGame();
    // Without a picture there is nothing to show (a bare quad would be a white block).
    if (game == nullptr || !game->batch || !cursor.texture) return;
    float x = cursor.x;
    float y = cursor.y;
    if ((cursor.align & kAlignCenter) != 0) x -= cursor.width * 0.5f;
    else if ((cursor.align & kAlignRight) != 0) x -= cursor.width;
    if ((cursor.align & kAlignMiddle) != 0) y -= cursor.height * 0.5f;
    else if ((cursor.align & kAlignTop) != 0) y -= cursor.height;
    VertexBatch& batch = *game->batch;
    batch.Clear();
    cRender::AddQuad(batch, cursor.texture, 0.0f, 0.0f, 1.0f, 1.0f, x, y, cursor.width, cursor.height,
                     kOpaqueWhite);
    if (cRender* render = GetRender()) render->DrawVertexBatch(batch);
}

void cGUI::OnLocaleChanged()
{
    const WindowMap windows = windows_;
    for (const auto& [name, window] : windows) {
        if (window) SendTo(*window, kWndLocaleChanged);
    }
}

void cGUI::SetCursorTexture(const std::string& textureName)
{
    cursor.texture = GetTextureMap()[textureName];
}

}  // namespace vrk
