// The tutorial chain of level "020": the tank, then the bell.
#pragma once
#include "game/hints/train_step.h"

namespace train020 {

struct cTankInfo : cTrainStep {
    cTankInfo();
    void Finish() override;
};

// The chain's last step.
struct cBellInfo : cTrainStep {
    cBellInfo();
};

}  // namespace train020
