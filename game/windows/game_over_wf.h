// cGameOverWF: the window function of "game_over", the lost level's window: the
// reason (filled in by the level screen), "restart" and "map". It shows at once,
// without the dialogs' fade.
#pragma once
#include <cstdint>

#include "framework/widgets/base_wf.h"

class cGameOverWF : public cBaseWF {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;
};
