// cBarrier: the set-up table of the obstacles, their work and what clearing one
// changes on the level (free cells, the roads, the log and stone counts and the
// achievements of levels "027" and "010").
#include "objects/barrier.h"

#include <array>

#include "engine/text/text_table.h"
#include "framework/objects/small_math.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"
#include "objects/progress_frame.h"

namespace {

constexpr const char* kLifeAnimation = "life";
// Never bound: a cleared log or stone shows nothing where it stood.
constexpr const char* kDoneAnimation = "done";
constexpr const char* kLogSprite = "log00";
constexpr const char* kBridgePrefix = "bridge";
constexpr float kFadeSeconds = 1.0f;
constexpr vec2 kBarOffset{0.0f, -20.0f};
constexpr int32_t kStonesForAchievement = 6;
constexpr const char* kLogLevel = "027";
constexpr const char* kStoneLevel = "010";
constexpr const char* kLogAchievement = "achieve_wood_barrier";
constexpr const char* kStoneAchievement = "achieve_stone_barrier";

// What an obstacle costs, yields and takes, by type name. Amounts per resource kind:
// wood, food, money, mana.
struct BarrierKind {
    const char* name;
    std::array<int32_t, 4> cost;
    std::array<int32_t, 4> yield;
    float period;
    vec2 marksOffset;
    bool stone;
};

const std::array<BarrierKind, 7> kBarrierKinds = {{
    {"log00", {0, 50, 0, 0}, {40, 0, 0, 0}, 5.0f, {-5.0f, 5.0f}, false},
    {"stone00", {0, 60, 60, 0}, {}, 5.0f, {-5.0f, 5.0f}, true},
    {"stone_big00", {0, 120, 120, 0}, {}, 10.0f, {-5.0f, 5.0f}, true},
    {"bridge00", {80, 0, 0, 0}, {}, 7.0f, {-20.0f, 5.0f}, false},
    {"bridge01", {80, 0, 0, 0}, {}, 7.0f, {-20.0f, 5.0f}, false},
    {"bridge_big00", {120, 0, 0, 0}, {}, 9.0f, {-20.0f, 5.0f}, false},
    {"bridge_big01", {120, 0, 0, 0}, {}, 9.0f, {-20.0f, 5.0f}, false},
}};

const BarrierKind* FindBarrierKind(const std::string& name)
{
    for (const BarrierKind& kind : kBarrierKinds) {
        if (name == kind.name) return &kind;
    }
    return nullptr;
}

}  // namespace

cBarrier::cBarrier(cObjectOwner* owner) : cGameObject(owner) {}

cBarrier::~cBarrier()
{
    cost_.Clear();
    yield_.Clear();
}

int32_t cBarrier::OnMessage(uint32_t code, uintptr_t data)
{
    if (code == kMessageWorkTimer) {
        SetState(kStateCleared);
        return 0;
    }
    return cGameObject::OnMessage(code, data);
}

int32_t cBarrier::GetTypeId() const { return kTypeBarrier; }

bool cBarrier::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeBarrier, id); }

void cBarrier::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    barOffset_ = kBarOffset;
    if (const BarrierKind* kind = FindBarrierKind(sprite)) {
        AddAnimation(kLifeAnimation, sprite);
        cost_ = ResourceVector(kind->cost.data(), kind->cost.size());
        yield_ = ResourceVector(kind->yield.data(), kind->yield.size());
        SetTimerPeriod(kind->period);
        marksOffset_ = kind->marksOffset;
    }
    SetFadeTime(kFadeSeconds);
    SetState(kStateWorkDone);
}

int32_t cBarrier::HitTest(const vec2& point)
{
    if (GetUsedPlaces() != 0 || GetState() == kStateCleared) return 0;
    if (cGameObject::HitTest(point) != 0) return 1;
    // The gap of a broken bridge is where a player clicks to mend it: the frame's
    // empty parts answer too, as a tint, so a figure seen through them still takes
    // the pointer first.
    if (GetAnimation() == nullptr) return 0;
    Rect rect;
    GetFrameRect(rect, -1);
    return IsPointInRect(rect, point) ? 1 : 0;
}

int32_t cBarrier::OnStateChange(int32_t /*oldState*/, int32_t newState)
{
    if (newState == kStateWorkDone) {
        PlayAnimation(kLifeAnimation, kPlayStopped);
        LevelScreen* screen = CurrentLevelScreen();
        if (sprite_ == kLogSprite && screen != nullptr) ++screen->standingLogs;
    } else if (newState == kStateCleared) {
        OnCleared();
    }
    return 0;
}

void cBarrier::OnCleared()
{
    MarkZone(0);
    if (!IsBridge(this)) PlayAnimation(kDoneAnimation, kPlayStopped);
    // Sent at once: the roads are recomputed before anyone walks on.
    if (owner_ != nullptr) owner_->OnScreenEvent(kEventZoneFreed, 0);
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr) return;
    const std::string& level = screen->GetLevelName();
    if (sprite_ == kLogSprite) {
        --screen->standingLogs;
        if (screen->standingLogs == 0 && level == kLogLevel) screen->UnlockAchievement(kLogAchievement);
        return;
    }
    const BarrierKind* kind = FindBarrierKind(sprite_);
    if (kind != nullptr && kind->stone) {
        ++screen->clearedStones;
        if (screen->clearedStones == kStonesForAchievement && level == kStoneLevel) {
            screen->UnlockAchievement(kStoneAchievement);
        }
    }
}

ResourceVector cBarrier::GetCost()
{
    // The order paid already: nothing is charged twice while the work runs.
    if (GetState() == kStateWorking) return ResourceVector();
    return cost_;
}

ResourceVector cBarrier::GetYield() { return yield_; }

std::string cBarrier::GetHintText()
{
    std::string text = vrk::FindText(sprite_) + "\n";
    if (GetState() == kStateWorking) return text + vrk::FindText("FinishWork");
    std::string amounts;
    if (!cost_.IsZero()) {
        const LevelScreen* screen = CurrentLevelScreen();
        const ResourceVector stock = screen != nullptr ? screen->Stock() : ResourceVector();
        text += vrk::FindText("Price") + ": " + cost_.FormatResourceCost(amounts, stock) + "\n";
    }
    if (!yield_.IsZero()) text += vrk::FindText("Profit") + ": " + yield_.FormatResourceAmounts(amounts, true);
    return text;
}

int32_t cBarrier::UpdateTimer(float dt)
{
    const int32_t step = cGameObject::UpdateTimer(dt);
    if (step == kTimerRunning || step == kTimerRestarted) ShowProgressFrame(*this, GetTimerProgress());
    return step;
}

bool IsBridge(const cObject* object)
{
    return object != nullptr && object->IsKindOf(kTypeBarrier) && object->GetSprite().rfind(kBridgePrefix, 0) == 0;
}
