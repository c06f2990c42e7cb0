// The GUI manager stand-in: coordinate mapping and the open-window walk.
#include "engine/gui/gui.h"

namespace vrk {

namespace {

// The picture keeps 4:3; the float is the one the renderer's letterbox uses too.
constexpr float kFourThirds = 1.3333334f;
constexpr int32_t kHalfBits = 16;
constexpr int32_t kHalfMask = 0xFFFF;
constexpr float kMillisecondsPerSecond = 1000.0f;

}  // namespace

intptr_t PackGuiPoint(int32_t x, int32_t y)
{
    return static_cast<intptr_t>((static_cast<uint32_t>(y & kHalfMask) << kHalfBits) |
                                 static_cast<uint32_t>(x & kHalfMask));
}

cGUI::cGUI(float width, float height) : virtualWidth(width), virtualHeight(height) {}

cGUI::~cGUI()
{
    openWindows.clear();
    windows.clear();
}

void cGUI::ScreenToGui(int32_t& x, int32_t& y) const
{
    const int32_t width = clientRect.width;
    const int32_t height = clientRect.height;
    if (width == 0 || height == 0) return;
    const int32_t virtualW = static_cast<int32_t>(virtualWidth);
    const int32_t virtualH = static_cast<int32_t>(virtualHeight);
    const int32_t width43 = static_cast<int32_t>(static_cast<float>(height) * kFourThirds);
    const bool pillarBox = width43 < width;
    if (pillarBox) x -= (width - width43) / 2;
    x = virtualW * x / width;
    y = virtualH - (y * virtualH) / height;
    if (pillarBox && width43 != 0) x = x * width / width43;
}

bool cGUI::WalkOpenWindows(int32_t code, intptr_t first, intptr_t second)
{
    // A copy: a window function may open or close windows while it handles the event.
    const std::vector<std::shared_ptr<cWindow>> open = openWindows;
    for (auto it = open.rbegin(); it != open.rend(); ++it) {
        cWindow* window = it->get();
        if (window->active && window->GetFunction()->OnEvent(window, code, first, second) == 1)
            return true;
        if (window->modal) return true;
    }
    return false;
}

bool cGUI::OnKey(int32_t virtualKey) { return WalkOpenWindows(kWndKeyDown, virtualKey, 0); }

bool cGUI::OnChar(int32_t character) { return WalkOpenWindows(kWndChar, character, 0); }

bool cGUI::OnMouseMove(int32_t x, int32_t y)
{
    if (cursorShown) {
        cursorX = static_cast<float>(x);
        cursorY = static_cast<float>(clientRect.height - y);
    }
    ScreenToGui(x, y);
    return WalkOpenWindows(kWndMouseMove, 0, PackGuiPoint(x, y));
}

bool cGUI::OnMouseButton(int32_t x, int32_t y, int32_t button, bool up)
{
    int32_t code = kWndRightButton;
    if (button == 0) code = up ? kWndLeftUp : kWndLeftDown;
    if (button == 1) code = up ? kWndMiddleUp : kWndMiddleDown;
    ScreenToGui(x, y);
    return WalkOpenWindows(code, 0, PackGuiPoint(x, y));
}

void cGUI::Update(float dt)
{
    const auto elapsed = static_cast<intptr_t>(dt * kMillisecondsPerSecond);
    const std::vector<std::shared_ptr<cWindow>> open = openWindows;
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        (*it)->GetFunction()->OnEvent(it->get(), kWndUpdate, elapsed, 0);
}

void cGUI::Draw()
{
    const std::vector<std::shared_ptr<cWindow>> open = openWindows;
    for (const auto& window : open) window->GetFunction()->OnEvent(window.get(), kWndDraw, 0, 0);
}

void cGUI::OnLocaleChanged()
{
    for (const auto& [name, window] : windows) {
        if (window) window->GetFunction()->OnEvent(window.get(), kWndLocaleChanged, 0, 0);
    }
}

}  // namespace vrk
