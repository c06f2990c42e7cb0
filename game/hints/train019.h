// The tutorial chain of level "019": the enemy tower, then the altar.
#pragma once
#include "game/hints/train_step.h"

namespace train019 {

struct cTowerEnemyInfo : cTrainStep {
    cTowerEnemyInfo();
    void Finish() override;
};

// The chain's last step.
struct cAltarInfo : cTrainStep {
    cAltarInfo();
};

}  // namespace train019
