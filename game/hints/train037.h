// The tutorial chain of level "037": seating a worker in the mill and freeing it
// again, then the witch and the worker she froze.
#pragma once
#include "game/hints/train_step.h"

namespace train037 {

struct cAddWorker : cTrainStep {
    cAddWorker();
    bool IsDone() override;
    void Finish() override;
};

struct cAddedWorker : cTrainStep {
    cAddedWorker();
    void Finish() override;
};

// Shown no earlier than 20 s after the seat was taken: the worker works a while.
struct cFreeWorker : cTrainStep {
    cFreeWorker();
    bool IsDone() override;
    void Finish() override;
};

struct cFreedWorker : cTrainStep {
    cFreedWorker();
    void Finish() override;
};

// Points at the first witch that has a target of her own, and follows her.
struct cKillWitch : cTrainStep {
    cKillWitch();
    bool IsTriggered() override;
    bool IsDone() override;
    void Finish() override;
};

// The chain's last step: points at a frozen worker (else any worker not seated).
struct cKilledWitch : cTrainStep {
    cKilledWitch();
};

}  // namespace train037
