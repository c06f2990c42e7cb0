// The tutorial chain of level "000": felling a tree, repairing a bridge, the task
// panel, the level clock, a field, a second bridge, a barrier, the altar, a house,
// the targets and the right click, in that order.
#pragma once
#include "game/hints/train_step.h"

namespace train000 {

struct cTakeTree : cTrainStep {
    cTakeTree();
    bool IsDone() override;
    void Finish() override;
};

struct cRepairBridge0 : cTrainStep {
    cRepairBridge0();
    bool IsDone() override;
    void Finish() override;
};

struct cPanelTask : cTrainStep {
    cPanelTask();
    bool IsDone() override;
    void Finish() override;
};

struct cLevelTime : cTrainStep {
    cLevelTime();
    void Finish() override;
};

struct cTakeField : cTrainStep {
    cTakeField();
    bool IsDone() override;
    void Finish() override;
};

struct cRepairBridge1 : cTrainStep {
    cRepairBridge1();
    bool IsDone() override;
    void Finish() override;
};

struct cRemoveBarrier : cTrainStep {
    cRemoveBarrier();
    bool IsDone() override;
    void Finish() override;
};

// Done once the altar's spell was cast: the altar then clears the step's target.
struct cUseAltar : cTrainStep {
    cUseAltar();
    bool IsDone() override;
    void Finish() override;
};

struct cBuildHouse : cTrainStep {
    cBuildHouse();
    bool IsDone() override;
    void Finish() override;
};

struct cTargets : cTrainStep {
    cTargets();
    void Finish() override;
};

// The chain's last step.
struct cRightClick : cTrainStep {
    cRightClick();
};

}  // namespace train000
