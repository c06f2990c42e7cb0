// The event handler object of a GUI window. Stand-in with only what the engine core's
// input walk needs; the GUI manager's own issue replaces it with the full default
// handler.
#pragma once
#include <cstdint>

namespace vrk {

class cWindow;

class cWindowFunction {
public:
    virtual ~cWindowFunction() = default;

    // 1 when the event was consumed. Parameters are pointer-sized so a handler can
    // be given any value a window posts to itself.
    virtual int32_t OnEvent(cWindow* window, int32_t code, intptr_t first, intptr_t second);
};

}  // namespace vrk
