// cNameWF: the handler of the level editor's window "name", which renames the
// focused screen's level. The new name is stored and the level's one background
// follows it; nothing else of the level is set up again.
#pragma once
#include <cstdint>

#include "engine/gui/window_function.h"

namespace vrk {
class cCtrl;
}

class cNameWF : public vrk::cWindowFunction {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

private:
    void Rename() const;

    vrk::cCtrl* nameField_ = nullptr;
    // The key that opened the window also arrives as a character; it is dropped.
    bool swallowNextChar_ = false;
};
