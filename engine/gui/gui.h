// The GUI manager as the engine core uses it: the open windows and their input walk on
// the 1024 x 768 virtual screen, the client rectangle, the cursor shown flag, update,
// draw and the locale broadcast. A stand-in with the least behaviour; the GUI manager's
// own issue replaces it with the full manager (event queue, cursor sprite, controls).
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/gui/window.h"

namespace vrk {

// Window event codes the engine core and this manager send.
enum WindowEvent : int32_t {
    kWndRightButton = 0,
    kWndDraw = 1,
    kWndUpdate = 2,
    kWndKeyDown = 3,
    kWndChar = 4,
    kWndMouseMove = 5,
    kWndLeftDown = 6,
    kWndLeftUp = 7,
    kWndMiddleDown = 17,
    kWndMiddleUp = 18,
    kWndLocaleChanged = 20,
};

// A GUI point in one parameter: y in the high half, x in the low half, 16 bits each.
intptr_t PackGuiPoint(int32_t x, int32_t y);

struct ClientRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

class cGUI {
public:
    cGUI(float width, float height);
    ~cGUI();
    cGUI(const cGUI&) = delete;
    cGUI& operator=(const cGUI&) = delete;

    // Client pixels (origin top left) to GUI units (origin bottom left, 4:3 picture
    // pillar-boxed in the middle). Not clamped. Nothing happens while the client
    // rectangle is empty.
    void ScreenToGui(int32_t& x, int32_t& y) const;

    // Input; true when a window consumed it. Positions are client pixels.
    bool OnKey(int32_t virtualKey);
    bool OnChar(int32_t character);
    bool OnMouseMove(int32_t x, int32_t y);
    // button 0 left, 1 middle, 2 right; up false for a press.
    bool OnMouseButton(int32_t x, int32_t y, int32_t button, bool up);

    // Offers an event to the open windows from the top down: active windows get it
    // through their window function, a result of 1 or a modal window ends the walk as
    // consumed.
    bool WalkOpenWindows(int32_t code, intptr_t first, intptr_t second);

    // Fixed-step update of the open windows (seconds).
    void Update(float dt);
    // Draws the open windows, bottom first.
    void Draw();
    // Every window, open or not, in name order, hears of the new language.
    void OnLocaleChanged();

    // Name -> window; owns the windows.
    std::map<std::string, std::shared_ptr<cWindow>> windows;
    // The open windows, bottom first; the last one is the top window.
    std::vector<std::shared_ptr<cWindow>> openWindows;

    float virtualWidth;
    float virtualHeight;
    ClientRect clientRect;
    // The game draws its own cursor while this is set; the application sets it when it
    // installs its cursor.
    bool cursorShown = true;
    float cursorX = 0.0f;
    float cursorY = 0.0f;
};

}  // namespace vrk
