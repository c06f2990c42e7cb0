// cMagicWidget: the look of a level (weather and the day and night lengths) and the
// enemies' program-wide tuning, as the per-level set-up configures them.
#include <algorithm>

#include "engine/sound/sound_play.h"
#include "framework/objects/weather_sources.h"
#include "game/level/magic_widget.h"
#include "objects/enemy_tuning.h"

namespace {

constexpr uint32_t kSnowColor = 0xFFFFFFFFu;
constexpr uint32_t kRainColor = 0xFFC8C8C8u;
constexpr uint32_t kShineColor = 0xFFFFFFDCu;
constexpr uint32_t kNightColor = 0xFF6060C0u;
constexpr uint32_t kPlainColor = 0xFFFFFFFFu;
constexpr const char* kRainSound = "ambi_rain";
// The light rays fan out from the top-left corner of the view (y grows upwards).
constexpr float kShineLength = 768.0f;

constexpr float kGoblinWorkRate = 0.2f;

}  // namespace

void cMagicWidget::ResetEnemyTuning()
{
    EnemyTuning& tuning = EnemyTuningValues();
    tuning.goblinWorkRate = kGoblinWorkRate;
    tuning.banditSpeedFactor = 1.0f;
    tuning.tankGunSpeedFactor = 1.0f;
}

void cMagicWidget::SetWeather(const std::string& name)
{
    const vec2 middle{kViewWidth * 0.5f, kViewHeight * 0.5f};
    const float spread = std::max(kViewWidth, kViewHeight) * 0.5f;
    ParticleStore* store = GetParticleStore();
    if (name == "snow") {
        SetSceneColor(kSnowColor);
        if (store != nullptr) AddSnowEmitter(*store, middle, spread);
    } else if (name == "rain") {
        SetSceneColor(kRainColor);
        if (store != nullptr) AddRainEmitter(*store, middle, spread);
        // One loop however often the set-up asks; it runs until the level is cleared.
        if (GetRainSound() == nullptr) StartRainSound(vrk::PlayLoopedSound(kRainSound));
    } else if (name == "shine") {
        SetSceneColor(kShineColor);
        if (store != nullptr) AddShineEmitter(*store, vec2{0.0f, kShineLength}, kShineLength);
    } else if (name == "night") {
        SetSceneColor(kNightColor);
        night = true;
        nightStrength.start = nightStrength.target = nightStrength.current = 1.0f;
        nightStrength.elapsed = nightStrength.duration = 0.0f;
    } else {
        SetSceneColor(kPlainColor);
    }
}

void cMagicWidget::SetDayNightLengths(float newDayLength, float newNightLength)
{
    dayLength = newDayLength;
    nightLength = newNightLength;
}
