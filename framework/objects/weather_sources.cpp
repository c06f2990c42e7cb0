// The weather sources: the fixed look of rain, snow, light rays and star bursts.
#include "framework/objects/weather_sources.h"

#include <cmath>

#include "framework/objects/particle_store.h"

namespace {

constexpr float kWeatherInterval = 0.0033333334f;  // 300 particles a second
constexpr float kShineInterval = 1.25f;
constexpr uint32_t kBurstDeathColor = 0xFF000000u;

// Rain falls along (-100, -300): the streaks point the way the drops fly.
float RainAngle()
{
    const float x = -100.0f;
    const float y = -300.0f;
    const float length = std::sqrt(x * x + y * y);
    return std::atan2(y / length, x / length);
}

}  // namespace

EmitterParamsPtr AddRainEmitter(ParticleStore& store, const vec2& point, float spread)
{
    auto params = std::make_shared<EmitterParams>();
    params->interval = kWeatherInterval;
    params->accumulator = kWeatherInterval;
    params->position = {point.x, point.y, 0.0f};
    params->spread = spread;
    params->lifeMin = 1.5f;
    params->lifeMax = 2.0f;
    params->sizeMin = 0.7f;
    params->sizeMax = 0.7f;
    params->stretch = 60.0f;
    params->velocityMin = {-100.0f, -300.0f, 0.0f};
    params->velocityMax = {-110.0f, -360.0f, 0.0f};
    params->rotationMin = RainAngle();
    params->rotationMax = params->rotationMin;
    store.rain.AddParams(params);
    return params;
}

EmitterParamsPtr AddSnowEmitter(ParticleStore& store, const vec2& point, float spread)
{
    auto params = std::make_shared<EmitterParams>();
    params->interval = kWeatherInterval;
    params->accumulator = kWeatherInterval;
    params->position = {point.x, point.y, 0.0f};
    params->spread = spread;
    params->lifeMin = 1.5f;
    params->lifeMax = 2.0f;
    params->sizeMin = 3.0f;
    params->sizeMax = 4.0f;
    params->velocityMin = {-50.0f, -80.0f, 0.0f};
    params->velocityMax = {50.0f, -50.0f, 0.0f};
    params->rotationMin = 0.0f;
    params->rotationMax = kTwoPi;
    params->spinMin = -1.0f;
    params->spinMax = 1.0f;
    store.snow.AddParams(params);
    return params;
}

ShineParamsPtr AddShineEmitter(ParticleStore& store, const vec2& point, float length)
{
    auto params = std::make_shared<ShineParams>();
    params->flags = kEmitterLinger;
    params->interval = kShineInterval;
    params->accumulator = kShineInterval;
    params->position = {point.x, point.y, 0.0f};
    params->lifeMin = 5.0f;
    params->lifeMax = 8.0f;
    params->length = length;
    params->width = 32.0f;
    params->widthRate = 8.0f;
    params->rotationMin = 4.712389f;  // pointing down, fanning over a quarter turn
    params->rotationMax = kTwoPi;
    params->spinMin = -0.015866630f;
    params->spinMax = 0.015866630f;
    store.shine.AddParams(params);
    return params;
}

EmitterParamsPtr AddParticleBurst(ParticleStore& store, int32_t count, const vec2& point, uint32_t color,
                                  float spread)
{
    auto params = std::make_shared<EmitterParams>();
    params->flags = kEmitterBurst;
    params->interval = count > 0 ? 1.0f / static_cast<float>(count) : 0.0f;
    params->accumulator = params->interval;
    params->position = {point.x, point.y, 0.0f};
    params->spread = spread;
    params->lifeMin = 2.0f;
    params->lifeMax = 4.0f;
    params->sizeMin = 2.0f;
    params->sizeMax = 8.0f;
    params->sizeRate = -0.5f;
    params->velocityMin = {-20.0f, -20.0f, -20.0f};
    params->velocityMax = {20.0f, 20.0f, 20.0f};
    params->acceleration = {0.0f, -15.0f, 0.0f};
    params->fadeByLife = 0;
    params->colorBirth = color;
    params->colorMiddle = color;
    params->colorDeath = kBurstDeathColor;
    store.stars.AddParams(params);
    return params;
}
