// cTrain: the base behaviour of a tutorial step (always triggered, done unless it
// waits for a click, pointing at its target or control).
#include "game/level/train.h"

#include <algorithm>

#include "engine/gui/ctrl.h"
#include "framework/objects/object.h"
#include "framework/objects/small_math.h"

namespace {
// The wait before a step's first trigger test, in seconds.
constexpr float kDefaultDelay = 1.0f;
}  // namespace

cTrain::cTrain()
{
    delay.speed = 1.0f;
    delay.SetTarget(kDefaultDelay);
}

bool cTrain::IsTriggered() { return true; }

bool cTrain::IsDone() { return !waitClick; }

void cTrain::Finish() { finished = true; }

bool cTrain::GetTarget(vec2& point, float& radius)
{
    if (untargeted) {
        point = vec2{0.0f, 0.0f};
        radius = 0.0f;
        return true;
    }
    if (target != nullptr) {
        Rect rect;
        target->GetFrameRect(rect, -1);
        point = vec2{rect.x + rect.width * 0.5f, rect.y + rect.height * 0.5f};
        radius = std::min(rect.width, rect.height) / 3.0f;
        return true;
    }
    if (control != nullptr) {
        const vrk::GuiRect rect = control->GetRect();
        point = vec2{rect.x + rect.width * 0.5f, rect.y + rect.height * 0.5f};
        radius = rect.height * 0.5f;
        return true;
    }
    return false;
}
