// The tutorial chain of level "009": the enemy altar, the altar, the bell once the
// witch's freeze is nearly over, and upgrading a house.
#pragma once
#include "game/hints/train_step.h"

namespace train009 {

struct cAltarEnemyInfo : cTrainStep {
    cAltarEnemyInfo();
    void Finish() override;
};

struct cAltarInfo : cTrainStep {
    cAltarInfo();
    void Finish() override;
};

// Waits for the last quarter of the freeze spell.
struct cBellInfo : cTrainStep {
    cBellInfo();
    bool IsTriggered() override;
    void Finish() override;
};

// The chain's last step: waits until the house is built and not yet raised.
struct cUpgradeHouse : cTrainStep {
    cUpgradeHouse();
    bool IsTriggered() override;
};

}  // namespace train009
