// The tutorial chain of level "003": the first goblin at work.
#pragma once
#include "game/hints/train_step.h"

namespace train003 {

// Points at the first goblin picking a tree or nugget; waits for one.
struct cGoblinInfo : cTrainStep {
    cGoblinInfo();
    bool IsTriggered() override;
};

}  // namespace train003
