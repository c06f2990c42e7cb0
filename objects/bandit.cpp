// cBandit: the set-up, the patrol and its look around (scare, attack, chase,
// scream), the grab, and the gait of a column.
#include "objects/bandit.h"

#include "engine/sound/sound_play.h"
#include "engine/text/text_format.h"
#include "framework/objects/app_services.h"
#include "framework/objects/object_owner.h"
#include "framework/objects/small_math.h"
#include "objects/enemy_tuning.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/worker.h"

namespace {

constexpr const char* kWalkName = "walk";
constexpr const char* kGrabName = "pick";
// The editor shows a placed bandit by the palette's picture.
constexpr const char* kEditorKey = "fear0";
constexpr const char* kEditorSprite = "goblin_fear0";
constexpr const char* kScreamSound = "bandit_scream%i";
constexpr int32_t kScreams = 3;
constexpr int32_t kDirections = 4;

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

void RestartFromZero(TimedValue<float>& timer, float target)
{
    timer.start = 0.0f;
    timer.current = 0.0f;
    timer.target = target;
    timer.elapsed = 0.0f;
    timer.duration = target;
}

uintptr_t AsParam(cObject* object) { return reinterpret_cast<uintptr_t>(object); }

}  // namespace

cBandit::cBandit(cObjectOwner* owner) : cEnemy(owner) {}

cBandit::~cBandit() = default;

int32_t cBandit::GetTypeId() const { return kTypeBandit; }

bool cBandit::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeBandit, id); }

int32_t cBandit::HitTest(const vec2& point) { return cObject::HitTest(point); }

void cBandit::SetSprite(const std::string& sprite)
{
    cMan::SetSprite(sprite);
    for (int32_t direction = 0; direction < kDirections; ++direction) {
        const std::string digit(1, static_cast<char>('0' + direction));
        AddAnimation(kWalkName + digit, "goblin_walk" + digit);
        AddAnimation(kGrabName + digit, "goblin_pick" + digit);
    }
    AddAnimation(kEditorKey, kEditorSprite);
    SetTimerPeriod(kHealth);
    if (owner_ != nullptr && owner_->IsEditorMode()) {
        PlayAnimation(kEditorKey, kPlayStopped);
    } else {
        SetState(kStateChoose);
    }
}

float cBandit::GetAnimationSpeed() const
{
    float speed = 1.0f;
    if (StartsWith(GetAnimationKey(), kWalkName)) {
        float moverSpeed = mover_.speed;
        if (!(moverSpeed >= kFloatEpsilon)) moverSpeed = 1.0f;
        speed = kWalkSpeed / moverSpeed;
    }
    return speed * EnemyTuningValues().banditSpeedFactor;
}

void cBandit::StartMove()
{
    const auto* leader = target_ != nullptr && target_->IsKindOf(kTypeBandit) ? dynamic_cast<cMan*>(target_) : nullptr;
    if (leader != nullptr) {
        StartMoveAtSpeed(leader->Mover().speed + kFollowerLead);
    } else {
        StartMoveAtSpeed(StartsWith(GetAnimationKey(), kWalkName) ? kWalkSpeed : 1.0f);
    }
}

int32_t cBandit::OnStateChange(int32_t oldState, int32_t newState)
{
    resume_ = oldState == kStateHeld && newState == kStateChoose;
    if (newState == kStateWalking) {
        vec2 direction;
        GetMoveDirection(direction);
        PlayDirected(kWalkName, direction, kPlayLoopForward);
    } else if (newState == kStateGrab) {
        PlayDirected(kGrabName, DirectionToward(target_), kPlayOnceForward);
    }
    return 0;
}

void cBandit::Update()
{
    const bool editing = owner_ != nullptr && owner_->IsEditorMode();
    if (!editing) {
        screamCooldown_.Step(kTickSeconds);
        if (target_ != nullptr && !target_->IsKindOf(kTypeWorker)) {
            const int32_t step = scanTimer_.Step(kTickSeconds);
            if (step == kTimedIdle) {
                RestartFromZero(scanTimer_, kScanSeconds);
            } else if (step == kTimedArrived) {
                Scan();
            }
        }
        if (resume_ && GetState() == kStateChoose) Resume();
        resume_ = false;
    }
    cEnemy::Update();
    if (!editing && GetState() == kStateGrab && IsOneShotStuck()) {
        OnMessage(kMessageAnimationEnded, static_cast<uintptr_t>(kPlayOnceForward));
    }
}

