// cMapWF: the level map's window ("map"): play the player's current level (the
// first chapter's comic pages before level 0) or go back to the main menu.
#pragma once
#include <cstdint>

#include "framework/widgets/base_wf.h"

class cMapWF : public cBaseWF {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

private:
    static void Play();
};
