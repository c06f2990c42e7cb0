// cBuild at work: the per-tick update (smoke, flag, the build icon's bobbing), the
// work timer that raises the building frame by frame, and what a finished step
// sets off: the level, the firework salvo, a new worker from a house, the recounts
// and the achievements of particular buildings.
#include <string>
#include <vector>

#include "engine/sound/sound_play.h"
#include "framework/objects/man.h"
#include "framework/objects/object_owner.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/progress_frame.h"

namespace {

constexpr const char* kHouse = "house00";
constexpr const char* kReadySound = "build_ready";
constexpr float kTwoPi = 6.2831855f;
// The salvo over a finished building.
constexpr vec2 kSalvoOffset{0.0f, 60.0f};
constexpr uint32_t kSalvoBursts = 5;
constexpr float kSalvoSpread = 70.0f;
constexpr float kSalvoInterval = 0.65f;
constexpr int32_t kFastWorkersSpell = 0;

}  // namespace

void cBuild::Update()
{
    smoke_.Update(kTickSeconds);
    const int32_t state = GetState();
    if ((state == kStateNone || state == kStateWorkDone) && level_ < maxLevel_ && owner_ != nullptr &&
        owner_->HasResources(GetCost())) {
        bobPhase_ += kTickSeconds;
        if (bobPhase_ >= kTwoPi) bobPhase_ = 0.0f;
    }
    cGameObject::Update();
    flagSprite_.Update(kTickSeconds);
    if (smoke_.IsEmitting()) {
        smokeIdle_ += kTickSeconds;
        if (smokeIdle_ > kSmokeIdleSeconds) smoke_.SetEmitting(false);
    }
}

int32_t cBuild::UpdateTimer(float dt)
{
    if (IsHomeBase()) return kTimerIdle;
    smokeIdle_ = 0.0f;
    if (!smoke_.IsEmitting()) smoke_.SetEmitting(true);
    const int32_t step = cGameObject::UpdateTimer(dt);
    if (step == kTimerRunning || step == kTimerRestarted) ShowProgressFrame(*this, GetTimerProgress());
    return step;
}

int32_t cBuild::OnMessage(uint32_t code, uintptr_t data)
{
    if (code == kMessageWorkTimer) OnWorkDone();
    return cGameObject::OnMessage(code, data);
}

void cBuild::OnWorkDone()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (level_ < 0 && screen != nullptr) ++screen->builds;
    SetState(kStateWorkDone);
    if (level_ < maxLevel_) ++level_;
    SetupLevel();

    vrk::PlaySound(kReadySound);
    if (screen != nullptr) {
        screen->AnimEffects().LaunchFirework(GetPosition() + kSalvoOffset, kSalvoBursts, kSalvoInterval,
                                             kSalvoSpread);
    }
    if (sprite_ == kHouse) SpawnWorker();
    if (owner_ != nullptr) owner_->PostEvent(kEventRecount, static_cast<uintptr_t>(GetTypeId()));
    OnFinishedByName();
}

void cBuild::SpawnWorker()
{
    LevelScreen* screen = CurrentLevelScreen();
    // Until workers can be made the house skips the spawn; the recount still runs.
    cObject* worker = screen != nullptr ? screen->CreateObject(kTypeWorker, 0) : nullptr;
    if (worker != nullptr) {
        // Without attached points this is the house's own position.
        std::vector<vec2> points;
        GetLinkedPoints(points);
        if (!points.empty()) worker->SetPositionV(points.front());
        worker->SetSprite(std::string());
        auto* man = dynamic_cast<cMan*>(worker);
        if (man != nullptr && screen->spellTimers[kFastWorkersSpell] >= 0.0f) man->SetTrail(true);
    }
    if (owner_ != nullptr) owner_->PostEvent(kEventRecount, static_cast<uintptr_t>(kTypeWorker));
}

void cBuild::OnFinishedByName()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return;
    if (sprite_ == "ruins00") {
        screen->UnlockAchievement("achieve_ruins");
    } else if (sprite_ == "tower00") {
        screen->noTowerFlag = false;
    } else if (sprite_ == "castle_ice") {
        screen->UnlockAchievement("achieve_gravik");
    } else if (sprite_ == "tower_advisor") {
        // Finishing a wrong advisor tower first loses the achievement; only the
        // chosen one ends the level.
        const bool chosen = screen->chosenAdvisorId == linkId_;
        if (screen->advisorWatchFlag && chosen) {
            screen->UnlockAchievement("achieve_advisor");
        } else {
            screen->advisorWatchFlag = false;
        }
        if (chosen && owner_ != nullptr) owner_->PostEvent(kEventLevelEnd, 0);
    } else if (sprite_ == "source_life_water") {
        screen->UnlockAchievement("achieve_finish_well");
    }
}
