// cWife: construction, the set-up, the messages (the magic's end, the arrival, the
// bell), the state changes, the drawing, the way home and the refund of her price.
#include "objects/wife.h"

#include "engine/sound/sound_play.h"
#include "framework/objects/app_services.h"
#include "framework/objects/object_owner.h"
#include "framework/objects/random_gen.h"
#include "framework/objects/small_math.h"
#include "objects/build.h"
#include "objects/enemy.h"
#include "objects/hero_gait.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/worker.h"

namespace {

constexpr const char* kRunName = "run";
constexpr const char* kWalkName = "walk";
constexpr const char* kMagicName = "magic";
constexpr const char* kMagicSound = "wife_magic";
constexpr const char* kPortalSprite = "succub_portal";
constexpr int32_t kDirections = 4;
// The idle animations, one drawn at random each time she stands.
constexpr const char* kStandKeys[] = {"stand0", "hair0", "skovoroda0"};
constexpr uint32_t kRandomMask = 0x7FFFu;

// Whether her magic works on the target: an altar, the prison or a frozen worker.
bool TakesMagic(cGameObject* target)
{
    const int32_t type = target->GetTypeId();
    if (type == kTypeAltar || type == kTypePrison) return true;
    auto* worker = dynamic_cast<cWorker*>(target);
    return type == kTypeWorker && worker != nullptr && worker->IsFrozen();
}

}  // namespace

cWife::cWife(cObjectOwner* owner) : cMan(owner)
{
    layer_ = kWifeLayer;
    RestartHeroTimer(homeTimer_, kHomeSeconds);
    if (LevelScreen* screen = CurrentLevelScreen()) screen->wife = this;
}

cWife::~cWife()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen != nullptr && screen->wife == this) screen->wife = nullptr;
}

int32_t WifeReachVerdict(cGameObject& target, int32_t verdict)
{
    if (verdict != kOrderAllowed) return verdict;
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr || screen->wife == nullptr) return verdict;
    return screen->CanWalkTo(screen->wife, &target) ? kOrderAllowed : kOrderNotInteractive;
}

int32_t cWife::GetTypeId() const { return kTypeWife; }

bool cWife::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeWife, id); }

void cWife::SetSprite(const std::string& sprite)
{
    cMan::SetSprite(sprite);
    for (int32_t direction = 0; direction < kDirections; ++direction) {
        const std::string digit(1, static_cast<char>('0' + direction));
        AddAnimation(kRunName + digit, "wife_run" + digit);
        AddAnimation(kWalkName + digit, "wife_walk" + digit);
        AddAnimation(kMagicName + digit, "wife_magic" + digit);
    }
    for (const char* key : kStandKeys) AddAnimation(key, std::string("wife_") + key);
    portal_.SetSprite(kPortalSprite, kPlayStopped, false);
    SetState(kStateStand);
}

float cWife::GetAnimationSpeed() const { return HeroAnimationSpeed(*this); }

void cWife::StartMove() { StartMoveAtSpeed(HeroMoveSpeed(GetAnimationKey())); }

void cWife::SetTarget(cGameObject* target, int32_t kind) { SetHeroTarget(*this, target, kind); }

void cWife::LeaveBlockedCell()
{
    if (doorState_ == kDoorOutside) cMan::LeaveBlockedCell();
}

void cWife::CheckPathAhead()
{
    if (doorState_ == kDoorOutside) cMan::CheckPathAhead();
}

void cWife::ReturnHome()
{
    if (GetState() == kStateInside || doorState_ != kDoorOutside) return;
    if (NeedsPortalHome(*this)) SetState(kStatePortal);
}

void cWife::RefundCost()
{
    if (paidCost_.IsZero()) return;
    if (LevelScreen* screen = CurrentLevelScreen()) screen->RefundResources(paidCost_);
    paidCost_.Clear();
}

int32_t cWife::OnStateChange(int32_t /*oldState*/, int32_t newState)
{
    switch (newState) {
    case kStateWalking: {
        const bool toTarget = target_ != nullptr && !IsHomeBuilding(target_);
        vec2 direction;
        GetMoveDirection(direction);
        PlayDirected(toTarget ? kRunName : kWalkName, direction, kPlayLoopForward);
        break;
    }
    case kStateStand: {
        cAppServices* services = GetAppServices();
        const uint32_t draw = services != nullptr ? services->GetRandomGen().NextValue() & kRandomMask : 0;
        PlayAnimation(kStandKeys[draw % 3], kPlayOnceForward);
        break;
    }
    case kStateMagic:
        PlayDirected(kMagicName, DirectionToward(target_), kPlayOnceForward);
        vrk::PlaySound(kMagicSound);
        break;
    case kStatePortal:
        StartHeroPortal(portal_, portalTime_, kPortalSeconds);
        break;
    default: break;
    }
    return 0;
}

int32_t cWife::OnMessage(uint32_t code, uintptr_t data)
{
    // The bell calls her off the order she was paid for: its price comes back.
    if (code == kEventBellAlarm && GetState() != kStateInside) RefundCost();
    // The stand's end, a targetless arrival and the bell go as for the hero.
    if (OnSharedHeroMessage(*this, code, data, kStateInside)) return 0;
    if (code == kMessageAnimationEnded && GetState() == kStateMagic) {
        EndMagic();
    } else if (code == kMessagePathFinished) {
        OnPathFinished();
    }
    return cMan::OnMessage(code, data);
}

void cWife::OnPathFinished()
{
    // What she was paid for is spent once her magic has reached the target; sent
    // elsewhere while she casts, it comes back. Where no magic is cast the payment
    // is spent on arrival.
    if (IsHomeBuilding(target_)) {
        paidCost_.Clear();
        SetState(kStateInside);
    } else if (!cEnemy::HasGone(target_) && TakesMagic(target_)) {
        SetState(kStateMagic);
    } else {
        paidCost_.Clear();
        SetState(kStateWander);
    }
}

void cWife::EndMagic()
{
    // A target that left the level while she cast (removed objects stay allocated
    // until the level is cleared) hears nothing: a removed worker would otherwise
    // be counted again.
    paidCost_.Clear();
    if (!cEnemy::HasGone(target_)) {
        target_->OnMessage(kEventMagicReached, reinterpret_cast<uintptr_t>(static_cast<cObject*>(this)));
    }
    SetState(kStateWander);
}

void cWife::Draw()
{
    if (GetState() == kStateInside || doorState_ != kDoorOutside) return;
    if (portal_.play.mode != kPlayStopped) {
        if (vrk::VertexBatch* batch = OwnerBatch()) {
            const vec2 position = GetPosition();
            portal_.Draw(*batch, position.x, position.y, GetColor());
        }
        return;
    }
    cMan::Draw();
}
