// cFreezeWF: the handler of the level editor's window "freeze", which freezes
// (no picking) and hides (no drawing, no picking) the focused screen's ten draw
// layers. The boxes show the screen's flags when the window opens; the screen takes
// them back when it closes, whatever closed it.
#pragma once
#include <array>
#include <cstdint>

#include "engine/gui/window_function.h"

namespace vrk {
class cCheckBoxSysCtrl;
}

class cFreezeWF : public vrk::cWindowFunction {
public:
    static constexpr int32_t kLayerCount = 10;

    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

private:
    using BoxColumn = std::array<vrk::cCheckBoxSysCtrl*, kLayerCount>;

    void FindBoxes(vrk::cWindow* window);
    void ShowScreenFlags();
    void WriteScreenFlags() const;
    // The clicked control, by its index in the window.
    void OnClicked(vrk::cWindow* window, intptr_t control);
    static void CheckColumn(const BoxColumn& boxes, bool checked);

    BoxColumn freezeBoxes_{};
    BoxColumn hideBoxes_{};
};
