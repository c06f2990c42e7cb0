// cMainGDWF: the main menu's ("menu") handler: its buttons lead to the map, the
// achievements, the profiles, the options and out of the game.
#pragma once
#include <cstdint>

#include "game/menus/main_wf.h"

class cMainGDWF : public cMainWF {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

private:
    void OnButton(vrk::cWindow* window, intptr_t control);
};
