// The tutorial chain of level "011": saving a worker from a goblin, then putting
// workers on the key altar and taking one off again.
#pragma once
#include "game/hints/train_step.h"

namespace train011 {

// Waits for a goblin at work on a tree or nugget.
struct cSaveWorker : cTrainStep {
    cSaveWorker();
    bool IsTriggered() override;
    void Finish() override;
};

// Waits for a first worker at the key altar; done at the second.
struct cAddWorker : cTrainStep {
    cAddWorker();
    bool IsTriggered() override;
    bool IsDone() override;
    void Finish() override;
};

// The chain's last step: shown once a worker works at the key altar, whose used
// places it then remembers; done when they change.
struct cFreeWorker : cTrainStep {
    cFreeWorker();
    bool IsTriggered() override;
    bool IsDone() override;

    int32_t usedPlaces = 0;
};

}  // namespace train011
