// The tutorial chain of level "001": the tower site.
#pragma once
#include "game/hints/train_step.h"

namespace train001 {

struct cBuildTower : cTrainStep {
    cBuildTower();
};

}  // namespace train001
