// The worker's thought cloud: its show-and-hide cycle with fades, its drawing (the
// bubble opens toward the middle of the screen) and its creation on the level.
#include "objects/worker_cloud.h"

#include <algorithm>
#include <cmath>

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "framework/objects/app_services.h"
#include "framework/objects/object_owner.h"
#include "objects/level_contract.h"
#include "objects/level_screen.h"

namespace {

constexpr const char* kCloudSprite = "cloud";
constexpr const char* kMarkSprite = "exclamation";
constexpr const char* kMarkKey = "life";
constexpr const char* kSetUpName = "worker_cloud";
constexpr float kFadeSeconds = 1.0f;
// The bubble sits beside the mark, on the side toward the middle of the screen.
constexpr float kBubbleSideOffset = 30.0f;
constexpr float kBubbleDrop = -5.0f;
// Below this opacity nothing is drawn.
constexpr float kVisibleOpacity = 1.1920929e-7f;
constexpr float kChannelMax = 255.0f;
constexpr uint32_t kWhiteRgb = 0x00FFFFFFu;
constexpr uint32_t kFullMask = 0xFFFFFFFFu;
constexpr int kAlphaShift = 24;

float RandomFraction()
{
    cAppServices* services = GetAppServices();
    return services != nullptr ? services->GetRandomGen().NextFraction() : 0.0f;
}

// Restarts a timer from 0 toward the target.
void RunFromZero(TimedValue<float>& timer, float target)
{
    timer.current = 0.0f;
    timer.SetTarget(target);
}

}  // namespace

cWorkerCloud::cWorkerCloud(cObjectOwner* owner) : cObject(owner)
{
    RunFromZero(cycle_, kFirstDelay + kFirstSpread * RandomFraction());
}

int32_t cWorkerCloud::GetTypeId() const { return kTypeWorkerCloud; }

bool cWorkerCloud::IsKindOf(int32_t id) const { return IsLevelKindOf(kTypeWorkerCloud, id); }

void cWorkerCloud::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    cloudSprite_.SetSprite(kCloudSprite, kPlayStopped, true);
    AddAnimation(kMarkKey, kMarkSprite);
    PlayAnimation(kMarkKey, kPlayLoopForward);
}

void cWorkerCloud::Update()
{
    cObject::Update();

    fade_.Step(kTickSeconds);
    const float opacity = std::clamp(fade_.current, 0.0f, 1.0f);
    const auto alpha = static_cast<uint32_t>(opacity * kChannelMax);
    SetColor(kWhiteRgb | alpha << kAlphaShift, kFullMask);

    const int32_t step = cycle_.Step(kTickSeconds);
    if (step == kTimedIdle) {
        RunFromZero(cycle_, shown_ ? kShownSeconds : kPauseDelay + kPauseSpread * RandomFraction());
    } else if (step == kTimedArrived) {
        shown_ = !shown_;
        fade_.current = shown_ ? 0.0f : 1.0f;
        fade_.speed = 1.0f / kFadeSeconds;
        fade_.SetTarget(shown_ ? 1.0f : 0.0f);
    }
}

void cWorkerCloud::Draw()
{
    if (fade_.current < kVisibleOpacity) return;
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;
    const uint32_t color = GetColor();

    // A cloud without frames still shows its mark.
    if (cloudSprite_.info.texture && cloudSprite_.info.HasFrame(0)) {
        FrameWindow window = cloudSprite_.info.Window(0);
        float side = -kBubbleSideOffset;
        if (position_.x < kMirrorBelowX) {
            window.u += window.width;
            window.width = -window.width;
            side = kBubbleSideOffset;
        }
        const vec2 hotSpot = cloudSprite_.info.HotSpot(0);
        const vec2 size = cloudSprite_.info.Size(0);
        vrk::cRender::AddQuad(*batch, cloudSprite_.info.texture, window.u, window.v, window.width, window.height,
                              position_.x + side - hotSpot.x, position_.y + kBubbleDrop - hotSpot.y, size.x,
                              size.y, color);
    }
    if (hasAnimation_) anim_.Draw(*batch, position_.x, position_.y, color);
}

cWorkerCloud* CreateWorkerCloud(const vec2& point)
{
    LevelScreen* screen = CurrentLevelScreen();
    if (screen == nullptr || screen->IsEditorMode()) return nullptr;
    auto* cloud = dynamic_cast<cWorkerCloud*>(screen->CreateObject(kTypeWorkerCloud, 0));
    if (cloud == nullptr) return nullptr;
    cloud->SetSprite(kSetUpName);
    cloud->SetPositionV(point);
    return cloud;
}
