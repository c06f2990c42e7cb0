// cTrain: the base behaviour of a tutorial step (always triggered, done unless it
// waits for a click, pointing at its target or control) and the one tick every
// step runs: delay, trigger, show, done, close and finish.
#include "game/level/train.h"

#include "engine/gui/ctrl.h"
#include "engine/gui/gui.h"
#include "engine/platform/game_core.h"
#include "engine/sound/sound_play.h"
#include "framework/objects/object.h"
#include "framework/objects/small_math.h"
#include "game/hints/train_wf.h"
#include "game/level/hint_aim.h"
#include "game/level/magic_widget.h"
#include "objects/level_screen.h"

namespace {
// The wait before a step's first trigger test, in seconds.
constexpr float kDefaultDelay = 1.0f;
constexpr float kTick = 1.0f / 30.0f;
constexpr const char* kTrainWindow = "train";
constexpr const char* kHintSound = "hint";

vrk::cGUI* Gui()
{
    vrk::cGame* game = vrk::GetGame();
    return game != nullptr ? game->gui.get() : nullptr;
}
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
        vec2 aim;
        if (!FindHintAim(*target, aim)) {
            // Nothing solid to aim at: the middle of whatever the frame holds.
            Rect rect;
            target->GetFrameRect(rect, -1);
            aim = vec2{rect.x + rect.width * 0.5f, rect.y + rect.height * 0.5f};
        }
        // The hint window works in GUI units; the level's view maps onto them.
        LevelScreen* screen = CurrentLevelScreen();
        point = screen != nullptr ? screen->WorldToScreen(aim) : aim;
        // The frame keeps the arrow's reach from the point, so the tip lands on it.
        cMagicWidget* widget = CurrentMagicWidget();
        radius = widget != nullptr && widget->trainWindow != nullptr ? widget->trainWindow->GetArrowReach() : 0.0f;
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

void cTrain::Tick(cTrainWF* window)
{
    if (delay.Step(kTick) == kTimedMoving) return;
    if (stage == kStageOver) return;
    if (stage == kStageWaiting) {
        if (!IsTriggered()) return;
        vec2 point;
        float radius = 0.0f;
        if (!GetTarget(point, radius)) {
            stage = kStageOver;
            return;
        }
        if (window != nullptr)
            window->ShowHint(text, point.x, point.y, waitClick, static_cast<uint32_t>(placement), radius);
        if (vrk::cGUI* gui = Gui()) gui->ShowWindow(kTrainWindow);
        vrk::PlaySound(kHintSound);
        stage = kStageShown;
        return;
    }
    if (stage == kStageShown) {
        if (IsDone()) {
            stage = kStageDone;
        } else if (follow) {
            vec2 point;
            float radius = 0.0f;
            if (GetTarget(point, radius) && window != nullptr)
                window->ShowHint(text, point.x, point.y, waitClick, static_cast<uint32_t>(placement), radius);
        }
    }
    if (stage == kStageDone) {
        if (vrk::cGUI* gui = Gui()) gui->AskCloseWindow(kTrainWindow);
        stage = kStageOver;
        // Last: a step with a follower deletes itself here.
        Finish();
    }
}