void cBandit::Scan()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return;
    ObjectList workers;
    screen->FindObjectsOfKind(workers, kTypeWorker, LevelScreen::kWorkerLayer);
    for (cObject* object : workers) {
        auto* worker = dynamic_cast<cWorker*>(object);
        if (worker == nullptr || worker->GetState() == cWorker::kStateScared || !worker->CanCommand()) continue;
        if (worker == target_ || worker->GetThreat() == this) continue;
        Threaten(worker, (worker->GetPosition() - GetPosition()).Length());
    }
}

void cBandit::Threaten(cWorker* worker, float distance)
{
    LevelScreen* screen = CurrentLevelScreen();
    const int32_t state = worker->GetState();
    if (state == cWorker::kStateAtWork && distance <= kReach) {
        worker->OnMessage(kEventScare, AsParam(this));
        // The column behind keeps its way while this one gives chase.
        screen->PassTargetOn(this);
        if (!screen->SendWorker(this, worker, 0)) worker->OnMessage(kEventAttack, AsParam(this));
    } else if (state != cWorker::kStateCutOff && state != cWorker::kStateInside && distance <= kReach) {
        worker->OnMessage(kEventAttack, AsParam(this));
    } else if (target_ != nullptr && target_->IsKindOf(kTypeWayPoint) &&
               screamCooldown_.current == screamCooldown_.target && worker->IsFree() && distance > kReach &&
               distance < kScreamReach) {
        Scream();
    }
}

void cBandit::Scream()
{
    cAppServices* services = GetAppServices();
    const auto pick = services != nullptr ? static_cast<int32_t>(services->GetRandomGen().NextValue() % kScreams) : 0;
    vrk::PlaySound(vrk::FormatToString(kScreamSound, vrk::FormatArg::FromInt(pick)));
    RestartFromZero(screamCooldown_, kScreamSeconds);
}

void cBandit::Resume()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr || target_ == nullptr) return;
    if (HasGone(target_) || !screen->SendWorker(this, target_, 0)) screen->JoinColumn(this);
}

void cBandit::EndGrab()
{
    LevelScreen* screen = CurrentLevelScreen();
    // A captive that has left the level meanwhile is not carried off.
    if (!HasGone(target_)) target_->OnMessage(kEventCapture, AsParam(this));
    if (screen != nullptr) screen->JoinColumn(this);
    // With no column and no way point to go to, it lets the captive go from its
    // mind and waits, rather than grabbing it again.
    if (GetState() == kStateGrab) {
        SetTarget(nullptr, 0);
        SetState(kStateChoose);
    }
}

void cBandit::OnArrived(cGameObject* reached)
{
    LevelScreen* screen = CurrentLevelScreen();
    if (reached == nullptr || screen == nullptr) return;
    if (reached->IsKindOf(kTypeWayPoint)) {
        cGameObject* next = screen->NextEntryAfter(reached);
        if (next != nullptr) screen->SendWorker(this, next, 0);
    } else if (reached->IsKindOf(kTypeBandit)) {
        screen->SendWorker(this, reached, 0);
    } else if (reached->IsKindOf(kTypeWorker)) {
        SetState(kStateGrab);
    }
}

int32_t cBandit::OnMessage(uint32_t code, uintptr_t data)
{
    if (code == kMessageAnimationEnded && target_ != nullptr && GetState() == kStateGrab) {
        EndGrab();
    } else if (code == kMessagePathFinished) {
        // The level hears of the arrival at the target reached before the bandit
        // walks on.
        cGameObject* reached = target_;
        const int32_t answer = cEnemy::OnMessage(code, data);
        OnArrived(reached);
        return answer;
    }
    return cEnemy::OnMessage(code, data);
}
