// The tutorial chain of level "032": the enemy altar.
#pragma once
#include "game/hints/train_step.h"

namespace train032 {

struct cAltarEnemyInfo : cTrainStep {
    cAltarEnemyInfo();
};

}  // namespace train032
