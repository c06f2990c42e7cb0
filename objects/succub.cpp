// cSuccub: the snatch and chase pulses, the choice of a worker to charm, the charm
// and the twenty rounds of magic that end in love, the walk home and the vanishing
// with the level's succubus count.
#include "objects/succub.h"

#include <list>
#include <vector>

#include "engine/sound/sound_play.h"
#include "framework/objects/object_owner.h"
#include "framework/objects/small_math.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/worker.h"

namespace {

constexpr int32_t kDirections = 4;
constexpr const char* kAppearKey = "appear0";
constexpr const char* kDeathKey = "death0";
constexpr const char* kSpriteBase = "succub";
constexpr const char* kPortalSprite = "succub_portal";
constexpr const char* kAppearSound = "succub_appear";
constexpr const char* kMagicSound = "succub_magic";
constexpr const char* kDeathSound = "succub_death";
constexpr const char* kAchievementLevel = "013";
constexpr const char* kAchievement = "achieve_succubus";
constexpr float kOtherSpeed = 1.0f;
const vec2 kBarOffset{12.0f, -5.0f};

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// Steps a repeating pulse; true when it completes in this step.
bool StepPulse(TimedValue<float>& pulse, float seconds)
{
    if (pulse.elapsed == pulse.duration) RestartTimer(pulse, seconds);
    return pulse.Step(cObject::kTickSeconds) == kTimedArrived;
}

}  // namespace

float EnemyCasterMoveSpeed(const std::string& animationKey)
{
    return StartsWith(animationKey, "walk") ? cSuccub::kWalkSpeed : kOtherSpeed;
}

cEnemy::AnimationList CasterAnimations(const std::string& spriteBase)
{
    cEnemy::AnimationList animations{{kAppearKey, spriteBase + "_appear0"}};
    for (int32_t direction = 0; direction < kDirections; ++direction) {
        const std::string digit = std::to_string(direction);
        animations.emplace_back("walk" + digit, spriteBase + "_walk" + digit);
        animations.emplace_back("magic" + digit, spriteBase + "_magic" + digit);
        animations.emplace_back("death" + digit, spriteBase + "_death" + digit);
    }
    return animations;
}

bool CasterMayTake(cEnemy& caster, cWorker* worker)
{
    if (cEnemy::HasGone(worker) || !worker->CanCommand() || worker->IsFrozen()) return false;
    return worker->GetThreat() != &caster && !caster.IsTargetTaken(worker);
}

cSuccub::cSuccub(cObjectOwner* owner) : cEnemy(owner) {}

cSuccub::~cSuccub() = default;

int32_t cSuccub::GetTypeId() const { return kTypeSuccub; }

bool cSuccub::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeSuccub, id); }

int32_t cSuccub::HitTest(const vec2& point) { return cObject::HitTest(point); }

void cSuccub::StartMove() { StartMoveAtSpeed(EnemyCasterMoveSpeed(GetAnimationKey())); }

void cSuccub::SetSprite(const std::string& sprite)
{
    cMan::SetSprite(sprite);
    AddAnimations(CasterAnimations(kSpriteBase));
    portal_.SetSprite(kPortalSprite, kPlayStopped, false);
    SetBarOffset(kBarOffset);
    // No health: she counts as dead from the start, so no tower ever picks her.
    SetState(kStateChoose);
}

std::vector<std::string> cSuccub::SetUpSprites()
{
    std::vector<std::string> sprites = cEnemy::SetUpSprites(CasterAnimations(kSpriteBase));
    sprites.emplace_back(kPortalSprite);
    return sprites;
}

bool cSuccub::CanCharm(cWorker* worker)
{
    if (worker == nullptr || HasGone(worker)) return false;
    const int32_t state = worker->GetState();
    if (state == cWorker::kStateInside || state == cWorker::kStateCutOff || state == cWorker::kStateCharmed) {
        return false;
    }
    return !worker->IsInLove() && !worker->IsFrozen() && !IsTargetTaken(worker);
}

void cSuccub::Update()
{
    const int32_t state = GetState();
    if (state != kStateChoose && state != kStateMagic && state != kStateVanish &&
        StepPulse(snatchPulse_, kSnatchSeconds) && Snatch()) {
        return;
    }
    // The magic and the vanishing wait for their animation's end; one that never
    // steps ends at once.
    if ((GetState() == kStateMagic || GetState() == kStateVanish) && IsOneShotStuck()) {
        const bool vanishing = GetState() == kStateVanish;
        OnMessage(kMessageAnimationEnded, static_cast<uintptr_t>(kPlayOnceForward));
        if (vanishing) return;
    }
    if (GetState() == kStateChoose) {
        Choose();
        return;
    }
    if (GetState() == kStateReplan) {
        auto* worker = dynamic_cast<cWorker*>(target_);
        LevelScreen* screen = CurrentLevelScreen();
        if (!CanCharm(worker) || screen == nullptr || !screen->SendWorker(this, worker, 0)) SetState(kStateChoose);
    } else if (GetState() == kStateWalking && target_ != nullptr && target_->IsKindOf(kTypeWorker)) {
        Chase();
    }
    portal_.Update(kTickSeconds);
    if (portal_.play.mode != kPlayStopped &&
        (portal_.play.frameCount < 2 || !(portal_.play.framesPerSecond > 0.0f))) {
        portal_.play.mode = kPlayStopped;
    }
    cEnemy::Update();
}

