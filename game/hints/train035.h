// The tutorial chain of level "035": the night dial, the bonfires lit at night and
// stewed out by day.
#pragma once
#include "game/hints/train_step.h"

namespace train035 {

struct cNightTimer : cTrainStep {
    cNightTimer();
    void Finish() override;
};

struct cBonfireInfo : cTrainStep {
    cBonfireInfo();
    void Finish() override;
};

// Waits for the night.
struct cBonfire0 : cTrainStep {
    cBonfire0();
    bool IsTriggered() override;
    bool IsDone() override;
    void Finish() override;
};

struct cBonfire1 : cTrainStep {
    cBonfire1();
    bool IsDone() override;
    void Finish() override;
};

// Waits for the day.
struct cBonfireStew0 : cTrainStep {
    cBonfireStew0();
    bool IsTriggered() override;
    bool IsDone() override;
    void Finish() override;
};

// The chain's last step.
struct cBonfireStew1 : cTrainStep {
    cBonfireStew1();
    bool IsDone() override;
};

}  // namespace train035
