// cDecor: set-up from the scenery descriptor, the per-kind update and drawing.
#include "framework/objects/decor.h"

#include <cmath>

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "engine/text/text_format.h"
#include "framework/objects/app_services.h"
#include "framework/objects/object_owner.h"

namespace {

constexpr float kTwoPi = 6.2831855f;
constexpr float kPi = 3.1415927f;
constexpr int32_t kDecorLayer = 9;
// The texture window scrolls in units of whole textures; it restarts at 100 to keep
// the coordinates small.
constexpr float kScrollWrap = 100.0f;
constexpr float kPercent = 100.0f;
constexpr const char* kRandKeyFormat = "rand%i";
// The snowman breathes: its height changes by this fraction.
constexpr float kBreath = 1.0f / 30.0f;
// The coffee steam's pause between two cycles, seconds.
constexpr float kCoffeeFadeTime = 0.3f;
constexpr float kCoffeePauseMin = 7.0f;
constexpr float kCoffeePauseMax = 10.0f;
// The bat hangs and sways slowly, pauses, and flutters fast just before each pause ends.
constexpr float kBatAngle = 0.0561f;
constexpr float kBatRate = 0.3f;
constexpr float kBatFlutterRate = 20.0f;
constexpr float kBatFirstPauseMin = 4.0f;
constexpr float kBatFirstPauseMax = 8.0f;
constexpr float kBatPauseMin = 15.0f;
constexpr float kBatPauseMax = 30.0f;
constexpr float kBatFlutterBefore = 2.0f;
constexpr uint32_t kQuadVertices = 6;

std::string RandKey(size_t index)
{
    return vrk::FormatToString(kRandKeyFormat, vrk::FormatArg::FromInt(static_cast<int32_t>(index)));
}

}  // namespace

float SceneryRandom(float low, float high)
{
    cAppServices* services = GetAppServices();
    if (services == nullptr) return low;
    return low + services->GetRandomGen().NextFraction() * (high - low);
}

cDecor::cDecor(cObjectOwner* owner) : cObject(owner) { layer_ = kDecorLayer; }

cDecor::~cDecor() = default;

int32_t cDecor::GetTypeId() const { return kTypeDecor; }

bool cDecor::IsKindOf(int32_t id) const { return id == kTypeDecor || id == kTypeObject; }

void cDecor::ResetMotion()
{
    kind_ = kDecorNone;
    startWeights_.clear();
    scrollSpeed_ = vec2{};
    phase_ = 0.0f;
    angleA_ = 0.0f;
    angleB_ = 0.0f;
    rate_ = 1.0f;
    waves_ = {};
    timer_ = 0.0f;
    flag_ = false;
    // A descriptor set again must not leave the old picture playing.
    fadeTime_ = 0.0f;
    if (hasAnimation_) PlayAnimation(std::string(), kPlayStopped);
    fadeTimer_ = 0.0f;
}

void cDecor::SetUpSway(const SceneryDescriptor& descriptor)
{
    AddAnimation(kMainKey, descriptor.Text(0));
    angleA_ = descriptor.Number(1);
    angleB_ = descriptor.Number(2);
    rate_ = descriptor.Number(3);
    phase_ = SceneryRandom(0.0f, 1.0f);
    PlayAnimation(kMainKey, kPlayStopped);
}

