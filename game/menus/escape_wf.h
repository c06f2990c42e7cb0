// cEscapeWF: the escape menu's ("escape") common handling under cEscapeGDWF: the
// pause it holds over the level, and the keys and the middle button that resume.
#pragma once
#include <cstdint>

#include "framework/widgets/base_wf.h"

class cEscapeWF : public cBaseWF {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

protected:
    // Only the escape menu's own handler is made.
    cEscapeWF() = default;

    // Gives back the one pause the menu holds (not below 0). Each button that
    // leaves the menu calls it.
    static void ReleasePause();
};
