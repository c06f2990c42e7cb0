// cBonfire: set-up with its light, tending and paying, the fire's count on the level
// and the warning pulse to nearby enemies.
#include "objects/bonfire.h"

#include <cmath>

#include "engine/text/text_table.h"
#include "framework/objects/object_owner.h"
#include "framework/widgets/base_widget.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"

namespace {

constexpr const char* kLifeKey = "life";
constexpr const char* kBonfireSprite = "bonfire";
constexpr const char* kLightTexture = "effect_fire";
constexpr const char* kSmokeEffect = "smoke";
constexpr const char* kFireEffect = "fire";
constexpr size_t kWoodIndex = 0;
// Where the tending worker stands, and where the paid wood rises.
constexpr vec2 kWorkerSpot{-20.0f, 15.0f};
constexpr vec2 kCaptionOffset{0.0f, 110.0f};
constexpr float kSecond = 1.0f;

}  // namespace

cBonfire::cBonfire(cObjectOwner* owner) : cGameObject(owner) { pulse_.speed = 1.0f; }

cBonfire::~cBonfire() = default;

int32_t cBonfire::GetTypeId() const { return kTypeBonfire; }

bool cBonfire::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeBonfire, id); }

void cBonfire::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    AddAnimation(kLifeKey, kBonfireSprite);
    SwitchAnimation(kLifeKey);
    radius_ = kRadius;
    price_ = kWoodPerSecond;
    // A set-up run again (the editor can) adds a new light; the old one is switched
    // off for good so that it cannot stay lit beside the new one.
    LevelScreen* screen = CurrentLevelScreen();
    if (screen != nullptr) {
        screen->lightList.SetActive(lightIndex_, false);
        lightIndex_ = screen->lightList.Add(kLightTexture, GetPosition(), radius_, kLightColor);
    }
    const vec2 at = GetPosition();
    smoke_.SetEffect(OwnerBatch(), kSmokeEffect);
    smoke_.SetPosition(at.x, at.y);
    fire_.SetEffect(OwnerBatch(), kFireEffect);
    fire_.SetPosition(at.x, at.y);
    SetBurning(false);
    SetState(kStateOut);
}

void cBonfire::SetBurning(bool on)
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen != nullptr) screen->lightList.SetActive(lightIndex_, on);
    fire_.SetEmitting(on);
    smoke_.SetEmitting(on);
}

int32_t cBonfire::HitTest(const vec2& point)
{
    // A burning fire lets clicks through to the worker who tends it.
    if (GetState() == kStateBurning) return 0;
    return cGameObject::HitTest(point);
}

void cBonfire::GetLinkedPoints(std::vector<vec2>& points) const
{
    points.clear();
    points.push_back(GetPosition() + kWorkerSpot);
}

bool cBonfire::ReleasePlace()
{
    const bool freed = cGameObject::ReleasePlace();
    if (GetState() == kStateBurning && GetUsedPlaces() == 0) SetState(kStateOut);
    return freed;
}

int32_t cBonfire::OnStateChange(int32_t oldState, int32_t newState)
{
    LevelScreen* screen = CurrentLevelScreen();
    if (newState == kStateBurning) {
        SetBurning(true);
        if (screen != nullptr && ++screen->burningFires > kFiresAllowed) screen->lessFireFlag = false;
    } else if (oldState == kStateBurning) {
        SetBurning(false);
        if (screen != nullptr) --screen->burningFires;
    }
    return 0;
}

ResourceVector cBonfire::GetCost()
{
    ResourceVector cost;
    if (cost.Size() > kWoodIndex) cost.amounts[kWoodIndex] = price_;
    return cost;
}

std::string cBonfire::GetHintText()
{
    std::string text = vrk::FindText(sprite_);
    const ResourceVector cost = GetCost();
    if (cost.IsZero()) return text;
    std::string amounts;
    return text + "\n" + vrk::FindText("Price") + ": " + cost.FormatResourceAmounts(amounts, true) + " " +
           vrk::FindText("PerSec");
}

int32_t cBonfire::UpdateTimer(float dt)
{
    paymentClock_ += dt;
    if (paymentClock_ < kSecond) return kTimerRunning;
    paymentClock_ = 0.0f;
    LevelScreen* screen = CurrentLevelScreen();
    const ResourceVector cost = GetCost();
    if (screen == nullptr || !screen->HasResources(cost)) return kTimerIdle;
    screen->SpendResources(cost);
    std::string amounts;
    screen->AddEffect("-" + cost.FormatResourceAmounts(amounts, false), GetPosition() + kCaptionOffset);
    return kTimerRunning;
}

float cBonfire::GetRadius() { return 0.0f; }

void cBonfire::WarnEnemies()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return;
    ObjectList enemies;
    screen->FindObjectsOfKind(enemies, kTypeEnemy, -1);
    const vec2 at = GetPosition();
    for (cObject* enemy : enemies) {
        const vec2 delta = enemy->GetPosition() - at;
        if (std::sqrt(delta.x * delta.x + delta.y * delta.y) <= radius_) {
            enemy->OnMessage(kEventBonfireNear, reinterpret_cast<uintptr_t>(enemy));
        }
    }
}

void cBonfire::Update()
{
    if (GetState() == kStateBurning) {
        const int32_t step = pulse_.Step(kTickSeconds);
        if (step == kTimedIdle) {
            pulse_.current = 0.0f;
            pulse_.SetTarget(kPulseSeconds);
        } else if (step == kTimedArrived) {
            WarnEnemies();
        }
    }
    fire_.Update(kTickSeconds);
    smoke_.Update(kTickSeconds);
    cGameObject::Update();
}

void cBonfire::Draw()
{
    cGameObject::Draw();
    if (owner_ == nullptr) return;
    if (smoke_.IsEmitting()) smoke_.Draw(owner_->GetViewMatrix());
    if (fire_.IsEmitting()) fire_.Draw(owner_->GetViewMatrix());
}