bool cSuccub::Snatch()
{
    for (cWorker* worker : WorkersWithin(kCharmReach)) {
        if (!CasterMayTake(*this, worker)) continue;
        SetTarget(worker, 0);
        // As if she had arrived: the charm when near enough, else a new choice.
        OnMessage(kMessagePathFinished, 0);
        return true;
    }
    return false;
}

void cSuccub::Choose()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return;
    ObjectList objects;
    screen->FindObjectsOfKind(objects, kTypeWorker, -1);
    std::list<cMan*> workers;
    for (cObject* object : objects) {
        auto* worker = dynamic_cast<cWorker*>(object);
        if (CanCharm(worker)) workers.push_back(worker);
    }
    if (!SendToNearestWorker(std::move(workers))) GoHomeOrLeave();
}

void cSuccub::Chase()
{
    if (StepPulse(chasePulse_, kChaseSeconds)) SetState(kStateReplan);
    if (!(target_->GetRadius() > (target_->GetPosition() - GetPosition()).Length())) return;
    // Close enough: this leg becomes the walk's last and ends where she stands.
    mover_.SetPosition(GetPosition());
    if (path_.size() > static_cast<size_t>(leg_) + 2) path_.resize(static_cast<size_t>(leg_) + 2);
}

void cSuccub::OnArrived()
{
    auto* worker = dynamic_cast<cWorker*>(target_);
    if (worker != nullptr && !HasGone(worker) &&
        (worker->GetPosition() - GetPosition()).Length() < kCharmReach) {
        SetState(kStateMagic);
        worker->OnMessage(kEventCharm, reinterpret_cast<uintptr_t>(static_cast<cObject*>(this)));
        return;
    }
    SetState(kStateChoose);
}

void cSuccub::EndMagicRound()
{
    // A worker that has left the level hears nothing more: she chooses again.
    if (HasGone(target_)) {
        SetState(kStateChoose);
        return;
    }
    if (--magicCount_ <= 0) {
        target_->OnMessage(kEventLove, reinterpret_cast<uintptr_t>(static_cast<cObject*>(this)));
        SetState(kStateChoose);
        return;
    }
    PlayDirected("magic", DirectionToward(target_), kPlayOnceForward);
}

int32_t cSuccub::OnMessage(uint32_t code, uintptr_t data)
{
    if (code == kMessagePathFinished) {
        if (target_ != nullptr && target_->IsKindOf(kTypeBaseEnemy)) {
            SetState(kStateVanish);
            return 0;
        }
        OnArrived();
        if (GetState() == kStateMagic) return 0;
    } else if (code == kMessageAnimationEnded) {
        const int32_t state = GetState();
        if (state == kStateWalking) {
            if (StartsWith(GetAnimationKey(), "appear")) {
                vec2 direction;
                GetMoveDirection(direction);
                PlayDirected("walk", direction, kPlayLoopForward);
            }
            SetState(kStateChoose);
        } else if (state == kStateMagic) {
            EndMagicRound();
        } else if (state == kStateVanish) {
            RemoveFromLevel();
            return 0;
        }
    }
    return cEnemy::OnMessage(code, data);
}

int32_t cSuccub::OnStateChange(int32_t oldState, int32_t newState)
{
    if (newState == kStateWalking) {
        if (setOut_ != 0) {
            PlayAnimation(kAppearKey, kPlayOnceForward);
            vrk::PlaySound(kAppearSound);
            portal_.play.mode = kPlayOnceForward;
            portal_.SetPlayMode(true, kPlayOnceForward);
        } else {
            vec2 direction;
            GetMoveDirection(direction);
            PlayDirected("walk", direction, kPlayLoopForward);
        }
    } else if (newState == kStateMagic) {
        magicCount_ = kMagicRounds;
        PlayDirected("magic", DirectionToward(target_), kPlayOnceForward);
        vrk::PlaySound(kMagicSound);
    } else if (newState == kStateVanish) {
        if (target_ == nullptr) {
            PlayAnimation(kDeathKey, kPlayOnceForward);
        } else {
            PlayDirected("death", DirectionToward(target_), kPlayOnceForward);
        }
        vrk::PlaySound(kDeathSound);
        LevelScreen* screen = CurrentLevelScreen();
        if (screen != nullptr && ++screen->succubi == kAchievementSuccubi &&
            screen->GetLevelName() == kAchievementLevel) {
            screen->UnlockAchievement(kAchievement);
        }
    }
    return cEnemy::OnStateChange(oldState, newState);
}

void cSuccub::Draw()
{
    if (portal_.play.mode != kPlayStopped) {
        if (vrk::VertexBatch* batch = OwnerBatch()) {
            const vec2 position = GetPosition();
            portal_.Draw(*batch, position.x, position.y, GetColor());
        }
    }
    cMan::Draw();
}
