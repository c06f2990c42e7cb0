// Shine rays: lingering sources, live-ray counts, rotation wrap and brightness.
#include "framework/objects/particle_shine_emitter.h"

#include <gtest/gtest.h>

#include "framework/objects/particle_spawn_random.h"
#include "framework/objects/particle_store.h"
#include "framework/objects/weather_sources.h"

namespace {

constexpr float kFrame = 1.0f / 30.0f;

TEST(ShineEmitterTest, AddShineEmitter_EmitsAtOnceAndCountsLiveRays)
{
    ResetParticleSpawnRandom();
    ParticleStore store;
    ShineParamsPtr source = AddShineEmitter(store, vec2(512.0f, 700.0f), 300.0f);
    store.shine.Update(kFrame);
    EXPECT_EQ(store.shine.LiveCount(), 1u);
    EXPECT_EQ(source->count, 1);
    const ShineParticle& ray = store.shine.Slots()[0];
    EXPECT_GE(ray.length, 150.0f);
    EXPECT_LE(ray.length, 300.0f);
    EXPECT_GE(ray.rotation, 4.712389f);
    EXPECT_FLOAT_EQ(ray.width, 32.0f);
    EXPECT_FLOAT_EQ(ray.windowHeight, 0.125f);
}

TEST(ShineEmitterTest, StoppedLingeringSource_StaysUntilItsRaysAreGone)
{
    ResetParticleSpawnRandom();
    ShineEmitter shine;
    auto source = std::make_shared<ShineParams>();
    source->interval = source->accumulator = 10.0f;
    source->lifeMin = source->lifeMax = 0.05f;
    shine.AddParams(source);
    shine.Update(kFrame);
    source->flags |= kEmitterStopped;
    shine.Update(kFrame);
    EXPECT_EQ(shine.Sources().size(), 1u);  // one ray still alive
    shine.Update(kFrame);                   // the ray dies: count back to 0
    EXPECT_EQ(source->count, 0);
    shine.Update(kFrame);
    EXPECT_TRUE(shine.Sources().empty());
}

TEST(ShineEmitterTest, SourceDroppedWhileRaysLive_RaysKeepAValidSource)
{
    ShineEmitter shine;
    auto source = std::make_shared<ShineParams>();
    source->flags = 0;  // not lingering: deleted as soon as it is stopped
    source->interval = source->accumulator = 10.0f;
    shine.AddParams(source);
    shine.Update(kFrame);
    source->flags = kEmitterStopped;
    std::weak_ptr<ShineParams> watch = source;
    source.reset();
    shine.Update(kFrame);
    EXPECT_TRUE(shine.Sources().empty());
    EXPECT_FALSE(watch.expired());  // the live ray still holds it
    for (int i = 0; i < 100; ++i) shine.Update(kFrame);
    EXPECT_TRUE(watch.expired());
}

TEST(ShineEmitterTest, RayBrightness_FadesInOverHalfASecond)
{
    ResetParticleSpawnRandom();
    ShineEmitter shine;
    auto source = std::make_shared<ShineParams>();
    source->interval = source->accumulator = 100.0f;
    source->lifeMin = source->lifeMax = 4.0f;
    shine.AddParams(source);
    shine.Update(0.1f);
    shine.Update(0.1f);  // age 0.1 (a hair below in single precision): brightness 0.2
    ASSERT_EQ(shine.mesh.quadCount, 1u);
    EXPECT_EQ(shine.mesh.vertices[0].color, 0xFF323232u);
    for (int i = 0; i < 10; ++i) shine.Update(0.1f);
    EXPECT_EQ(shine.mesh.vertices[0].color, 0xFFFFFFFFu);
}

TEST(ShineEmitterTest, Clear_DropsSourcesAndRays)
{
    ParticleStore store;
    AddShineEmitter(store, vec2(0.0f, 0.0f), 100.0f);
    store.shine.Update(kFrame);
    store.Clear();
    EXPECT_EQ(store.shine.LiveCount(), 0u);
    EXPECT_TRUE(store.shine.Sources().empty());
}

}  // namespace
