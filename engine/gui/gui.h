// The GUI manager: owns every GUI window by name, keeps the stack of open windows,
// turns input into window events on the 1024 x 768 virtual screen (y up), delivers
// queued window events, draws the open windows and the software cursor, and tells
// every window of a language change.
#pragma once
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/gui/gui_events.h"
#include "engine/gui/window.h"

namespace vrk {

class cTexture;

struct ClientRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The software cursor: client pixels with the origin at the bottom left.
struct CursorSprite {
    float x = 0.0f;
    float y = 0.0f;
    float width = 64.0f;
    float height = 64.0f;
    std::shared_ptr<cTexture> texture;
    uint32_t align = kAlignLeft | kAlignTop;
};

// One posted window event. The target is held weakly: a window replaced before the
// delivery loses its events.
struct QueuedWindowEvent {
    int32_t code = 0;
    std::weak_ptr<cWindow> target;
    intptr_t first = 0;
    intptr_t second = 0;
};

using WindowMap = std::map<std::string, std::shared_ptr<cWindow>>;

class cGUI {
public:
    static constexpr float kBlinkPeriod = 0.5f;

    cGUI(float width, float height);
    // Event 9 to every window in name order, then the windows are destroyed.
    ~cGUI();
    cGUI(const cGUI&) = delete;
    cGUI& operator=(const cGUI&) = delete;

    // Client pixels (origin top left) to GUI units (origin bottom left, 4:3 picture
    // pillar-boxed in the middle). Not clamped. Nothing happens while the client
    // rectangle is empty.
    void ScreenToGui(int32_t& x, int32_t& y) const;

    // Makes and stores a window (replacing, and closing, any of that name), sends it
    // event 8 and returns it. A null function gets the default one.
    cWindow* AddWindow(const std::string& name, std::unique_ptr<cWindowFunction> function = nullptr);
    void ShowWindow(const std::string& name);
    // Event 11 to the window; its handler decides (the default one closes it).
    void AskCloseWindow(const std::string& name);
    void CloseWindow(const std::string& name);
    bool IsWindowOpen(const std::string& name) const;
    // The window stored under the name, or null.
    cWindow* FindWindow(const std::string& name) const;
    // The map's first window in name order, or null; GetNextWindow walks on from it.
    cWindow* GetFirstWindow() const;
    cWindow* GetNextWindow(const cWindow* window) const;

    // Delivered by the next Update. A null window posts nothing.
    void PostEvent(cWindow* window, int32_t code, intptr_t first, intptr_t second);

    // Input; true when a window consumed it. Positions are client pixels with the
    // origin at the top left; button 0 left, 1 middle, 2 right.
    bool OnKey(int32_t virtualKey);
    bool OnChar(int32_t character);
    bool OnMouseMove(int32_t x, int32_t y);
    bool OnMouseButton(int32_t x, int32_t y, int32_t button, bool up);
    // Offers an event to the open windows from the top down: active windows get it
    // through their window function; a result of 1 or a modal window ends the walk as
    // consumed.
    bool WalkOpenWindows(int32_t code, intptr_t first, intptr_t second);
    // Whether a left press now would stay with the open windows (the walk above with
    // a press): an active window's hovered control that is usable and enabled takes
    // it, a modal window takes every press. The screen below gets none of those.
    bool TakesPress() const;

    // Seconds; the engine core calls it on every fixed step.
    void Update(float dt);
    // Called by the focused screen while it draws.
    void Draw();
    // Event 20 to every window, open or not, in name order.
    void OnLocaleChanged();

    // Takes the cursor picture from the texture registry (an empty entry when the
    // registry does not hold the name).
    void SetCursorTexture(const std::string& textureName);

    const WindowMap& Windows() const { return windows_; }
    const std::vector<std::shared_ptr<cWindow>>& OpenWindows() const { return openWindows_; }
    size_t QueuedEvents() const { return queue_.size(); }
    // Edit fields draw their caret only while this is set.
    bool CaretBlink() const { return caretBlink_; }

    float virtualWidth;
    float virtualHeight;
    ClientRect clientRect;
    bool cursorShown = true;
    CursorSprite cursor;

private:
    void SendToOpenFromTop(int32_t code, size_t below);
    void DrawCursor();
    std::shared_ptr<cWindow> FindShared(const std::string& name) const;
    bool IsOpen(const cWindow* window) const;

    std::deque<QueuedWindowEvent> queue_;
    WindowMap windows_;
    std::vector<std::shared_ptr<cWindow>> openWindows_;
    float blinkTime_ = 0.0f;
    bool caretBlink_ = false;
};

}  // namespace vrk
