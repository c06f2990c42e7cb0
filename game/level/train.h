// cTrain: one step of a level's tutorial: a framed text that points at an object
// or a control, appears when its trigger holds and goes when the player has done
// what it asks. The level screen holds the current one and deletes it when the
// level is cleared; the steps of each level derive from it.
#pragma once
#include <cstdint>
#include <string>

#include "framework/objects/timed_value.h"
#include "framework/objects/vec2.h"

class cObject;
class cTrainWF;
namespace vrk {
class cCtrl;
}

class cTrain {
public:
    // Placement flags handed to the tutorial window unless a step says otherwise.
    static constexpr int32_t kDefaultPlacement = 33;
    // Stages of a step.
    static constexpr int32_t kStageWaiting = 0;
    static constexpr int32_t kStageShown = 1;
    static constexpr int32_t kStageDone = 2;
    static constexpr int32_t kStageOver = -1;

    // A wait-for-click step closes by itself after this long on screen (seconds).
    static constexpr float kClickWait = 10.0f;

    cTrain();
    // The screen deletes the steps through this type.
    virtual ~cTrain() = default;
    cTrain(const cTrain&) = delete;
    cTrain& operator=(const cTrain&) = delete;

    // One play tick of the step: the delay, then the trigger test and showing it
    // through the window (opened, with the "hint" sound), the done test (a
    // following step moves with its target) and the close. Finish comes last: it may
    // delete this step, so the caller must not touch it after Tick returns but look
    // at the screen's current step again. A null window shows nothing.
    void Tick(cTrainWF* window);

    // May the step appear now? Always, unless a step says otherwise.
    virtual bool IsTriggered();
    // Has the player done it? True exactly when the step does not wait for a click.
    virtual bool IsDone();
    // Marks the step finished; a step with a follower replaces the screen's current
    // step with it.
    virtual void Finish();
    // Where to point: nowhere for an untargeted step, else the target as drawn (the
    // build icon of a site, else a solid point of its picture) at the hint arrow's
    // reach, so that the tip touches it, or the control's middle; false when there is
    // nothing to point at.
    virtual bool GetTarget(vec2& point, float& radius);

    std::string text;
    cObject* target = nullptr;
    vrk::cCtrl* control = nullptr;
    bool untargeted = false;
    bool waitClick = false;
    int32_t placement = kDefaultPlacement;
    bool follow = false;
    int32_t stage = kStageWaiting;
    // The wait before the first trigger test.
    TimedValue<float> delay;
    bool finished = false;
};
