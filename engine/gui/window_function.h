// The event handler object of a GUI window. Its default handler draws and updates the
// window's controls, tracks the hovered and focused control and routes input to them;
// the game's dialog handlers derive from it and call it for what they leave alone.
#pragma once
#include <cstdint>

#include "engine/gui/gui_events.h"

namespace vrk {

class cWindow;

class cWindowFunction {
public:
    // Handlers of the game own members, so they are destroyed through this class.
    virtual ~cWindowFunction() = default;

    // 1 when the event was consumed, anything else when not. The parameters are
    // pointer-sized so a handler can be given any value a window posts to itself.
    virtual int32_t OnEvent(cWindow* window, int32_t code, intptr_t first, intptr_t second);

private:
    int32_t OnMouseMove(cWindow& window, intptr_t first, intptr_t second);
    void OnUpdate(cWindow& window, intptr_t first, intptr_t second);
};

}  // namespace vrk
