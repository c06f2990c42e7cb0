// AnimEffectList: one-shot animations and firework launchers of the level screen.
#include "framework/objects/anim_effect_list.h"

#include <cmath>
#include <memory>

#include "engine/render/render.h"
#include "engine/render/vertex_batch.h"
#include "engine/sound/sound.h"
#include "engine/text/text_format.h"
#include "framework/objects/app_services.h"

namespace {

constexpr const char* kFireworkSprite = "effect_firework";
constexpr const char* kFireworkSound = "salute0%i";
constexpr uint32_t kFireworkSoundCount = 2;
constexpr uint32_t kWhite = 0xFFFFFFFFu;

float Scatter(RandomGen& random, float spread) { return spread * (2.0f * random.NextFraction() - 1.0f); }

// One bang per burst; the sound plays on after its object is gone.
void PlayFireworkSound(RandomGen& random)
{
    const auto variant = static_cast<int32_t>(random.NextValue() % kFireworkSoundCount);
    const std::string name = vrk::FormatToString(kFireworkSound, vrk::FormatArg::FromInt(variant));
    auto sound = std::make_unique<vrk::cSound>(name);
    sound->Play();
}

}  // namespace

bool AnimEffectList::Add(const std::string& spriteName, const vec2& point)
{
    cAppServices* services = GetAppServices();
    if (services == nullptr) return false;
    AnimEffect effect;
    effect.sprite = services->GetSpriteInfoEx(spriteName);
    // Without frames or a rate the effect would never end (or divide by zero).
    if (!effect.sprite.IsSprite() || !(effect.sprite.framesPerSecond > 0.0f)) return false;
    effect.frameTime = 1.0f / effect.sprite.framesPerSecond;
    effect.x = point.x;
    effect.y = point.y;
    effects.push_back(std::move(effect));
    return true;
}

void AnimEffectList::LaunchFirework(const vec2& point, uint32_t bursts, float interval, float spread)
{
    FireworkLauncher launcher;
    launcher.x = point.x;
    launcher.y = point.y;
    launcher.spread = spread;
    launcher.remaining = bursts;
    launcher.interval = interval;
    launchers.push_back(launcher);
}

void AnimEffectList::Update(float dt)
{
    for (auto it = effects.begin(); it != effects.end();) {
        it->time += dt;
        if (it->time / it->frameTime >= static_cast<float>(it->sprite.frameCount)) {
            it = effects.erase(it);
        } else {
            ++it;
        }
    }

    cAppServices* services = GetAppServices();
    for (size_t index = 0; index < launchers.size();) {
        FireworkLauncher& launcher = launchers[index];
        launcher.countdown -= dt;
        if (launcher.countdown > 0.0f || services == nullptr) {
            ++index;
            continue;
        }
        RandomGen& random = services->GetRandomGen();
        const float x = launcher.x + Scatter(random, launcher.spread);
        const float y = launcher.y + Scatter(random, launcher.spread);
        Add(kFireworkSprite, vec2(x, y));
        PlayFireworkSound(random);
        if (launcher.remaining != 0) --launcher.remaining;
        if (launcher.remaining == 0) {
            launchers.erase(launchers.begin() + static_cast<std::ptrdiff_t>(index));
            continue;
        }
        launcher.countdown = launcher.interval;
        ++index;
    }
}

void AnimEffectList::Draw(vrk::VertexBatch& batch) const
{
    batch.Clear();
    for (const AnimEffect& effect : effects) {
        const auto frame = static_cast<int32_t>(effect.time / effect.frameTime);
        if (!effect.sprite.HasFrame(frame)) continue;
        const FrameWindow window = effect.sprite.Window(frame);
        const vec2 hotSpot = effect.sprite.HotSpot(frame);
        const vec2 size = effect.sprite.Size(frame);
        vrk::cRender::AddQuad(batch, effect.sprite.texture, window.u, window.v, window.width, window.height,
                              std::floor(effect.x - hotSpot.x), std::floor(effect.y - hotSpot.y),
                              std::floor(size.x), std::floor(size.y), kWhite);
    }
    if (vrk::cRender* render = vrk::GetRender()) render->DrawVertexBatch(batch);
    batch.Clear();
}

void AnimEffectList::Clear()
{
    effects.clear();
    launchers.clear();
}
