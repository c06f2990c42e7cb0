// cSource: the set-up by type name, the work timer and its portions, the states
// with the level's counters, the order verdict, the hint and the mouse test.
#include "objects/source.h"

#include <algorithm>
#include <array>

#include "engine/text/text_table.h"
#include "framework/objects/app_services.h"
#include "framework/objects/object_owner.h"
#include "framework/objects/small_math.h"
#include "objects/level_screen.h"
#include "objects/level_contract.h"

namespace {

constexpr size_t kResourceSlots = 4;
using Amounts = std::array<int32_t, kResourceSlots>;

// One recognised type name. A tree is any name that starts with "tree".
struct SourceType {
    const char* name;
    bool prefix;
    int32_t kind;
    float workSeconds;
    int32_t portions;
    Amounts cost;
    Amounts yield;
    float fadeTime;
    vec2 barOffset;
    vec2 marksOffset;
};

constexpr SourceType kSourceTypes[] = {
    {"nugget00", false, cSource::kKindNugget, 4.7f, 5, {0, 10, 0, 0}, {0, 0, 20, 0}, 1.0f, {0, -20}, {-10, 10}},
    {"well00", false, cSource::kKindWell, 4.7f, cSource::kEndless, {0, 0, 0, 0}, {0, 0, 0, 20}, 0.0f, {0, -20},
     {0, 10}},
    {"tree", true, cSource::kKindTree, 4.0f, 1, {0, 10, 0, 0}, {20, 0, 0, 0}, 0.3f, {-20, -20}, {-30, 15}},
};

// Outlines relative to the position, the first point repeated at the end.
const std::vector<vec2> kWellOutline{{-38, -22}, {-36, 66}, {-11, 66}, {0, 28},
                                     {36, 30},   {36, -22}, {-38, -22}};
const std::vector<vec2> kTreeOutline{{0, -10}, {-55, 57}, {0, 112}, {55, 57}, {0, -10}};

constexpr const char* kLifeKey = "life";
constexpr const char* kDoneKey = "done";
constexpr const char* kStumpSprite = "stump00";
constexpr const char* kLeavesEffect = "leaves";
constexpr const char* kSparkEffect = "wood_spark";
constexpr const char* kWaterSprite = "well00_water";
constexpr const char* kGlowSprite = "well00_effect";
constexpr const char* kShadowSuffix = "_sh";
constexpr const char* kTreeTextKey = "tree";

// A well's walkers stand this far above it.
constexpr vec2 kWellStandOffset{0.0f, 25.0f};
// A tree's worker stops within a third of the frame's width.
constexpr float kTreeRadiusShare = 1.0f / 3.0f;
constexpr float kSwayBound = 0.1f;
constexpr float kSwaySpeed = 0.2f;
constexpr float kGlowStartLow = 0.4f;

// Level "011" is lost when this tree falls while this stone still stands.
constexpr const char* kEarlyTreeLevel = "011";
constexpr const char* kEarlyTreeName = "tree_game_over";
constexpr const char* kEarlyStoneName = "stone_game_over";
constexpr int32_t kStoneCleared = 2;
constexpr const char* kEarlyTreeText = "GameOver_011";
constexpr const char* kLastTreeLevel = "014";
constexpr const char* kLastTreeAchievement = "achieve_wood";
constexpr const char* kLastNuggetLevel = "023";
constexpr const char* kLastNuggetAchievement = "achieve_money";

const SourceType* FindSourceType(const std::string& name)
{
    for (const SourceType& type : kSourceTypes) {
        if (type.prefix ? name.rfind(type.name, 0) == 0 : name == type.name) return &type;
    }
    return nullptr;
}

float AppFraction()
{
    cAppServices* services = GetAppServices();
    return services != nullptr ? services->GetRandomGen().NextFraction() : 0.0f;
}

}  // namespace

cSource::cSource(cObjectOwner* owner) : cGameObject(owner)
{
    layer_ = kSourceLayer;
    leavesTimer_.speed = 1.0f;
    glow_.speed = kGlowSpeed;
}

cSource::~cSource() = default;

int32_t cSource::GetTypeId() const { return kTypeSource; }

