// cAchievePopupWF: the window function of "level_achieve", the pop-up of a newly
// earned achievement, which closes itself five seconds after it opened.
#pragma once
#include <cstdint>

#include "framework/widgets/base_wf.h"

class cAchievePopupWF : public cBaseWF {
public:
    static constexpr float kShownSeconds = 5.0f;

    int32_t OnEvent(vrk::cWindow* window, int32_t code, intptr_t first, intptr_t second) override;

    float GetCountdown() const { return countdown_; }

private:
    float countdown_ = 0.0f;
};
