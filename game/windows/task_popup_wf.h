// cTaskPopupWF: the window function of "level_task", the HUD's task tooltip. It
// fades in and out like every dialog, but without the zoom, so it stays beside the
// task row it explains.
#pragma once
#include <cstdint>

#include "framework/widgets/base_wf.h"

class cTaskPopupWF : public cBaseWF {
public:
    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;
};
