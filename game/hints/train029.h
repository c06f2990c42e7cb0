// The tutorial chain of level "029": the first goblin at work.
#pragma once
#include "game/hints/train_step.h"

namespace train029 {

// Points at the first goblin picking a tree or nugget; waits for one.
struct cGoblinInfo : cTrainStep {
    cGoblinInfo();
    bool IsTriggered() override;
};

}  // namespace train029