void cDecor::SetSprite(const std::string& sprite)
{
    sprite_ = sprite;
    ResetMotion();
    const SceneryDescriptor descriptor = ParseSceneryDescriptor(sprite);
    kind_ = descriptor.kind;
    const std::string& spriteName = descriptor.Text(0);
    switch (kind_) {
    case kDecorSimple:
        AddAnimation(kMainKey, spriteName);
        PlayAnimation(kMainKey, kPlayStopped);
        break;
    case kDecorAnim:
        AddAnimation(kMainKey, spriteName);
        PlayAnimation(kMainKey, kPlayLoopForward);
        break;
    case kDecorFade:
        AddAnimation(kMainKey, spriteName);
        PlayAnimation(kMainKey, kPlayLoopForward);
        SetFadeTime(descriptor.Number(1));
        break;
    case kDecorRand: {
        float weightSoFar = 0.0f;
        for (size_t pair = 0; pair * 2 < descriptor.values.size(); ++pair) {
            AddAnimation(RandKey(pair), descriptor.Text(pair * 2));
            startWeights_.push_back(weightSoFar);
            weightSoFar += descriptor.Number(pair * 2 + 1);
        }
        PickRandomAnimation();
        break;
    }
    case kDecorOffset:
        AddAnimation(kMainKey, spriteName);
        PlayAnimation(kMainKey, kPlayStopped);
        scrollSpeed_ = vec2{descriptor.Number(1), descriptor.Number(2)};
        break;
    case kDecorTree:
    case kDecorSnowman:
        SetUpSway(descriptor);
        break;
    case kDecorWave:
        AddAnimation(kMainKey, spriteName);
        for (size_t channel = 0; channel < waves_.size(); ++channel) {
            waves_[channel].rate = descriptor.Number(1 + channel * 2);
            waves_[channel].amplitude = descriptor.Number(2 + channel * 2);
            waves_[channel].phase = SceneryRandom(0.0f, kTwoPi);
        }
        PlayAnimation(kMainKey, kPlayLoopForward);
        break;
    case kDecorCoffee:
        AddAnimation(kMainKey, spriteName);
        PlayAnimation(kMainKey, kPlayOnceForward);
        SetFadeTime(kCoffeeFadeTime);
        break;
    case kDecorBat:
        AddAnimation(kMainKey, spriteName);
        PlayAnimation(kMainKey, kPlayOnceForward);
        angleA_ = -kBatAngle;
        angleB_ = kBatAngle;
        rate_ = kBatRate;
        phase_ = SceneryRandom(0.0f, 1.0f);
        timer_ = SceneryRandom(kBatFirstPauseMin, kBatFirstPauseMax);
        break;
    case kDecorNone:
        break;
    }
}

void cDecor::Update()
{
    switch (kind_) {
    case kDecorAnim:
        // The picture loops without cross-fades and without end messages.
        anim_.Update(kTickSeconds);
        break;
    case kDecorFade:
    case kDecorRand:
        cObject::Update();
        break;
    case kDecorOffset:
        drawOffset_ += scrollSpeed_ * kTickSeconds;
        if (drawOffset_.x >= kScrollWrap) drawOffset_.x = 0.0f;
        if (drawOffset_.y >= kScrollWrap) drawOffset_.y = 0.0f;
        break;
    case kDecorTree:
    case kDecorSnowman:
        UpdateSway();
        break;
    case kDecorBat:
        UpdateSway();
        UpdateBatTimer();
        break;
    case kDecorWave:
        cObject::Update();
        UpdateWaves();
        break;
    case kDecorCoffee:
        cObject::Update();
        if (timer_ > 0.0f) {
            timer_ -= kTickSeconds;
            if (timer_ <= 0.0f) {
                timer_ = 0.0f;
                SetPlayMode(kPlayOnceForward, true);
            }
        }
        break;
    case kDecorNone:
    case kDecorSimple:
        break;
    }
}

void cDecor::UpdateSway()
{
    phase_ += rate_ * kTickSeconds;
    if (phase_ > 1.0f) {
        phase_ = 1.0f;
        rate_ = -rate_;
    } else if (phase_ < 0.0f) {
        phase_ = 0.0f;
        rate_ = -rate_;
    }
}

void cDecor::UpdateBatTimer()
{
    timer_ -= kTickSeconds;
    if (timer_ <= 0.0f) {
        rate_ = kBatRate;
        flag_ = false;
        timer_ = SceneryRandom(kBatPauseMin, kBatPauseMax);
    }
    if (timer_ < kBatFlutterBefore && !flag_) {
        rate_ = kBatFlutterRate;
        flag_ = true;
    }
}

bool cDecor::Load(vrk::cByteStream& stream, uint32_t version)
{
    const bool whole = cObject::Load(stream, version);
    placedAngle_ = angle_;
    return whole;
}

bool cDecor::Save(vrk::cByteStream& stream)
{
    // A save stores no moment of a wave's swing: the angle stays as loaded.
    if (kind_ != kDecorWave) return cObject::Save(stream);
    const float swinging = angle_;
    angle_ = placedAngle_;
    const bool saved = cObject::Save(stream);
    angle_ = swinging;
    return saved;
}

