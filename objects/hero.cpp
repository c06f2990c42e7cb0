// cHero: construction, the set-up, the messages (the blow at a strike's end, the
// arrival, the bell), the state changes, the drawing and the way home.
#include "objects/hero.h"

#include "framework/objects/object_owner.h"
#include "framework/objects/small_math.h"
#include "objects/build.h"
#include "objects/enemy.h"
#include "objects/hero_gait.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"

namespace {

constexpr const char* kStandKey = "shawl0";
constexpr const char* kRunName = "run";
constexpr const char* kWalkName = "walk";
constexpr const char* kStrikeName = "strike";
constexpr const char* kPortalSprite = "succub_portal";
constexpr int32_t kDirections = 4;

}  // namespace

cHero::cHero(cObjectOwner* owner) : cMan(owner)
{
    layer_ = kHeroLayer;
    RestartHeroTimer(homeTimer_, kHomeSeconds);
    strikeTimer_.target = kStrikeSoundSeconds;
    if (LevelScreen* screen = CurrentLevelScreen()) screen->hero = this;
}

cHero::~cHero()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen != nullptr && screen->hero == this) screen->hero = nullptr;
}

int32_t cHero::GetTypeId() const { return kTypeHero; }

bool cHero::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeHero, id); }

void cHero::SetSprite(const std::string& sprite)
{
    cMan::SetSprite(sprite);
    AddAnimation(kStandKey, "hero_wait0");
    for (int32_t direction = 0; direction < kDirections; ++direction) {
        const std::string digit(1, static_cast<char>('0' + direction));
        AddAnimation(kRunName + digit, "hero_run" + digit);
        AddAnimation(kWalkName + digit, "hero_walk" + digit);
        AddAnimation(kStrikeName + digit, "hero_strike" + digit);
    }
    portal_.SetSprite(kPortalSprite, kPlayStopped, false);
    SetState(kStateStand);
}

float cHero::GetAnimationSpeed() const { return HeroAnimationSpeed(*this); }

void cHero::StartMove() { StartMoveAtSpeed(HeroMoveSpeed(GetAnimationKey())); }

void cHero::SetTarget(cGameObject* target, int32_t kind) { SetHeroTarget(*this, target, kind); }

void cHero::LeaveBlockedCell()
{
    if (doorState_ == kDoorOutside) cMan::LeaveBlockedCell();
}

void cHero::CheckPathAhead()
{
    if (doorState_ == kDoorOutside) cMan::CheckPathAhead();
}

void cHero::ReturnHome()
{
    if (GetState() == kStateInside || doorState_ != kDoorOutside) return;
    if (NeedsPortalHome(*this)) SetState(kStatePortal);
}

int32_t cHero::OnStateChange(int32_t /*oldState*/, int32_t newState)
{
    switch (newState) {
    case kStateWalking: {
        const bool toEnemy = target_ != nullptr && !IsHomeBuilding(target_);
        vec2 direction;
        GetMoveDirection(direction);
        PlayDirected(toEnemy ? kRunName : kWalkName, direction, kPlayLoopForward);
        break;
    }
    case kStateStand: PlayAnimation(kStandKey, kPlayOnceForward); break;
    case kStateStriking: {
        PlayDirected(kStrikeName, DirectionToward(target_), kPlayOnceForward);
        RestartHeroTimer(strikeTimer_, kStrikeSoundSeconds);
        break;
    }
    case kStatePortal:
        StartHeroPortal(portal_, portalTime_, kPortalSeconds);
        break;
    default: break;
    }
    return 0;
}

int32_t cHero::OnMessage(uint32_t code, uintptr_t data)
{
    // The stand's end, a targetless arrival and the bell go as for his wife.
    if (OnSharedHeroMessage(*this, code, data, kStateInside)) return 0;
    if (code == kMessageAnimationEnded && GetState() == kStateStriking) {
        Strike();
    } else if (code == kMessagePathFinished) {
        OnPathFinished();
    }
    return cMan::OnMessage(code, data);
}

void cHero::OnPathFinished()
{
    if (target_->IsKindOf(kTypeEnemy)) {
        // An enemy that left the level while he ran there is no one to strike.
        if (cEnemy::HasGone(target_)) {
            SetState(kStateStand);
            return;
        }
        target_->OnMessage(kEventShot, reinterpret_cast<uintptr_t>(static_cast<cObject*>(this)));
        SetState(kStateStriking);
    } else if (IsHomeBuilding(target_)) {
        SetState(kStateInside);
    } else {
        SetState(kStateWander);
    }
}

void cHero::Strike()
{
    // An enemy that has left the level takes no blow: he stands.
    if (cEnemy::HasGone(target_)) {
        SetState(kStateStand);
        return;
    }
    HitRecord hit{this, kStrikeDamage};
    target_->OnMessage(kEventHit, reinterpret_cast<uintptr_t>(&hit));
    const auto* enemy = dynamic_cast<const cEnemy*>(target_);
    if (enemy == nullptr || enemy->IsDead()) {
        SetState(kStateStand);
        return;
    }
    SetState(kStateNone);
    SetState(kStateStriking);
}

void cHero::Draw()
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
