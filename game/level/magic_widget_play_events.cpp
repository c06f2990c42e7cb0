// cMagicWidget: the play events. Input in play (Esc, the right click that calls
// the walkers back, the developer's Tab, the tutorial's click), the seat freeing,
// the task recount and a done task's burst, the zone changes, the work deliveries,
// the casts and ends of spells, the enemy spells and the time warnings.
#include <string>

#include "engine/gui/ctrl.h"
#include "engine/gui/gui.h"
#include "engine/gui/window.h"
#include "engine/platform/game_core.h"
#include "engine/platform/widget.h"
#include "engine/sound/sound_play.h"
#include "framework/app/middle.h"
#include "framework/objects/man.h"
#include "framework/objects/weather_sources.h"
#include "framework/widgets/base_wf.h"
#include "game/level/magic_widget.h"
#include "game/level/train.h"
#include "objects/build.h"
#include "objects/hero.h"
#include "objects/level_contract.h"
#include "objects/plant.h"
#include "objects/spell_table.h"
#include "objects/wife.h"
#include "objects/worker.h"

namespace {

constexpr uintptr_t kEscKey = 27;
constexpr uintptr_t kRightButton = 2;
constexpr int32_t kManStanding = 5;
constexpr const char* kHudWindow = "level";
constexpr const char* kEscapeWindow = "escape";
constexpr const char* kTrainWindow = "train";
constexpr const char* kTrainFrame = "frame";
constexpr const char* kTaskDoneSound = "task_done";
constexpr const char* kIncomeSound = "res_income";
constexpr const char* kAlarmSound = "alarm";
constexpr const char* kSpellStartSound = "bonus_start";
constexpr const char* kSpellStopSound = "bonus_stop";
constexpr uint32_t kBurstColour = 0xFFFFFFFFu;
constexpr float kEnemySpellSeconds = 0.5f;
constexpr float kIncomeCaptionRise = 110.0f;
constexpr float kFireworkRise = 80.0f;
constexpr float kFireworkInterval = 0.65f;
constexpr float kFireworkSpread = 30.0f;
constexpr uint32_t kFireworkBursts = 3;
constexpr int32_t kLevelFirstSeatKind = 2;

// The control of an open or stored window, looked up without a log line: the HUD's
// controls come and go with the windows' scripts.
vrk::cCtrl* QuietControl(const std::string& windowName, const std::string& controlName)
{
    vrk::cGame* game = vrk::GetGame();
    if (game == nullptr || game->gui == nullptr) return nullptr;
    vrk::cWindow* window = game->gui->FindWindow(windowName);
    if (window == nullptr) return nullptr;
    // A missing name gives the control count, which no control stands at.
    return window->GetCtrl(window->FindCtrl(controlName));
}

bool ControlCentre(const std::string& windowName, const std::string& controlName, vec2& centre)
{
    vrk::cCtrl* control = QuietControl(windowName, controlName);
    if (control == nullptr) return false;
    const vrk::GuiRect rect = control->GetRect();
    centre = vec2{rect.x + rect.width * 0.5f, rect.y + rect.height * 0.5f};
    return true;
}

}  // namespace

uint32_t cMagicWidget::OnPlayEvent(uint32_t kind, uintptr_t param)
{
    // A paused level (a talk, or its end) takes no input of its own.
    if ((GetInputFlags() & kInputCinematic) == 0 && HandleInput(kind, param)) return 0;
    switch (kind) {
    case kMessageTargetChanged:
        if (param != 0) {
            const auto& changed = *reinterpret_cast<const WalkEvent*>(param);
            auto* plant = dynamic_cast<cPlant*>(changed.target);
            if (plant != nullptr && changed.man != nullptr) {
                const int32_t seatKind = changed.man->GetTargetKind();
                if (seatKind >= kLevelFirstSeatKind && changed.man->GetState() != cWorker::kStateInside) {
                    plant->FreeSeat(seatKind - kLevelFirstSeatKind);
                }
            }
        }
        break;
    case kEventRecount: RecountTasks(param); break;
    case kEventLevelEnd: EndLevel(); break;
    case kEventTaskDone: OnTaskDone(param); break;
    case kEventZoneMarked:
        if (GetMode() == kModePlay) {
            UpdateReachability(2);
            if (!IsEditorMode()) {
                if (hero != nullptr) hero->ReturnHome();
                if (wife != nullptr) wife->ReturnHome();
            }
        }
        PostEvent(kEventRecount, kTypeWorker);
        break;
    case kEventZoneFreed: FreeCutOffWorkers(); break;
    case kEventWorkFinished:
        if (param != 0) FinishWork(*reinterpret_cast<const WorkFinishedRecord*>(param));
        break;
    case kEventSpellCast:
        if (param < static_cast<uintptr_t>(kSpellCount)) {
            const auto id = static_cast<int32_t>(param);
            spellTimers[param] = GetSpellDuration(id);
            StartSpell(id);
            vrk::PlaySound(kSpellStartSound);
        }
        break;
    case kEventSpellEnded:
        if (param < static_cast<uintptr_t>(kSpellCount)) {
            StopSpell(static_cast<int32_t>(param));
            vrk::PlaySound(kSpellStopSound);
        }
        break;
    case kEventEnemyKillWorkers:
        killWorkersTimer.current = 0.0f;
        killWorkersTimer.SetTarget(kEnemySpellSeconds);
        break;
    case kEventEnemyKillTowers:
        killTowersTimer.current = 0.0f;
        killTowersTimer.SetTarget(kEnemySpellSeconds);
        break;
    case kEventTimeAlarm:
        if (param == kTimeWarning) {
            vrk::PlaySound(kAlarmSound);
            vec2 centre;
            ParticleStore* store = GetParticleStore();
            if (store != nullptr && ControlCentre(kHudWindow, "spin", centre)) {
                AddParticleBurst(*store, 30, centre, kBurstColour, 5.0f);
            }
        }
        break;
    default: break;
    }
    return cLevelWidget::OnPlayEvent(kind, param);
}

