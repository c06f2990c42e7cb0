// cTunnelBuild: the set-up of the five special buildings, the payment by
// instalments while workers work on them, the completion extras and the hint.
#include "objects/tunnel_build.h"

#include <iterator>
#include <numeric>

#include "engine/text/text_table.h"
#include "framework/objects/object_owner.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/progress_frame.h"

namespace {

constexpr vec2 kBarOffset{0.0f, -50.0f};
constexpr vec2 kCaptionOffset{0.0f, 80.0f};
constexpr vec2 kLightOffset{0.0f, 110.0f};
constexpr float kFadeSeconds = 1.0f;
constexpr float kNoPrice = 1.1920929e-07f;
constexpr int32_t kFountainLayer = 7;
constexpr const char* kFountainSprite = "anim=source_fountain";
constexpr const char* kLifeWater = "source_life_water";
constexpr const char* kLighthouse = "lighthouse00";

// One special building: its whole price and the one resource it is paid in (wood,
// food, money, mana), its pictures, footprint, places for workers and offsets.
struct SpecialBuilding {
    const char* name;
    int32_t resource;
    int32_t price;
    const char* noneSprite;
    int32_t zoneWidth;
    int32_t zoneHeight;
    int32_t places;
    bool setsMarks;
    vec2 marksOffset;
};
constexpr SpecialBuilding kBuildings[] = {
    {kLighthouse, 0, 250, "zone2x2", 2, 2, 3, true, {-40.0f, 10.0f}},
    {"ruins00", 1, 500, "ruins00", 4, 3, 5, false, {}},
    {"castle_ice", 2, 400, "castle_ice", 4, 3, 5, true, {-40.0f, 30.0f}},
    {"tower_advisor", 2, 120, "tower_advisor", 2, 2, 3, true, {-40.0f, 30.0f}},
    {kLifeWater, 2, 1000, kLifeWater, 4, 4, 5, true, {-40.0f, 30.0f}},
};
constexpr float kLighthousePeriod = 100.0f;
constexpr vec2 kLifeWaterBarOffset{0.0f, -100.0f};

bool LoadNow(const cObjectOwner* owner) { return owner != nullptr && owner->IsEditorMode(); }

int32_t Sum(const ResourceVector& amounts) { return std::accumulate(amounts.amounts.begin(), amounts.amounts.end(), 0); }

}  // namespace

cTunnelBuild::cTunnelBuild(cObjectOwner* owner) : cBuild(owner) {}

cTunnelBuild::~cTunnelBuild()
{
    fireEffect_.Clear();
    smokeEffect_.Clear();
}

int32_t cTunnelBuild::GetTypeId() const { return kTypeTunnelBuild; }

bool cTunnelBuild::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeTunnelBuild, id); }

void cTunnelBuild::SetSprite(const std::string& sprite)
{
    paidShown_.Clear();
    sprite_ = sprite;
    barOffset_ = kBarOffset;
    shadowSprite_.SetSprite(sprite + "_sh", kPlayLoopForward, LoadNow(owner_));
    buildIcon_.SetSprite("icon_build", kPlayStopped, LoadNow(owner_));

    for (const SpecialBuilding& building : kBuildings) {
        if (sprite != building.name) continue;
        price_.Clear();
        instalment_.Clear();
        if (static_cast<size_t>(building.resource) < price_.Size()) {
            price_.amounts[static_cast<size_t>(building.resource)] = building.price;
            instalment_.amounts[static_cast<size_t>(building.resource)] = 1;
        }
        AddAnimation("none", building.noneSprite);
        AddAnimation("0", sprite);
        SetZoneSize(building.zoneWidth, building.zoneHeight);
        SetPlaces(building.places);
        if (building.setsMarks) marksOffset_ = building.marksOffset;
    }
    priceLeft_ = price_;

    if (sprite == kLighthouse) {
        SetTimerPeriod(kLighthousePeriod);
        const vec2 light = GetPosition() + kLightOffset;
        smokeEffect_.SetEffect(OwnerBatch(), "smoke");
        fireEffect_.SetEffect(OwnerBatch(), "fire");
        for (EffectHolder* effect : {&smokeEffect_, &fireEffect_}) {
            effect->SetPosition(light.x, light.y);
            effect->SetEmitting(false);
        }
    } else if (sprite == "tower_advisor") {
        SetState(kStateWorkDone);
    } else if (sprite == kLifeWater) {
        barOffset_ = kLifeWaterBarOffset;
    }

    // The level-file text is not read: a special building has one level.
    PlayAnimation("none", kPlayStopped);
    SetFadeTime(kFadeSeconds);
    SetUpSmoke();
}

