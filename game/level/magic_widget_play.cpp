// cMagicWidget: the play tick. The level clock with its time warnings, the day and
// night cycle, the blocked-workers check, the spell timers, the lights' flicker,
// the camps' script, the ambience, the two enemy spells and the tutorial step.
#include <string>

#include "engine/gui/gui.h"
#include "engine/platform/game_core.h"
#include "engine/sound/sound_play.h"
#include "engine/text/text_table.h"
#include "framework/app/middle.h"
#include "framework/app/player_base.h"
#include "framework/app/player_list.h"
#include "game/level/magic_widget.h"
#include "game/level/train.h"
#include "objects/level_contract.h"
#include "objects/spell_table.h"
#include "objects/tower.h"
#include "objects/worker.h"

namespace {

constexpr float kTick = 1.0f / 30.0f;
constexpr float kWarnRatio = 0.6666667f;
constexpr float kCheckSeconds = 4.0f;
constexpr float kTwoPi = 6.2831855f;
constexpr int32_t kSuccubusWindowTicks = 15;
constexpr int32_t kBlockedCheckSpell = 3;
constexpr int32_t kManaIndex = 3;
constexpr int32_t kWorkerDeadState = -2;
constexpr const char* kAmbienceSound = "ambi_forest";
constexpr const char* kBlockedText = "GameOver_WorkersBlocked";
constexpr const char* kKillWorkersText = "GameOver_009";
constexpr const char* kKillWorkersLevel = "009";
constexpr const char* kTrainWindow = "train";

// The loss's text; a text table without it still gives a loss (the key), never an
// empty text, which would count as a win.
std::string LossText(const char* key)
{
    std::string text = vrk::FindText(key);
    return text.empty() ? std::string(key) : text;
}

vrk::cGUI* Gui()
{
    vrk::cGame* game = vrk::GetGame();
    return game != nullptr ? game->gui.get() : nullptr;
}

// Restarts a timer from 0 toward the target it had.
void Rearm(TimedValue<float>& timer)
{
    const float target = timer.target;
    timer.current = 0.0f;
    timer.SetTarget(target);
}

}  // namespace

void cMagicWidget::TickPlay()
{
    cLevelWidget::TickPlay();
    if ((GetInputFlags() & kInputCinematic) == 0) {
        StepClock();
        if (nightLength > kCostEpsilon) {
            const int32_t step = dayNightPhase.Step(kTick);
            if (step == kTimedIdle) {
                dayNightPhase.current = 0.0f;
                dayNightPhase.SetTarget(night ? nightLength : dayLength);
            } else if (step == kTimedArrived) {
                SetNight(!night);
            }
        }
        if (tint.duration > 0.0f) {
            tint.Step(kTick);
            SetSceneColor(tint.ToArgb());
        }
        nightStrength.Step(kTick);
        const int32_t check = checkTimer.Step(kTick);
        if (check == kTimedIdle) {
            checkTimer.current = 0.0f;
            checkTimer.SetTarget(kCheckSeconds);
        } else if (check == kTimedArrived) {
            CheckBlockedWorkers();
        }
    }
    DispatchOrders();
    StepSpellTimers();
    for (LightRecord& light : lightList.lights) {
        light.angle += kTick;
        if (light.angle >= kTwoPi) light.angle = 0.0f;
    }
    UpdateEnemyBases();
    if (ambienceTimer.Step(kTick) == kTimedArrived) {
        vrk::PlaySound(kAmbienceSound);
        Rearm(ambienceTimer);
    }
    StepEnemySpells();
    if (++succubusTicks >= kSuccubusWindowTicks) {
        succubusTicks = 0;
        succubi = 0;
    }
    RunHint();
}

