// The tutorial chain of level "021": the lighthouse.
#pragma once
#include "game/hints/train_step.h"

namespace train021 {

struct cLighthouseInfo : cTrainStep {
    cLighthouseInfo();
};

}  // namespace train021