int32_t cTunnelBuild::HitTest(const vec2& point) { return HitsPicture(point) ? 1 : 0; }

int32_t cTunnelBuild::GetOrderState()
{
    const int32_t verdict = cBuild::GetOrderState();
    if (verdict != kOrderAllowed) return verdict;
    return owner_ != nullptr && owner_->HasResources(instalment_) ? kOrderAllowed : kOrderCannotPay;
}

ResourceVector cTunnelBuild::GetCost() { return instalment_; }

float cTunnelBuild::GetTimerProgress()
{
    const int32_t total = Sum(price_);
    if (!(static_cast<float>(total) > kNoPrice)) return 0.0f;
    return static_cast<float>(total - Sum(priceLeft_)) / static_cast<float>(total);
}

int32_t cTunnelBuild::UpdateTimer(float dt)
{
    // The work timer only keeps the framework's bar up; the payments follow the
    // pay timer and the price left.
    if (timerRemaining_ == 0.0f) {
        timerRemaining_ = kPayPeriod;
        timerPeriod_ = kPayPeriod;
    }
    payTimer_ += dt;
    if (payTimer_ < kPayPeriod) return kTimerRunning;
    payTimer_ = 0.0f;
    LevelScreen* screen = CurrentLevelScreen();
    // With nothing to pay with the worker leaves; the price left waits for the next
    // order.
    if (screen == nullptr || !screen->SpendResources(instalment_)) return kTimerIdle;

    for (size_t kind = 0; kind < priceLeft_.Size() && kind < instalment_.Size(); ++kind) {
        int32_t& left = priceLeft_.amounts[kind];
        left = instalment_.amounts[kind] < left ? left - instalment_.amounts[kind] : 0;
        if (kind < paidShown_.Size()) paidShown_.amounts[kind] += instalment_.amounts[kind];
    }
    if (Sum(paidShown_) >= kPaidCaptionUnits) {
        std::string amounts;
        screen->AddEffect("-" + paidShown_.FormatResourceAmounts(amounts, false), GetPosition() + kCaptionOffset);
        paidShown_.Clear();
    }
    for (const int32_t left : priceLeft_.amounts) {
        if (left > 0) {
            ShowProgressFrame(*this, GetTimerProgress());
            return kTimerRunning;
        }
    }
    OnPaidOff();
    return kTimerIdle;
}

void cTunnelBuild::OnPaidOff()
{
    fireEffect_.SetEmitting(true);
    smokeEffect_.SetEmitting(true);
    timerRemaining_ = 0.0f;
    timerPeriod_ = 0.0f;
    OnMessage(kMessageWorkTimer, 0);
}

int32_t cTunnelBuild::OnMessage(uint32_t code, uintptr_t data)
{
    if (code == kMessageWorkTimer && sprite_ == kLifeWater) RevealFountain();
    return cBuild::OnMessage(code, data);
}

void cTunnelBuild::RevealFountain()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return;
    ObjectList fountains;
    if (screen->FindObjectsBySprite(fountains, kFountainSprite, -1) == 0) return;
    screen->SetObjectLayer(fountains.front(), kFountainLayer);
}

void cTunnelBuild::Update()
{
    cBuild::Update();
    fireEffect_.Update(kTickSeconds);
    smokeEffect_.Update(kTickSeconds);
}

void cTunnelBuild::Draw()
{
    cBuild::Draw();
    if (owner_ == nullptr) return;
    if (fireEffect_.IsEmitting()) fireEffect_.Draw(owner_->GetViewMatrix());
    if (smokeEffect_.IsEmitting()) smokeEffect_.Draw(owner_->GetViewMatrix());
}

std::string cTunnelBuild::GetHintText()
{
    std::string text = vrk::FindText(sprite_);
    if (GetState() != kStateWorkDone) {
        const LevelScreen* screen = CurrentLevelScreen();
        const ResourceVector stock = screen != nullptr ? screen->Stock() : ResourceVector();
        const bool canPay = screen != nullptr && screen->HasResources(instalment_);
        std::string amounts;
        text += "\n" + vrk::FindText("PriceLeft") + ": " +
                (canPay ? priceLeft_.FormatResourceAmounts(amounts, false)
                        : priceLeft_.FormatResourceCost(amounts, stock));
    }
    if (GetUsedPlaces() > 0 && GetFreePlaces() > 0) text += "\n" + vrk::FindText("AddWorker");
    return text;
}