bool cSource::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeSource, id); }

void cSource::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    const bool loadNow = owner_ != nullptr && owner_->IsEditorMode();
    const SourceType* type = FindSourceType(sprite);
    kind_ = type != nullptr ? type->kind : kKindOther;
    portions_ = type != nullptr ? type->portions : kEndless;
    cost_ = type != nullptr ? ResourceVector(type->cost.data(), type->cost.size()) : ResourceVector();
    yield_ = type != nullptr ? ResourceVector(type->yield.data(), type->yield.size()) : ResourceVector();
    hitPolygon_.clear();
    SetTimerPeriod(type != nullptr ? type->workSeconds : 0.0f);
    if (type != nullptr) {
        SetFadeTime(type->fadeTime);
        barOffset_ = type->barOffset;
        marksOffset_ = type->marksOffset;
    }

    switch (kind_) {
    case kKindNugget:
        AddAnimation(kLifeKey, sprite);
        break;
    case kKindWell:
        AddAnimation(kLifeKey, sprite);
        hitPolygon_ = kWellOutline;
        water_.SetSprite(kWaterSprite, kPlayLoopForward, loadNow);
        glowSprite_.SetSprite(kGlowSprite, kPlayLoopForward, loadNow);
        glow_.current = kGlowStartLow + (kGlowHigh - kGlowStartLow) * AppFraction();
        glow_.SetTarget(kGlowLow);
        break;
    case kKindTree: {
        AddAnimation(kLifeKey, sprite);
        AddAnimation(kDoneKey, kStumpSprite);
        hitPolygon_ = kTreeOutline;
        leaves_.SetEffect(OwnerBatch(), kLeavesEffect);
        leaves_.SetEmitting(false);
        sparks_.SetEffect(OwnerBatch(), kSparkEffect);
        sparks_.SetEmitting(false);
        if (sparks_.GetParams()) {
            sparkVelocityMin_ = sparks_.GetParams()->velocityMin;
            sparkVelocityMax_ = sparks_.GetParams()->velocityMax;
        }
        sway_ = SourceSwing{-kSwayBound, kSwayBound, AppFraction(), kSwaySpeed};
        break;
    }
    default:
        break;
    }
    const std::string base = sprite.substr(0, sprite.find('_'));
    shadow_.SetSprite(base + kShadowSuffix, kPlayStopped, loadNow);
    PlaceEffects();
    SetState(kStateWorkDone);
}

// --- Work ---

int32_t cSource::UpdateTimer(float dt)
{
    if (timerRemaining_ > 0.0f) {
        timerRemaining_ -= dt;
        if (timerRemaining_ > 0.0f) return kTimerRunning;
        timerRemaining_ = 0.0f;
        OnMessage(kMessageWorkTimer, 0);
    } else if (timerPeriod_ > 0.0f) {
        timerRemaining_ = timerPeriod_;
        return kTimerRestarted;
    }
    // The frame shows what is left. An endless source would ask for one past its
    // last frame, and a short animation for one before its first.
    const int32_t frameCount = GetFrameCount();
    if (frameCount > 0) {
        const int64_t wanted = static_cast<int64_t>(frameCount) - portions_ - 1;
        SetFrame(static_cast<int32_t>(std::clamp<int64_t>(wanted, 0, frameCount - 1)));
    }
    return kTimerIdle;
}

int32_t cSource::OnMessage(uint32_t code, uintptr_t data)
{
    if (code == kMessageWorkTimer && portions_ > 0) {
        --portions_;
        if (portions_ < 1) {
            SetState(kStateExhausted);
            return 1;
        }
    }
    return cGameObject::OnMessage(code, data);
}

void cSource::SetPortions(int32_t portions) { portions_ = portions; }

// --- States and the level's counters ---

int32_t cSource::OnStateChange(int32_t oldState, int32_t newState)
{
    if (newState == kStateWorkDone) OnReady(oldState);
    if (newState == kStateExhausted) OnExhausted();
    return 0;
}

