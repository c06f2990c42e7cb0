// The tutorial chain of level "010": the stone that leads to an achievement, then
// where achievements are seen.
#pragma once
#include "game/hints/train_step.h"

namespace train010 {

// Waits until the stone can be clicked.
struct cAchieve0 : cTrainStep {
    cAchieve0();
    bool IsTriggered() override;
    void Finish() override;
};

// The chain's last step.
struct cAchieve1 : cTrainStep {
    cAchieve1();
};

}  // namespace train010
