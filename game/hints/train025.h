// The tutorial chain of level "025": the bandit, then the prison.
#pragma once
#include "game/hints/train_step.h"

namespace train025 {

struct cBanditInfo : cTrainStep {
    cBanditInfo();
    void Finish() override;
};

// The chain's last step.
struct cPrisonInfo : cTrainStep {
    cPrisonInfo();
};

}  // namespace train025
