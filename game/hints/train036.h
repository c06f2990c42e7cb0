// The tutorial chain of level "036": the first succubus on her way to a target, then the altar.
#pragma once
#include "game/hints/train_step.h"

namespace train036 {

// Points at the first succubus with a target of her own and follows her.
struct cSuccubInfo : cTrainStep {
    cSuccubInfo();
    bool IsTriggered() override;
    void Finish() override;
};

// The chain's last step.
struct cAltarInfo : cTrainStep {
    cAltarInfo();
};

}  // namespace train036
