// cWorker: construction, the set-up by name, the state changes with their leaving
// and entering actions (animations, sounds and the level's counters) and the
// direction the worker faces its work.
#include "objects/worker.h"

#include <array>

#include "engine/sound/sound_play.h"
#include "framework/objects/small_math.h"
#include "objects/barrier.h"
#include "objects/build.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/source.h"
#include "objects/wife.h"

namespace {

constexpr vec2 kBarOffset{0.0f, -20.0f};
constexpr vec2 kHeartsOffset{0.0f, 50.0f};
constexpr int32_t kFastWorkersSpell = 0;
constexpr int32_t kPrisonAchievementCount = 5;
constexpr const char* kLog = "log00";

// The four-direction animations: local key base and sprite base.
constexpr std::array<std::pair<const char*, const char*>, 10> kDirected = {{
    {"stand", "worker_stand"},
    {"run", "worker_run"},
    {"walk", "worker_walk"},
    {"build", "worker_build"},
    {"pick", "worker_pick"},
    {"hack", "worker_hack"},
    {"bag", "worker_bag"},
    {"tied", "worker_tied"},
    {"kontuz", "worker_kontuz"},
    {"scare", "worker_scared"},
}};
constexpr std::array<const char*, 7> kSingleView = {"collect0", "water0", "sit0", "alert0",
                                                    "eat0",     "drink0", "jump0"};

// What a worker does at each kind of target: the animation (directed unless it
// already ends in its direction digit), the work sound and the sound delays.
struct WorkStyle {
    const char* animation;
    bool directed;
    const char* sound;
    float firstDelay;
    float repeatDelay;
};
constexpr WorkStyle kBuildWork{"build", true, "build", 0.4f, 0.9f};
constexpr WorkStyle kStoneWork{"pick", true, "bar_stone", 0.4f, 0.85f};
constexpr WorkStyle kTreeWork{"hack", true, "bar_tree", 0.5f, 0.8f};
constexpr WorkStyle kWellWork{"water0", false, "well", 0.3f, 1.0f};
constexpr WorkStyle kFieldWork{"collect0", false, "take", 0.1f, 0.5f};
constexpr const char* kItemSound = "take";

}  // namespace

void RestartTimer(TimedValue<float>& timer, float target)
{
    timer.current = 0.0f;
    timer.SetTarget(target);
}

cWorker::cWorker(cObjectOwner* owner) : cMan(owner)
{
    layer_ = kWorkerLayer;
    for (TimedValue<float>* timer : {&repositionTimer_, &frozenTimer_, &followTimer_, &stunTimer_, &workSoundTimer_}) {
        timer->speed = 1.0f;
    }
    captureParameter_.speed = 0.3f;
}

cWorker::~cWorker()
{
    captureCurve_.Clear();
    hearts_.Clear();
}

int32_t cWorker::GetTypeId() const { return kTypeWorker; }

int32_t cWorker::GetOrderState()
{
    const int32_t verdict = cGameObject::GetOrderState();
    return IsFrozen() ? WifeReachVerdict(*this, verdict) : verdict;
}

bool cWorker::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeWorker, id); }

float cWorker::GetRadius() { return kRadius; }

bool cWorker::IsTargetHome() const
{
    const LevelScreen* screen = CurrentLevelScreen();
    return screen != nullptr && screen->home != nullptr && target_ == screen->home;
}

bool cWorker::IsSpellRunning(int32_t spell) const
{
    const LevelScreen* screen = CurrentLevelScreen();
    return screen != nullptr && spell >= 0 && spell < LevelScreen::kSpellCount &&
           screen->spellTimers[static_cast<size_t>(spell)] >= 0.0f;
}

