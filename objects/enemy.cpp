// cEnemy: the hold after an engagement or a hit, the damage, the health bar and the
// target marker, the walk home and the shared helpers of the walking enemies.
#include "objects/enemy.h"

#include "framework/objects/small_math.h"
#include "objects/hero.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/worker.h"

namespace {
// Where the alpha of an ARGB colour sits.
constexpr int kColorAlphaShift = 24;
}  // namespace

cEnemy::cEnemy(cObjectOwner* owner) : cMan(owner)
{
    SetPlaces(kAttackerPlaces);
    SetLayerField(kEnemyLayer);
}

cEnemy::~cEnemy() = default;

cHero* cEnemy::FindHero()
{
    const LevelScreen* screen = CurrentLevelScreen();
    return screen != nullptr ? screen->hero : nullptr;
}

bool cEnemy::HasGone(const cObject* object)
{
    if (object == nullptr || object->GetState() == kStateRemoved) return true;
    const LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return false;
    return screen->IsRemovedObject(object);
}

std::vector<std::string> cEnemy::SetUpSprites(const AnimationList& animations)
{
    std::vector<std::string> sprites{kShadowSprite};
    for (const auto& [key, sprite] : animations) sprites.push_back(sprite);
    return sprites;
}

void cEnemy::AddAnimations(const AnimationList& animations)
{
    for (const auto& [key, sprite] : animations) AddAnimation(key, sprite);
}

bool cEnemy::IsOneShotStuck() const
{
    const SpriteAnim& anim = GetSpriteAnim();
    return GetAnimation() == nullptr || anim.play.frameCount < 2 || !(anim.play.framesPerSecond > 0.0f);
}

bool cEnemy::SendHome()
{
    LevelScreen* screen = CurrentLevelScreen();
    return screen != nullptr && home_ != nullptr && screen->SendWorker(this, home_, 0);
}

void cEnemy::RemoveFromLevel()
{
    if (LevelScreen* screen = CurrentLevelScreen()) screen->RemoveObject(this);
}

void cEnemy::Update()
{
    if (GetState() == kStateNone) SetState(kStateChoose);
    if (GetState() == kStateHeld) {
        cMan* hero = FindHero();
        if (hero != nullptr && hero->GetTarget() != this) {
            SetState(kStateChoose);
        } else if (holdTimer_.Step(kTickSeconds) == kTimedArrived) {
            // A hold cleared by an engagement (duration 0) does not run: the enemy
            // stays held until a hit starts the timer or the hero turns elsewhere.
            SetState(kStateChoose);
        }
    }
    cMan::Update();
}

bool cEnemy::ShowsHealthBar() const
{
    if (!(GetHealth() > 0.0f)) return false;
    return GetState() == kStateHeld || (GetDamage() > 0.0f && !IsDead());
}

bool cEnemy::ShowsTargetMarker() const
{
    const cMan* hero = FindHero();
    return hero != nullptr && hero->GetTarget() == this && GetState() < kStateHeld && !IsDead();
}

void cEnemy::DrawOverlay()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return;
    if (ShowsHealthBar()) screen->DrawProgress(GetPosition() + barOffset_, 1.0f - GetDamage() / GetHealth());
    if (!ShowsTargetMarker()) return;
    const SpriteAnim& marker = screen->GetTargetAnim();
    vrk::VertexBatch* batch = screen->GetPrimitiveBatch();
    if (marker.info.frameCount == 0 || batch == nullptr) return;
    const vec2 at = GetPosition() + marksOffset_;
    marker.Draw(*batch, at.x, at.y, GetColor());
}

int32_t cEnemy::OnMessage(uint32_t code, uintptr_t data)
{
    if (code == kEventShot) {
        SetState(kStateHeld);
        const float speed = holdTimer_.speed;
        holdTimer_ = TimedValue<float>{};
        holdTimer_.speed = speed;
    } else if (code == kEventHit) {
        const auto* hit = reinterpret_cast<const HitRecord*>(data);
        holdTimer_.current = 0.0f;
        holdTimer_.SetTarget(kHoldSeconds);
        timerRemaining_ += hit != nullptr ? hit->damage : 0.0f;
        if (timerRemaining_ >= timerPeriod_) {
            timerRemaining_ = timerPeriod_;
            return 1;
        }
    } else if (code == kMessagePathFinished) {
        if (target_ == nullptr) {
            SetState(kStateChoose);
        } else if (target_->IsKindOf(kTypeBaseEnemy)) {
            RemoveFromLevel();
        }
    }
    return cMan::OnMessage(code, data);
}

int32_t cEnemy::GetTypeId() const { return kTypeEnemy; }

bool cEnemy::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeEnemy, id); }

int32_t cEnemy::HitTest(const vec2& point)
{
    const cMan* hero = FindHero();
    if (hero != nullptr && hero->GetTarget() == this) return 0;
    if (GetAnimation() == nullptr) return 0;
    return ShowsAt(point) ? 1 : 0;
}

bool cEnemy::HidesPoint(const vec2& point)
{
    // A walker faded below half its strength is seen through.
    const uint32_t alpha = GetColor() >> kColorAlphaShift;
    if (GetAnimation() == nullptr || alpha < vrk::cAlphaMask::kSolidAlpha) return false;
    return CoverAt(point) == vrk::kCoverSolid;
}

int32_t cEnemy::GetOrderState() { return HeroReachVerdict(kOrderAllowed); }

int32_t cEnemy::HeroReachVerdict(int32_t verdict)
{
    if (verdict != kOrderAllowed) return verdict;
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr || screen->hero == nullptr) return verdict;
    return screen->CanWalkTo(screen->hero, this) ? kOrderAllowed : kOrderNotInteractive;
}

float cEnemy::GetRadius() { return kEnemyRadius; }

bool cEnemy::IsDead() const { return timerRemaining_ >= timerPeriod_; }

bool cEnemy::IsTargetTaken(cObject* object)
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return false;
    ObjectList enemies;
    screen->FindObjectsOfKind(enemies, kTypeEnemy, -1);
    for (cObject* other : enemies) {
        auto* enemy = dynamic_cast<cMan*>(other);
        if (enemy != nullptr && enemy != this && enemy->GetTarget() == object) return true;
    }
    return false;
}

bool cEnemy::SendToNearestWorker(std::list<cMan*> workers)
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return false;
    const vec2 at = GetPosition();
    workers.sort([&at](const cMan* a, const cMan* b) {
        return (a->GetPosition() - at).Length() < (b->GetPosition() - at).Length();
    });
    for (cMan* worker : workers) {
        std::vector<vec2> path;
        if (!screen->FindPath(path, this, worker, true) || !screen->SendWorker(this, worker, 0)) continue;
        setOut_ = 0;
        return true;
    }
    return false;
}

void cEnemy::GoHomeOrLeave()
{
    if (setOut_ != 0 || !SendHome()) RemoveFromLevel();
}

std::vector<cWorker*> cEnemy::WorkersWithin(float reach) const
{
    std::vector<cWorker*> nearby;
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return nearby;
    ObjectList workers;
    screen->FindObjectsOfKind(workers, kTypeWorker, LevelScreen::kWorkerLayer);
    for (cObject* object : workers) {
        auto* worker = dynamic_cast<cWorker*>(object);
        if (worker == nullptr || (worker->GetPosition() - GetPosition()).Length() > reach) continue;
        nearby.push_back(worker);
    }
    return nearby;
}
