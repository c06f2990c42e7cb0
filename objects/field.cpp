// cField: set-up, growth runs, ripeness and harvest (and its end when the harvester
// leaves), hint and leaves.
#include "objects/field.h"

#include <algorithm>
#include <cmath>

#include "engine/text/text_table.h"
#include "framework/objects/app_services.h"
#include "framework/objects/object_owner.h"
#include "framework/objects/small_math.h"
#include "objects/level_screen.h"
#include "objects/level_contract.h"

namespace {

constexpr const char* kGrowKey = "grow";
constexpr const char* kLeavesEffect = "leaves";
constexpr vec2 kLeavesOffset{0.0f, 130.0f};
constexpr vec2 kBarOffset{0.0f, -20.0f};
constexpr vec2 kMarksOffset{-20.0f, 10.0f};
constexpr float kFadeSeconds = 1.0f;
constexpr int32_t kFoodIndex = 1;
constexpr int32_t kHarvestFood = 20;

}  // namespace

cField::cField(cObjectOwner* owner) : cGameObject(owner) { growth_.speed = 1.0f; }

cField::~cField() = default;

int32_t cField::GetTypeId() const { return kTypeField; }

bool cField::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeField, id); }

void cField::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    AddAnimation(kGrowKey, sprite);
    barOffset_ = kBarOffset;
    marksOffset_ = kMarksOffset;
    SetFadeTime(kFadeSeconds);
    // Every field gives the same harvest, whatever its picture.
    yield_ = ResourceVector();
    if (yield_.Size() > kFoodIndex) yield_.amounts[kFoodIndex] = kHarvestFood;
    SetTimerPeriod(kHarvestSeconds);
    leaves_.SetEffect(OwnerBatch(), kLeavesEffect);
    leaves_.SetEmitting(false);
    const vec2 at = GetPosition() + kLeavesOffset;
    leaves_.SetPosition(at.x, at.y);
    SwitchAnimation(kGrowKey);
    SetState(kStateGrowing);
}

float cField::GrowthStep() const
{
    const LevelScreen* screen = CurrentLevelScreen();
    if (screen != nullptr && screen->spellTimers[kFastFoodSpell] >= 0.0f) return kFastGrowthStep;
    return kTickSeconds;
}

void cField::Update()
{
    cGameObject::Update();
    // The editor may move the field after its set-up; the leaves follow.
    const vec2 at = GetPosition() + kLeavesOffset;
    leaves_.SetPosition(at.x, at.y);
    leaves_.Update(kTickSeconds);
    EndHarvestWithoutWorker();
    const float step = GrowthStep();
    if (GetState() != kStateGrowing) return;
    if (growth_.elapsed == growth_.duration) {
        StartGrowthRun();
        return;
    }
    growth_.elapsed += step;
    if (growth_.elapsed < growth_.duration) {
        growth_.current = growth_.start + (growth_.target - growth_.start) * growth_.elapsed / growth_.duration;
        ShowGrowthFrame();
        return;
    }
    growth_.current = growth_.target;
    growth_.elapsed = growth_.duration;
    SetState(kStateWorkDone);
    ShowGrowthFrame();
}

void cField::EndHarvestWithoutWorker()
{
    // Only a worker at the field runs its harvest timer down: once the last one has
    // left (scared, stunned, frozen or called away), the harvest cannot go on and its
    // bar would stand over the field for ever. The field is ripe again, so that the
    // next order starts a whole harvest.
    if (GetState() != kStateWorking || GetUsedPlaces() > 0) return;
    SetTimerRemaining(0.0f);
    SetState(kStateWorkDone);
}

void cField::StartGrowthRun()
{
    cAppServices* services = GetAppServices();
    const float r = services != nullptr ? services->GetRandomGen().NextFraction() : 0.0f;
    float target = kGrowthBase + kGrowthRange * r;
    // A field that has never grown is ripe sooner.
    if (growth_.current < kFloatEpsilon) target *= kFirstGrowthShare;
    growth_.start = 0.0f;
    growth_.current = 0.0f;
    growth_.elapsed = 0.0f;
    growth_.target = target;
    growth_.duration = target / growth_.speed;
    if (growth_.duration < kTimedSnapDuration) growth_.current = target;
}

void cField::ShowGrowthFrame()
{
    if (!(growth_.target > 0.0f)) return;
    const float frames = static_cast<float>(GetFrameCount() - 1);
    ShowFrameClamped(static_cast<int64_t>(std::floor(frames * growth_.current / growth_.target)));
}

void cField::ShowFrameClamped(int64_t frame)
{
    // A missing sprite has no frames, so there is nothing to show.
    const int32_t frameCount = GetFrameCount();
    if (frameCount <= 0) return;
    SetFrame(static_cast<int32_t>(std::clamp<int64_t>(frame, 0, frameCount - 1)));
}

int32_t cField::OnStateChange(int32_t /*oldState*/, int32_t newState)
{
    if (newState == kStateWorkDone) ShowFrameClamped(static_cast<int64_t>(GetFrameCount()) - 1);
    if (newState == kStateGrowing) ShowFrameClamped(0);
    return 0;
}

int32_t cField::OnMessage(uint32_t code, uintptr_t data)
{
    // The harvest is done: the field starts over.
    if (code == kMessageWorkTimer) {
        SetState(kStateGrowing);
        return 0;
    }
    return cGameObject::OnMessage(code, data);
}

int32_t cField::GetOrderState()
{
    const int32_t code = cGameObject::GetOrderState();
    if (code == kOrderAllowed && GetState() == kStateGrowing) return kOrderGrowing;
    return code;
}

ResourceVector cField::GetYield() { return yield_; }

std::string cField::GetHintText()
{
    std::string caption;
    return vrk::FindText(sprite_) + "\n" + vrk::FindText("Profit") + ": " +
           yield_.FormatResourceAmounts(caption, true);
}

float cField::GetRadius() { return 0.0f; }

void cField::ShowLeaves(bool on) { leaves_.SetEmitting(on); }

void cField::Draw()
{
    cGameObject::Draw();
    if (owner_ != nullptr) leaves_.Draw(owner_->GetViewMatrix());
}