void cWorker::SetSprite(const std::string& sprite)
{
    cMan::SetSprite(sprite);
    barOffset_ = kBarOffset;
    for (const auto& [key, spriteBase] : kDirected) {
        for (char digit = '0'; digit <= '3'; ++digit) {
            AddAnimation(std::string(key) + digit, std::string(spriteBase) + digit);
        }
    }
    for (const char* key : kSingleView) AddAnimation(key, std::string("worker_") + key);
    AddAnimation("explosion", "effect_explosion");

    const bool loadNow = owner_ != nullptr && owner_->IsEditorMode();
    shieldSprite_.SetSprite("effect_shield", kPlayLoopForward, loadNow);
    iceSprite_.SetSprite("worker_ice", kPlayLoopForward, loadNow);
    hearts_.SetEffect(OwnerBatch(), "hearts");
    hearts_.SetEmitting(false);

    const LevelScreen* screen = CurrentLevelScreen();
    SetState(screen != nullptr && screen->IsEditorOnLoad() ? kStateResting : kStateIdle);
}

int32_t cWorker::SetState(int32_t state)
{
    const int32_t oldState = GetState();
    // The recount goes out before the change: the level counts the workers that are
    // neither cut off nor imprisoned, also when a request repeats the state.
    const auto counts = [](int32_t s) { return s == kStateCutOff || s == kStateImprisoned; };
    if ((counts(oldState) || counts(state)) && owner_ != nullptr) {
        owner_->PostEvent(kEventRecount, static_cast<uintptr_t>(kTypeWorker));
    }
    return cMan::SetState(state);
}

int32_t cWorker::OnStateChange(int32_t oldState, int32_t newState)
{
    // The screen marks a removed object while it walks its removal list: no action
    // may queue another removal then.
    if (newState == kStateRemoved) return 0;
    OnLeaveState(oldState);
    OnEnterState(newState);
    return 0;
}

void cWorker::OnLeaveState(int32_t oldState)
{
    switch (oldState) {
    case kStateAtWork:
        // A run to another spot ends with the work: a flag left over would step the
        // next walk twice a tick and start the work again on the way.
        repositioning_ = false;
        RestartTimer(workSoundTimer_, 0.0f);
        workSound_.clear();
        firstSoundDelay_ = 0.0f;
        repeatSoundDelay_ = 0.0f;
        break;
    case kStateInside: vrk::PlaySound("worker_out"); break;
    case kStateCutOff:
        // A frozen worker keeps its cloud until it thaws.
        if (!frozen_) SetMarker(false);
        break;
    case kStateCarried:
        angle_ = 0.0f;
        if (!IsSpellRunning(kFastWorkersSpell)) SetTrail(false);
        break;
    case kStateCharmed: hearts_.SetEmitting(false); break;
    default: break;
    }
}

void cWorker::OnEnterState(int32_t newState)
{
    LevelScreen* screen = CurrentLevelScreen();
    switch (newState) {
    case kStateWalking: {
        std::string base = "walk";
        if (threat_ != nullptr) {
            base = inLove_ ? "tied" : "scare";
        } else if (target_ != nullptr) {
            base = load_.IsEmpty() ? "run" : "bag";
        } else if (escape_ != 0 || doorState_ == kDoorOut) {
            base = "run";
        }
        vec2 direction;
        GetMoveDirection(direction);
        PlayDirected(base, direction, kPlayLoopForward);
        break;
    }
    case kStateResting:
        restCounter_ = kRestAnimations;
        PlayAnimation("sit0", kPlayOnceForward);
        break;
    case kStateCheering:
        vrk::PlaySound("worker_joy");
        PlayAnimation("jump0", kPlayOnceForward);
        break;
    case kStateIdle: SetTarget(nullptr, 0); break;
    case kStateAtWork: StartWork(); break;
    case kStateInside: vrk::PlaySound("worker_in"); break;
    case kStateCutOff:
        PlayAnimation("sit0", kPlayOnceForward);
        SetMarker(true);
        break;
    case kStateScared:
        if (threat_ != nullptr) {
            vec2 away = GetPosition() - threat_->GetPosition();
            Normalize(away);
            PlayDirected("scare", away, kPlayLoopForward);
        }
        break;
    case kStateImprisoned:
        threat_ = nullptr;
        if (screen != nullptr && ++screen->prisoners == kPrisonAchievementCount) {
            screen->UnlockAchievement("achieve_prison");
        }
        break;
    case kStateCharmed: {
        vec2 toward = threat_ != nullptr ? threat_->GetPosition() - GetPosition() : vec2{};
        Normalize(toward);
        PlayDirected("stand", toward, kPlayLoopForward);
        if (!hearts_.IsEmitting()) {
            const vec2 at = GetPosition() + kHeartsOffset;
            hearts_.SetPosition(at.x, at.y);
            hearts_.SetEmitting(true);
        }
        break;
    }
    case kStateExploding:
        PlayAnimation("explosion", kPlayOnceForward);
        vrk::PlaySound("explosion");
        break;
    case kStateStunned: {
        const auto* source = dynamic_cast<const cSource*>(target_);
        const bool still = target_ == nullptr || (target_ != nullptr && target_->GetTypeId() == kTypeField) ||
                           (source != nullptr && source->GetKind() == cSource::kKindWell);
        if (still) {
            // The frame goes on from the pose, but the stun loops: a one-shot kept
            // from sitting or cheering would end and leave no picture.
            SwitchAnimation("kontuz3");
            SetPlayMode(kPlayLoopForward, false);
        } else {
            vec2 direction;
            GetMoveDirection(direction);
            PlayDirected("kontuz", direction, kPlayLoopForward);
        }
        SetTarget(nullptr, 0);
        RestartTimer(stunTimer_, kStunSeconds);
        vrk::PlaySound("tank_hit");
        break;
    }
    default: break;
    }
}