void cMagicWidget::RunHint()
{
    if (IsPaused() || hint_ == nullptr) return;
    cMiddle* middle = GetMiddle();
    const cPlayerBase* player = middle != nullptr ? middle->GetPlayerList().GetActivePlayer() : nullptr;
    // Without its window a step could never be seen: that is as good as hints off.
    const bool hintsOn = player != nullptr && player->hintsEnabled && trainWindow != nullptr;
    vrk::cGUI* gui = Gui();
    if (!hint_->finished && hintsOn) {
        // A window opened through the application closes "train", and going back to
        // the level reopens only the HUD: a step still shown without its window
        // waits for its trigger again, so the tick shows it anew.
        if (hint_->stage == cTrain::kStageShown && gui != nullptr && gui->FindWindow(kTrainWindow) != nullptr &&
            !gui->IsWindowOpen(kTrainWindow)) {
            hint_->stage = cTrain::kStageWaiting;
        }
        hint_->Tick(trainWindow);
        // The tick may have put the next step in the last one's place.
        cTrain* hint = hint_.get();
        if (hint != nullptr && hint->stage == cTrain::kStageShown && hint->waitClick) {
            if (hintWait_.Step(kTick) == kTimedArrived) hint->stage = cTrain::kStageDone;
        } else {
            RestartHintWait();
        }
        return;
    }
    hint_.reset();
    RestartHintWait();
    if (gui != nullptr && gui->IsWindowOpen(kTrainWindow)) gui->AskCloseWindow(kTrainWindow);
}

void cMagicWidget::RestartHintWait()
{
    hintWait_.speed = 1.0f;
    hintWait_.current = 0.0f;
    hintWait_.SetTarget(cTrain::kClickWait);
}

void cMagicWidget::StepClock()
{
    levelTime += kTick;
    if (timeLimit <= 0.0f) return;
    if (levelTime / timeLimit > kWarnRatio && !limitWarned) {
        limitWarned = true;
        PostEvent(kEventTimeAlarm, kTimeWarning);
    } else if (levelTime > timeLimit) {
        timeOver = true;
        PostEvent(kEventTimeAlarm, kTimeOver);
    }
}

void cMagicWidget::CheckBlockedWorkers()
{
    ObjectList workers;
    FindObjectsOfKind(workers, kTypeWorker, kWorkerLayer);
    for (cObject* worker : workers) {
        const int32_t state = worker->GetState();
        if (state != cWorker::kStateCutOff && state != cWorker::kStateImprisoned) return;
    }
    if (Stock().At(kManaIndex) >= GetSpellPrice(kBlockedCheckSpell).At(kManaIndex)) return;
    gameOverText = LossText(kBlockedText);
    PostEvent(kEventLevelEnd, 0);
}

void cMagicWidget::StepSpellTimers()
{
    for (int32_t id = 0; id < kSpellCount; ++id) {
        float& timer = spellTimers[static_cast<size_t>(id)];
        if (timer < 0.0f) continue;
        timer -= kTick;
        if (timer <= 0.0f) {
            timer = kSpellOff;
            OnEvent(static_cast<int32_t>(kEventSpellEnded), id);
        }
    }
}

void cMagicWidget::StepEnemySpells()
{
    if (killWorkersTimer.Step(kTick) == kTimedArrived) {
        ObjectList workers;
        FindObjectsOfKind(workers, kTypeWorker, kWorkerLayer);
        bool struck = false;
        for (cObject* worker : workers) {
            const int32_t state = worker->GetState();
            if (state == cWorker::kStateExploding || state == kWorkerDeadState) continue;
            worker->SetState(cWorker::kStateExploding);
            struck = true;
            break;
        }
        // With nobody left the spell is over (and the tasks count again).
        if (struck) {
            Rearm(killWorkersTimer);
        } else if (GetLevelName() == kKillWorkersLevel) {
            gameOverText = LossText(kKillWorkersText);
            PostEvent(kEventLevelEnd, 0);
        }
    }
    if (killTowersTimer.Step(kTick) == kTimedArrived) {
        ObjectList towers;
        FindObjectsOfKind(towers, kTypeTower, -1);
        for (cObject* object : towers) {
            auto* tower = dynamic_cast<cTower*>(object);
            // Only a standing tower runs its destruction: an empty site or one under
            // construction would keep the mark and lose the tower built there later.
            if (tower == nullptr || tower->GetEnemyFlag() != 0 || tower->GetDestructionTimer() > 0.0f ||
                tower->GetState() != 1) {
                continue;
            }
            tower->StartDestruction(cTower::kDestructionSeconds);
            Rearm(killTowersTimer);
            break;
        }
    }
}