void cDecor::UpdateWaves()
{
    for (WaveChannel& wave : waves_) {
        wave.phase += wave.rate * kTickSeconds;
        if (wave.phase >= kTwoPi) wave.phase = 0.0f;
    }
    angle_ = std::cos(waves_[2].phase) * waves_[2].amplitude;
}

void cDecor::UpdateFade(float dt)
{
    if (kind_ == kDecorFade || kind_ == kDecorCoffee) cObject::UpdateFade(dt);
}

void cDecor::Draw()
{
    switch (kind_) {
    case kDecorSimple:
        cObject::Draw();
        break;
    case kDecorTree:
    case kDecorSnowman:
    case kDecorBat:
        DrawBent();
        break;
    default:
        DrawBatched();
        break;
    }
}

int32_t cDecor::OnMessage(uint32_t code, uintptr_t data)
{
    if (code != kMessageAnimationEnded) return 0;
    if (kind_ == kDecorRand) {
        PickRandomAnimation();
    } else if (kind_ == kDecorCoffee) {
        if (data == kPlayOnceForward) {
            SetPlayMode(kPlayOnceBackward, false);
        } else if (data == kPlayOnceBackward) {
            timer_ = SceneryRandom(kCoffeePauseMin, kCoffeePauseMax);
        }
    }
    return 0;
}

void cDecor::PickRandomAnimation()
{
    const float pick = SceneryRandom(0.0f, kPercent);
    for (size_t pair = startWeights_.size(); pair-- > 0;) {
        if (startWeights_[pair] <= pick) {
            PlayAnimation(RandKey(pair), kPlayOnceForward);
            return;
        }
    }
}

void cDecor::GetQuad(Quad& corners) const
{
    cObject::GetQuad(corners);
    if (kind_ != kDecorWave) return;
    const vec2 bob{std::cos(waves_[1].phase) * waves_[1].amplitude, std::sin(waves_[0].phase) * waves_[0].amplitude};
    for (vec2& corner : corners) corner += bob;
}

void cDecor::DrawBent()
{
    const int32_t frame = anim_.CurrentFrame();
    if (!hasAnimation_ || !anim_.info.texture || frame < 0) return;
    vrk::VertexBatch* batch = OwnerBatch();
    if (batch == nullptr) return;

    const float theta = angleA_ + (angleB_ - angleA_) * phase_;
    const float stretch = kind_ == kDecorSnowman ? 1.0f + std::cos(phase_ * kTwoPi - kPi) * kBreath : 1.0f;
    Rect rect;
    GetFrameRect(rect, -1);
    const float halfWidth = rect.width * 0.5f;
    const float halfHeight = rect.height * 0.5f * stretch;
    const vec2 pivot{rect.x + halfWidth, rect.y + halfHeight};
    const float c = std::cos(theta);
    const float s = std::sin(theta);
    auto swung = [&](float dx, float dy) { return vec2{pivot.x + dx * c - dy * s, pivot.y + dx * s + dy * c}; };
    const vec2 baseLeft{rect.x, rect.y};
    const vec2 baseRight{rect.x + rect.width, rect.y};
    const vec2 topLeft = swung(-halfWidth, halfHeight);
    const vec2 topRight = swung(halfWidth, halfHeight);

    const FrameWindow window = anim_.info.Window(frame);
    vrk::BatchVertex* out = vrk::cRender::AllocBatchVertices(*batch, anim_.info.texture, kQuadVertices);
    if (out == nullptr) return;
    const uint32_t color = GetColor();
    const float u0 = window.u;
    const float u1 = window.u + window.width;
    const float v0 = window.v;
    const float v1 = window.v + window.height;
    auto put = [&out, color](const vec2& p, float u, float v) { *out++ = vrk::BatchVertex{p.x, p.y, 0.0f, color, u, v}; };
    put(baseLeft, u0, v0);
    put(baseRight, u1, v0);
    put(topLeft, u0, v1);
    put(topLeft, u0, v1);
    put(baseRight, u1, v0);
    put(topRight, u1, v1);
}