void cWorker::StartWork()
{
    RestartTimer(repositionTimer_, 0.0f);
    paidCost_.Clear();
    workSound_.clear();
    if (target_ == nullptr || IsTargetHome()) return;
    const vec2 direction = GetWorkDirection();
    const int32_t kind = target_->GetTypeId();
    const auto* source = dynamic_cast<const cSource*>(target_);
    const int32_t sourceKind = source != nullptr ? source->GetKind() : -1;
    const bool log = target_->GetSprite() == kLog;

    const WorkStyle* style = nullptr;
    if (kind == kTypeItem) {
        workSound_ = kItemSound;
    } else if (target_->IsKindOf(kTypeBuild) || IsBridge(target_)) {
        style = &kBuildWork;
    } else if (kind == kTypeBarrier && !log) {
        style = &kStoneWork;
    } else if (source != nullptr && sourceKind == cSource::kKindNugget) {
        style = &kStoneWork;
    } else if ((source != nullptr && sourceKind == cSource::kKindTree) || log) {
        style = &kTreeWork;
    } else if (source != nullptr && sourceKind == cSource::kKindWell) {
        style = &kWellWork;
        if (LevelScreen* screen = CurrentLevelScreen()) screen->manaWellFlag = false;
    } else if (kind == kTypeField) {
        style = &kFieldWork;
    } else if (kind == kTypeBonfire) {
        PlayAnimation("collect0", kPlayLoopForward);
        return;
    } else {
        return;
    }
    if (style != nullptr) {
        if (style->directed) {
            PlayDirected(style->animation, direction, kPlayLoopForward);
        } else {
            PlayAnimation(style->animation, kPlayLoopForward);
        }
        workSound_ = style->sound;
        firstSoundDelay_ = style->firstDelay;
        repeatSoundDelay_ = style->repeatDelay;
    }
    RestartTimer(workSoundTimer_, firstSoundDelay_);
}

vec2 cWorker::GetWorkDirection()
{
    if (target_ == nullptr) return vec2{};
    vec2 direction = target_->GetPosition() - GetPosition();
    LevelScreen* screen = CurrentLevelScreen();
    GridCell first;
    GridCell last;
    if (screen != nullptr && screen->GetObjectCells(target_, first, last) &&
        (last.x > first.x || last.y > first.y)) {
        vec2 origin;
        vec2 axisX;
        vec2 axisY;
        screen->GetGridBasis(origin, axisX, axisY);
        const GridCell own = screen->ObjectToCell(this);
        // Above or below the footprint the house lies along the rows' axis, beside
        // it along the columns' axis.
        if (own.x >= first.x && own.x <= last.x) {
            direction = own.y > first.y ? -axisY : axisY;
        } else if (own.y >= first.y && own.y <= last.y) {
            direction = own.x > first.x ? -axisX : axisX;
        }
    }
    Normalize(direction);
    return direction;
}
