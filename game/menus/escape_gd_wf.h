// cEscapeGDWF: the escape menu's ("escape") handler over a level: resume, restart,
// end (back to the map) and the options.
#pragma once
#include <cstdint>

#include "game/menus/escape_wf.h"

class cEscapeGDWF : public cEscapeWF {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

private:
    void OnButton(vrk::cWindow* window, intptr_t control);
};