bool cMagicWidget::HandleInput(uint32_t kind, uintptr_t param)
{
    bool hintGoesOn = false;
    if (kind == vrk::kWidgetButtonDown && param == 0) {
        vrk::cCtrl* frame = QuietControl(kTrainWindow, kTrainFrame);
        if (frame != nullptr) {
            const vec2 mouse = GetMouseScreenPos();
            // The frame's own test: a hint frame is stored reaching left or down.
            hintGoesOn = frame->HitTest(mouse.x, mouse.y);
        }
    } else if (kind == vrk::kWidgetButtonDown && param == kRightButton) {
        CancelWalks();
    } else if (kind == vrk::kWidgetKeyDown) {
        if (param == kEscKey) {
            OpenAppWindow(kEscapeWindow);
            return true;
        }
        if (param == static_cast<uintptr_t>(kTabKey) && IsDeveloperMode()) {
            SetEditorOnLoad(true);
            StartGame();
            // The base's Tab enters the editor at once; the flag must not outlive it,
            // or the next restart would open the editor again.
            cLevelWidget::OnPlayEvent(kind, param);
            if (GetMode() == kModeEditor) SetEditorOnLoad(false);
            ContinueHint();
            return true;
        }
        hintGoesOn = true;
    }
    if (hintGoesOn) ContinueHint();
    return false;
}

void cMagicWidget::ContinueHint()
{
    cTrain* hint = GetHint();
    if (hint != nullptr && hint->stage == cTrain::kStageShown && hint->waitClick) {
        hint->stage = cTrain::kStageDone;
    }
}

void cMagicWidget::CancelWalks()
{
    ClearOrders();
    ObjectList workers;
    FindObjectsOfKind(workers, kTypeWorker, kWorkerLayer);
    for (cObject* object : workers) {
        auto* worker = dynamic_cast<cWorker*>(object);
        if (worker == nullptr || worker->GetState() != kStateWalking || worker->GetTarget() == nullptr ||
            worker->IsInLove()) {
            continue;
        }
        worker->ReleaseReserved();
        worker->SetState(cWorker::kStateIdle);
    }
    // The hero and the wife may be missing from a level.
    if (wife != nullptr && wife->GetState() == kStateWalking && wife->GetTarget() != nullptr) {
        wife->RefundCost();
        wife->SetState(kManStanding);
    }
    if (hero != nullptr && hero->GetState() == kStateWalking && hero->GetTarget() != nullptr) {
        hero->SetState(kManStanding);
    }
}

void cMagicWidget::OnTaskDone(uintptr_t index)
{
    vrk::PlaySound(kTaskDoneSound);
    vec2 centre;
    ParticleStore* store = GetParticleStore();
    if (store != nullptr && ControlCentre(kHudWindow, "image_task" + std::to_string(index), centre)) {
        AddParticleBurst(*store, 60, centre, kBurstColour, 20.0f);
    }
}

void cMagicWidget::FinishWork(const WorkFinishedRecord& record)
{
    auto* worker = dynamic_cast<cWorker*>(record.worker);
    cGameObject* target = record.target;
    if (worker == nullptr || target == nullptr) return;
    if (target == home) {
        if (worker->Load().IsEmpty()) return;
        const ResourceVector amounts = worker->Load();
        AddResources(amounts);
        vrk::PlaySound(kIncomeSound);
        std::string caption;
        amounts.FormatResourceAmounts(caption, false);
        AddEffect(caption, worker->GetPosition() + vec2{0.0f, kIncomeCaptionRise});
        worker->Load().Clear();
        return;
    }
    if (worker->Load().IsEmpty()) worker->AssignTask(target->GetYield(), target);
    // Everyone may answer a bell; anything else is one worker's job.
    if (target->GetTypeId() == kTypeBell) return;
    ObjectList workers;
    FindObjectsOfKind(workers, kTypeWorker, -1);
    for (cObject* object : workers) {
        auto* other = dynamic_cast<cWorker*>(object);
        if (other == nullptr || other == worker || other->GetTarget() != target) continue;
        other->SetTarget(nullptr, 0);
        other->SetState(cWorker::kStateIdle);
    }
}

void cMagicWidget::FreeCutOffWorkers()
{
    UpdateReachability(1);
    ObjectList workers;
    FindObjectsOfKind(workers, kTypeWorker, -1);
    std::vector<vec2> path;
    for (cObject* object : workers) {
        auto* worker = dynamic_cast<cWorker*>(object);
        if (worker == nullptr || !worker->IsCutOff() || home == nullptr) continue;
        path.clear();
        if (!FindPath(path, worker, home, true)) continue;
        worker->SetState(cWorker::kStateCheering);
        AnimEffects().LaunchFirework(worker->GetPosition() + vec2{0.0f, kFireworkRise}, kFireworkBursts,
                                     kFireworkInterval, kFireworkSpread);
        ++freedWorkers;
    }
    PostEvent(kEventRecount, kTypeWorker);
}