void cSource::OnReady(int32_t oldState)
{
    SwitchAnimation(kLifeKey);
    LevelScreen* screen = CurrentLevelScreen();
    if (kind_ == kKindTree) {
        MarkZone(1);
        if (owner_ != nullptr) owner_->OnScreenEvent(kEventZoneMarked, 0);
        if (countedAsLiving_ == 0) {
            countedAsLiving_ = 1;
            if (screen != nullptr) ++screen->livingTrees;
        }
    } else if (kind_ == kKindNugget && oldState == kStateNone && screen != nullptr) {
        ++screen->nuggets;
    }
}

void cSource::OnExhausted()
{
    if (animations_.count(kDoneKey) != 0) SwitchAnimation(kDoneKey);
    LevelScreen* screen = CurrentLevelScreen();
    const std::string level = owner_ != nullptr ? owner_->GetLevelName() : std::string();
    if (kind_ == kKindTree) {
        MarkZone(0);
        if (owner_ != nullptr) owner_->OnScreenEvent(kEventZoneFreed, 0);
        if (countedAsLiving_ != 0) {
            countedAsLiving_ = 0;
            if (screen != nullptr && --screen->livingTrees == 0 && level == kLastTreeLevel) {
                screen->UnlockAchievement(kLastTreeAchievement);
            }
        }
        CheckEarlyFelling();
    } else if (kind_ == kKindNugget && screen != nullptr) {
        if (--screen->nuggets == 0 && level == kLastNuggetLevel) screen->UnlockAchievement(kLastNuggetAchievement);
    }
}

void cSource::CheckEarlyFelling()
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr || name_ != kEarlyTreeName || screen->GetLevelName() != kEarlyTreeLevel) return;
    ObjectList stones;
    screen->FindObjectsByName(stones, kEarlyStoneName, -1);
    if (stones.empty() || stones.front()->GetState() == kStoneCleared) return;
    screen->gameOverText = vrk::FindText(kEarlyTreeText);
    screen->PostEvent(kEventLevelEnd, 0);
}

// --- What the player and the workers see of it ---

int32_t cSource::GetOrderState()
{
    const int32_t code = cGameObject::GetOrderState();
    if (code == kOrderAllowed && GetState() == kStateExhausted) return kOrderRefused;
    return code;
}

ResourceVector cSource::GetCost()
{
    // The order being worked is paid already.
    if (GetState() == kStateWorking) return ResourceVector();
    return cost_;
}

ResourceVector cSource::GetYield() { return yield_; }

std::string cSource::GetHintText()
{
    std::string text = vrk::FindText(kind_ == kKindTree ? kTreeTextKey : sprite_) + "\n";
    if (GetState() == kStateWorking) return text + vrk::FindText("FinishWork");
    std::string caption;
    if (!cost_.IsZero()) {
        LevelScreen* screen = CurrentLevelScreen();
        const ResourceVector stock = screen != nullptr ? screen->Stock() : ResourceVector();
        text += vrk::FindText("Price") + ": " + cost_.FormatResourceCost(caption, stock) + "\n";
    }
    if (!yield_.IsZero()) text += vrk::FindText("Profit") + ": " + yield_.FormatResourceAmounts(caption, true);
    return text;
}

float cSource::GetRadius()
{
    if (kind_ == kKindWell) return 0.0f;
    if (kind_ != kKindTree) return cGameObject::GetRadius();
    Rect rect;
    GetFrameRect(rect, -1);
    return rect.width * kTreeRadiusShare;
}

void cSource::GetLinkedPoints(std::vector<vec2>& points) const
{
    if (kind_ != kKindWell) {
        cGameObject::GetLinkedPoints(points);
        return;
    }
    points.clear();
    points.push_back(GetPosition() + kWellStandOffset);
}

int32_t cSource::HitTest(const vec2& point)
{
    if (GetUsedPlaces() > 0 || GetState() == kStateExhausted || heldByGoblin_ != 0) return 0;
    if (hitPolygon_.empty()) return cGameObject::HitTest(point);
    // Inside the outline the picture still decides: its see-through gaps are not
    // the source.
    return IsPointInPolygon(hitPolygon_, point - GetPosition()) && ShowsAt(point) ? 1 : 0;
}
